// The launcher dialog (layouts 129 and 138) as the main window creates it: its creation, the
// messages it answers and its end. What the buttons, the text box, the menus and the tree do
// lives in the files beside this one.
#include "app/Subsystems_win.h"

#include <memory>

#include "app/AppContext_win.h"
#include "app/LauncherHost_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/Visuals_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/LauncherChrome_win.h"
#include "launcher/LauncherActions_win.h"
#include "launcher/LauncherClose_win.h"
#include "launcher/LauncherCombo_win.h"
#include "launcher/LauncherPlacement_win.h"
#include "launcher/LauncherTooltips_win.h"
#include "launcher/LauncherTreeActions_win.h"
#include "launcher/LauncherTree_win.h"
#include "launcher/LauncherWindow_win.h"
#include "resources/ResourceIds.h"

namespace {

// Translucency of the launcher with MainTrans: level 10, an opacity of 180 of 255.
constexpr int kLauncherTransparency = 10;

void SetPictures(HWND dialog)
{
    SetButtonBitmap(GetDlgItem(dialog, IDC_LAUNCHER_BROWSER), IDB_BUTTON_BROWSER);
    SetButtonBitmap(GetDlgItem(dialog, IDC_LAUNCHER_CLOSE_OWN), IDB_BUTTON_CLOSE_OWN);
    SetButtonBitmap(GetDlgItem(dialog, IDC_LAUNCHER_CLOSE_ALL), IDB_BUTTON_CLOSE_ALL);
}

void OnInit(HWND dialog)
{
    auto launcher = std::make_unique<LauncherWindow>(dialog);
    LauncherWindow& w = *launcher;
    AttachLauncher(dialog, launcher.release());

    App().launcherWindow = dialog;
    Windows().pretranslate = dialog;
    ApplyLauncherChrome(dialog);
    SetWindowTextA(dialog, App().appTitle.c_str());

    PlaceLauncherAtStart(w);
    const OptionRecord& o = Options();
    if (o.OnTop)
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    FillLauncherCombo(w.TextBox());
    if (o.TranslateURL.empty())
        EnableWindow(w.Item(IDC_LAUNCHER_TRANSLATE), FALSE);
    if (HWND tree = w.Item(IDC_LAUNCHER_TREE)) {
        w.SetTree(std::make_unique<LauncherTree>(tree));
        w.Tree()->Build();
    }
    SetPictures(dialog);
    AddLauncherTooltips(dialog);
    if (o.MainTrans)
        MakeTransparent(dialog, kLauncherTransparency);

    ForceForeground(dialog);
    WatchTyping(w);
    SetFocus(w.TextBox());
}

// The window goes, whoever destroys it (closing for good, or the main window at exit).
void OnDestroy(HWND dialog)
{
    RemoveLauncherTooltips(dialog);
    if (LauncherWindow* w = LauncherOf(dialog)) {
        // Destroyed without closing: the program ends, and the main window takes its owned
        // windows with it before it hears of its own end. The user's layout is kept all the same.
        if (!w->closing) {
            w->closing = true;
            SaveLauncherLayout(*w);
        }
        w->SetTree(nullptr);
    }
    if (App().launcherWindow == dialog)
        App().launcherWindow = nullptr;
    if (Windows().pretranslate == dialog)
        Windows().pretranslate = nullptr;
}

INT_PTR Result(HWND dialog, LRESULT result)
{
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_INITDIALOG) {
        OnInit(dialog);
        return FALSE;   // the focus is in the text box already
    }
    LauncherWindow* launcher = LauncherOf(dialog);
    if (!launcher)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return HandleLauncherCommand(*launcher, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (TreeNotify(*launcher, *reinterpret_cast<const NMHDR*>(lParam), result))
            return Result(dialog, result);
        return FALSE;
    }
    case UM_CLOSELAUNCHER:
        OnCloseRequest(dialog, lParam != 0);
        return TRUE;
    case WM_SYSCOMMAND:
        if (wParam == SC_HIDELAUNCHER) {
            OnHideCommand(dialog);
            return Result(dialog, 0);
        }
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            OpenLauncher();
            return Result(dialog, 0);
        }
        return FALSE;
    case WM_HELP:
        OpenLauncherHelp(*launcher);
        return TRUE;
    case WM_RBUTTONUP:
        // The background's right click opens the tray menu.
        PostMessageA(Windows().main, UM_TRAYICON, kTrayIconId, WM_RBUTTONUP);
        return TRUE;
    case WM_SIZE:
        LayoutLauncherControls(*launcher);
        return FALSE;
    case WM_GETMINMAXINFO:
        LimitLauncherSize(dialog, *reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy(dialog);
        return FALSE;
    case WM_NCDESTROY:
        DetachLauncher(dialog);
        delete launcher;
        return FALSE;
    default:
        return FALSE;
    }
}

bool LauncherDockedAway()
{
    HWND launcher = App().launcherWindow;
    return launcher && LauncherIsDockedAway(launcher);
}

void SlideLauncherOut()
{
    if (HWND launcher = App().launcherWindow)
        SlideLauncherBack(launcher);
}
