#pragma once
// Small helpers the options pages share: check boxes, lists filled from the string table,
// hotkey controls and text fields cut at the option's size.
#include <windows.h>

#include <initializer_list>
#include <string>

void SetCheck(HWND dialog, int id, int value);
int GetCheck(HWND dialog, int id);

// Fills a drop-down list with the texts of the string ids, in order, and selects position
// selected (out of range: no selection).
void FillListFromStrings(HWND dialog, int id, std::initializer_list<UINT> strings, int selected);
// The selected position, or fallback when nothing is selected.
int GetListPosition(HWND dialog, int id, int fallback);

// A hotkey control holds the stored form (virtual key low byte, modifier flags high byte).
void SetHotkeyControl(HWND dialog, int id, int value);
int GetHotkeyControl(HWND dialog, int id);

// The control's text, at most maxChars characters; the control itself accepts no more.
void SetLimitedText(HWND dialog, int id, const std::string& text, std::size_t maxChars);
std::string GetLimitedText(HWND dialog, int id, std::size_t maxChars);

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
