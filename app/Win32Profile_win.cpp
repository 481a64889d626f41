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

void Win32Profile::WriteString(const char* section, const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, path_.c_str());
}

void Win32Profile::DeleteSection(const char* section)
{
    WritePrivateProfileStringA(section, nullptr, nullptr, path_.c_str());
}
