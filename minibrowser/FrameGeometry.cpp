#include "minibrowser/FrameGeometry.h"

namespace minibrowser {

namespace {
constexpr int kFurtherFrameStep = 100;
} // namespace

FrameBox DefaultFrameBox(const ScreenFacts& screen)
{
    return {screen.width / 4, screen.height / 4, screen.width / 2, screen.height / 2};
}

FrameBox InitialFrameBox(const int stored[4], bool savePos, const ScreenFacts& screen)
{
    const FrameBox fallback = DefaultFrameBox(screen);
    if (savePos && stored[3] != 0) {
        const long long left = stored[0], top = stored[1], width = stored[2], height = stored[3];
        const bool beyond = left >= screen.width || top >= screen.height;
        const bool before = left + width <= 0 || top + height <= 0;
        const bool badSize = width <= 0 || height <= 0 || width > 4LL * screen.width || height > 4LL * screen.height;
        if (beyond || before || badSize)
            return fallback;
        return {stored[0], stored[1], stored[2], stored[3]};
    }
    FrameBox box = fallback;
    box.left = screen.fullScreenWidth - box.width;
    box.top = screen.workBottom - box.height - screen.workTop;
    return box;
}

int MinimumFrameWidth(int frameBorderWidth, int captionButtonWidth)
{
    return 2 * (frameBorderWidth + 2 * captionButtonWidth + 156);
}

FrameBox DefaultPlacement(int frameWidth, const ScreenFacts& screen)
{
    FrameBox box;
    const int large = screen.width / 3 + screen.width / 2;
    if (frameWidth <= large - 60) {
        box.width = large;
        box.height = screen.height / 3 + screen.height / 2;
    } else {
        box.width = screen.width / 2;
        box.height = screen.height / 2;
    }
    box.left = screen.workRight - box.width;
    box.top = screen.workBottom - box.height;
    return box;
}

FrameBox FurtherFrameBox(const FrameBox& from)
{
    FrameBox box = from;
    box.left = from.left > kFurtherFrameStep ? from.left - kFurtherFrameStep : from.left + kFurtherFrameStep;
    box.top = from.top > kFurtherFrameStep ? from.top - kFurtherFrameStep : from.top + kFurtherFrameStep;
    return box;
}

FrameBox ClientToHostBox(const FrameBox& frame, int width, int height, int toolBarHeight, int frameBorderWidth,
                         int frameBorderHeight)
{
    FrameBox box = frame;
    box.width = width + frameBorderWidth;
    box.height = toolBarHeight + 2 * frameBorderHeight + height;
    return box;
}

} // namespace minibrowser
