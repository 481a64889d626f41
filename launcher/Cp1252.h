#pragma once
// The Windows Latin-1 code page (1252), the program's 8-bit text encoding, in Unicode terms.
#include <string>

// The Unicode code point of one cp1252 byte. 0x00-0x7F and 0xA0-0xFF are the same numbers;
// 0x80-0x9F hold the typographic characters of the code page. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same number,
// as the system's own conversion does, so no byte is lost.
char32_t Cp1252ToUnicode(unsigned char byte);

// The UTF-8 bytes of one code point (below 0x110000).
std::string Utf8Bytes(char32_t codePoint);
