#pragma once
// Mouse gestures and mouse-click navigation in the page: what a right-button stroke means, and
// what a button released while the other one is held does.

namespace minibrowser {

enum class Gesture {
    None,            // no stroke: the press and release go back to the page
    Back,
    Forward,
    Minimise,        // this frame
    NewWindow,       // by MiniBrowserCtrlN
    CloseAll,
    CloseFrame,
    DefaultBrowser,  // open the page in the user's browser
    ToggleLauncher,
};

// A stroke from the press to the release point (dx to the right, dy downwards); 40 pixels make
// a stroke. The straight strokes are tested first, then the diagonals.
Gesture ClassifyStroke(int dx, int dy);

enum class MouseButton { Left, Right };
enum class ClickAction { Pass, Back, Forward, Swallow };

// Releasing one button while the other is held navigates (right up over a held left: forward;
// left up over a held right: back), and the release of the other button that follows is
// swallowed, so that the page sees no click of it.
class ClickNavigation {
public:
    ClickAction OnButtonUp(MouseButton button, bool otherHeld);
    // A press of the button whose release is awaited for swallowing starts afresh.
    void OnButtonDown(MouseButton button);

private:
    bool swallowPending_ = false;
    MouseButton swallowButton_ = MouseButton::Left;
};

} // namespace minibrowser
