#include "update/UpdateExpand_win.h"

#include <windows.h>
#include <lzexpand.h>

#include "app/WinHandles_win.h"
#include "update/Szdd.h"

namespace {

SzddHeader ReadHeader(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return SzddHeader();
    UniqueHandle owner(file);
    LARGE_INTEGER size = {};
    unsigned char header[kSzddHeaderBytes] = {};
    DWORD read = 0;
    if (!GetFileSizeEx(file, &size) || !ReadFile(file, header, sizeof header, &read, nullptr))
        return SzddHeader();
    return ParseSzddHeader(header, read, static_cast<std::uint64_t>(size.QuadPart));
}

class LzFile {
public:
    explicit LzFile(INT handle) : handle_(handle) {}
    ~LzFile()
    {
        if (handle_ >= 0)
            LZClose(handle_);
    }
    LzFile(const LzFile&) = delete;
    LzFile& operator=(const LzFile&) = delete;
    INT Get() const { return handle_; }
    bool Ok() const { return handle_ >= 0; }

private:
    INT handle_;
};

} // namespace

std::int64_t FileSizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return static_cast<std::int64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

bool ExpandInstaller(const std::string& compressed, const std::string& target, std::int64_t& expandedSize)
{
    expandedSize = 0;
    SzddHeader header = ReadHeader(compressed);
    if (!header.valid)
        return false;
    bool copied = false;
    {
        // Both names are full paths of the program's folder: the LZ functions' search of other
        // folders and their guessing of expanded names never come into play.
        OFSTRUCT source = {};
        OFSTRUCT destination = {};
        LzFile in(LZOpenFileA(const_cast<LPSTR>(compressed.c_str()), &source, OF_READ | OF_SHARE_DENY_WRITE));
        LzFile out(LZOpenFileA(const_cast<LPSTR>(target.c_str()), &destination, OF_CREATE | OF_WRITE));
        if (in.Ok() && out.Ok())
            copied = LZCopy(in.Get(), out.Get()) >= 0;
    }
    expandedSize = FileSizeOf(target);
    if (!copied || expandedSize != static_cast<std::int64_t>(header.expandedSize)) {
        DeleteFileA(target.c_str());
        return false;
    }
    return true;
}
