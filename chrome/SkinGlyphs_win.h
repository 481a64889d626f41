#pragma once
// Small drawings of the skin that stand in for pictures the resources may lack, and the
// highlight of a caption button under the mouse where the system draws none.
#include <windows.h>

// A push pin: lying on its side when off, pressed in (seen from above) when on.
void DrawPinGlyph(HDC dc, const RECT& button, bool on);
// A one-pixel frame in the skin's accent colour just inside rect.
void DrawHotOutline(HDC dc, const RECT& rect);
// Squares off the bottom of the title tab where it meets the panel.
void DrawTabFoot(HDC dc, const RECT& tab, int top, COLORREF face, COLORREF outline);
