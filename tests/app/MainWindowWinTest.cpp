// The main window inside the test process: tray icon, tray tip and balloons, the tray menu,
// click and balloon handling, the about box and the shut-down.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <thread>

#include "app/Hotkeys_win.h"
#include "app/Messages.h"
#include "app/ResourceLoader_win.h"
#include "app/TrayMenu_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"

namespace {

using MainWindow = AppHarness;

const NOTIFYICONDATAA* LastCall(DWORD operation, UINT flag)
{
    for (auto it = TrayCalls().rbegin(); it != TrayCalls().rend(); ++it)
        if (it->operation == operation && (it->data.uFlags & flag))
            return &it->data;
    return nullptr;
}

void SetKeys(std::initializer_list<int> down)
{
    BYTE keys[256] = {};
    for (int key : down)
        keys[key] = 0x80;
    SetKeyboardState(keys);
}

std::string MenuText(HMENU menu, UINT item, bool byPosition)
{
    char text[512] = {};
    GetMenuStringA(menu, item, text, sizeof text, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    return text;
}

std::vector<UINT> MenuIds(HMENU menu)
{
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        ids.push_back(GetMenuItemID(menu, i));
    return ids;
}

UINT ItemState(HMENU menu, UINT id)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    GetMenuItemInfoA(menu, id, FALSE, &info);
    return info.fState;
}

TEST_F(MainWindow, FirstStartAddsTheIconShowsTheWelcomeOnceAndSavesDefaults)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(IsWindow(main_));
    EXPECT_FALSE(IsWindowVisible(main_));
    const NOTIFYICONDATAA* add = LastCall(NIM_ADD, NIF_ICON);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->hWnd, main_);
    EXPECT_EQ(add->uID, 1u);
    EXPECT_EQ(add->uCallbackMessage, UM_TRAYICON);
    EXPECT_EQ(add->uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_STREQ(add->szTip, LoadText(IDS_TRAY_TIP).c_str());

    const NOTIFYICONDATAA* balloon = LastCall(NIM_MODIFY, NIF_INFO);
    ASSERT_NE(balloon, nullptr);
    EXPECT_STREQ(balloon->szInfo, LoadText(IDS_WELCOME).c_str());
    EXPECT_STREQ(balloon->szInfoTitle, "Quorvane");
    EXPECT_EQ(balloon->dwInfoFlags, static_cast<DWORD>(NIIF_INFO));

    // The save right after the welcome writes the defaults.
    EXPECT_EQ(ReadSetting("Options", "WelCome"), "1");
    EXPECT_EQ(ReadSetting("Options", "CmdClic"), "1");
    EXPECT_EQ(ReadSetting("Options", "Hotkey"), "0");
    EXPECT_EQ(ReadSetting("Options", "HotkeyClipboard"), "0");
    EXPECT_EQ(ReadSetting("Options", "HotkeyTranslate"), "0");
    EXPECT_EQ(ReadSetting("Options", "HotkeyClipboardTranslate"), "0");
    EXPECT_EQ(ReadSetting("Options", "HotkeyMiniBrowser"), "834");
    EXPECT_EQ(ReadSetting("Options", "PosCX"), "<missing>");
    EXPECT_EQ(HotkeyCount(), 1);   // only the mini browser's Ctrl+Shift+B

    Stop();
    TrayCalls().clear();
    ASSERT_TRUE(Start());
    EXPECT_EQ(LastCall(NIM_MODIFY, NIF_INFO), nullptr) << "the welcome shows only once";
}

