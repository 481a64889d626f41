#pragma once
// Every string, dialog and menu of the program is taken in the chosen interface language,
// by language id. (Selecting resources through the thread locale works only on very old
// Windows; on current systems the program would always follow the system's language.)
#include <windows.h>

#include <string>

// The interface language: MAKELANGID of English (US) or French (France).
void SetUiLanguage(LANGID language);
LANGID UiLanguage();
// The locale of the interface language (1036 or 1033), for the content-language rule.
int UiLocale();

// A string-table text in the interface language (English when that language lacks it),
// converted to the ANSI code page, cut to maxChars characters. Empty when the id is unknown.
std::string LoadText(UINT id, std::size_t maxChars = 1023);

// A menu in the interface language; null when missing. The caller destroys it.
HMENU LoadMenuInLanguage(UINT id);

// Dialog boxes from the template of the interface language.
INT_PTR DialogBoxInLanguage(UINT id, HWND owner, DLGPROC proc, LPARAM param);
HWND CreateDialogInLanguage(UINT id, HWND owner, DLGPROC proc, LPARAM param);
// The dialog template itself (for property pages); null when missing.
const DLGTEMPLATE* DialogTemplateInLanguage(UINT id);

// The module whose resources are used (the program itself).
HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);
