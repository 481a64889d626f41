// The launcher's tree layout: its roots and items, their context menus, Delete with its
// question, Open by group, its life beside the lists, and what closing it remembers.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "chrome/EdgeDock_win.h"
#include "chrome/LauncherChrome_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LauncherTreeActions_win.h"
#include "launcher/SubmitText_win.h"
#include "resources/ResourceIds.h"
#include "tests/launcher/LauncherDialogFixture_win.h"

namespace {

using lt::WhileModal;

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct Node {
    HTREEITEM item;
    std::string text;
    LPARAM param;
    int image;
    UINT state;
};

class LauncherTree : public lt::LauncherDialogTest {
protected:
    void SetUp() override
    {
        LauncherDialogTest::SetUp();
        favorites_ = lt::ReadRegString(kShellFolders, "Favorites");
        ASSERT_EQ(favorites_.find('<'), std::string::npos);
        subfolder_ = favorites_ + "\\Quorvane tree test";
        CreateDirectoryA(subfolder_.c_str(), nullptr);
        ASSERT_TRUE(wt::WriteFileText(subfolder_ + "\\Kept page.url", "[InternetShortcut]\r\nURL=http://kept.example/\r\n"));
    }
    void TearDown() override
    {
        wt::DeleteTree(subfolder_);
        LauncherDialogTest::TearDown();
    }

    // Opens the tree layout over lists the test fills first.
    HWND OpenTree(const std::string& options = "")
    {
        // The test's options come first: the first of two equal keys counts.
        if (!StartWithSettings("[Options]\r\n" + options +
                               "WelCome=1\r\nDialogMode=1\r\nFavorite=Second\r\nUseMiniBrowserSearch=0\r\n"
                               "UseMiniBrowserLink=0\r\nUseMiniBrowserFavorites=0\r\n"
                               "[SaveExpr]\r\nSearch1=apple pie\r\nSearch2=banana\r\n"
                               "[SaveTrad]\r\nSearch1=bonjour|hello|8|0\r\n" + lt::kDialogEngines))
            return nullptr;
        RecordTypedText("http://typed.example/");
        OpenLauncher();
        launcher_ = App().launcherWindow;
        tree_ = Item(1016);
        return tree_ ? launcher_ : nullptr;
    }

    Node NodeOf(HTREEITEM item) const
    {
        char text[600] = {};
        TVITEMA data = {};
        data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_STATE;
        data.stateMask = TVIS_BOLD | TVIS_EXPANDED;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = sizeof text;
        SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        return {item, text, data.lParam, data.iImage, data.state};
    }
    std::vector<Node> Children(HTREEITEM parent) const
    {
        std::vector<Node> nodes;
        for (HTREEITEM i = parent ? TreeView_GetChild(tree_, parent) : TreeView_GetRoot(tree_); i;
             i = TreeView_GetNextSibling(tree_, i))
            nodes.push_back(NodeOf(i));
        return nodes;
    }
    HTREEITEM Root(int group) const { return App().treeRoots[group]; }
    HTREEITEM Child(int group, const std::string& text) const
    {
        for (const Node& n : Children(Root(group)))
            if (n.text == text)
                return n.item;
        return nullptr;
    }
    void Select(HTREEITEM item) { TreeView_SelectItem(tree_, item); }

    // Answers the question "Delete current value ?" with the button given.
    // Deletes the selection, answering its question with button once meanwhile has run.
    void DeleteAnswering(int button, bool* asked, const std::function<void()>& meanwhile = nullptr)
    {
        WhileModal answer([&, button] {
            for (HWND w : wt::WindowsOfProcess(GetCurrentProcessId())) {
                char name[16] = {};
                GetClassNameA(w, name, sizeof name);
                if (std::string(name) != "#32770" || w == launcher_ || !IsWindowVisible(w))
                    continue;
                if (GetWindow(w, GW_OWNER) != launcher_)
                    continue;
                *asked = true;
                if (meanwhile)
                    meanwhile();
                PostMessageA(w, WM_COMMAND, static_cast<WPARAM>(button), 0);
                return true;
            }
            return false;
        });
        Command(IDM_TREE_DELETE);
    }

