#pragma once
// Small geometry types of the window chrome, free of any platform header. Rectangles are
// half-open like the system's: a point on the right or bottom edge lies outside.

namespace chrome {

struct Point {
    int x = 0;
    int y = 0;
};

inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(Point a, Point b) { return !(a == b); }

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

// A line from one point to another, drawn with a pen of the given width.
struct Stroke {
    Point from;
    Point to;
    int width = 1;
};

// A colour in the system's byte order (red in the low byte), so it converts to COLORREF as is.
using Colour = unsigned long;
constexpr Colour Rgb(unsigned r, unsigned g, unsigned b)
{
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

} // namespace chrome
