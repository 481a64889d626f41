#pragma once
// Painting a skinned window's client area and answering its static controls' colour.
#include <windows.h>

#include "chrome/CaptionLayout.h"

class SkinResources;

struct BackgroundOptions {
    bool captionLine = false;     // a caption line above the panel (launcher, monitor window)
    bool programCaption = false;  // the launcher's icon and title texts on that line
    UINT tabText = 0;             // string id of the title tab's text; 0 for no tab
    bool closeButton = false;
    bool extraButtons = false;    // hide, help and pin
    bool pinOn = false;
    chrome::CaptionButton hot = chrome::CaptionButton::None;
};

// WM_ERASEBKGND: fills the client area like an active caption, then the panel with its
// shadow and grip, the tab, the caption buttons and the caption line. Returns TRUE ("done").
BOOL PaintBackground(HWND window, HDC dc, const BackgroundOptions& options, const SkinResources& resources);

// WM_CTLCOLORSTATIC: the panel colour behind the text and the application's background brush.
HBRUSH StaticColour(HDC dc);

// The client area filled like an active caption: the theme's caption background, else the
// caption gradient, else the plain caption colour.
void FillLikeActiveCaption(HWND window, HDC dc, const RECT& area, bool themed);
