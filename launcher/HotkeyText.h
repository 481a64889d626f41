#pragma once
// The display text of a hotkey value: virtual key in the low byte, modifiers in the next
// (1 Shift, 2 Ctrl, 4 Alt).
#include <string>

// "" for 0; else "Ctrl+", "Shift+", "Alt+" as set, then "F1".."F12" for keys 112..123 or the
// character whose code is the virtual key.
std::string HotkeyText(int code);
