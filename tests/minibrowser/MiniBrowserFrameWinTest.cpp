// The mini browser's frames in the program: geometry, the stored place, on-top and
// translucency, closing and the frame order; the caption tool bar; the address bar.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/minibrowser/MiniBrowserFixture_win.h"

#include "app/ResourceLoader_win.h"
#include "app/Win32Profile_win.h"
#include "app/WindowPlacement_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/RegistryTypedAddressStore_win.h"
#include "minibrowser/FrameGeometry.h"
#include "minibrowser/ToolbarPlaces.h"
#include "resources/ResourceIds.h"
#include "webalert/WebAlert_win.h"

namespace {

using mbt::MiniBrowserWin;
using wt::HttpPeer;

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND FindDescendant(HWND parent, const char* className)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == className)
            return child;
        if (HWND inner = FindDescendant(child, className))
            return inner;
    }
    return nullptr;
}

std::string TextOf(HWND window)
{
    char text[6000] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string TipOf(HWND frame, int command)
{
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = nullptr;
    info.hdr.idFrom = static_cast<UINT_PTR>(command);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? std::string(info.lpszText) : std::string("<none>");
}

std::string WideTipOf(HWND frame, int command)
{
    NMTTDISPINFOW info = {};
    info.hdr.idFrom = static_cast<UINT_PTR>(command);
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    char text[200] = {};
    WideCharToMultiByte(CP_ACP, 0, info.lpszText ? info.lpszText : L"<none>", -1, text, sizeof text - 1, nullptr, nullptr);
    return text;
}

// Records the frame's caption moves instead of running the modal move loop.
struct MoveSpy {
    static WNDPROC& Previous()
    {
        static WNDPROC previous = nullptr;
        return previous;
    }
    static int& Moves()
    {
        static int moves = 0;
        return moves;
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SYSCOMMAND && wParam == 61458) {
            ++Moves();
            return 0;
        }
        return CallWindowProcA(Previous(), window, message, wParam, lParam);
    }
};

