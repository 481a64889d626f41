// The monitor window in the real program: pages from the settings file, the list as the user
// sees it (texts, colours, filters, sorting), its keys and menu, rename in place, delete, the
// mail command, the place and view kept across openings, and a check run shown inside it.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/Messages.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"
#include "tests/launcher/LauncherDialogFixture_win.h"
#include "tests/support/HttpPeer_win.h"
#include "webalert/WebAlert_win.h"

namespace {

// The program's ShellExecuteA calls, caught by pointing this program's import at a stand-in.
std::vector<std::string> shellFiles;

HINSTANCE WINAPI RecordShell(HWND, LPCSTR, LPCSTR file, LPCSTR parameters, LPCSTR, INT)
{
    shellFiles.push_back(std::string(file ? file : "") + "|" + (parameters ? parameters : ""));
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

std::string Line(const std::string& name, const std::string& link, int enabled, int state, const std::string& date,
                 const std::string& time, int count)
{
    return name + "|\"" + link + "\"||" + std::to_string(enabled) + "|" + std::to_string(state) + "|0|0|" + date + "|" +
           time + "|" + std::to_string(count);
}

// The commands of the toolbar and the context menu; all but the last need a selected page.
constexpr int kPageCommands[] = {IDM_WA_OPEN, IDM_WA_MARK, IDM_WA_DELETE, IDM_WA_STOP_SUPERVISE, IDM_WA_PROPERTIES,
                                 IDM_WA_CHECK_ONE, IDM_WA_MAIL, IDM_WA_CHECK_ALL};

class MonitorWindowTest : public lt::LauncherDialogTest {
protected:
    void SetUp() override
    {
        LauncherDialogTest::SetUp();
        ASSERT_TRUE(wt::CountBeeps());
        ASSERT_TRUE(wt::PointImport("ShellExecuteA", reinterpret_cast<void*>(&RecordShell)));
        shellFiles.clear();
    }
    void TearDown() override
    {
        if (Windows().webAlert)
            DestroyWindow(Windows().webAlert);
        LauncherDialogTest::TearDown();
    }

    bool StartWithPages(const std::string& options, const std::vector<std::string>& pages)
    {
        std::string ini = "[Options]\r\nWelCome=1\r\nWebAlertFreq=0\r\nWebAlertSound=0\r\nUseMiniBrowserWebAlert=0\r\n"
                          "WebAlertCMPStrict=1\r\n" + options + "[WebAlertUrl]\r\n";
        for (std::size_t i = 0; i < pages.size(); ++i)
            ini += "WebAlertUrl" + std::to_string(i + 1) + "=" + pages[i] + "\r\n";
        return StartWithSettings(ini);
    }

    HWND OpenMonitor()
    {
        OpenMonitorWindow(main_, 1);
        monitor_ = Windows().webAlert;
        list_ = GetDlgItem(monitor_, IDC_MONITOR_LIST);
        toolbar_ = GetDlgItem(monitor_, IDC_MONITOR_TOOLBAR);
        wt::PumpMessages(50);
        return monitor_;
    }

    void Do(int command) { SendMessageA(monitor_, WM_COMMAND, static_cast<WPARAM>(command), 0); }
    int Rows() const { return ListView_GetItemCount(list_); }
    std::string Text(int row, int column) const
    {
        char text[1200] = {};
        ListView_GetItemText(list_, row, column, text, sizeof text);
        return text;
    }
    std::string Column(int column) const
    {
        std::string all;
        for (int row = 0; row < Rows(); ++row)
            all += (row ? "," : "") + Text(row, column);
        return all;
    }
    int RowNamed(const std::string& name) const
    {
        for (int row = 0; row < Rows(); ++row)
            if (Text(row, 0) == name)
                return row;
        return -1;
    }
    void Select(int row)
    {
        ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (row >= 0)
            ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    void Key(UINT key)
    {
        SendMessageA(list_, WM_KEYDOWN, key, 1);
        SendMessageA(list_, WM_KEYUP, key, 0xC0000001);
    }
    // A click on the column's header.
    void ClickHeader(int column)
    {
        HWND header = ListView_GetHeader(list_);
        RECT r = {};
        Header_GetItemRect(header, column, &r);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(header, WM_LBUTTONUP, 0, at);
    }

    struct Look {
        LRESULT result;
        COLORREF colour;
        LONG weight;
    };
    // What the window answers the list's custom drawing of the row.
    Look LookOf(int row)
    {
        NMLVCUSTOMDRAW draw = {};
        draw.nmcd.hdr.hwndFrom = list_;
        draw.nmcd.hdr.idFrom = IDC_MONITOR_LIST;
        draw.nmcd.hdr.code = NM_CUSTOMDRAW;
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ListView_GetItem(list_, &item);
        draw.nmcd.lItemlParam = item.lParam;
        HDC dc = GetDC(list_);
        HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list_, WM_GETFONT, 0, 0)));
        draw.nmcd.hdc = dc;
        draw.clrText = CLR_DEFAULT;
        Look look = {SendMessageA(monitor_, WM_NOTIFY, IDC_MONITOR_LIST, reinterpret_cast<LPARAM>(&draw)), draw.clrText, 0};
        LOGFONTA font = {};
        GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
        look.weight = font.lfWeight;
        SelectObject(dc, before);
        ReleaseDC(list_, dc);
        return look;
    }

