#include "chrome/ButtonLook.h"

#include "chrome/SkinColours.h"

namespace chrome {

ButtonLook LookOf(const ButtonState& s)
{
    ButtonLook look;
    look.face = s.hovered ? kButtonFaceHovered : kButtonFace;
    look.outline = kButtonOutline;
    look.greyText = s.disabled;
    look.textShift = s.pressed ? 2 : 0;
    look.focusRect = s.focused;
    return look;
}

Rect FocusRectOf(const Rect& b)
{
    return {b.left + 4, b.top + 2, b.right - 4, b.bottom - 2};
}

Rect TextRectOf(const Rect& b, const ButtonLook& look)
{
    return b.Offset(look.textShift, look.textShift);
}

bool TakesHoverTracking(unsigned long style)
{
    return (style & 0xBu) != 0;
}

bool IsOwnerDrawn(unsigned long style)
{
    return (style & kButtonTypeMask) == kOwnerDrawType;
}

bool IsPlainPushButton(unsigned long style)
{
    unsigned long type = style & kButtonTypeMask;
    return type == 0 || type == 1;
}

} // namespace chrome
