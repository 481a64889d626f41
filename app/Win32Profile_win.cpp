#include "app/Win32Profile_win.h"

#include <windows.h>

#include <vector>

std::string Win32Profile::ReadString(const char* section, const char* key, const char* def,
                                     std::size_t maxChars) const
{
    std::vector<char> buffer(maxChars + 1, '\0');
    DWORD length = GetPrivateProfileStringA(section, key, def ? def : "", buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path_.c_str());
    return std::string(buffer.data(), length < buffer.size() ? length : buffer.size() - 1);
}

namespace {
// The profile functions trim blanks around a value and drop one pair of quotes around it, and
// a line break inside a value would end the line (and could start a key or section of its
// own). What is written is made to read back as it was: wrapped in quotes when it would
// lose them or its blanks, line breaks turned into blanks.
std::string StorableValue(const char* value)
{
    std::string text(value);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            text.erase(i + 1, 1);
        if (text[i] == '\r' || text[i] == '\n')
            text[i] = ' ';
    }
    if (text.empty())
        return text;
    char first = text.front(), last = text.back();
    bool quoted = text.size() >= 2 && first == last && (first == '"' || first == '\'');
    bool padded = first == ' ' || first == '\t' || last == ' ' || last == '\t';
    if (quoted || padded)
        text = '"' + text + '"';
    return text;
}
} // namespace

void Win32Profile::WriteString(const char* section, const char* key, const char* value)
{
    if (!value) {
        WritePrivateProfileStringA(section, key, nullptr, path_.c_str());
        return;
    }
    WritePrivateProfileStringA(section, key, StorableValue(value).c_str(), path_.c_str());
}

void Win32Profile::DeleteSection(const char* section)
{
    WritePrivateProfileStringA(section, nullptr, nullptr, path_.c_str());
}
