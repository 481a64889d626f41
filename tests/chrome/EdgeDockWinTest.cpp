// Docking at the screen edges under Wine, with a work area of the tests' own: places, the
// steps of a slide, refused slides, the rim, the hover re-open and the taskbar's z-order.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include <gtest/gtest.h>

#include "ChromeFixture_win.h"
#include "chrome/EdgeDock_win.h"
#include "chrome/LauncherChrome_win.h"
#include "chrome/SlidePath.h"

namespace {

using namespace chrome_test;
using chrome::DockPhase;

// A work area that does not start at the screen's corner, as with taskbars on the left and top.
const RECT kWorkArea = {40, 30, 1240, 770};

struct Move {
    POINT at;
    DWORD time;
};

// Records every move of the window, by a subclass of the test's own.
LRESULT CALLBACK RecordMoves(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept
{
    if (message == WM_WINDOWPOSCHANGED) {
        const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        auto* moves = reinterpret_cast<std::vector<Move>*>(data);
        if (!(pos->flags & SWP_NOMOVE) && (moves->empty() || moves->back().at.x != pos->x || moves->back().at.y != pos->y))
            moves->push_back({{pos->x, pos->y}, GetTickCount()});
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

class DockTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &savedWorkArea_, 0);
        RECT work = kWorkArea;
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
    }
    static void TearDownTestSuite() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &savedWorkArea_, 0); }

    void SetUp() override
    {
        PrepareApplication();
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        ASSERT_TRUE(EqualRect(&work, &kWorkArea)) << "the test's work area did not take";
        Options().OnTop = 0;
        Options().CloseAfter = 0;
        Options().HideCorner = 2;
        ASSERT_TRUE(dialog_.Window());
        ApplyLauncherChrome(dialog_.Window());
        // The mouse rests where no docked window goes.
        SetCursorPos(5, 795);
        Place(400, 300);
        frameX_ = GetSystemMetrics(SM_CXFRAME);
        frameY_ = GetSystemMetrics(SM_CYFRAME);
        RECT r = WindowRectOf(Window());
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
    }

    HWND Window() const { return dialog_.Window(); }
    void Place(int x, int y) { SetWindowPos(Window(), HWND_NOTOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE); }
    bool WaitPhase(DockPhase phase, DWORD timeout = 5000)
    {
        return wt::WaitUntil([&] { return DockPhaseOf(Window()) == phase; }, timeout);
    }
    bool Topmost() const { return (GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    // Docks at the edge and waits until it is there.
    void DockAt(int corner)
    {
        Options().HideCorner = corner;
        ASSERT_TRUE(SlideAway(Window(), true));
        ASSERT_TRUE(WaitPhase(DockPhase::Docked));
        wt::PumpMessages(50);
    }

    static RECT savedWorkArea_;
    TestDialog dialog_;
    int frameX_ = 0;
    int frameY_ = 0;
    int width_ = 0;
    int height_ = 0;
};

RECT DockTest::savedWorkArea_ = {};

TEST_F(DockTest, SlidesToEachEdgeAndBackRefusingSlidesOnTheWay)
{
    for (int corner = 0; corner < 4; ++corner) {
        SCOPED_TRACE(corner);
        Options().HideCorner = corner;
        Place(400, 300);
        ASSERT_TRUE(SlideAway(Window(), true));
        EXPECT_TRUE(IsDockedAway(Window()));
        EXPECT_TRUE(IsSliding(Window()));
        EXPECT_FALSE(SlideAway(Window(), true)) << "a second slide while one runs";
        EXPECT_FALSE(SlideBack(Window())) << "back while sliding away";
        ASSERT_TRUE(WaitPhase(DockPhase::Docked));
        RECT docked = WindowRectOf(Window());
        switch (corner) {
        case 0: EXPECT_EQ(docked.right, kWorkArea.left + frameX_); break;
        case 1: EXPECT_EQ(docked.left, kWorkArea.right - frameX_); break;
        case 2: EXPECT_EQ(docked.bottom, kWorkArea.top + frameY_); break;
        case 3: EXPECT_EQ(docked.top, kWorkArea.bottom - frameY_); break;
        }
        EXPECT_EQ(docked.right - docked.left, width_);
        EXPECT_EQ(docked.bottom - docked.top, height_);
        EXPECT_TRUE(Topmost()) << "the rim stays above other windows";
        EXPECT_FALSE(SlideAway(Window(), true)) << "already docked";

        ASSERT_TRUE(SlideBack(Window()));
        EXPECT_FALSE(IsDockedAway(Window()));
        EXPECT_FALSE(SlideBack(Window())) << "a second slide back while one runs";
        EXPECT_FALSE(SlideAway(Window(), true)) << "away while sliding back";
        ASSERT_TRUE(WaitPhase(DockPhase::Shown));
        RECT shown = WindowRectOf(Window());
        switch (corner) {
        case 0: EXPECT_EQ(shown.left, kWorkArea.left); break;
        case 1: EXPECT_EQ(shown.right, kWorkArea.right); break;
        case 2: EXPECT_EQ(shown.top, kWorkArea.top); break;
        case 3: EXPECT_EQ(shown.bottom, kWorkArea.bottom); break;
        }
        EXPECT_FALSE(Topmost()) << "OnTop is 0";
        EXPECT_FALSE(SlideBack(Window())) << "back while shown";
    }
}

TEST_F(DockTest, SlidesIn40PixelStepsEvery20Ms)
{
    std::vector<Move> moves;
    SetWindowSubclass(Window(), RecordMoves, 77, reinterpret_cast<DWORD_PTR>(&moves));
    Place(400, kWorkArea.top);
    moves.clear();
    ASSERT_TRUE(SlideAway(Window(), true));
    ASSERT_TRUE(WaitPhase(DockPhase::Docked));
    RemoveWindowSubclass(Window(), RecordMoves, 77);

    std::vector<chrome::Point> expected =
        chrome::SlidePathBetween({400, kWorkArea.top}, {400, kWorkArea.top - height_ + frameY_});
    ASSERT_EQ(moves.size(), expected.size());
    for (std::size_t i = 0; i < moves.size(); ++i) {
        EXPECT_EQ(moves[i].at.x, expected[i].x);
        EXPECT_EQ(moves[i].at.y, expected[i].y);
    }
    // One step every 20 ms: not all at once, and not dawdling either.
    DWORD took = moves.back().time - moves.front().time;
    EXPECT_GE(took, (moves.size() - 1) * 15);
    EXPECT_LE(took, (moves.size() - 1) * 20 * 5 + 800);
}

TEST_F(DockTest, TheRimIsPaintedAndIsNoSizingBorder)
{
    RECT shown = WindowRectOf(Window());
    POINT bottomEdge = {(shown.left + shown.right) / 2, shown.bottom - 1};
    EXPECT_EQ(SendMessageA(Window(), WM_NCHITTEST, 0, MAKELPARAM(bottomEdge.x, bottomEdge.y)), HTBOTTOM);

    DockAt(2);
    RECT docked = WindowRectOf(Window());
    // The rim along the visible bottom border, in window coordinates.
    HDC dc = GetWindowDC(Window());
    COLORREF rim = GetPixel(dc, width_ / 2, height_ - 1);
    ReleaseDC(Window(), dc);
    EXPECT_EQ(rim, RGB(255, 255, 0)) << ColourText(rim);
    POINT onRim = {(docked.left + docked.right) / 2, docked.bottom - 1};
    EXPECT_EQ(SendMessageA(Window(), WM_NCHITTEST, 0, MAKELPARAM(onRim.x, onRim.y)), HTBORDER);

    // Another activation repaints the frame; the rim stays.
    SendMessageA(Window(), WM_NCACTIVATE, FALSE, 0);
    dc = GetWindowDC(Window());
    EXPECT_EQ(GetPixel(dc, width_ / 2, height_ - 1), RGB(255, 255, 0));
    ReleaseDC(Window(), dc);

    ASSERT_TRUE(SlideBack(Window()));
    ASSERT_TRUE(WaitPhase(DockPhase::Shown));
    wt::PumpMessages(50);
    dc = GetWindowDC(Window());
    EXPECT_NE(GetPixel(dc, width_ / 2, height_ - 1), RGB(255, 255, 0)) << "the rim goes with the dock";
    ReleaseDC(Window(), dc);
}

TEST_F(DockTest, RestingOnTheRimReopensAfter200Ms)
{
    DockAt(2);
    RECT docked = WindowRectOf(Window());
    POINT rim = {(docked.left + docked.right) / 2, docked.bottom - 1};
    SetCursorPos(rim.x, rim.y);
    DWORD start = GetTickCount();
    PostMessageA(Window(), WM_NCMOUSEMOVE, HTBORDER, MAKELPARAM(rim.x, rim.y));
    ASSERT_TRUE(wt::WaitUntil([&] { return DockPhaseOf(Window()) != DockPhase::Docked; }, 2000));
    DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 180u);
    EXPECT_LE(waited, 1500u);
    ASSERT_TRUE(WaitPhase(DockPhase::Shown));
    EXPECT_EQ(WindowRectOf(Window()).top, kWorkArea.top);
    EXPECT_EQ(GetFocus(), dialog_.Item(kTextBox)) << "ready for typing";
}