TEST_F(MiniBrowserWin, FramePlacesOnTopTranslucencyClosingAndOrder)
{
    StartBrowser();
    MiniBrowserFrame* main = Main();
    HWND frame = main->Window();
    EXPECT_FALSE(IsWindowVisible(frame)) << "made hidden at start-up";
    const LONG_PTR style = GetWindowLongPtrA(frame, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
    EXPECT_EQ(GetMenu(frame), nullptr);
    EXPECT_NE(FindDescendant(main->View(), "Shell Embedding"), nullptr) << "the page control sits in the view";
    // The control's newest document mode, for this program's file name.
    DWORD mode = 0, size = sizeof mode;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION",
                           "minibrowser_wintests.exe", RRF_RT_REG_DWORD, nullptr, &mode, &size), ERROR_SUCCESS);
    EXPECT_EQ(mode, 11001u);

    // Not kept: half the screen, in the lower right corner above the taskbar.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const RECT work = WorkAreaOf(nullptr);
    RECT r = RectOf(frame);
    EXPECT_EQ(r.right - r.left, cx / 2);
    EXPECT_EQ(r.bottom - r.top, cy / 2);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXFULLSCREEN) - cx / 2);
    EXPECT_EQ(r.top, work.bottom - cy / 2 - work.top);

    MINMAXINFO limits = {};
    SendMessageA(frame, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 2 * (GetSystemMetrics(SM_CXFRAME) + 2 * GetSystemMetrics(SM_CXSIZE) + 156));

    // The pin and the option.
    EXPECT_FALSE(GetWindowLongPtrA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(frame, WM_COMMAND, ID_TOGGLE_ON_TOP, 0);
    EXPECT_TRUE(main->OnTop());
    EXPECT_TRUE(GetWindowLongPtrA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(frame, WM_COMMAND, ID_TOGGLE_ON_TOP, 0);
    EXPECT_FALSE(GetWindowLongPtrA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Options().MiniBrowserOnTopSave = 1;
    MiniBrowserFrame* further = App_().OpenFurtherFrame(main, "");
    ASSERT_NE(further, nullptr);
    EXPECT_TRUE(further->OnTop()) << "a further frame takes the option";
    EXPECT_TRUE(GetWindowLongPtrA(further->Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Options().MiniBrowserOnTopSave = 0;

    // Translucency follows the option at the next activation or background erase.
    Options().MiniBrowserTrans = 1;
    SendMessageA(frame, WM_ERASEBKGND, 0, 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetWindowLongPtrA(frame, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetLayeredWindowAttributes(frame, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 180);
    Options().MiniBrowserTrans = 0;
    SendMessageA(frame, WM_ERASEBKGND, 0, 0);
    EXPECT_FALSE(GetWindowLongPtrA(frame, GWL_EXSTYLE) & WS_EX_LAYERED);

    // A further frame: the main frame's size, 100 pixels up and left (or right and down).
    r = RectOf(frame);
    RECT f = RectOf(further->Window());
    EXPECT_EQ(f.right - f.left, r.right - r.left);
    EXPECT_EQ(f.left, r.left > 100 ? r.left - 100 : r.left + 100);
    EXPECT_EQ(f.top, r.top > 100 ? r.top - 100 : r.top + 100);

    // F7: five sixths of the screen in the work area's corner, then half of it.
    Press(further, VK_F7);
    f = RectOf(further->Window());
    EXPECT_EQ(f.right - f.left, cx / 3 + cx / 2);
    EXPECT_EQ(f.bottom - f.top, cy / 3 + cy / 2);
    EXPECT_EQ(f.right, work.right);
    EXPECT_EQ(f.bottom, work.bottom);
    Press(further, VK_F7);
    f = RectOf(further->Window());
    EXPECT_EQ(f.right - f.left, cx / 2);

    // Closing: the main frame hides and lives on, a further frame goes.
    ShowInMiniBrowser(HttpPeer::Url("/first").c_str(), 0);
    EXPECT_TRUE(PeerSaw("/first"));
    EXPECT_TRUE(IsWindowVisible(frame));
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_FALSE(IsWindowVisible(frame));
    EXPECT_EQ(Main(), main);
    HWND furtherWindow = further->Window();
    SendMessageA(furtherWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(furtherWindow));
    EXPECT_EQ(FurtherCount(), 0u);
    // Open again: the same frame.
    ShowInMiniBrowser(HttpPeer::Url("/again").c_str(), 0);
    EXPECT_TRUE(PeerSaw("/again"));
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_EQ(Main()->Window(), frame);

    // The order main, further 1, further 2, wrapping; then minimise all and close all.
    MiniBrowserFrame* one = App_().OpenFurtherFrame(main, "");
    MiniBrowserFrame* two = App_().OpenFurtherFrame(one, "");
    ASSERT_TRUE(one && two);
    Key(main, WM_KEYDOWN, VK_DOWN, true);
    EXPECT_TRUE(wt::WaitUntil([&] { return GetForegroundWindow() == one->Window(); }, 3000));
    Key(one, WM_KEYDOWN, VK_DOWN, true);
    EXPECT_TRUE(wt::WaitUntil([&] { return GetForegroundWindow() == two->Window(); }, 3000));
    Key(two, WM_KEYDOWN, VK_DOWN, true);
    EXPECT_TRUE(wt::WaitUntil([&] { return GetForegroundWindow() == frame; }, 3000));
    Key(main, WM_KEYDOWN, VK_UP, true);
    EXPECT_TRUE(wt::WaitUntil([&] { return GetForegroundWindow() == two->Window(); }, 3000));
    Press(two, VK_F5, true, true);
    EXPECT_TRUE(IsIconic(frame) && IsIconic(one->Window()) && IsIconic(two->Window()));
    Press(two, VK_F4, true, true);
    wt::PumpMessages(100);
    EXPECT_EQ(FurtherCount(), 0u);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_FALSE(IsWindowVisible(frame));
}

TEST_F(MiniBrowserWin, StoredPlaceIsSavedAtShutDownAndUsedWhenOnScreen)
{
    StartBrowser("miniBrowserSavePos=1\r\n");
    HWND frame = Main()->Window();
    MoveWindow(frame, 100, 120, 700, 500, FALSE);
    DestroyMiniBrowserWindows();
    EXPECT_EQ(ReadSetting("Options", "MiniBrowserPos"), "100,120,700,500");
    EXPECT_EQ(Options().MiniBrowserPos[2], 700);

    ASSERT_TRUE(CreateMiniBrowserFrame());
    RECT r = RectOf(Main()->Window());
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 120);
    EXPECT_EQ(r.right - r.left, 700);
    EXPECT_EQ(r.bottom - r.top, 500);

    // Beyond the screen, or numbers no screen has: the centred default.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const int stored[][4] = {{cx, 10, 300, 200}, {10, cy + 5, 300, 200}, {-2147483647, -2147483647, 2147483647, 2147483647},
                             {-5000, 10, 300, 200}};
    for (const auto& s : stored) {
        DestroyMiniBrowserWindows();
        for (int i = 0; i < 4; ++i)
            Options().MiniBrowserPos[i] = s[i];
        ASSERT_TRUE(CreateMiniBrowserFrame());
        r = RectOf(Main()->Window());
        EXPECT_EQ(r.left, cx / 4) << s[0] << "," << s[1];
        EXPECT_EQ(r.top, cy / 4);
        EXPECT_EQ(r.right - r.left, cx / 2);
    }
}

TEST_F(MiniBrowserWin, CaptionToolBarButtonsTipsMenusProgressAndDrag)
{
    StartBrowser();
    MiniBrowserFrame* main = Main();
    HWND frame = main->Window();
    HWND bar = main->ToolBar().Window();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ClassOf(bar), "ToolbarWindow32");
    ASSERT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), 13);
    for (int i = 0; i < 13; ++i) {
        TBBUTTON button = {};
        SendMessageA(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, minibrowser::kToolbarPlaces[i].command) << i;
        EXPECT_EQ((button.fsStyle & BTNS_DROPDOWN) != 0, minibrowser::kToolbarPlaces[i].dropDown) << i;
    }

    // Tool tips, ANSI and wide, in English and in French; none for the separator.
    EXPECT_EQ(TipOf(frame, ID_MB_DEFAULT_BROWSER), "Start default browser with the current page");
    EXPECT_EQ(TipOf(frame, ID_MB_WEBALERT_MENU), "WebAlert functions");
    EXPECT_EQ(WideTipOf(frame, ID_MB_BACK), "Previous page");
    EXPECT_EQ(TipOf(frame, 0), "");
    EXPECT_EQ(WideTipOf(frame, 0), "");
    SetUiLanguage(MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
    EXPECT_EQ(TipOf(frame, ID_MB_HOME), "Page d'accueil du MiniBrowser");
    EXPECT_EQ(WideTipOf(frame, ID_MB_WEBALERT_MENU), "Fonctions WebAlert");
    for (const minibrowser::ToolbarPlace& place : minibrowser::kToolbarPlaces) {
        if (place.command) {
            EXPECT_FALSE(TipOf(frame, place.command).empty()) << place.command;
        }
    }
    SetUiLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));

    // The real road: the mouse rests on the home button and its tool tip shows the text.
    ShowWindow(frame, SW_SHOW);
    SetForegroundWindow(frame);
    HWND tips = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    RECT home = {};
    SendMessageA(bar, TB_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&home));
    POINT at = {(home.left + home.right) / 2, (home.top + home.bottom) / 2};
    ClientToScreen(bar, &at);
    auto moveMouse = [](int x, int y) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
    };
    moveMouse(at.x - 3, at.y);
    wt::PumpMessages(100);
    moveMouse(at.x, at.y);
    EXPECT_TRUE(wt::WaitUntil([&] { return IsWindowVisible(tips) && TextOf(tips) == "MiniBrowser home page"; }, 5000))
        << "tip \"" << TextOf(tips) << "\" visible " << IsWindowVisible(tips);
    moveMouse(0, 0);

    // Menu 180: the default new-window item follows MiniBrowserCtrlN, never the first.
    UniqueMenu menu180(LoadMenuInLanguage(IDR_MINIBROWSER_MENU));
    ASSERT_TRUE(menu180);
    const UINT defaults[] = {static_cast<UINT>(-1), ID_MB_NEW_CURRENT, ID_MB_NEW_HOME, ID_MB_NEW_CLIPBOARD};
    for (int ctrlN = 0; ctrlN < 4; ++ctrlN) {
        UniqueMenu fresh(LoadMenuInLanguage(IDR_MINIBROWSER_MENU));
        Options().MiniBrowserCtrlN = ctrlN;
        HMENU page = main->ToolBar().PrepareMenu(fresh.Get(), ID_MB_NEW_WINDOW_MENU);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(GetMenuDefaultItem(page, FALSE, 0), defaults[ctrlN]) << ctrlN;
    }
    HMENU font = main->ToolBar().PrepareMenu(menu180.Get(), ID_MB_FONT_MENU);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetMenuItemCount(font), 5);
    EXPECT_EQ(GetMenuItemID(font, 0), static_cast<UINT>(ID_MB_ZOOM_LARGEST));
    HMENU alert = main->ToolBar().PrepareMenu(menu180.Get(), ID_MB_WEBALERT_MENU);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(GetMenuItemID(alert, 0), static_cast<UINT>(ID_MB_ADD_WEBALERT));
    EXPECT_EQ(GetMenuItemID(alert, 1), static_cast<UINT>(ID_MB_OPEN_WEBALERT));
    EXPECT_EQ(GetMenuItemID(alert, 2), static_cast<UINT>(ID_MB_CHECK_LINKS));
    // The watched pages follow, an unread one in bold; choosing it opens it and marks it read.
    MonitoredPage watched("Peer watched", HttpPeer::Url("/watched"));
    watched.SetModified(1);
    const std::size_t pageIndex = WebAlertPages().Size();
    PageId pageId = WebAlertPages().Append(watched);
    UniqueMenu fresh180(LoadMenuInLanguage(IDR_MINIBROWSER_MENU));
    alert = main->ToolBar().PrepareMenu(fresh180.Get(), ID_MB_WEBALERT_MENU);
    ASSERT_NE(alert, nullptr);
    const UINT pageCommand = kPagesMenuCommandBase + static_cast<UINT>(pageIndex);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_STRING;
    char name[100] = {};
    info.dwTypeData = name;
    info.cch = sizeof name;
    ASSERT_TRUE(GetMenuItemInfoA(alert, pageCommand, FALSE, &info));
    EXPECT_STREQ(name, "Peer watched");
    EXPECT_TRUE(info.fState & MFS_DEFAULT);
    SendMessageA(frame, WM_COMMAND, pageCommand, 0);
    EXPECT_TRUE(PeerSaw("/watched"));
    MonitoredPage after;
    ASSERT_TRUE(WebAlertPages().CopyOf(pageId, after));
    EXPECT_FALSE(after.Modified());
    EXPECT_NE(ReadSetting("WebAlertUrl", "WebAlertUrl1"), "<missing>") << "the list was saved";

    // The favorites: the folder's shortcuts after the two commands, each opening its page.
    char favorites[MAX_PATH] = {};
    DWORD size = sizeof favorites;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", 0,
                            KEY_READ, &key), ERROR_SUCCESS);
    char raw[MAX_PATH] = {};
    RegQueryValueExA(key, "Favorites", nullptr, nullptr, reinterpret_cast<BYTE*>(raw), &size);
    RegCloseKey(key);
    ExpandEnvironmentStringsA(raw, favorites, sizeof favorites);
    CreateDirectoryA(favorites, nullptr);
    const std::string shortcut = std::string(favorites) + "\\Peer page.url";
    ASSERT_TRUE(wt::WriteFileText(shortcut, "[InternetShortcut]\r\nURL=" + HttpPeer::Url("/favorite?n=1") + "\r\n"));
    HMENU favoritesMenu = main->ToolBar().PrepareMenu(menu180.Get(), ID_MB_FAVORITES_MENU);
    ASSERT_NE(favoritesMenu, nullptr);
    EXPECT_EQ(GetMenuItemID(favoritesMenu, 0), static_cast<UINT>(ID_MB_ADD_FAVORITE));
    EXPECT_EQ(GetMenuItemID(favoritesMenu, 1), static_cast<UINT>(ID_MB_ORGANIZE_FAVORITES));
    int item = -1;
    for (int i = 3; i < GetMenuItemCount(favoritesMenu); ++i) {
        char text[200] = {};
        GetMenuStringA(favoritesMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (std::string(text) == "Peer page")
            item = static_cast<int>(GetMenuItemID(favoritesMenu, static_cast<UINT>(i)));
    }
    ASSERT_GE(item, 3584 + 3);
    EXPECT_EQ(main->FavoriteAddresses().at(static_cast<std::size_t>(item - 3584)), HttpPeer::Url("/favorite?n=1"));
    SendMessageA(frame, WM_COMMAND, static_cast<WPARAM>(item), 0);
    EXPECT_TRUE(PeerSaw("/favorite?n=1"));
    DeleteFileA(shortcut.c_str());

    // The progress bar shows only while progress and maximum are both above 0.
    HWND progress = main->ToolBar().Progress();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(GetDlgCtrlID(progress), IDC_MB_PROGRESS);
    const long reports[][3] = {{30, 100, 1}, {0, 100, 0}, {30, 0, 0}, {-1, 100, 0}, {99, 200, 1}};
    ShowWindow(frame, SW_SHOW);
    for (const auto& report : reports) {
        mbt::MiniBrowserWin::Fire(main, DISPID_PROGRESSCHANGE, {Long(report[0]), Long(report[1])});
        EXPECT_EQ(IsWindowVisible(progress) != FALSE, report[2] != 0) << report[0] << "/" << report[1];
    }
    EXPECT_EQ(SendMessageA(progress, PBM_GETPOS, 0, 0), 99);

    // A press on the caption moves the frame; on a button it does not.
    MoveSpy::Previous() = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MoveSpy::Proc)));
    MoveSpy::Moves() = 0;
    RECT client = {};
    GetClientRect(bar, &client);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(main->ToolBar().CaptionLeft() + 40, client.bottom / 2));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(main->ToolBar().CaptionLeft() + 40, client.bottom / 2));
    EXPECT_EQ(MoveSpy::Moves(), 1);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, client.bottom / 2));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(30, client.bottom / 2));
    EXPECT_EQ(MoveSpy::Moves(), 1);
    SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MoveSpy::Previous()));
}

