// Not a test: opens the launcher in both layouts and both languages, in view and docked at
// the top edge, and saves a picture of each (BMP) into the folder given as the argument.
// scripts/screenshots.sh launcher runs it under Wine and turns the pictures into the PNG
// files of docs/.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/LauncherHost_win.h"
#include "app/MainWindow_win.h"
#include "app/OptionRecord.h"
#include "app/Startup_win.h"
#include "chrome/EdgeDock_win.h"
#include "chrome/LauncherChrome_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/RegistryTypedAddressStore_win.h"
#include "tests/support/WineTestUtil.h"

namespace {

constexpr int kMargin = 14;
constexpr int kDockedStripHeight = 56;
constexpr int kAboveTaskbar = 48;
constexpr COLORREF kDesktop = RGB(58, 110, 165);

void Pump(DWORD forMs)
{
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            HWND dialog = Windows().pretranslate;
            if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < forMs);
}

void WriteTypedAddresses()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kOwnTypedUrlsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    const char* urls[] = {"http://www.example.com/", "http://news.example.org/today"};
    for (int i = 0; i < 2; ++i) {
        std::string name = "url" + std::to_string(i + 1);
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(urls[i]),
                       static_cast<DWORD>(std::strlen(urls[i]) + 1));
    }
    RegCloseKey(key);
}

LRESULT CALLBACK DesktopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT r = {};
        GetClientRect(window, &r);
        HBRUSH brush = CreateSolidBrush(kDesktop);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A plain desktop behind the launcher, so that the pictures show it as on a screen.
HWND MakeDesktop(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DesktopProc;
    wc.hInstance = instance;
    wc.lpszClassName = "QvScreenshotDesktop";
    RegisterClassA(&wc);
    // Over the work area only: the taskbar with the notification area stays in view.
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND desktop = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP, work.left,
                                   work.top, work.right - work.left, work.bottom - work.top, nullptr, nullptr,
                                   instance, nullptr);
    SetWindowPos(desktop, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return desktop;
}

struct Variant {
    const char* language;   // file name part
    int languageOption;     // 2 English, 1 French
    bool tree;
    bool docked;
};

void Shoot(HINSTANCE instance, const Variant& v, const std::string& outFolder)
{
    std::string ini = "[Options]\r\nWelCome=1\r\nOnTop=1\r\nHideCorner=2\r\nPreventClose=0\r\nFavorite=Google\r\n"
                      "TranslateURL=http://translate.example/\r\nTVExpandSearched=1\r\nTVExpandEngine=1\r\n"
                      "TVExpandTyped=1\r\nTVExpandTranslate=0\r\nTVExpandFavorite=0\r\n"
                      "PosCX=-999\r\nPosCY=-999\r\nPosTCX=-999\r\nPosTCY=-999\r\nTCX=-999\r\nTCY=-999\r\n";
    ini += "Language=" + std::to_string(v.languageOption) + "\r\nDialogMode=" + (v.tree ? "1" : "0") + "\r\n";
    ini += "[Searcher]\r\n"
           "Searcher1=Google|\"http://www.google.com/search?q=%s\"|http://www.google.com/|1\r\n"
           "Searcher2=AltaVista|\"http://www.altavista.com/web/results?q=%s\"|http://www.altavista.com/|1\r\n"
           "Searcher3=Yahoo!|\"http://search.yahoo.com/search?p=%s\"|http://www.yahoo.com/|1\r\n"
           "Searcher4=Wikipedia|\"http://en.wikipedia.org/wiki/%s\"|http://www.wikipedia.org/|0\r\n"
           "[SaveExpr]\r\nSearch1=weather paris\r\nSearch2=cheap flights to lisbon\r\nSearch3=c++ reference\r\n"
           "[SaveTrad]\r\nSearch1=good morning|bonjour|2|0\r\n";
    wt::WriteProgramSettings(ini);
    WriteTypedAddresses();

    if (!ProgramStart(instance, ""))
        return;
    LoadTypedAddresses();
    OpenLauncher();
    HWND launcher = App().launcherWindow;
    if (!launcher)
        return;
    // A search being typed: "wea" completed from the history.
    HWND box = GetDlgItem(launcher, 1000);
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    GetComboBoxInfo(box, &combo);
    for (char c : std::string("wea")) {
        SendMessageA(combo.hwndItem, WM_KEYDOWN, static_cast<WPARAM>(VkKeyScanA(c) & 0xFF), 1);
        SendMessageA(combo.hwndItem, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    // A little above the taskbar, so that the picture shows the notification area below it.
    RECT r = {};
    GetWindowRect(launcher, &r);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(launcher, nullptr, screenWidth - (r.right - r.left) - kMargin, screenHeight - (r.bottom - r.top) - kAboveTaskbar,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(600);
    GetWindowRect(launcher, &r);
    RECT area = {r.left - kMargin, r.top - kMargin, screenWidth, screenHeight};
    if (v.docked) {
        SlideLauncherAway(launcher, true);
        for (int i = 0; i < 200 && IsSliding(launcher); ++i)
            Pump(20);
        Pump(400);
        area = {r.left - kMargin, 0, r.right + kMargin, kDockedStripHeight};
    }
    if (area.right > GetSystemMetrics(SM_CXSCREEN))
        OffsetRect(&area, GetSystemMetrics(SM_CXSCREEN) - area.right, 0);
    if (area.bottom > GetSystemMetrics(SM_CYSCREEN))
        OffsetRect(&area, 0, GetSystemMetrics(SM_CYSCREEN) - area.bottom);
    std::string name = std::string("launcher-") + (v.tree ? "tree" : "small") + "-" + v.language +
                       (v.docked ? "-docked" : "") + ".bmp";
    wt::SaveScreenBmp(area, outFolder + "\\" + name);
    std::printf("%s\n", name.c_str());

    DestroyWindow(Windows().main);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    DeleteFileA(wt::ProgramSettingsFile().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kOwnTypedUrlsKey);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: launcher_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // The virtual desktop's taskbar takes its place first.
    Pump(1500);
    HWND desktop = MakeDesktop(instance);
    Pump(200);
    const Variant variants[] = {
        {"en", 2, false, false}, {"en", 2, false, true}, {"en", 2, true, false}, {"en", 2, true, true},
        {"fr", 1, false, false}, {"fr", 1, false, true}, {"fr", 1, true, false}, {"fr", 1, true, true},
    };
    for (const Variant& v : variants)
        Shoot(instance, v, argv[1]);
    DestroyWindow(desktop);
    return 0;
}
