#pragma once
// The skin's buttons: hover tracking with the hand cursor, and the drawing of owner-drawn
// buttons. The button under the mouse is kept per dialog, so two skinned dialogs open at
// once (the launcher and the translation window) do not share it.
#include <windows.h>

// Installs the hover procedure on every button of the dialog that takes it (owner-drawn and
// default push buttons, check boxes, automatic radio buttons, group boxes). Each button is
// subclassed once, however often this runs; the dialog's hovered button is forgotten.
void SkinButtons(HWND dialog);
// Makes the dialog's plain push buttons owner-drawn, so that the skin draws them too.
void MakePushButtonsOwnerDrawn(HWND dialog);

// The dialog's button under the mouse, or null.
HWND HoveredButton(HWND dialog);
// Ends the highlight: repaints the hovered button, if any, and forgets it.
void ForgetHoveredButton(HWND dialog);

// Draws one owner-drawn button from its WM_DRAWITEM record: a rounded face (white under the
// mouse), its bitmap centred or its text on one line, moved when pressed, grey when
// disabled, with a focus rectangle when focused. false for items that are not buttons.
bool DrawSkinButton(const DRAWITEMSTRUCT& item);
