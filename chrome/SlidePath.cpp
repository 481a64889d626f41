#include "chrome/SlidePath.h"

namespace chrome {

namespace {

int Toward(int value, int target, int step)
{
    if (value < target)
        return value + step < target ? value + step : target;
    if (value > target)
        return value - step > target ? value - step : target;
    return value;
}

} // namespace

DockEdge EdgeFromCorner(int hideCorner)
{
    switch (hideCorner) {
    case 0: return DockEdge::Left;
    case 1: return DockEdge::Right;
    case 3: return DockEdge::Bottom;
    default: return DockEdge::Top;
    }
}

// The work area's right and bottom edges are used rather than its width and height, so that
// a taskbar at the left or at the top does not leave the docked window half on screen.
Point DockedPlace(DockEdge edge, const Rect& window, const SlideMetrics& m)
{
    Point at{window.left, window.top};
    switch (edge) {
    case DockEdge::Left: at.x = m.workArea.left - window.Width() + m.frameWidth; break;
    case DockEdge::Right: at.x = m.workArea.right - m.frameWidth; break;
    case DockEdge::Top: at.y = m.workArea.top - window.Height() + m.frameHeight; break;
    case DockEdge::Bottom: at.y = m.workArea.bottom - m.frameHeight; break;
    }
    return at;
}

Point ShownPlace(DockEdge edge, const Rect& window, const SlideMetrics& m)
{
    Point at{window.left, window.top};
    switch (edge) {
    case DockEdge::Left: at.x = m.workArea.left; break;
    case DockEdge::Right: at.x = m.workArea.right - window.Width(); break;
    case DockEdge::Top: at.y = m.workArea.top; break;
    case DockEdge::Bottom: at.y = m.workArea.bottom - window.Height(); break;
    }
    return at;
}

std::vector<Point> SlidePathBetween(Point from, Point to)
{
    std::vector<Point> path;
    Point at = from;
    do {
        at.x = Toward(at.x, to.x, kSlideStepPixels);
        at.y = Toward(at.y, to.y, kSlideStepPixels);
        path.push_back(at);
    } while (at != to);
    return path;
}

Rect RimRect(DockEdge edge, int w, int h, int fw, int fh)
{
    switch (edge) {
    case DockEdge::Left: return {w - 2 * fw, 0, w, h};
    case DockEdge::Right: return {-10, 0, fw, h};
    case DockEdge::Top: return {0, h - 2 * fh, w, h + 2 * fh};
    case DockEdge::Bottom: return {0, -10, w, 2 * fh};
    }
    return {};
}

} // namespace chrome
