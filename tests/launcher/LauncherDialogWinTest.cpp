// The launcher dialog inside the test process: how it opens, completion in its text box, its
// buttons and menu commands, what becomes of it after an action, and its close.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/Subsystems_win.h"
#include "app/OptionRecord.h"
#include "app/Win32Profile_win.h"
#include "chrome/EdgeDock_win.h"
#include "chrome/LauncherChrome_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LauncherMenus_win.h"
#include "launcher/SubmitText_win.h"
#include "resources/ResourceIds.h"
#include "tests/launcher/LauncherDialogFixture_win.h"

namespace {

using lt::LauncherDialogTest;
using lt::WhileModal;

using LauncherOpening = LauncherDialogTest;
using LauncherCompletion = LauncherDialogTest;
using LauncherCommands = LauncherDialogTest;
using LauncherMenus = LauncherDialogTest;
using LauncherAfterAction = LauncherDialogTest;
using LauncherClose = LauncherDialogTest;

bool OwnerDrawn(HWND button)
{
    return (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

int ToolCount()
{
    return static_cast<int>(SendMessageA(Windows().tooltip, TTM_GETTOOLCOUNT, 0, 0));
}

std::string ToolText(HWND dialog, HWND control)
{
    char text[256] = {};
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageA(Windows().tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

RECT WindowRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

TEST_F(LauncherOpening, TheCompactBarOpensInFrontWithTheKeyboardInItsTextBox)
{
    ASSERT_NE(Open(), nullptr);
    EXPECT_TRUE(IsWindowVisible(launcher_));
    EXPECT_EQ(GetForegroundWindow(), launcher_);
    EXPECT_EQ(GetFocus(), Edit()) << "typing goes to control 1000";
    EXPECT_EQ(Windows().pretranslate, launcher_) << "its keys go through the dialog manager";
    EXPECT_EQ(lt::WindowTextOf(launcher_), App().appTitle);
    EXPECT_EQ(Item(1016), nullptr);
    EXPECT_EQ(GetWindowLongA(launcher_, GWL_STYLE) & WS_CAPTION, 0) << "the skin draws the only caption";
    EXPECT_TRUE(GetWindowLongA(launcher_, GWL_STYLE) & WS_THICKFRAME) << "resizable";
    EXPECT_TRUE(GetWindowLongA(launcher_, GWL_EXSTYLE) & WS_EX_TOPMOST) << "OnTop is on by default";
    for (int id : {1, 1010, 1002, 1013, 1011, 1012, 200, 1014, 201, 202, 203}) {
        ASSERT_NE(Item(id), nullptr) << id;
        EXPECT_TRUE(OwnerDrawn(Item(id))) << id;
    }
    for (int id : {201, 202, 203})
        EXPECT_NE(SendMessageA(Item(id), BM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "picture of " << id;
    EXPECT_FALSE(IsWindowEnabled(Item(200))) << "no TranslateURL: no Translate";

    // At the bottom right: the full-screen client width and the work area's height.
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT r = WindowRect(launcher_);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXFULLSCREEN));
    EXPECT_EQ(r.bottom, work.bottom - work.top);
}

TEST_F(LauncherOpening, RememberedPlacesAreUsedWhenTheyAreOnAScreen)
{
    ASSERT_NE(Open("PosCX=100\r\nPosCY=120\r\nTranslateURL=http://tr.example/\r\n"), nullptr);
    RECT r = WindowRect(launcher_);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 120);
    EXPECT_TRUE(IsWindowEnabled(Item(200)));
    Stop();

    // A place on a screen that is no longer there: the bottom right instead.
    ASSERT_NE(Open("PosCX=-6000\r\nPosCY=-6000\r\n"), nullptr);
    r = WindowRect(launcher_);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXFULLSCREEN));
}

TEST_F(LauncherOpening, TranslucentWithMainTransAndOpaqueWithout)
{
    ASSERT_NE(Open("MainTrans=1\r\nOnTop=0\r\n"), nullptr);
    EXPECT_TRUE(GetWindowLongA(launcher_, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(launcher_, nullptr, &alpha, &flags)) {
        EXPECT_EQ(alpha, 180);
    }
    EXPECT_FALSE(GetWindowLongA(launcher_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Stop();
    ASSERT_NE(Open(), nullptr);
    EXPECT_FALSE(GetWindowLongA(launcher_, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(LauncherOpening, ButtonsExplainThemselvesOnTheSharedTooltipAndTakeTheirToolsAlong)
{
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\n"));
    ASSERT_NE(Windows().tooltip, nullptr);
    const int before = ToolCount();
    OpenLauncher();
    launcher_ = App().launcherWindow;
    ASSERT_NE(launcher_, nullptr);
    EXPECT_EQ(ToolCount(), before + 11);
    EXPECT_EQ(ToolText(launcher_, Item(1)), LoadText(IDS_TIP_GO));
    EXPECT_EQ(ToolText(launcher_, Item(202)), LoadText(IDS_TIP_CLOSE_OWN));
    EXPECT_EQ(ToolText(launcher_, Item(1014)), LoadText(IDS_TIP_WEBALERT));
    SendMessageA(launcher_, UM_CLOSELAUNCHER, 0, 1);
    EXPECT_TRUE(Gone());
    EXPECT_EQ(ToolCount(), before);
}

TEST_F(LauncherOpening, OpeningAgainBringsTheSameLauncherBack)
{
    ASSERT_NE(Open(), nullptr);
    SetFocus(Item(1010));
    OpenLauncher();
    EXPECT_EQ(App().launcherWindow, launcher_);
    EXPECT_EQ(GetFocus(), Edit());
    int dialogs = 0;
    for (HWND w : wt::WindowsOfProcess(GetCurrentProcessId()))
        dialogs += GetDlgItem(w, 1000) && GetDlgItem(w, 1010) ? 1 : 0;
    EXPECT_EQ(dialogs, 1);
}

class LauncherCompletionWithLists : public LauncherDialogTest {
protected:
    void SetUp() override
    {
        LauncherDialogTest::SetUp();
        ASSERT_NE(Open(), nullptr);
        // The list: the search history (most recent first), then the typed addresses.
        RecordTypedText("gold");
        RecordTypedText("google search");
        RecordTypedText("http://www.example.com");
        OpenLauncherAgainForItsList();
    }
    // The box takes the lists as they are when the launcher opens.
    void OpenLauncherAgainForItsList()
    {
        SendMessageA(launcher_, UM_CLOSELAUNCHER, 0, 1);
        OpenLauncher();
        launcher_ = App().launcherWindow;
    }
};

TEST_F(LauncherCompletionWithLists, TypingCompletesFromTheListAndHighlightsTheRest)
{
    ASSERT_EQ(SendMessageA(Box(), CB_GETCOUNT, 0, 0), 3);
    Type("go");
    EXPECT_EQ(BoxText(), "google search") << "the first entry that begins so";
    EXPECT_EQ(Selection().start, 2);
    EXPECT_EQ(Selection().end, 13);
    // Typing on replaces the highlighted part and completes again.
    Type("l");
    EXPECT_EQ(BoxText(), "gold");
    EXPECT_EQ(Selection().start, 3);
    EXPECT_EQ(Selection().end, 4);
}

TEST_F(LauncherCompletionWithLists, BackspaceAndDeleteAreNotUndoneByCompletion)
{
    Type("goo");
    ASSERT_EQ(BoxText(), "google search");
    Key(VK_BACK, '\b');   // removes the highlighted part
    EXPECT_EQ(BoxText(), "goo");
    Key(VK_BACK, '\b');
    EXPECT_EQ(BoxText(), "go") << "no completion after Backspace";
    Type("o");
    ASSERT_EQ(BoxText(), "google search");
    Key(VK_DELETE);
    SendMessageA(Edit(), WM_CLEAR, 0, 0);   // what the edit field does for Delete
    EXPECT_EQ(BoxText(), "goo") << "no completion after Delete";
}

TEST_F(LauncherCompletionWithLists, HtTakesTheWebPrefixAtOnceAndUnknownTextStaysAsTyped)
{
    Type("ht");
    EXPECT_EQ(BoxText(), "http://www.example.com");
    EXPECT_EQ(Selection().start, 11);
    EXPECT_EQ(Selection().end, 22);
    Type("e");
    EXPECT_EQ(BoxText(), "http://www.example.com");
    EXPECT_EQ(Selection().start, 12) << "typing after the accepted prefix goes on completing";

    SetWindowTextA(Box(), "");
    Type("zebra");
    EXPECT_EQ(BoxText(), "zebra");
    EXPECT_EQ(Selection().start, 5);
    EXPECT_EQ(Selection().end, 5);
}

TEST_F(LauncherCompletionWithLists, TypingInsideTheTextKeepsTheCaretWhereItIs)
{
    SetWindowTextA(Box(), "gld");
    SendMessageA(Box(), CB_SETEDITSEL, 0, MAKELPARAM(1, 1));
    Type("o");
    EXPECT_EQ(BoxText(), "gold");
    EXPECT_EQ(Selection().start, 2);
    EXPECT_EQ(Selection().end, 2);
}

TEST_F(LauncherCommands, GoWithAnEmptyTextOpensTheEmptyMiniBrowserAndStays)
{
    ASSERT_NE(Open("OnTop=0\r\n"), nullptr);
    Command(IDOK);
    ASSERT_TRUE(wt::WaitUntil([&] { return LoggedLaunches() == 1; })) << Log();
    EXPECT_TRUE(SearchHistory().Empty());
    EXPECT_FALSE(LauncherIsDockedAway(launcher_));
    EXPECT_TRUE(IsWindowVisible(launcher_));
}

TEST_F(LauncherCommands, GoWithAModifierCompletesTheAddressFirst)
{
    ASSERT_NE(Open(), nullptr);
    struct Case { std::vector<int> keys; const char* address; };
    const Case cases[] = {
        {{VK_CONTROL}, "http://www.ctrl.com"},
        {{VK_MENU}, "http://www.alt.fr"},
        {{VK_SHIFT, VK_MENU}, "http://www.shift.net"},
    };
    const char* names[] = {"Ctrl", "Alt", "Shift"};
    for (int i = 0; i < 3; ++i) {
        SetWindowTextA(Box(), names[i]);
        SetKeys(cases[i].keys);
        Command(IDOK);
        SetKeys({});
        EXPECT_EQ(BoxText(), cases[i].address);
        ASSERT_TRUE(Opened(cases[i].address)) << Log();
        EXPECT_EQ(TypedAddresses().AddressAt(0), cases[i].address);
    }
    EXPECT_TRUE(SearchHistory().Empty());
}

TEST_F(LauncherCommands, GoSearchesAndAllIgnoresTheModifiers)
{
    ASSERT_NE(Open(), nullptr);
    SetWindowTextA(Box(), "kiwi");
    Command(IDOK);
    ASSERT_TRUE(Opened("http://second.example/find?p=kiwi"));
    EXPECT_EQ(ReadSetting("SaveExpr", "Search1"), "kiwi");
    EXPECT_EQ(BoxText(), "kiwi") << "the text stays for the next search";
    EXPECT_EQ(SendMessageA(Box(), CB_GETCOUNT, 0, 0), 1) << "the list is filled again";

    SetWindowTextA(Box(), "plum");
    SetKeys({VK_SHIFT, VK_CONTROL});
    Command(IDC_LAUNCHER_ALL);
    SetKeys({});
    ASSERT_TRUE(Opened("http://first.example/?q=plum"));
    ASSERT_TRUE(Opened("http://second.example/find?p=plum"));
    EXPECT_EQ(BoxText(), "plum");
    EXPECT_EQ(ReadSetting("SaveExpr", "Search1"), "plum");
}

TEST_F(LauncherCommands, EngineCommandsSearchTheTextWithThatEngine)
{
    ASSERT_NE(Open(), nullptr);
    SetWindowTextA(Box(), "fig");
    Command(2024 + 2);   // the engine not in use still searches when chosen
    ASSERT_TRUE(Opened("http://off.example/?q=fig")) << Log();
    EXPECT_EQ(ReadSetting("SaveExpr", "Search1"), "fig");

    // Beyond the table, and beyond the range: nothing.
    Command(2024 + 3);
    Command(2024 + 51);
    // An empty text beeps and puts the focus in the box.
    SetWindowTextA(Box(), "");
    SetFocus(Item(1010));
    Command(2024 + 0);
    EXPECT_EQ(GetFocus(), Edit());
    wt::PumpMessages(300);
    EXPECT_EQ(LoggedLaunches(), 1) << Log();
    EXPECT_EQ(SearchHistory().Size(), 1u);
}

TEST_F(LauncherCommands, HomeTypedAddressAndBrowserCommands)
{
    ASSERT_NE(Open("UseMiniBrowserEngine=0\r\nUseMiniBrowserLink=0\r\n"), nullptr);
    RecordTypedText("http://typed.example/a");
    Command(3024 + 1);
    ASSERT_TRUE(Opened("http://second.example/")) << Log();
    Command(3024 + 7);
    Command(4024 + 0);
    ASSERT_TRUE(Opened("http://typed.example/a")) << Log();
    Command(4024 + 1);
    wt::PumpMessages(300);
    EXPECT_EQ(LoggedLaunches(), 2) << Log();

    // The browser button starts an empty browser; the close buttons end what the program
    // started.
    Command(IDC_LAUNCHER_BROWSER);
    ASSERT_TRUE(wt::WaitUntil([&] { return LoggedLaunches() == 3; })) << Log();
    ASSERT_GE(App().launched.Size(), 1u);
    Command(IDC_LAUNCHER_CLOSE_OWN);
    EXPECT_EQ(App().launched.Size(), 0u);

    Command(IDHELP);
    ASSERT_TRUE(Opened("fenetre.htm")) << Log();
}

TEST_F(LauncherCommands, TranslateOpensTheTranslationWindowOnTheTextThenTheLauncherGoes)
{
    ASSERT_NE(Open("OnTop=1\r\nCloseAfter=0\r\nTranslateURL=http://translate.example/\r\n"), nullptr);
    SetWindowTextA(Box(), "good night");
    std::string shown;
    {
        WhileModal answer([&] {
            HWND window = Windows().translation;
            if (!window || !IsWindowVisible(window))
                return false;
            shown = lt::WindowTextOf(GetDlgItem(window, IDC_TR_SOURCE));
            EXPECT_EQ(GetWindow(window, GW_OWNER), launcher_);
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            return true;
        });
        Command(IDC_LAUNCHER_TRANSLATE);
    }
    EXPECT_EQ(shown, "good night");
    EXPECT_TRUE(LauncherIsDockedAway(launcher_)) << "it goes whatever OnTop says";
    EXPECT_EQ(LoggedLaunches(), 0);
}

TEST_F(LauncherCommands, TranslateWithAnOutsideToolStartsIt)
{
    ASSERT_NE(Open("OnTop=1\r\nStartTranslator=1\r\nTranslateURL=http://translate.example/tool\r\n"), nullptr);
    Command(IDC_LAUNCHER_TRANSLATE);
    ASSERT_TRUE(Opened("http://translate.example/tool")) << Log();
    EXPECT_EQ(Windows().translation, nullptr);
    EXPECT_FALSE(LauncherIsDockedAway(launcher_)) << "OnTop keeps it";
}

TEST_F(LauncherCommands, TheUnderlinedLettersActWithAlt)
{
    ASSERT_NE(Open(), nullptr);
    SetWindowTextA(Box(), "plum");
    // Alt+A, as the keyboard sends it to the focused text box.
    PostMessageA(Edit(), WM_SYSKEYDOWN, 'A', 0x20000001);
    PostMessageA(Edit(), WM_SYSCHAR, 'a', 0x20000001);
    PostMessageA(Edit(), WM_SYSKEYUP, 'A', 0xE0000001);
    RunLoop(300);
    ASSERT_TRUE(Opened("http://first.example/?q=plum")) << Log();
    ASSERT_TRUE(Opened("http://second.example/find?p=plum")) << Log();
}

TEST_F(LauncherCommands, F1AndTheReleaseOfAltF1OpenTheHelpPage)
{
    ASSERT_NE(Open(), nullptr);
    PostMessageA(Edit(), WM_KEYDOWN, VK_F1, 1);
    PostMessageA(Edit(), WM_KEYUP, VK_F1, 0xC0000001);
    RunLoop(300);
    ASSERT_TRUE(Opened("fenetre.htm")) << Log();
    EXPECT_EQ(LoggedLaunches(), 1) << "one page for one key";
    RunLoop(600);
    PostMessageA(Edit(), WM_SYSKEYUP, VK_F1, 0xE0000001);
    RunLoop(300);
    EXPECT_TRUE(wt::WaitUntil([&] { return LoggedLaunches() == 2; })) << Log();
}

TEST_F(LauncherCommands, SetupClosesTheLauncherAndAsksTheMainWindowForTheOptions)
{
    ASSERT_NE(Open(), nullptr);
    MainWindowSpy spy(main_);
    Command(IDC_LAUNCHER_SETUP);
    EXPECT_TRUE(Gone());
    wt::PumpMessages(100);
    ASSERT_EQ(spy.commands.size(), 1u);
    EXPECT_EQ(spy.commands[0], static_cast<unsigned>(IDM_SETUP));
}

TEST_F(LauncherCommands, TheBackgroundsRightClickOpensTheTrayMenuAndThePinTogglesOnTop)
{
    ASSERT_NE(Open(), nullptr);
    MainWindowSpy spy(main_);
    SendMessageA(launcher_, WM_RBUTTONUP, 0, MAKELPARAM(8, 60));
    wt::PumpMessages(100);
    ASSERT_EQ(spy.trayRequests.size(), 1u);
    EXPECT_EQ(spy.trayRequests[0].second, static_cast<LPARAM>(WM_RBUTTONUP));

    Command(ID_TOGGLE_ON_TOP);
    EXPECT_EQ(Options().OnTop, 0);
    EXPECT_FALSE(GetWindowLongA(launcher_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Command(ID_TOGGLE_ON_TOP);
    EXPECT_EQ(Options().OnTop, 1);
    EXPECT_TRUE(GetWindowLongA(launcher_, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

std::vector<std::pair<UINT, std::string>> MenuItems(HMENU menu, std::vector<UINT>* types = nullptr)
{
    std::vector<std::pair<UINT, std::string>> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[300] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        items.emplace_back(info.fType & MFT_SEPARATOR ? 0u : info.wID, text);
        if (types)
            types->push_back(info.fType | (info.fState << 16));
    }
    return items;
}

TEST_F(LauncherMenus, GoWithAndGoToListTheEnginesInUseBehindCloseList)
{
    ASSERT_NE(Open(), nullptr);
    LauncherMenu goWith = BuildLauncherPopup(LauncherPopup::GoWith, nullptr);
    ASSERT_NE(goWith.popup, nullptr);
    auto items = MenuItems(goWith.popup);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].first, static_cast<UINT>(IDM_CLOSE_LIST));
    EXPECT_EQ(items[1].first, 0u);
    EXPECT_EQ(items[2], std::make_pair(2024u, std::string("First")));
    EXPECT_EQ(items[3], std::make_pair(2025u, std::string("Second")));

    LauncherMenu goTo = BuildLauncherPopup(LauncherPopup::GoTo, nullptr);
    items = MenuItems(goTo.popup);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[3], std::make_pair(3025u, std::string("Second\thttp://second.example/")));

    // "&Close list" does nothing.
    Command(IDM_CLOSE_LIST);
    EXPECT_TRUE(IsWindow(launcher_));
    EXPECT_EQ(LoggedLaunches(), 0);
}

TEST_F(LauncherMenus, GoToUrlListsTypedAddressesThenTheFavoritesInAColumnOfTheirOwn)
{
    ASSERT_NE(Open(), nullptr);
    RecordTypedText("http://two.example/");
    RecordTypedText("http://one.example/?a=1&b=2");
    FavoritesMenu favorites;
    LauncherMenu menu = BuildLauncherPopup(LauncherPopup::GoToUrl, &favorites);
    ASSERT_NE(menu.popup, nullptr);
    std::vector<UINT> types;
    auto items = MenuItems(menu.popup, &types);
    ASSERT_GE(items.size(), 6u);
    EXPECT_EQ(items[2], std::make_pair(4024u, std::string("http://one.example/?a=1&&b=2")));
    EXPECT_EQ(items[3].first, 4025u);
    EXPECT_EQ(items[3].second, "http://two.example/");
    EXPECT_EQ(items[4].second, LoadText(IDS_TREE_FAVORITES));
    EXPECT_TRUE(types[4] & MFT_MENUBARBREAK) << "the favorites start a new column";
    EXPECT_TRUE((types[4] >> 16) & MFS_GRAYED) << "their label is no command";
    EXPECT_EQ(items[5].first, 0u);
}

TEST_F(LauncherMenus, AButtonShowsItsMenuAtTheCursorAndTheChoiceRunsAsACommand)
{
    ASSERT_NE(Open("OnTop=1\r\n"), nullptr);
    SetWindowTextA(Box(), "pear");
    bool sawMenu = false;
    {
        // The user's keys in the menu: End selects the last entry ("Second"), Enter takes it.
        WhileModal answer([&] {
            HWND menuWindow = FindWindowA("#32768", nullptr);
            if (!menuWindow || !IsWindowVisible(menuWindow))
                return false;
            sawMenu = true;
            PostMessageA(menuWindow, WM_KEYDOWN, VK_END, 0);
            PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
            return true;
        });
        Command(IDC_LAUNCHER_GO_WITH);
    }
    EXPECT_TRUE(sawMenu);
    ASSERT_TRUE(Opened("http://second.example/find?p=pear")) << Log();
    EXPECT_EQ(ReadSetting("SaveExpr", "Search1"), "pear");
}

TEST_F(LauncherAfterAction, OnTopKeepsTheLauncherInView)
{
    ASSERT_NE(Open("OnTop=1\r\nCloseAfter=1\r\n"), nullptr);
    SetWindowTextA(Box(), "one");
    Command(IDOK);
    ASSERT_TRUE(Opened("p=one"));
    EXPECT_TRUE(IsWindowVisible(launcher_));
    EXPECT_FALSE(LauncherIsDockedAway(launcher_));
}

TEST_F(LauncherAfterAction, WithoutOnTopOrCloseAfterItSlidesIntoItsEdgeAndStays)
{
    ASSERT_NE(Open("OnTop=0\r\nCloseAfter=0\r\nHideCorner=2\r\n"), nullptr);
    SetWindowTextA(Box(), "two");
    Command(IDOK);
    ASSERT_TRUE(Opened("p=two"));
    EXPECT_TRUE(LauncherIsDockedAway(launcher_));
    EXPECT_TRUE(LauncherDockedAway());
    FinishSlide(launcher_);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LT(WindowRect(launcher_).top, work.top) << "gone up into the top edge";
    EXPECT_EQ(App().launcherWindow, launcher_);

    // The next opening brings it back out with the keyboard in the text box.
    OpenLauncher();
    wt::WaitUntil([&] { return !IsSliding(launcher_); }, 3000);
    EXPECT_FALSE(LauncherIsDockedAway(launcher_));
    EXPECT_GE(WindowRect(launcher_).top, work.top);
    EXPECT_EQ(GetFocus(), Edit());
}

TEST_F(LauncherAfterAction, WithCloseAfterItClosesForGood)
{
    ASSERT_NE(Open("OnTop=0\r\nCloseAfter=1\r\n"), nullptr);
    SetWindowTextA(Box(), "three");
    Command(IDOK);
    ASSERT_TRUE(Opened("p=three"));
    EXPECT_TRUE(Gone());
    EXPECT_NE(ReadSetting("Options", "PosCX"), "<missing>") << "closing for good stores the place";
}

TEST_F(LauncherAfterAction, CloseRequestsAndTheHideCommandFollowCloseAfter)
{
    ASSERT_NE(Open("OnTop=1\r\nCloseAfter=0\r\n"), nullptr);
    SendMessageA(launcher_, UM_CLOSELAUNCHER, 1, 0);
    EXPECT_TRUE(LauncherIsDockedAway(launcher_)) << "no force, no CloseAfter: slides away";
    FinishSlide(launcher_);
    OpenLauncher();
    FinishSlide(launcher_);
    SendMessageA(launcher_, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0);
    EXPECT_TRUE(LauncherIsDockedAway(launcher_));
    FinishSlide(launcher_);
    OpenLauncher();
    FinishSlide(launcher_);

    Options().CloseAfter = 1;
    SendMessageA(launcher_, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0);
    EXPECT_FALSE(IsWindowVisible(launcher_)) << "to the tray";
    EXPECT_EQ(App().launcherWindow, launcher_) << "hidden, not destroyed";
    SendMessageA(launcher_, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsWindowVisible(launcher_)) << "restored through the show-launcher operation";
    EXPECT_EQ(GetFocus(), Edit());
    SendMessageA(launcher_, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0);
    OpenLauncher();
    EXPECT_TRUE(IsWindowVisible(launcher_));
    SendMessageA(launcher_, UM_CLOSELAUNCHER, 0, 0);
    EXPECT_TRUE(Gone()) << "with CloseAfter a request closes it";
}

TEST_F(LauncherClose, PreventCloseShowsTheNoticeWhoseTickIsSavedAtOnce)
{
    ASSERT_NE(Open("PreventClose=1\r\nCloseButton=0\r\n"), nullptr);
    std::string preventCloseWhenAnswered;
    bool sawNotice = false;
    {
        WhileModal answer([&] {
            HWND notice = lt::ModalWithControl(IDC_DONT_SHOW_AGAIN);
            if (!notice)
                return false;
            sawNotice = true;
            CheckDlgButton(notice, IDC_DONT_SHOW_AGAIN, BST_CHECKED);
            SendMessageA(notice, WM_COMMAND, IDOK, 0);
            return true;
        });
        Command(IDCANCEL);
    }
    EXPECT_TRUE(sawNotice);
    EXPECT_TRUE(Gone());
    EXPECT_TRUE(IsWindow(main_)) << "the program stays in the tray";
    EXPECT_EQ(Options().PreventClose, 0);
    EXPECT_EQ(ReadSetting("Options", "PreventClose"), "0");

    // Next time no notice.
    OpenLauncher();
    launcher_ = App().launcherWindow;
    bool sawAgain = false;
    {
        WhileModal look([&] {
            sawAgain = sawAgain || lt::ModalWithControl(IDC_DONT_SHOW_AGAIN);
            return false;
        });
        Command(IDCANCEL);
        wt::PumpMessages(300);
    }
    EXPECT_FALSE(sawAgain);
    EXPECT_TRUE(Gone());
}

TEST_F(LauncherClose, TheNoticeWithoutItsTickChangesNothing)
{
    ASSERT_NE(Open("PreventClose=1\r\n"), nullptr);
    {
        WhileModal answer([&] {
            HWND notice = lt::ModalWithControl(IDC_DONT_SHOW_AGAIN);
            if (!notice)
                return false;
            EXPECT_EQ(lt::WindowTextOf(GetDlgItem(notice, IDC_DONT_SHOW_AGAIN)), "Do not show this message again.");
            SendMessageA(notice, WM_COMMAND, IDOK, 0);
            return true;
        });
        Command(IDCANCEL);
    }
    EXPECT_TRUE(Gone());
    EXPECT_EQ(Options().PreventClose, 1);
    EXPECT_EQ(ReadSetting("Options", "PreventClose"), "1");
}

TEST_F(LauncherClose, EscapeWithCloseButtonEndsTheProgram)
{
    ASSERT_NE(Open("PreventClose=1\r\nCloseButton=1\r\n"), nullptr);
    bool sawNotice = false;
    WhileModal look([&] {
        sawNotice = sawNotice || lt::ModalWithControl(IDC_DONT_SHOW_AGAIN);
        return false;
    });
    PostMessageA(Edit(), WM_KEYDOWN, VK_ESCAPE, 1);
    RunLoop(500);
    EXPECT_FALSE(sawNotice) << "CloseButton set: no notice";
    EXPECT_TRUE(Gone());
    EXPECT_FALSE(IsWindow(main_)) << "the main window is gone: the program ends";
}

TEST_F(LauncherClose, ClosingForGoodStoresThePlaceOfItsOwnLayoutOnly)
{
    ASSERT_NE(Open("PreventClose=0\r\n"), nullptr);
    SetWindowPos(launcher_, nullptr, 140, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(IDCANCEL);
    EXPECT_TRUE(Gone());
    EXPECT_TRUE(IsWindow(main_));
    EXPECT_EQ(ReadSetting("Options", "PosCX"), "140");
    EXPECT_EQ(ReadSetting("Options", "PosCY"), "150");
    EXPECT_EQ(ReadSetting("Options", "PosTCX"), "<missing>");
    EXPECT_EQ(ReadSetting("Options", "TCX"), "<missing>");
}

TEST_F(LauncherClose, APlaceDockedAwayIsNotStored)
{
    ASSERT_NE(Open("PosCX=200\r\nPosCY=210\r\nOnTop=0\r\n"), nullptr);
    SlideLauncherAway(launcher_, true);
    FinishSlide(launcher_);
    SendMessageA(launcher_, UM_CLOSELAUNCHER, 0, 1);
    EXPECT_TRUE(Gone());
    EXPECT_EQ(ReadSetting("Options", "PosCX"), "200");
    EXPECT_EQ(ReadSetting("Options", "PosCY"), "210");
}

TEST_F(LauncherClose, SizesAreLaidOutAndLimited)
{
    ASSERT_NE(Open(), nullptr);
    SetWindowPos(launcher_, nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
    RECT client = {};
    GetClientRect(launcher_, &client);
    RECT go = WindowRect(Item(1));
    RECT all = WindowRect(Item(203));
    POINT rightEdge = {client.right, 0};
    ClientToScreen(launcher_, &rightEdge);
    EXPECT_EQ(go.right, rightEdge.x - 20) << "the rows follow the width";
    EXPECT_EQ(all.right, rightEdge.x - 20);

    MINMAXINFO info = {};
    SendMessageA(launcher_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT units = {0, 0, 166, 0};
    MapDialogRect(launcher_, &units);
    EXPECT_NEAR(info.ptMinTrackSize.x, units.right, 1) << "166 dialog units";
    EXPECT_GT(info.ptMinTrackSize.y, 0);
}

} // namespace
