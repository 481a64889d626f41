// Not a test: how long the options sheet takes to open (first page shown, painted and the
// thread idle), beside a plain dialog of the same size in the same run. scripts/bench.sh runs it.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "tests/support/BenchFigures_win.h"
#include "tests/support/WineTestUtil.h"

namespace {

double g_shownAt = 0;

// Closes whatever dialog the thread shows once its first messages, paint included, are done:
// a timer message comes only when nothing else waits.
void CALLBACK CloseWhenIdle(HWND, UINT, UINT_PTR timer, DWORD) noexcept
{
    HWND dialog = wt::FindThreadDialog(GetCurrentThreadId());
    if (!dialog)
        return;
    g_shownAt = wt::NowMs();
    KillTimer(nullptr, timer);
    if (FindWindowExA(dialog, nullptr, "SysTabControl32", nullptr))
        PostMessageA(dialog, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

INT_PTR CALLBACK PlainProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) noexcept
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

// A dialog of the sheet's outer size (its pages are 330 x 250 units) with its three buttons.
std::vector<WORD> PlainTemplate()
{
    std::vector<WORD> t;
    auto add = [&t](std::initializer_list<WORD> words) { t.insert(t.end(), words); };
    auto text = [&t](const char* s) {
        while (*s)
            t.push_back(static_cast<WORD>(*s++));
        t.push_back(0);
    };
    auto align = [&t] {
        if (t.size() % 2)
            t.push_back(0);
    };
    DWORD style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    add({LOWORD(style), HIWORD(style), 0, 0, 3, 0, 0, 344, 290, 0, 0});
    text("Setup");
    add({8});
    text("MS Shell Dlg");
    const WORD buttons[3][2] = {{IDOK, 174}, {IDCANCEL, 228}, {9, 282}};
    for (const auto& b : buttons) {
        align();
        DWORD child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        add({LOWORD(child), HIWORD(child), 0, 0, b[1], 270, 50, 14, b[0], 0xFFFF, 0x0080});
        text("Button");
        add({0});
    }
    return t;
}

// Page "Main"'s own template as a plain modal dialog: the same controls without the sheet.
std::vector<char> PageAsDialog(UINT id)
{
    HRSRC found = FindResourceExA(ResourceModule(), MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(id), UiLanguage());
    if (!found)
        return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(ResourceModule(), found)));
    std::vector<char> copy(data, data + SizeofResource(ResourceModule(), found));
    // DLGTEMPLATEEX: version, signature, help id, extended style, then the style.
    DWORD style = DS_MODALFRAME | DS_CENTER | DS_SHELLFONT | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    std::memcpy(copy.data() + 12, &style, sizeof style);
    return copy;
}

template <typename Open>
wt::Figures Time(int runs, Open open)
{
    wt::Figures figures;
    for (int i = 0; i < runs; ++i) {
        SetTimer(nullptr, 0, 0, CloseWhenIdle);
        const double start = wt::NowMs();
        open();
        figures.ms.push_back(g_shownAt - start);
    }
    return figures;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!ProgramStart(GetModuleHandleA(nullptr), ""))
        return 1;
    HWND main = Windows().main;
    std::vector<WORD> plain = PlainTemplate();
    const int runs = 20;
    // One opening of each first, so that neither pays for first loads.
    Time(1, [&] { OpenOptionsSheet(main, 0); });
    Time(1, [&] { DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(plain.data()), main, PlainProc, 0); });
    wt::Figures sheet = Time(runs, [&] { OpenOptionsSheet(main, 0); });
    wt::Figures engines = Time(runs, [&] { OpenOptionsSheet(main, 1); });
    std::vector<char> mainPage = PageAsDialog(136);
    wt::Figures pageDialog = Time(runs, [&] {
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(mainPage.data()), main, PlainProc, 0);
    });
    wt::Figures mini = Time(runs, [&] { OpenOptionsSheet(main, 2); });
    wt::Figures dialog = Time(runs, [&] {
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(plain.data()), main, PlainProc, 0);
    });
    std::printf("opened, first page painted and idle, median of %d (ms):\n", runs);
    std::printf("  plain dialog of the same size   %7.2f\n", dialog.Median());
    std::printf("  page Main's controls as a plain dialog %.2f\n", pageDialog.Median());
    std::printf("  options sheet on page Main      %7.2f  (%.2fx)\n", sheet.Median(), sheet.Median() / dialog.Median());
    std::printf("  options sheet on page Engines   %7.2f  (%.2fx)\n", engines.Median(), engines.Median() / dialog.Median());
    std::printf("  options sheet on page MiniBrowser %5.2f  (%.2fx)\n", mini.Median(), mini.Median() / dialog.Median());
    DestroyWindow(main);
    return 0;
}
