// Shows the skinned windows for a look at them (screenshots): a launcher-like dialog with a
// hovered and a focused button, a plain dialog with the dialog skin, and one docked at the
// top edge. Arguments: how long to stay (ms), then "fr" for French texts, "classic" to draw
// without the visual style, "about" for the program's about box instead.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cstdlib>
#include <cstring>

#include "TestDialog_win.h"
#include "app/AboutDialog_win.h"
#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "chrome/EdgeDock_win.h"
#include "chrome/LauncherChrome_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"

namespace {

void Pump(DWORD forMs)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < forMs) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

void CALLBACK EndAbout(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND about = FindWindowA("#32770", nullptr))
        PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
}

void Classic(HWND window)
{
    using SetThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    HMODULE theme = LoadLibraryA("uxtheme.dll");
    auto set = theme ? reinterpret_cast<SetThemeFn>(reinterpret_cast<void*>(GetProcAddress(theme, "SetWindowTheme"))) : nullptr;
    if (set)
        set(window, L"", L"");
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    DWORD stay = __argc > 1 ? static_cast<DWORD>(std::atoi(__argv[1])) : 5000;
    bool classic = false;
    bool about = false;
    for (int i = 2; i < __argc; ++i) {
        if (std::strcmp(__argv[i], "about") == 0)
            about = true;
        if (std::strcmp(__argv[i], "fr") == 0)
            SetUiLanguage(MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
        if (std::strcmp(__argv[i], "classic") == 0)
            classic = true;
    }
    AppContext& app = App();
    app.instance = instance;
    app.smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON, 16, 16, 0));
    app.largeIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_LARGE), IMAGE_ICON, 32, 32, 0));
    app.backgroundBrush.Reset(CreateSolidBrush(RGB(220, 227, 245)));
    Options().OnTop = 1;
    if (about) {
        SetTimer(nullptr, 0, stay, EndAbout);
        ShowAboutDialog(nullptr);
        return 0;
    }

    chrome_test::TestDialog launcher(chrome_test::TestDialogOptions{true, 230, 96});
    chrome_test::TestDialog plain(chrome_test::TestDialogOptions{false, 200, 90});
    chrome_test::TestDialog docked(chrome_test::TestDialogOptions{true, 200, 90});
    for (HWND w : {launcher.Window(), plain.Window(), docked.Window()})
        if (classic)
            Classic(w);
    ApplyLauncherChrome(launcher.Window());
    ApplyDialogSkin(plain.Window());
    ApplyLauncherChrome(docked.Window());
    SetButtonBitmap(launcher.Item(chrome_test::kPicture), IDB_BUTTON_BROWSER);
    SetWindowPos(launcher.Window(), nullptr, 80, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(plain.Window(), nullptr, 620, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(docked.Window(), nullptr, 400, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Options().HideCorner = 2;
    SlideAway(docked.Window(), true);
    Pump(400);
    SetForegroundWindow(launcher.Window());
    SetFocus(launcher.Item(chrome_test::kGoWith));
    SendMessageA(launcher.Item(chrome_test::kGo), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    Pump(stay);
    return 0;
}
