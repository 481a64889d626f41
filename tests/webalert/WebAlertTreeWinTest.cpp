// The launcher tree's WebAlert group: one item per watched page, bold while unread; the read
// mark and Open from the tree; a check that finds a change bolds the item at once.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "resources/ResourceIds.h"
#include "tests/launcher/LauncherDialogFixture_win.h"
#include "tests/support/HttpPeer_win.h"
#include "webalert/WebAlert_win.h"

namespace {

class WebAlertTree : public lt::LauncherDialogTest {
protected:
    bool OpenTree(const std::string& pages)
    {
        if (!StartWithSettings("[Options]\r\nWelCome=1\r\nDialogMode=1\r\nTVExpandWebAlert=1\r\nWebAlertFreq=0\r\n"
                               "WebAlertShowProgress=0\r\nWebAlertSound=0\r\nUseMiniBrowserWebAlert=0\r\n"
                               "WebAlertCMPStrict=1\r\n[WebAlertUrl]\r\n" + pages))
            return false;
        OpenLauncher();
        launcher_ = App().launcherWindow;
        tree_ = Item(1016);
        return tree_ != nullptr;
    }
    HTREEITEM ChildNamed(const std::string& text) const
    {
        for (HTREEITEM i = TreeView_GetChild(tree_, App().treeRoots[5]); i; i = TreeView_GetNextSibling(tree_, i)) {
            char buffer[300] = {};
            TVITEMA data = {};
            data.mask = TVIF_TEXT;
            data.hItem = i;
            data.pszText = buffer;
            data.cchTextMax = sizeof buffer;
            SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
            if (text == buffer)
                return i;
        }
        return nullptr;
    }
    bool Bold(HTREEITEM item) const { return (TreeView_GetItemState(tree_, item, TVIS_BOLD) & TVIS_BOLD) != 0; }
    std::string Stored(int index)
    {
        return ReadSetting("WebAlertUrl", ("WebAlertUrl" + std::to_string(index)).c_str());
    }

    HWND tree_ = nullptr;
};

TEST_F(WebAlertTree, UnreadPagesAreBoldAndTheTreeMarksAndOpensThem)
{
    const std::string news = wt::HttpPeer::Url("/page/tree-news");
    ASSERT_TRUE(OpenTree("WebAlertUrl1=News|\"" + news + "\"||1|0|0|0|||0\r\n"
                         "WebAlertUrl2=Unread|\"http://unread.example/\"||1|80|0|0|20261201|10:00|3\r\n"
                         "WebAlertUrl3=Off|\"http://off.example/\"||0|0|0|0|||0\r\n"));
    HTREEITEM newsItem = ChildNamed("News");
    HTREEITEM unread = ChildNamed("Unread");
    ASSERT_NE(newsItem, nullptr);
    ASSERT_NE(unread, nullptr);
    ASSERT_NE(ChildNamed("Off"), nullptr);
    EXPECT_FALSE(Bold(newsItem));
    EXPECT_TRUE(Bold(unread));

    // The read mark from the tree's menu command: both ways, saved at once.
    TreeView_SelectItem(tree_, newsItem);
    Command(ID_TOGGLE_READ_MARK);
    EXPECT_TRUE(Bold(newsItem));
    EXPECT_NE(Stored(1).find("||1|64|0|0|"), std::string::npos) << Stored(1);
    Command(ID_TOGGLE_READ_MARK);
    EXPECT_FALSE(Bold(newsItem));
    EXPECT_NE(Stored(1).find("||1|0|0|0|"), std::string::npos) << Stored(1);

    // A check that finds the page changed bolds its item while the launcher is open.
    PostMessageA(main_, WM_COMMAND, IDM_CHECK_LINKS, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { return Bold(newsItem) && !CheckRunning(); }, 30000));

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
