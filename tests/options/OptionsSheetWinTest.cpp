// The options sheet under Wine, driven from a second thread while the program's own thread
// runs the modal sheet: each page's OK writes exactly its keys, Cancel writes nothing and
// gives the hotkeys back, the language switches at once, the run-at-logon value follows the
// check box, the engines are edited on a working copy.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <functional>
#include <map>
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

namespace {

// Hotkeys in the stored form: virtual key, then 0x02 Ctrl, 0x04 Alt, 0x01 Shift.
constexpr int kCtrlA = 0x0241, kCtrlB = 0x0242, kCtrlAltC = 0x0643, kCtrlAltD = 0x0644, kCtrlAltE = 0x0645;
constexpr int kCtrlAltF = 0x0646;

// The sheet's windows, seen from the driving thread.
class Driver {
public:
    explicit Driver(DWORD uiThread) : uiThread_(uiThread) {}

    // The sheet, or the modal dialog above it (a dialog, a message box).
    HWND Sheet() { return WaitFor([this](HWND w) { return HasTab(w); }); }
    HWND Modal()
    {
        return WaitFor([](HWND w) { return IsWindowEnabled(w) && !HasTab(w); });
    }
    // Whatever is still open, without waiting.
    HWND AnyOpen() { return Find([](HWND) { return true; }); }
    bool ModalGone()
    {
        return wt::WaitUntil([this] { return Find([](HWND w) { return IsWindowEnabled(w) && !HasTab(w); }) == nullptr; },
                             5000);
    }

    HWND Page(int index)
    {
        HWND sheet = Sheet();
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
        return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    void Ok() { SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0); }
    void Cancel() { SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }

