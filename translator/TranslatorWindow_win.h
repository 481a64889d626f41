#pragma once
// The translation window: a text, a language pair and a service (or all four), GO, and the
// answer to copy, search with or show large.
#include <windows.h>

#include <string>

struct SavedEntry;

// Loads the window's settings, runs the window modally over parent with the entry (may be
// null: an empty window), saves the settings and returns the window's result. An entry with
// its show-result mark shows its stored translation; one without shows only its text.
INT_PTR OpenTranslationWindow(HWND parent, const SavedEntry* entry);

// While the window is open: puts text in its source box and brings it to the front. False
// when no translation window is open.
bool ShowTextInTranslationWindow(const std::string& text);