TEST_F(MainWindow, ExitRemovesTheIconAndEndsTheLoop)
{
    ASSERT_TRUE(Start());
    TrayCalls().clear();
    SendMessageA(main_, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(main_));
    ASSERT_EQ(TrayCalls().size(), 1u);
    EXPECT_EQ(TrayCalls()[0].operation, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(TrayCalls()[0].data.uID, 1u);
    EXPECT_EQ(HotkeyCount(), 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(Windows().main, nullptr);
}

TEST_F(MainWindow, TheIconComesBackWhenTheShellRestarts)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    TrayCalls().clear();
    SendMessageA(main_, TaskbarCreatedMessage(), 0, 0);
    ASSERT_NE(LastCall(NIM_ADD, NIF_ICON), nullptr);
}

TEST_F(MainWindow, TrayTipNamesTheLauncherHotkeyAndIsCutForTheShell)
{
    EXPECT_EQ(TrayTipText(0), LoadText(IDS_TRAY_TIP));
    std::string withKey = TrayTipText(0x0600 | VK_F5);   // Ctrl+Alt+F5
    EXPECT_EQ(withKey, LoadText(IDS_TRAY_TIP) + "\nor Ctrl+Alt+F5.");

    ASSERT_TRUE(Start({"WelCome=1", "Hotkey=1605"}));   // 0x0645: Ctrl+Alt+E
    const NOTIFYICONDATAA* add = LastCall(NIM_ADD, NIF_TIP);
    ASSERT_NE(add, nullptr);
    std::string expected = (LoadText(IDS_TRAY_TIP) + "\nor Ctrl+Alt+E.").substr(0, 63);
    EXPECT_STREQ(add->szTip, expected.c_str());
    EXPECT_LE(std::strlen(add->szTip), 63u);
}

TEST_F(MainWindow, BalloonTextIsCutAt255Characters)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    std::string text(400, 'a');
    TrayBalloon(main_, 1, text.c_str(), "Quorvane");
    const NOTIFYICONDATAA* balloon = LastCall(NIM_MODIFY, NIF_INFO);
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(std::strlen(balloon->szInfo), 255u);
    EXPECT_EQ(balloon->uTimeout, 5000u);
}

TEST_F(MainWindow, TrayMenuMarksGraysAndChecks)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    Options().TranslateURL.clear();
    Options().CmdClic = 1;
    {
        TrayMenu menu = BuildTrayMenu(0);
        ASSERT_NE(menu.popup, nullptr);
        EXPECT_TRUE(ItemState(menu.popup, IDM_TRANSLATE) & MFS_GRAYED);
        EXPECT_TRUE(ItemState(menu.popup, IDM_OPEN) & MFS_DEFAULT);
        EXPECT_FALSE(ItemState(menu.popup, IDM_DISABLE_WEBALERT) & MFS_CHECKED);
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        ASSERT_TRUE(GetMenuItemInfoA(menu.popup, IDM_DISABLE_WEBALERT, FALSE, &info));
        EXPECT_NE(info.hbmpChecked, nullptr);
        EXPECT_NE(info.hbmpUnchecked, nullptr);
        EXPECT_NE(info.hbmpChecked, info.hbmpUnchecked);
        EXPECT_EQ(GetMenuItemID(menu.popup, kEngineSubmenu), static_cast<UINT>(-1));
    }
    SendMessageA(main_, WM_COMMAND, IDM_DISABLE_WEBALERT, 0);
    Options().TranslateURL = "http://translate.example/";
    Options().CmdClic = 12;
    {
        TrayMenu menu = BuildTrayMenu(0);
        EXPECT_TRUE(ItemState(menu.popup, IDM_DISABLE_WEBALERT) & MFS_CHECKED);
        EXPECT_FALSE(ItemState(menu.popup, IDM_TRANSLATE) & MFS_GRAYED);
        EXPECT_TRUE(ItemState(menu.popup, IDM_CHECK_LINKS) & MFS_DEFAULT);
        EXPECT_FALSE(ItemState(menu.popup, IDM_OPEN) & MFS_DEFAULT);
    }
    Options().CmdClic = 0;
    {
        TrayMenu menu = BuildTrayMenu(0);
        for (int i = 0; i < GetMenuItemCount(menu.popup); ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STATE;
            GetMenuItemInfoA(menu.popup, i, TRUE, &info);
            EXPECT_FALSE(info.fState & MFS_DEFAULT) << "position " << i;
        }
    }
}

