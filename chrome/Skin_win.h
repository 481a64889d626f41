#pragma once
// The program's look on a window: a caption-coloured ground with a light rounded panel, a
// caption drawn in the client area with its own small buttons, owner-drawn buttons that light
// up under the mouse, and dragging by the background. All state is kept per window, so any
// number of skinned windows may be open at once; it goes when the window goes.
#include <windows.h>

#include <functional>

struct SkinLayout {
    bool captionLine = false;     // a caption line above the panel (launcher, monitor window)
    bool programCaption = false;  // the launcher: icon and title on that line; the icon opens the tray menu
    UINT tabText = 0;             // string id of the title tab's text; 0 for none
    bool closeButton = false;
    bool extraButtons = false;    // hide, help and pin beside the close button
    HWND target = nullptr;        // a frame that receives the caption's requests instead
    std::function<bool()> onTop;  // the pin's state; empty: never on
    bool ownerDrawPushButtons = false;  // plain push buttons are drawn by the skin too
};

// Skins the window (usually at WM_INITDIALOG): subclasses it for its background, static
// colours, owner-drawn buttons and caption mouse handling, and its buttons for hover
// tracking. Applying it again replaces the layout.
void ApplySkin(HWND window, SkinLayout layout);
// The skin of the program's plain dialogs (about box, information dialogs): the program's
// icons, the panel, and every push button drawn by the skin.
void ApplyDialogSkin(HWND dialog);
bool IsSkinned(HWND window);

// Paints into dc what the skinned parent of child shows behind child's rect (child
// coordinates); the plain panel colour when the parent is not skinned.
void PaintBackgroundBehind(HWND child, HDC dc, const RECT& rect);
// Repaints the caption buttons, e.g. after the on-top state changed.
void RepaintCaptionButtons(HWND window);