TEST_F(MiniBrowserWin, AddressBarCompletesGoesAndHides)
{
    StartBrowser();
    TypedAddresses().Add(TypedAddressRegistry(), "http://plain.example/");
    TypedAddresses().Add(TypedAddressRegistry(), "https://www.example.com/");
    const std::size_t typedBefore = TypedAddresses().Size();
    MiniBrowserFrame* main = Main();
    ShowWindow(main->Window(), SW_SHOW);
    SetForegroundWindow(main->Window());
    DocumentComplete(main, L"http://www.shown.example/page");

    // Ctrl+U shows it with the address, selected after "/www.".
    Key(main, WM_KEYDOWN, 'U', true);
    HWND combo = main->ToolBar().Address().Window();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(GetDlgCtrlID(combo), IDC_MB_ADDRESS);
    EXPECT_TRUE(IsWindowVisible(combo));
    EXPECT_EQ(TextOf(combo), "http://www.shown.example/page");
    DWORD start = 0, end = 0;
    SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 11u);
    EXPECT_EQ(end, 29u);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(typedBefore));
    HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    HWND bar = main->ToolBar().Window();

    auto type = [&](const char* text) {
        SendMessageA(edit, WM_KEYDOWN, 'A', 0);
        SetWindowTextA(combo, text);
        const int length = lstrlenA(text);
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(length, length));
        SendMessageA(bar, WM_COMMAND, MAKEWPARAM(IDC_MB_ADDRESS, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    };
    type("ht");
    EXPECT_EQ(TextOf(combo), "https://www.example.com/");
    SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 12u) << "typing goes on after \"https://www.\"";
    EXPECT_EQ(end, 24u);
    type("http://pl");
    EXPECT_EQ(TextOf(combo), "http://plain.example/");
    // After Backspace or Delete no completion, until another key.
    SendMessageA(edit, WM_KEYDOWN, VK_BACK, 0);
    SetWindowTextA(combo, "http://pl");
    SendMessageA(bar, WM_COMMAND, MAKEWPARAM(IDC_MB_ADDRESS, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(TextOf(combo), "http://pl");
    SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    SetWindowTextA(combo, "http://pl");
    SendMessageA(bar, WM_COMMAND, MAKEWPARAM(IDC_MB_ADDRESS, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(TextOf(combo), "http://pl");
    type("http://pl");
    EXPECT_EQ(TextOf(combo), "http://plain.example/");

    // Enter goes there, remembers the address and hides the bar.
    const std::string typed = HttpPeer::Url("/typed?q=1");
    SetWindowTextA(combo, typed.c_str());
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(PeerSaw("/typed?q=1"));
    EXPECT_FALSE(IsWindowVisible(combo));
    EXPECT_EQ(TypedAddresses().AddressAt(0), typed);
    EXPECT_EQ(TypedAddresses().Size(), typedBefore + 1);

    // Enter with Ctrl on a bare name opens what the conversion builds.
    main->ShowAddressBar(false);
    SetWindowTextA(combo, "barename");
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(TypedAddresses().AddressAt(0), "http://www.barename.com");
    EXPECT_TRUE(wt::WaitUntil([&] { return LocationOf(main).find("http://www.barename.com") == 0; }, 5000)) << LocationOf(main);

    // An empty Enter goes home and adds nothing.
    main->ShowAddressBar(false);
    SetWindowTextA(combo, "");
    const std::size_t typedNow = TypedAddresses().Size();
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(PeerSaw("/home"));
    EXPECT_EQ(TypedAddresses().Size(), typedNow);

    // Esc on release hides it; so does losing the focus; a right press only beeps.
    main->ShowAddressBar(false);
    SendMessageA(edit, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_TRUE(IsWindowVisible(combo));
    SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(IsWindowVisible(combo)) << "Esc acts on release";
    SendMessageA(edit, WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindowVisible(combo));
    main->ShowAddressBar(false);
    SendMessageA(bar, WM_COMMAND, MAKEWPARAM(IDC_MB_ADDRESS, CBN_KILLFOCUS), reinterpret_cast<LPARAM>(combo));
    EXPECT_FALSE(IsWindowVisible(combo));
    // F4 shows it with its list dropped; a right release on the bar shows it too.
    Press(main, VK_F4);
    EXPECT_TRUE(IsWindowVisible(combo));
    EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    main->ToolBar().Address().Hide();
    SendMessageA(bar, WM_RBUTTONUP, 0, MAKELPARAM(main->ToolBar().CaptionLeft() + 30, 5));
    EXPECT_TRUE(IsWindowVisible(combo));

    // Odd addresses: long, script and file ones; the frame stays usable.
    for (const std::string& odd : {std::string(5000, 'w'), std::string("javascript:alert(1)"), std::string("file:///c:/windows/")}) {
        main->ShowAddressBar(false);
        SetWindowTextA(combo, odd.c_str());
        SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        wt::PumpMessages(50);
    }
    main->Navigate(HttpPeer::Url("/still"), 0);
    EXPECT_TRUE(PeerSaw("/still"));
}

} // namespace
