#include "chrome/DockState.h"

#include <gtest/gtest.h>

#include "chrome/LauncherHideRules.h"

namespace {

using chrome::DockPhase;
using chrome::DockState;
using chrome::Point;

std::vector<Point> ThreeSteps() { return {{0, -40}, {0, -80}, {0, -96}}; }

// Runs the slide to its end; returns the moves made.
int RunToEnd(DockState& state)
{
    Point at;
    bool last = false;
    int moves = 0;
    while (state.NextStep(at, last))
        ++moves;
    return moves;
}

TEST(DockState, SlidesAwayAndBackThroughItsPhases)
{
    DockState state;
    EXPECT_EQ(state.FlagBits(), 0u);
    ASSERT_TRUE(state.BeginSlideAway(ThreeSteps()));
    EXPECT_EQ(state.Phase(), DockPhase::SlidingAway);
    EXPECT_TRUE(state.DockedAway());
    EXPECT_EQ(state.FlagBits(), chrome::kDockedAwayBit | chrome::kSlidingBit);

    Point at;
    bool last = true;
    ASSERT_TRUE(state.NextStep(at, last));
    EXPECT_EQ(at, (Point{0, -40}));
    EXPECT_FALSE(last);
    ASSERT_TRUE(state.NextStep(at, last));
    ASSERT_TRUE(state.NextStep(at, last));
    EXPECT_EQ(at, (Point{0, -96}));
    EXPECT_TRUE(last);
    EXPECT_EQ(state.Phase(), DockPhase::Docked);
    EXPECT_EQ(state.FlagBits(), chrome::kDockedAwayBit);
    EXPECT_FALSE(state.NextStep(at, last));

    ASSERT_TRUE(state.BeginSlideBack({{0, -56}, {0, 0}}));
    // On its way back the window no longer counts as docked away.
    EXPECT_FALSE(state.DockedAway());
    EXPECT_TRUE(state.Sliding());
    EXPECT_EQ(RunToEnd(state), 2);
    EXPECT_EQ(state.Phase(), DockPhase::Shown);
}

TEST(DockState, RefusesSlidesThatDoNotFitItsPhase)
{
    DockState state;
    EXPECT_FALSE(state.BeginSlideBack(ThreeSteps())) << "back while shown";
    ASSERT_TRUE(state.BeginSlideAway(ThreeSteps()));
    EXPECT_FALSE(state.BeginSlideAway(ThreeSteps())) << "a second slide away while sliding";
    EXPECT_FALSE(state.BeginSlideBack(ThreeSteps())) << "back while sliding away";
    EXPECT_EQ(RunToEnd(state), 3) << "the refused requests must not touch the running path";
    EXPECT_FALSE(state.BeginSlideAway(ThreeSteps())) << "away while docked";
    ASSERT_TRUE(state.BeginSlideBack(ThreeSteps()));
    EXPECT_FALSE(state.BeginSlideAway(ThreeSteps())) << "away while sliding back";
    EXPECT_FALSE(state.BeginSlideBack(ThreeSteps()));
    EXPECT_EQ(RunToEnd(state), 3);
    EXPECT_EQ(state.Phase(), DockPhase::Shown);
    EXPECT_FALSE(state.BeginSlideAway({})) << "an empty path";
    EXPECT_EQ(state.Phase(), DockPhase::Shown);
}

TEST(DockState, FinishJumpsToTheEndAndResetForgetsEverything)
{
    DockState state;
    Point at;
    EXPECT_FALSE(state.Finish(at));
    ASSERT_TRUE(state.BeginSlideAway(ThreeSteps()));
    bool last = false;
    state.NextStep(at, last);
    ASSERT_TRUE(state.Finish(at));
    EXPECT_EQ(at, (Point{0, -96}));
    EXPECT_EQ(state.Phase(), DockPhase::Docked);

    ASSERT_TRUE(state.BeginSlideBack(ThreeSteps()));
    state.Reset();
    EXPECT_EQ(state.Phase(), DockPhase::Shown);
    EXPECT_EQ(state.FlagBits(), 0u);
    EXPECT_FALSE(state.NextStep(at, last));
    EXPECT_TRUE(state.BeginSlideAway(ThreeSteps()));
}

TEST(DockState, HoverReopensOnlyAFullyDockedWindowUnderTheCursor)
{
    DockState state;
    EXPECT_FALSE(state.ArmsHoverTimer());
    EXPECT_FALSE(state.ReopensOnHover(true));
    state.BeginSlideAway(ThreeSteps());
    EXPECT_TRUE(state.ArmsHoverTimer());
    EXPECT_FALSE(state.ReopensOnHover(true)) << "still sliding";
    RunToEnd(state);
    EXPECT_TRUE(state.ArmsHoverTimer());
    EXPECT_TRUE(state.ReopensOnHover(true));
    EXPECT_FALSE(state.ReopensOnHover(false)) << "the mouse went on";
    EXPECT_EQ(chrome::kHoverOpenDelayMs, 200u);
}

TEST(LauncherHideRules, OnTopAndCloseAfterDecideWhatAnActionLeaves)
{
    using chrome::LauncherExit;
    EXPECT_EQ(chrome::AfterAction(true, false), LauncherExit::Stay);
    EXPECT_EQ(chrome::AfterAction(true, true), LauncherExit::Stay);
    EXPECT_EQ(chrome::AfterAction(false, false), LauncherExit::SlideAway);
    EXPECT_EQ(chrome::AfterAction(false, true), LauncherExit::Close);

    EXPECT_EQ(chrome::OnCloseRequest(false, false), LauncherExit::SlideAway);
    EXPECT_EQ(chrome::OnCloseRequest(true, false), LauncherExit::Close);
    EXPECT_EQ(chrome::OnCloseRequest(false, true), LauncherExit::Close);
    EXPECT_EQ(chrome::OnCloseRequest(true, true), LauncherExit::Close);

    EXPECT_EQ(chrome::OnHideCommand(false), LauncherExit::SlideAway);
    EXPECT_EQ(chrome::OnHideCommand(true), LauncherExit::ZoomToTray);

    EXPECT_EQ(chrome::OnOpen(true), chrome::LauncherReturn::SlideBack);
    EXPECT_EQ(chrome::OnOpen(false), chrome::LauncherReturn::ShowFromTray);
}

} // namespace