    // The context menu as it opens: each command's state ("g" greyed, "e" enabled) and the
    // read mark's text.
    std::string MenuStates()
    {
        std::string states;
        lt::WhileModal read([&] {
            HWND popup = FindWindowA("#32768", nullptr);
            if (!popup || !IsWindowVisible(popup))
                return false;
            HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
            for (int command : kPageCommands)
                states += (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_GRAYED) ? "g" : "e";
            char text[100] = {};
            GetMenuStringA(menu, IDM_WA_MARK, text, sizeof text, MF_BYCOMMAND);
            states += std::string(" ") + text;
            EndMenu();
            return true;
        });
        RECT r = {};
        GetWindowRect(list_, &r);
        SendMessageA(monitor_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_), MAKELPARAM(r.left + 20, r.top + 40));
        return states;
    }

    std::string ButtonsEnabled()
    {
        std::string states;
        for (int command : kPageCommands)
            states += SendMessageA(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) ? "e" : "g";
        return states;
    }

    // Answers the next message box with button, keeping its text.
    std::string Answering(int button, const std::function<void()>& action)
    {
        std::string text;
        lt::WhileModal answer([&] {
            HWND box = wt::FindThreadDialog(GetCurrentThreadId(), [&](HWND w) { return w != monitor_ && GetDlgItem(w, 0xFFFF); });
            if (box) {
                text = lt::WindowTextOf(GetDlgItem(box, 0xFFFF));
                PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
            }
            return box != nullptr;
        });
        action();
        wt::PumpMessages(100);
        return text;
    }

    // Types name over the row's name and presses Enter.
    void Rename(int row, const std::string& name)
    {
        SetFocus(list_);
        HWND edit = ListView_EditLabel(list_, row);
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, name.c_str());
        SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
        wt::PumpMessages(50);
    }

    std::string Stored(int index)
    {
        return ReadSetting("WebAlertUrl", ("WebAlertUrl" + std::to_string(index)).c_str());
    }
    std::string Copy(const std::string& page, const char* file)
    {
        const std::string path = dataFolder_ + "\\" + page + "\\" + file;
        return wt::FileExists(path) ? wt::ReadFileText(path) : "<none>";
    }

    HWND monitor_ = nullptr;
    HWND list_ = nullptr;
    HWND toolbar_ = nullptr;
};

