#include "launcher/LocalHelp_win.h"

#include <windows.h>

#include <string>

#include "app/AppContext_win.h"

namespace {

std::wstring Wide(const std::string& text, UINT codePage)
{
    int size = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0)
        return std::wstring();
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, &out[0], size);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

std::string Utf8(const std::wstring& text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

bool IsFile(const std::string& pathUtf8)
{
    DWORD attributes = GetFileAttributesW(Wide(pathUtf8, CP_UTF8).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

LocalHelp ProgramLocalHelp()
{
    // The program's path is kept in the ANSI code page; the file URL wants UTF-8.
    const std::string& program = App().programPath;
    std::size_t slash = program.find_last_of('\\');
    std::string folder = slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
    return LocalHelp{Utf8(Wide(folder, CP_ACP)), IsFile};
}
