#pragma once
// Window placement and activation shared by the program's windows.
#include <windows.h>

// Whether minimize and restore animations are on.
bool AnimationsEnabled();
// The notification area's rectangle, or the best guess at it (see the .cpp).
RECT TrayRect();
// Animates a caption from the window to the tray (when animations are on), then hides it.
void HideToTray(HWND window);
// The other way: from the tray to the window; then shows, activates and brings it forward.
void ShowFromTray(HWND window);
// SetForegroundWindow with this thread's input attached to the foreground window's thread,
// which lets a background program bring its window forward. Returns its result.
bool ForceForeground(HWND window);
// The part of the window's screen that the taskbar and other desktop bars leave free, read
// afresh (null: the primary screen).
RECT WorkAreaOf(HWND window);
// Moves the window to the bottom right of its screen's work area, keeping size and z-order.
void PlaceBottomRight(HWND window);
