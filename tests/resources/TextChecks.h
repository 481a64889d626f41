#pragma once
// Text properties that must agree between the English and the French resources.
#include <string>
#include <vector>

namespace rc {

// The printf conversions of a text in order, each as written ("%s", "%0.1f", "%8.8X");
// "%%" is not a conversion.
std::vector<std::string> PrintfConversions(const std::string& text);

std::size_t CountOf(const std::string& text, char c);

// Converts UTF-8 to the Windows-1252 code page the program works in. False when the text
// is not valid UTF-8 or holds a character that code page lacks (it would show as '?').
bool ToCp1252(const std::string& utf8, std::string& out);

// The mnemonic letter of a menu or button text (the character after a single '&'),
// lower-cased for ASCII; empty when the text has none.
std::string Mnemonic(const std::string& text);

}  // namespace rc
