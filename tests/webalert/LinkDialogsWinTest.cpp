// The Add/Edit link dialog in its three modes, the comparison options and the options sheet's
// WebAlert page, inside the program started in the test process: the steps play from within
// the modal loops, and what the dialogs leave is read back from the live list, the settings
// file and the stored copies.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/PropertyPage_win.h"
#include "app/ResourceLoader_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"
#include "tests/translator/ModalScript_win.h"
#include "webalert/LinkDialog_win.h"
#include "webalert/WebAlert_win.h"

namespace {

using tt::Click;
using tt::ItemString;
using tt::ModalScript;

using wt::beeps;

// Stands in for the monitor window: counts its "add rows" requests.
int addRowRequests = 0;
LRESULT CALLBACK MonitorStandIn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == 1147)
        ++addRowRequests;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A step that answers the message box showing text once it is up, done when the box is gone.
ModalScript::Step Answer(const std::string& text, int button)
{
    auto answered = std::make_shared<bool>(false);
    return [=] {
        HWND box = tt::MessageBoxShowing(text);
        if (box && !*answered)
            Click(box, button);
        *answered = *answered || box;
        return *answered && !box;
    };
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Shown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Press(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
void SelectRow(HWND list, int row)
{
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

class LinkDialogs : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        ASSERT_TRUE(wt::CountBeeps()) << "the program does not import MessageBeep";
    }

    // Three watched pages: News, Prices (mail on change) and Old (disabled).
    bool StartWith(std::vector<std::string> options)
    {
        options.insert(options.end(), {"Language=2", "Welcome=1", "[WebAlertUrl]",
                                       "WebAlertUrl1=News|\"http://news.example/\"||1|0|0|0|||0",
                                       "WebAlertUrl2=Prices|\"http://shop.example/\"||1|0|1|0|||0",
                                       "WebAlertUrl3=Old|\"http://old.example/\"||0|0|0|0|||0"});
        return Start(options);
    }

    std::string Stored(int index) { return ReadSetting("WebAlertUrl", ("WebAlertUrl" + std::to_string(index)).c_str()); }
    std::string CopyPath(const char* page, const char* file) { return dataFolder_ + "\\" + page + "\\" + file; }
    bool FocusIs(HWND dialog, int id) { return GetFocus() == GetDlgItem(dialog, id); }
};

TEST_F(LinkDialogs, LinkDialogInItsThreeModesAndComparisonOptions)
{
    ASSERT_TRUE(StartWith({"WebAlertCMPStrict=1", "WebAlertCMPSize=1", "WebAlertCMPSizeTol=64", "WebAlertCMPImage=0",
                           "WebAlertCMPNoScript=0"}));
    WNDCLASSA standIn = {};
    standIn.lpfnWndProc = MonitorStandIn;
    standIn.hInstance = GetModuleHandleA(nullptr);
    standIn.lpszClassName = "QvMonitorStandIn";
    RegisterClassA(&standIn);
    Windows().webAlert = CreateWindowA("QvMonitorStandIn", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const std::string duplicate = LoadText(IDS_DUPLICATE_LINK_NAME);
    HWND dialog = nullptr;
    int before = beeps;

    // Adding to the live list: "news" is taken by "News"; empty fields beep; the name is cleaned.
    MonitoredPage added("news ", "");
    ModalScript live;
    live.Then([&] {
            if (!(dialog = tt::DialogWithItem(IDC_LINK_NAME)))
                return false;
            EXPECT_EQ(ItemString(dialog, IDC_LINK_NAME), "news");   // cleaned on opening
            EXPECT_TRUE(Checked(dialog, IDC_LINK_ENABLE));
            Click(dialog, IDOK);
            return true;
        })
        .Then(Answer(duplicate, IDOK))
        .Then([&] {
            EXPECT_TRUE(IsWindow(dialog) && FocusIs(dialog, IDC_LINK_NAME));
            EXPECT_EQ(beeps.load(), before);
            SetDlgItemTextA(dialog, IDC_LINK_NAME, "");
            Click(dialog, IDOK);
            return true;
        })
        .Then([&] {
            if (beeps == before)
                return false;
            EXPECT_TRUE(IsWindow(dialog) && FocusIs(dialog, IDC_LINK_NAME));
            // Losing the focus cleans the name too.
            SetDlgItemTextA(dialog, IDC_LINK_NAME, "a:b");
            SetFocus(GetDlgItem(dialog, IDC_LINK_ADDRESS));
            EXPECT_EQ(ItemString(dialog, IDC_LINK_NAME), "a b");
            SetDlgItemTextA(dialog, IDC_LINK_NAME, "  Weather?Today/Now ");
            Click(dialog, IDOK);
            return true;
        })
        .Then([&] {
            if (beeps == before + 1)
                return false;
            EXPECT_TRUE(IsWindow(dialog) && FocusIs(dialog, IDC_LINK_ADDRESS));
            EXPECT_EQ(ItemString(dialog, IDC_LINK_NAME), "Weather Today-Now");
            SetDlgItemTextA(dialog, IDC_LINK_ADDRESS, "http://weather.example/");
            // No page in the mini browser: the typed link stays.
            Press(dialog, IDC_LINK_CURRENT);
            EXPECT_EQ(ItemString(dialog, IDC_LINK_ADDRESS), "http://weather.example/");
            CheckDlgButton(dialog, IDC_LINK_MAIL, BST_CHECKED);
            Click(dialog, IDOK);
            return true;
        });
    EXPECT_EQ(live.Run([&] { return LinkDialog(main_, added, kLinkAddLive); }), IDOK);
    EXPECT_EQ(beeps.load(), before + 2);
    EXPECT_EQ(added.name, "Weather Today-Now");
    ASSERT_EQ(WebAlertPages().Size(), 4u);
    EXPECT_EQ(Stored(4), "Weather Today-Now|\"http://weather.example/\"|Current &page|1|0|1|0|||0");
    EXPECT_EQ(addRowRequests, 1);

    // Adding to a working list: taken there is refused in any case; taken only in the live list
    // is no matter.
    MonitoredPage working("ALPHA", "http://alpha.example/");
    std::vector<std::string> asked;
    ModalScript work;
    work.Then([&] {
            if (!(dialog = tt::DialogWithItem(IDC_LINK_NAME)))
                return false;
            Click(dialog, IDOK);
            return true;
        })
        .Then(Answer(duplicate, IDOK))
        .Then([&] {
            SetDlgItemTextA(dialog, IDC_LINK_NAME, "News");
            Click(dialog, IDOK);
            return true;
        });
    EXPECT_EQ(work.Run([&] {
        return LinkDialog(main_, working, kLinkAddWorking, [&](std::string_view name) {
            asked.emplace_back(name);
            return name == "ALPHA" || name == "alpha" || name == "Alpha";
        });
    }), IDOK);
    EXPECT_EQ(asked, (std::vector<std::string>{"ALPHA", "News"}));
    EXPECT_EQ(working.name, "News");
    EXPECT_EQ(WebAlertPages().Size(), 4u);
    EXPECT_EQ(addRowRequests, 1);

    // Editing: no uniqueness check; names and links of 1000 characters and more are cut at the
    // field limits.
    MonitoredPage edited(std::string(1000, 'n'), "http://" + std::string(1093, 'l'));
    ModalScript edit;
    edit.Then([&] {
            if (!(dialog = tt::DialogWithItem(IDC_LINK_NAME)))
                return false;
            EXPECT_EQ(ItemString(dialog, IDC_LINK_NAME), std::string(64, 'n'));
            EXPECT_EQ(ItemString(dialog, IDC_LINK_ADDRESS).size(), 1023u);
            SetDlgItemTextA(dialog, IDC_LINK_NAME, "NEWS");
            Click(dialog, IDOK);
            return true;
        });
    before = beeps;
    EXPECT_EQ(edit.Run([&] { return LinkDialog(main_, edited, kLinkEdit); }), IDOK);
    EXPECT_EQ(edited.name, "NEWS");
    EXPECT_EQ(edited.urlString, "http://" + std::string(1016, 'l'));
    EXPECT_EQ(beeps.load(), before);
    EXPECT_EQ(WebAlertPages().Size(), 4u);

    DestroyWindow(Windows().webAlert);
    Windows().webAlert = nullptr;

    // The comparison options, saved at once. Which of the size and tolerance controls are
    // enabled, as "size/tolerance" with 1 or 0 each:
    auto state = [&] {
        std::string s;
        for (int id : {IDC_CMP_SIZE_GROUP, IDC_CMP_SIZE, 0, IDC_CMP_TOLERANCE_LABEL, IDC_CMP_TOLERANCE,
                       IDC_CMP_TOLERANCE_SPIN})
            s += !id ? '/' : Enabled(dialog, id) ? '1' : '0';
        return s;
    };
    ModalScript script;
    script.Then([&] {
        if (!(dialog = tt::DialogWithItem(IDC_CMP_TOLERANCE)))
            return false;
        EXPECT_EQ(ItemString(dialog, IDC_CMP_TOLERANCE), "64");
        // Strict: the size controls are off whatever "Compare pages size" shows.
        EXPECT_TRUE(Checked(dialog, IDC_CMP_SIZE));
        EXPECT_EQ(state(), "00/000");
        Press(dialog, IDC_CMP_STRICT);
        EXPECT_EQ(state(), "11/111");
        Press(dialog, IDC_CMP_SIZE);
        EXPECT_EQ(state(), "11/000");
        Press(dialog, IDC_CMP_STRICT);
        EXPECT_EQ(state(), "00/000");
        for (int id : {IDC_CMP_STRICT, IDC_CMP_SIZE, IDC_CMP_IMAGE, IDC_CMP_NOSCRIPT})
            Press(dialog, id);
        EXPECT_EQ(state(), "11/111");
        SetDlgItemTextA(dialog, IDC_CMP_TOLERANCE, "20000");   // past the range: its top
        Click(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(script.Run([&] { return AdvancedDialog(main_); }), IDOK);
    const std::pair<const char*, const char*> saved[] = {{"WebAlertCMPStrict", "0"}, {"WebAlertCMPImage", "1"},
                                                         {"WebAlertCMPNoScript", "1"}, {"WebAlertCMPSize", "1"},
                                                         {"WebAlertCMPSizeTol", "10240"}};
    for (const auto& [key, value] : saved)
        EXPECT_EQ(ReadSetting("Options", key), value) << key;
    EXPECT_EQ(Options().WebAlertCMPSizeTol, 10240);
}

TEST_F(LinkDialogs, OptionsPageDeleteCancelAndApply)
{
    ASSERT_TRUE(StartWith({"WebAlertShowDlg=1", "WebAlertSound=0", "WebAlertShowProgress=1", "WebAlertShowTip=0",
                           "WebAlertFreq=2", "WebAlertOnConnect=0", "WebAlertFreqVal=30",
                           "WebAlertSoundName=notify.wav"}));
    for (const char* page : {"News", "Prices"}) {
        CreateDirectoryA((dataFolder_ + "\\" + page).c_str(), nullptr);
        wt::WriteFileText(CopyPath(page, "url.html"), "<p>now</p>");
        wt::WriteFileText(CopyPath(page, "urBackup.html"), "<p>before</p>");
    }
    const std::string confirm = LoadText(IDS_CONFIRM_DELETE_LINK);
    const std::string duplicate = LoadText(IDS_DUPLICATE_LINK_NAME);
    std::unique_ptr<PropertyPage> page = CreateWebAlertOptionsPage();
    HWND w = nullptr, sheet = nullptr, list = nullptr, menu = nullptr;
    auto open = [&] {
        if (!page->Window() || !IsWindowVisible(page->Window()))
            return false;
        w = page->Window();
        sheet = GetParent(w);
        list = GetDlgItem(w, IDC_WA_PAGES);
        return true;
    };
    auto run = [&](ModalScript& script) {
        return script.Run([&] { return RunPropertySheet(main_, "Setup", {page.get()}); });
    };
    const std::string file = wt::ReadFileText(SettingsFile());

    // Delete, then Cancel: the copies are gone at once, the live list keeps the page.
    ModalScript cancelled;
    cancelled
        .Then([&] {
            if (!open())
                return false;
            EXPECT_EQ(ListView_GetItemCount(list), 3);
            std::string rows;
            for (int row = 0; row < 3; ++row)
                for (int column = 0; column < 4; ++column)
                    rows += tt::ListText(list, row, column) + (column == 3 ? "\n" : "|");
            EXPECT_EQ(rows, "News|http://news.example/|Yes|No\nPrices|http://shop.example/|Yes|Yes\n"
                            "Old|http://old.example/|No|No\n");
            EXPECT_FALSE(Enabled(w, IDC_WA_EDIT) || Enabled(w, IDC_WA_DELETE));
            // The interval field and its unit belong to Minutes and Hours only.
            EXPECT_EQ(tt::Selection(w, IDC_WA_FREQUENCY), 2);
            EXPECT_EQ(ItemString(w, IDC_WA_INTERVAL), "30");
            const char* shown[] = {"0000", "0000", "1110", "1101", "0000", "0000", "0000"};
            for (int mode : {0, 1, 2, 3, 4, 5, 6, 2}) {
                tt::Choose(w, IDC_WA_FREQUENCY, mode);
                std::string seen;
                for (int id : {IDC_WA_INTERVAL, IDC_WA_INTERVAL_SPIN, IDC_WA_UNIT_MINUTES, IDC_WA_UNIT_HOURS})
                    seen += Shown(w, id) ? '1' : '0';
                EXPECT_EQ(seen, shown[mode]) << mode;
                if (mode == 3) {
                    EXPECT_EQ(ItemString(w, IDC_WA_INTERVAL), "24");   // 30 is past the hours' range
                }
            }
            // The sound's field and buttons follow "Play sound"; a file that cannot play: a warning beep.
            EXPECT_FALSE(Enabled(w, IDC_WA_SOUND_NAME) || Enabled(w, IDC_WA_BROWSE) || Enabled(w, IDC_WA_TEST_SOUND));
            Press(w, IDC_WA_SOUND);
            EXPECT_TRUE(Enabled(w, IDC_WA_SOUND_NAME) && Enabled(w, IDC_WA_BROWSE) && Enabled(w, IDC_WA_TEST_SOUND));
            SetDlgItemTextA(w, IDC_WA_SOUND_NAME, "missing.wav");
            const int before = beeps;
            Press(w, IDC_WA_TEST_SOUND);
            EXPECT_EQ(beeps.load(), before + 1);
            EXPECT_EQ(wt::lastBeep.load(), UINT(MB_ICONEXCLAMATION));
            // The context menu without a selection: Add only.
            RECT r = {};
            GetWindowRect(list, &r);
            PostMessageA(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(r.left + 20, r.top + 30));
            return true;
        })
        .Then([&] {
            if (!(menu = FindWindowA("#32768", nullptr)) || !IsWindowVisible(menu))
                return false;
            HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
            EXPECT_EQ(GetMenuState(items, ID_LIST_ADD, MF_BYCOMMAND) & MF_GRAYED, 0u);
            EXPECT_NE(GetMenuState(items, ID_LIST_EDIT, MF_BYCOMMAND) & MF_GRAYED, 0u);
            EXPECT_NE(GetMenuState(items, ID_LIST_DELETE, MF_BYCOMMAND) & MF_GRAYED, 0u);
            EndMenu();
            return true;
        })
        .Then([&] {
            if (IsWindowVisible(menu))
                return false;
            SelectRow(list, 1);
            EXPECT_TRUE(Enabled(w, IDC_WA_EDIT) && Enabled(w, IDC_WA_DELETE));
            Click(w, IDC_WA_DELETE);
            return true;
        })
        .Then(Answer(confirm, IDYES))
        .Then([&] {
            EXPECT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(tt::ListText(list, 1, 0), "Old");
            EXPECT_FALSE(wt::FileExists(dataFolder_ + "\\Prices"));   // the folder with both copies
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return true;
        });
    EXPECT_EQ(run(cancelled), 0);
    EXPECT_EQ(WebAlertPages().Size(), 3u);
    EXPECT_EQ(wt::ReadFileText(SettingsFile()), file);
    EXPECT_TRUE(wt::FileExists(CopyPath("News", "url.html")));

    // Edit, Add (a name taken in other case refused), Delete; a check marks two pages changed
    // meanwhile; OK.
    HWND link = nullptr;
    ModalScript applied;
    applied
        .Then([&] {
            if (!open())
                return false;
            EXPECT_EQ(ListView_GetItemCount(list), 3);
            SelectRow(list, 0);
            Click(w, IDC_WA_EDIT);
            return true;
        })
        .Then([&] {
            if (!(link = tt::DialogWithItem(IDC_LINK_NAME)))
                return false;
            SetDlgItemTextA(link, IDC_LINK_ADDRESS, "http://news.example/v2");
            Click(link, IDOK);
            return true;
        })
        .Then([&] {
            if (IsWindow(link))
                return false;
            EXPECT_EQ(tt::ListText(list, 0, 1), "http://news.example/v2");
            Click(w, IDC_WA_ADD);
            return true;
        })
        .Then([&] {
            if (!(link = tt::DialogWithItem(IDC_LINK_NAME)))
                return false;
            EXPECT_EQ(ItemString(link, IDC_LINK_NAME), "");
            SetDlgItemTextA(link, IDC_LINK_NAME, "prices");
            SetDlgItemTextA(link, IDC_LINK_ADDRESS, "http://sport.example/");
            Click(link, IDOK);
            return true;
        })
        .Then(Answer(duplicate, IDOK))
        .Then([&] {
            SetDlgItemTextA(link, IDC_LINK_NAME, "Sport");
            Click(link, IDOK);
            return true;
        })
        .Then([&] {
            if (IsWindow(link))
                return false;
            EXPECT_EQ(ListView_GetItemCount(list), 4);
            EXPECT_EQ(tt::ListText(list, 3, 0), "Sport");
            const std::vector<PageId> ids = WebAlertPages().Ids();
            for (PageId id : {ids[0], ids[1]})   // a check finds News and Prices changed
                WebAlertPages().Update(id, [](MonitoredPage& p) {
                    p.state |= kPageUpdated | kPageModified | kPageChangedThisRun;
                    p.StampChange({2026, 12, 8, 22, 15});
                    ++p.changeCount;
                });
            SelectRow(list, 2);
            Click(w, IDC_WA_DELETE);
            return true;
        })
        .Then(Answer(confirm, IDYES))
        .Then([&] {
            tt::Choose(w, IDC_WA_FREQUENCY, 3);
            SetDlgItemTextA(w, IDC_WA_INTERVAL, "12");
            for (int id : {IDC_WA_SHOW_LIST, IDC_WA_SOUND, IDC_WA_PROGRESS, IDC_WA_TOOLTIP, IDC_WA_ON_CONNECT})
                Press(w, id);
            SetDlgItemTextA(w, IDC_WA_SOUND_NAME, "ding.wav");
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
            return true;
        });
    EXPECT_GT(run(applied), 0);
    const std::string after = wt::ReadFileText(SettingsFile());
    EXPECT_EQ(wt::ChangedIniKeys(file, after),
              (std::set<std::string>{"Options.webalertshowdlg", "Options.webalertsound", "Options.webalertshowprogress",
                                     "Options.webalertshowtip", "Options.webalertfreq", "Options.webalertonconnect",
                                     "Options.webalertfreqval", "Options.webalertsoundname", "WebAlertUrl.webalerturl1",
                                     "WebAlertUrl.webalerturl3", "WebAlertUrl.webalerturl2"}));
    const std::pair<const char*, const char*> options[] = {
        {"WebAlertShowDlg", "0"}, {"WebAlertSound", "1"}, {"WebAlertShowProgress", "0"}, {"WebAlertShowTip", "1"},
        {"WebAlertFreq", "3"}, {"WebAlertOnConnect", "1"}, {"WebAlertFreqVal", "12"}, {"WebAlertSoundName", "ding.wav"}};
    for (const auto& [key, value] : options)
        EXPECT_EQ(ReadSetting("Options", key), value) << key;
    // News was edited: as the user left it. Prices was only checked: the run's marks stay.
    EXPECT_EQ(Stored(1), "News|\"http://news.example/v2\"|Current &page|1|0|0|0|||0");
    EXPECT_EQ(Stored(2), "Prices|\"http://shop.example/\"||1|80|1|0|20261208|22:15|1");
    EXPECT_EQ(Stored(3), "Sport|\"http://sport.example/\"|Current &page|1|0|0|0|||0");
    EXPECT_EQ(Stored(4), "<missing>");
    EXPECT_EQ(Options().WebAlertFreq, 3);
    EXPECT_EQ(WebAlertPages().Size(), 3u);
}

}  // namespace
