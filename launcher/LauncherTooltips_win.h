#pragma once
// The launcher's buttons explain themselves through the program's shared tooltip window.
#include <windows.h>

void AddLauncherTooltips(HWND dialog);
// The tooltip window outlives the launcher: its tools go with the dialog.
void RemoveLauncherTooltips(HWND dialog);
