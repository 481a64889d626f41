#pragma once
// Opening, hiding and closing the launcher dialog, as every window asks for it.
#include <windows.h>

void OpenLauncher();
void HideLauncher();
void CloseLauncherNow();
// The launcher exists, is not slid away into its edge and no translation window is open.
bool LauncherVisible();
