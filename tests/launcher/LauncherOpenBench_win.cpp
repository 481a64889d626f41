// Benchmark, not a test: the time from the tray's double click to the launcher being shown
// and painted, for a first opening (the dialog is made) and for a re-opening of the hidden
// launcher, beside making and showing a plain dialog of the same size in the same run.
// The goal: a re-opening within one display frame (16 ms).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/MainWindow_win.h"
#include "app/Messages.h"
#include "app/Startup_win.h"

namespace {

// Under Wine without a window manager every hiding waits for the X server (about a second), so
// the rounds are few.
constexpr int kRounds = 8;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Shown and painted: every paint the window and its controls wait for has been done.
void PaintNow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

struct Figures {
    std::vector<double> ms;
    double Median()
    {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
    double Min() { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
};

void WriteSettings(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    // Hidden to the tray between openings; no zoom animation skews the figures.
    const char text[] = "[Options]\r\nWelCome=1\r\nOnTop=1\r\nCloseAfter=1\r\nPreventClose=0\r\n";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
}

std::string SettingsPath()
{
    char appData[MAX_PATH] = {};
    DWORD size = sizeof appData - 1;
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                  KEY_READ, &key);
    RegQueryValueExA(key, "AppData", nullptr, nullptr, reinterpret_cast<BYTE*>(appData), &size);
    RegCloseKey(key);
    std::string folder = std::string(appData) + "\\Quorvane";
    CreateDirectoryA(folder.c_str(), nullptr);
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string name(program);
    name = name.substr(name.find_last_of('\\') + 1);
    return folder + "\\" + name.substr(0, name.rfind('.') + 1) + "INI";
}

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) noexcept
{
    return message == WM_INITDIALOG;
}

// A dialog template without controls, of the given size in dialog units.
std::vector<WORD> PlainTemplate(short cx, short cy)
{
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / 2 + 3, 0);
    auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = WS_POPUP | WS_THICKFRAME;
    d->cx = cx;
    d->cy = cy;
    return t;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ANIMATIONINFO animation = {sizeof animation, 0};
    SystemParametersInfoA(SPI_SETANIMATION, sizeof animation, &animation, 0);
    WriteSettings(SettingsPath());
    if (!ProgramStart(GetModuleHandleA(nullptr), "")) {
        std::printf("the program did not start\n");
        return 1;
    }
    HWND main = Windows().main;

    Figures first, again, plain;
    RECT size = {};
    for (int round = 0; round < kRounds; ++round) {
        double start = Now();
        SendMessageA(main, UM_TRAYICON, kTrayIconId, kTrayLeftDouble);
        HWND launcher = App().launcherWindow;
        PaintNow(launcher);
        first.ms.push_back(Now() - start);
        GetWindowRect(launcher, &size);
        Pump();

        for (int i = 0; i < 3; ++i) {
            SendMessageA(launcher, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0);
            Pump();
            start = Now();
            SendMessageA(main, UM_TRAYICON, kTrayIconId, kTrayLeftDouble);
            PaintNow(launcher);
            again.ms.push_back(Now() - start);
            Pump();
        }
        SendMessageA(launcher, UM_CLOSELAUNCHER, 0, 1);
        Pump();
    }

    // The same size in dialog units of the default dialog font.
    LONG units = GetDialogBaseUnits();
    short cx = static_cast<short>((size.right - size.left) * 4 / LOWORD(units));
    short cy = static_cast<short>((size.bottom - size.top) * 8 / HIWORD(units));
    std::vector<WORD> t = PlainTemplate(cx, cy);
    for (int round = 0; round < kRounds; ++round) {
        double start = Now();
        HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                                 main, PlainProc, 0);
        ShowWindow(dialog, SW_SHOW);
        PaintNow(dialog);
        plain.ms.push_back(Now() - start);
        DestroyWindow(dialog);
        Pump();
    }

    std::printf("%-44s %10s %10s\n", "tray double click to launcher painted", "median ms", "best ms");
    std::printf("%-44s %10.2f %10.2f\n", "first opening (dialog made)", first.Median(), first.Min());
    std::printf("%-44s %10.2f %10.2f\n", "re-opening of the hidden launcher", again.Median(), again.Min());
    std::printf("%-44s %10.2f %10.2f\n", "plain dialog of the same size, made", plain.Median(), plain.Min());
    std::printf("re-opening within one display frame (16 ms): %s\n", again.Median() <= 16.0 ? "yes" : "no");

    DestroyWindow(main);
    Pump();
    DeleteFileA(SettingsPath().c_str());
    return 0;
}
