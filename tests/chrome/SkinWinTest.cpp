// The skin on a real dialog under Wine: caption buttons by real messages and real mouse
// input, owner-drawn button states read back as pixels, the painted background, and the
// per-window state of two skinned dialogs.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "ChromeFixture_win.h"
#include "app/Messages.h"
#include "chrome/CaptionButtons_win.h"
#include "chrome/EdgeDock_win.h"
#include "chrome/LauncherChrome_win.h"
#include "chrome/SkinButtons_win.h"
#include "chrome/SkinPainter_win.h"
#include "chrome/SkinResources_win.h"
#include "chrome/Skin_win.h"

namespace {

using namespace chrome_test;
using chrome::CaptionButton;

const COLORREF kPanel = RGB(220, 227, 245);
const COLORREF kFace = RGB(210, 227, 245);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kAccent = RGB(30, 143, 255);

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

int Brightness(COLORREF c) { return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3; }

class SkinTest : public testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        Windows().main = main_.Window();
        Options().OnTop = 1;
        ASSERT_TRUE(dialog_.Window());
        ApplyLauncherChrome(dialog_.Window());
        SetWindowPos(dialog_.Window(), HWND_TOP, 200, 200, 0, 0, SWP_NOSIZE);
        SetForegroundWindow(dialog_.Window());
        wt::PumpMessages(50);
    }
    void TearDown() override { Windows().main = nullptr; }

    HWND Dialog() const { return dialog_.Window(); }
    POINT ButtonCentre(CaptionButton b) const { return CentreOf(CaptionButtonRectOf(Dialog(), b)); }
    POINT PanelPoint() const
    {
        RECT client = {};
        GetClientRect(Dialog(), &client);
        return {client.right / 2, client.bottom - 12};
    }

    RecordingWindow main_;
    TestDialog dialog_;
};

