#include "options/OptionsControls_win.h"

#include <commctrl.h>

#include "app/Hotkeys_win.h"

void SetHotkeyControl(HWND dialog, int id, int value)
{
    SendDlgItemMessageA(dialog, id, HKM_SETHOTKEY, static_cast<WPARAM>(value & 0xFFFF), 0);
}

int GetHotkeyControl(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

void PausedHotkeys::Pause(std::initializer_list<Slot> slots)
{
    count_ = 0;
    for (const Slot& slot : slots) {
        if (count_ == 2)
            break;
        slots_[count_++] = slot;
        if (slot.value != 0)
            UnregisterHotkeyValue(slot.value);
    }
}

void PausedHotkeys::Resume(int slotIndex, int value)
{
    if (slotIndex < 0 || slotIndex >= count_)
        return;
    const Slot& slot = slots_[slotIndex];
    RegisterHotkeySlot(value, 0, slot.slot, slot.action);
}

void PausedHotkeys::ResumeAsBefore()
{
    for (int i = 0; i < count_; ++i)
        Resume(i, slots_[i].value);
}
