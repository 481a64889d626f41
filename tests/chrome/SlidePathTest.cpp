#include "chrome/SlidePath.h"

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

namespace {

using chrome::DockEdge;
using chrome::Point;
using chrome::Rect;
using chrome::SlideMetrics;

const DockEdge kEdges[] = {DockEdge::Left, DockEdge::Right, DockEdge::Top, DockEdge::Bottom};

// A 1280 x 800 screen with the taskbar at the bottom, 4-pixel frames.
SlideMetrics Screen()
{
    return {{0, 0, 1280, 770}, 4, 4};
}

Rect WindowAt(Point at, int w, int h) { return {at.x, at.y, at.x + w, at.y + h}; }

TEST(DockPlaces, EachEdgeLeavesOneFrameOnScreen)
{
    const Rect window{900, 500, 1200, 700};   // 300 x 200
    const SlideMetrics m = Screen();
    EXPECT_EQ(DockedPlace(DockEdge::Left, window, m), (Point{-296, 500}));
    EXPECT_EQ(DockedPlace(DockEdge::Right, window, m), (Point{1276, 500}));
    EXPECT_EQ(DockedPlace(DockEdge::Top, window, m), (Point{900, -196}));
    EXPECT_EQ(DockedPlace(DockEdge::Bottom, window, m), (Point{900, 766}));

    EXPECT_EQ(ShownPlace(DockEdge::Left, window, m), (Point{0, 500}));
    EXPECT_EQ(ShownPlace(DockEdge::Right, window, m), (Point{980, 500}));
    EXPECT_EQ(ShownPlace(DockEdge::Top, window, m), (Point{900, 0}));
    EXPECT_EQ(ShownPlace(DockEdge::Bottom, window, m), (Point{900, 570}));
}

TEST(DockPlaces, WorkAreaAwayFromTheScreenCornerIsFollowed)
{
    // Taskbar on the left (60 wide) and a bar on top (30 high): the docked strip is the frame
    // inside the work area on every edge, not the work area's size measured from 0.
    const SlideMetrics m{{60, 30, 1280, 800}, 4, 4};
    for (DockEdge edge : kEdges) {
        for (Rect window : {Rect{100, 100, 400, 300}, Rect{700, 400, 1100, 780}}) {
            Rect docked = WindowAt(DockedPlace(edge, window, m), window.Width(), window.Height());
            Rect shown = WindowAt(ShownPlace(edge, window, m), window.Width(), window.Height());
            switch (edge) {
            case DockEdge::Left:
                EXPECT_EQ(docked.right, 64);
                EXPECT_EQ(shown.left, 60);
                break;
            case DockEdge::Right:
                EXPECT_EQ(docked.left, 1276);
                EXPECT_EQ(shown.right, 1280);
                break;
            case DockEdge::Top:
                EXPECT_EQ(docked.bottom, 34);
                EXPECT_EQ(shown.top, 30);
                break;
            case DockEdge::Bottom:
                EXPECT_EQ(docked.top, 796);
                EXPECT_EQ(shown.bottom, 800);
                break;
            }
        }
    }
}

TEST(DockPlaces, OnlyTheCoordinateAcrossTheEdgeChanges)
{
    const Rect window{321, 123, 621, 323};
    for (DockEdge edge : kEdges) {
        Point docked = DockedPlace(edge, window, Screen());
        Point shown = ShownPlace(edge, window, Screen());
        bool across = edge == DockEdge::Left || edge == DockEdge::Right;
        EXPECT_EQ(across ? docked.y : docked.x, across ? 123 : 321);
        EXPECT_EQ(across ? shown.y : shown.x, across ? 123 : 321);
    }
}

TEST(DockPlaces, UnknownCornerValuesDockAtTheTop)
{
    EXPECT_EQ(chrome::EdgeFromCorner(0), DockEdge::Left);
    EXPECT_EQ(chrome::EdgeFromCorner(1), DockEdge::Right);
    EXPECT_EQ(chrome::EdgeFromCorner(2), DockEdge::Top);
    EXPECT_EQ(chrome::EdgeFromCorner(3), DockEdge::Bottom);
    EXPECT_EQ(chrome::EdgeFromCorner(4), DockEdge::Top);
    EXPECT_EQ(chrome::EdgeFromCorner(-1), DockEdge::Top);
}

TEST(SlidePath, AWindow300HighDocksAtTheTopInEightMoves)
{
    const Rect window{900, 0, 1200, 300};
    Point to = DockedPlace(DockEdge::Top, window, Screen());
    std::vector<Point> path = chrome::SlidePathBetween({900, 0}, to);
    std::vector<Point> expected;
    for (int y = -40; y > -296; y -= 40)
        expected.push_back({900, y});
    expected.push_back({900, -296});
    EXPECT_EQ(path, expected);
    EXPECT_EQ(path.size(), 8u);
    // 20 ms a move keeps the whole slide under 0.2 s.
    EXPECT_LT(path.size() * chrome::kSlideStepMs, 200u);
}

TEST(SlidePath, StepsNeverPassTheEndInEitherDirection)
{
    const Point starts[] = {{0, 0}, {1000, 570}, {-296, 17}, {5, 766}, {1276, -196}};
    for (Point from : starts) {
        for (Point to : starts) {
            if (from == to)
                continue;
            std::vector<Point> path = chrome::SlidePathBetween(from, to);
            ASSERT_FALSE(path.empty());
            EXPECT_EQ(path.back(), to);
            Point previous = from;
            for (Point at : path) {
                EXPECT_LE(std::abs(at.x - previous.x), chrome::kSlideStepPixels);
                EXPECT_LE(std::abs(at.y - previous.y), chrome::kSlideStepPixels);
                // Between start and end on both axes: no overshoot and back.
                EXPECT_LE(std::abs(to.x - at.x), std::abs(to.x - previous.x));
                EXPECT_LE(std::abs(to.y - at.y), std::abs(to.y - previous.y));
                EXPECT_NE(at, previous) << "a move that does not move";
                previous = at;
            }
        }
    }
}

TEST(SlidePath, ASlideInPlaceIsOneFinalMove)
{
    EXPECT_EQ(chrome::SlidePathBetween({7, 9}, {7, 9}), (std::vector<Point>{{7, 9}}));
    EXPECT_EQ(chrome::SlidePathBetween({0, 0}, {40, 0}), (std::vector<Point>{{40, 0}}));
    EXPECT_EQ(chrome::SlidePathBetween({0, 0}, {41, 0}), (std::vector<Point>{{40, 0}, {41, 0}}));
}

TEST(Rim, CoversTheStripThatStaysOnScreen)
{
    const SlideMetrics m = Screen();
    const Rect window{500, 300, 800, 500};
    for (DockEdge edge : kEdges) {
        Point at = DockedPlace(edge, window, m);
        Rect docked = WindowAt(at, window.Width(), window.Height());
        // The visible part, in window coordinates.
        Rect visible{std::max(docked.left, m.workArea.left) - at.x, std::max(docked.top, m.workArea.top) - at.y,
                     std::min(docked.right, m.workArea.right) - at.x, std::min(docked.bottom, m.workArea.bottom) - at.y};
        ASSERT_GT(visible.Width(), 0);
        ASSERT_GT(visible.Height(), 0);
        Rect rim = chrome::RimRect(edge, window.Width(), window.Height(), m.frameWidth, m.frameHeight);
        EXPECT_LE(rim.left, visible.left);
        EXPECT_LE(rim.top, visible.top);
        EXPECT_GE(rim.right, visible.right);
        EXPECT_GE(rim.bottom, visible.bottom);
    }
}

TEST(Rim, StripsPerEdge)
{
    EXPECT_EQ(chrome::RimRect(DockEdge::Left, 300, 200, 4, 3), (Rect{292, 0, 300, 200}));
    EXPECT_EQ(chrome::RimRect(DockEdge::Right, 300, 200, 4, 3), (Rect{-10, 0, 4, 200}));
    EXPECT_EQ(chrome::RimRect(DockEdge::Top, 300, 200, 4, 3), (Rect{0, 194, 300, 206}));
    EXPECT_EQ(chrome::RimRect(DockEdge::Bottom, 300, 200, 4, 3), (Rect{0, -10, 300, 6}));
}

} // namespace
