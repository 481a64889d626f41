// The mini browser's portable rules: frame geometry, gestures and click navigation, keys, the
// tool bar's places and menus, page rules and the address bar's selections.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "minibrowser/AddressBarRules.h"
#include "minibrowser/FrameGeometry.h"
#include "minibrowser/Gestures.h"
#include "minibrowser/MiniBrowserKeys.h"
#include "minibrowser/PageRules.h"
#include "minibrowser/ToolbarPlaces.h"
#include "resources/ResourceIds.h"

using namespace minibrowser;

namespace {

ScreenFacts Screen1280()
{
    ScreenFacts s;
    s.width = 1280;
    s.height = 800;
    s.fullScreenWidth = 1280;
    s.workLeft = 0;
    s.workTop = 0;
    s.workRight = 1280;
    s.workBottom = 770;   // a taskbar of 30 at the bottom
    return s;
}

} // namespace

TEST(FrameGeometryTest, FirstPlaceStoredBoxAndFallbacks)
{
    const ScreenFacts screen = Screen1280();
    const FrameBox centred{320, 200, 640, 400};
    EXPECT_EQ(DefaultFrameBox(screen), centred);

    struct Case {
        int stored[4];
        bool savePos;
        FrameBox expected;
    } cases[] = {
        // Not kept: the lower right corner above the taskbar, whatever is stored.
        {{10, 20, 300, 200}, false, {640, 370, 640, 400}},
        // Kept, but nothing stored yet (height 0).
        {{10, 20, 300, 0}, true, {640, 370, 640, 400}},
        {{10, 20, 300, 200}, true, {10, 20, 300, 200}},
        {{-100, 20, 300, 200}, true, {-100, 20, 300, 200}},   // partly off to the left: reachable
        // Off screen: the centred default.
        {{1280, 20, 300, 200}, true, centred},
        {{5000, 5000, 300, 200}, true, centred},
        {{10, 800, 300, 200}, true, centred},
        {{-400, 20, 300, 200}, true, centred},
        {{10, -300, 300, 200}, true, centred},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, true, centred},
        {{0, 0, INT_MAX, INT_MAX}, true, centred},
        {{10, 20, -300, 200}, true, centred},
        {{10, 20, 300, -200}, true, centred},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InitialFrameBox(c.stored, c.savePos, screen), c.expected)
            << c.stored[0] << "," << c.stored[1] << "," << c.stored[2] << "," << c.stored[3] << " keep " << c.savePos;
    }
    // A work area that does not start at the top (taskbar above) is counted off the bottom.
    ScreenFacts top = screen;
    top.workTop = 30;
    top.workBottom = 800;
    int none[4] = {0, 0, 0, 0};
    EXPECT_EQ(InitialFrameBox(none, false, top).top, 800 - 400 - 30);
}

TEST(FrameGeometryTest, MinimumWidthF7AndFurtherFrames)
{
    EXPECT_EQ(MinimumFrameWidth(4, 18), 2 * (4 + 36 + 156));

    const ScreenFacts screen = Screen1280();
    // 1280 / 3 + 1280 / 2 = 426 + 640 = 1066; 800: 266 + 400 = 666.
    EXPECT_EQ(DefaultPlacement(640, screen), (FrameBox{1280 - 1066, 770 - 666, 1066, 666}));
    EXPECT_EQ(DefaultPlacement(1006, screen), (FrameBox{1280 - 1066, 770 - 666, 1066, 666}));
    EXPECT_EQ(DefaultPlacement(1007, screen), (FrameBox{640, 370, 640, 400}));
    // Pressed twice, F7 goes back and forth between the two sizes.
    EXPECT_EQ(DefaultPlacement(DefaultPlacement(640, screen).width, screen).width, 640);

    EXPECT_EQ(FurtherFrameBox({500, 300, 640, 400}), (FrameBox{400, 200, 640, 400}));
    EXPECT_EQ(FurtherFrameBox({100, 101, 640, 400}), (FrameBox{200, 1, 640, 400}));
    EXPECT_EQ(FurtherFrameBox({-50, 0, 10, 10}), (FrameBox{50, 100, 10, 10}));

    EXPECT_EQ(ClientToHostBox({10, 20, 500, 400}, 300, 200, 26, 4, 4), (FrameBox{10, 20, 304, 26 + 8 + 200}));
}

