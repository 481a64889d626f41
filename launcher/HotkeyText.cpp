#include "launcher/HotkeyText.h"

std::string HotkeyText(int code)
{
    if (code == 0)
        return std::string();
    int key = code & 0xFF;
    int modifiers = (code >> 8) & 0xFF;
    std::string text;
    if (modifiers & 2)
        text += "Ctrl+";
    if (modifiers & 1)
        text += "Shift+";
    if (modifiers & 4)
        text += "Alt+";
    if (key >= 112 && key <= 123)
        text += "F" + std::to_string(key - 111);
    else if (key != 0)   // no key at all shows only the modifiers
        text += static_cast<char>(key);
    return text;
}