TEST_F(DockTest, HoverTimerRestartsWithEachMoveAndNeedsTheCursorStillThere)
{
    DockAt(2);
    RECT docked = WindowRectOf(Window());
    POINT rim = {(docked.left + docked.right) / 2, docked.bottom - 1};
    SetCursorPos(rim.x, rim.y);
    // Moving on the rim keeps restarting the timer.
    for (int i = 0; i < 12; ++i) {
        PostMessageA(Window(), WM_NCMOUSEMOVE, HTBORDER, MAKELPARAM(rim.x, rim.y));
        wt::PumpMessages(50);
        EXPECT_EQ(DockPhaseOf(Window()), DockPhase::Docked) << i;
    }
    // The mouse goes on before the timer fires: the window stays docked.
    SetCursorPos(640, 500);
    wt::PumpMessages(500);
    EXPECT_EQ(DockPhaseOf(Window()), DockPhase::Docked);
    // Movements while shown arm nothing.
    ASSERT_TRUE(SlideBack(Window()));
    ASSERT_TRUE(WaitPhase(DockPhase::Shown));
    RECT shown = WindowRectOf(Window());
    SetCursorPos(shown.left + 5, shown.bottom - 1);
    PostMessageA(Window(), WM_NCMOUSEMOVE, HTBOTTOM, MAKELPARAM(shown.left + 5, shown.bottom - 1));
    wt::PumpMessages(400);
    EXPECT_EQ(DockPhaseOf(Window()), DockPhase::Shown);
    EXPECT_EQ(WindowRectOf(Window()).top, shown.top);
}

