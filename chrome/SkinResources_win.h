#pragma once
// The fonts and pictures one skinned window draws with; it owns them and frees them when it
// goes. Pictures missing from the program's resources are drawn by the painters instead.
#include <windows.h>

#include "app/WinHandles_win.h"

// Picture ids of the skin.
constexpr UINT kTabPictureId = 155;
constexpr UINT kPinOffPictureId = 185;
constexpr UINT kPinOnPictureId = 186;

class SkinResources {
public:
    SkinResources();

    // "Verdana", 8 points: bold for the caption and the tab, italic for the caption's second text.
    HFONT CaptionFont() const { return bold_.Get(); }
    HFONT TaglineFont() const { return italic_.Get(); }
    HBITMAP TabPicture() const { return tab_.Get(); }
    HBITMAP PinPicture(bool on) const { return on ? pinOn_.Get() : pinOff_.Get(); }

private:
    UniqueFont bold_;
    UniqueFont italic_;
    UniqueBitmap tab_;
    UniqueBitmap pinOff_;
    UniqueBitmap pinOn_;
};
