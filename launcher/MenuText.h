#pragma once
// Menu texts that show a user's text as it stands.
#include <string>
#include <string_view>

// The text with every "&" doubled, so that the menu shows it instead of underlining the next
// character ("a&b" in an address or "Barnes & Noble" in a favorite's name).
std::string MenuTextOf(std::string_view text);
