#pragma once
// The launcher's chrome: its skin (caption line with the program's icon and title, the title
// tab "Search", close, hide, help and pin buttons) and its docking at the edge the option
// hideCorner names, bound to the options OnTop and HideCorner.
//
// The launcher's dialog procedure calls ApplyLauncherChrome at WM_INITDIALOG and handles the
// requests of the caption: WM_COMMAND IDCANCEL (close), WM_SYSCOMMAND SC_HIDELAUNCHER (hide),
// WM_COMMAND 9 (help) and WM_COMMAND 32790 (toggle on top; then RepaintCaptionButtons). The
// chrome answers WM_ERASEBKGND, WM_CTLCOLORSTATIC, WM_DRAWITEM of buttons, the caption's mouse
// messages and the docking's timers 300 and 301 before the dialog procedure sees them.
#include <windows.h>

#include "chrome/LauncherHideRules.h"

void ApplyLauncherChrome(HWND launcher);

// Docked at its edge or sliding there (what the main window asks as LauncherDockedAway).
bool LauncherIsDockedAway(HWND launcher);
// Slides into the edge (UM_CLOSELAUNCHER without force, SC_HIDELAUNCHER, with CloseAfter 0).
bool SlideLauncherAway(HWND launcher, bool keepFocus);
// Out of its edge, to the foreground, the focus in the text box (SlideLauncherOut).
void SlideLauncherBack(HWND launcher);
// Brings an existing launcher forward: out of its edge when docked there, else from the tray.
void BringLauncherBack(HWND launcher);
// Zooms it into the notification area and hides it (SC_HIDELAUNCHER with CloseAfter set, and
// closing for good). A docked launcher is put back in view while hidden, so that showing it
// again does not show it off screen.
void ZoomLauncherToTray(HWND launcher);
// Closing for good: clears the docked and sliding state.
void ForgetLauncherDock(HWND launcher);
