// Closing every visible Internet Explorer window, and nothing else.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/Subsystems_win.h"
#include "tests/support/WineTestUtil.h"

namespace {

int g_closeRequests = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)
        ++g_closeRequests;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* className, bool visible)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, className, "page", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window && visible)
        ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

TEST(CloseBrowserWindows, ClosesVisibleBrowserFramesOnly)
{
    // The class is matched without regard to letter case.
    HWND browser = MakeWindow("ieframe", true);
    HWND hiddenBrowser = CreateWindowExA(0, "ieframe", "hidden", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND other = MakeWindow("IEFrameNot", true);
    ASSERT_TRUE(browser && hiddenBrowser && other);

    // A browser of another process is closed as well; the stand-in (another class) is not.
    wt::Child standin;
    ASSERT_TRUE(standin.Start("\"" + wt::ProgramFolder() + "standin_browser.exe\" http://kept/"));
    ASSERT_TRUE(wt::WaitUntil([] { return !wt::WindowsOfClass("QvStandInBrowser").empty(); }));

    g_closeRequests = 0;
    CloseBrowserWindows();
    wt::PumpMessages(200);
    EXPECT_FALSE(IsWindow(browser));
    EXPECT_EQ(g_closeRequests, 1);
    EXPECT_TRUE(IsWindow(hiddenBrowser));
    EXPECT_TRUE(IsWindow(other));
    EXPECT_TRUE(standin.Running());

    DestroyWindow(hiddenBrowser);
    DestroyWindow(other);
}

} // namespace
