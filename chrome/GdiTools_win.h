#pragma once
// GDI helpers of the chrome's painters: owned pens and memory device contexts, and a
// back buffer that paints a whole area at once without flicker.
#include <windows.h>

#include "app/WinHandles_win.h"

using UniquePen = UniqueWin<HPEN, DeleteObjectFn>;

struct DeleteDcFn { void operator()(HDC dc) const { DeleteDC(dc); } };
using UniqueMemoryDc = UniqueWin<HDC, DeleteDcFn>;

inline COLORREF ToColorRef(unsigned long colour) { return static_cast<COLORREF>(colour); }

// Draws into a bitmap of the size of area, then copies it to target on Flush (or when it
// goes). Falls back to drawing straight into target when no bitmap can be made.
class BackBuffer {
public:
    BackBuffer(HDC target, const RECT& area)
        : target_(target), area_(area), memory_(CreateCompatibleDC(target))
    {
        if (memory_)
            bitmap_.Reset(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top));
        if (bitmap_) {
            old_ = SelectObject(memory_.Get(), bitmap_.Get());
            SetViewportOrgEx(memory_.Get(), -area.left, -area.top, nullptr);
        }
    }
    ~BackBuffer() { Flush(); }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    HDC Dc() const { return bitmap_ ? memory_.Get() : target_; }

    void Flush()
    {
        if (!bitmap_ || flushed_)
            return;
        flushed_ = true;
        BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.Get(),
               area_.left, area_.top, SRCCOPY);
        SelectObject(memory_.Get(), old_);
    }

private:
    HDC target_;
    RECT area_;
    UniqueMemoryDc memory_;
    UniqueBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
    bool flushed_ = false;
};
