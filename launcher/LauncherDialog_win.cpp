// The launcher dialog as the main window creates it. The full dialog (layouts, skin, docking,
// lists) is built by its own issue; until then it opens, closes and hides.
#include "app/Subsystems_win.h"

#include "app/AppContext_win.h"
#include "app/Messages.h"

namespace {
void DestroyLauncher(HWND dialog)
{
    DestroyWindow(dialog);
    if (App().launcherWindow == dialog)
        App().launcherWindow = nullptr;
    if (Windows().pretranslate == dialog)
        Windows().pretranslate = nullptr;
}
} // namespace

INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) noexcept
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case UM_CLOSELAUNCHER:
        DestroyLauncher(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyLauncher(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_SYSCOMMAND:
        if (wParam == SC_HIDELAUNCHER) {
            ShowWindow(dialog, SW_HIDE);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

bool LauncherDockedAway() { return false; }
void SlideLauncherOut() {}
