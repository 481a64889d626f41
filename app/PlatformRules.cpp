#include "app/PlatformRules.h"

unsigned char AlphaForLevel(int level)
{
    int alpha = (200 - 2 * level) % 256;
    if (alpha < 0)
        alpha += 256;
    return static_cast<unsigned char>(alpha);
}

std::string FilterForDialog(std::string_view filter)
{
    std::string out(filter);
    if (!out.empty()) {
        char separator = out.back();
        for (char& c : out)
            if (c == separator)
                c = '\0';
    }
    out.push_back('\0');
    out.push_back('\0');
    return out;
}

ScreenPoint BottomRightPosition(int workAreaRight, int workAreaBottom, int width, int height)
{
    return {workAreaRight - width, workAreaBottom - height};
}