    HWND tree_ = nullptr;
    std::string favorites_;
    std::string subfolder_;
};

TEST_F(LauncherTree, RootsComeInTheirOrderWithTheirTextsImagesAndItems)
{
    ASSERT_NE(OpenTree(), nullptr);
    std::vector<Node> roots = Children(nullptr);
    ASSERT_EQ(roots.size(), 6u);
    const int groups[] = {2, 3, 4, 0, 1, 5};
    const UINT texts[] = {IDS_TREE_SEARCHED, IDS_TREE_ENGINES, IDS_TREE_TRANSLATED, IDS_TREE_TYPED, IDS_TREE_FAVORITES,
                          IDS_TREE_WEBALERT};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(roots[i].param, groups[i]) << i;
        EXPECT_EQ(roots[i].image, groups[i]) << i;
        EXPECT_EQ(roots[i].text, LoadText(texts[i])) << i;
        EXPECT_EQ(App().treeRoots[groups[i]], roots[i].item) << i;
    }
    auto texts2 = [](const std::vector<Node>& nodes) {
        std::vector<std::string> t;
        for (const Node& n : nodes)
            t.push_back(n.text);
        return t;
    };
    EXPECT_EQ(texts2(Children(Root(2))), (std::vector<std::string>{"apple pie", "banana"}));
    EXPECT_EQ(texts2(Children(Root(0))), (std::vector<std::string>{"http://typed.example/"}));
    ASSERT_EQ(Children(Root(4)).size(), 1u);
    EXPECT_EQ(Children(Root(4))[0].text, TranslationHistory().Describe(0));
    // Every engine, in use or not; the favorite in bold.
    std::vector<Node> engines = Children(Root(3));
    ASSERT_EQ(engines.size(), 3u);
    EXPECT_EQ(texts2(engines), (std::vector<std::string>{"First", "Second", "Off"}));
    EXPECT_FALSE(engines[0].state & TVIS_BOLD);
    EXPECT_TRUE(engines[1].state & TVIS_BOLD);
    for (const Node& n : engines)
        EXPECT_EQ(n.image, 3);
    // The favorites folder, folders first.
    HTREEITEM folder = Child(1, "Quorvane tree test");
    ASSERT_NE(folder, nullptr);
    std::vector<Node> inFolder = Children(folder);
    ASSERT_EQ(inFolder.size(), 1u);
    EXPECT_EQ(inFolder[0].text, "Kept page");
    EXPECT_EQ(inFolder[0].image, 1);
    EXPECT_TRUE(Children(Root(5)).empty());
    EXPECT_EQ(TreeView_GetBkColor(tree_), RGB(220, 227, 245));
}

TEST_F(LauncherTree, FavoriteBoldnessTakesLetterCaseIntoAccount)
{
    ASSERT_NE(OpenTree("Favorite=second\r\n"), nullptr);
    for (const Node& n : Children(Root(3)))
        EXPECT_FALSE(n.state & TVIS_BOLD) << n.text;
}

TEST_F(LauncherTree, GroupsOpenAsTheirKeysSayAndClosingRemembersThemWithPlaceAndSize)
{
    ASSERT_NE(OpenTree("TVExpandSearched=1\r\nTVExpandEngine=0\r\nTVExpandTyped=1\r\nTVExpandFavorite=0\r\n"
                       "TVExpandTranslate=0\r\nPosCX=33\r\nPosCY=44\r\n"), nullptr);
    EXPECT_TRUE(NodeOf(Root(2)).state & TVIS_EXPANDED);
    EXPECT_FALSE(NodeOf(Root(3)).state & TVIS_EXPANDED);
    EXPECT_TRUE(NodeOf(Root(0)).state & TVIS_EXPANDED);
    EXPECT_FALSE(NodeOf(Root(1)).state & TVIS_EXPANDED);

    TreeView_Expand(tree_, Root(2), TVE_COLLAPSE);
    TreeView_Expand(tree_, Root(3), TVE_EXPAND);
    TreeView_Expand(tree_, Root(4), TVE_EXPAND);
    SetWindowPos(launcher_, nullptr, 120, 90, 420, 480, SWP_NOZORDER);
    RECT client = {};
    GetClientRect(launcher_, &client);
    RECT tree = {};
    GetWindowRect(tree_, &tree);
    EXPECT_EQ(tree.right - tree.left, client.right - 40) << "the tree follows the width";

    SendMessageA(launcher_, UM_CLOSELAUNCHER, 0, 1);
    EXPECT_TRUE(Gone());
    EXPECT_EQ(ReadSetting("Options", "PosTCX"), "120");
    EXPECT_EQ(ReadSetting("Options", "PosTCY"), "90");
    EXPECT_EQ(ReadSetting("Options", "TCX"), "420");
    EXPECT_EQ(ReadSetting("Options", "TCY"), "480");
    EXPECT_EQ(ReadSetting("Options", "PosCX"), "33") << "the compact bar's place stays";
    EXPECT_EQ(ReadSetting("Options", "TVExpandSearched"), "0");
    EXPECT_EQ(ReadSetting("Options", "TVExpandEngine"), "1");
    EXPECT_EQ(ReadSetting("Options", "TVExpandTranslate"), "1");
    EXPECT_EQ(ReadSetting("Options", "TVExpandTyped"), "1");
    EXPECT_EQ(App().treeRoots[2], nullptr) << "the roots go with the tree";
    EXPECT_EQ(App().launcherWindow, nullptr);

    // Opened again at that place and size.
    OpenLauncher();
    launcher_ = App().launcherWindow;
    RECT r = {};
    GetWindowRect(launcher_, &r);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.right - r.left, 420);
    EXPECT_EQ(r.bottom - r.top, 480);
}

