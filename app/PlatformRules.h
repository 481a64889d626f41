#pragma once
// The arithmetic of the platform layer, apart from the calls it feeds.
#include <string>
#include <string_view>

// Layered-window alpha for a transparency level: (200 - 2 * level) modulo 256.
unsigned char AlphaForLevel(int level);

// A filter string whose last character is its separator ("Wav files|*.wav|"): every
// separator becomes a zero, as the open-file dialog wants. The result keeps its zeros and
// ends with two.
std::string FilterForDialog(std::string_view filter);

struct ScreenPoint {
    int x;
    int y;
};
// Bottom-right placement: the window's lower right corner on the work area's.
ScreenPoint BottomRightPosition(int workAreaRight, int workAreaBottom, int width, int height);
