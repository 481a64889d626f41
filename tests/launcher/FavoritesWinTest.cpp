// Favorites from a real folder tree in the prefix's Favorites folder: the tray's submenu, the
// launcher's list, opening a favorite, and folders that hold what no one planned for.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/Subsystems_win.h"
#include "app/TrayMenu_win.h"
#include "launcher/FavoritesDialogs_win.h"
#include "launcher/FavoritesList.h"
#include "launcher/FolderReader.h"
#include "launcher/OpenFavoriteFile_win.h"
#include "tests/launcher/LauncherWinFixture_win.h"

namespace {

using lt::LauncherWin;

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kUserShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::string Shortcut(const std::string& url)
{
    return "[InternetShortcut]\r\nURL=" + url + "\r\n";
}

std::wstring Wide(const std::string& text)
{
    std::wstring out(text.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &out[0], static_cast<int>(out.size()));
    out.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0);
    return out;
}

std::string Ansi(const std::wstring& text)
{
    char out[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
    return out;
}

struct MenuItem {
    std::string text;
    UINT id = 0;
    HMENU popup = nullptr;
    UINT type = 0;
    UINT state = 0;
};

std::vector<MenuItem> Items(HMENU menu)
{
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[600] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back({text, info.wID, info.hSubMenu, info.fType, info.fState});
    }
    return items;
}

std::vector<std::string> Texts(const std::vector<MenuItem>& items, std::size_t from = 0)
{
    std::vector<std::string> texts;
    for (std::size_t i = from; i < items.size(); ++i)
        texts.push_back(items[i].popup ? items[i].text + "/" : items[i].text);
    return texts;
}

class Favorites : public LauncherWin {
protected:
    void SetUp() override
    {
        LauncherWin::SetUp();
        folder_ = lt::ReadRegString(kShellFolders, "Favorites");
        ASSERT_EQ(folder_.find('<'), std::string::npos) << "the prefix names no Favorites folder";
        before_ = Names();
    }
    void TearDown() override
    {
        locked_.Reset();
        // Only what the test made goes; the folder itself stays as the prefix had it.
        for (const std::wstring& name : Names())
            if (std::find(before_.begin(), before_.end(), name) == before_.end())
                DeleteEntry(Wide(folder_) + L"\\" + name);
        LauncherWin::TearDown();
    }

    // By the wide functions: names outside the code page must go as well.
    std::vector<std::wstring> Names() const
    {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((Wide(folder_) + L"\\*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            std::wstring name = data.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return names;
    }
    static void DeleteEntry(const std::wstring& path)
    {
        DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return;
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
            return;
        }
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = data.cFileName;
                if (name != L"." && name != L"..")
                    DeleteEntry(path + L"\\" + name);
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(path.c_str());
    }
    std::string JoinPath(const std::string& relative) const { return folder_ + "\\" + relative; }
    void Folder(const std::string& relative) { ASSERT_TRUE(CreateDirectoryA(JoinPath(relative).c_str(), nullptr)); }
    void File(const std::string& relative, const std::string& text)
    {
        ASSERT_TRUE(wt::WriteFileText(JoinPath(relative), text)) << relative;
    }
    void WideFile(const std::wstring& relative, const std::string& text)
    {
        std::wstring path = Wide(folder_) + L"\\" + relative;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }

    // The favorites submenu of the tray menu, as the tray would pop it up.
    std::vector<MenuItem> TraySubmenu(TrayMenu& menu)
    {
        menu = BuildTrayMenu(kMenuFavorites);
        if (!menu.popup)
            return {};
        return Items(menu.popup);
    }

    std::string folder_;
    std::vector<std::wstring> before_;
    UniqueHandle locked_;
};

// A favorites folder as a user keeps it.
void MakeUsersFavorites(const std::function<void(const std::string&)>& folder,
                        const std::function<void(const std::string&, const std::string&)>& file)
{
    file("alpha.url", Shortcut("http://alpha.example/"));
    file("Beta.url", Shortcut("http://beta.example/"));
    file("gamma.url", Shortcut("http://gamma.example/"));
    file("CAPS.URL", Shortcut("http://caps.example/"));
    file("notes.txt", "not a shortcut");
    file("hidden.url", Shortcut("http://hidden.example/"));
    folder("news");
    file("news\\daily.url", Shortcut("http://daily.example/"));
    folder("Zoo");
    file("Zoo\\z.url", Shortcut("http://z.example/"));
    folder("Empty");
    file("Empty\\readme.txt", "nothing");
    folder("Empty\\Deeper");
    folder("Only");
    folder("Only\\Deeper");
    file("Only\\Deeper\\deep.url", Shortcut("http://deep.example/"));
}

TEST_F(Favorites, TheTraySubmenuListsTheFolderTreeAndItsFirstLinkIs3586)
{
    MakeUsersFavorites([&](const std::string& p) { Folder(p); },
                       [&](const std::string& p, const std::string& t) { File(p, t); });
    SetFileAttributesA(JoinPath("hidden.url").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));

