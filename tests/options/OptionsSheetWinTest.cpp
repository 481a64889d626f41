// The options sheet under Wine, driven from a second thread while the program's own thread
// runs the modal sheet: each page's OK writes exactly its keys, Cancel writes nothing and
// gives the hotkeys back, the language switches at once, the run-at-logon value follows the
// check box, the engines are edited on a working copy.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include "app/Hotkeys_win.h"
#include "app/LauncherHost_win.h"
#include "app/Messages.h"
#include "app/Registry_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "launcher/EngineTable.h"
#include "options/OptionsControls_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"
#include "tests/translator/ModalScript_win.h"

namespace {

// Hotkeys in the stored form: virtual key, then 0x02 Ctrl, 0x04 Alt, 0x01 Shift.
constexpr int kCtrlA = 0x0241, kCtrlB = 0x0242, kCtrlAltC = 0x0643, kCtrlAltD = 0x0644, kCtrlAltE = 0x0645;
constexpr int kCtrlAltF = 0x0646;

bool HasTab(HWND w) { return FindWindowExA(w, nullptr, "SysTabControl32", nullptr) != nullptr; }
bool IsModal(HWND w) { return IsWindowEnabled(w) && !HasTab(w); }

// The sheet's windows, seen from the driving thread.
struct Driver {
    DWORD ui_;
    // The sheet, or the modal dialog above it (a dialog, a message box).
    HWND Sheet() { return wt::FindThreadDialog(ui_, HasTab, 5000); }
    HWND Modal() { return wt::FindThreadDialog(ui_, IsModal, 5000); }
    bool ModalGone() { return wt::WaitUntil([this] { return !wt::FindThreadDialog(ui_, IsModal); }, 5000); }
    HWND Page(int index)
    {
        SendMessageA(Sheet(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
        return reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    void Ok() { SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0); }
    void Cancel() { SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }
    HWND Focus()
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(ui_, &info);
        return info.hwndFocus;
    }
};

void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::string RunValue()
{
    std::string text;
    return RegReadString(HKEY_CURRENT_USER, kRunKey, "Quorvane", text) ? text : "<none>";
}

class OptionsSheet : public AppHarness {
protected:
    void StartWithFullSettings()
    {
        ASSERT_TRUE(Start({"WelCome=1", "Language=2", "StartOnLog=0", "CloseAfter=0", "hideCorner=2",
                           "Hotkey=" + std::to_string(kCtrlA), "HotkeyClipboard=" + std::to_string(kCtrlB),
                           "HotkeyTranslate=" + std::to_string(kCtrlAltC),
                           "HotkeyClipboardTranslate=" + std::to_string(kCtrlAltD),
                           "HotkeyMiniBrowser=" + std::to_string(kCtrlAltE), "Favorite=Second"}));
        // Every key written once, so that a page's OK can only change values.
        OptionRecord& o = Options();
        o.engines.clear();
        o.engines.emplace_back(new LinkEntry("First", "http://first.example/?q=%s", "http://first.example/", 1));
        o.engines.emplace_back(new LinkEntry("Second", "http://second.example/?p=%s", "http://second.example/", 1));
        o.engines.emplace_back(new LinkEntry("Off", "http://off.example/?q=%s", "http://off.example/", 0));
        SaveOptions(o, ::Settings());
        SaveEngines(o, ::Settings());
        SetRunValue(false, kRunKey, "Quorvane", "");
    }

    std::string File() { return wt::ReadFileText(SettingsFile()); }

