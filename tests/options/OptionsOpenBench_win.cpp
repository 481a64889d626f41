// Not a test: how long the options sheet takes to open (first page shown, painted and the
// thread idle), beside a plain dialog of the same size in the same run. scripts/bench.sh runs it.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"

namespace {

LARGE_INTEGER g_shownAt;

// Closes whatever dialog the thread shows once its first messages, paint included, are done:
// a timer message comes only when nothing else waits.
void CALLBACK CloseWhenIdle(HWND, UINT, UINT_PTR timer, DWORD) noexcept
{
    HWND dialog = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            char cls[32] = {};
            GetClassNameA(w, cls, sizeof cls);
            if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(w))
                return TRUE;
            *reinterpret_cast<HWND*>(p) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    QueryPerformanceCounter(&g_shownAt);
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

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename Open>
std::vector<double> Time(int runs, Open open)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        SetTimer(nullptr, 0, 0, CloseWhenIdle);
        QueryPerformanceCounter(&start);
        open();
        QueryPerformanceCounter(&end);
        (void)end;
        ms.push_back(1000.0 * static_cast<double>(g_shownAt.QuadPart - start.QuadPart) /
                     static_cast<double>(frequency.QuadPart));
    }
    return ms;
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
    std::vector<double> sheet = Time(runs, [&] { OpenOptionsSheet(main, 0); });
    std::vector<double> engines = Time(runs, [&] { OpenOptionsSheet(main, 1); });
    std::vector<char> mainPage = PageAsDialog(136);
    std::vector<double> pageDialog = Time(runs, [&] {
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(mainPage.data()), main, PlainProc, 0);
    });
    std::vector<double> mini = Time(runs, [&] { OpenOptionsSheet(main, 2); });
    std::vector<double> dialog = Time(runs, [&] {
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(plain.data()), main, PlainProc, 0);
    });
    std::printf("opened, first page painted and idle, median of %d (ms):\n", runs);
    std::printf("  plain dialog of the same size   %7.2f\n", Median(dialog));
    std::printf("  page Main's controls as a plain dialog %.2f\n", Median(pageDialog));
    std::printf("  options sheet on page Main      %7.2f  (%.2fx)\n", Median(sheet), Median(sheet) / Median(dialog));
    std::printf("  options sheet on page Engines   %7.2f  (%.2fx)\n", Median(engines), Median(engines) / Median(dialog));
    std::printf("  options sheet on page MiniBrowser %5.2f  (%.2fx)\n", Median(mini), Median(mini) / Median(dialog));
    DestroyWindow(main);
    return 0;
}
