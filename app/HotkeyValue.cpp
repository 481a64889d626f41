#include "app/HotkeyValue.h"

unsigned HotkeyModifiers(int value)
{
    unsigned modifiers = 0;
    if (value & 0x0200)
        modifiers |= kModControl;
    if (value & 0x0100)
        modifiers |= kModShift;
    if (value & 0x0400)
        modifiers |= kModAlt;
    return modifiers;
}

unsigned HotkeyVirtualKey(int value)
{
    return static_cast<unsigned>(value) & 0xFF;
}