    // Opens the sheet on startPage while script drives it from a second thread (gtest checks
    // are safe there) and ends it; whatever a failed script leaves open is cancelled.
    void RunSheet(int startPage, const std::function<void(Driver&)>& script)
    {
        std::atomic<bool> ended{false};
        std::thread driver([&, ui = GetCurrentThreadId()] {
            Driver d{ui};
            if (d.Sheet())
                script(d);
            for (int i = 0; i < 100 && !ended; ++i) {
                Sleep(50);
                if (HWND left = i >= 40 ? wt::FindThreadDialog(ui) : nullptr)
                    PostMessageA(left, WM_COMMAND, IDCANCEL, 0);
            }
        });
        OpenOptionsSheet(main_, startPage);
        ended = true;
        driver.join();
    }
};

TEST_F(OptionsSheet, EachPageWritesItsKeysAndCancelWritesNothing)
{
    StartWithFullSettings();
    MainWindowSpy spy(main_);
    const int hotkeysAtStart = HotkeyCount();
    EXPECT_EQ(hotkeysAtStart, 5);
    const std::string before = File();

    // Cancel after changes on every page: nothing written, the hotkeys back as they were.
    RunSheet(0, [&](Driver& d) {
        EXPECT_EQ(App().optionsOpen, 1);
        EXPECT_FALSE(HotkeysEnabled());
        HWND main = d.Page(0);
        Press(main, IDC_OPT_START_ON_LOG);
        SetHotkeyControl(main, IDC_OPT_HOTKEY, kCtrlAltF);
        SetDlgItemTextA(d.Page(1), IDC_ENG_FAVORITE, "First");
        d.Page(2);
        EXPECT_EQ(HotkeyCount(), 0);   // Main's two, Engines' two and MiniBrowser's one paused
        d.Cancel();
    });
    EXPECT_EQ(App().optionsOpen, 0);
    EXPECT_TRUE(HotkeysEnabled());
    EXPECT_EQ(HotkeyCount(), hotkeysAtStart);
    EXPECT_EQ(File(), before);
    EXPECT_EQ(RunValue(), "<none>");
    // The old translation hotkey still works.
    spy.commands.clear();
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 3, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'C'));
    EXPECT_EQ(spy.commands, std::vector<unsigned>{IDM_TRANSLATE});

    // Page Main: the corner list follows "Auto hide", the tray-click dialog, the language and
    // the run-at-logon value.
    RunSheet(0, [&](Driver& d) {
        HWND page = d.Page(0);
        Press(page, IDC_OPT_CLOSE_AFTER);
        EXPECT_FALSE(Enabled(page, IDC_OPT_CORNER));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_OPT_CORNER_PICTURE)));
        Press(page, IDC_OPT_AUTO_HIDE);
        EXPECT_TRUE(Enabled(page, IDC_OPT_CORNER));
        tt::Choose(page, IDC_OPT_CORNER, 0);
        for (int id : {IDC_OPT_START_ON_LOG, IDC_OPT_MODE_TREE, IDC_OPT_CLOSE_OWNED})
            Press(page, id);
        tt::Choose(page, IDC_OPT_LANGUAGE, 1);   // French
        tt::Click(page, IDC_OPT_ADVANCED);
        HWND clicks = d.Modal();
        tt::Choose(clicks, IDC_CLICK_SHIFT, 5);
        Press(clicks, IDC_CLICK_CLOSE_BUTTON);
        tt::Click(clicks, IDOK);
        d.ModalGone();
        d.Ok();
    });
    const std::string afterMain = File();
    EXPECT_EQ(wt::ChangedIniKeys(before, afterMain),
              (std::set<std::string>{"Options.startonlog", "Options.hidecorner", "Options.dialogmode",
                                     "Options.closeonlyownedwindow", "Options.language", "Options.cmdshiftclic",
                                     "Options.closebutton"}));
    EXPECT_EQ(ReadSetting("Options", "CmdShiftClic"), "5");
    EXPECT_EQ(ReadSetting("Options", "CloseOnlyOwnedWindow"), "0");
    EXPECT_EQ(UiLanguage(), MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
    EXPECT_EQ(LoadText(IDS_SETUP_CAPTION), "Configuration");
    ASSERT_FALSE(TrayCalls().empty());
    EXPECT_EQ(TrayCalls().back().operation, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(RunValue(), App().programPath);
    EXPECT_EQ(HotkeyCount(), hotkeysAtStart);

    // Back and forth in the language list changes nothing; start at logon off removes the value.
    RunSheet(0, [&](Driver& d) {
        HWND page = d.Page(0);
        tt::Choose(page, IDC_OPT_LANGUAGE, 2);
        tt::Choose(page, IDC_OPT_LANGUAGE, 1);
        Press(page, IDC_OPT_START_ON_LOG);
        d.Ok();
    });
    EXPECT_EQ(UiLanguage(), MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
    EXPECT_EQ(RunValue(), "<none>");
    const std::string start = File();
    EXPECT_EQ(wt::ChangedIniKeys(afterMain, start), std::set<std::string>{"Options.startonlog"});

    // Page MiniBrowser, opened alone.
    RunSheet(2, [&](Driver& d) {
        HWND page = d.Page(2);
        for (int id : {IDC_MB_LINK, IDC_MB_TRANSPARENT, IDC_MB_BLANK_PAGE})
            Press(page, id);
        tt::Choose(page, IDC_MB_FONT, 0);
        SetHotkeyControl(page, IDC_MB_HOTKEY, kCtrlAltF);
        d.Ok();
    });
    EXPECT_EQ(wt::ChangedIniKeys(start, File()),
              (std::set<std::string>{"Options.useminibrowserlink", "Options.minibrowsertrans",
                                     "Options.urlminibrowserurl", "Options.useminibrowserfont",
                                     "Options.hotkeyminibrowser"}));
    EXPECT_EQ(ReadSetting("Options", "UrlMiniBrowserUrl"), "about:blank");
    spy.commands.clear();
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 5, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'F'));
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 5, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'E'));
    EXPECT_EQ(spy.commands, std::vector<unsigned>{IDM_STARTMINIBROWSER});
    ApplyLanguage(2, true);
}

