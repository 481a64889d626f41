// The clipboard search: the text searched as typed, or message 1081 over the right owner.
#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <cstring>
#include <thread>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "launcher/OpenFavoriteFile_win.h"
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
    ASSERT_TRUE(Opened("wTAI\"\r\n")) << "cut after 1023 characters";
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

// The second argument of every launch the stand-in logged (its own path is the first), split
// as a Windows program splits its command line.
std::vector<std::string> LoggedArguments(const std::string& log)
{
    std::vector<std::string> args;
    for (std::size_t at = 0, end; (end = log.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::wstring line(log.begin() + static_cast<std::ptrdiff_t>(at),
                                log.begin() + static_cast<std::ptrdiff_t>(end));   // ASCII here
        int count = 0;
        LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
        args.push_back(count == 2 ? std::string(argv[1], argv[1] + wcslen(argv[1]))
                                  : std::to_string(count) + " arguments");
        LocalFree(argv);
    }
    return args;
}

// Addresses with blanks, quotes and leading dashes reach the browser as exactly one argument,
// equal to the address, whichever door they take: a clipboard search (to the browser and to the
// mini browser's place), a favorite whose URL begins with "-", a favorite opened by its own
// path under "Documents and Settings"; one with a line break reaches no program.
TEST_F(LauncherWin, EveryAddressReachesTheBrowserAsOneArgument)
{
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\nUseCurrentBrowser=0\r\nUseMiniBrowserLink=0\r\n"
                                  "UseMiniBrowserFavorites=0\r\n"));
    const std::string injected = "http://x.example/ --gpu-launcher=\"cmd /c calc\" --no-sandbox";
    const std::string dashed = "--gpu-launcher=\"cmd /c calc\" http://y.example/a\\\"b\\";
    const std::string folder = "C:\\Documents and Settings\\Quorvane test";
    wt::DeleteTree(folder);
    CreateDirectoryA("C:\\Documents and Settings", nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(wt::WriteFileText(folder + "\\dashed.url", "[InternetShortcut]\r\nURL=" + dashed + "\r\n"));
    ASSERT_TRUE(wt::WriteFileText(folder + "\\page.htm", "<p>no shortcut</p>"));

    ASSERT_TRUE(PutOnClipboard(injected.c_str()));
    SearchClipboard();
    ASSERT_TRUE(Opened("x.example")) << Log();
    Options().UseMiniBrowserLink = 1;   // the mini browser's place, until it exists
    SearchClipboard();
    ASSERT_TRUE(wt::WaitUntil([&] { return LoggedLaunches() == 2; })) << Log();
    OpenFavoriteFile(folder + "\\dashed.url");
    ASSERT_TRUE(Opened("y.example")) << Log();
    OpenFavoriteFile(folder + "\\page.htm");
    ASSERT_TRUE(Opened("page.htm")) << Log();
    ASSERT_TRUE(PutOnClipboard("http://z.example/\r\n--no-sandbox"));
    SearchClipboard();
    wt::PumpMessages(500);

    EXPECT_EQ(LoggedArguments(Log()), (std::vector<std::string>{injected, injected, dashed, folder + "\\page.htm"}));
    EXPECT_EQ(App().launched.Size(), 4u) << "the address with a line break started nothing";
    wt::DeleteTree(folder);
}

} // namespace
