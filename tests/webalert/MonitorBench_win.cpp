// Benchmark, not a test: opening the monitor window over 499 and over 10 watched pages, beside
// a plain dialog of the same size made in the same run, and the re-sort of 499 rows by each
// column. Goals: the window within 2x of the plain dialog; a re-sort within one display frame
// (16 ms).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/Messages.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "app/Win32Profile_win.h"
#include "resources/ResourceIds.h"
#include "webalert/WebAlert_win.h"

namespace {

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
    double Max() { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

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

void WritePages(int count)
{
    Win32Profile settings(SettingsPath());
    settings.DeleteSection("WebAlertUrl");
    for (int i = 0; i < count; ++i) {
        char line[256];
        std::snprintf(line, sizeof line, "Page %03d|\"http://page%d.example/watched/%d.html\"||%d|%d|0|0|2026%02d%02d|%02d:%02d|%d",
                      (i * 7919) % 1000, i, i, i % 5 ? 1 : 0, i % 3 ? 0 : 64, i % 12 + 1, i % 28 + 1, i % 24, i % 60, i);
        settings.WriteString("WebAlertUrl", ("WebAlertUrl" + std::to_string(i + 1)).c_str(), line);
    }
    WebAlertPages().Load(settings);
}

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) noexcept
{
    return message == WM_INITDIALOG;
}

std::vector<WORD> PlainTemplate(short cx, short cy)
{
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / 2 + 3, 0);
    auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = WS_POPUP | WS_THICKFRAME;
    d->cx = cx;
    d->cy = cy;
    return t;
}

Figures Openings(HWND main, RECT& size)
{
    Figures figures;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Now();
        OpenMonitorWindow(main, 1);
        HWND monitor = Windows().webAlert;
        PaintNow(monitor);
        figures.ms.push_back(Now() - start);
        GetWindowRect(monitor, &size);
        SendMessageA(monitor, UM_CLOSELAUNCHER, 0, 1);
        Pump();
    }
    return figures;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ANIMATIONINFO animation = {sizeof animation, 0};
    SystemParametersInfoA(SPI_SETANIMATION, sizeof animation, &animation, 0);
    {
        Win32Profile settings(SettingsPath());
        settings.WriteString("Options", "WelCome", "1");
        settings.WriteString("Options", "WebAlertFreq", "0");
        settings.WriteString("Options", "WebAlertShowDisable", "1");
    }
    if (!ProgramStart(GetModuleHandleA(nullptr), "")) {
        std::printf("the program did not start\n");
        return 1;
    }
    HWND main = Windows().main;
    RECT size = {};
    WritePages(499);
    Figures many = Openings(main, size);
    WritePages(10);
    Figures few = Openings(main, size);

    const LONG units = GetDialogBaseUnits();
    const short cx = static_cast<short>((size.right - size.left) * 4 / LOWORD(units));
    const short cy = static_cast<short>((size.bottom - size.top) * 8 / HIWORD(units));
    std::vector<WORD> t = PlainTemplate(cx, cy);
    Figures plain;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Now();
        HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                                 main, PlainProc, 0);
        ShowWindow(dialog, SW_SHOW);
        PaintNow(dialog);
        plain.ms.push_back(Now() - start);
        DestroyWindow(dialog);
        Pump();
    }

    // Re-sorting 499 rows by each column in turn, painted.
    WritePages(499);
    OpenMonitorWindow(main, 1);
    HWND monitor = Windows().webAlert;
    HWND list = GetDlgItem(monitor, IDC_MONITOR_LIST);
    PaintNow(monitor);
    Figures sorts, sortsOnly;
    for (int round = 0; round < kRounds; ++round) {
        for (int column = 0; column < 6; ++column) {
            NMLISTVIEW click = {};
            click.hdr.hwndFrom = list;
            click.hdr.idFrom = IDC_MONITOR_LIST;
            click.hdr.code = LVN_COLUMNCLICK;
            click.iItem = -1;
            click.iSubItem = column;
            const double start = Now();
            SendMessageA(monitor, WM_NOTIFY, IDC_MONITOR_LIST, reinterpret_cast<LPARAM>(&click));
            sortsOnly.ms.push_back(Now() - start);
            PaintNow(list);
        }
        for (int column = 0; column < 6; ++column) {
            NMLISTVIEW click = {};
            click.hdr.hwndFrom = list;
            click.hdr.idFrom = IDC_MONITOR_LIST;
            click.hdr.code = LVN_COLUMNCLICK;
            click.iItem = -1;
            click.iSubItem = column;
            const double start = Now();
            SendMessageA(monitor, WM_NOTIFY, IDC_MONITOR_LIST, reinterpret_cast<LPARAM>(&click));
            PaintNow(list);
            sorts.ms.push_back(Now() - start);
        }
    }
    const int rows = ListView_GetItemCount(list);
    SendMessageA(monitor, UM_CLOSELAUNCHER, 0, 1);
    Pump();

    std::printf("%-48s %10s %10s\n", "monitor window, opened and painted", "median ms", "worst ms");
    std::printf("%-48s %10.2f %10.2f\n", "over 499 pages", many.Median(), many.Max());
    std::printf("%-48s %10.2f %10.2f\n", "over 10 pages", few.Median(), few.Max());
    std::printf("%-48s %10.2f %10.2f\n", "plain dialog of the same size", plain.Median(), plain.Max());
    std::printf("%-48s %10.2f %10.2f\n", ("re-sort of " + std::to_string(rows) + " rows, painted").c_str(),
                sorts.Median(), sorts.Max());
    std::printf("%-48s %10.2f %10.2f\n", "re-sort alone, before painting", sortsOnly.Median(), sortsOnly.Max());
    std::printf("499 pages within 2x of the plain dialog: %s\n", many.Median() <= 2 * plain.Median() ? "yes" : "no");
    std::printf("re-sort within one display frame (16 ms): %s\n", sorts.Median() <= 16.0 ? "yes" : "no");

    DestroyWindow(main);
    Pump();
    DeleteFileA(SettingsPath().c_str());
    return 0;
}
