#include "app/AppContext_win.h"

#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/TextUtil.h"
#include "app/Win32Profile_win.h"
#include "resources/ResourceIds.h"

AppContext::~AppContext()
{
    if (largeIcon)
        DestroyIcon(largeIcon);
    if (smallIcon)
        DestroyIcon(smallIcon);
    for (HBITMAP& bitmap : bitmapCache)
        if (bitmap)
            DeleteObject(bitmap);
    // The launched processes keep running: only their records go.
}

// Constructed on first use and destroyed after WinMain returns, in reverse order.
AppContext& App()
{
    static AppContext context;
    return context;
}

OptionRecord& Options()
{
    static OptionRecord options;
    return options;
}

Win32Profile& Settings()
{
    static Win32Profile profile("");
    if (profile.Path() != App().settingsPath)
        profile.SetPath(App().settingsPath);
    return profile;
}

AppWindows& Windows()
{
    static AppWindows windows;
    return windows;
}

void SetButtonBitmap(HWND button, UINT_PTR bitmapOrHandle)
{
    static const UINT kCached[5] = {IDB_BUTTON_BROWSER, IDB_BUTTON_CLOSE_OWN, IDB_BUTTON_CLOSE_ALL,
                                    IDB_BUTTON_191, IDB_BUTTON_192};
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(bitmapOrHandle);
    for (int i = 0; i < 5; ++i) {
        if (bitmapOrHandle != kCached[i])
            continue;
        HBITMAP& cached = App().bitmapCache[i];
        if (!cached)
            cached = static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(kCached[i]),
                                                     IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        bitmap = cached;
        break;
    }
    SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void ReloadNames()
{
    AppContext& app = App();
    app.displayName = LoadText(IDS_DISPLAY_NAME, kClassNameChars);
    app.appTitle = Cut(LoadText(IDS_TITLE_PREFIX) + " " + LoadText(IDS_TAGLINE), kTitleChars);
    app.versionText = LoadText(IDS_VERSION, kVersionChars);
}
