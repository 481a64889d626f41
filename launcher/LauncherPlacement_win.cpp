#include "launcher/LauncherPlacement_win.h"

#include "app/OptionRecord.h"
#include "app/AppContext_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/LauncherChrome_win.h"
#include "launcher/LauncherLayout.h"
#include "launcher/LauncherWindow_win.h"

namespace {

// Dialog units of the template: the buttons' height and the text box's list.
constexpr int kButtonHeightUnits = 14;
constexpr int kListHeightUnits = 120;

int DialogUnitsToPixelsY(HWND dialog, int units)
{
    RECT r = {0, 0, 0, units};
    MapDialogRect(dialog, &r);
    return r.bottom;
}

int BaseUnitWidth(HWND dialog)
{
    RECT r = {0, 0, 4, 0};
    MapDialogRect(dialog, &r);
    return r.right;
}

LauncherMetrics Measure(HWND dialog, HWND combo)
{
    LauncherMetrics m;
    RECT box = {};
    if (combo && GetWindowRect(combo, &box) && box.bottom > box.top)
        m.comboHeight = box.bottom - box.top;
    const int button = DialogUnitsToPixelsY(dialog, kButtonHeightUnits);
    if (button > 0)
        m.buttonHeight = button;
    return m;
}

// A remembered place on a screen that is no longer there would open the launcher out of reach.
bool OnSomeScreen(const RECT& rect)
{
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

SIZE WindowSizeForClient(HWND dialog, int clientWidth, int clientHeight)
{
    RECT r = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace

void PlaceLauncherAtStart(LauncherWindow& launcher)
{
    const HWND dialog = launcher.Window();
    launcher.metrics = Measure(dialog, launcher.TextBox());
    PlaceBottomRight(dialog);

    LayoutBox place;
    bool withSize = false;
    if (RememberedLauncherPlace(Options(), launcher.HasTree(), place, withSize)) {
        RECT now = {};
        GetWindowRect(dialog, &now);
        const int width = withSize ? place.width : now.right - now.left;
        const int height = withSize ? place.height : now.bottom - now.top;
        const RECT wanted = {place.left, place.top, place.left + width, place.top + height};
        if (OnSomeScreen(wanted))
            SetWindowPos(dialog, nullptr, place.left, place.top, width, height,
                         SWP_NOZORDER | SWP_NOACTIVATE | (withSize ? 0 : SWP_NOSIZE));
    }
    LayoutLauncherControls(launcher);
}

void LayoutLauncherControls(LauncherWindow& launcher)
{
    const HWND dialog = launcher.Window();
    if (LauncherIsDockedAway(dialog))
        return;
    RECT client = {};
    GetClientRect(dialog, &client);
    const std::vector<ControlPlace> places =
        LauncherControlPlaces(client.right, client.bottom, launcher.HasTree(), launcher.metrics);
    for (const ControlPlace& p : places) {
        HWND control = launcher.Item(p.id);
        if (!control)
            continue;
        int height = p.box.height;
        // A combo box's height is that of its open list; the closed box keeps its own.
        if (p.id == 1000)
            height = p.box.height + DialogUnitsToPixelsY(dialog, kListHeightUnits);
        SetWindowPos(control, nullptr, p.box.left, p.box.top, p.box.width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(dialog, nullptr, TRUE);
}

void LimitLauncherSize(HWND dialog, MINMAXINFO& info)
{
    LauncherWindow* launcher = LauncherOf(dialog);
    if (!launcher)
        return;
    const bool tree = launcher->HasTree();
    const SIZE smallest =
        WindowSizeForClient(dialog, 0, LauncherMinimumClientHeight(tree, launcher->metrics));
    info.ptMinTrackSize.x = LauncherMinimumWidth(tree, BaseUnitWidth(dialog));
    info.ptMinTrackSize.y = smallest.cy;
}
