#pragma once
// The ends of the launcher: close requests, the hide command, Escape and the caption's close
// button, and closing for good with the remembered place and tree state.
#include <windows.h>

class LauncherWindow;

// UM_CLOSELAUNCHER: slides away unless forced or CloseAfter is set; otherwise closes for good.
void OnCloseRequest(HWND dialog, bool force);
// WM_SYSCOMMAND SC_HIDELAUNCHER: slides away, or with CloseAfter zooms into the tray.
void OnHideCommand(HWND dialog);
// IDCANCEL: the notice "still running in the tray" when PreventClose asks for it, then closing
// for good; with CloseButton the program ends.
void OnCancel(HWND dialog);
// Stores place, size and tree state and writes the settings.
void SaveLauncherLayout(LauncherWindow& launcher);
// Saves the layout as above, then hides and destroys the window.
void CloseLauncherForGood(LauncherWindow& launcher);

// Dialog 159 over owner; true when "Do not show this message again." was ticked on OK.
bool ShowCloseNotice(HWND owner);
