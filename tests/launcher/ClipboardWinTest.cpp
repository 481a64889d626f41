// The clipboard search: the text searched as typed, or message 1081 over the right owner.
#include <windows.h>

#include <atomic>
#include <cstring>
#include <thread>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"
#include "tests/launcher/LauncherWinFixture_win.h"

namespace {

using lt::LauncherWin;

bool PutOnClipboard(const char* text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    bool ok = true;
    if (text) {
        std::size_t size = std::strlen(text) + 1;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(memory), text, size);
        GlobalUnlock(memory);
        ok = SetClipboardData(CF_TEXT, memory) != nullptr;
    }
    CloseClipboard();
    return ok;
}

// A message box of this process as a second thread finds it, read and then closed.
struct SeenBox {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    bool hasIcon = false;
};

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) noexcept
{
    SeenBox& box = *reinterpret_cast<SeenBox*>(param);
    char cls[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0)
        return TRUE;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        box.hasIcon = true;
        return TRUE;
    }
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    if (std::strlen(text) > box.text.size())
        box.text = text;
    return TRUE;
}

struct BoxSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) noexcept
{
    BoxSearch& search = *reinterpret_cast<BoxSearch*>(param);
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search.processId && std::strcmp(cls, "#32770") == 0 && IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Watches for the box on its own thread while the test's thread sits in the box's loop.
class BoxCloser {
public:
    BoxCloser()
        : thread_([this] {
              DWORD start = GetTickCount();
              while (GetTickCount() - start < 10000) {
                  BoxSearch search{GetCurrentProcessId()};
                  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
                  if (search.found) {
                      char caption[256] = {};
                      GetWindowTextA(search.found, caption, sizeof caption);
                      box.caption = caption;
                      box.owner = GetWindow(search.found, GW_OWNER);
                      EnumChildWindows(search.found, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
                      seen = true;
                      PostMessageA(search.found, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  Sleep(20);
              }
          })
    {
    }
    ~BoxCloser()
    {
        if (thread_.joinable())
            thread_.join();
    }
    void Join() { thread_.join(); }

    SeenBox box;
    std::atomic<bool> seen{false};

private:
    std::thread thread_;
};

class ClipboardSearch : public LauncherWin {
protected:
    void TearDown() override
    {
        PutOnClipboard(nullptr);
        LauncherWin::TearDown();
    }
    std::string Settings() const
    {
        return "[Options]\r\nWelCome=1\r\nUseMiniBrowserSearch=0\r\n"
               "[Searcher]\r\nSearcher1=Web|\"http://web.example/?q=%s\"|http://web.example/|1\r\n";
    }
};

TEST_F(ClipboardSearch, TheClipboardsTextIsSearchedAsTyped)
{
    ASSERT_TRUE(StartWithSettings(Settings()));
    ASSERT_TRUE(PutOnClipboard("  two words "));
    SearchClipboard();
    ASSERT_TRUE(Opened("http://web.example/?q=two+words")) << Log();
    // The clipboard is given back at once.
    EXPECT_TRUE(OpenClipboard(nullptr));
    CloseClipboard();
    EXPECT_EQ(SearchHistory().Size(), 0u) << "the clipboard search keeps no history";
}

TEST_F(ClipboardSearch, AnAddressOnTheClipboardIsOpenedAndALongTextIsCut)
{
    ASSERT_TRUE(StartWithSettings(Settings()));
    ASSERT_TRUE(PutOnClipboard("http://clip.example/page"));
    SearchClipboard();
    ASSERT_TRUE(Opened("http://clip.example/page")) << Log();

    // An address is opened as it stands, so its end shows where the clipboard's text was cut.
    std::string longAddress = "http://long.example/" + std::string(3000, 'w');
    longAddress.replace(1020, 6, "TAILxy");
    ASSERT_TRUE(PutOnClipboard(longAddress.c_str()));
    SearchClipboard();
    ASSERT_TRUE(Opened("http://long.example/www")) << Log();
    ASSERT_TRUE(Opened("wTAI\r\n")) << "cut after 1023 characters";
    EXPECT_EQ(Log().find("TAILx"), std::string::npos);
}

TEST_F(ClipboardSearch, WithoutTextMessage1081IsShownOverTheMainWindow)
{
    ASSERT_TRUE(StartWithSettings(Settings()));
    for (const char* content : {static_cast<const char*>(nullptr), ""}) {
        ASSERT_TRUE(PutOnClipboard(content));
        BoxCloser closer;
        SearchClipboard();   // returns when the box is closed
        closer.Join();
        ASSERT_TRUE(closer.seen) << "no message box";
        EXPECT_EQ(closer.box.text,
                  "There is no text in clipboard. Copy a text field to use this fonctionnality.");
        EXPECT_EQ(closer.box.text, LoadText(IDS_NO_CLIPBOARD_TEXT));
        EXPECT_EQ(closer.box.caption, App().appTitle);
        EXPECT_EQ(closer.box.owner, main_);
        EXPECT_TRUE(closer.box.hasIcon);
    }
    wt::PumpMessages(200);
    EXPECT_EQ(App().launched.Size(), 0u);
    EXPECT_EQ(LoggedLaunches(), 0);
}

TEST_F(ClipboardSearch, WithTheLauncherOpenTheMessageBelongsToIt)
{
    ASSERT_TRUE(StartWithSettings(Settings()));
    // A window stands in for the launcher dialog, whose layouts are not part of these tests.
    HWND launcher = CreateWindowExA(0, "STATIC", "launcher", WS_POPUP | WS_VISIBLE, 0, 0, 100, 50, main_, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(launcher, nullptr);
    App().launcherWindow = launcher;
    ASSERT_TRUE(PutOnClipboard(nullptr));
    BoxCloser closer;
    SearchClipboard();
    closer.Join();
    App().launcherWindow = nullptr;
    DestroyWindow(launcher);
    ASSERT_TRUE(closer.seen);
    EXPECT_EQ(closer.box.owner, launcher);
}

} // namespace
