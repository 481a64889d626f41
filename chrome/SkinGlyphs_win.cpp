#include "chrome/SkinGlyphs_win.h"

#include "chrome/GdiTools_win.h"
#include "chrome/SkinColours.h"

void DrawPinGlyph(HDC dc, const RECT& b, bool on)
{
    const int cx = (b.left + b.right) / 2;
    const int cy = (b.top + b.bottom) / 2;
    UniquePen pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT)));
    UniqueBrush head(CreateSolidBrush(on ? RGB(200, 30, 30) : GetSysColor(COLOR_BTNFACE)));
    SelectInScope usePen(dc, pen.Get());
    SelectInScope useBrush(dc, head.Get());
    if (on) {
        // Head seen from above with the needle's shadow below it.
        Ellipse(dc, cx - 3, cy - 3, cx + 3, cy + 3);
        MoveToEx(dc, cx + 1, cy + 3, nullptr);
        LineTo(dc, cx + 3, cy + 5);
    } else {
        // Needle to the left, the collar, then the head to the right.
        MoveToEx(dc, cx - 5, cy, nullptr);
        LineTo(dc, cx - 1, cy);
        MoveToEx(dc, cx - 1, cy - 3, nullptr);
        LineTo(dc, cx - 1, cy + 4);
        Rectangle(dc, cx, cy - 2, cx + 5, cy + 3);
    }
}

void DrawHotOutline(HDC dc, const RECT& rect)
{
    UniqueBrush brush(CreateSolidBrush(ToColorRef(chrome::kTabFace)));
    RECT inner = rect;
    FrameRect(dc, &inner, brush.Get());
}

void DrawTabFoot(HDC dc, const RECT& tab, int top, COLORREF face, COLORREF outline)
{
    if (top >= tab.bottom)
        return;
    RECT foot = {tab.left, top, tab.right, tab.bottom};
    UniqueBrush brush(CreateSolidBrush(outline));
    FillRect(dc, &foot, brush.Get());
    foot.left += 1;
    foot.right -= 1;
    UniqueBrush inner(CreateSolidBrush(face));
    FillRect(dc, &foot, inner.Get());
}