    TrayMenu menu;
    std::vector<MenuItem> items = TraySubmenu(menu);
    ASSERT_GE(items.size(), 2u);
    EXPECT_TRUE(items[0].state & MFS_GRAYED) << "the header stays first";
    EXPECT_TRUE(items[1].type & MFT_SEPARATOR);
    // Subfolders with links first, then links, each in case-insensitive order; "Empty" holds
    // no link, CAPS.URL is no link of the menu, the hidden file and the text file neither.
    EXPECT_EQ(Texts(items, 2), (std::vector<std::string>{"news/", "Only/", "Zoo/", "alpha", "Beta", "gamma"}));
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[5].id, 3586u);
    EXPECT_EQ(items[6].id, 3587u);
    EXPECT_EQ(items[7].id, 3588u);
    std::vector<MenuItem> only = Items(items[3].popup);
    ASSERT_EQ(only.size(), 1u);
    std::vector<MenuItem> deeper = Items(only[0].popup);
    ASSERT_EQ(deeper.size(), 1u);
    EXPECT_EQ(deeper[0].text, "deep");

    SendMessageA(main_, WM_COMMAND, 3586, 0);
    ASSERT_TRUE(Opened("http://alpha.example/")) << Log();
    SendMessageA(main_, WM_COMMAND, deeper[0].id, 0);
    ASSERT_TRUE(Opened("http://deep.example/")) << Log();
    // Ids the menu did not give open nothing.
    SendMessageA(main_, WM_COMMAND, 3585, 0);
    SendMessageA(main_, WM_COMMAND, 4000, 0);
    wt::PumpMessages(300);
    EXPECT_EQ(LoggedLaunches(), 2);
}

TEST_F(Favorites, TheLaunchersListHoldsEveryFileAndOpensEachByItsFile)
{
    MakeUsersFavorites([&](const std::string& p) { Folder(p); },
                       [&](const std::string& p, const std::string& t) { File(p, t); });
    File("base.url", "[InternetShortcut]\r\nURL=\r\n[DEFAULT]\r\nURLBASE=http://base.example/\r\n");
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));
    LoadFavoritesList(nullptr);
    ASSERT_TRUE(Options().favoritesLoaded);

    auto find = [&](const std::string& name) -> const LinkEntry* {
        for (const auto& entry : Options().favorites)
            if (entry->name == name)
                return entry.get();
        return nullptr;
    };
    const LinkEntry* caps = find("CAPS");
    ASSERT_NE(caps, nullptr) << "a shortcut in capitals is in the list";
    EXPECT_EQ(caps->urlString, "CAPS.URL");
    EXPECT_EQ(caps->urlBase, folder_);
    ASSERT_NE(find("notes"), nullptr);
    ASSERT_NE(find("daily"), nullptr);
    EXPECT_EQ(find("daily")->urlBase, folder_ + "\\news");
    ASSERT_NE(find("readme"), nullptr);

    OpenFavoriteFile(FavoritePath(*caps));
    ASSERT_TRUE(Opened("http://caps.example/")) << Log();
    OpenFavoriteFile(FavoritePath(*find("base")));
    ASSERT_TRUE(Opened("http://base.example/")) << Log();
    // A file that is no shortcut opens by its own path.
    OpenFavoriteFile(FavoritePath(*find("notes")));
    ASSERT_TRUE(Opened(folder_ + "\\notes.txt")) << Log();
}

