#pragma once
// Where a window docked at a screen edge waits, where it comes back to, and the positions it
// passes on the way. Only a strip as wide as the window frame stays on screen while docked.
#include <vector>

#include "chrome/ChromeGeometry.h"

namespace chrome {

// The option hideCorner: 0 left, 1 right, 2 top, 3 bottom.
enum class DockEdge { Left = 0, Right = 1, Top = 2, Bottom = 3 };

// Unknown values (a hand-edited settings file) dock at the top, the option's default, rather
// than marking the window docked without moving it.
DockEdge EdgeFromCorner(int hideCorner);

struct SlideMetrics {
    Rect workArea;        // SPI_GETWORKAREA
    int frameWidth = 0;   // SM_CXFRAME
    int frameHeight = 0;  // SM_CYFRAME
};

constexpr int kSlideStepPixels = 40;
constexpr int kSlideStepMs = 20;

// The window's top-left corner when docked at edge: one frame width or height stays inside
// the work area. Only the coordinate across the edge changes.
Point DockedPlace(DockEdge edge, const Rect& window, const SlideMetrics& metrics);
// The top-left corner when it is back: its side flush with the work area's edge.
Point ShownPlace(DockEdge edge, const Rect& window, const SlideMetrics& metrics);

// The moves of one slide from `from` to `to`: kSlideStepPixels further each time, never past
// the end, the last move exactly at `to`. Never empty: a slide in place is its final move.
std::vector<Point> SlidePathBetween(Point from, Point to);

// The strip painted along the border that stays visible while docked, in window
// coordinates of a window of the given size (parts of it may lie off screen).
Rect RimRect(DockEdge edge, int windowWidth, int windowHeight, int frameWidth, int frameHeight);

} // namespace chrome
