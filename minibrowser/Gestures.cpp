#include "minibrowser/Gestures.h"

namespace minibrowser {

namespace {
constexpr int kStroke = 40;
int Abs(int v) { return v < 0 ? -v : v; }
} // namespace

Gesture ClassifyStroke(int dx, int dy)
{
    if (dx <= -kStroke && Abs(dy) <= kStroke)
        return Gesture::Back;
    if (dx >= kStroke && Abs(dy) <= kStroke)
        return Gesture::Forward;
    if (dy >= kStroke && Abs(dx) <= kStroke)
        return Gesture::Minimise;
    if (dy <= -kStroke && Abs(dx) <= kStroke)
        return Gesture::NewWindow;
    if (dy > kStroke && dx < -kStroke)
        return Gesture::CloseAll;
    if (dy > kStroke && dx > kStroke)
        return Gesture::CloseFrame;
    if (dy < -kStroke && dx < -kStroke)
        return Gesture::DefaultBrowser;
    if (dy < -kStroke && dx > kStroke)
        return Gesture::ToggleLauncher;
    return Gesture::None;
}

ClickAction ClickNavigation::OnButtonUp(MouseButton button, bool otherHeld)
{
    if (swallowPending_ && button == swallowButton_) {
        swallowPending_ = false;
        return ClickAction::Swallow;
    }
    if (!otherHeld)
        return ClickAction::Pass;
    swallowPending_ = true;
    swallowButton_ = button == MouseButton::Left ? MouseButton::Right : MouseButton::Left;
    return button == MouseButton::Right ? ClickAction::Forward : ClickAction::Back;
}

void ClickNavigation::OnButtonDown(MouseButton button)
{
    if (swallowPending_ && button == swallowButton_)
        swallowPending_ = false;
}

} // namespace minibrowser
