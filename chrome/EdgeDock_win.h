#pragma once
// Docking a window at a screen edge: it slides away until only a rim as wide as its frame
// stays on screen (topmost, painted in a signal colour), and slides back when asked or when
// the mouse rests on that rim. Slides run on timers, 40 pixels every 20 ms, so the program
// stays responsive; a slide asked for while one runs is refused. The state is per window.
#include <windows.h>

#include <functional>

#include "chrome/DockState.h"

struct DockSetup {
    std::function<int()> edge;                    // hideCorner: 0 left, 1 right, 2 top, 3 bottom
    std::function<bool()> onTop;                  // topmost once back; empty: as before sliding away
    std::function<void(HWND)> hoverOpen;          // the mouse rested on the rim; empty: SlideBack
    std::function<HWND()> foregroundAfterSlide;   // gets the foreground; empty or hidden: the taskbar
};

// Timers of a docking window (WM_TIMER ids the window must leave to the docking).
constexpr UINT_PTR kHoverOpenTimer = chrome::kHoverOpenTimerId;   // 300
constexpr UINT_PTR kSlideTimer = 301;

// Makes the window dockable (usually at WM_INITDIALOG); again replaces the setup.
void EnableEdgeDock(HWND window, DockSetup setup);

// Starts sliding the shown window into its edge; false when it is not shown (docked, or a
// slide runs) or not dockable. Unless keepFocus is set, a window that has the foreground
// hands it on at once (see DockSetup), so typing does not go to a window on its way out.
bool SlideAway(HWND window, bool keepFocus);
// Starts sliding the docked window back into view; false unless it is fully docked.
bool SlideBack(HWND window);

// Docked at its edge or on its way there.
bool IsDockedAway(HWND window);
bool IsSliding(HWND window);
chrome::DockPhase DockPhaseOf(HWND window);
// Makes every remaining move of a running slide at once.
void FinishSlide(HWND window);
// Back in view at once, without sliding (for a window about to be hidden another way).
void SnapBack(HWND window);
// Closed for good: stops any slide and forgets the docked state, leaving the window where it is.
void ForgetDock(HWND window);
