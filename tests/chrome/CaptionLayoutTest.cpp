#include "chrome/CaptionLayout.h"

#include <gtest/gtest.h>

namespace {

using chrome::CaptionButton;
using chrome::CaptionMetrics;
using chrome::CaptionRequest;
using chrome::CaptionSetup;
using chrome::Point;
using chrome::Rect;

const CaptionMetrics kMetrics{300, 13, 12};

Point Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(CaptionButtons, StandInARowFromTheTopRightCorner)
{
    EXPECT_EQ(CaptionButtonRect(CaptionButton::Close, kMetrics), (Rect{285, 2, 298, 14}));
    EXPECT_EQ(CaptionButtonRect(CaptionButton::Hide, kMetrics), (Rect{270, 2, 283, 14}));
    EXPECT_EQ(CaptionButtonRect(CaptionButton::Help, kMetrics), (Rect{255, 2, 268, 14}));
    EXPECT_EQ(CaptionButtonRect(CaptionButton::Pin, kMetrics), (Rect{240, 2, 253, 14}));
    EXPECT_EQ(CaptionButtonRect(CaptionButton::None, kMetrics), Rect{});
}

TEST(CaptionButtons, HitTestsAtTheirEdgesAndInTheGaps)
{
    EXPECT_EQ(CaptionButtonAt({285, 2}, kMetrics, true), CaptionButton::Close);
    EXPECT_EQ(CaptionButtonAt({297, 13}, kMetrics, true), CaptionButton::Close);
    EXPECT_EQ(CaptionButtonAt({298, 5}, kMetrics, true), CaptionButton::None) << "the right margin";
    EXPECT_EQ(CaptionButtonAt({290, 14}, kMetrics, true), CaptionButton::None) << "below";
    EXPECT_EQ(CaptionButtonAt({290, 1}, kMetrics, true), CaptionButton::None) << "the top margin";
    EXPECT_EQ(CaptionButtonAt({284, 5}, kMetrics, true), CaptionButton::None) << "gap close/hide";
    EXPECT_EQ(CaptionButtonAt({282, 5}, kMetrics, true), CaptionButton::Hide);
    EXPECT_EQ(CaptionButtonAt({255, 5}, kMetrics, true), CaptionButton::Help);
    EXPECT_EQ(CaptionButtonAt({240, 5}, kMetrics, true), CaptionButton::Pin);
    EXPECT_EQ(CaptionButtonAt({239, 5}, kMetrics, true), CaptionButton::None);
    // Without the extra buttons their places are background.
    EXPECT_EQ(CaptionButtonAt({275, 5}, kMetrics, false), CaptionButton::None);
    EXPECT_EQ(CaptionButtonAt({290, 5}, kMetrics, false), CaptionButton::Close);
}

TEST(CaptionButtons, APressMovesTheWindowExceptOnButtonsAndTheIconSquare)
{
    CaptionSetup launcher{true, true, false};
    CaptionSetup plain{false, false, false};
    using chrome::CaptionPress;
    EXPECT_EQ(PressAt({150, 100}, kMetrics, launcher), CaptionPress::MoveWindow);
    EXPECT_EQ(PressAt({150, 5}, kMetrics, launcher), CaptionPress::MoveWindow);
    EXPECT_EQ(PressAt(Centre(CaptionButtonRect(CaptionButton::Pin, kMetrics)), kMetrics, launcher), CaptionPress::Nothing);
    EXPECT_EQ(PressAt(Centre(CaptionButtonRect(CaptionButton::Pin, kMetrics)), kMetrics, plain), CaptionPress::MoveWindow);
    EXPECT_EQ(PressAt(Centre(CaptionButtonRect(CaptionButton::Close, kMetrics)), kMetrics, plain), CaptionPress::Nothing);
    EXPECT_EQ(PressAt({16, 16}, kMetrics, launcher), CaptionPress::Nothing);
    EXPECT_EQ(PressAt({17, 10}, kMetrics, launcher), CaptionPress::MoveWindow);
    EXPECT_EQ(PressAt({10, 17}, kMetrics, launcher), CaptionPress::MoveWindow);
    EXPECT_EQ(PressAt({3, 3}, kMetrics, plain), CaptionPress::MoveWindow);
}

TEST(CaptionButtons, ReleasesGoToTheWindowOrItsTarget)
{
    CaptionSetup self{true, true, false};
    CaptionSetup framed{true, false, true};
    auto at = [](CaptionButton b) { return Centre(CaptionButtonRect(b, kMetrics)); };
    struct Row {
        CaptionButton button;
        CaptionRequest toSelf;
        CaptionRequest toTarget;
    } rows[] = {
        {CaptionButton::Close, CaptionRequest::CancelCommand, CaptionRequest::CloseMessage},
        {CaptionButton::Hide, CaptionRequest::HideCommand, CaptionRequest::MinimizeTarget},
        {CaptionButton::Help, CaptionRequest::HelpCommand, CaptionRequest::HelpCommand},
        {CaptionButton::Pin, CaptionRequest::ToggleOnTop, CaptionRequest::ToggleOnTop},
    };
    for (const Row& row : rows) {
        chrome::CaptionRelease mine = ReleaseAt(at(row.button), kMetrics, self);
        EXPECT_EQ(mine.request, row.toSelf);
        EXPECT_FALSE(mine.toTarget);
        chrome::CaptionRelease theirs = ReleaseAt(at(row.button), kMetrics, framed);
        EXPECT_EQ(theirs.request, row.toTarget);
        EXPECT_TRUE(theirs.toTarget);
    }
    EXPECT_EQ(ReleaseAt({150, 100}, kMetrics, self).request, CaptionRequest::None);
    EXPECT_EQ(ReleaseAt({8, 8}, kMetrics, self).request, CaptionRequest::TrayMenu);
    EXPECT_EQ(ReleaseAt({8, 8}, kMetrics, framed).request, CaptionRequest::None);
    // The extra buttons' places do nothing on a window without them; the close button does.
    CaptionSetup closeOnly{false, true, false};
    EXPECT_EQ(ReleaseAt(at(CaptionButton::Pin), kMetrics, closeOnly).request, CaptionRequest::None);
    EXPECT_EQ(ReleaseAt({8, 8}, kMetrics, closeOnly).request, CaptionRequest::None);
    EXPECT_EQ(ReleaseAt(at(CaptionButton::Close), kMetrics, closeOnly).request, CaptionRequest::CancelCommand);
}

TEST(CaptionButtons, ThemeStates)
{
    EXPECT_EQ(chrome::CaptionButtonThemeState(true), 1);
    EXPECT_EQ(chrome::CaptionButtonThemeState(false), 5);
    EXPECT_EQ(chrome::PinThemeState(false, false), 0);
    EXPECT_EQ(chrome::PinThemeState(false, true), 2);
    EXPECT_EQ(chrome::PinThemeState(true, false), 4);
    EXPECT_EQ(chrome::PinThemeState(true, true), 5);
}

} // namespace
