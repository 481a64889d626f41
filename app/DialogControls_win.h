#pragma once
// Small helpers the dialogs and property pages share: check boxes, lists filled from the string
// table, text fields cut at the stored size and up-down controls.
#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>

void SetCheck(HWND dialog, int id, int value);
int GetCheck(HWND dialog, int id);

// Fills a drop-down list with the texts of the string ids, in order, and selects position
// selected (out of range: no selection).
void FillListFromStrings(HWND dialog, int id, std::initializer_list<UINT> strings, int selected);
// The selected position, or fallback when nothing is selected.
int GetListPosition(HWND dialog, int id, int fallback);

// The control's text, at most maxChars characters; the control itself accepts no more.
void SetLimitedText(HWND dialog, int id, const std::string& text, std::size_t maxChars);
std::string GetLimitedText(HWND dialog, int id, std::size_t maxChars);

// An up-down control's range, and its position: value brought into the range.
void SetSpinRange(HWND dialog, int id, int low, int high, int value);

// The context menu of a list of the options (first popup of menu 198) at the mouse, or from the
// keyboard (position -1) beside the list's selected row; Edit and Delete greyed without a
// selected row. The chosen command goes to owner as WM_COMMAND.
void ShowListMenu(HWND owner, HWND list, LPARAM mousePosition);