TEST_F(MainWindow, EngineSubmenuKeepsListIndicesAcrossDisabledEngines)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    LinkList& engines = Options().engines;
    engines.clear();
    for (int i = 0; i < 5; ++i)
        engines.push_back(std::make_unique<LinkEntry>("Engine" + std::to_string(i), "http://e" + std::to_string(i) + "/?q=%s",
                                                      "http://e" + std::to_string(i) + "/", i == 3 ? 0 : 1));
    TrayMenu menu = BuildTrayMenu(kMenuEngines);
    ASSERT_NE(menu.popup, nullptr);
    std::vector<UINT> ids = MenuIds(menu.popup);
    // After the grayed header and its separator.
    std::vector<UINT> engineIds(ids.begin() + 2, ids.end());
    EXPECT_EQ(engineIds, (std::vector<UINT>{3024, 3025, 3026, 3028}));
    EXPECT_EQ(MenuText(menu.popup, 3028, false), "Engine4\thttp://e4/");
    engines.clear();
}

TEST_F(MainWindow, SelectorsPopUpOneSubmenu)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    TrayMenu whole = BuildTrayMenu(0);
    HMENU popup = GetSubMenu(whole.resource.Get(), 0);
    EXPECT_EQ(whole.popup, popup);
    EXPECT_EQ(BuildTrayMenu(kMenuEngines).popup != nullptr, true);
    TrayMenu typed = BuildTrayMenu(kMenuTypedAddresses);
    EXPECT_EQ(typed.popup, GetSubMenu(GetSubMenu(typed.resource.Get(), 0), kTypedAddressSubmenu));
    TrayMenu favorites = BuildTrayMenu(kMenuFavorites);
    EXPECT_EQ(favorites.popup, GetSubMenu(GetSubMenu(favorites.resource.Get(), 0), kFavoritesSubmenu));
}

TEST_F(MainWindow, LeftClickRunsTheCommandOfTheHeldModifier)
{
    ASSERT_TRUE(Start({"WelCome=1", "CmdClic=1", "CmdShiftClic=12", "CmdAltClic=4", "CmdCtrlClic=13"}));
    MainWindowSpy spy(main_);
    SetKeys({});
    SendMessageA(main_, UM_TRAYICON, 1, kTrayLeftUp);
    SetKeys({VK_SHIFT});
    SendMessageA(main_, UM_TRAYICON, 1, kTrayLeftUp);
    SetKeys({VK_CONTROL, VK_SHIFT});
    SendMessageA(main_, UM_TRAYICON, 1, kTrayLeftUp);
    SetKeys({VK_MENU});
    SendMessageA(main_, UM_TRAYICON, 1, kTrayLeftUp);
    SetKeys({});
    EXPECT_EQ(spy.commands, (std::vector<unsigned>{IDM_OPEN, IDM_CHECK_LINKS, IDM_OPEN_WEBALERT}));
    ASSERT_EQ(spy.trayRequests.size(), 1u);
    EXPECT_EQ(spy.trayRequests[0].first, static_cast<WPARAM>(kMenuEngines));
}

TEST_F(MainWindow, ClickCommandsReachTheMainWindow)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    MainWindowSpy spy(main_);
    for (int command : {0, 1, 2, 3, 4, 5, 8, 11, 12, 13, 14, -1})
        RunClickCommand(command);
    EXPECT_EQ(spy.commands, (std::vector<unsigned>{IDM_OPEN, IDM_TRANSLATE, IDM_STARTMINIBROWSER,
                                                   IDM_CHECK_LINKS, IDM_OPEN_WEBALERT}));
    std::vector<WPARAM> selectors;
    for (auto& request : spy.trayRequests)
        selectors.push_back(request.first);
    EXPECT_EQ(selectors, (std::vector<WPARAM>{0, kMenuTypedAddresses, kMenuEngines, kMenuFavorites}));
}

