// The mini browser's page side in the program: the control's events as it sends them, pop-up
// blocking, keys, gestures and new windows, the roads into it, and frames opened and closed
// without leaks.
#include <windows.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/minibrowser/MiniBrowserFixture_win.h"

#include "app/ResourceLoader_win.h"
#include "launcher/SubmitText_win.h"
#include "minibrowser/BrowserEvents_win.h"
#include "minibrowser/PageGestures_win.h"
#include "resources/ResourceIds.h"
#include "tests/translator/ModalScript_win.h"

namespace {

using mbt::MiniBrowserWin;
using wt::HttpPeer;

// A window of the test with a recording gesture target on it.
class GestureWindow final : public GestureTarget {
public:
    GestureWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QvGestureTestWindow";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                  wc.hInstance, nullptr);
        Received().clear();
    }
    ~GestureWindow() { DestroyWindow(window_); }
    GestureWindow(const GestureWindow&) = delete;
    GestureWindow& operator=(const GestureWindow&) = delete;

    HWND Window() const { return window_; }
    bool GesturesEnabled() const override { return enabled; }
    void OnGesture(minibrowser::Gesture g) override { gestures.push_back(g); }
    void OnClickNavigation(minibrowser::ClickAction a) override { clicks.push_back(a); }

    // "message x,y" of every button message the window itself got.
    static std::vector<std::string>& Received()
    {
        static std::vector<std::string> received;
        return received;
    }

    bool enabled = true;
    std::vector<minibrowser::Gesture> gestures;
    std::vector<minibrowser::ClickAction> clicks;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const char* name = message == WM_RBUTTONDOWN ? "rdown" : message == WM_RBUTTONUP ? "rup"
                           : message == WM_LBUTTONDOWN ? "ldown" : message == WM_LBUTTONUP ? "lup" : nullptr;
        if (name)
            Received().push_back(std::string(name) + " " + std::to_string(static_cast<short>(LOWORD(lParam))) + "," +
                                 std::to_string(static_cast<short>(HIWORD(lParam))));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window_ = nullptr;
};

