// The typed addresses in the registry: seeded once from Internet Explorer's list, then only
// the program's own; the tray's typed-address submenu and its commands.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/TrayMenu_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/ComboFill_win.h"
#include "tests/launcher/LauncherWinFixture_win.h"

namespace {

using lt::LauncherWin;

struct Item {
    std::string text;
    UINT id;
    bool columnBreak;
};

std::vector<Item> TypedSubmenu(TrayMenu& menu)
{
    menu = BuildTrayMenu(kMenuTypedAddresses);
    std::vector<Item> items;
    if (!menu.popup)
        return items;
    for (int i = 0; i < GetMenuItemCount(menu.popup); ++i) {
        char text[1100] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu.popup, static_cast<UINT>(i), TRUE, &info);
        items.push_back({text, info.wID, (info.fType & MFT_MENUBARBREAK) != 0});
    }
    return items;
}

using TypedUrls = LauncherWin;

TEST_F(TypedUrls, SeededOnceFromInternetExplorerThenOnlyTheProgramsOwn)
{
    lt::WriteRegString(kExplorerTypedUrlsKey, "url1", "http://ie-one.example/");
    lt::WriteRegString(kExplorerTypedUrlsKey, "url2", "http://ie-two.example/");
    lt::WriteRegString(kExplorerTypedUrlsKey, "url3", "http://ie-three.example/");
    lt::WriteRegString(kExplorerTypedUrlsKey, "url5", "http://after-a-gap.example/");
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\nUseMiniBrowserLink=0\r\n"));
    LoadTypedAddresses();
    ASSERT_EQ(TypedAddresses().Size(), 3u) << "the list ends at the first missing value";
    EXPECT_EQ(TypedAddresses().AddressAt(0), "http://ie-one.example/");

    TypedAddresses().Add(TypedAddressRegistry(), "http://mine.example/");
    EXPECT_EQ(lt::ReadRegString(kOwnTypedUrlsKey, "url1"), "http://mine.example/");
    EXPECT_EQ(lt::ReadRegString(kOwnTypedUrlsKey, "url2"), "http://ie-one.example/");
    EXPECT_EQ(lt::ReadRegString(kOwnTypedUrlsKey, "url4"), "http://ie-three.example/");
    EXPECT_EQ(lt::ReadRegString(kExplorerTypedUrlsKey, "url1"), "http://ie-one.example/") << "never written";

    // Internet Explorer's list grows, but the program reads only its own from now on.
    lt::WriteRegString(kExplorerTypedUrlsKey, "url4", "http://ie-later.example/");
    LoadTypedAddresses();
    ASSERT_EQ(TypedAddresses().Size(), 4u);
    for (std::size_t i = 0; i < TypedAddresses().Size(); ++i)
        EXPECT_NE(TypedAddresses().AddressAt(i), "http://ie-later.example/");

    // The same address again moves it up; the key is rewritten without it twice.
    TypedAddresses().Add(TypedAddressRegistry(), "http://ie-three.example/");
    LoadTypedAddresses();
    ASSERT_EQ(TypedAddresses().Size(), 4u);
    EXPECT_EQ(TypedAddresses().AddressAt(0), "http://ie-three.example/");
    EXPECT_EQ(TypedAddresses().AddressAt(1), "http://mine.example/");
    EXPECT_EQ(lt::ReadRegString(kOwnTypedUrlsKey, "url5"), "<missing>");
}

TEST_F(TypedUrls, LongValuesAreCutAndAnEmptyOneEndsTheList)
{
    std::string longAddress = "http://long.example/" + std::string(3000, 'x');
    lt::WriteRegString(kOwnTypedUrlsKey, "url1", longAddress);
    lt::WriteRegString(kOwnTypedUrlsKey, "url2", "");
    lt::WriteRegString(kOwnTypedUrlsKey, "url3", "http://after-empty.example/");
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));
    LoadTypedAddresses();
    ASSERT_EQ(TypedAddresses().Size(), 1u);
    EXPECT_EQ(TypedAddresses().AddressAt(0), longAddress.substr(0, 1023));
}

TEST_F(TypedUrls, TheTraySubmenuShowsThemInColumnsAndItsCommandsOpenThem)
{
    for (int i = 1; i <= 10; ++i)
        lt::WriteRegString(kOwnTypedUrlsKey, ("url" + std::to_string(i)).c_str(),
                           "http://site" + std::to_string(i) + ".example/?a=1&b=2");
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\nUseMiniBrowserLink=0\r\n"));
    LoadTypedAddresses();

    TrayMenu menu;
    std::vector<Item> items = TypedSubmenu(menu);
    ASSERT_EQ(items.size(), 12u) << "the header and its separator, then ten addresses";
    for (int i = 0; i < 10; ++i) {
        const Item& item = items[static_cast<std::size_t>(i) + 2];
        EXPECT_EQ(item.id, 4024u + i);
        EXPECT_EQ(item.text, "http://site" + std::to_string(i + 1) + ".example/?a=1&&b=2");
        EXPECT_EQ(item.columnBreak, i == 5) << "two columns of five, item " << i;
    }

    SendMessageA(main_, WM_COMMAND, 4024 + 2, 0);
    ASSERT_TRUE(Opened("http://site3.example/?a=1&b=2")) << Log();
    // Ids beyond the list open nothing.
    SendMessageA(main_, WM_COMMAND, 4024 + 10, 0);
    SendMessageA(main_, WM_COMMAND, kTypedAddressCommandLast, 0);
    wt::PumpMessages(300);
    EXPECT_EQ(LoggedLaunches(), 1);
}

TEST_F(TypedUrls, OneAddressHasNoColumnBreakAndNoneLeavesTheHeaderAlone)
{
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));
    LoadTypedAddresses();
    TrayMenu menu;
    EXPECT_EQ(TypedSubmenu(menu).size(), 2u);

    TypedAddresses().Add(TypedAddressRegistry(), "http://only.example/");
    std::vector<Item> items = TypedSubmenu(menu);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].id, 4024u);
    EXPECT_FALSE(items[2].columnBreak);
}

// The launcher's text box: the search history first, then the typed addresses, in list order.
TEST_F(TypedUrls, TheTextBoxOffersSearchesThenAddressesInListOrder)
{
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));
    LoadTypedAddresses();
    TypedAddresses().Add(TypedAddressRegistry(), "http://older.example/");
    TypedAddresses().Add(TypedAddressRegistry(), "http://newer.example/?a&b");
    SearchHistory().Add(Settings(), "zebra");
    SearchHistory().Add(Settings(), "apple");
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, 0, 0, 200, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(combo, nullptr);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stale"));
    FillComboWithSavedList(combo, SearchHistory());
    AddTypedAddressesToCombo(combo, TypedAddresses(), false);
    std::vector<std::string> texts;
    for (LRESULT i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        char text[256] = {};
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    DestroyWindow(combo);
    EXPECT_EQ(texts, (std::vector<std::string>{"apple", "zebra", "http://newer.example/?a&b", "http://older.example/"}));
}

} // namespace
