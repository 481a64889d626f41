// Checks through the real program against the loopback HTTP peer: pages come from the
// settings file, "&Check links..." is posted to the main window, and what the run leaves
// (stored copies, states in the settings file, the balloon, the end-of-check command) is read
// back from outside the page monitor.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"
#include "tests/support/HttpPeer_win.h"
#include "webalert/WebAlert_win.h"

namespace {

std::string Link(const std::string& page)
{
    return wt::HttpPeer::Url("/page/" + page);
}

// Sets what the peer answers for /page/NAME (bytes percent-encoded, NUL bytes allowed).
void ServePage(const std::string& name, const std::string& bytes)
{
    std::string query;
    for (unsigned char c : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", c);
        query += hex;
    }
    ASSERT_NE(wt::HttpPeer::RawGet("/setpage/" + name + "?" + query).find("ok"), std::string::npos);
}

std::string Line(const std::string& name, const std::string& link, int enabled = 1, int state = 0)
{
    return name + "|\"" + link + "\"||" + std::to_string(enabled) + "|" + std::to_string(state) + "|0|0|||0";
}

std::string Today()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    char date[16];
    std::snprintf(date, sizeof date, "%04i%02i%02i", now.wYear, now.wMonth, now.wDay);
    return date;
}

class WebAlertCheck : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        ASSERT_FALSE(wt::HttpPeer::Address().empty()) << "runs beside the HTTP peer";
    }

    bool StartWith(const std::vector<std::string>& options, const std::vector<std::string>& pages)
    {
        std::vector<std::string> lines = options;
        lines.push_back("[WebAlertUrl]");
        for (std::size_t i = 0; i < pages.size(); ++i)
            lines.push_back("WebAlertUrl" + std::to_string(i + 1) + "=" + pages[i]);
        if (!Start(lines))
            return false;
        spy_ = std::make_unique<MainWindowSpy>(main_);
        spy_->swallowCommands = false;
        return true;
    }

    // Posts "&Check links..." and waits for the end-of-check command.
    bool CheckLinks(DWORD timeoutMs = 30000)
    {
        const auto ends = [this] { return std::count(spy_->commands.begin(), spy_->commands.end(), IDM_END_CHECK_WEBALERT); };
        const auto before = ends();
        PostMessageA(main_, WM_COMMAND, IDM_CHECK_LINKS, 0);
        return wt::WaitUntil([&] { return ends() > before && !CheckRunning(); }, timeoutMs);
    }

    std::string Copy(const std::string& page, const char* file)
    {
        const std::string path = dataFolder_ + "\\" + page + "\\" + file;
        return wt::FileExists(path) ? wt::ReadFileText(path) : "<none>";
    }

    std::string Stored(int index) { return ReadSetting("WebAlertUrl", ("WebAlertUrl" + std::to_string(index)).c_str()); }

    void MarkAllRead()
    {
        for (PageId id : WebAlertPages().Ids())
            WebAlertPages().Update(id, [](MonitoredPage& p) { p.SetModified(0); });
    }

    const NOTIFYICONDATAA* LastBalloon()
    {
        for (auto it = TrayCalls().rbegin(); it != TrayCalls().rend(); ++it)
            if (it->operation == NIM_MODIFY && (it->data.uFlags & NIF_INFO))
                return &it->data;
        return nullptr;
    }

    void TearDown() override
    {
        spy_.reset();
        AppHarness::TearDown();
    }

    std::unique_ptr<MainWindowSpy> spy_;
};

