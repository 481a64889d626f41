#pragma once
// The form of a search text that goes into an engine's search address.
#include <string>
#include <string_view>

// Blanks at both ends removed; then double quote -> "%22", "+" -> "%2B", "-" -> "%2D",
// blank -> "+", "'" -> "%27", and every character above 127 -> its UTF-8 bytes as "%XX"
// (upper-case hex), read as Windows Latin-1. Everything else, "%", "&", "#", "?", "=" and "/"
// included, passes unchanged: users type query operators on purpose.
std::string EncodeSearchText(std::string_view text);