TEST_F(OptionsSheet, EnginesAreEditedOnAWorkingCopy)
{
    StartWithFullSettings();
    ASSERT_TRUE(wt::CountBeeps());
    const std::string before = File();
    const std::size_t enginesBefore = Options().engines.size();

    // Added engines and a deletion vanish with Cancel; the editor refuses an empty name or
    // pattern with a beep; a disabled engine shows "No".
    RunSheet(1, [&](Driver& d) {
        HWND page = d.Page(1);
        HWND list = GetDlgItem(page, IDC_ENG_LIST);
        EXPECT_EQ(tt::ListText(list, 2, 3), "No");
        // The list's context menu: Edit and Delete greyed without a selection only.
        auto greyed = [&](int item) {
            PostMessageA(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
            HWND popup = nullptr;
            wt::WaitUntil([&] { return (popup = FindWindowA("#32768", nullptr)) && IsWindowVisible(popup); }, 2000);
            HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
            const UINT state = menu ? GetMenuState(menu, static_cast<UINT>(item), MF_BYCOMMAND) : 0xFFFF;
            PostMessageA(page, WM_CANCELMODE, 0, 0);
            wt::WaitUntil([] { return !IsWindowVisible(FindWindowA("#32768", nullptr)); }, 3000);
            return state == 0xFFFF ? -1 : (state & MF_GRAYED) != 0;
        };
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        EXPECT_EQ(greyed(ID_LIST_EDIT), 1);
        EXPECT_EQ(greyed(ID_LIST_DELETE), 1);
        ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(greyed(ID_LIST_EDIT), 0);
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        tt::Click(page, IDC_ENG_ADD);
        HWND editor = d.Modal();
        const int beepsBefore = wt::beeps;
        tt::Click(editor, IDOK);   // both empty: the name is wanted first
        EXPECT_TRUE(wt::WaitUntil([&] { return wt::beeps == beepsBefore + 1; }, 3000));
        EXPECT_EQ(d.Focus(), GetDlgItem(editor, IDC_EDITOR_NAME));
        SetDlgItemTextA(editor, IDC_EDITOR_NAME, "New");
        tt::Click(editor, IDOK);
        EXPECT_TRUE(wt::WaitUntil([&] { return wt::beeps == beepsBefore + 2; }, 3000));
        EXPECT_EQ(d.Focus(), GetDlgItem(editor, IDC_EDITOR_PATTERN));
        EXPECT_TRUE(IsWindow(editor));
        SetDlgItemTextA(editor, IDC_EDITOR_PATTERN, "http://new.example/?q=%s");
        tt::Click(editor, IDOK);
        d.ModalGone();
        EXPECT_EQ(ListView_GetItemCount(list), 4);
        // Delete the first after the question.
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        tt::Click(page, IDC_ENG_DELETE);
        HWND question = d.Modal();
        EXPECT_NE(question, nullptr);
        PostMessageA(question, WM_COMMAND, IDYES, 0);
        d.ModalGone();
        d.Cancel();
    });
    EXPECT_EQ(Options().engines.size(), enginesBefore);
    EXPECT_EQ(File(), before);

    // OK: the table, the favorite and the translator's keys are written.
    RunSheet(1, [&](Driver& d) {
        HWND page = d.Page(1);
        tt::Click(page, IDC_ENG_ADD);
        HWND editor = d.Modal();
        SetDlgItemTextA(editor, IDC_EDITOR_NAME, "Later");
        SetDlgItemTextA(editor, IDC_EDITOR_PATTERN, "http://later.example/?q=%s");
        Press(editor, IDC_EDITOR_ENABLE);   // off
        tt::Click(editor, IDOK);
        d.ModalGone();
        HWND list = GetDlgItem(page, IDC_ENG_LIST);
        EXPECT_EQ(tt::ListText(list, 3, 3), "No");
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        Press(page, IDC_ENG_SET_DEFAULT);
        Press(page, IDC_ENG_LOCAL_TRANSLATOR);
        EXPECT_FALSE(Enabled(page, IDC_ENG_TRANSLATE_URL));
        Press(page, IDC_ENG_TOOL_TRANSLATOR);
        EXPECT_TRUE(Enabled(page, IDC_ENG_TRANSLATE_URL));
        SetHotkeyControl(page, IDC_ENG_HOTKEY, kCtrlAltF);
        d.Ok();
    });
    EXPECT_EQ(wt::ChangedIniKeys(before, File()),
              (std::set<std::string>{"Searcher.searcher4", "Options.favorite", "Options.starttranslator",
                                     "Options.hotkeytranslate"}));
    EXPECT_EQ(ReadSetting("Searcher", "Searcher4"), "Later|\"http://later.example/?q=%s\"||0");
    EXPECT_EQ(ReadSetting("Options", "Favorite"), "First");
    ASSERT_EQ(Options().engines.size(), enginesBefore + 1);
    EXPECT_EQ(Options().engines.back()->enabled, 0);
    MainWindowSpy spy(main_);
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 3, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'F'));
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 3, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'C'));
    EXPECT_EQ(spy.commands, std::vector<unsigned>{IDM_TRANSLATE});
}