TEST_F(Favorites, HugeLockedAndGarbledShortcutsDoNotStopTheMenu)
{
    std::string huge = Shortcut("http://huge.example/" + std::string(5000, 'h'));
    for (int i = 0; i < 60000; ++i)
        huge += "Key" + std::to_string(i) + "=some value of a line\r\n";
    File("huge.url", huge);
    File("locked.url", Shortcut("http://locked.example/"));
    std::string garbage;
    for (int i = 0; i < 70000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    File("garbage.url", garbage);
    File("plain.url", Shortcut("http://plain.example/"));
    locked_.Reset(CreateFileA(JoinPath("locked.url").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr));
    ASSERT_TRUE(locked_.Get() != INVALID_HANDLE_VALUE && locked_);
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));

    TrayMenu menu;
    std::vector<MenuItem> items = TraySubmenu(menu);
    EXPECT_EQ(Texts(items, 2), (std::vector<std::string>{"garbage", "huge", "locked", "plain"}));
    ASSERT_EQ(items.size(), 6u);
    SendMessageA(main_, WM_COMMAND, items[5].id, 0);
    ASSERT_TRUE(Opened("http://plain.example/"));
    // The address of a favorite is taken up to 511 characters.
    SendMessageA(main_, WM_COMMAND, items[3].id, 0);
    std::string cut = "http://huge.example/" + std::string(511 - 20, 'h');
    ASSERT_TRUE(Opened(cut + "\"\r\n")) << Log().substr(0, 200);
}

TEST_F(Favorites, DeepNestingIsWalkedAsFarAsPathsGo)
{
    Folder("Deep");
    std::string relative = "Deep";
    int levels = 1;
    File("Deep\\l.url", Shortcut("http://level1.example/"));
    while (CreateDirectoryA(JoinPath(relative + "\\d").c_str(), nullptr)) {
        relative += "\\d";
        std::string url = "http://level" + std::to_string(levels + 1) + ".example/";
        if (!wt::WriteFileText(JoinPath(relative + "\\l.url"), Shortcut(url)))
            break;
        ++levels;
    }
    ASSERT_GT(levels, 50);
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));

    TrayMenu menu;
    std::vector<MenuItem> items = TraySubmenu(menu);
    ASSERT_EQ(Texts(items, 2), (std::vector<std::string>{"Deep/"}));
    int depth = 0;
    UINT deepest = 0;
    for (HMENU level = items[2].popup; level; ++depth) {
        std::vector<MenuItem> inner = Items(level);
        level = nullptr;
        for (const MenuItem& item : inner) {
            if (item.popup)
                level = item.popup;
            else
                deepest = item.id;
        }
    }
    // The system may refuse to nest menus that deep; the chain then ends where it refused,
    // and every link in it still opens its own address.
    EXPECT_GE(depth, 20);
    EXPECT_LE(depth, levels);
    SendMessageA(main_, WM_COMMAND, deepest, 0);
    ASSERT_TRUE(Opened("http://level" + std::to_string(depth) + ".example/")) << Log();

    // The walks stop at their depth allowance, well within the menus' own nesting limit.
    EXPECT_EQ(depth, std::min(levels, kMaxWalkDepth));
    LoadFavoritesList(nullptr);
    EXPECT_EQ(Options().favorites.size(), static_cast<std::size_t>(std::min(levels, kMaxWalkDepth)));
}