TEST_F(SkinTest, CaptionButtonsAnswerReleasesWithTheirRequests)
{
    HWND d = Dialog();
    for (CaptionButton b : {CaptionButton::Close, CaptionButton::Hide, CaptionButton::Help, CaptionButton::Pin}) {
        POINT at = ButtonCentre(b);
        // The buttons lie in the client area, uncovered by any control.
        POINT screen = at;
        ClientToScreen(d, &screen);
        EXPECT_EQ(SendMessageA(d, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), HTCLIENT);
        EXPECT_EQ(ChildWindowFromPoint(d, at), d);
        SendMessageA(d, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageA(d, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    wt::PumpMessages(50);
    EXPECT_EQ(dialog_.Commands(IDCANCEL), 1);
    EXPECT_EQ(dialog_.SysCommands(SC_HIDELAUNCHER), 1);
    EXPECT_EQ(dialog_.Commands(kHelpCommand), 1);
    EXPECT_EQ(dialog_.Commands(kToggleOnTopCommand), 1);
    EXPECT_EQ(WindowRectOf(d).left, 200) << "a press on a button does not move the window";

    // The icon square opens the tray menu through the main window.
    SendMessageA(d, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    SendMessageA(d, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    wt::PumpMessages(50);
    EXPECT_EQ(main_.Count(UM_TRAYICON, WM_RBUTTONUP), 1);

    // A release on the background asks for nothing.
    std::size_t before = dialog_.received.size();
    POINT panel = PanelPoint();
    SendMessageA(d, WM_LBUTTONUP, 0, MAKELPARAM(panel.x, panel.y));
    POINT gap = ButtonCentre(CaptionButton::Close);
    gap.x = CaptionButtonRectOf(d, CaptionButton::Close).left - 1;   // between close and hide
    SendMessageA(d, WM_LBUTTONUP, 0, MAKELPARAM(gap.x, gap.y));
    wt::PumpMessages(50);
    EXPECT_EQ(dialog_.received.size(), before);
    EXPECT_EQ(main_.Count(UM_TRAYICON, WM_RBUTTONUP), 1);
}

void Click(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

TEST_F(SkinTest, ARealClickOnTheCloseButtonCancelsAndOnTheIconOpensTheMenu)
{
    POINT close = ButtonCentre(CaptionButton::Close);
    ClientToScreen(Dialog(), &close);
    Click(close);
    EXPECT_TRUE(wt::WaitUntil([&] { return dialog_.Commands(IDCANCEL) == 1; }, 3000));
    POINT icon = {8, 8};
    ClientToScreen(Dialog(), &icon);
    Click(icon);
    EXPECT_TRUE(wt::WaitUntil([&] { return main_.Count(UM_TRAYICON, WM_RBUTTONUP) == 1; }, 3000));
    EXPECT_EQ(WindowRectOf(Dialog()).left, 200);
}

INPUT AbsoluteMove(POINT screen)
{
    INPUT i = {};
    i.type = INPUT_MOUSE;
    i.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    i.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    i.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return i;
}

// Feeds the rest of a drag from another thread while the system's move loop runs on this one.
struct DragFeed {
    POINT from;
    HWND window;
    HANDLE done;
};

DWORD WINAPI FeedDrag(void* data)
{
    const DragFeed& feed = *static_cast<DragFeed*>(data);
    for (int step = 1; step <= 4; ++step) {
        Sleep(60);
        INPUT move = AbsoluteMove({feed.from.x + 10 * step, feed.from.y + 5 * step});
        SendInput(1, &move, sizeof move);
    }
    Sleep(60);
    INPUT up = {};
    up.type = INPUT_MOUSE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &up, sizeof up);
    // Should the loop have missed the release, Escape ends it.
    if (WaitForSingleObject(feed.done, 3000) == WAIT_TIMEOUT)
        PostMessageA(feed.window, WM_KEYDOWN, VK_ESCAPE, 0);
    return 0;
}

TEST_F(SkinTest, DraggingThePanelBackgroundMovesTheWindow)
{
    DragFeed feed{PanelPoint(), Dialog(), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    ClientToScreen(Dialog(), &feed.from);
    SetCursorPos(feed.from.x, feed.from.y);
    wt::PumpMessages(50);
    INPUT down = {};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &down, sizeof down);
    HANDLE feeder = CreateThread(nullptr, 0, FeedDrag, &feed, 0, nullptr);
    ASSERT_TRUE(feeder);
    EXPECT_TRUE(wt::WaitUntil([&] { return WindowRectOf(Dialog()).left == 240; }, 4000));
    SetEvent(feed.done);
    WaitForSingleObject(feeder, 5000);
    CloseHandle(feeder);
    CloseHandle(feed.done);
    wt::PumpMessages(50);
    RECT moved = WindowRectOf(Dialog());
    EXPECT_EQ(moved.left, 240);
    EXPECT_EQ(moved.top, 220);
    EXPECT_EQ(dialog_.received.size(), 0u);
}

TEST_F(SkinTest, TheCaptionButtonUnderTheMouseLightsUp)
{
    RECT client = {};
    GetClientRect(Dialog(), &client);
    Canvas normal(client.right, 24);
    Canvas hot(client.right, 24);
    CaptionOptions options;
    options.extraButtons = true;
    DrawCaptionButtons(Dialog(), normal.Dc(), options, CaptionButton::None, nullptr);
    DrawCaptionButtons(Dialog(), hot.Dc(), options, CaptionButton::Hide, nullptr);
    RECT hide = CaptionButtonRectOf(Dialog(), CaptionButton::Hide);
    RECT close = CaptionButtonRectOf(Dialog(), CaptionButton::Close);
    EXPECT_EQ(hot.At(hide.left, hide.top), kAccent);
    EXPECT_NE(normal.At(hide.left, hide.top), kAccent);
    EXPECT_EQ(hot.At(close.left, close.top), normal.At(close.left, close.top));

    // The pin shows the on-top state.
    Canvas pinOff(client.right, 24);
    options.pinOn = true;
    DrawCaptionButtons(Dialog(), hot.Dc(), options, CaptionButton::None, nullptr);
    options.pinOn = false;
    DrawCaptionButtons(Dialog(), pinOff.Dc(), options, CaptionButton::None, nullptr);
    RECT pin = CaptionButtonRectOf(Dialog(), CaptionButton::Pin);
    int differing = 0;
    for (int y = pin.top; y < pin.bottom; ++y)
        for (int x = pin.left; x < pin.right; ++x)
            differing += hot.At(x, y) != pinOff.At(x, y);
    EXPECT_GT(differing, 5);

    // Through the window's own mouse handling: over the close button, then the background.
    POINT at = ButtonCentre(CaptionButton::Close);
    SendMessageA(Dialog(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(WindowPixel(Dialog(), close.left, close.top), kAccent);
    POINT panel = PanelPoint();
    SendMessageA(Dialog(), WM_MOUSEMOVE, 0, MAKELPARAM(panel.x, panel.y));
    EXPECT_NE(WindowPixel(Dialog(), close.left, close.top), kAccent);
}

// Draws one of the dialog's buttons into a canvas of its size, as WM_DRAWITEM would.
class ButtonPicture {
public:
    ButtonPicture(HWND button, UINT state) : canvas_(SizeOf(button).cx, SizeOf(button).cy)
    {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button;
        item.hDC = canvas_.Dc();
        item.rcItem = {0, 0, canvas_.Width(), canvas_.Height()};
        drawn_ = DrawSkinButton(item);
    }
    bool Drawn() const { return drawn_; }
    const Canvas& Pixels() const { return canvas_; }
    // The box around pixels darker than the threshold (the text).
    RECT DarkBox(int threshold) const
    {
        RECT box = {canvas_.Width(), canvas_.Height(), -1, -1};
        for (int y = 0; y < canvas_.Height(); ++y)
            for (int x = 3; x < canvas_.Width() - 3; ++x)
                if (Brightness(canvas_.At(x, y)) < threshold) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x);
                    box.bottom = std::max<LONG>(box.bottom, y);
                }
        return box;
    }
    int Darkest() const
    {
        int darkest = 255;
        for (int y = 1; y < canvas_.Height() - 1; ++y)
            for (int x = 3; x < canvas_.Width() - 3; ++x)
                darkest = std::min(darkest, Brightness(canvas_.At(x, y)));
        return darkest;
    }

private:
    static SIZE SizeOf(HWND button)
    {
        RECT r = {};
        GetClientRect(button, &r);
        return {r.right, r.bottom};
    }
    Canvas canvas_;
    bool drawn_ = false;
};

TEST_F(SkinTest, OwnerDrawnButtonsInEveryState)
{
    HWND goWith = dialog_.Item(kGoWith);
    HWND go = dialog_.Item(kGo);
    ForgetHoveredButton(Dialog());

    ButtonPicture normal(goWith, 0);
    ASSERT_TRUE(normal.Drawn());
    const Canvas& n = normal.Pixels();
    const int w = n.Width();
    const int h = n.Height();
    EXPECT_EQ(n.At(w / 2, 2), kFace);
    EXPECT_EQ(n.At(w / 2, 0), RGB(192, 192, 192)) << "outline";
    EXPECT_EQ(n.At(0, 0), kPanel) << "the corner shows the panel behind the button";
    EXPECT_LT(normal.Darkest(), 60) << "text in the button text colour";

    // Hovered: the hover procedure records the button under the mouse for its dialog.
    SendMessageA(goWith, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(HoveredButton(Dialog()), goWith);
    EXPECT_EQ(ButtonPicture(goWith, 0).Pixels().At(w / 2, 2), kWhite);
    // Straight onto the neighbour: the highlight moves with the mouse.
    SendMessageA(go, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(HoveredButton(Dialog()), go);
    EXPECT_EQ(ButtonPicture(goWith, 0).Pixels().At(w / 2, 2), kFace);
    // The background ends it.
    POINT panel = PanelPoint();
    SendMessageA(Dialog(), WM_MOUSEMOVE, 0, MAKELPARAM(panel.x, panel.y));
    EXPECT_EQ(HoveredButton(Dialog()), nullptr);

    // Pressed: the text moves 2 pixels right and down.
    RECT at = normal.DarkBox(100);
    ASSERT_GE(at.right, at.left);
    RECT pressed = ButtonPicture(goWith, ODS_SELECTED).DarkBox(100);
    EXPECT_EQ(pressed.left, at.left + 2);
    EXPECT_EQ(pressed.top, at.top + 2);
    EXPECT_EQ(pressed.right, at.right + 2);

    // Disabled: grey text, nothing darker.
    ButtonPicture disabled(dialog_.Item(kTranslate), ODS_DISABLED);
    int darkest = disabled.Darkest();
    EXPECT_GE(darkest, 118);
    EXPECT_LE(darkest, 138);

    // Focused: the dotted rectangle 4 pixels in from the sides and 2 from top and bottom.
    ButtonPicture focused(goWith, ODS_FOCUS);
    int dotsFocused = 0;
    int dotsNormal = 0;
    for (int x = 4; x < w - 4; ++x) {
        dotsFocused += focused.Pixels().At(x, 2) != kFace;
        dotsNormal += n.At(x, 2) != kFace;
    }
    EXPECT_GT(dotsFocused, (w - 8) / 3);
    EXPECT_EQ(dotsNormal, 0);
    EXPECT_NE(focused.Pixels().At(4, h / 2), kFace);
    EXPECT_EQ(focused.Pixels().At(3, h / 2), kFace);

    // A picture button shows its bitmap centred.
    HWND picture = dialog_.Item(kPicture);
    HDC screen = GetDC(nullptr);
    HBITMAP red = CreateCompatibleBitmap(screen, 8, 8);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, red);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    RECT all = {0, 0, 8, 8};
    FillRect(memory, &all, brush);
    SelectObject(memory, old);
    DeleteObject(brush);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    SendMessageA(picture, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red));
    ButtonPicture withBitmap(picture, 0);
    const Canvas& p = withBitmap.Pixels();
    EXPECT_EQ(p.At(p.Width() / 2, p.Height() / 2), RGB(255, 0, 0));
    EXPECT_EQ(p.At(p.Width() / 2 - 5, p.Height() / 2), kFace);
    SendMessageA(picture, BM_SETIMAGE, IMAGE_BITMAP, 0);
    DeleteObject(red);

    // Items that are not buttons are left to the dialog.
    DRAWITEMSTRUCT list = {};
    list.CtlType = ODT_LISTBOX;
    EXPECT_FALSE(DrawSkinButton(list));
}

TEST_F(SkinTest, HoverProcedureAnswersCursorAndErase)
{
    HWND goWith = dialog_.Item(kGoWith);
    EXPECT_TRUE(SendMessageA(goWith, WM_SETCURSOR, reinterpret_cast<WPARAM>(goWith), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    HDC dc = GetDC(goWith);
    EXPECT_EQ(SendMessageA(goWith, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(goWith, dc);
    // A plain push button takes no hover procedure: the system cursor stays.
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    HWND plain = dialog_.Item(kPlainPush);
    SendMessageA(plain, WM_SETCURSOR, reinterpret_cast<WPARAM>(plain), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
}

TEST_F(SkinTest, BackgroundPaintedInItsPlaces)
{
    RECT client = {};
    GetClientRect(Dialog(), &client);
    const int w = client.right;
    const int h = client.bottom;
    Canvas c(w, h);
    SkinResources resources;
    BackgroundOptions options;
    options.captionLine = true;
    options.programCaption = true;
    options.tabText = IDS_SEARCH_TAB;
    options.closeButton = true;
    options.extraButtons = true;
    EXPECT_TRUE(PaintBackground(Dialog(), c.Dc(), options, resources));

    EXPECT_EQ(c.At(w / 2, h / 2), kPanel);
    EXPECT_EQ(c.At(w / 2, 38), kPanel) << "the panel starts 36 pixels down";
    EXPECT_NE(c.At(w / 2, 33), kPanel);
    EXPECT_TRUE(Near(c.At(1, h / 2), GetSysColor(COLOR_ACTIVECAPTION), 12)) << ColourText(c.At(1, h / 2));
    EXPECT_TRUE(Near(c.At(w - 1, h / 2), GetSysColor(COLOR_GRADIENTACTIVECAPTION), 12)) << ColourText(c.At(w - 1, h / 2));
    EXPECT_EQ(c.At(w - 4, h / 2), RGB(128, 128, 128)) << "right shadow";
    EXPECT_EQ(c.At(w / 2, h - 4), RGB(128, 128, 128)) << "bottom shadow";
    EXPECT_EQ(c.At(8, 30), RGB(30, 143, 255)) << "title tab";
    EXPECT_EQ(c.At(8, 37), RGB(30, 143, 255)) << "the tab runs into the panel";

    auto differing = [&](int left, int top, int right, int bottom, COLORREF from) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += !Near(c.At(x, y), from, 12);
        return n;
    };
    // Tab text, icon and caption title stand out from what is around them.
    EXPECT_GT(differing(15, 24, 40, 36, RGB(30, 143, 255)), 10);
    EXPECT_GT(differing(2, 2, 18, 18, c.At(20, 1)), 20);
    EXPECT_GT(differing(26, 2, 90, 18, c.At(26, 1)), 20);

    // Without tab and caption line the panel rises to 10 pixels.
    Canvas plain(w, h);
    EXPECT_TRUE(PaintBackground(Dialog(), plain.Dc(), BackgroundOptions{}, resources));
    EXPECT_EQ(plain.At(w / 2, 12), kPanel);
    EXPECT_NE(plain.At(w / 2, 8), kPanel);
}

TEST_F(SkinTest, StaticControlsGetThePanelColour)
{
    HWND label = dialog_.Item(kLabel);
    HDC dc = GetDC(label);
    LRESULT brush = SendMessageA(Dialog(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), App().backgroundBrush.Get());
    EXPECT_EQ(GetBkColor(dc), kPanel);
    ReleaseDC(label, dc);
}

TEST(SkinPerWindow, TwoSkinnedDialogsKeepTheirOwnState)
{
    PrepareApplication();
    auto a = std::make_unique<TestDialog>();
    TestDialog b(TestDialogOptions{false, 200, 90});
    ApplyLauncherChrome(a->Window());
    ApplyDialogSkin(b.Window());
    // Skinning again must not chain the hover procedure onto itself.
    SkinButtons(a->Window());
    ApplyLauncherChrome(a->Window());
    SkinButtons(b.Window());

    HWND aButton = a->Item(kGoWith);
    HWND bButton = b.Item(kGoWith);
    SendMessageA(aButton, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(HoveredButton(a->Window()), aButton);
    EXPECT_EQ(HoveredButton(b.Window()), nullptr);
    SendMessageA(bButton, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(HoveredButton(b.Window()), bButton);
    EXPECT_EQ(HoveredButton(a->Window()), aButton) << "another dialog's hover is its own";

    // The first dialog goes; the second keeps working.
    a.reset();
    EXPECT_TRUE(IsSkinned(b.Window()));
    SendMessageA(b.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 140));
    EXPECT_EQ(HoveredButton(b.Window()), nullptr);
    EXPECT_TRUE(SendMessageA(bButton, WM_SETCURSOR, reinterpret_cast<WPARAM>(bButton), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    wt::PumpMessages(50);
}

TEST(SkinPerWindow, TheDialogSkinDrawsPlainPushButtonsAndKeepsTheirCommands)
{
    PrepareApplication();
    TestDialog about(TestDialogOptions{false, 200, 90});
    ApplyDialogSkin(about.Window());
    for (int id : {kGo, kGoWith, kPlainPush})
        EXPECT_EQ(GetWindowLongA(about.Item(id), GWL_STYLE) & 0xF, BS_OWNERDRAW) << id;
    EXPECT_EQ(GetWindowLongA(about.Item(kCheck), GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);
    SendMessageA(about.Item(kPlainPush), BM_CLICK, 0, 0);
    wt::PumpMessages(20);
    EXPECT_EQ(about.Commands(kPlainPush), 1);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(about.Window(), WM_GETICON, ICON_SMALL, 0)), App().smallIcon);
    EXPECT_FALSE(IsDockedAway(about.Window()));
}

} // namespace