TEST_F(MonitorWindowTest, ListKeysMenuRenameDeletePlaceAndARunInside)
{
    // Addresses nobody answers, so that a check fails at once on them.
    const std::string gone = "http://" + wt::HttpPeer::ClosedAddress() + "/";
    const std::string link70 = gone + "q" + std::string(69 - gone.size(), 'q');
    ASSERT_EQ(link70.size(), 70u);
    const std::string plainLink = wt::HttpPeer::Url("/delay/1500/plain");
    ASSERT_TRUE(StartWithPages("WebAlertShowProgress=1\r\nWebAlertShowTip=1\r\nWebAlertShowDlg=0\r\n"
                               "WebAlertShowDisable=0\r\nWebAlertShowUpdated=0\r\nWebAlertViewMode=1\r\n",
                               {Line("Plain", plainLink, 1, 0, "", "", 0),
                                Line("unread", gone + "unread", 1, 64, "20261201", "9:30", 3),
                                Line("Off", gone + "off", 0, 0, "20250101", "23:00", 7),
                                Line("Q&A", link70, 1, 64, "20261130", "10:00", 12),
                                Line("Taken", gone + "taken", 1, 0, "20240615", "08:15", 1),
                                Line("Copies", gone + "copies", 1, 16, "20261202", "07:00", 2)}));
    CreateDirectoryA((dataFolder_ + "\\Copies").c_str(), nullptr);
    wt::WriteFileText(dataFolder_ + "\\Copies\\url.html", "<p>now</p>");
    wt::WriteFileText(dataFolder_ + "\\Copies\\urBackup.html", "<p>before</p>");
    CreateDirectoryA((dataFolder_ + "\\Elsewhere").c_str(), nullptr);
    CreateDirectoryA((dataFolder_ + "\\Taken").c_str(), nullptr);
    wt::WriteFileText(dataFolder_ + "\\Taken\\url.html", "<p>taken</p>");   // no previous copy
    ASSERT_NE(OpenMonitor(), nullptr);
    // Wide enough for every column's header.
    SetWindowPos(monitor_, nullptr, 20, 20, 900, 420, SWP_NOZORDER);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(monitor_, IDC_MONITOR_PROGRESS)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(monitor_, IDC_MONITOR_STATUS)));

    // 1. Columns and texts: the disabled page is left out; a 70-character link shows 64 and "...".
    ASSERT_EQ(Rows(), 5);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list_)), 6);
    const int qa = RowNamed("Q&A");
    ASSERT_GE(qa, 0);
    EXPECT_EQ(Text(qa, 1), link70.substr(0, 64) + "...");
    EXPECT_EQ(Text(qa, 2) + " " + Text(qa, 3) + " " + Text(qa, 4) + " " + Text(qa, 5),
              "11-30-2026 10:00 12 " + LoadText(IDS_YES));

    // 2. Row looks: unread in bold blue; plain rows as the list draws them; disabled in silver.
    const Look unread = LookOf(RowNamed("unread"));
    EXPECT_EQ(unread.result, CDRF_NEWFONT);
    EXPECT_EQ(unread.colour, RGB(0, 102, 153));
    EXPECT_EQ(unread.weight, FW_BOLD);
    EXPECT_EQ(LookOf(RowNamed("Taken")).result, CDRF_DODEFAULT);

    // 3. The two filters, kept in the settings file.
    Do(IDM_WA_SHOW_DISABLED);
    EXPECT_EQ(Rows(), 6);
    EXPECT_EQ(ReadSetting("Options", "WebAlertShowDisable"), "1");
    const Look off = LookOf(RowNamed("Off"));
    EXPECT_EQ(off.colour, RGB(192, 192, 192));
    EXPECT_NE(off.weight, FW_BOLD);
    ClickHeader(5);
    EXPECT_EQ(Text(0, 0), "Off");   // enabled state sorts by number
    Do(IDM_WA_SHOW_UPDATED);
    EXPECT_EQ(Rows(), 2);
    Do(IDM_WA_SHOW_UPDATED);
    Do(IDM_WA_SHOW_DISABLED);
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(ReadSetting("Options", "WebAlertShowUpdated"), "0");

    // 4. Sorting by each column, ascending: text without case, time and count by value.
    const bool plainFirst = plainLink < gone;   // the two peers' ports decide
    const std::string byLink = plainFirst ? "Plain,Copies,Q&A,Taken,unread" : "Copies,Q&A,Taken,unread,Plain";
    const std::string orders[] = {"Copies,Plain,Q&A,Taken,unread", byLink,
                                  "Plain,Taken,Q&A,unread,Copies", "Plain,Copies,Taken,unread,Q&A",
                                  "Plain,Taken,Copies,unread,Q&A"};
    // The selected and focused row stays on its page as the rows move.
    Select(RowNamed("Taken"));
    for (int column = 0; column < 5; ++column) {
        ClickHeader(column);
        EXPECT_EQ(Column(0), orders[column]) << "column " << column;
        EXPECT_EQ(ListView_GetNextItem(list_, -1, LVNI_SELECTED), RowNamed("Taken")) << "column " << column;
        EXPECT_EQ(ListView_GetNextItem(list_, -1, LVNI_FOCUSED), RowNamed("Taken")) << "column " << column;
    }

    // 5. Without a selection the page commands are greyed and their buttons disabled.
    Select(-1);
    EXPECT_EQ(ButtonsEnabled(), "ggggggge");
    EXPECT_EQ(MenuStates().substr(0, 8), "ggggggge");
    Select(RowNamed("unread"));
    EXPECT_EQ(ButtonsEnabled(), "eeeeeeee");
    EXPECT_EQ(MenuStates(), "eeeeeeee " + LoadText(IDS_MARK_READ));

    // 6. Space toggles the read mark, saved at once; Enter opens the page and marks it read;
    //    Ctrl+Enter opens too.
    Key(VK_SPACE);
    EXPECT_EQ(Stored(2), Line("unread", gone + "unread", 1, 0, "20261201", "9:30", 3));
    Key(VK_SPACE);
    EXPECT_EQ(Stored(2), Line("unread", gone + "unread", 1, 64, "20261201", "9:30", 3));
    Select(RowNamed("unread"));
    Key(VK_RETURN);
    EXPECT_TRUE(Opened(gone + "unread"));
    EXPECT_EQ(Stored(2), Line("unread", gone + "unread", 1, 0, "20261201", "9:30", 3));
    EXPECT_EQ(LookOf(RowNamed("unread")).result, CDRF_DODEFAULT);
    Select(RowNamed("Taken"));
    SetKeys({VK_CONTROL});
    Key(VK_RETURN);
    SetKeys({});
    EXPECT_TRUE(Opened(gone + "taken"));

    // 7. Rename in place: the same name in another case beeps and is refused; a name whose
    //    folder is taken is refused with the message, the copies left; a free name takes both
    //    copies along.
    const int beepsBefore = wt::beeps;
    Rename(RowNamed("Copies"), "COPIES");
    EXPECT_EQ(wt::beeps - beepsBefore, 1);
    EXPECT_GE(RowNamed("Copies"), 0);
    const std::string refusal = Answering(IDOK, [&] { Rename(RowNamed("Copies"), "Elsewhere"); });
    EXPECT_EQ(refusal.substr(0, 20), LoadText(IDS_RENAME_FAILED).substr(0, 20));
    EXPECT_NE(refusal.find("Elsewhere"), std::string::npos) << refusal;
    EXPECT_EQ(Copy("Copies", "url.html"), "<p>now</p>");
    EXPECT_GE(RowNamed("Copies"), 0);
    Rename(RowNamed("Copies"), "Daily: news");   // cleaned as a name: "Daily  news"
    ASSERT_GE(RowNamed("Daily  news"), 0);
    EXPECT_EQ(Copy("Daily  news", "url.html"), "<p>now</p>");
    EXPECT_EQ(Copy("Daily  news", "urBackup.html"), "<p>before</p>");
    EXPECT_EQ(Copy("Copies", "url.html"), "<none>");
    EXPECT_EQ(Stored(6).substr(0, 12), "Daily  news|");

    // 8. The mail command: "&" of the name percent-encoded in the subject.
    Select(RowNamed("Q&A"));
    Do(IDM_WA_MAIL);
    ASSERT_EQ(shellFiles.size(), 1u);
    EXPECT_EQ(shellFiles[0].substr(0, 32), "\"mailto:?subject=[Q%26A]&body=Q%");

    // The page tools on the renamed page: its source in Notepad; the comparison of copies
    //    made under fixed names (WinDiff is not beside the program: the own window shows
    //    them); the link on the clipboard.
    Select(RowNamed("Daily  news"));
    Do(IDM_WA_SOURCE);
    ASSERT_EQ(shellFiles.size(), 2u);
    EXPECT_EQ(shellFiles[1], "NOTEPAD.EXE|\"" + dataFolder_ + "\\Daily  news\\url.html\"");
    Do(IDM_WA_COMPARE);
    EXPECT_EQ(shellFiles.size(), 2u);
    EXPECT_EQ(Copy("Windiff", "url.html"), "<p>now</p>");
    EXPECT_EQ(Copy("Windiff", "urBackup.html"), "<p>before</p>");
    // A page without a previous copy is not compared with the last page's.
    Select(RowNamed("Taken"));
    Do(IDM_WA_COMPARE);
    EXPECT_EQ(Copy("Windiff", "url.html"), "<p>taken</p>");
    EXPECT_EQ(Copy("Windiff", "urBackup.html"), "<none>");
    Select(RowNamed("Daily  news"));
    Do(IDM_WA_COPY);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE clip = GetClipboardData(CF_TEXT);
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(static_cast<const char*>(GlobalLock(clip)), gone + "copies");
    GlobalUnlock(clip);
    CloseClipboard();

    // 9. Delete asks; the row and the record go, the copies stay.
    Select(RowNamed("Daily  news"));
    const std::string question = Answering(IDYES, [&] { Key(VK_DELETE); });
    EXPECT_EQ(question, LoadText(IDS_CONFIRM_DELETE_LINK));
    EXPECT_EQ(RowNamed("Daily  news"), -1);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(Stored(i).find("Daily"), std::string::npos) << i;
    EXPECT_EQ(Copy("Daily  news", "url.html"), "<p>now</p>");
    EXPECT_EQ(Copy("Daily  news", "urBackup.html"), "<p>before</p>");

    // 10. A check started from the window shows its progress there; a page that changed joins
    //     the "updated" rows and is drawn olive; no progress window, no balloon.
    Do(IDM_WA_SHOW_UPDATED);
    EXPECT_EQ(RowNamed("Plain"), -1);
    TrayCalls().clear();
    Do(IDM_WA_CHECK_ALL);
    EXPECT_TRUE(wt::WaitUntil([&] {
        return IsWindowVisible(GetDlgItem(monitor_, IDC_MONITOR_PROGRESS)) &&
               lt::WindowTextOf(GetDlgItem(monitor_, IDC_MONITOR_STATUS)) == plainLink;
    }, 10000));
    EXPECT_EQ(lt::ModalWithControl(IDC_CHECK_PAGES), nullptr);
    ASSERT_TRUE(wt::WaitUntil([&] { return !CheckRunning(); }, 30000));
    wt::PumpMessages(200);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(monitor_, IDC_MONITOR_PROGRESS)));
    ASSERT_GE(RowNamed("Plain"), 0);
    EXPECT_EQ(LookOf(RowNamed("Plain")).colour, RGB(128, 128, 0));
    for (const TrayRecord& call : TrayCalls())
        EXPECT_FALSE(call.operation == NIM_MODIFY && (call.data.uFlags & NIF_INFO)) << call.data.szInfo;
    Do(IDM_WA_SHOW_UPDATED);

    // 11. Place and view mode are kept by Cancel, minimised or not, and found at the next
    //     opening; a place off every screen comes back onto the screen.
    SetWindowPos(monitor_, nullptr, 50, 60, 620, 400, SWP_NOZORDER);
    Do(IDM_WA_SMALL_ICONS);
    ShowWindow(monitor_, SW_MINIMIZE);
    Do(IDCANCEL);
    EXPECT_EQ(Windows().webAlert, nullptr);
    EXPECT_FALSE(IsWindow(monitor_));
    EXPECT_EQ(ReadSetting("Options", "WebAlertPos"), "50,60,620,400");
    EXPECT_EQ(ReadSetting("Options", "WebAlertViewMode"), std::to_string(LVS_SMALLICON));
    ASSERT_NE(OpenMonitor(), nullptr);
    RECT r = {};
    GetWindowRect(monitor_, &r);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right - r.left, r.bottom - r.top}),
              std::vector<LONG>({50, 60, 620, 400}));
    EXPECT_EQ(GetWindowLongPtrA(list_, GWL_STYLE) & LVS_TYPEMASK, LVS_SMALLICON);
    SendMessageA(monitor_, UM_CLOSELAUNCHER, 0, 1);
    EXPECT_EQ(Windows().webAlert, nullptr);
    Options().WebAlertPos[0] = 9000;
    Options().WebAlertPos[1] = -9000;
    ASSERT_NE(OpenMonitor(), nullptr);
    GetWindowRect(monitor_, &r);
    RECT screen = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    EXPECT_TRUE(r.left >= screen.left && r.right <= screen.right && r.top >= screen.top && r.bottom <= screen.bottom)
        << r.left << "," << r.top;
    // Hidden to the tray: closed without keeping the place.
    SendMessageA(monitor_, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0);
    EXPECT_EQ(Windows().webAlert, nullptr);
    EXPECT_EQ(ReadSetting("Options", "WebAlertPos"), "50,60,620,400");
}

