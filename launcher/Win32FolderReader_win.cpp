#include "launcher/Win32FolderReader_win.h"

#include <windows.h>

#include "app/WinHandles_win.h"

namespace {
// The ANSI form of a name; usedDefault tells whether a character had no exact match (it became
// "?" or a look-alike letter, and the ANSI name would open nothing or another file).
std::string Ansi(const wchar_t* name, bool exactOnly, bool* usedDefault)
{
    BOOL defaulted = FALSE;
    DWORD flags = exactOnly ? WC_NO_BEST_FIT_CHARS : 0;
    int size = WideCharToMultiByte(CP_ACP, flags, name, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, name, -1, &out[0], size, nullptr, usedDefault ? &defaulted : nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    if (usedDefault)
        *usedDefault = defaulted != FALSE;
    return out;
}

std::wstring Wide(const std::string& text)
{
    int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 1)
        return std::wstring();
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &out[0], size);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}
} // namespace

// The wide enumeration tells which names the code page carries exactly; the names shown are
// those the ANSI enumeration would give.
std::vector<FolderEntry> Win32FolderReader::List(const std::string& folder) const
{
    std::vector<FolderEntry> entries;
    std::wstring pattern = Wide(JoinPath(folder, "*.*"));
    if (pattern.empty())
        return entries;
    WIN32_FIND_DATAW data = {};
    UniqueFind find(FindFirstFileW(pattern.c_str(), &data));
    if (!find)
        return entries;
    do {
        FolderEntry entry;
        entry.name = Ansi(data.cFileName, false, nullptr);
        entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.hidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.system = (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        entry.reparsePoint = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        bool inexact = false;
        Ansi(data.cFileName, true, &inexact);
        if (inexact && data.cAlternateFileName[0])
            entry.accessName = Ansi(data.cAlternateFileName, false, nullptr);
        if (!entry.name.empty())
            entries.push_back(std::move(entry));
    } while (FindNextFileW(find.Get(), &data));
    return entries;
}

std::string Win32FolderReader::ReadShortcutUrl(const std::string& path, std::size_t maxChars) const
{
    std::string buffer(maxChars + 1, '\0');
    DWORD length = GetPrivateProfileStringA("InternetShortcut", "URL", "", &buffer[0],
                                            static_cast<DWORD>(buffer.size()), path.c_str());
    buffer.resize(length < buffer.size() ? length : buffer.size() - 1);
    return buffer;
}
