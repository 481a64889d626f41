#include "app/Visuals_win.h"

#include <string>

#include "app/PlatformRules.h"
#include "app/WinHandles_win.h"

namespace {

using HTHEME_ = HANDLE;
using OpenThemeDataFn = HTHEME_(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME_);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME_, HDC, int, int, const RECT*, const RECT*);
using IsThemeActiveFn = BOOL(WINAPI*)();

struct ThemeApi {
    UniqueLibrary library;
    OpenThemeDataFn open = nullptr;
    CloseThemeDataFn close = nullptr;
    DrawThemeBackgroundFn draw = nullptr;
    IsThemeActiveFn active = nullptr;
};

template <typename Fn>
Fn Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

ThemeApi LoadTheme()
{
    ThemeApi api;
    api.library.Reset(LoadLibraryA("uxtheme.dll"));
    if (api.library) {
        api.draw = Entry<DrawThemeBackgroundFn>(api.library.Get(), "DrawThemeBackground");
        api.open = Entry<OpenThemeDataFn>(api.library.Get(), "OpenThemeData");
        api.close = Entry<CloseThemeDataFn>(api.library.Get(), "CloseThemeData");
        api.active = Entry<IsThemeActiveFn>(api.library.Get(), "IsThemeActive");
    }
    return api;
}

std::wstring Widen(const char* text)
{
    std::wstring out;
    for (const char* p = text; *p; ++p)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return out;
}

} // namespace

bool ThemeAvailable()
{
    return LoadTheme().close != nullptr;
}

bool ThemeActive()
{
    ThemeApi api = LoadTheme();
    return api.close && api.active && api.active();
}

bool DrawThemedPart(HWND window, HDC dc, const char* themeClass, int part, int state, const RECT& rect)
{
    ThemeApi api = LoadTheme();
    if (!api.close || !api.open || !api.draw)
        return false;
    HTHEME_ theme = api.open(window, Widen(themeClass).c_str());
    if (!theme)
        return false;
    if (lstrcmpiA(themeClass, "TASKBAND") == 0)
        state = 5;
    HRESULT hr = api.draw(theme, dc, part, state, &rect, nullptr);
    api.close(theme);
    return SUCCEEDED(hr);
}

bool MakeTransparent(HWND window, int level)
{
    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user = GetModuleHandleA("USER32.DLL");
    SetLayeredFn setLayered = user ? Entry<SetLayeredFn>(user, "SetLayeredWindowAttributes") : nullptr;
    if (!setLayered)
        return false;
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    return setLayered(window, 0, AlphaForLevel(level), LWA_ALPHA) != FALSE;
}

void MakeOpaque(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED))
        return;
    SetWindowLongA(window, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

BOOL GradientFillOptional(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode)
{
    using GradientFillFn = BOOL(WINAPI*)(HDC, TRIVERTEX*, ULONG, void*, ULONG, ULONG);
    UniqueLibrary library(LoadLibraryA("Msimg32.dll"));
    if (!library)
        return FALSE;
    auto fill = Entry<GradientFillFn>(library.Get(), "GradientFill");
    return fill ? fill(dc, vertices, vertexCount, mesh, meshCount, mode) : FALSE;
}

void DrawBitmapAt(HDC dc, int x, int y, HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return;
    HDC memory = CreateCompatibleDC(dc);
    {
        SelectInScope select(memory, bitmap);
        BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    }
    DeleteDC(memory);
}

void DrawBitmapCentred(HDC dc, HBITMAP bitmap, const RECT& rect)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return;
    int x = rect.left + (rect.right - rect.left - info.bmWidth) / 2;
    int y = rect.top + (rect.bottom - rect.top - info.bmHeight) / 2;
    DrawBitmapAt(dc, x, y, bitmap);
}

bool SetDefaultMenuItem(HMENU menu, UINT item, bool byPosition)
{
    if (item == 0)
        return true;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(menu, item, byPosition, &info))
        return false;
    info.fState |= MFS_DEFAULT;
    return SetMenuItemInfoA(menu, item, byPosition, &info) != FALSE;
}