TEST_F(DockTest, AWindowDockingUnderARestingMouseStaysDocked)
{
    // The mouse rests where the rim will be; the window arrives under it.
    Place(400, kWorkArea.top);
    RECT shown = WindowRectOf(Window());
    SetCursorPos(shown.left + 40, kWorkArea.top + frameY_ / 2);
    wt::PumpMessages(50);
    DockAt(2);
    ASSERT_EQ(WindowFromPoint({shown.left + 40, kWorkArea.top + frameY_ / 2}), Window());
    PostMessageA(Window(), WM_NCMOUSEMOVE, HTBORDER, 0);
    wt::PumpMessages(400);
    EXPECT_EQ(DockPhaseOf(Window()), DockPhase::Docked);
    // A real movement on the rim does bring it back.
    SetCursorPos(shown.left + 60, kWorkArea.top + frameY_ / 2);
    PostMessageA(Window(), WM_NCMOUSEMOVE, HTBORDER, 0);
    EXPECT_TRUE(WaitPhase(DockPhase::Shown, 2000));
}

TEST_F(DockTest, OnTopKeepsItTopmostOnceBackAndUnknownCornersDockAtTheTop)
{
    Options().OnTop = 1;
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DockAt(7);
    EXPECT_EQ(WindowRectOf(Window()).bottom, kWorkArea.top + frameY_);
    ASSERT_TRUE(SlideBack(Window()));
    ASSERT_TRUE(WaitPhase(DockPhase::Shown));
    EXPECT_TRUE(Topmost());
}

