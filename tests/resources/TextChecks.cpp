#include "tests/resources/TextChecks.h"

#include <cctype>
#include <cstring>

namespace rc {

std::vector<std::string> PrintfConversions(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < text.size() && text[i + 1] == '%') {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < text.size() && std::strchr("-+ #0", text[j])) ++j;
    while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '*')) ++j;
    if (j < text.size() && text[j] == '.') {
      ++j;
      while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '*')) ++j;
    }
    while (j < text.size() && std::strchr("hlLqjzt", text[j])) ++j;
    if (j < text.size() && std::strchr("diouxXeEfgGaAcspn", text[j])) {
      out.push_back(text.substr(i, j - i + 1));
      i = j;
    } else {
      out.push_back(text.substr(i, j - i));  // a broken conversion still counts, as written
      i = j - 1;
    }
  }
  return out;
}

std::size_t CountOf(const std::string& text, char c) {
  std::size_t n = 0;
  for (char t : text) n += (t == c);
  return n;
}

namespace {

// Code points of bytes 0x80 to 0x9F in Windows-1252 (0 where the byte is unassigned).
const unsigned kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

}  // namespace

bool ToCp1252(const std::string& utf8, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    unsigned cp = 0;
    std::size_t len = 0;
    if (b < 0x80) cp = b, len = 1;
    else if ((b & 0xE0) == 0xC0) cp = b & 0x1F, len = 2;
    else if ((b & 0xF0) == 0xE0) cp = b & 0x0F, len = 3;
    else if ((b & 0xF8) == 0xF0) cp = b & 0x07, len = 4;
    else return false;
    if (i + len > utf8.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      unsigned char c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    bool found = false;
    for (unsigned k = 0; k < 32 && !found; ++k) {
      if (kCp1252High[k] == cp) {
        out += static_cast<char>(0x80 + k);
        found = true;
      }
    }
    if (!found) return false;
  }
  return true;
}

std::string Mnemonic(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    std::size_t len = 1;
    unsigned char b = static_cast<unsigned char>(text[i + 1]);
    if (b >= 0xC0) len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    std::string m = text.substr(i + 1, len);
    if (len == 1) m[0] = static_cast<char>(std::tolower(b));
    return m;
  }
  return std::string();
}

}  // namespace rc
