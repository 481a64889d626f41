// The launcher's side of the main window's requests. The full launcher dialog (layouts,
// skin, docking, lists) is built by its own issue (#4); the lists and openers by #3.
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

void LoadLauncherLists() {}

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
void AppendTypedAddressMenu(HMENU) {}
void AppendFavoritesMenu(HMENU) {}
void OpenTypedAddressCommand(unsigned) {}
void OpenFavoriteCommand(unsigned) {}
void OpenEngineHome(unsigned) {}
void RunCommandText(const char*) {}
void OpenHelpPage(const char*, const char*) {}
void SearchClipboard() {}
void OpenFavoriteEngineHome() {}
void CloseBrowserWindows() {}
