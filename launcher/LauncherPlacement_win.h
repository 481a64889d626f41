#pragma once
// Where the launcher opens, how its controls follow its size, and how small it may get.
#include <windows.h>

class LauncherWindow;

// Measures the controls, puts the window at the bottom right or at its remembered place, and
// lays out the controls.
void PlaceLauncherAtStart(LauncherWindow& launcher);
// WM_SIZE: the controls follow the client size (not while the launcher waits at its edge).
void LayoutLauncherControls(LauncherWindow& launcher);
// WM_GETMINMAXINFO.
void LimitLauncherSize(HWND dialog, MINMAXINFO& info);
