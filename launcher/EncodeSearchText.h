#pragma once
// The form of a search text that goes into an engine's search address.
#include <string>
#include <string_view>

// Blanks at both ends removed; then, in one pass, a blank -> "+", letters, digits, ".", "_"
// and "~" as they are, every other character as "%XX" (upper-case hex): a character above 127
// as its UTF-8 bytes, read as Windows Latin-1. The engine thus receives exactly the text typed,
// "&", "#", "%", "=", "?" and "/" included.
std::string EncodeSearchText(std::string_view text);
