#pragma once
// Small owning wrappers for Win32 handles: move-only, released exactly once.
#include <windows.h>

#include <utility>

template <typename H, typename Close, H Null = H()>
class UniqueWin {
public:
    UniqueWin() = default;
    explicit UniqueWin(H h) : h_(h) {}
    ~UniqueWin() { Reset(); }
    UniqueWin(const UniqueWin&) = delete;
    UniqueWin& operator=(const UniqueWin&) = delete;
    UniqueWin(UniqueWin&& other) noexcept : h_(other.Release()) {}
    UniqueWin& operator=(UniqueWin&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != Null; }
    H Release() { return std::exchange(h_, Null); }
    void Reset(H h = Null)
    {
        if (h_ != Null)
            Close()(h_);
        h_ = h;
    }
    // For out-parameters of the API: releases what was held first.
    H* Put()
    {
        Reset();
        return &h_;
    }

private:
    H h_ = Null;
};

struct CloseHandleFn { void operator()(HANDLE h) const { CloseHandle(h); } };
struct CloseKeyFn { void operator()(HKEY h) const { RegCloseKey(h); } };
struct DestroyIconFn { void operator()(HICON h) const { DestroyIcon(h); } };
struct DestroyMenuFn { void operator()(HMENU h) const { DestroyMenu(h); } };
struct FreeLibraryFn { void operator()(HMODULE h) const { FreeLibrary(h); } };
struct DeleteObjectFn { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct FindCloseFn { void operator()(HANDLE h) const { FindClose(h); } };

using UniqueHandle = UniqueWin<HANDLE, CloseHandleFn>;
using UniqueKey = UniqueWin<HKEY, CloseKeyFn>;
using UniqueIcon = UniqueWin<HICON, DestroyIconFn>;
using UniqueMenu = UniqueWin<HMENU, DestroyMenuFn>;
using UniqueLibrary = UniqueWin<HMODULE, FreeLibraryFn>;
using UniqueBrush = UniqueWin<HBRUSH, DeleteObjectFn>;
using UniqueBitmap = UniqueWin<HBITMAP, DeleteObjectFn>;
using UniqueFont = UniqueWin<HFONT, DeleteObjectFn>;

// FindFirstFile reports failure with INVALID_HANDLE_VALUE, not null.
class UniqueFind {
public:
    explicit UniqueFind(HANDLE h) : h_(h) {}
    ~UniqueFind() { if (h_ != INVALID_HANDLE_VALUE) FindClose(h_); }
    UniqueFind(const UniqueFind&) = delete;
    UniqueFind& operator=(const UniqueFind&) = delete;
    HANDLE Get() const { return h_; }
    explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

// Selects a GDI object into a device context for one scope.
class SelectInScope {
public:
    SelectInScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectInScope() { SelectObject(dc_, old_); }
    SelectInScope(const SelectInScope&) = delete;
    SelectInScope& operator=(const SelectInScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};
