#pragma once
// The colours of the program's skin.
#include "chrome/ChromeGeometry.h"

namespace chrome {

constexpr Colour kPanelColour = Rgb(220, 227, 245);        // panel and static controls
constexpr Colour kButtonFace = Rgb(210, 227, 245);
constexpr Colour kButtonFaceHovered = Rgb(255, 255, 255);
constexpr Colour kButtonOutline = Rgb(192, 192, 192);
constexpr Colour kDisabledText = Rgb(128, 128, 128);
constexpr Colour kShadowColour = Rgb(128, 128, 128);       // panel shadow and grip
constexpr Colour kTabFace = Rgb(30, 143, 255);
constexpr Colour kTabText = Rgb(59, 70, 96);
constexpr Colour kRimColour = Rgb(255, 255, 0);            // the docked window's rim, no theme

// Corner ellipse of the panel, the title tab and the buttons.
constexpr int kCornerEllipse = 10;

} // namespace chrome
