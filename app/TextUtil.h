#pragma once
// Small text helpers for the program's 8-bit texts (ANSI code page). Letter case folding is
// that of the Windows Latin-1 code page: A-Z and the accented capitals 0xC0-0xDE (but 0xD7).
#include <cstddef>
#include <string>
#include <string_view>

// Copies src into dst[size] cut to size-1 characters, always terminated. size 0 does nothing.
void CopyCut(char* dst, std::size_t size, std::string_view src);

// The first maxChars characters of text (the whole text when shorter).
std::string Cut(std::string_view text, std::size_t maxChars);

// Leading decimal integer with optional blanks and sign before it, as the profile and C
// library read numbers; 0 when the text does not start with one. Saturates instead of
// overflowing.
int LeadingInt(const char* text);

char ToLowerAnsi(char c);
char ToUpperAnsi(char c);
std::string ToLowerAnsi(std::string_view text);
std::string ToUpperAnsi(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);

// Text without blanks, tabs, carriage returns and line feeds at both ends.
std::string Trim(std::string_view text);
