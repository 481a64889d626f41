#include <gtest/gtest.h>

#include "chrome/BackgroundLayout.h"
#include "chrome/ButtonLook.h"
#include "chrome/SkinColours.h"

namespace {

using chrome::Point;
using chrome::Rect;

TEST(Background, LauncherWithCaptionLineAndTitleTab)
{
    chrome::BackgroundLayout l = chrome::LayOutBackground({400, 200, true, true, 40, 13});
    EXPECT_EQ(l.captionOffset, 16);
    EXPECT_EQ(l.panel, (Rect{5, 36, 395, 195}));
    EXPECT_EQ(l.shadow[0].from, (Point{396, 41}));
    EXPECT_EQ(l.shadow[0].to, (Point{396, 190}));
    EXPECT_EQ(l.shadow[1].from, (Point{10, 196}));
    EXPECT_EQ(l.shadow[1].to, (Point{390, 196}));
    EXPECT_EQ(l.shadow[0].width, 2);
    EXPECT_EQ(l.grip[0].from, (Point{390, 195}));
    EXPECT_EQ(l.grip[0].to, (Point{392, 195}));
    EXPECT_EQ(l.grip[1].from, (Point{393, 193}));
    EXPECT_EQ(l.grip[2].from, (Point{394, 191}));
    EXPECT_EQ(l.grip[2].to, (Point{396, 191}));
    EXPECT_EQ(l.grip[2].width, 1);
    ASSERT_TRUE(l.hasTab);
    EXPECT_EQ(l.tab, (Rect{5, 22, 60, 39}));
    EXPECT_EQ(l.tabText, (Point{15, 24}));
    EXPECT_EQ(l.tabPicture, (Point{5, 34}));
    // The tab reaches into the panel, so the two join.
    EXPECT_GT(l.tab.bottom, l.panel.top);
    EXPECT_EQ(l.icon, (Point{2, 2}));
    EXPECT_EQ(l.captionText, (Rect{26, 0, 400, 20}));
}

TEST(Background, WithoutTabThePanelRises)
{
    chrome::BackgroundLayout l = chrome::LayOutBackground({300, 150, false, false, 0, 0});
    EXPECT_EQ(l.captionOffset, 0);
    EXPECT_EQ(l.panel, (Rect{5, 10, 295, 145}));
    EXPECT_EQ(l.shadow[0].from, (Point{296, 15}));
    EXPECT_FALSE(l.hasTab);
    chrome::BackgroundLayout monitor = chrome::LayOutBackground({300, 150, true, false, 0, 0});
    EXPECT_EQ(monitor.panel.top, 26);
}

TEST(ButtonLook, EachStateAndTheirCombinations)
{
    chrome::ButtonLook normal = chrome::LookOf({});
    EXPECT_EQ(normal.face, chrome::Rgb(210, 227, 245));
    EXPECT_EQ(normal.outline, chrome::Rgb(192, 192, 192));
    EXPECT_FALSE(normal.greyText);
    EXPECT_EQ(normal.textShift, 0);
    EXPECT_FALSE(normal.focusRect);

    chrome::ButtonLook all = chrome::LookOf({true, true, false, true});
    EXPECT_EQ(all.face, chrome::Rgb(255, 255, 255));
    EXPECT_EQ(all.textShift, 2);
    EXPECT_TRUE(all.focusRect);
    EXPECT_FALSE(all.greyText);

    chrome::ButtonLook disabled = chrome::LookOf({false, false, true, false});
    EXPECT_TRUE(disabled.greyText);
    EXPECT_EQ(disabled.face, chrome::kButtonFace);

    const Rect button{10, 20, 90, 44};
    EXPECT_EQ(chrome::FocusRectOf(button), (Rect{14, 22, 86, 42}));
    EXPECT_EQ(chrome::TextRectOf(button, all), (Rect{12, 22, 92, 46}));
    EXPECT_EQ(chrome::TextRectOf(button, normal), button);
}

TEST(ButtonLook, WhichButtonsTheSkinTakes)
{
    const unsigned long visibleChild = 0x50000000;   // WS_CHILD | WS_VISIBLE
    struct Row {
        unsigned long type;
        bool hover;
        bool ownerDrawn;
        bool plainPush;
    } rows[] = {
        {0x0, false, false, true},   // push button
        {0x1, true, false, true},    // default push button
        {0x2, true, false, false},   // check box
        {0x3, true, false, false},   // automatic check box
        {0x4, false, false, false},  // radio button
        {0x7, true, false, false},   // group box
        {0x9, true, false, false},   // automatic radio button
        {0xB, true, true, false},    // owner-drawn
    };
    for (const Row& row : rows) {
        unsigned long style = visibleChild | 0x00010000 /* WS_TABSTOP */ | 0x0300 /* BS_CENTER */ | row.type;
        EXPECT_EQ(chrome::TakesHoverTracking(style), row.hover) << row.type;
        EXPECT_EQ(chrome::IsOwnerDrawn(style), row.ownerDrawn) << row.type;
        EXPECT_EQ(chrome::IsPlainPushButton(style), row.plainPush) << row.type;
    }
}

} // namespace