// Bad input: 499 pages with names and links of 1000 characters, and the settings file read
// again with fewer pages while the window is open and a check runs.
TEST_F(MonitorWindowTest, LongTextsManyPagesAndPagesGoneDuringARun)
{
    std::vector<std::string> pages;
    const std::string closed = "http://" + wt::HttpPeer::ClosedAddress() + "/";
    for (int i = 0; i < 499; ++i) {
        const std::string number = std::to_string(1000 + i);
        pages.push_back(Line(number + std::string(996, 'n'), closed + number + std::string(990, 'l'), 1,
                             i % 3 ? 0 : 64, "20261208", "12:00", i));
    }
    pages[1] = Line("Slow", wt::HttpPeer::Url("/delay/1500/slow"), 1, 0, "", "", 0);
    ASSERT_TRUE(StartWithPages("WebAlertShowProgress=1\r\nWebAlertShowTip=1\r\n", pages));
    ASSERT_NE(OpenMonitor(), nullptr);
    ASSERT_EQ(Rows(), 499);
    EXPECT_EQ(Text(0, 1).size(), 67u);
    ClickHeader(0);
    EXPECT_EQ(Text(0, 0).substr(0, 4), "1000");
    Do(IDM_WA_CHECK_ALL);
    ASSERT_TRUE(wt::WaitUntil([&] { return IsWindowVisible(GetDlgItem(monitor_, IDC_MONITOR_PROGRESS)); }, 10000));
    // The settings file loses all pages but two meanwhile.
    Settings().DeleteSection("WebAlertUrl");
    Settings().WriteString("WebAlertUrl", "WebAlertUrl1", Line("Kept", "http://kept.example/", 1, 64, "", "", 0).c_str());
    Settings().WriteString("WebAlertUrl", "WebAlertUrl2", Line("Slow", wt::HttpPeer::Url("/delay/1500/slow"), 1, 0, "", "", 0).c_str());
    WebAlertPages().Load(Settings());
    SendMessageA(monitor_, UM_TRAYICON, 0, 0);
    EXPECT_EQ(Rows(), 2);
    ASSERT_TRUE(wt::WaitUntil([&] { return !CheckRunning(); }, 30000));
    wt::PumpMessages(200);
    ASSERT_TRUE(IsWindow(monitor_));
    ClickHeader(0);
    EXPECT_EQ(Column(0), "Kept,Slow");
    Select(RowNamed("Kept"));
    EXPECT_EQ(LookOf(RowNamed("Kept")).colour, RGB(0, 102, 153));
    Key(VK_SPACE);
    EXPECT_EQ(Stored(1), Line("Kept", "http://kept.example/", 1, 0, "", "", 0));
}

} // namespace
