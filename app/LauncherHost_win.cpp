#include "app/LauncherHost_win.h"

#include "app/AppContext_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/SystemQueries_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/LauncherChrome_win.h"
#include "resources/ResourceIds.h"

namespace {
constexpr int kLauncherTextBox = 1000;
}

void OpenLauncher()
{
    AppContext& app = App();
    OptionRecord& options = Options();
    if (!options.launcherOpenedOnce) {
        options.launcherOpenedOnce = true;
        if (!InstallWaitingUpdate(app.versionText.c_str()) && !IsOfflineMode())
            RunDueUpdateCheck();
    }

    if (HWND launcher = app.launcherWindow) {
        // Out of its edge when docked there, else from the tray. A launcher docked before
        // CloseAfter was switched on comes out of its edge too, never shown off screen.
        BringLauncherBack(launcher);
        ForceForeground(launcher);
        SetFocus(GetDlgItem(launcher, kLauncherTextBox));
        return;
    }
    if (HWND translation = Windows().translation) {
        ForceForeground(translation);
        return;
    }
    HWND main = Windows().main;
    SetForegroundWindow(main);
    UINT id = options.DialogMode == 1 ? IDD_LAUNCHER_TREE : IDD_LAUNCHER_SMALL;
    HWND launcher = CreateDialogInLanguage(id, main, LauncherDialogProc, 0);
    if (!launcher)
        return;
    app.launcherWindow = launcher;
    Windows().pretranslate = launcher;
    ShowWindow(launcher, SW_SHOW);
    ForceForeground(launcher);
    SetFocus(GetDlgItem(launcher, kLauncherTextBox));
}

void HideLauncher()
{
    HWND launcher = App().launcherWindow;
    if (!launcher)
        return;
    if (Options().CloseAfter)
        SendMessageA(launcher, UM_CLOSELAUNCHER, 0, 1);
    else
        SendMessageA(launcher, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0);
}

void CloseLauncherNow()
{
    HWND launcher = App().launcherWindow;
    if (!launcher)
        return;
    SendMessageA(launcher, UM_CLOSELAUNCHER, 0, 1);
    MSG msg;
    while (PeekMessageA(&msg, launcher, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool LauncherVisible()
{
    return App().launcherWindow && !LauncherDockedAway() && !Windows().translation;
}
