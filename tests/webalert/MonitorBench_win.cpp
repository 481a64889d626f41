// Benchmark, not a test: opening the monitor window over 499 and over 10 watched pages, beside
// a plain dialog of the same size made in the same run, and the re-sort of 499 rows by each
// column. Goals: the window within 2x of the plain dialog; a re-sort within one display frame
// (16 ms).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/Messages.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "app/Win32Profile_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/BenchFigures_win.h"
#include "tests/support/WineTestUtil.h"
#include "webalert/WebAlert_win.h"

namespace {

constexpr int kRounds = 8;

void WritePages(int count)
{
    Win32Profile settings(wt::ProgramSettingsFile());
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

wt::Figures Openings(HWND main, RECT& size)
{
    wt::Figures figures;
    for (int round = 0; round < kRounds; ++round) {
        const double start = wt::NowMs();
        OpenMonitorWindow(main, 1);
        HWND monitor = Windows().webAlert;
        wt::PaintNow(monitor);
        figures.ms.push_back(wt::NowMs() - start);
        GetWindowRect(monitor, &size);
        SendMessageA(monitor, UM_CLOSELAUNCHER, 0, 1);
        wt::PumpMessages(0);
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
    wt::WriteProgramSettings("[Options]\r\nWelCome=1\r\nWebAlertFreq=0\r\nWebAlertShowDisable=1\r\n");
    if (!ProgramStart(GetModuleHandleA(nullptr), "")) {
        std::printf("the program did not start\n");
        return 1;
    }
    HWND main = Windows().main;
    RECT size = {};
    WritePages(499);
    wt::Figures many = Openings(main, size);
    WritePages(10);
    wt::Figures few = Openings(main, size);

    const LONG units = GetDialogBaseUnits();
    const short cx = static_cast<short>((size.right - size.left) * 4 / LOWORD(units));
    const short cy = static_cast<short>((size.bottom - size.top) * 8 / HIWORD(units));
    std::vector<WORD> t = PlainTemplate(cx, cy);
    wt::Figures plain;
    for (int round = 0; round < kRounds; ++round) {
        const double start = wt::NowMs();
        HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                                 main, PlainProc, 0);
        ShowWindow(dialog, SW_SHOW);
        wt::PaintNow(dialog);
        plain.ms.push_back(wt::NowMs() - start);
        DestroyWindow(dialog);
        wt::PumpMessages(0);
    }

    // Re-sorting 499 rows by each column in turn, painted.
    WritePages(499);
    OpenMonitorWindow(main, 1);
    HWND monitor = Windows().webAlert;
    HWND list = GetDlgItem(monitor, IDC_MONITOR_LIST);
    wt::PaintNow(monitor);
    wt::Figures sorts, sortsOnly;
    // Each column clicked twice per round: timed once before the paint, once with it.
    for (int click = 0; click < kRounds * 12; ++click) {
        NMLISTVIEW notify = {};
        notify.hdr.hwndFrom = list;
        notify.hdr.idFrom = IDC_MONITOR_LIST;
        notify.hdr.code = LVN_COLUMNCLICK;
        notify.iItem = -1;
        notify.iSubItem = click % 6;
        const bool painted = click % 12 >= 6;
        const double start = wt::NowMs();
        SendMessageA(monitor, WM_NOTIFY, IDC_MONITOR_LIST, reinterpret_cast<LPARAM>(&notify));
        if (!painted)
            sortsOnly.ms.push_back(wt::NowMs() - start);
        wt::PaintNow(list);
        if (painted)
            sorts.ms.push_back(wt::NowMs() - start);
    }
    const int rows = ListView_GetItemCount(list);
    SendMessageA(monitor, UM_CLOSELAUNCHER, 0, 1);
    wt::PumpMessages(0);

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
    wt::PumpMessages(0);
    DeleteFileA(wt::ProgramSettingsFile().c_str());
    return 0;
}
