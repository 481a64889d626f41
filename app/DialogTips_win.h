#pragma once
// Tools of the shared tooltip window for the controls of a dialog.
#include <windows.h>

#include <initializer_list>

// A tool for a control of dialog, its text by string id; the tools go again with RemoveTips
// when the dialog closes.
void AddTip(HWND dialog, int control, UINT stringId);
void RemoveTips(HWND dialog, std::initializer_list<int> controls);
