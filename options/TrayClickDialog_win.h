#pragma once
// Dialog 156 "Advanced" of page "Main": whether the caption's close button ends the program,
// and what a click on the tray icon does, plain and with Shift, Ctrl or Alt. OK stores into
// the options; the file is written by the page's OK.
#include <windows.h>

// IDOK when the choices were stored.
INT_PTR ShowTrayClickDialog(HWND owner);
