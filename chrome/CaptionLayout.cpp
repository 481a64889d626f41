#include "chrome/CaptionLayout.h"

#include <initializer_list>

namespace chrome {

namespace {

// Position from the right: the close button is 0, then hide, help and pin.
int Slot(CaptionButton button)
{
    switch (button) {
    case CaptionButton::Close: return 0;
    case CaptionButton::Hide: return 1;
    case CaptionButton::Help: return 2;
    case CaptionButton::Pin: return 3;
    case CaptionButton::None: break;
    }
    return -1;
}

} // namespace

Rect CaptionButtonRect(CaptionButton button, const CaptionMetrics& m)
{
    int slot = Slot(button);
    if (slot < 0)
        return {};
    int right = m.clientWidth - kCaptionButtonMargin - slot * (m.buttonWidth + kCaptionButtonMargin);
    return {right - m.buttonWidth, kCaptionButtonMargin, right, kCaptionButtonMargin + m.buttonHeight};
}

CaptionButton CaptionButtonAt(Point p, const CaptionMetrics& m, bool extraButtons)
{
    if (CaptionButtonRect(CaptionButton::Close, m).Contains(p))
        return CaptionButton::Close;
    if (!extraButtons)
        return CaptionButton::None;
    for (CaptionButton b : {CaptionButton::Hide, CaptionButton::Help, CaptionButton::Pin}) {
        if (CaptionButtonRect(b, m).Contains(p))
            return b;
    }
    return CaptionButton::None;
}

bool InIconSquare(Point p)
{
    return p.x >= 0 && p.y >= 0 && p.x <= 16 && p.y <= 16;
}

CaptionPress PressAt(Point p, const CaptionMetrics& m, const CaptionSetup& setup)
{
    if (CaptionButtonAt(p, m, setup.extraButtons) != CaptionButton::None)
        return CaptionPress::Nothing;
    if (setup.iconMenu && InIconSquare(p))
        return CaptionPress::Nothing;
    return CaptionPress::MoveWindow;
}

CaptionRelease ReleaseAt(Point p, const CaptionMetrics& m, const CaptionSetup& setup)
{
    const bool target = setup.hasTarget;
    switch (CaptionButtonAt(p, m, setup.extraButtons)) {
    case CaptionButton::Close:
        return {target ? CaptionRequest::CloseMessage : CaptionRequest::CancelCommand, target};
    case CaptionButton::Hide:
        return {target ? CaptionRequest::MinimizeTarget : CaptionRequest::HideCommand, target};
    case CaptionButton::Help:
        return {CaptionRequest::HelpCommand, target};
    case CaptionButton::Pin:
        return {CaptionRequest::ToggleOnTop, target};
    case CaptionButton::None:
        break;
    }
    if (setup.extraButtons && setup.iconMenu && InIconSquare(p))
        return {CaptionRequest::TrayMenu, false};
    return {};
}

int CaptionButtonThemeState(bool underMouse)
{
    return underMouse ? 1 : 5;
}

int PinThemeState(bool on, bool underMouse)
{
    if (on)
        return underMouse ? 5 : 4;
    return underMouse ? 2 : 0;
}

} // namespace chrome