// A search typed while no engine is in use opens nothing, says so, and on Yes opens the sheet
// on its engines page.
TEST_F(OptionsSheet, ASearchWithoutAnEngineOffersTheEnginesPage)
{
    StartWithFullSettings();
    for (auto& engine : Options().engines)
        engine->enabled = 0;
    OpenLauncher();
    HWND launcher = App().launcherWindow;
    ASSERT_NE(launcher, nullptr);
    SetDlgItemTextA(launcher, IDC_LAUNCHER_TEXT, "weather");

    std::atomic<bool> done{false};
    std::thread driver([&, ui = GetCurrentThreadId()] {
        Driver d{ui};
        HWND box = wt::FindThreadDialog(
            ui, [&](HWND w) { return GetWindow(w, GW_OWNER) == launcher && !HasTab(w); }, 5000);
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_EQ(std::string(text).substr(0, 20), LoadText(IDS_NO_ENGINE_SET_UP).substr(0, 20)) << text;
        PostMessageA(box, WM_COMMAND, IDYES, 0);
        HWND sheet = box ? d.Sheet() : nullptr;
        EXPECT_TRUE(sheet && GetDlgItem(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)),
                                        IDC_ENG_LIST));
        if (sheet)
            d.Cancel();
        done = true;
    });
    PostMessageA(launcher, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(wt::WaitUntil([&] { return done.load(); }, 20000));
    wt::PumpMessages(300);
    driver.join();
    EXPECT_EQ(App().optionsOpen, 0);
}

} // namespace