TEST_F(DockTest, TheTopmostTaskbarStaysAboveAndTakesTheForeground)
{
    wt::FakeTray taskbar;
    ASSERT_TRUE(taskbar.Ok());
    SetWindowPos(taskbar.Window(), HWND_TOPMOST, 0, 790, 1280, 10, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetForegroundWindow(Window());
    wt::PumpMessages(50);
    ASSERT_EQ(GetForegroundWindow(), Window());

    Options().HideCorner = 3;
    ASSERT_TRUE(SlideAway(Window(), false));
    EXPECT_EQ(GetForegroundWindow(), taskbar.Window()) << "the launcher hands the foreground on at once";
    ASSERT_TRUE(WaitPhase(DockPhase::Docked));
    // The first of the two from the top of the z-order is the taskbar.
    HWND first = nullptr;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == taskbar.Window() || w == Window()) {
            first = w;
            break;
        }
    }
    EXPECT_EQ(first, taskbar.Window());
    ForgetDock(Window());
}

TEST_F(DockTest, ZoomToTrayWhileDockedComesBackInView)
{
    DockAt(0);
    ZoomLauncherToTray(Window());
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_FALSE(LauncherIsDockedAway(Window()));
    BringLauncherBack(Window());
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(WindowRectOf(Window()).left, kWorkArea.left);

    // Bringing back a docked launcher slides it out, whatever CloseAfter says by now.
    DockAt(1);
    Options().CloseAfter = 1;
    BringLauncherBack(Window());
    ASSERT_TRUE(WaitPhase(DockPhase::Shown));
    EXPECT_EQ(WindowRectOf(Window()).right, kWorkArea.right);

    // Docked while hidden: it comes back visible.
    ShowWindow(Window(), SW_HIDE);
    DockAt(2);
    BringLauncherBack(Window());
    ASSERT_TRUE(WaitPhase(DockPhase::Shown));
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(WindowRectOf(Window()).top, kWorkArea.top);
}

TEST_F(DockTest, ForgettingOrDestroyingDuringASlideStopsIt)
{
    Place(400, 300);
    ASSERT_TRUE(SlideAway(Window(), true));
    ForgetDock(Window());
    RECT stopped = WindowRectOf(Window());
    wt::PumpMessages(200);
    EXPECT_EQ(WindowRectOf(Window()).top, stopped.top);
    EXPECT_EQ(DockPhaseOf(Window()), DockPhase::Shown);
    EXPECT_TRUE(SlideAway(Window(), true)) << "a forgotten dock slides again";

    // A window destroyed while sliding leaves no timer behind.
    TestDialog other;
    ApplyLauncherChrome(other.Window());
    ASSERT_TRUE(SlideAway(other.Window(), true));
    DestroyWindow(other.Window());
    wt::PumpMessages(200);
    EXPECT_FALSE(IsDockedAway(other.Window()));
    FinishSlide(Window());
    EXPECT_EQ(DockPhaseOf(Window()), DockPhase::Docked);
}

TEST_F(DockTest, ADockedWindowFollowsAChangedWorkArea)
{
    DockAt(2);
    RECT moved = kWorkArea;
    moved.top = 60;
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &moved, 0);
    SendMessageA(Window(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_EQ(WindowRectOf(Window()).bottom, 60 + frameY_);
    RECT work = kWorkArea;
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
}

} // namespace
