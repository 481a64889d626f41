#pragma once
// Putting an encoded search text into an engine's search pattern.
#include <string>
#include <string_view>

// Search addresses are built into 1024 characters.
constexpr std::size_t kAddressChars = 1023;

// The pattern with its first "%s" replaced by the text and every "%%" made "%"; any other
// "%" (a "%20", a second "%s", a "%n") stays as typed, because the pattern is the user's text
// and never a format. The result is cut at 1023 characters.
std::string FormatEngineAddress(std::string_view pattern, std::string_view encodedText);