TEST_F(Favorites, NamesOutsideTheCodePageStillOpen)
{
    const std::wstring japanese = L"\x65e5\x672c news.url";
    const std::wstring polish = L"\x0141\x00f3" L"d\x017a.url";
    WideFile(japanese, Shortcut("http://jp.example/"));
    WideFile(polish, Shortcut("http://pl.example/"));
    std::wstring cyrillic = Wide(folder_) + L"\\\x0416urnal";
    ASSERT_TRUE(CreateDirectoryW(cyrillic.c_str(), nullptr));
    WideFile(L"\x0416urnal\\in.url", Shortcut("http://ru.example/"));
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));

    TrayMenu menu;
    std::vector<MenuItem> items = TraySubmenu(menu);
    // The texts are those of the code page, whatever stands for the characters it lacks.
    std::string japaneseText = Ansi(japanese.substr(0, japanese.size() - 4));
    std::string polishText = Ansi(polish.substr(0, polish.size() - 4));
    std::string cyrillicText = Ansi(L"\x0416urnal");
    std::vector<std::string> texts = Texts(items, 2);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], cyrillicText + "/");
    for (const MenuItem& item : items) {
        if (item.text == japaneseText)
            SendMessageA(main_, WM_COMMAND, item.id, 0);
        if (item.text == polishText)
            SendMessageA(main_, WM_COMMAND, item.id, 0);
        if (item.popup)
            SendMessageA(main_, WM_COMMAND, Items(item.popup).at(0).id, 0);
    }
    EXPECT_TRUE(Opened("http://jp.example/")) << Log();
    EXPECT_TRUE(Opened("http://pl.example/")) << Log();
    EXPECT_TRUE(Opened("http://ru.example/")) << Log();

    // The launcher's list keeps a name that opens each file.
    LoadFavoritesList(nullptr);
    ASSERT_EQ(Options().favorites.size(), 3u);
    for (const auto& entry : Options().favorites) {
        char url[100] = {};
        GetPrivateProfileStringA("InternetShortcut", "URL", "", url, sizeof url, FavoritePath(*entry).c_str());
        EXPECT_NE(std::string(url), "") << entry->name << " at " << FavoritePath(*entry);
    }
}

TEST_F(Favorites, WithoutAFavoritesFolderThereAreNoFavoritesAndNoDialogs)
{
    File("alpha.url", Shortcut("http://alpha.example/"));
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));
    std::string list = lt::ReadRegString(kShellFolders, "Favorites");
    std::string menuValue = lt::ReadRegString(kUserShellFolders, "Favorites");
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_SET_VALUE, &key);
    RegDeleteValueA(key, "Favorites");
    RegCloseKey(key);
    RegOpenKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_SET_VALUE, &key);
    RegDeleteValueA(key, "Favorites");
    RegCloseKey(key);

    TrayMenu menu;
    std::vector<MenuItem> items = TraySubmenu(menu);
    EXPECT_EQ(items.size(), 2u) << "the header and the separator only";
    LoadFavoritesList(nullptr);
    EXPECT_TRUE(Options().favorites.empty());
    EXPECT_FALSE(Options().favoritesLoaded);
    EXPECT_EQ(OrganizeFavorites(main_), -1);
    EXPECT_EQ(AddFavorite(main_, "News: a/b", "http://news.example/"), 0);

    lt::WriteRegString(kShellFolders, "Favorites", list);
    RegOpenKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_SET_VALUE, &key);
    RegSetValueExA(key, "Favorites", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(menuValue.c_str()),
                   static_cast<DWORD>(menuValue.size() + 1));
    RegCloseKey(key);
    items = TraySubmenu(menu);
    EXPECT_EQ(Texts(items, 2), (std::vector<std::string>{"alpha"}));
}

} // namespace