TEST(GesturesTest, StrokesInTheirOrder)
{
    struct Case {
        int dx, dy;
        Gesture expected;
    } cases[] = {
        {-40, 0, Gesture::Back},        {-200, 40, Gesture::Back},      {-200, -40, Gesture::Back},
        {40, 0, Gesture::Forward},      {300, -40, Gesture::Forward},   {0, 40, Gesture::Minimise},
        {40, 200, Gesture::Minimise},   {-40, 41, Gesture::Minimise},   {0, -40, Gesture::NewWindow},
        {-40, -200, Gesture::NewWindow}, {-41, 41, Gesture::CloseAll},  {41, 41, Gesture::CloseFrame},
        {-41, -41, Gesture::DefaultBrowser}, {41, -41, Gesture::ToggleLauncher},
        // Too short, or a straight stroke that drifted more than 40 but not a diagonal yet.
        {0, 0, Gesture::None},          {39, 0, Gesture::None},         {-39, 39, Gesture::None},
        {0, -39, Gesture::None},        {39, -39, Gesture::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyStroke(c.dx, c.dy), c.expected) << c.dx << "," << c.dy;
}

TEST(GesturesTest, ClickNavigationSwallowsTheFollowingRelease)
{
    ClickNavigation nav;
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Left, false), ClickAction::Pass);
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Right, false), ClickAction::Pass);
    // Left held, right released: forward; the left release after it is swallowed, once.
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Right, true), ClickAction::Forward);
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Left, false), ClickAction::Swallow);
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Left, false), ClickAction::Pass);
    // Right held, left released: back, then the right release is swallowed.
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Left, true), ClickAction::Back);
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Right, false), ClickAction::Swallow);
    EXPECT_EQ(nav.OnButtonUp(MouseButton::Right, false), ClickAction::Pass);
}

TEST(MiniBrowserKeysTest, EveryKeyOfTheTable)
{
    const KeyState none, ctrl{true, false, false}, ctrlShift{true, true, false}, alt{false, false, true};
    struct Case {
        KeyPhase phase;
        unsigned key;
        KeyState state;
        KeyAction expected;
    } cases[] = {
        {KeyPhase::Down, 'N', ctrl, KeyAction::NewWindow},
        {KeyPhase::Down, 'N', none, KeyAction::Pass},
        {KeyPhase::Down, 'U', ctrl, KeyAction::ShowAddressBar},
        {KeyPhase::Down, 0x21, ctrl, KeyAction::Back},
        {KeyPhase::Down, 0x22, ctrl, KeyAction::Forward},
        {KeyPhase::Down, 0x21, none, KeyAction::Pass},
        {KeyPhase::Down, 0x26, ctrl, KeyAction::PreviousWindow},
        {KeyPhase::Down, 0x28, ctrl, KeyAction::NextWindow},
        {KeyPhase::Down, 0x28, none, KeyAction::Pass},
        {KeyPhase::Up, 'N', ctrl, KeyAction::Pass},
        {KeyPhase::Down, 0x1B, none, KeyAction::Swallow},
        {KeyPhase::Up, 0x1B, none, KeyAction::Close},
        {KeyPhase::Up, 0x70, none, KeyAction::Help},
        {KeyPhase::Up, 0x71, none, KeyAction::DefaultBrowser},
        {KeyPhase::Up, 0x72, none, KeyAction::OpenLauncher},
        {KeyPhase::Up, 0x73, none, KeyAction::DropAddressBar},
        {KeyPhase::Up, 0x73, ctrl, KeyAction::DropAddressBar},
        {KeyPhase::Up, 0x73, ctrlShift, KeyAction::CloseAll},
        {KeyPhase::Up, 0x74, none, KeyAction::Refresh},
        {KeyPhase::Up, 0x74, ctrlShift, KeyAction::MinimiseAll},
        {KeyPhase::Up, 0x75, none, KeyAction::TogglePopupBlocking},
        {KeyPhase::Up, 0x76, none, KeyAction::DefaultPlacement},
        {KeyPhase::Down, 0x74, none, KeyAction::Swallow},
        {KeyPhase::Up, 0x77, none, KeyAction::Pass},     // F8 is the page's
        {KeyPhase::Up, 0x73, alt, KeyAction::Pass},      // Alt+F4 stays the system's
        {KeyPhase::Down, 0x73, alt, KeyAction::Pass},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyActionFor(c.phase, c.key, c.state), c.expected)
            << "key " << c.key << (c.phase == KeyPhase::Up ? " up" : " down") << " ctrl " << c.state.ctrl
            << " shift " << c.state.shift;
    }
}

