#pragma once
// The five global hotkeys and the commands of modified tray clicks.
#include <windows.h>

// Slots and their actions.
enum HotkeyAction {
    HOTKEY_OPEN_LAUNCHER = 1,
    HOTKEY_SEARCH_CLIPBOARD = 2,
    HOTKEY_TRANSLATE = 3,
    HOTKEY_TRANSLATE_CLIPBOARD = 4,
    HOTKEY_MINIBROWSER = 5,
};

// Unregisters the hotkey holding previous (when not 0), then registers value (when not 0)
// for slot on the main window. Returns the record's position from 1, or 0 when nothing was
// registered. A combination taken by another program silently does nothing.
int RegisterHotkeySlot(int value, int previous, int slot, int action);
// Unregisters and forgets the first record holding value; false when there is none.
bool UnregisterHotkeyValue(int value);
void UnregisterAllHotkeys();
// Registers slots 1 to 5 from the options, each only when set.
void RegisterStartupHotkeys();
// The options sheet turns hotkeys off while it is open.
void SetHotkeysEnabled(bool enabled);
bool HotkeysEnabled();
int HotkeyCount();

// WM_HOTKEY: runs the action of every record whose combination matches.
void OnHotkeyMessage(unsigned modifiers, unsigned virtualKey);
// Runs click command number (0 to 13) towards the main window; other numbers do nothing.
void RunClickCommand(int number);
