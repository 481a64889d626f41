#pragma once
// Completing what the user types in the launcher's text box from the entries of its list: the
// completed part is highlighted, so that typing on replaces it.
#include <string_view>

// The text box is read into 512 characters.
constexpr int kLauncherTextChars = 511;

// Virtual keys that end completion until the next other key: Backspace, Enter, Escape and
// Delete. After them the user edits what stands there, and completing again would put back
// what he just removed.
bool KeyEndsCompletion(unsigned virtualKey);
// The same for characters typed (WM_CHAR): backspace, carriage return and escape.
bool CharacterEndsCompletion(unsigned character);

struct EditSelection {
    int start = 0;
    int end = 0;
};

// The selection to set once the edit field shows entry, the first list entry that begins with
// typed (letter case ignored). previous is the selection while typed stood there, or null when
// there was none. With the caret at (or a selection reaching) the end of the typed text, the
// rest of the entry is selected; otherwise the previous selection is kept. A typed "ht" that
// matched an "http://www." entry accepts that whole prefix at once.
EditSelection CompletedSelection(std::string_view typed, const EditSelection* previous, std::string_view entry);

// Whether a text typed into the box is to be completed at all: not an empty text (a cut of
// everything would otherwise bring back the first entry).
bool CompletesText(std::string_view typed);
