#pragma once
// Small pieces the translation window, the results list and the zoom dialog share.
#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>

#include "app/DialogTips_win.h"

// A dialog item's text, at most maxChars characters.
std::string ItemText(HWND dialog, int id, std::size_t maxChars);
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);

// A string-table text used as a printf format with the arguments, cut at 1023 characters.
std::string FormatText(UINT id, ...);


// Copies the whole text of an edit control to the clipboard through the control's own copy
// (an empty text copies nothing).
void CopyEditText(HWND edit);

// Gives an edit control the keyboard with the caret at the start of its text. The dialog
// manager would select the whole text of the first field instead, and a read-only result
// would open looking like something waiting to be replaced. The caller's WM_INITDIALOG
// then returns FALSE.
void FocusAtStart(HWND dialog, int id);
// A search of text with the preferred engine, through the launcher's rules.
void SearchWithText(const std::string& text);

// The whole text of an edit control, or only its selected part when there is one, at most
// maxChars characters.
std::string SelectedOrWholeText(HWND edit, std::size_t maxChars);