TEST_F(MainWindow, ClicksAreIgnoredWhileTheOptionsOrAboutBoxAreOpen)
{
    ASSERT_TRUE(Start({"WelCome=1", "CmdClic=13"}));
    MainWindowSpy spy(main_);
    App().optionsOpen = 1;
    SendMessageA(main_, UM_TRAYICON, 1, kTrayLeftUp);
    SendMessageA(main_, UM_TRAYICON, 1, kTrayRightUp);
    EXPECT_EQ(SendMessageA(main_, UM_TRAYICON, 1, kTrayLeftDouble), 0);
    EXPECT_EQ(App().launcherWindow, nullptr);
    App().optionsOpen = 0;
    EXPECT_TRUE(spy.commands.empty());
    SendMessageA(main_, UM_TRAYICON, 1, kTrayLeftUp);
    EXPECT_EQ(spy.commands, (std::vector<unsigned>{IDM_OPEN_WEBALERT}));
}

TEST_F(MainWindow, BalloonClickOpensTheMonitorOnlyAfterACheckEnded)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    MainWindowSpy spy(main_);
    spy.swallowCommands = false;
    SendMessageA(main_, UM_TRAYICON, 1, kTrayBalloonClick);
    EXPECT_TRUE(spy.commands.empty());
    SendMessageA(main_, WM_COMMAND, IDM_END_CHECK_WEBALERT, 0);
    EXPECT_TRUE(Flags().balloonPending);
    SendMessageA(main_, UM_TRAYICON, 1, kTrayBalloonClick);
    SendMessageA(main_, UM_TRAYICON, 1, kTrayBalloonClick);
    EXPECT_EQ(spy.commands, (std::vector<unsigned>{IDM_END_CHECK_WEBALERT, IDM_OPEN_WEBALERT}));
    EXPECT_FALSE(Flags().balloonPending);
}

TEST_F(MainWindow, HotkeysMatchByCombinationAndPauseWhileDisabled)
{
    ASSERT_TRUE(Start({"WelCome=1", "HotkeyTranslate=834", "HotkeyMiniBrowser=834", "HotkeyClipboardTranslate=578"}));
    EXPECT_EQ(HotkeyCount(), 3);
    MainWindowSpy spy(main_);
    // Two slots holding Ctrl+Shift+B both run.
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 3, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'B'));
    EXPECT_EQ(spy.commands, (std::vector<unsigned>{IDM_TRANSLATE, IDM_STARTMINIBROWSER}));
    spy.commands.clear();
    // Ctrl+B (578) is another combination.
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 4, MAKELPARAM(MOD_CONTROL, 'B'));
    EXPECT_EQ(spy.commands, (std::vector<unsigned>{IDM_TRANSLATECLIP}));
    spy.commands.clear();
    SetHotkeysEnabled(false);
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 4, MAKELPARAM(MOD_CONTROL, 'B'));
    SetHotkeysEnabled(true);
    EXPECT_TRUE(spy.commands.empty());
    // Changing a hotkey drops the old combination first.
    EXPECT_EQ(RegisterHotkeySlot(0x0243, 578, 4, HOTKEY_TRANSLATE_CLIPBOARD), 3);
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 4, MAKELPARAM(MOD_CONTROL, 'B'));
    EXPECT_TRUE(spy.commands.empty());
    EXPECT_EQ(RegisterHotkeySlot(0, 0, 2, HOTKEY_SEARCH_CLIPBOARD), 0);
    EXPECT_FALSE(UnregisterHotkeyValue(12345));
}

// The about box is modal: a second thread reads it and presses OK.
struct AboutSeen {
    std::string caption;
    std::string version;
    int optionsOpenWhileShown = -1;
    bool newsEnabled = true;
};

