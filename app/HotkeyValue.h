#pragma once
// A stored hotkey value: low byte the virtual key, high byte the modifiers 0x01 Shift,
// 0x02 Ctrl, 0x04 Alt (the hotkey control's HKM_GETHOTKEY form). 0 is no hotkey.

constexpr unsigned kModAlt = 0x0001;       // MOD_ALT
constexpr unsigned kModControl = 0x0002;   // MOD_CONTROL
constexpr unsigned kModShift = 0x0004;     // MOD_SHIFT

// The RegisterHotKey modifiers of a value; other high bits are ignored.
unsigned HotkeyModifiers(int value);
unsigned HotkeyVirtualKey(int value);
