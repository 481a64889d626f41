#include "chrome/EdgeDock_win.h"

#include <commctrl.h>

#include <memory>
#include <utility>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/SubclassLookup_win.h"
#include "app/Visuals_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/CaptionLayout.h"
#include "chrome/GdiTools_win.h"
#include "chrome/SkinColours.h"
#include "chrome/SlidePath.h"

namespace {

constexpr UINT_PTR kDockSubclassId = 0x444B;

struct DockedWindow {
    explicit DockedWindow(DockSetup s) : setup(std::move(s)) {}
    DockSetup setup;
    chrome::DockState state;
    chrome::DockEdge edge = chrome::DockEdge::Top;   // of the current or last slide away
    bool topmostBefore = false;
    // Where the cursor was when the window arrived at its edge: the system reports a window
    // moving under a resting mouse as a mouse movement, which must not bring it back at once.
    POINT restingCursor = {-32768, -32768};
};

LRESULT CALLBACK DockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept;

DockedWindow* DockOf(HWND window)
{
    DWORD_PTR data = 0;
    if (!window || !FindWindowSubclass(window, DockProc, kDockSubclassId, &data))
        return nullptr;
    return reinterpret_cast<DockedWindow*>(data);
}

chrome::SlideMetrics Metrics(HWND window)
{
    chrome::SlideMetrics m;
    const RECT work = WorkAreaOf(window);
    m.workArea = {work.left, work.top, work.right, work.bottom};
    m.frameWidth = GetSystemMetrics(SM_CXFRAME);
    m.frameHeight = GetSystemMetrics(SM_CYFRAME);
    return m;
}

chrome::Rect WindowRectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

bool IsTopmost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void PaintRim(HWND window, const DockedWindow& dock)
{
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    chrome::Rect w = WindowRectOf(window);
    chrome::Rect rim = chrome::RimRect(dock.edge, w.Width(), w.Height(), GetSystemMetrics(SM_CXFRAME),
                                       GetSystemMetrics(SM_CYFRAME));
    RECT r = {rim.left, rim.top, rim.right, rim.bottom};
    if (!ThemeActive() || !DrawThemedPart(window, dc, "TASKBAND", chrome::kThemeRimPart, 5, r)) {
        UniqueBrush brush(CreateSolidBrush(ToColorRef(chrome::kRimColour)));
        FillRect(dc, &r, brush.Get());
    }
    ReleaseDC(window, dc);
}

// A taskbar that is itself always on top stays above a window docked at the bottom.
void RaiseTopmostTaskbar()
{
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar && IsTopmost(taskbar))
        SetWindowPos(taskbar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool HasForeground(HWND window)
{
    HWND foreground = GetForegroundWindow();
    return foreground && (foreground == window || IsChild(window, foreground));
}

void HandForegroundOn(HWND window, const DockedWindow& dock)
{
    if (!HasForeground(window))
        return;
    HWND next = dock.setup.foregroundAfterSlide ? dock.setup.foregroundAfterSlide() : nullptr;
    if (!next || !IsWindowVisible(next))
        next = FindWindowA("Shell_TrayWnd", nullptr);
    if (next && next != window)
        ForceForeground(next);
}

void Move(HWND window, DockedWindow& dock, chrome::Point at, bool last)
{
    const bool away = dock.state.Phase() == chrome::DockPhase::Docked && last;
    UINT flags = SWP_NOSIZE | SWP_NOACTIVATE;
    // Moves away redraw the frame at every step; moves back only at the end.
    if (dock.state.Phase() == chrome::DockPhase::SlidingAway || away)
        flags |= SWP_FRAMECHANGED;
    if (!away)
        flags |= SWP_NOZORDER;
    // The final move away makes the window topmost, so its rim stays above other windows.
    SetWindowPos(window, away ? HWND_TOPMOST : nullptr, at.x, at.y, 0, 0, flags);
    if (!last)
        return;
    KillTimer(window, kSlideTimer);
    if (away) {
        RaiseTopmostTaskbar();
        GetCursorPos(&dock.restingCursor);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void Step(HWND window, DockedWindow& dock)
{
    chrome::Point at;
    bool last = false;
    if (dock.state.NextStep(at, last))
        Move(window, dock, at, last);
    else
        KillTimer(window, kSlideTimer);
}

void StartTimer(HWND window, DockedWindow& dock)
{
    Step(window, dock);
    if (dock.state.Sliding())
        SetTimer(window, kSlideTimer, chrome::kSlideStepMs, nullptr);
}

bool CursorOver(HWND window)
{
    POINT cursor = {};
    if (!GetCursorPos(&cursor))
        return false;
    HWND under = WindowFromPoint(cursor);
    return under && (under == window || IsChild(window, under));
}

void OnHoverTimer(HWND window, DockedWindow& dock)
{
    KillTimer(window, kHoverOpenTimer);
    if (!dock.state.ReopensOnHover(CursorOver(window)))
        return;
    if (dock.setup.hoverOpen)
        dock.setup.hoverOpen(window);
    else
        SlideBack(window);
}

// The work area changed (a taskbar moved) while docked: wait at the new edge.
void FollowWorkArea(HWND window, DockedWindow& dock)
{
    if (dock.state.Phase() != chrome::DockPhase::Docked)
        return;
    chrome::Point at = chrome::DockedPlace(dock.edge, WindowRectOf(window), Metrics(window));
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool MouseMoved(DockedWindow& dock)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    if (cursor.x == dock.restingCursor.x && cursor.y == dock.restingCursor.y)
        return false;
    dock.restingCursor = {-32768, -32768};
    return true;
}

bool IsSizingHit(LRESULT hit)
{
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

LRESULT CALLBACK DockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept
{
    DockedWindow& dock = *reinterpret_cast<DockedWindow*>(data);
    switch (message) {
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT: {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (dock.state.Phase() == chrome::DockPhase::Docked)
            PaintRim(window, dock);
        return result;
    }
    case WM_NCHITTEST: {
        LRESULT hit = DefSubclassProc(window, message, wParam, lParam);
        // The rim is no sizing border: a docked window keeps its size.
        return dock.state.DockedAway() && IsSizingHit(hit) ? HTBORDER : hit;
    }
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
        if (dock.state.ArmsHoverTimer() && MouseMoved(dock))
            SetTimer(window, kHoverOpenTimer, chrome::kHoverOpenDelayMs, nullptr);
        break;
    case WM_TIMER:
        if (wParam == kSlideTimer) {
            Step(window, dock);
            return 0;
        }
        if (wParam == kHoverOpenTimer) {
            OnHoverTimer(window, dock);
            return 0;
        }
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            FollowWorkArea(window, dock);
        break;
    case WM_NCDESTROY: {
        KillTimer(window, kSlideTimer);
        KillTimer(window, kHoverOpenTimer);
        RemoveWindowSubclass(window, DockProc, kDockSubclassId);
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        delete &dock;
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

void EnableEdgeDock(HWND window, DockSetup setup)
{
    if (!window)
        return;
    if (DockedWindow* existing = DockOf(window)) {
        existing->setup = std::move(setup);
        return;
    }
    auto dock = std::make_unique<DockedWindow>(std::move(setup));
    if (SetWindowSubclass(window, DockProc, kDockSubclassId, reinterpret_cast<DWORD_PTR>(dock.get())))
        dock.release();
}

bool SlideAway(HWND window, bool keepFocus)
{
    DockedWindow* dock = DockOf(window);
    if (!dock || dock->state.Phase() != chrome::DockPhase::Shown)
        return false;
    const chrome::DockEdge edge = chrome::EdgeFromCorner(dock->setup.edge ? dock->setup.edge() : Options().HideCorner);
    const chrome::Rect rect = WindowRectOf(window);
    const chrome::Point to = chrome::DockedPlace(edge, rect, Metrics(window));
    if (!dock->state.BeginSlideAway(chrome::SlidePathBetween({rect.left, rect.top}, to)))
        return false;
    dock->edge = edge;
    dock->topmostBefore = IsTopmost(window);
    if (!keepFocus)
        HandForegroundOn(window, *dock);
    StartTimer(window, *dock);
    return true;
}

bool SlideBack(HWND window)
{
    DockedWindow* dock = DockOf(window);
    if (!dock || dock->state.Phase() != chrome::DockPhase::Docked)
        return false;
    const chrome::Rect rect = WindowRectOf(window);
    const chrome::Point to = chrome::ShownPlace(dock->edge, rect, Metrics(window));
    if (!dock->state.BeginSlideBack(chrome::SlidePathBetween({rect.left, rect.top}, to)))
        return false;
    KillTimer(window, kHoverOpenTimer);
    bool topmost = dock->setup.onTop ? dock->setup.onTop() : dock->topmostBefore;
    if (!topmost)
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // A window hidden meanwhile (zoomed into the tray) comes back into view too.
    if (!IsWindowVisible(window))
        ShowWindow(window, SW_SHOWNOACTIVATE);
    // The rim goes with the first move.
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    StartTimer(window, *dock);
    return true;
}

bool IsDockedAway(HWND window)
{
    DockedWindow* dock = DockOf(window);
    return dock && dock->state.DockedAway();
}

bool IsSliding(HWND window)
{
    DockedWindow* dock = DockOf(window);
    return dock && dock->state.Sliding();
}

chrome::DockPhase DockPhaseOf(HWND window)
{
    DockedWindow* dock = DockOf(window);
    return dock ? dock->state.Phase() : chrome::DockPhase::Shown;
}

void FinishSlide(HWND window)
{
    DockedWindow* dock = DockOf(window);
    chrome::Point at;
    if (dock && dock->state.Finish(at))
        Move(window, *dock, at, true);
}

void SnapBack(HWND window)
{
    DockedWindow* dock = DockOf(window);
    if (!dock || !dock->state.DockedAway())
        return;
    FinishSlide(window);
    KillTimer(window, kHoverOpenTimer);
    const chrome::Point at = chrome::ShownPlace(dock->edge, WindowRectOf(window), Metrics(window));
    const bool topmost = dock->setup.onTop ? dock->setup.onTop() : dock->topmostBefore;
    dock->state.Reset();
    UINT flags = SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    if (!IsWindowVisible(window))
        flags |= SWP_NOREDRAW;
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, at.x, at.y, 0, 0, flags);
}

void ForgetDock(HWND window)
{
    DockedWindow* dock = DockOf(window);
    if (!dock)
        return;
    KillTimer(window, kSlideTimer);
    KillTimer(window, kHoverOpenTimer);
    dock->state.Reset();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}
