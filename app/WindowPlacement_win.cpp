#include "app/WindowPlacement_win.h"

#include <shellapi.h>

#include "app/PlatformRules.h"

bool AnimationsEnabled()
{
    ANIMATIONINFO info = {};
    info.cbSize = sizeof info;
    return SystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0) && info.iMinAnimate != 0;
}

RECT TrayRect()
{
    RECT rect = {};
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar) {
        HWND notify = FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", nullptr);
        if (notify && GetWindowRect(notify, &rect))
            return rect;
    }
    APPBARDATA bar = {};
    bar.cbSize = sizeof bar;
    if (SHAppBarMessage(ABM_GETTASKBARPOS, &bar)) {
        rect = bar.rc;
        if (bar.uEdge == ABE_LEFT || bar.uEdge == ABE_RIGHT) {
            rect.top = bar.rc.bottom - 100;
            rect.bottom = bar.rc.bottom - 16;
        } else {
            rect.left = bar.rc.right - 100;
            rect.right = bar.rc.right - 16;
        }
        return rect;
    }
    if (taskbar && GetWindowRect(taskbar, &rect)) {
        if (rect.right - rect.left > 150)
            rect.left = rect.right - 150;
        if (rect.bottom - rect.top > 30)
            rect.top = rect.bottom - 30;
        return rect;
    }
    rect = WorkAreaOf(nullptr);
    rect.left = rect.right - 150;
    rect.top = rect.bottom - 30;
    return rect;
}

void HideToTray(HWND window)
{
    if (AnimationsEnabled()) {
        RECT from = {};
        GetWindowRect(window, &from);
        RECT to = TrayRect();
        DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
    }
    ShowWindow(window, SW_HIDE);
}

void ShowFromTray(HWND window)
{
    if (AnimationsEnabled()) {
        RECT from = TrayRect();
        RECT to = {};
        GetWindowRect(window, &to);
        DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
    }
    ShowWindow(window, SW_SHOW);
    SetActiveWindow(window);
    SetForegroundWindow(window);
}

bool ForceForeground(HWND window)
{
    HWND foreground = GetForegroundWindow();
    DWORD mine = GetCurrentThreadId();
    DWORD theirs = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    bool attached = theirs && theirs != mine && AttachThreadInput(mine, theirs, TRUE);
    bool result = SetForegroundWindow(window) != FALSE;
    if (attached)
        AttachThreadInput(mine, theirs, FALSE);
    return result;
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                              : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    RECT spi = {};
    const bool haveSpi = SystemParametersInfoA(SPI_GETWORKAREA, 0, &spi, 0) != FALSE;
    if (!monitor || !GetMonitorInfoA(monitor, &info))
        return spi;
    // Wine keeps the first work area a process reads from SystemParametersInfo, even after
    // the taskbar has taken its strip, while the monitor's figure follows the taskbar; and a
    // work area set through SystemParametersInfo shows only there. On the primary screen a
    // window goes only where both say the screen is free; on Windows they are the same.
    RECT both = {};
    if ((info.dwFlags & MONITORINFOF_PRIMARY) && haveSpi && IntersectRect(&both, &info.rcWork, &spi))
        return both;
    return info.rcWork;
}

void PlaceBottomRight(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    const RECT work = WorkAreaOf(window);
    ScreenPoint at = BottomRightPosition(work.right, work.bottom, rect.right - rect.left, rect.bottom - rect.top);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
