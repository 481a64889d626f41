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
#include "tests/launcher/LauncherDialogFixture_win.h"
#include "tests/support/HttpPeer_win.h"
#include "webalert/WebAlertRunner_win.h"
#include "webalert/WebAlert_win.h"

namespace {

std::string Link(const std::string& page) { return wt::HttpPeer::Url("/page/" + page); }

// Sets what the peer answers for /page/NAME (bytes percent-encoded, NUL bytes allowed).
void ServePage(const std::string& name, const std::string& bytes)
{
    std::string query;
    char hex[4];
    for (unsigned char c : bytes)
        query += (std::snprintf(hex, sizeof hex, "%%%02X", c), hex);
    ASSERT_NE(wt::HttpPeer::RawGet("/setpage/" + name + "?" + query).find("ok"), std::string::npos);
}

std::string Line(const std::string& name, const std::string& link, int enabled = 1, int state = 0)
{
    return name + "|\"" + link + "\"||" + std::to_string(enabled) + "|" + std::to_string(state) + "|0|0|||0";
}

std::string Today()
{
    MonitoredPage stamp;
    stamp.StampChange(LocalNow());
    return stamp.changeDate;
}

class WebAlertCheck : public AppHarness {
protected:
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

    long Ends() const { return std::count(spy_->commands.begin(), spy_->commands.end(), IDM_END_CHECK_WEBALERT); }
    // Posts "&Check links..." and waits for the end-of-check command.
    bool CheckLinks()
    {
        const long before = Ends();
        PostMessageA(main_, WM_COMMAND, IDM_CHECK_LINKS, 0);
        return wt::WaitUntil([&] { return Ends() > before && !CheckRunning(); }, 30000);
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

    std::unique_ptr<MainWindowSpy> spy_;
};

TEST_F(WebAlertCheck, RunsStoreRotateAndCompareAsTheOptionsSay)
{
    ServePage("alpha", "<html>first</html>");
    ServePage("beta", std::string("<p>B\0b</p>", 10));
    const std::string closed = "http://" + wt::HttpPeer::ClosedAddress() + "/page/gone";
    const std::string longName = "A page with a rather long name number ";
    std::vector<std::string> pages = {Line("Alpha", Link("alpha")), Line("Beta", Link("beta")), Line("Gone", closed),
                                      Line("Later", Link("later"), 1, kPageModified), Line("Off", Link("off"), 0),
                                      Line("Error", wt::HttpPeer::Url("/status/500/x")), Line("..", Link("alpha")),
                                      Line("CON", Link("alpha")), Line(std::string(300, 'n'), Link("alpha"))};
    for (int i = 0; i < 6; ++i)
        pages.push_back(Line(longName + std::to_string(i), Link("long")));
    // Every day: the tick at start checks, notes the day and leaves the rest of it alone.
    ASSERT_TRUE(StartWith({"WebAlertFreq=4", "WebAlertShowProgress=1", "WebAlertShowTip=1", "WebAlertShowDlg=1",
                           "WebAlertSound=1", "WebAlertSoundName=nosuch.wav", "WebAlertCMPStrict=0",
                           "WebAlertCMPSize=1", "WebAlertCMPSizeTol=0", "WebAlertCMPNoScript=0"}, pages));

    // 1. The first check stores every page it reached and marks it changed; not the Modified
    //    page, not the disabled one, nor the unsafe names (a device name among them).
    ASSERT_TRUE(wt::WaitUntil([&] { return Ends() == 1 && !CheckRunning(); }, 30000));
    EXPECT_EQ(ReadSetting("Options", "WebAlertLastCheckDate"), Today());
    EXPECT_EQ(wt::HttpPeer::Count(), 9);
    EXPECT_EQ(Copy("Alpha", "url.html"), "<html>first</html>");
    EXPECT_EQ(Copy("Beta", "url.html"), std::string("<p>B\0b</p>", 10));
    EXPECT_EQ(Copy("Alpha", "urBackup.html"), "<none>");
    EXPECT_NE(Copy("Error", "url.html").find("Error 500"), std::string::npos);   // a page like any other
    int entries = 0;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dataFolder_ + "\\*").c_str(), &found);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found) != FALSE)
        entries += found.cFileName[0] != '.';
    FindClose(find);
    EXPECT_EQ(entries, 3 + 6 + 1);   // the pages fetched and the settings file
    const std::string stamp = Stored(1).substr(Stored(1).find("|1|80|0|0|") + 10);
    EXPECT_EQ(stamp, Today() + "|" + stamp.substr(9, 5) + "|1");
    EXPECT_EQ(Stored(3), Line("Gone", closed));   // a failed fetch changes nothing
    EXPECT_EQ(Stored(4), Line("Later", Link("later"), 1, kPageModified));
    EXPECT_EQ(Stored(7), Line("..", Link("alpha")));
    EXPECT_TRUE(AnyEnabledPageChanged());
    // The balloon lists the names until the next would pass 249 characters.
    ASSERT_NE(LastBalloon(), nullptr);
    EXPECT_STREQ(LastBalloon()->szInfoTitle, LoadText(IDS_WEBALERT_TITLE).c_str());
    const std::string text = LastBalloon()->szInfo, header = LoadText(IDS_LINKS_MODIFIED);
    const std::string listed = "\n\nAlpha\nBeta\nError\nA page with a rather long name...";
    EXPECT_EQ(text.substr(0, header.size() + listed.size()), header + listed);
    ASSERT_EQ(text.substr(text.size() - 4), "\n...");
    const std::size_t names = text.size() - 4 - header.size() - 1;
    EXPECT_LE(names - 1 + header.size(), 249u);
    EXPECT_GT(names + header.size() + 33, 249u);
    // "WebAlertShowDlg" opened the monitor window at the end; while it is open a run shows no
    // balloon, so it is closed for the balloon of the next run.
    wt::PumpMessages(200);
    ASSERT_NE(Windows().webAlert, nullptr);
    SendMessageA(Windows().webAlert, UM_CLOSELAUNCHER, 0, 1);

    // 2. Read again: a longer page is a change and rotates; the same length is none (size rule,
    //    tolerance 0), although the bytes differ past a NUL. The page read at last is fetched.
    //    A second request while the run goes on is refused.
    MarkAllRead();
    ServePage("alpha", "<html>second</html>");
    ServePage("beta", std::string("<p>B\0c</p>", 10));
    TrayCalls().clear();
    wt::HttpPeer::Reset();
    PostMessageA(main_, WM_COMMAND, IDM_CHECK_LINKS, 0);
    ASSERT_TRUE(CheckLinks());
    wt::PumpMessages(500);
    EXPECT_EQ(Ends(), 2);
    EXPECT_EQ(wt::HttpPeer::Count(), 10);
    EXPECT_EQ(Copy("Alpha", "urBackup.html"), "<html>first</html>");
    EXPECT_EQ(Copy("Alpha", "url.html"), "<html>second</html>");
    EXPECT_EQ(Stored(1).substr(Stored(1).size() - 2), "|2");
    EXPECT_EQ(Copy("Beta", "url.html"), std::string("<p>B\0b</p>", 10));
    EXPECT_NE(Stored(2).find("|1|16|0|0|"), std::string::npos);   // Updated stays, read
    ASSERT_NE(LastBalloon(), nullptr);
    EXPECT_EQ(std::string(LastBalloon()->szInfo), header + "\n\nAlpha\nLater");

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
    EXPECT_EQ(Copy("Alpha", "urBackup.html"), "<html>second</html>");
}

