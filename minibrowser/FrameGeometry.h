#pragma once
// Where a mini browser frame goes: its first place, the stored rectangle, the smallest width,
// the F7 placement and the place of a further frame. Rectangles are left, top, width, height.

namespace minibrowser {

struct FrameBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline bool operator==(const FrameBox& a, const FrameBox& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// What the placement reads of the screen.
struct ScreenFacts {
    int width = 0;              // SM_CXSCREEN
    int height = 0;             // SM_CYSCREEN
    int fullScreenWidth = 0;    // SM_CXFULLSCREEN
    int workLeft = 0, workTop = 0, workRight = 0, workBottom = 0;
};

// Half the screen each way, a quarter of it in from the left and the top.
FrameBox DefaultFrameBox(const ScreenFacts& screen);

// The main frame's first place. With savePos and a stored height other than 0 the stored box
// (left, top, width, height); otherwise the default size in the lower right corner. A stored
// box that starts beyond the screen's right or bottom edge, that lies wholly left of or above
// the screen, or whose size is not positive or larger than the screen allows, gives the
// default box: a window nobody can reach or grab is of no use.
FrameBox InitialFrameBox(const int stored[4], bool savePos, const ScreenFacts& screen);

// The smallest width the frame may be given: room for the caption's buttons and label.
int MinimumFrameWidth(int frameBorderWidth, int captionButtonWidth);

// F7: a frame not wider than a third plus a half of the screen less 60 grows to a third plus
// a half of the screen each way, a wider one shrinks to half of it; it goes to the work area's
// lower right corner.
FrameBox DefaultPlacement(int frameWidth, const ScreenFacts& screen);

// A further frame opened from one at `from`: the same size, 100 pixels left of and above it,
// or 100 pixels to the right or below where `from` is at most 100 from the screen's edge.
FrameBox FurtherFrameBox(const FrameBox& from);

// The page asks for a size of its window (client to host window): the frame's new size, its
// place kept. toolBarHeight is the tool bar's client height.
FrameBox ClientToHostBox(const FrameBox& frame, int width, int height, int toolBarHeight, int frameBorderWidth,
                         int frameBorderHeight);

} // namespace minibrowser