AboutSeen OpenAboutAndClose(HWND main)
{
    AboutSeen seen;
    DWORD thread = GetCurrentThreadId();
    std::thread closer([&] {
        HWND dialog = nullptr;
        for (int i = 0; i < 300 && !dialog; ++i) {
            Sleep(20);
            dialog = FindWindowA("#32770", nullptr);
            DWORD pid = 0;
            if (dialog && GetWindowThreadProcessId(dialog, &pid) != thread)
                dialog = nullptr;
        }
        if (!dialog)
            return;
        char text[256] = {};
        GetWindowTextA(dialog, text, sizeof text);
        seen.caption = text;
        GetDlgItemTextA(dialog, IDC_ABOUT_VERSION, text, sizeof text);
        seen.version = text;
        seen.optionsOpenWhileShown = App().optionsOpen;
        seen.newsEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_ABOUT_NEWS)) != FALSE;
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(main, WM_COMMAND, IDM_ABOUT, 0);
    closer.join();
    return seen;
}

TEST_F(MainWindow, AboutBoxInBothLanguages)
{
    ASSERT_TRUE(Start({"WelCome=1", "Language=2"}));
    AboutSeen english = OpenAboutAndClose(main_);
    EXPECT_EQ(english.optionsOpenWhileShown, 1);
    EXPECT_EQ(App().optionsOpen, 0);
    EXPECT_NE(english.version.find("1.01 03-05-2004"), std::string::npos) << english.version;
    EXPECT_EQ(english.version.find("%s"), std::string::npos);
    EXPECT_FALSE(english.newsEnabled);

    ApplyLanguage(1, true);
    AboutSeen french = OpenAboutAndClose(main_);
    EXPECT_NE(french.caption, english.caption);
    EXPECT_NE(french.version.find("1.01 03-05-2004"), std::string::npos);
    ApplyLanguage(2, true);
}

TEST_F(MainWindow, LanguageSwitchRenamesTheWindowAndTheTip)
{
    ASSERT_TRUE(Start({"WelCome=1", "Language=2"}));
    char english[256] = {};
    GetWindowTextA(main_, english, sizeof english);
    EXPECT_EQ(std::string(english), App().appTitle);
    std::string englishTip = TrayTipText(0);

    TrayCalls().clear();
    ApplyLanguage(1, true);
    char french[256] = {};
    GetWindowTextA(main_, french, sizeof french);
    EXPECT_STRNE(french, english);
    const NOTIFYICONDATAA* modify = LastCall(NIM_MODIFY, NIF_TIP);
    ASSERT_NE(modify, nullptr);
    EXPECT_STRNE(modify->szTip, englishTip.substr(0, 63).c_str());
    EXPECT_EQ(UiLocale(), 1036);
    ApplyLanguage(2, true);
    EXPECT_EQ(UiLocale(), 1033);
}

} // namespace

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST_F(MainWindow, WithoutAnAppDataFolderTheSettingsLiveBesideTheProgram)
{
    std::string appData = wt::AppDataFolder();
    ASSERT_FALSE(appData.empty());
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);   // empty counts as absent
    bool started = Start();
    RegSetValueExA(key, "AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(appData.c_str()),
                   static_cast<DWORD>(appData.size() + 1));
    RegCloseKey(key);
    ASSERT_TRUE(started);
    EXPECT_EQ(App().dataFolder, wt::ProgramFolder());
    std::string beside = wt::ProgramFolder() + "app_wintests.INI";
    EXPECT_EQ(App().settingsPath, beside);
    EXPECT_TRUE(wt::WaitUntil([&] { return wt::FileExists(beside); }));
    Stop();
    DeleteFileA(beside.c_str());
}

TEST_F(MainWindow, AnUnwritableDataFolderStillStartsWithTheDefaults)
{
    // A file where the folder should be: nothing can be created or written there.
    ASSERT_TRUE(wt::WriteFileText(dataFolder_, "not a folder"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(Options().CmdClic, 1);
    EXPECT_EQ(Options().HotkeyMiniBrowser, 834);
    EXPECT_NE(LastCall(NIM_ADD, NIF_ICON), nullptr);
    Stop();
    DeleteFileA(dataFolder_.c_str());
}

} // namespace