TEST(ToolbarPlacesTest, PlacesTipsMenusAndZoom)
{
    const int commands[kToolbarPlaceCount] = {2038, 2024, 2030, 2026, 2027, 2028, 2040, 2041, 2037, 2042, 0, 57607, 2036};
    const int images[kToolbarPlaceCount] = {6, 0, 1, 2, 3, 4, 10, 11, 8, 12, -1, 9, 7};
    for (std::size_t i = 0; i < kToolbarPlaceCount; ++i) {
        EXPECT_EQ(kToolbarPlaces[i].command, commands[i]) << i;
        EXPECT_EQ(kToolbarPlaces[i].image, images[i]) << i;
        EXPECT_EQ(ToolTipStringFor(commands[i]), kToolbarPlaces[i].tipId) << i;
    }
    EXPECT_EQ(ToolTipStringFor(2038), 1116u);
    EXPECT_EQ(ToolTipStringFor(2042), 1171u);
    EXPECT_EQ(ToolTipStringFor(0), 0u);      // the separator
    EXPECT_EQ(ToolTipStringFor(2039), 0u);   // a command without a place
    EXPECT_EQ(DropDownPlaceFor(2036)->submenu, kFontSubmenu);
    EXPECT_EQ(DropDownPlaceFor(2037)->submenu, kFavoritesSubmenu);
    EXPECT_EQ(DropDownPlaceFor(2040)->submenu, kNewPageSubmenu);
    EXPECT_EQ(DropDownPlaceFor(2042)->submenu, kWebAlertSubmenu);
    EXPECT_EQ(DropDownPlaceFor(2038), nullptr);

    EXPECT_EQ(DefaultNewWindowCommand(0), 0);      // position 0 is never marked
    EXPECT_EQ(DefaultNewWindowCommand(1), 32802);
    EXPECT_EQ(DefaultNewWindowCommand(2), 32803);
    EXPECT_EQ(DefaultNewWindowCommand(3), 32804);  // the clipboard item, behind the separator
    EXPECT_EQ(DefaultNewWindowCommand(4), 0);
    EXPECT_EQ(DefaultNewWindowCommand(-1), 0);
    EXPECT_EQ(NewWindowChoiceOf(32801), 0);
    EXPECT_EQ(NewWindowChoiceOf(32804), 3);
    EXPECT_EQ(NewWindowChoiceOf(32805), -1);

    EXPECT_EQ(ZoomOfCommand(32794), 4);
    EXPECT_EQ(ZoomOfCommand(32798), 0);
    EXPECT_EQ(ZoomOfCommand(32799), -1);
    EXPECT_EQ(ZoomOfFontOption(0), 4);
    EXPECT_EQ(ZoomOfFontOption(3), 1);
    EXPECT_EQ(ZoomOfFontOption(4), 0);
    EXPECT_EQ(ZoomOfFontOption(99), 1);
}

TEST(PageRulesTest, ProgressPopupsLinksTitleAndOrder)
{
    EXPECT_TRUE(ShowsProgress(10, 100));
    EXPECT_FALSE(ShowsProgress(0, 100));
    EXPECT_FALSE(ShowsProgress(10, 0));
    EXPECT_FALSE(ShowsProgress(-1, 100));

    for (int option = 0; option < 2; ++option) {
        for (int run = 0; run < 2; ++run) {
            for (long ready : {0L, 1L, 3L, 4L})
                EXPECT_EQ(BlocksPopup(option, run, ready), option && run && ready != 4) << option << run << ready;
        }
    }

    EXPECT_TRUE(StatusTextIsLink("http://x/"));
    EXPECT_TRUE(StatusTextIsLink("mailto:a@b"));
    EXPECT_TRUE(StatusTextIsLink("Done."));
    EXPECT_FALSE(StatusTextIsLink("Done"));
    EXPECT_FALSE(StatusTextIsLink(""));

    EXPECT_EQ(FrameTitle("Page", "[Quorvane MiniBrowser]"), "Page [Quorvane MiniBrowser]");

    EXPECT_EQ(NeighbourFrame(3, 0, true), 1u);
    EXPECT_EQ(NeighbourFrame(3, 2, true), 0u);
    EXPECT_EQ(NeighbourFrame(3, 0, false), 2u);
    EXPECT_EQ(NeighbourFrame(3, 1, false), 0u);
    EXPECT_EQ(NeighbourFrame(1, 0, true), 0u);
    EXPECT_EQ(NeighbourFrame(1, 0, false), 0u);
    EXPECT_EQ(NeighbourFrame(0, 0, true), 0u);
    EXPECT_EQ(NeighbourFrame(3, 7, true), 0u);
}

TEST(AddressBarRulesTest, InitialSelectionAndCompletion)
{
    EXPECT_EQ(InitialSelection("http://www.example.com/"), (Selection{11, 23}));
    EXPECT_EQ(InitialSelection("https://example.com/a"), (Selection{8, 21}));
    EXPECT_EQ(InitialSelection("about:blank"), (Selection{11, 11}));
    EXPECT_EQ(InitialSelection(""), (Selection{0, 0}));

    struct Case {
        const char* typed;
        Selection typedSelection;
        const char* item;
        Selection expected;
    } cases[] = {
        {"ex", {2, 2}, "example.com", {2, 11}},
        {"ht", {2, 2}, "https://www.example.com/", {12, 24}},
        {"ht", {2, 2}, "http://www.example.com/", {11, 23}},
        {"HT", {2, 2}, "http://www.example.com/", {11, 23}},
        {"ht", {2, 2}, "http://example.com/", {2, 19}},
        {"htt", {3, 3}, "https://www.example.com/", {3, 24}},
        {"h", {1, 1}, "https://www.example.com/", {1, 24}},
        // The caret moved back into the text: the selection stays.
        {"exa", {1, 1}, "example.com", {1, 1}},
        {"example.com", {11, 11}, "example.com", {11, 11}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompletionSelection(c.typed, c.typedSelection, c.item), c.expected) << c.typed << " / " << c.item;
    }
    // A 5000-character text completes without going past the item.
    const std::string longText(5000, 'a');
    EXPECT_EQ(CompletionSelection(longText, {5000, 5000}, longText + "b"), (Selection{5000, 5001}));
}
