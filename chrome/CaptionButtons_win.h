#pragma once
// The caption buttons a skinned window draws in its own client area, and what the mouse
// does on that caption: hover states, moving the window, and the requests of the buttons.
#include <windows.h>

#include "chrome/CaptionLayout.h"

class SkinResources;

// WM_COMMAND of the pin button: toggle always-on-top.
constexpr WORD kToggleOnTopCommand = 32790;
// WM_COMMAND of the help button.
constexpr WORD kHelpCommand = IDHELP;

struct CaptionOptions {
    bool extraButtons = false;   // hide, help and pin beside the close button
    bool iconMenu = false;       // the program icon in the top-left corner opens the tray menu
    HWND target = nullptr;       // a frame that receives the requests instead of the window
    bool pinOn = false;          // the pin shows always-on-top
};

chrome::CaptionMetrics CaptionMetricsOf(HWND window);
RECT CaptionButtonRectOf(HWND window, chrome::CaptionButton button);

// Draws the close button (with extra buttons also hide, help and pin); hot is the one under
// the mouse. Uses the window's visual style when a theme is active. resources may be null.
void DrawCaptionButtons(HWND window, HDC dc, const CaptionOptions& options, chrome::CaptionButton hot,
                        const SkinResources* resources);

// Mouse over the background at client point p: redraws the buttons for the new hot one and
// ends the highlight of a skinned button. Returns the button under the mouse.
chrome::CaptionButton CaptionMouseMove(HWND window, POINT p, const CaptionOptions& options,
                                       const SkinResources* resources);
// A left press: on the background (not on a button, not in the icon square) it moves the
// window, or the target, by the mouse; returns whether it did.
bool CaptionMouseDown(HWND window, POINT p, const CaptionOptions& options);
// A left release: carries out the request of the button under p; returns whether there was one.
// Requests that may close the window are posted; the others are sent, so that a caller that
// repaints the pin afterwards shows its new state.
bool CaptionMouseUp(HWND window, POINT p, const CaptionOptions& options);
