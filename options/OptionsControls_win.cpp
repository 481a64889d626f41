#include "options/OptionsControls_win.h"

#include <commctrl.h>

#include <vector>

#include "app/Hotkeys_win.h"
#include "app/ResourceLoader_win.h"

void SetCheck(HWND dialog, int id, int value)
{
    CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

int GetCheck(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

void FillListFromStrings(HWND dialog, int id, std::initializer_list<UINT> strings, int selected)
{
    HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (UINT text : strings)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(text, 255).c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int GetListPosition(HWND dialog, int id, int fallback)
{
    LRESULT position = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? fallback : static_cast<int>(position);
}

void SetHotkeyControl(HWND dialog, int id, int value)
{
    SendDlgItemMessageA(dialog, id, HKM_SETHOTKEY, static_cast<WPARAM>(value & 0xFFFF), 0);
}

int GetHotkeyControl(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

void SetLimitedText(HWND dialog, int id, const std::string& text, std::size_t maxChars)
{
    HWND control = GetDlgItem(dialog, id);
    // A combo box with an edit takes the limit through CB_LIMITTEXT.
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "ComboBox") == 0)
        SendMessageA(control, CB_LIMITTEXT, maxChars, 0);
    else
        SendMessageA(control, EM_LIMITTEXT, maxChars, 0);
    SetWindowTextA(control, text.substr(0, maxChars).c_str());
}

std::string GetLimitedText(HWND dialog, int id, std::size_t maxChars)
{
    std::vector<char> buffer(maxChars + 1, '\0');
    GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
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
