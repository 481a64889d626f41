#include "launcher/FavoritesList.h"
#include "launcher/FavoritesMenu.h"

#include <gtest/gtest.h>

#include "LauncherFakes.h"
#include "app/OptionRecord.h"
#include "launcher/FavoriteFileName.h"

namespace {

const std::string kRoot = "C:\\Users\\me\\Favorites";

// A favorites folder as a user has it: links in both letter cases, the hidden desktop.ini,
// a subfolder of links, an empty one and one whose only link lies deeper.
FakeFolderReader UserFavorites()
{
    FakeFolderReader r;
    r.AddFile(kRoot, "b.url", "http://b.example/");
    r.AddFile(kRoot, "SHOUT.URL", "http://shout.example/");
    r.AddFile(kRoot, "desktop.ini", "", true, true);
    r.AddFile(kRoot, "a.url", "http://a.example/");
    r.AddFile(kRoot, "C&D.url", "http://cd.example/");
    r.AddFile(kRoot, "hidden.url", "http://hidden.example/", true, false);
    r.AddFile(kRoot, "sys.url", "http://sys.example/", false, true);
    r.AddFile(kRoot, "notes.txt");
    r.AddSubfolder(kRoot, "zeta");
    r.AddFile(kRoot + "\\zeta", "z.url", "http://z.example/");
    r.AddSubfolder(kRoot, "Alpha");
    r.AddFile(kRoot + "\\Alpha", "q.url", "http://q.example/");
    r.AddSubfolder(kRoot, "Empty");
    r.AddFile(kRoot + "\\Empty", "readme.txt");
    r.AddSubfolder(kRoot, "Nested");
    r.AddSubfolder(kRoot + "\\Nested", "Inner");
    r.AddFile(kRoot + "\\Nested\\Inner", "i.url", "http://i.example/");
    r.AddSubfolder(kRoot, ".dotted");
    r.AddFile(kRoot + "\\.dotted", "never.url", "http://never.example/");
    return r;
}

std::vector<std::string> Texts(const std::vector<FavoritesMenuItem>& items)
{
    std::vector<std::string> texts;
    for (const FavoritesMenuItem& item : items)
        texts.push_back(item.isPopup ? item.text + "/" : item.text);
    return texts;
}

TEST(FavoritesMenu, PopupsBeforeLinksEachInCaseInsensitiveOrder)
{
    FakeFolderReader r = UserFavorites();
    FavoritesMenu menu = BuildFavoritesMenu(r, kRoot, 2);
    // .URL in capitals, hidden and system files and other files are not links of the menu;
    // "Empty" holds no link at any depth and gets no popup.
    EXPECT_EQ(Texts(menu.items),
              (std::vector<std::string>{".dotted/", "Alpha/", "Nested/", "zeta/", "a", "b", "C&&D"}));
}

TEST(FavoritesMenu, IdsStartBehindTheMenusItemsAndMapToTheirUrls)
{
    FakeFolderReader r = UserFavorites();
    FavoritesMenu menu = BuildFavoritesMenu(r, kRoot, 2);
    ASSERT_FALSE(menu.items.empty());
    const FavoritesMenuItem& firstLink = menu.items[4];
    EXPECT_EQ(firstLink.text, "a");
    EXPECT_EQ(firstLink.commandId, 3586);
    EXPECT_EQ(*menu.UrlByCommandId(3586), "http://a.example/");
    EXPECT_EQ(*menu.UrlByCommandId(menu.items[5].commandId), "http://b.example/");
    // Every link's id opens its own address, also deep inside popups.
    const FavoritesMenuItem& inner = menu.items[2].children.at(0);
    ASSERT_TRUE(inner.isPopup);
    EXPECT_EQ(inner.text, "Inner");
    EXPECT_EQ(*menu.UrlByCommandId(inner.children.at(0).commandId), "http://i.example/");
    EXPECT_EQ(*menu.UrlByCommandId(menu.items[1].children.at(0).commandId), "http://q.example/");
    // Ids of other items, or beyond the list, open nothing.
    EXPECT_EQ(menu.UrlByCommandId(3584), nullptr);
    EXPECT_EQ(menu.UrlByCommandId(3585), nullptr);
    EXPECT_EQ(menu.UrlByCommandId(3586 + static_cast<int>(menu.LinkCount())), nullptr);
    EXPECT_EQ(menu.LinkCount(), 7u);
}

TEST(FavoritesMenu, TheFolderMayEndInABackslash)
{
    FakeFolderReader r;
    r.AddFile("D:\\Fav", "x.url", "http://x.example/");
    FavoritesMenu menu = BuildFavoritesMenu(r, "D:\\Fav\\", 0);
    ASSERT_EQ(menu.items.size(), 1u);
    EXPECT_EQ(*menu.UrlByCommandId(3584), "http://x.example/");
}

TEST(FavoritesMenu, NoFolderGivesNoItemsAndAShortcutWithoutUrlAnEmptyAddress)
{
    FakeFolderReader r;
    EXPECT_TRUE(BuildFavoritesMenu(r, "", 2).items.empty());
    EXPECT_TRUE(BuildFavoritesMenu(r, "C:\\Missing", 2).items.empty());
    r.AddFile("C:\\F", "nourl.url", "");
    FavoritesMenu menu = BuildFavoritesMenu(r, "C:\\F", 0);
    ASSERT_EQ(menu.items.size(), 1u);
    EXPECT_EQ(*menu.UrlByCommandId(3584), "");
}

TEST(FavoritesMenu, LinksBeyondTheLastCommandAreLeftOut)
{
    FakeFolderReader r;
    for (int i = 0; i < 500; ++i)
        r.AddFile("C:\\F", "link" + std::to_string(1000 + i) + ".url", "http://l" + std::to_string(i) + "/");
    r.AddSubfolder("C:\\F", "Sub");
    r.AddFile("C:\\F\\Sub", "late.url", "http://late/");
    FavoritesMenu tray = BuildFavoritesMenu(r, "C:\\F", 2);
    EXPECT_EQ(tray.LinkCount(), 438u);   // 3586 to 4023
    EXPECT_EQ(tray.items.back().commandId, 4023);
    EXPECT_EQ(tray.items.front().isPopup, false);   // the subfolder's link had no id left
    FavoritesMenu mini = BuildFavoritesMenu(r, "C:\\F", 0, kFavoriteLastMiniBrowserCommand);
    EXPECT_EQ(mini.LinkCount(), 501u);
}

TEST(FavoritesMenu, EqualNamesKeepTheirOrderAndHugeUrlsAreCut)
{
    FakeFolderReader r;
    r.AddFile("C:\\F", "same.url", "first");
    r.AddFile("C:\\F", "huge.url", std::string(100000, 'h'));
    r.AddSubfolder("C:\\F", "Same");
    r.AddFile("C:\\F\\Same", "x.url", "x");
    r.AddSubfolder("C:\\F", "same");   // another folder whose name differs only in case
    r.AddFile("C:\\F\\same", "y.url", "y");
    FavoritesMenu menu = BuildFavoritesMenu(r, "C:\\F", 0);
    EXPECT_EQ(Texts(menu.items), (std::vector<std::string>{"Same/", "same/", "huge", "same"}));
    EXPECT_EQ(menu.UrlByCommandId(menu.items[2].commandId)->size(), 2047u);
}

TEST(FavoritesMenu, DeepNestingStopsAtThePathLimit)
{
    FakeFolderReader r;
    std::string folder = "C:\\F";
    r.AddFile(folder, "top.url", "http://top/");
    // Names long enough for the path limit to come before the walk's own depth limit.
    const std::string name(20, 'd');
    for (int depth = 0; depth < 300; ++depth) {
        r.AddSubfolder(folder, name);
        folder += "\\" + name;
        r.AddFile(folder, "l.url", "http://l/");
    }
    FavoritesMenu menu = BuildFavoritesMenu(r, "C:\\F", 0, kFavoriteLastMiniBrowserCommand);
    EXPECT_EQ(menu.LinkCount(), 1u + (259 - 4) / 21);   // "\ddd..." per level within 259 characters

    OptionRecord o;
    LoadFavorites(o, "C:\\F", r, nullptr);
    EXPECT_EQ(o.favorites.size(), 1u + (259 - 4) / 21);
}

// Two junctions in Favorites lead back to Favorites: marked as reparse points they are not
// entered; unmarked, every walk still ends within its depth and entry allowance, the menu's as
// soon as its command ids are given.
TEST(Favorites, AFolderLoopEndsEveryWalk)
{
    for (bool marked : {true, false}) {
        FakeFolderReader r;
        r.AddFile(kRoot, "a.url", "http://a.example/");
        r.AddLink(kRoot, "Loop1", kRoot, marked);
        r.AddLink(kRoot, "Loop2", kRoot, marked);
        OptionRecord o;
        LoadFavorites(o, kRoot, r, nullptr);
        const int listed = r.listCalls;
        FavoritesMenu menu = BuildFavoritesMenu(r, kRoot, 2);
        const int rootDepth = static_cast<int>(std::count(kRoot.begin(), kRoot.end(), '\\'));
        EXPECT_LE(r.deepest - rootDepth, marked ? 0 : kMaxWalkDepth) << marked;
        EXPECT_EQ(o.favorites.size() == 1u, marked);
        EXPECT_LE(o.favorites.size(), kMaxWalkEntries);
        EXPECT_LE(static_cast<std::size_t>(listed) * 6, kMaxWalkEntries + 6) << "5 entries a listing";
        EXPECT_EQ(menu.LinkCount(), marked ? 1u : static_cast<std::size_t>(kFavoriteLastTrayCommand - kFavoriteFirstCommand - 1));
        EXPECT_LE(r.listCalls - listed, static_cast<int>(menu.LinkCount()) + 1) << "the menu walk went on";
    }
}

// Names outside the code page come as "?" (or a look-alike letter) that opens nothing; the
// system's short name opens them, while menus and the tree show the name as enumerated.
TEST(Favorites, NamesOutsideTheCodePageAreOpenedByTheirShortNames)
{
    FakeFolderReader r;
    r.AddFileWithAccessName("C:\\F", "??? news.url", "___~1.URL", "http://jp.example/");
    r.AddSubfolderWithAccessName("C:\\F", "?older", "_OLDER~1");
    r.AddFile("C:\\F\\_OLDER~1", "in.url", "http://in.example/");
    FavoritesMenu menu = BuildFavoritesMenu(r, "C:\\F", 0);
    EXPECT_EQ(Texts(menu.items), (std::vector<std::string>{"?older/", "??? news"}));
    EXPECT_EQ(*menu.UrlByCommandId(menu.items[1].commandId), "http://jp.example/");
    EXPECT_EQ(*menu.UrlByCommandId(menu.items[0].children.at(0).commandId), "http://in.example/");

    OptionRecord o;
    LoadFavorites(o, "C:\\F", r, nullptr);
    ASSERT_EQ(o.favorites.size(), 2u);
    EXPECT_EQ(o.favorites[0]->name, "??? news");
    EXPECT_EQ(FavoritePath(*o.favorites[0]), "C:\\F\\___~1.URL");
    EXPECT_EQ(FavoritePath(*o.favorites[1]), "C:\\F\\_OLDER~1\\in.url");
}

TEST(FavoritesList, WalksEveryFileAndFillsTheTree)
{
    FakeFolderReader r = UserFavorites();
    FakeFavoritesTree tree;
    OptionRecord o;
    LoadFavorites(o, kRoot, r, &tree);

    EXPECT_TRUE(o.favoritesLoaded);
    ASSERT_EQ(tree.rootsInserted, 1);
    // Folders are placed first (so in reverse order of finding), links last; any file is a
    // link of the list, .URL in capitals included.
    EXPECT_EQ(FakeFavoritesTree::Show(*tree.root),
              "Nested/[Inner/[i]] Empty/[readme] Alpha/[q] zeta/[z] "
              "b SHOUT desktop a C&D hidden sys notes");
    ASSERT_EQ(o.favorites.size(), 12u);
    const LinkEntry& shout = *o.favorites[1];
    EXPECT_EQ(shout.name, "SHOUT");
    EXPECT_EQ(shout.urlString, "SHOUT.URL");
    EXPECT_EQ(shout.urlBase, kRoot);
    EXPECT_EQ(FavoritePath(shout), kRoot + "\\SHOUT.URL");
    EXPECT_EQ(FavoritePath(*o.favorites.back()), kRoot + "\\Nested\\Inner\\i.url");
}

TEST(FavoritesList, LoadsOnceWithoutATreeAndAgainWithOne)
{
    FakeFolderReader r = UserFavorites();
    OptionRecord o;
    LoadFavorites(o, kRoot, r, nullptr);
    std::size_t count = o.favorites.size();
    int calls = r.listCalls;
    LoadFavorites(o, kRoot, r, nullptr);
    EXPECT_EQ(r.listCalls, calls);
    EXPECT_EQ(o.favorites.size(), count);

    FakeFavoritesTree tree;
    LoadFavorites(o, kRoot, r, &tree);
    EXPECT_GT(r.listCalls, calls);
    EXPECT_EQ(o.favorites.size(), count);   // emptied first, not doubled
}

TEST(FavoritesList, NoFolderLeavesTheListEmptyAndUnloaded)
{
    FakeFolderReader r = UserFavorites();
    FakeFavoritesTree tree;
    OptionRecord o;
    o.favorites.push_back(std::make_unique<LinkEntry>("stale", "stale.url", "C:\\", 1));
    LoadFavorites(o, "", r, &tree);
    EXPECT_TRUE(o.favorites.empty());
    EXPECT_FALSE(o.favoritesLoaded);
    EXPECT_EQ(tree.rootsInserted, 0);
}

TEST(SafeFavoriteFileName, ReplacesWhatFileNamesCannotHold)
{
    EXPECT_EQ(SafeFavoriteFileName("News: a/b v1.2"), "News- a-b v1 2");
    EXPECT_EQ(SafeFavoriteFileName("a*b\\c?d\"e<f>g|h+i"), "a b c d e f g h i");
    EXPECT_EQ(SafeFavoriteFileName("Caf\xE9 & Co"), "Caf\xE9 & Co");
    EXPECT_EQ(SafeFavoriteFileName(std::string(400, 't')).size(), 259u);
}

} // namespace
