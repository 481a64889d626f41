#pragma once
// What the launcher's buttons and menu commands do.
#include <windows.h>

class LauncherWindow;

// WM_COMMAND of the dialog; false for ids it does not know.
bool HandleLauncherCommand(LauncherWindow& launcher, int id, int code);

// Command 9, WM_HELP, F1 and the release of Alt+F1: the help page "fenetre", once per key.
void OpenLauncherHelp(LauncherWindow& launcher);

// After an action: unless OnTop keeps the launcher in view, it slides away or closes as
// CloseAfter says (UM_CLOSELAUNCHER without force). The window may be gone afterwards.
void HideAfterAction(HWND dialog);
