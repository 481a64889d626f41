#pragma once
// The text on the clipboard, for the clipboard search and translation.
#include <cstddef>
#include <string>

// True with the clipboard's text cut at maxChars when it holds a text that is not empty. The
// clipboard is closed again before this returns, so that no message box or launch keeps it
// from other programs.
bool ReadClipboardText(std::string& text, std::size_t maxChars);