TEST_F(WebAlertCheck, RunsStoreRotateAndCompareAsTheOptionsSay)
{
    ServePage("alpha", "<html>first</html>");
    ServePage("beta", std::string("<p>B\0b</p>", 10));
    ServePage("off", "off");
    ServePage("later", "later");
    const std::string closed = "http://" + wt::HttpPeer::ClosedAddress() + "/page/gone";
    ASSERT_TRUE(StartWith({"WebAlertFreq=0", "WebAlertShowProgress=1", "WebAlertShowTip=1", "WebAlertShowDlg=1",
                           "WebAlertSound=1", "WebAlertSoundName=nosuch.wav", "WebAlertCMPStrict=0",
                           "WebAlertCMPSize=1", "WebAlertCMPSizeTol=0", "WebAlertCMPNoScript=0"},
                          {Line("Alpha", Link("alpha")), Line("Beta", Link("beta")), Line("Gone", closed),
                           Line("Later", Link("later"), 1, kPageModified), Line("Off", Link("off"), 0)}));
    EXPECT_EQ(WebAlertPages().Size(), 5u);
    wt::HttpPeer::Reset();

    // 1. The first check stores every page it reached and marks it changed.
    ASSERT_TRUE(CheckLinks());
    EXPECT_EQ(wt::HttpPeer::Count(), 2);   // not the Modified page, not the disabled one
    EXPECT_EQ(Copy("Alpha", "url.html"), "<html>first</html>");
    EXPECT_EQ(Copy("Beta", "url.html"), std::string("<p>B\0b</p>", 10));
    EXPECT_EQ(Copy("Alpha", "urBackup.html"), "<none>");
    EXPECT_FALSE(wt::FileExists(dataFolder_ + "\\Gone"));
    const std::string stamp = Stored(1).substr(Stored(1).find("|1|80|0|0|") + 10);
    EXPECT_EQ(stamp.substr(0, 9), Today() + "|");
    EXPECT_EQ(stamp.substr(stamp.size() - 2), "|1");
    EXPECT_EQ(Stored(3), Line("Gone", closed));
    EXPECT_EQ(Stored(4), Line("Later", Link("later"), 1, kPageModified));
    EXPECT_TRUE(AnyEnabledPageChanged());
    const NOTIFYICONDATAA* balloon = LastBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(std::string(balloon->szInfo), LoadText(IDS_LINKS_MODIFIED) + "\n\nAlpha\nBeta");
    EXPECT_STREQ(balloon->szInfoTitle, LoadText(IDS_WEBALERT_TITLE).c_str());

    // 2. Read again: a longer page is a change and rotates; the same length is none (size rule,
    //    tolerance 0), although the bytes differ past a NUL.
    MarkAllRead();
    ServePage("alpha", "<html>second</html>");
    ServePage("beta", std::string("<p>B\0c</p>", 10));
    TrayCalls().clear();
    ASSERT_TRUE(CheckLinks());
    EXPECT_EQ(Copy("Alpha", "urBackup.html"), "<html>first</html>");
    EXPECT_EQ(Copy("Alpha", "url.html"), "<html>second</html>");
    EXPECT_EQ(Stored(1).substr(Stored(1).size() - 2), "|2");
    EXPECT_EQ(Copy("Beta", "url.html"), std::string("<p>B\0b</p>", 10));
    EXPECT_NE(Stored(2).find("|1|16|0|0|"), std::string::npos);   // Updated stays, read
    ASSERT_NE(LastBalloon(), nullptr);
    // Read again, the Modified page was fetched this time: its first copy.
    EXPECT_EQ(std::string(LastBalloon()->szInfo), LoadText(IDS_LINKS_MODIFIED) + "\n\nAlpha\nLater");

    // 3. Strict: the NUL-hidden difference is seen; an equal page loses its Updated mark.
    Options().WebAlertCMPStrict = 1;
    MarkAllRead();
    ASSERT_TRUE(CheckLinks());
    EXPECT_EQ(Copy("Beta", "url.html"), std::string("<p>B\0c</p>", 10));
    EXPECT_EQ(Copy("Beta", "urBackup.html"), std::string("<p>B\0b</p>", 10));
    EXPECT_NE(Stored(1).find("|1|0|0|0|"), std::string::npos);

    // 4. Without scripts: a page whose script alone changed is equal.
    Options().WebAlertCMPNoScript = 1;
    MarkAllRead();
    ServePage("alpha", "<html>second<script>var n=1;</script></html>");
    ASSERT_TRUE(CheckLinks());
    EXPECT_EQ(Copy("Alpha", "url.html"), "<html>second</html>");
    ServePage("alpha", "<html>third<script>var n=2;</script></html>");
    ASSERT_TRUE(CheckLinks());
    EXPECT_EQ(Copy("Alpha", "url.html"), "<html>third<script>var n=2;</script></html>");
    EXPECT_EQ(Copy("Alpha", "urBackup.html"), "<html>second</html>");
}

TEST_F(WebAlertCheck, ProgressWindowOneRunAtATimeAndTheBalloonsLimit)
{
    std::vector<std::string> pages;
    for (int i = 0; i < 14; ++i) {
        const std::string name = "A page with a rather long name number " + std::to_string(i);
        pages.push_back(Line(name, wt::HttpPeer::Url("/delay/600/p" + std::to_string(i))));
    }
    ASSERT_TRUE(StartWith({"WebAlertFreq=0", "WebAlertShowProgress=1", "WebAlertShowTip=1", "WebAlertSound=0"}, pages));
    wt::HttpPeer::Reset();
    PostMessageA(main_, WM_COMMAND, IDM_CHECK_LINKS, 0);
    // The progress window shows up at the bottom right, topmost, with its rows.
    HWND progress = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] {
        for (HWND window : wt::WindowsOfProcess(GetCurrentProcessId()))
            if (IsWindowVisible(window) && GetDlgItem(window, IDC_CHECK_BAR))
                progress = window;
        return progress != nullptr;
    }));
    EXPECT_TRUE(GetWindowLongPtrA(progress, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT area = {}, rect = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(progress, &rect);
    EXPECT_NEAR(rect.right, area.right, 40);
    EXPECT_NEAR(rect.bottom, area.bottom, 40);
    // A second request while the run goes on is refused.
    PostMessageA(main_, WM_COMMAND, IDM_CHECK_LINKS, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { return !CheckRunning(); }, 30000));
    wt::PumpMessages(300);
    EXPECT_EQ(wt::HttpPeer::Count(), 14);
    EXPECT_FALSE(IsWindow(progress));
    EXPECT_EQ(std::count(spy_->commands.begin(), spy_->commands.end(), IDM_END_CHECK_WEBALERT), 1);

    const NOTIFYICONDATAA* balloon = LastBalloon();
    ASSERT_NE(balloon, nullptr);
    const std::string text = balloon->szInfo;
    const std::string header = LoadText(IDS_LINKS_MODIFIED);
    EXPECT_EQ(text.substr(0, header.size() + 2), header + "\n\n");
    EXPECT_EQ(text.substr(text.size() - 4), "\n...");
    EXPECT_LE(text.size(), 255u);
    EXPECT_NE(text.find("A page with a rather long name..."), std::string::npos);
    EXPECT_TRUE(AnyEnabledPageChanged());
}

