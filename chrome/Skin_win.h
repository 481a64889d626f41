#pragma once
#include <windows.h>

// Gives a dialog the program's look (background, caption and owner-drawn buttons).
void ApplyDialogSkin(HWND dialog);