    static void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    // For buttons that open a modal dialog: the click must not wait for it.
    static void PostClick(HWND dialog, int id)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    static void Choose(HWND dialog, int id, int position)
    {
        SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    static void Text(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }
    static std::string ItemText(HWND list, int row, int column)
    {
        char text[300] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    HWND Focus()
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(uiThread_, &info);
        return info.hwndFocus;
    }

private:
    static bool HasTab(HWND w) { return FindWindowExA(w, nullptr, "SysTabControl32", nullptr) != nullptr; }

    HWND Find(const std::function<bool(HWND)>& test)
    {
        struct Search {
            const std::function<bool(HWND)>* test;
            HWND found;
        } search{&test, nullptr};
        EnumThreadWindows(
            uiThread_,
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                char cls[32] = {};
                GetClassNameA(w, cls, sizeof cls);
                if (std::string(cls) == "#32770" && IsWindowVisible(w) && (*s->test)(w)) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    HWND WaitFor(const std::function<bool(HWND)>& test)
    {
        HWND found = nullptr;
        for (int i = 0; i < 250 && !found; ++i) {
            found = Find(test);
            if (!found)
                Sleep(20);
        }
        return found;
    }

    DWORD uiThread_;
};

using Settings = std::map<std::string, std::string>;

// "section.key" (key in small letters: keys match without regard to case) -> value.
Settings ParseSettings(const std::string& text)
{
    Settings out;
    std::string section;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 1 && line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        std::size_t equal = line.find('=');
        if (equal == std::string::npos)
            continue;
        std::string key = line.substr(0, equal);
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        out[section + "." + key] = line.substr(equal + 1);
    }
    return out;
}

std::set<std::string> ChangedKeys(const Settings& before, const Settings& after)
{
    std::set<std::string> changed;
    for (const auto& [key, value] : after) {
        auto it = before.find(key);
        if (it == before.end() || it->second != value)
            changed.insert(key);
    }
    for (const auto& [key, value] : before)
        if (!after.count(key))
            changed.insert(key);
    return changed;
}

bool RunValuePresent(std::string* value = nullptr)
{
    std::string text;
    bool present = RegReadString(HKEY_CURRENT_USER, kRunKey, "Quorvane", text);
    if (value)
        *value = text;
    return present;
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

    Settings File() { return ParseSettings(wt::ReadFileText(SettingsFile())); }

    // Opens the sheet on startPage and runs script on a second thread while it is open; the
    // script ends the sheet. Returns what the script saw of the open state.
    void RunSheet(int startPage, const std::function<void(Driver&)>& script)
    {
        DWORD ui = GetCurrentThreadId();
        std::atomic<bool> ended{false};
        std::thread driver([&] {
            Driver d(ui);
            if (d.Sheet())
                script(d);
            // A failed script leaves a window open: close what is left so that the test goes on.
            for (int i = 0; i < 100 && !ended; ++i) {
                Sleep(50);
                HWND left = i >= 40 ? d.AnyOpen() : nullptr;
                if (left)
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
    Settings before = File();

    // Cancel after changes on every page: nothing written, the hotkeys back as they were.
    bool openSeen = false, enabledSeen = true;
    int hotkeysWhileOpen = -1;
    RunSheet(0, [&](Driver& d) {
        openSeen = App().optionsOpen == 1;
        enabledSeen = HotkeysEnabled();
        HWND main = d.Page(0);
        Driver::Click(main, IDC_OPT_START_ON_LOG);
        SetHotkeyControl(main, IDC_OPT_HOTKEY, kCtrlAltF);
        HWND engines = d.Page(1);
        Driver::Text(engines, IDC_ENG_FAVORITE, "First");
        d.Page(2);
        hotkeysWhileOpen = HotkeyCount();   // Main's two, Engines' two and MiniBrowser's one paused
        d.Cancel();
    });
    EXPECT_TRUE(openSeen);
    EXPECT_FALSE(enabledSeen);
    EXPECT_EQ(hotkeysWhileOpen, 0);
    EXPECT_EQ(App().optionsOpen, 0);
    EXPECT_TRUE(HotkeysEnabled());
    EXPECT_EQ(HotkeyCount(), hotkeysAtStart);
    EXPECT_TRUE(ChangedKeys(before, File()).empty());
    EXPECT_FALSE(RunValuePresent());
    // The old translation hotkey still works.
    spy.commands.clear();
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 3, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'C'));
    EXPECT_EQ(spy.commands, std::vector<unsigned>{IDM_TRANSLATE});

    // Page Main: the corner list follows "Auto hide", the tray-click dialog, the language and
    // the run-at-logon value.
    bool cornerEnabledAfterClose = true, pictureShownAfterClose = true, cornerEnabledAfterHide = false;
    RunSheet(0, [&](Driver& d) {
        HWND page = d.Page(0);
        Driver::Click(page, IDC_OPT_CLOSE_AFTER);
        cornerEnabledAfterClose = IsWindowEnabled(GetDlgItem(page, IDC_OPT_CORNER)) != FALSE;
        pictureShownAfterClose = IsWindowVisible(GetDlgItem(page, IDC_OPT_CORNER_PICTURE)) != FALSE;
        Driver::Click(page, IDC_OPT_AUTO_HIDE);
        cornerEnabledAfterHide = IsWindowEnabled(GetDlgItem(page, IDC_OPT_CORNER)) != FALSE;
        Driver::Choose(page, IDC_OPT_CORNER, 0);
        Driver::Click(page, IDC_OPT_START_ON_LOG);
        Driver::Click(page, IDC_OPT_MODE_TREE);
        Driver::Click(page, IDC_OPT_CLOSE_OWNED);
        Driver::Choose(page, IDC_OPT_LANGUAGE, 1);   // French
        Driver::PostClick(page, IDC_OPT_ADVANCED);
        HWND clicks = d.Modal();
        Driver::Choose(clicks, IDC_CLICK_SHIFT, 5);
        Driver::Click(clicks, IDC_CLICK_CLOSE_BUTTON);
        Driver::PostClick(clicks, IDOK);
        d.ModalGone();
        d.Ok();
    });
    EXPECT_FALSE(cornerEnabledAfterClose);
    EXPECT_FALSE(pictureShownAfterClose);
    EXPECT_TRUE(cornerEnabledAfterHide);
    Settings afterMain = File();
    EXPECT_EQ(ChangedKeys(before, afterMain),
              (std::set<std::string>{"Options.startonlog", "Options.hidecorner", "Options.dialogmode",
                                     "Options.closeonlyownedwindow", "Options.language", "Options.cmdshiftclic",
                                     "Options.closebutton"}));
    EXPECT_EQ(afterMain["Options.cmdshiftclic"], "5");
    EXPECT_EQ(afterMain["Options.closeonlyownedwindow"], "0");
    EXPECT_EQ(UiLanguage(), MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
    EXPECT_EQ(LoadText(IDS_SETUP_CAPTION), "Configuration");
    ASSERT_FALSE(TrayCalls().empty());
    EXPECT_EQ(TrayCalls().back().operation, static_cast<DWORD>(NIM_MODIFY));
    std::string runValue;
    EXPECT_TRUE(RunValuePresent(&runValue));
    EXPECT_EQ(runValue, App().programPath);
    EXPECT_EQ(HotkeyCount(), hotkeysAtStart);

    // Back and forth in the language list changes nothing; start at logon off removes the value.
    RunSheet(0, [&](Driver& d) {
        HWND page = d.Page(0);
        Driver::Choose(page, IDC_OPT_LANGUAGE, 2);
        Driver::Choose(page, IDC_OPT_LANGUAGE, 1);
        Driver::Click(page, IDC_OPT_START_ON_LOG);
        d.Ok();
    });
    EXPECT_EQ(UiLanguage(), MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
    EXPECT_FALSE(RunValuePresent());
    Settings start = File();
    EXPECT_EQ(ChangedKeys(afterMain, start), std::set<std::string>{"Options.startonlog"});

    // Page MiniBrowser, opened alone.
    RunSheet(2, [&](Driver& d) {
        HWND page = d.Page(2);
        Driver::Click(page, IDC_MB_LINK);
        Driver::Click(page, IDC_MB_TRANSPARENT);
        Driver::Click(page, IDC_MB_BLANK_PAGE);
        Driver::Choose(page, IDC_MB_FONT, 0);
        SetHotkeyControl(page, IDC_MB_HOTKEY, kCtrlAltF);
        d.Ok();
    });
    Settings afterMini = File();
    EXPECT_EQ(ChangedKeys(start, afterMini),
              (std::set<std::string>{"Options.useminibrowserlink", "Options.minibrowsertrans",
                                     "Options.urlminibrowserurl", "Options.useminibrowserfont",
                                     "Options.hotkeyminibrowser"}));
    EXPECT_EQ(afterMini["Options.urlminibrowserurl"], "about:blank");
    spy.commands.clear();
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 5, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'F'));
    SendMessageA(main_, WM_HOTKEY, HOTKEY_ID_BASE + 5, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'E'));
    EXPECT_EQ(spy.commands, std::vector<unsigned>{IDM_STARTMINIBROWSER});
    ApplyLanguage(2, true);
}

TEST_F(OptionsSheet, EnginesAreEditedOnAWorkingCopy)
{
    StartWithFullSettings();
    Settings before = File();
    const std::size_t enginesBefore = Options().engines.size();

    // Added engines and a deletion vanish with Cancel; the editor refuses an empty name or
    // pattern; a disabled engine shows "No".
    std::string offColumn, nameAfterRefusal;
    bool focusOnName = false, focusOnPattern = false, questionSeen = false;
    UINT editWithout = 0, deleteWithout = 0, editWith = MF_GRAYED;
    int rowsAfterAdd = -1;
    RunSheet(1, [&](Driver& d) {
        HWND page = d.Page(1);
        HWND list = GetDlgItem(page, IDC_ENG_LIST);
        offColumn = Driver::ItemText(list, 2, 3);
        // The list's context menu: Edit and Delete greyed without a selection.
        auto menuStates = [&](UINT& edit, UINT* remove) {
            PostMessageA(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
            HWND popup = nullptr;
            for (int i = 0; i < 100 && !popup; ++i) {
                Sleep(20);
                popup = FindWindowA("#32768", nullptr);
            }
            HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
            edit = menu ? GetMenuState(menu, ID_LIST_EDIT, MF_BYCOMMAND) & MF_GRAYED : 0xFFFF;
            if (remove)
                *remove = menu ? GetMenuState(menu, ID_LIST_DELETE, MF_BYCOMMAND) & MF_GRAYED : 0xFFFF;
            PostMessageA(page, WM_CANCELMODE, 0, 0);
            wt::WaitUntil([] { return FindWindowA("#32768", nullptr) == nullptr || !IsWindowVisible(FindWindowA("#32768", nullptr)); }, 3000);
        };
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        menuStates(editWithout, &deleteWithout);
        ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
        menuStates(editWith, nullptr);
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        Driver::PostClick(page, IDC_ENG_ADD);
        HWND editor = d.Modal();
        Driver::PostClick(editor, IDOK);   // both empty: the name is wanted first
        Sleep(200);
        focusOnName = d.Focus() == GetDlgItem(editor, IDC_EDITOR_NAME);
        Driver::Text(editor, IDC_EDITOR_NAME, "New");
        Driver::PostClick(editor, IDOK);
        Sleep(200);
        focusOnPattern = d.Focus() == GetDlgItem(editor, IDC_EDITOR_PATTERN);
        nameAfterRefusal = IsWindow(editor) ? "open" : "closed";
        Driver::Text(editor, IDC_EDITOR_PATTERN, "http://new.example/?q=%s");
        Driver::PostClick(editor, IDOK);
        d.ModalGone();
        rowsAfterAdd = ListView_GetItemCount(list);
        // Delete the first after the question.
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        Driver::PostClick(page, IDC_ENG_DELETE);
        HWND question = d.Modal();
        questionSeen = question != nullptr;
        PostMessageA(question, WM_COMMAND, IDYES, 0);
        d.ModalGone();
        d.Cancel();
    });
    EXPECT_EQ(offColumn, "No");
    EXPECT_EQ(editWithout, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(deleteWithout, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(editWith, 0u);
    EXPECT_TRUE(focusOnName);
    EXPECT_TRUE(focusOnPattern);
    EXPECT_EQ(nameAfterRefusal, "open");
    EXPECT_EQ(rowsAfterAdd, 4);
    EXPECT_TRUE(questionSeen);
    EXPECT_EQ(Options().engines.size(), enginesBefore);
    EXPECT_TRUE(ChangedKeys(before, File()).empty());

    // OK: the table, the favorite and the translator's keys are written.
    bool urlEnabledLocal = true, urlEnabledTool = false;
    std::string newRowEnable;
    RunSheet(1, [&](Driver& d) {
        HWND page = d.Page(1);
        HWND list = GetDlgItem(page, IDC_ENG_LIST);
        Driver::PostClick(page, IDC_ENG_ADD);
        HWND editor = d.Modal();
        Driver::Text(editor, IDC_EDITOR_NAME, "Later");
        Driver::Text(editor, IDC_EDITOR_PATTERN, "http://later.example/?q=%s");
        Driver::Click(editor, IDC_EDITOR_ENABLE);   // off
        Driver::PostClick(editor, IDOK);
        d.ModalGone();
        newRowEnable = Driver::ItemText(list, 3, 3);
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        Driver::Click(page, IDC_ENG_SET_DEFAULT);
        Driver::Click(page, IDC_ENG_LOCAL_TRANSLATOR);
        urlEnabledLocal = IsWindowEnabled(GetDlgItem(page, IDC_ENG_TRANSLATE_URL)) != FALSE;
        Driver::Click(page, IDC_ENG_TOOL_TRANSLATOR);
        urlEnabledTool = IsWindowEnabled(GetDlgItem(page, IDC_ENG_TRANSLATE_URL)) != FALSE;
        SetHotkeyControl(page, IDC_ENG_HOTKEY, kCtrlAltF);
        d.Ok();
    });
    EXPECT_EQ(newRowEnable, "No");
    EXPECT_FALSE(urlEnabledLocal);
    EXPECT_TRUE(urlEnabledTool);
    Settings after = File();
    EXPECT_EQ(ChangedKeys(before, after),
              (std::set<std::string>{"Searcher.searcher4", "Options.favorite", "Options.starttranslator",
                                     "Options.hotkeytranslate"}));
    EXPECT_EQ(after["Searcher.searcher4"], "Later|\"http://later.example/?q=%s\"||0");
    EXPECT_EQ(after["Options.favorite"], "First");
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

    DWORD ui = GetCurrentThreadId();
    std::atomic<bool> done{false};
    std::string boxText;
    bool enginesPageShown = false;
    std::thread driver([&] {
        Driver d(ui);
        HWND box = nullptr;
        for (int i = 0; i < 250 && !box; ++i) {
            Sleep(20);
            HWND w = d.AnyOpen();
            if (w && GetWindow(w, GW_OWNER) == launcher && !FindWindowExA(w, nullptr, "SysTabControl32", nullptr))
                box = w;
        }
        if (box) {
            char text[512] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            boxText = text;
            PostMessageA(box, WM_COMMAND, IDYES, 0);
            HWND sheet = d.Sheet();
            HWND page = sheet ? reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
            enginesPageShown = page && GetDlgItem(page, IDC_ENG_LIST);
            if (sheet)
                d.Cancel();
        }
        done = true;
    });
    PostMessageA(launcher, WM_COMMAND, IDOK, 0);
    wt::WaitUntil([&] { return done.load(); }, 20000);
    wt::PumpMessages(300);
    driver.join();
    std::string expected = LoadText(IDS_NO_ENGINE_SET_UP);
    EXPECT_EQ(boxText.substr(0, 20), expected.substr(0, 20)) << boxText;
    EXPECT_TRUE(enginesPageShown);
    EXPECT_EQ(App().optionsOpen, 0);
}

} // namespace
