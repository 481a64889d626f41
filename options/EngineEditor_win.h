#pragma once
// Dialog 137 "Search Engine": edits one engine of the engine table. A name and a search
// pattern are required; each text is kept to 1023 characters.
#include <windows.h>

#include <cstddef>

class LinkEntry;

constexpr std::size_t kEngineTextChars = 1023;

// IDOK after the entry was changed; IDCANCEL leaves it as it was.
INT_PTR EditEngine(HWND owner, LinkEntry& engine);
