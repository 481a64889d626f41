#pragma once
// What the launcher's buttons and menu commands do.
#include <windows.h>

class LauncherWindow;

// WM_COMMAND of the dialog; false for ids it does not know.
bool HandleLauncherCommand(LauncherWindow& launcher, int id, int code);

// After an action: unless OnTop keeps the launcher in view, it slides away or closes as
// CloseAfter says (UM_CLOSELAUNCHER without force). The window may be gone afterwards.
void HideAfterAction(HWND dialog);
