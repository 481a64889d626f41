#include "chrome/BackgroundLayout.h"

namespace chrome {

BackgroundLayout LayOutBackground(const BackgroundSpec& s)
{
    BackgroundLayout out;
    const int w = s.width;
    const int h = s.height;
    const int b = s.captionLine ? kCaptionLineOffset : 0;
    // Without a tab the panel rises 10 pixels into the space the tab would take.
    const int lift = s.titleTab ? 0 : 10;
    out.captionOffset = b;
    out.panel = {5, b - lift + 20, w - 5, h - 5};
    out.shadow[0] = {{w - 4, b - lift + 25}, {w - 4, h - 10}, 2};
    out.shadow[1] = {{10, h - 4}, {w - 10, h - 4}, 2};
    out.grip[0] = {{w - 10, h - 5}, {w - 8, h - 5}, 2};
    out.grip[1] = {{w - 7, h - 7}, {w - 6, h - 7}, 2};
    out.grip[2] = {{w - 6, h - 9}, {w - 4, h - 9}, 1};
    out.hasTab = s.titleTab;
    if (s.titleTab) {
        out.tab = {5, b + 6, s.tabTextWidth + 20, b + s.tabTextHeight + 10};
        // The text sits in the middle of the tab's height (text height + 4).
        out.tabText = {15, b + 8};
        out.tabPicture = {5, b + 18};
    }
    out.icon = {2, 2};
    out.captionText = {kCaptionTextLeft, 0, w, kCaptionLineHeight};
    return out;
}

} // namespace chrome
