#pragma once
// How an owner-drawn button of the skin looks in each state, and which buttons the skin
// takes over.
#include "chrome/ChromeGeometry.h"

namespace chrome {

struct ButtonState {
    bool hovered = false;
    bool pressed = false;
    bool disabled = false;
    bool focused = false;
};

struct ButtonLook {
    Colour face = 0;
    Colour outline = 0;
    bool greyText = false;     // disabled: kDisabledText, else the system's button text
    int textShift = 0;         // pressed buttons move their text right and down
    bool focusRect = false;
};

ButtonLook LookOf(const ButtonState& state);
// The focus rectangle: the button inset by 4 horizontally and 2 vertically.
Rect FocusRectOf(const Rect& button);
// Where the text is centred.
Rect TextRectOf(const Rect& button, const ButtonLook& look);

// Button types (the low four style bits).
constexpr unsigned kButtonTypeMask = 0xF;
constexpr unsigned kOwnerDrawType = 0xB;
// Buttons that get the hover procedure: any of the type bits 1, 2 or 8 (owner-drawn and
// default push buttons, check boxes, automatic radio buttons, group boxes).
bool TakesHoverTracking(unsigned long style);
bool IsOwnerDrawn(unsigned long style);
// Push and default push buttons, which a dialog may have drawn by the skin instead.
bool IsPlainPushButton(unsigned long style);

} // namespace chrome
