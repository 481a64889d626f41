#pragma once
// The geometry of a skinned window's client area: a caption-coloured ground, a light panel
// with a shadow and a grip, an optional title tab and, for the launcher, the caption line.
#include "chrome/ChromeGeometry.h"

namespace chrome {

struct BackgroundSpec {
    int width = 0;             // client size
    int height = 0;
    bool captionLine = false;  // the launcher and the monitor window keep a caption line on top
    bool titleTab = false;
    int tabTextWidth = 0;      // extent of the tab text in the caption font
    int tabTextHeight = 0;
};

struct BackgroundLayout {
    int captionOffset = 0;     // 16 with a caption line
    Rect panel;                // rounded by kCornerEllipse
    Stroke shadow[2];          // right and bottom, 2 pixels
    Stroke grip[3];            // the resize grip in the bottom-right corner
    bool hasTab = false;
    Rect tab;                  // rounded by kCornerEllipse
    Point tabText;
    Point tabPicture;          // where the tab's picture is copied
    Point icon;                // the small program icon of the caption line, 16 x 16
    Rect captionText;          // the caption line's texts, vertically centred
};

constexpr int kCaptionLineOffset = 16;
constexpr int kCaptionLineHeight = 20;
constexpr int kCaptionTextLeft = 26;

BackgroundLayout LayOutBackground(const BackgroundSpec& spec);

} // namespace chrome
