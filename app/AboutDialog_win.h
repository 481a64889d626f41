#pragma once
#include <windows.h>

// The modal about box over the main window; tray clicks are ignored while it is open.
void ShowAboutDialog(HWND owner);
