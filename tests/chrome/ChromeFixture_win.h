#pragma once
// What every Wine test of the chrome needs: the application object's icons and brush, a
// stand-in main window, and pixels read back from memory and from the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include "TestDialog_win.h"
#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"

namespace chrome_test {

inline void PrepareApplication()
{
    AppContext& app = App();
    app.instance = GetModuleHandleA(nullptr);
    if (!app.smallIcon)
        app.smallIcon = static_cast<HICON>(LoadImageA(app.instance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON, 16, 16, 0));
    if (!app.largeIcon)
        app.largeIcon = static_cast<HICON>(LoadImageA(app.instance, MAKEINTRESOURCEA(IDI_LARGE), IMAGE_ICON, 32, 32, 0));
    if (!app.backgroundBrush)
        app.backgroundBrush.Reset(CreateSolidBrush(RGB(220, 227, 245)));
}

// A 32-bit top-down bitmap selected into a memory DC, read back pixel by pixel.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        Clear(RGB(1, 2, 3));
    }
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Clear(COLORREF colour)
    {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = {0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        DWORD p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

inline COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

// What the window shows at a client point, read from its own surface.
inline COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

inline std::string ColourText(COLORREF c)
{
    return "RGB(" + std::to_string(GetRValue(c)) + ", " + std::to_string(GetGValue(c)) + ", " +
           std::to_string(GetBValue(c)) + ")";
}

inline RECT WindowRectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

inline LPARAM ClientPoint(int x, int y) { return MAKELPARAM(x, y); }

inline POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

} // namespace chrome_test
