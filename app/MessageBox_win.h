#pragma once
#include <windows.h>

// Message boxes with the program's title as caption; the text by string id (up to 255
// characters) or ready. Return the button pressed.
int MessageBoxById(HWND owner, UINT stringId, UINT type);
int MessageBoxText(HWND owner, const char* text, UINT type);
