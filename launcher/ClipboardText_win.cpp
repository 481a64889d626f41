#include "launcher/ClipboardText_win.h"

#include <windows.h>

#include <cstring>

namespace {
class OpenedClipboard {
public:
    OpenedClipboard()
    {
        // Another program may hold the clipboard for a moment while it writes to it.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != FALSE;
            if (!open_)
                Sleep(10);
        }
    }
    ~OpenedClipboard()
    {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~LockedGlobal()
    {
        if (data_)
            GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    const char* Text() const { return static_cast<const char*>(data_); }
    std::size_t Size() const { return data_ ? GlobalSize(memory_) : 0; }

private:
    HGLOBAL memory_;
    void* data_;
};
} // namespace

bool ReadClipboardText(std::string& text, std::size_t maxChars)
{
    text.clear();
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(CF_TEXT))
        return false;
    LockedGlobal data(GetClipboardData(CF_TEXT));
    if (!data.Text())
        return false;
    // A text another program put there without its terminator ends with its memory block.
    std::size_t limit = data.Size() < maxChars ? data.Size() : maxChars;
    text.assign(data.Text(), strnlen(data.Text(), limit));
    return !text.empty();
}