void Send(HWND window, UINT message, WPARAM keys, int x, int y)
{
    SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

int CountWindows(HWND parent)
{
    int count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count += 1 + CountWindows(child);
    return count;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count)
{
    *reinterpret_cast<int*>(count) += 1 + CountWindows(window);
    return TRUE;
}

int ThreadWindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(MiniBrowserWin, PageEventsAsTheControlSendsThem)
{
    StartBrowser();
    MiniBrowserFrame* main = Main();
    HWND frame = main->Window();
    EXPECT_EQ(MiniBrowserCurrentAddress(), "") << "nothing before the first opening";
    ShowInMiniBrowser(HttpPeer::Url("/start").c_str(), 0);
    EXPECT_TRUE(PeerSaw("/start"));
    EXPECT_EQ(MiniBrowserCurrentAddress(), "about:blank") << "opened, no page complete yet";

    // The page's real address after redirects; a frame inside the page changes nothing.
    DocumentComplete(main, L"http://redirected.example/final");
    EXPECT_EQ(main->CurrentAddress(), "http://redirected.example/final");
    EXPECT_EQ(MiniBrowserCurrentAddress(), "http://redirected.example/final");
    MiniBrowserFrame* other = App_().OpenFurtherFrame(main, "");
    ASSERT_NE(other, nullptr);
    DocumentComplete(main, L"http://inner.example/frame", other->Host().Dispatch());
    EXPECT_EQ(main->CurrentAddress(), "http://redirected.example/final");

    // The title goes to the window text, never to the address.
    BSTR title = SysAllocString(L"Peer title");
    Fire(main, DISPID_TITLECHANGE, {Text(title)});
    SysFreeString(title);
    EXPECT_EQ(main->Title(), "Peer title");
    char text[200] = {};
    GetWindowTextA(frame, text, sizeof text);
    EXPECT_STREQ(text, "Peer title [Quorvane MiniBrowser]");
    EXPECT_EQ(main->CurrentAddress(), "http://redirected.example/final");

    // Status texts that look like links show in the label at the view's bottom left.
    BSTR link = SysAllocString(L"http://x.example/a");
    Fire(main, DISPID_STATUSTEXTCHANGE, {Text(link)});
    SysFreeString(link);
    ASSERT_NE(main->LinkLabel(), nullptr);
    EXPECT_TRUE(IsWindowVisible(main->LinkLabel()));
    GetWindowTextA(main->LinkLabel(), text, sizeof text);
    EXPECT_STREQ(text, "http://x.example/a");
    RECT label = {}, view = {};
    GetWindowRect(main->LinkLabel(), &label);
    GetWindowRect(main->View(), &view);
    EXPECT_EQ(label.left, view.left);
    EXPECT_EQ(label.bottom, view.bottom);
    BSTR done = SysAllocString(L"Done");
    Fire(main, DISPID_STATUSTEXTCHANGE, {Text(done)});
    EXPECT_FALSE(IsWindowVisible(main->LinkLabel()));
    Options().MiniBrowserPrintLink = 0;
    BSTR mail = SysAllocString(L"mailto:a@b.example");
    Fire(main, DISPID_STATUSTEXTCHANGE, {Text(mail)});
    EXPECT_FALSE(IsWindowVisible(main->LinkLabel()));
    SysFreeString(mail);
    SysFreeString(done);

    // Window placement asked by the page.
    HWND otherWindow = other->Window();
    MoveWindow(otherWindow, 50, 60, 600, 400, FALSE);
    Fire(other, DISPID_WINDOWSETLEFT, {Long(120)});
    Fire(other, DISPID_WINDOWSETTOP, {Long(130)});
    Fire(other, DISPID_WINDOWSETWIDTH, {Long(640)});
    Fire(other, DISPID_WINDOWSETHEIGHT, {Long(300)});
    RECT r = RectOf(otherWindow);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 130);
    EXPECT_EQ(r.right - r.left, 640 + GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(r.bottom - r.top, 300 + 2 * GetSystemMetrics(SM_CYFRAME));
    long cx = 500, cy = 200;
    Fire(other, DISPID_CLIENTTOHOSTWINDOW, {LongRef(&cx), LongRef(&cy)});
    RECT bar = {};
    GetClientRect(other->ToolBar().Window(), &bar);
    r = RectOf(otherWindow);
    EXPECT_EQ(r.left, 120) << "resized, not moved";
    EXPECT_EQ(r.right - r.left, 500 + GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(r.bottom - r.top, bar.bottom + 2 * GetSystemMetrics(SM_CYFRAME) + 200);
    Fire(other, DISPID_WINDOWSETWIDTH, {Long(2147483647)});
    Fire(other, DISPID_WINDOWSETLEFT, {Long(-2147483647)});
    EXPECT_TRUE(IsWindow(otherWindow));

    // The page closes its window: the control's closing is cancelled and the frame closes.
    VARIANT_BOOL cancel = VARIANT_FALSE;
    Fire(other, DISPID_WINDOWCLOSING, {Bool(true), BoolRef(&cancel)});
    EXPECT_EQ(cancel, VARIANT_TRUE);
    wt::PumpMessages(100);
    EXPECT_FALSE(IsWindow(otherWindow));
    EXPECT_EQ(FurtherCount(), 0u);

    // Events the control cannot explain are ignored; so are ones without their arguments.
    Fire(main, DISPID_NEWWINDOW2, {});
    Fire(main, DISPID_CLIENTTOHOSTWINDOW, {Long(1)});
    Fire(main, 99999, {Long(1)});
    EXPECT_TRUE(IsWindow(frame));
}

TEST_F(MiniBrowserWin, PopupsAreBlockedOnlyWhileLoadingWithTheOptionAndTheRunState)
{
    StartBrowser();
    MiniBrowserFrame* main = Main();
    ShowInMiniBrowser(HttpPeer::Url("/popups").c_str(), 0);
    EXPECT_TRUE(PeerSaw("/popups"));
    // The control here never finishes loading: its pages stay "loading".
    NewWindowAnswer answer = NewWindow(main);
    EXPECT_TRUE(answer.cancelled);
    EXPECT_EQ(FurtherCount(), 0u);

    // F6 lifts the blocking for this run only.
    Press(main, VK_F6);
    EXPECT_EQ(Options().miniBrowserKillPopupNow, 0);
    EXPECT_EQ(Options().MiniBrowserKillPopup, 1);
    answer = NewWindow(main);
    EXPECT_FALSE(answer.cancelled);
    EXPECT_TRUE(answer.browserGiven) << "the new frame's control shows the window";
    ASSERT_EQ(FurtherCount(), 1u);
    const RECT m = RectOf(main->Window()), f = RectOf(App_().FurtherFrames()[0]->Window());
    EXPECT_EQ(f.right - f.left, m.right - m.left);

    Press(main, VK_F6);
    EXPECT_EQ(Options().miniBrowserKillPopupNow, 1);
    Options().MiniBrowserKillPopup = 0;
    answer = NewWindow(main);
    EXPECT_TRUE(answer.browserGiven) << "the option off lets it through";
    EXPECT_EQ(FurtherCount(), 2u);

    // With MiniBrowserOpenLink off the system opens the window itself.
    Options().MiniBrowserOpenLink = 0;
    answer = NewWindow(main);
    EXPECT_FALSE(answer.cancelled);
    EXPECT_FALSE(answer.browserGiven);
    EXPECT_EQ(FurtherCount(), 2u);

    Press(main, VK_F4, true, true);
    wt::PumpMessages(100);
    EXPECT_EQ(FurtherCount(), 0u);
}

TEST_F(MiniBrowserWin, KeysGesturesAndNewWindows)
{
    StartBrowser("UseMiniBrowserClose=1\r\nUseCurrentBrowser=0\r\n");
    MiniBrowserFrame* main = Main();
    ShowInMiniBrowser(HttpPeer::Url("/current").c_str(), 0);
    EXPECT_TRUE(PeerSaw("/current"));

    // Ctrl+N by MiniBrowserCtrlN: blank, the current page, home.
    Options().MiniBrowserCtrlN = 0;
    Key(main, WM_KEYDOWN, 'N', true);
    ASSERT_EQ(FurtherCount(), 1u);
    EXPECT_TRUE(wt::WaitUntil([&] { return LocationOf(App_().FurtherFrames()[0]) == "about:blank"; }, 3000));
    Options().MiniBrowserCtrlN = 1;
    HttpPeer::Reset();
    Key(main, WM_KEYDOWN, 'N', true);
    ASSERT_EQ(FurtherCount(), 2u);
    EXPECT_TRUE(PeerSaw("/current"));
    Options().MiniBrowserCtrlN = 2;
    Key(main, WM_KEYDOWN, 'N', true);
    EXPECT_TRUE(PeerSaw("/home"));
    EXPECT_EQ(FurtherCount(), 3u);

    // 3: the clipboard's text, trimmed; an empty clipboard says so and opens nothing.
    Options().MiniBrowserCtrlN = 3;
    tt::SetClipboardText("  " + HttpPeer::Url("/clip?x=1") + " \r\n");
    Key(main, WM_KEYDOWN, 'N', true);
    EXPECT_TRUE(PeerSaw("/clip?x=1"));
    EXPECT_EQ(FurtherCount(), 4u);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    const std::string noText = LoadText(IDS_NO_CLIPBOARD_TEXT);
    tt::ModalScript script;
    script.Then([&] {
        HWND box = tt::MessageBoxShowing(noText);
        if (!box)
            return false;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    script.Run([&] {
        Key(main, WM_KEYDOWN, 'N', true);
        return INT_PTR(0);
    });
    EXPECT_EQ(FurtherCount(), 4u);
    // A clipboard of 1 MB opens one window with the text cut.
    tt::SetClipboardText(std::string(1 << 20, 'c'));
    Key(main, WM_KEYDOWN, 'N', true);
    EXPECT_EQ(FurtherCount(), 5u);

    // Keys: a plain letter is the page's; the function keys act on release only.
    EXPECT_FALSE(Key(main, WM_KEYDOWN, 'N'));
    EXPECT_TRUE(Key(main, WM_KEYDOWN, VK_F6));
    EXPECT_EQ(Options().miniBrowserKillPopupNow, 1) << "not on the press";
    EXPECT_TRUE(Key(main, WM_KEYDOWN, VK_PRIOR, true));   // back: refused by the control here, quietly
    EXPECT_TRUE(Key(main, WM_KEYDOWN, VK_NEXT, true));
    EXPECT_TRUE(Press(main, VK_F5));
    EXPECT_TRUE(Press(main, VK_F3));
    EXPECT_TRUE(wt::WaitUntil([] { return ::App().launcherWindow && IsWindowVisible(::App().launcherWindow); }, 3000));

    // Gestures on the frame: minimise, close this frame only, close all.
    MiniBrowserFrame* last = App_().FurtherFrames().back();
    HWND lastWindow = last->Window();
    last->OnGesture(minibrowser::Gesture::Minimise);
    EXPECT_TRUE(IsIconic(lastWindow));
    last->OnGesture(minibrowser::Gesture::NewWindow);
    EXPECT_EQ(FurtherCount(), 6u);
    last->OnGesture(minibrowser::Gesture::CloseFrame);
    wt::PumpMessages(100);
    EXPECT_FALSE(IsWindow(lastWindow));
    EXPECT_EQ(FurtherCount(), 5u);
    last = App_().FurtherFrames().back();
    last->OnGesture(minibrowser::Gesture::Back);
    last->OnGesture(minibrowser::Gesture::Forward);

    // F2: the page in the user's browser, and the frame closes (UseMiniBrowserClose).
    HttpPeer::Reset();
    Press(last, VK_F2);
    EXPECT_TRUE(Opened("clip") || Opened("ccc")) << Log();
    wt::PumpMessages(100);
    EXPECT_EQ(FurtherCount(), 4u);

    App_().FurtherFrames().front()->OnGesture(minibrowser::Gesture::CloseAll);
    wt::PumpMessages(100);
    EXPECT_EQ(FurtherCount(), 0u);
    EXPECT_FALSE(IsWindowVisible(main->Window()));
    // Esc closes a visible frame, on release.
    ShowInMiniBrowser("", 0);
    EXPECT_TRUE(IsWindowVisible(main->Window()));
    EXPECT_TRUE(Key(main, WM_KEYDOWN, VK_ESCAPE));
    EXPECT_TRUE(IsWindowVisible(main->Window()));
    Key(main, WM_KEYUP, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(main->Window()));
}

TEST_F(MiniBrowserWin, GesturesAndClickNavigationOnAPageWindow)
{
    GestureWindow page;
    ASSERT_TRUE(AttachPageGestures(page.Window(), &page));
    EXPECT_FALSE(AttachPageGestures(page.Window(), &page)) << "once";
    HWND w = page.Window();

    // A stroke: no message reaches the page.
    Send(w, WM_RBUTTONDOWN, MK_RBUTTON, 100, 100);
    Send(w, WM_RBUTTONUP, 0, 20, 110);
    ASSERT_EQ(page.gestures.size(), 1u);
    EXPECT_EQ(page.gestures[0], minibrowser::Gesture::Back);
    Send(w, WM_RBUTTONDOWN, MK_RBUTTON, 100, 100);
    Send(w, WM_RBUTTONUP, 0, 150, 160);
    EXPECT_EQ(page.gestures.back(), minibrowser::Gesture::CloseFrame);
    EXPECT_TRUE(GestureWindow::Received().empty());

    // No stroke: the press and the release go to the page where they happened.
    Send(w, WM_RBUTTONDOWN, MK_RBUTTON, 100, 100);
    Send(w, WM_RBUTTONUP, 0, 110, 95);
    EXPECT_EQ(GestureWindow::Received(), (std::vector<std::string>{"rdown 100,100", "rup 110,95"}));
    EXPECT_EQ(page.gestures.size(), 2u);

    // Right released over a held left: forward, and the left release is the page's no more.
    GestureWindow::Received().clear();
    Send(w, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    Send(w, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 10, 10);
    Send(w, WM_RBUTTONUP, MK_LBUTTON, 10, 10);
    Send(w, WM_LBUTTONUP, 0, 10, 10);
    ASSERT_EQ(page.clicks.size(), 1u);
    EXPECT_EQ(page.clicks[0], minibrowser::ClickAction::Forward);
    EXPECT_EQ(GestureWindow::Received(), (std::vector<std::string>{"ldown 10,10"}));
    // Left released over a held right: back.
    Send(w, WM_RBUTTONDOWN, MK_RBUTTON, 10, 10);
    Send(w, WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 10, 10);
    Send(w, WM_LBUTTONUP, MK_RBUTTON, 10, 10);
    Send(w, WM_RBUTTONUP, 0, 10, 10);
    ASSERT_EQ(page.clicks.size(), 2u);
    EXPECT_EQ(page.clicks[1], minibrowser::ClickAction::Back);

    // Off (MiniBrowserNavClic 0): the page gets everything.
    GestureWindow::Received().clear();
    page.enabled = false;
    Send(w, WM_RBUTTONDOWN, MK_RBUTTON, 100, 100);
    Send(w, WM_RBUTTONUP, 0, 20, 100);
    EXPECT_EQ(GestureWindow::Received().size(), 2u);
    EXPECT_EQ(page.gestures.size(), 2u);
    DetachPageGestures(w);
}

TEST_F(MiniBrowserWin, RoadsIntoTheMiniBrowser)
{
    StartBrowser("UseMiniBrowserSearch=1\r\nUseCurrentBrowser=0\r\nUseMiniBrowserUrl=1\r\n"
                 "[Searcher]\r\nSearcher1=Peer|\"" + HttpPeer::Url("/search?q=%s") + "\"|" + HttpPeer::Url("/") + "|1\r\n");
    LoadLauncherLists();
    HWND frame = Main()->Window();

    // A search from the launcher with UseMiniBrowserSearch: in the mini browser.
    RecordAndLaunch("minibrowser word", false);
    EXPECT_TRUE(PeerSaw("/search?q=minibrowser+word"));
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_EQ(LoggedLaunches(), 0) << Log();
    // Without it: the user's browser.
    Options().UseMiniBrowserSearch = 0;
    HttpPeer::Reset();
    RecordAndLaunch("browser word", false);
    EXPECT_TRUE(Opened("/search?q=browser+word")) << Log();
    EXPECT_EQ(HttpPeer::Count(), 0);

    // The tray's command 32792 and hotkey slot 5 open the home page.
    SendMessageA(Main()->Window(), WM_CLOSE, 0, 0);
    HttpPeer::Reset();
    SendMessageA(main_, WM_COMMAND, IDM_STARTMINIBROWSER, 0);
    EXPECT_TRUE(PeerSaw("/home"));
    EXPECT_TRUE(IsWindowVisible(frame));
    SendMessageA(frame, WM_CLOSE, 0, 0);
    HttpPeer::Reset();
    SendMessageA(main_, WM_HOTKEY, 10239, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'B'));   // 834, Ctrl+Shift+B
    EXPECT_TRUE(PeerSaw("/home"));
    EXPECT_TRUE(IsWindowVisible(frame));

    // The monitor window's Ctrl+Enter: a new frame; the link dialog's current page.
    ShowInNewMiniBrowser(HttpPeer::Url("/new").c_str());
    EXPECT_TRUE(PeerSaw("/new"));
    EXPECT_EQ(FurtherCount(), 1u);
    DocumentComplete(Main(), L"http://current.example/");
    EXPECT_EQ(MiniBrowserCurrentAddress(), "http://current.example/");

    // 50 frames at once; a page opening windows in a loop gets them cancelled past the limit.
    for (int i = 0; i < 50; ++i)
        ShowInNewMiniBrowser("");
    EXPECT_EQ(FurtherCount(), 51u);
    Options().miniBrowserKillPopupNow = 0;
    for (std::size_t i = FurtherCount(); i < kMaxFurtherFrames; ++i)
        EXPECT_TRUE(NewWindow(Main()).browserGiven);
    EXPECT_EQ(FurtherCount(), kMaxFurtherFrames);
    EXPECT_TRUE(NewWindow(Main()).cancelled);
    EXPECT_EQ(FurtherCount(), kMaxFurtherFrames);
    App_().CloseAll();
    EXPECT_EQ(FurtherCount(), 0u);
}

TEST_F(MiniBrowserWin, HundredFramesOpenedAndClosedLeakNothing)
{
    StartBrowser();
    const long comBefore = BrowserComObjectsAlive();
    const int windowsBefore = ThreadWindowCount();
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_EQ(comBefore, 2) << "the main frame's site and event sink";
    RECT place = RectOf(Main()->Window());
    for (int i = 0; i < 100; ++i) {
        // Hidden frames: the test display has no window manager, and Wine waits for one two
        // seconds whenever a shown window goes.
        MiniBrowserFrame* frame =
            MiniBrowserFrame::Create(true, {place.left, place.top, place.right - place.left, place.bottom - place.top});
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(BrowserComObjectsAlive(), comBefore + 2);
        if (i % 2) {
            frame->Navigate(HttpPeer::Url("/cycle?" + std::to_string(i)), 0);
            PeerSaw("/cycle?" + std::to_string(i));
        }
        if (i == 50) {
            // Once shown with the keyboard: the control active with its UI, as the user has it.
            ShowWindow(frame->Window(), SW_SHOW);
            SetFocus(frame->Window());
        }
        if (i % 10 == 0) {
            frame->ShowAddressBar(true);
            frame->OnStatusText("http://label.example/");
            frame->OnProgress(5, 10);
            SendMessageA(frame->ToolBar().Window(), WM_PAINT, 0, 0);
        }
        // The test's own hold on the control shows when every other one is gone.
        IWebBrowser2* control = frame->Host().Browser();
        ASSERT_NE(control, nullptr);
        control->AddRef();
        SendMessageA(frame->Window(), WM_CLOSE, 0, 0);
        ASSERT_EQ(BrowserComObjectsAlive(), comBefore) << "cycle " << i;
        ASSERT_EQ(ThreadWindowCount(), windowsBefore) << "cycle " << i;
        EXPECT_TRUE(wt::WaitUntil([&] {
            control->AddRef();
            return control->Release() == 1;
        }, 5000)) << "the control still held elsewhere, cycle " << i;
        EXPECT_EQ(control->Release(), 0u) << "cycle " << i;
    }
    const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(gdiAfter, gdiBefore + 10) << "GDI objects before " << gdiBefore << ", after " << gdiAfter;
}

} // namespace
