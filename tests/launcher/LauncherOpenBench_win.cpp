// Benchmark, not a test: the time from the tray's double click to the launcher being shown
// and painted, for a first opening (the dialog is made) and for a re-opening of the hidden
// launcher, beside making and showing a plain dialog of the same size in the same run.
// The goal: a re-opening within one display frame (16 ms).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/MainWindow_win.h"
#include "app/Messages.h"
#include "app/Startup_win.h"
#include "tests/support/BenchFigures_win.h"
#include "tests/support/WineTestUtil.h"

namespace {

// Under Wine without a window manager every hiding waits for the X server (about a second), so
// the rounds are few.
constexpr int kRounds = 8;

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
    // Hidden to the tray between openings; no zoom animation skews the figures.
    wt::WriteProgramSettings("[Options]\r\nWelCome=1\r\nOnTop=1\r\nCloseAfter=1\r\nPreventClose=0\r\n");
    if (!ProgramStart(GetModuleHandleA(nullptr), "")) {
        std::printf("the program did not start\n");
        return 1;
    }
    HWND main = Windows().main;

    wt::Figures first, again, plain;
    RECT size = {};
    for (int round = 0; round < kRounds; ++round) {
        double start = wt::NowMs();
        SendMessageA(main, UM_TRAYICON, kTrayIconId, kTrayLeftDouble);
        HWND launcher = App().launcherWindow;
        wt::PaintNow(launcher);
        first.ms.push_back(wt::NowMs() - start);
        GetWindowRect(launcher, &size);
        wt::PumpMessages(0);

        for (int i = 0; i < 3; ++i) {
            SendMessageA(launcher, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0);
            wt::PumpMessages(0);
            start = wt::NowMs();
            SendMessageA(main, UM_TRAYICON, kTrayIconId, kTrayLeftDouble);
            wt::PaintNow(launcher);
            again.ms.push_back(wt::NowMs() - start);
            wt::PumpMessages(0);
        }
        SendMessageA(launcher, UM_CLOSELAUNCHER, 0, 1);
        wt::PumpMessages(0);
    }

    // The same size in dialog units of the default dialog font.
    LONG units = GetDialogBaseUnits();
    short cx = static_cast<short>((size.right - size.left) * 4 / LOWORD(units));
    short cy = static_cast<short>((size.bottom - size.top) * 8 / HIWORD(units));
    std::vector<WORD> t = PlainTemplate(cx, cy);
    for (int round = 0; round < kRounds; ++round) {
        double start = wt::NowMs();
        HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                                 main, PlainProc, 0);
        ShowWindow(dialog, SW_SHOW);
        wt::PaintNow(dialog);
        plain.ms.push_back(wt::NowMs() - start);
        DestroyWindow(dialog);
        wt::PumpMessages(0);
    }

    std::printf("%-44s %10s %10s\n", "tray double click to launcher painted", "median ms", "best ms");
    std::printf("%-44s %10.2f %10.2f\n", "first opening (dialog made)", first.Median(), first.Min());
    std::printf("%-44s %10.2f %10.2f\n", "re-opening of the hidden launcher", again.Median(), again.Min());
    std::printf("%-44s %10.2f %10.2f\n", "plain dialog of the same size, made", plain.Median(), plain.Min());
    std::printf("re-opening within one display frame (16 ms): %s\n", again.Median() <= 16.0 ? "yes" : "no");

    DestroyWindow(main);
    wt::PumpMessages(0);
    DeleteFileA(wt::ProgramSettingsFile().c_str());
    return 0;
}
