#include "chrome/LauncherChrome_win.h"

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/WindowPlacement_win.h"
#include "chrome/EdgeDock_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kLauncherTextBox = 1000;

void FocusTextBox(HWND launcher)
{
    ForceForeground(launcher);
    if (HWND box = GetDlgItem(launcher, kLauncherTextBox))
        SetFocus(box);
}

} // namespace

void ApplyLauncherChrome(HWND launcher)
{
    SkinLayout skin;
    skin.captionLine = true;
    skin.programCaption = true;
    skin.tabText = IDS_SEARCH_TAB;
    skin.closeButton = true;
    skin.extraButtons = true;
    skin.onTop = [] { return Options().OnTop != 0; };
    ApplySkin(launcher, std::move(skin));

    DockSetup dock;
    dock.edge = [] { return Options().HideCorner; };
    dock.onTop = [] { return Options().OnTop != 0; };
    dock.hoverOpen = [](HWND window) { SlideLauncherBack(window); };
    EnableEdgeDock(launcher, std::move(dock));
}

bool LauncherIsDockedAway(HWND launcher)
{
    return IsDockedAway(launcher);
}

bool SlideLauncherAway(HWND launcher, bool keepFocus)
{
    return SlideAway(launcher, keepFocus);
}

void SlideLauncherBack(HWND launcher)
{
    SlideBack(launcher);
    FocusTextBox(launcher);
}

void BringLauncherBack(HWND launcher)
{
    if (chrome::OnOpen(IsDockedAway(launcher)) == chrome::LauncherReturn::SlideBack)
        SlideBack(launcher);
    else
        ShowFromTray(launcher);
    FocusTextBox(launcher);
}

void ZoomLauncherToTray(HWND launcher)
{
    const bool docked = IsDockedAway(launcher);
    FinishSlide(launcher);
    HideToTray(launcher);
    if (docked)
        SnapBack(launcher);
}

void ForgetLauncherDock(HWND launcher)
{
    ForgetDock(launcher);
}
