#pragma once
// The notification-area icon and its balloon tips.
#include <windows.h>
#include <shellapi.h>

#include <string>

// The call that reaches the shell; tests put a recorder in its place.
using ShellNotifyFn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
void SetShellNotifyForTests(ShellNotifyFn fn);

// NIM_ADD / NIM_MODIFY / NIM_DELETE of icon id with the callback UM_TRAYICON; the tip is cut
// to 63 characters (empty when tip is null). Returns what the shell answered.
BOOL TrayNotify(HWND window, DWORD operation, UINT id, HICON icon, const char* tip);

// A balloon on the tray icon: text cut to 255 characters, title to 63, 5 seconds, info icon.
BOOL TrayBalloon(HWND window, UINT id, const char* text, const char* title);

// String 116, or string 1100 with the text of the launcher hotkey when one is set.
std::string TrayTipText(int launcherHotkey);
