#pragma once
// The options pages' hotkey controls, and the hotkeys held out of service while a page edits them.
#include <windows.h>

#include <initializer_list>

#include "app/DialogControls_win.h"

// A hotkey control holds the stored form (virtual key low byte, modifier flags high byte).
void SetHotkeyControl(HWND dialog, int id, int value);
int GetHotkeyControl(HWND dialog, int id);

// Hotkeys a page edits are out of service while the page is open, so that pressing them
// reaches its hotkey controls; when the sheet closes they go back in service, new or old.
class PausedHotkeys {
public:
    struct Slot {
        int value;
        int slot;
        int action;
    };
    // Unregisters the values (those not 0).
    void Pause(std::initializer_list<Slot> slots);
    // Registers each slot again with the given value (the kept or the new one).
    void Resume(int slotIndex, int value);
    // Cancel: every slot as it was.
    void ResumeAsBefore();

private:
    Slot slots_[2] = {};
    int count_ = 0;
};
