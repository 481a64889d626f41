#pragma once
// The launcher's text box: its list (the search history, then the typed addresses), the text
// with its selection, and completion while the user types.
#include <windows.h>

#include <string>

#include "launcher/ComboCompletion.h"

class LauncherWindow;

// Empties the box and adds the search history and then the typed addresses.
void FillLauncherCombo(HWND combo);

struct ComboText {
    std::string text;          // up to 511 characters
    bool hasSelection = false;
    EditSelection selection;
};
ComboText ReadComboText(HWND combo);
// Shows text in the box; with a selection, selects it.
void PutComboText(HWND combo, const std::string& text, const EditSelection* selection = nullptr);
// ReadComboText(...).text.
std::string LauncherText(HWND combo);

// Watches the keys of the box's edit field, which decide whether completion runs.
void WatchTyping(LauncherWindow& launcher);
// CBN_EDITUPDATE of the box.
void CompleteTypedText(LauncherWindow& launcher);