TEST_F(WebAlertCheck, TheHeartbeatStartsScheduledChecksUnlessDisabled)
{
    ServePage("daily", "<p>daily</p>");
    ASSERT_TRUE(StartWith({"WebAlertFreq=4", "WebAlertShowProgress=0", "WebAlertSound=0", "WebAlertShowTip=0"},
                          {Line("Daily", Link("daily"))}));
    wt::HttpPeer::Reset();
    auto ends = [this] { return std::count(spy_->commands.begin(), spy_->commands.end(), IDM_END_CHECK_WEBALERT); };
    // "Disable WebAlert" at once, before the first tick: the schedule is not consulted.
    SendMessageA(main_, WM_COMMAND, IDM_DISABLE_WEBALERT, 0);
    wt::PumpMessages(2500);
    EXPECT_EQ(wt::HttpPeer::Count(), 0);
    EXPECT_EQ(ReadSetting("Options", "WebAlertLastCheckDate"), "<missing>");
    // Enabled again: no last date, so the next tick checks and notes today.
    SendMessageA(main_, WM_COMMAND, IDM_DISABLE_WEBALERT, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { return ends() == 1 && !CheckRunning(); }, 15000));
    EXPECT_EQ(wt::HttpPeer::Count(), 1);
    EXPECT_EQ(ReadSetting("Options", "WebAlertLastCheckDate"), Today());
    EXPECT_EQ(Copy("Daily", "url.html"), "<p>daily</p>");
    // Checked today: later ticks start nothing.
    MarkAllRead();
    wt::PumpMessages(2500);
    EXPECT_EQ(wt::HttpPeer::Count(), 1);
    EXPECT_EQ(ends(), 1);
}

TEST_F(WebAlertCheck, BadPagesAndBadNamesLeaveTheOthersAlone)
{
    ServePage("fine", "<html>fine</html>");
    ASSERT_TRUE(StartWith({"WebAlertFreq=0", "WebAlertShowProgress=0", "WebAlertSound=0", "WebAlertCMPStrict=1"},
                          {Line("..", Link("fine")), Line("CON", Link("fine")), Line(std::string(300, 'n'), Link("fine")),
                           Line("Big", wt::HttpPeer::Url("/big/x")), Line("Binary", wt::HttpPeer::Url("/nul/x")),
                           Line("Error", wt::HttpPeer::Url("/status/500/x")), Line("Fine", Link("fine")),
                           Line("Silent", wt::HttpPeer::Url("/silent/x"))}));
    wt::HttpPeer::Reset();
    // A page that never answers holds the run no longer than its 30 s time-out.
    const DWORD start = GetTickCount();
    ASSERT_TRUE(CheckLinks(60000));
    EXPECT_LT(GetTickCount() - start, 45000u);
    EXPECT_EQ(Stored(8), Line("Silent", wt::HttpPeer::Url("/silent/x")));
    // The unsafe names (a device name among them) were never fetched nor written anywhere.
    EXPECT_EQ(wt::HttpPeer::Count(), 5);
    EXPECT_FALSE(wt::FileExists(dataFolder_ + "\\url.html"));
    // Nothing but the safe names' folders and the settings file in the data folder.
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dataFolder_ + "\\*").c_str(), &found);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found) != FALSE)
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            names.push_back(found.cFileName);
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Big", "Binary", "Error", "Fine", "webalert_wintests.INI"}));
    EXPECT_EQ(Copy("Fine", "url.html"), "<html>fine</html>");
    EXPECT_GT(Copy("Big", "url.html").size(), 10u * 1024 * 1024);
    EXPECT_NE(Copy("Binary", "url.html").find(std::string("bin\0ary", 7)), std::string::npos);
    // An error page is a page like any other.
    EXPECT_NE(Copy("Error", "url.html").find("Error 500"), std::string::npos);
    EXPECT_EQ(Stored(1), Line("..", Link("fine")));
    EXPECT_EQ(Stored(2), Line("CON", Link("fine")));
}

} // namespace