// The launcher tree's WebAlert group: one item per watched page, bold while unread; the read
// mark and Open from the tree; a check that finds a change bolds the item at once.
class WebAlertTree : public lt::LauncherDialogTest {
protected:
    HTREEITEM Child(int index) const
    {
        HTREEITEM item = TreeView_GetChild(tree_, App().treeRoots[5]);
        while (item && index--)
            item = TreeView_GetNextSibling(tree_, item);
        return item;
    }
    bool Bold(HTREEITEM item) const { return (TreeView_GetItemState(tree_, item, TVIS_BOLD) & TVIS_BOLD) != 0; }
    std::string Stored(int index) { return ReadSetting("WebAlertUrl", ("WebAlertUrl" + std::to_string(index)).c_str()); }
    HWND tree_ = nullptr;
};

TEST_F(WebAlertTree, UnreadPagesAreBoldAndTheTreeMarksAndOpensThem)
{
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\nDialogMode=1\r\nTVExpandWebAlert=1\r\nWebAlertFreq=0\r\n"
                                  "WebAlertShowProgress=0\r\nWebAlertSound=0\r\nUseMiniBrowserWebAlert=0\r\n"
                                  "WebAlertCMPStrict=1\r\n[WebAlertUrl]\r\nWebAlertUrl1=News|\"" +
                                  wt::HttpPeer::Url("/page/tree-news") + "\"||1|0|0|0|||0\r\n"
                                  "WebAlertUrl2=Unread|\"http://unread.example/\"||1|80|0|0|20261201|10:00|3\r\n"
                                  "WebAlertUrl3=Off|\"http://off.example/\"||0|0|0|0|||0\r\n"));
    OpenLauncher();
    launcher_ = App().launcherWindow;
    tree_ = Item(1016);
    const HTREEITEM news = Child(0), unread = Child(1);
    ASSERT_NE(Child(2), nullptr);
    EXPECT_FALSE(Bold(news));
    EXPECT_TRUE(Bold(unread));

    // The read mark from the tree's menu command: both ways, saved at once.
    TreeView_SelectItem(tree_, news);
    Command(ID_TOGGLE_READ_MARK);
    EXPECT_TRUE(Bold(news));
    EXPECT_NE(Stored(1).find("||1|64|0|0|"), std::string::npos) << Stored(1);
    Command(ID_TOGGLE_READ_MARK);
    EXPECT_FALSE(Bold(news));
    EXPECT_NE(Stored(1).find("||1|0|0|0|"), std::string::npos) << Stored(1);

    // A check that finds the page changed bolds its item while the launcher is open.
    PostMessageA(main_, WM_COMMAND, IDM_CHECK_LINKS, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { return Bold(news) && !CheckRunning(); }, 30000));

    // Opening an unread page from the tree marks it read and opens its address.
    TreeView_SelectItem(tree_, unread);
    Command(IDM_TREE_OPEN);
    EXPECT_TRUE(Opened("http://unread.example/"));
    EXPECT_NE(Stored(2).find("||1|16|0|0|20261201|10:00|3"), std::string::npos) << Stored(2);
    if (IsWindow(launcher_)) {
        EXPECT_FALSE(Bold(unread));
    }
}

} // namespace