TEST_F(LauncherTree, SizeChangesAreIgnoredWhileDockedAway)
{
    ASSERT_NE(OpenTree("OnTop=0\r\n"), nullptr);
    RECT before = {};
    GetWindowRect(tree_, &before);
    SlideLauncherAway(launcher_, true);
    FinishSlide(launcher_);
    ASSERT_TRUE(LauncherIsDockedAway(launcher_));
    SendMessageA(launcher_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(900, 900));
    RECT after = {};
    GetWindowRect(tree_, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(LauncherTree, TheTreeFollowsTheListsWhileItExists)
{
    ASSERT_NE(OpenTree(), nullptr);
    RecordTypedText("cherry");
    std::vector<Node> searched = Children(Root(2));
    ASSERT_EQ(searched.size(), 3u);
    EXPECT_EQ(searched[0].text, "cherry");
    EXPECT_EQ(TreeView_GetSelection(tree_), Root(2));
    RecordTypedText("banana");
    searched = Children(Root(2));
    ASSERT_EQ(searched.size(), 3u) << "an entry that moves keeps one item";
    EXPECT_EQ(searched[0].text, "banana");
    EXPECT_EQ(searched[0].param, reinterpret_cast<LPARAM>(&SearchHistory().At(0)));
    RecordTypedText("www.new.example");
    EXPECT_EQ(Children(Root(0))[0].text, "www.new.example");

    // Gone with the launcher: the lists change without it.
    SendMessageA(launcher_, UM_CLOSELAUNCHER, 0, 1);
    ASSERT_TRUE(Gone());
    RecordTypedText("after close");
    EXPECT_EQ(SearchHistory().At(0).text, "after close");
}

TEST_F(LauncherTree, ContextMenusByGroup)
{
    ASSERT_NE(OpenTree(), nullptr);
    auto itemsOf = [](int group) {
        TreeMenu menu = BuildTreeMenu(group);
        std::vector<std::pair<UINT, UINT>> items;   // id (0 separator, -1 submenu), state
        for (int i = 0; menu.popup && i < GetMenuItemCount(menu.popup); ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
            GetMenuItemInfoA(menu.popup, static_cast<UINT>(i), TRUE, &info);
            const bool separator = (info.fType & MFT_SEPARATOR) != 0;
            UINT id = separator ? 0u : info.hSubMenu ? ~0u : info.wID;
            if (info.hSubMenu) {
                EXPECT_EQ(GetMenuItemCount(info.hSubMenu), 2) << "the engines in use";
                EXPECT_EQ(GetMenuItemID(info.hSubMenu, 1), 2025u);
            }
            items.emplace_back(id, !separator && (info.fState & MFS_GRAYED) ? 1u : 0u);
        }
        return items;
    };
    using Items = std::vector<std::pair<UINT, UINT>>;
    const UINT open = IDM_TREE_OPEN, del = IDM_TREE_DELETE, grey = 1;
    EXPECT_EQ(itemsOf(0), (Items{{open, 0}, {0, 0}, {del, 0}, {0, 0}, {ID_ADD_FAVORITE, 0}}));
    EXPECT_EQ(itemsOf(1), (Items{{open, 0}, {0, 0}, {del, grey}, {0, 0}, {ID_ORGANIZE_FAVORITES, 0}}));
    EXPECT_EQ(itemsOf(2), (Items{{open, 0}, {0, 0}, {del, 0}, {0, 0}, {~0u, 0}}));
    EXPECT_EQ(itemsOf(3), (Items{{open, 0}, {0, 0}, {del, grey}}));
    EXPECT_EQ(itemsOf(4), (Items{{open, 0}, {0, 0}, {del, 0}}));
    EXPECT_EQ(itemsOf(5), (Items{{open, 0}, {0, 0}, {del, grey}, {0, 0}, {ID_TOGGLE_READ_MARK, 0}}));
}

TEST_F(LauncherTree, ARightClickOnASearchTextPutsItInTheBoxAndShowsItsMenuButRootsHaveNone)
{
    ASSERT_NE(OpenTree("TVExpandSearched=1\r\n"), nullptr);
    auto rightClick = [&](HTREEITEM item) {
        RECT r = {};
        TreeView_GetItemRect(tree_, item, &r, TRUE);
        POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(tree_, &p);
        SetCursorPos(p.x, p.y);
        bool sawMenu = false;
        {
            WhileModal close([&] {
                HWND menu = FindWindowA("#32768", nullptr);
                if (!menu || !IsWindowVisible(menu))
                    return false;
                sawMenu = true;
                EndMenu();
                return true;
            });
            INPUT input[2] = {};
            input[0].type = input[1].type = INPUT_MOUSE;
            input[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
            input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
            SendInput(2, input, sizeof input[0]);
            wt::PumpMessages(1500);
        }
        return sawMenu;
    };
    HTREEITEM banana = Child(2, "banana");
    ASSERT_NE(banana, nullptr);
    EXPECT_TRUE(rightClick(banana));
    EXPECT_EQ(BoxText(), "banana");
    EXPECT_EQ(TreeView_GetSelection(tree_), banana);
    EXPECT_FALSE(rightClick(Root(3))) << "roots have no menu";
    EXPECT_EQ(TreeView_GetSelection(tree_), Root(3));
}

TEST_F(LauncherTree, DeleteAsksFirstAndRemovesTheEntryOnYesOnly)
{
    ASSERT_NE(OpenTree(), nullptr);
    Select(Child(2, "apple pie"));
    bool asked = false;
    DeleteAnswering(IDNO, &asked);
    EXPECT_TRUE(asked);
    EXPECT_EQ(BoxText(), "apple pie") << "the text went into the box";
    EXPECT_EQ(SearchHistory().Size(), 2u);
    EXPECT_NE(Child(2, "apple pie"), nullptr);

    asked = false;
    DeleteAnswering(IDYES, &asked);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Child(2, "apple pie"), nullptr);
    ASSERT_EQ(SearchHistory().Size(), 1u);
    EXPECT_EQ(ReadSetting("SaveExpr", "Search1"), "banana");
    EXPECT_EQ(ReadSetting("SaveExpr", "Search2"), "<missing>");

    Select(Child(0, "http://typed.example/"));
    DeleteAnswering(IDYES, &asked);
    EXPECT_TRUE(Children(Root(0)).empty());
    EXPECT_TRUE(TypedAddresses().Empty());
    EXPECT_NE(lt::ReadRegString(kOwnTypedUrlsKey, "url1"), "http://typed.example/") << "saved at once";

    Select(Children(Root(4))[0].item);
    DeleteAnswering(IDYES, &asked);
    EXPECT_TRUE(Children(Root(4)).empty());
    EXPECT_EQ(ReadSetting("SaveTrad", "Search1"), "<missing>");

    // Engines and favorites cannot be deleted: no question, nothing goes.
    Select(Children(Root(3))[0].item);
    asked = false;
    DeleteAnswering(IDYES, &asked);
    EXPECT_FALSE(asked);
    EXPECT_EQ(Children(Root(3)).size(), 3u);
    // Nor roots.
    Select(Root(2));
    DeleteAnswering(IDYES, &asked);
    EXPECT_FALSE(asked);
}

// While the question is open, a translation run (the translate hotkey) rewrites the history:
// the item asked about goes, and new items may be given its handle and new records its place.
// Yes then deletes nothing, and never another entry.
TEST_F(LauncherTree, DeleteLooksTheItemUpAgainAfterTheQuestion)
{
    ASSERT_NE(OpenTree(), nullptr);
    ASSERT_EQ(TranslationHistory().Size(), 1u);
    Select(Children(Root(4)).at(0).item);
    bool asked = false;
    DeleteAnswering(IDYES, &asked, [&] {
        TranslationHistory().Remove(Settings(), TranslationHistory().At(0));
        for (int i = 0; i < 20; ++i)
            TranslationHistory().Add(Settings(), "text " + std::to_string(i), "texte", 8, 0);
    });
    ASSERT_TRUE(asked);
    EXPECT_EQ(TranslationHistory().Size(), 20u);
    EXPECT_EQ(Children(Root(4)).size(), 20u);
    EXPECT_EQ(ReadSetting("SaveTrad", "Search20").rfind("text 0", 0), 0u);
}

TEST_F(LauncherTree, OpenByGroup)
{
    ASSERT_NE(OpenTree("UseMiniBrowserEngine=0\r\n"), nullptr);
    Select(Child(2, "banana"));
    Command(IDM_TREE_OPEN);
    ASSERT_TRUE(Opened("http://second.example/find?p=banana")) << Log();
    EXPECT_EQ(ReadSetting("SaveExpr", "Search1"), "banana") << "moved to the top";
    EXPECT_EQ(Children(Root(2))[0].text, "banana");
    EXPECT_EQ(BoxText(), "banana");

    Select(Child(0, "http://typed.example/"));
    Command(IDM_TREE_OPEN);
    ASSERT_TRUE(Opened("http://typed.example/")) << Log();

    Select(Child(3, "First"));
    Command(IDM_TREE_OPEN);
    ASSERT_TRUE(Opened("http://first.example/")) << Log();

    HTREEITEM folder = Child(1, "Quorvane tree test");
    ASSERT_NE(folder, nullptr);
    Select(TreeView_GetChild(tree_, folder));
    Command(IDM_TREE_OPEN);
    ASSERT_TRUE(Opened("http://kept.example/")) << Log();

    // Roots and folders open nothing.
    const int launches = LoggedLaunches();
    Select(Root(2));
    Command(IDM_TREE_OPEN);
    Select(folder);
    Command(IDM_TREE_OPEN);
    wt::PumpMessages(300);
    EXPECT_EQ(LoggedLaunches(), launches);
}

TEST_F(LauncherTree, AClickOnAnItemOpensIt)
{
    ASSERT_NE(OpenTree("TVExpandSearched=1\r\n"), nullptr);
    HTREEITEM apple = Child(2, "apple pie");
    RECT r = {};
    TreeView_GetItemRect(tree_, apple, &r, TRUE);
    POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tree_, &p);
    SetCursorPos(p.x, p.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof input[0]);
    ASSERT_TRUE(Opened("p=apple+pie")) << Log();
    EXPECT_EQ(SearchHistory().At(0).text, "apple pie");
}

TEST_F(LauncherTree, OrganizingTheFavoritesReadsTheFolderAgain)
{
    ASSERT_NE(OpenTree(), nullptr);
    ASSERT_TRUE(wt::WriteFileText(favorites_ + "\\Quorvane tree test\\New page.url",
                                  "[InternetShortcut]\r\nURL=http://new.example/\r\n"));
    // Whether or not the system offers the dialog, the branch is read again afterwards.
    WhileModal close([] {
        for (HWND w : wt::WindowsOfProcess(GetCurrentProcessId())) {
            char name[16] = {};
            GetClassNameA(w, name, sizeof name);
            if (std::string(name) == "#32770" && w != App().launcherWindow && IsWindowVisible(w)) {
                PostMessageA(w, WM_CLOSE, 0, 0);
                return true;
            }
        }
        return false;
    });
    Command(ID_ORGANIZE_FAVORITES);
    HTREEITEM folder = Child(1, "Quorvane tree test");
    ASSERT_NE(folder, nullptr);
    std::vector<Node> inFolder = Children(folder);
    ASSERT_EQ(inFolder.size(), 2u);
    std::vector<Node> roots = Children(nullptr);
    ASSERT_EQ(roots.size(), 6u);
    EXPECT_EQ(roots[4].param, 1) << "the favorites stay in their place";
}

} // namespace
