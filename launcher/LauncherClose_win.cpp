#include "launcher/LauncherClose_win.h"

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/Win32Profile_win.h"
#include "chrome/LauncherChrome_win.h"
#include "chrome/LauncherHideRules.h"
#include "chrome/Skin_win.h"
#include "launcher/LauncherLayout.h"
#include "launcher/LauncherTree_win.h"
#include "launcher/LauncherWindow_win.h"
#include "resources/ResourceIds.h"

namespace {

class CloseNotice : public Dialog {
public:
    CloseNotice() : Dialog(IDD_CLOSE_NOTICE) {}
    bool ticked = false;

protected:
    bool OnInit() override
    {
        ApplyDialogSkin(Window());
        return true;
    }
    bool OnCommand(int id, int, HWND) override
    {
        if (id != IDOK)
            return false;
        ticked = IsDlgButtonChecked(Window(), IDC_DONT_SHOW_AGAIN) == BST_CHECKED;
        End(IDOK);
        return true;
    }
};

LayoutBox WindowBox(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

} // namespace

bool ShowCloseNotice(HWND owner)
{
    CloseNotice notice;
    return notice.RunModal(owner) == IDOK && notice.ticked;
}

void SaveLauncherLayout(LauncherWindow& launcher)
{
    const HWND dialog = launcher.Window();
    OptionRecord& o = Options();
    if (!LauncherIsDockedAway(dialog))
        StoreLauncherPlace(o, launcher.HasTree(), WindowBox(dialog));
    if (LauncherTree* tree = launcher.Tree())
        tree->StoreExpandStates(o);
    SaveOptions(o, Settings());
    SaveLayout(o, Settings());
}

void CloseLauncherForGood(LauncherWindow& launcher)
{
    if (launcher.closing)
        return;
    launcher.closing = true;
    const HWND dialog = launcher.Window();
    AppContext& app = App();
    if (app.launcherWindow == dialog)
        app.launcherWindow = nullptr;
    if (Windows().pretranslate == dialog)
        Windows().pretranslate = nullptr;

    SaveLauncherLayout(launcher);
    ZoomLauncherToTray(dialog);
    ForgetLauncherDock(dialog);
    DestroyWindow(dialog);
}

void OnCloseRequest(HWND dialog, bool force)
{
    LauncherWindow* launcher = LauncherOf(dialog);
    if (!launcher)
        return;
    if (chrome::OnCloseRequest(force, Options().CloseAfter != 0) == chrome::LauncherExit::SlideAway)
        SlideLauncherAway(dialog, false);
    else
        CloseLauncherForGood(*launcher);
}

void OnHideCommand(HWND dialog)
{
    if (chrome::OnHideCommand(Options().CloseAfter != 0) == chrome::LauncherExit::SlideAway)
        SlideLauncherAway(dialog, false);
    else
        ZoomLauncherToTray(dialog);
}

void OnCancel(HWND dialog)
{
    OptionRecord& o = Options();
    const bool endProgram = o.CloseButton != 0;
    if (o.PreventClose && !endProgram && ShowCloseNotice(dialog)) {
        o.PreventClose = 0;
        SaveOptions(o, Settings());
    }
    SendMessageA(dialog, UM_CLOSELAUNCHER, 0, 1);
    if (endProgram && Windows().main)
        SendMessageA(Windows().main, WM_COMMAND, IDM_EXIT, 0);
}
