#include "webalert/Win32PageFiles_win.h"

#include <windows.h>

#include "app/WinHandles_win.h"

namespace {
// A stored copy larger than this is not a page the monitor wrote; it is not read.
constexpr ULONGLONG kLargestCopy = 256ull * 1024 * 1024;

UniqueHandle Open(const std::string& path, DWORD access, DWORD creation)
{
    // Exclusive: a copy is never read half written by another check.
    HANDLE file = CreateFileA(path.c_str(), access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}
} // namespace

bool Win32PageFiles::ReadWhole(const std::string& path, std::string& bytes)
{
    bytes.clear();
    UniqueHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
    if (!file)
        return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || static_cast<ULONGLONG>(size.QuadPart) > kLargestCopy)
        return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD ask = static_cast<DWORD>(bytes.size() - done > 1u << 20 ? 1u << 20 : bytes.size() - done);
        if (!ReadFile(file.Get(), &bytes[done], ask, &read, nullptr) || read == 0)
            break;
        done += read;
    }
    if (done != bytes.size()) {
        bytes.clear();
        return false;
    }
    return true;
}

bool Win32PageFiles::WriteWhole(const std::string& path, std::string_view bytes)
{
    UniqueHandle file = Open(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD ask = static_cast<DWORD>(bytes.size() - done > 1u << 20 ? 1u << 20 : bytes.size() - done);
        if (!WriteFile(file.Get(), bytes.data() + done, ask, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

bool Win32PageFiles::Exists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32PageFiles::CopyOver(const std::string& from, const std::string& to)
{
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool Win32PageFiles::Delete(const std::string& path)
{
    return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32PageFiles::CreateFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32PageFiles::RemoveFolder(const std::string& path)
{
    return RemoveDirectoryA(path.c_str()) != FALSE;
}
