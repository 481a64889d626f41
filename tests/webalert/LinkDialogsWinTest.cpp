// The Add/Edit link dialog in its three modes, the comparison options and the options sheet's
// WebAlert page, inside the program started in the test process: the steps play from within
// the modal loops, and what the dialogs leave is read back from the live list, the settings
// file and the stored copies.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
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

// The program's MessageBeep calls, counted by pointing this program's import of it here.
std::atomic<int> beeps{0};
std::atomic<UINT> lastBeep{0};

BOOL WINAPI CountBeep(UINT type)
{
    lastBeep = type;
    return ++beeps > 0;
}

bool CountBeeps()
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); d->Name; ++d) {
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; d->OriginalFirstThunk && name->u1.AddressOfData; ++name, ++slot) {
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) && std::strcmp(byName->Name, "MessageBeep") == 0) {
                DWORD old = 0;
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(&CountBeep);
                return VirtualProtect(slot, sizeof *slot, old, &old);
            }
        }
    }
    return false;
}

// Stands in for the monitor window: counts its "add rows" requests.
int addRowRequests = 0;
LRESULT CALLBACK MonitorStandIn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == 1147)
        ++addRowRequests;
    return DefWindowProcA(window, message, wParam, lParam);
}

// "section/key" -> value of an INI text.
std::map<std::string, std::string> ParseIni(const std::string& text)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    std::string section;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            section = line.substr(1, line.find(']') - 1);
        else if (line.find('=') != std::string::npos)
            values[section + "/" + line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    }
    return values;
}

// Keys added or changed from before to after, and removed ones.
std::set<std::string> ChangedKeys(const std::string& before, const std::string& after)
{
    const auto a = ParseIni(before), b = ParseIni(after);
    std::set<std::string> changed;
    for (const auto& [key, value] : b)
        if (!a.count(key) || a.at(key) != value)
            changed.insert(key);
    for (const auto& [key, value] : a)
        if (!b.count(key))
            changed.insert(key);
    return changed;
}

// A step that answers the message box showing text, once it is up.
ModalScript::Step Answer(const std::string& text, int button)
{
    return [text, button] {
        HWND box = tt::MessageBoxShowing(text);
        if (box)
            Click(box, button);
        return box != nullptr;
    };
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Shown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Press(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
void SelectRow(HWND list, int row)
{
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    if (row >= 0)
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// Saves the screen's rectangle as a 24-bit BMP.
void SaveScreen(HWND window, const std::string& path)
{
    RECT area = {};
    GetWindowRect(window, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string data(reinterpret_cast<const char*>(&header), sizeof header);
    data.append(reinterpret_cast<const char*>(&info), sizeof info);
    data.append(pixels.data(), pixels.size());
    wt::WriteFileText(path, data);
}

const char kNews[] = "News|\"http://news.example/\"||1|0|0|0|||0";
const char kPrices[] = "Prices|\"http://shop.example/\"||1|0|1|0|||0";
const char kOld[] = "Old|\"http://old.example/\"||0|0|0|0|||0";

class LinkDialogs : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        ASSERT_TRUE(CountBeeps()) << "the program does not import MessageBeep";
    }

    bool StartWith(const std::vector<std::string>& options, const char* language = "2")
    {
        std::vector<std::string> lines = {std::string("Language=") + language, "Welcome=1"};
        lines.insert(lines.end(), options.begin(), options.end());
        lines.insert(lines.end(), {"[WebAlertUrl]", std::string("WebAlertUrl1=") + kNews,
                                   std::string("WebAlertUrl2=") + kPrices, std::string("WebAlertUrl3=") + kOld});
        return Start(lines);
    }

    std::string Stored(int index) { return ReadSetting("WebAlertUrl", ("WebAlertUrl" + std::to_string(index)).c_str()); }
    std::string CopyPath(const char* page, const char* file) { return dataFolder_ + "\\" + page + "\\" + file; }
    bool FocusIs(HWND dialog, int id) { return GetFocus() == GetDlgItem(dialog, id); }
};

TEST_F(LinkDialogs, AddAndEditInTheThreeModes)
{
    ASSERT_TRUE(StartWith({}));
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
            EXPECT_EQ(tt::WindowString(dialog), "Add/Edit link");
            EXPECT_EQ(ItemString(dialog, IDC_LINK_NAME), "news");   // cleaned on opening
            EXPECT_TRUE(Checked(dialog, IDC_LINK_ENABLE));
            Click(dialog, IDOK);
            return true;
        })
        .Then(Answer(duplicate, IDOK))
        .Then([&] {
            if (tt::MessageBoxShowing(duplicate))
                return false;
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
            if (tt::MessageBoxShowing(duplicate))
                return false;
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
}

TEST_F(LinkDialogs, ComparisonOptionsEnablingAndSavedAtOnce)
{
    ASSERT_TRUE(StartWith({"WebAlertCMPStrict=1", "WebAlertCMPSize=1", "WebAlertCMPSizeTol=64", "WebAlertCMPImage=0",
                           "WebAlertCMPNoScript=0"}));
    HWND dialog = nullptr;
    const int sizeControls[] = {IDC_CMP_SIZE_GROUP, IDC_CMP_SIZE};
    const int toleranceControls[] = {IDC_CMP_TOLERANCE_LABEL, IDC_CMP_TOLERANCE, IDC_CMP_TOLERANCE_SPIN};
    // Which of the size and tolerance controls are enabled, as "size/tolerance" with 1 or 0 each.
    auto state = [&] {
        std::string s;
        for (int id : sizeControls)
            s += Enabled(dialog, id) ? '1' : '0';
        s += '/';
        for (int id : toleranceControls)
            s += Enabled(dialog, id) ? '1' : '0';
        return s;
    };
    ModalScript script;
    script.Then([&] {
        if (!(dialog = tt::DialogWithItem(IDC_CMP_TOLERANCE)))
            return false;
        EXPECT_EQ(tt::WindowString(dialog), "Advanced");
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
        Press(dialog, IDC_CMP_STRICT);
        Press(dialog, IDC_CMP_SIZE);
        Press(dialog, IDC_CMP_IMAGE);
        Press(dialog, IDC_CMP_NOSCRIPT);
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
            EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT, DWORD(LVS_EX_FULLROWSELECT));
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
            EXPECT_EQ(lastBeep.load(), UINT(MB_ICONEXCLAMATION));
            // The context menu without a selection: Add only.
            RECT r = {};
            GetWindowRect(list, &r);
            PostMessageA(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(r.left + 20, r.top + 30));
            return true;
        })
        .Then([&] {
            menu = nullptr;
            for (HWND window : tt::ThreadWindows()) {
                char name[16] = {};
                GetClassNameA(window, name, sizeof name);
                if (std::string(name) == "#32768" && IsWindowVisible(window))
                    menu = window;
            }
            if (!menu)
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
            if (tt::MessageBoxShowing(confirm))
                return false;
            EXPECT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(tt::ListText(list, 1, 0), "Old");
            EXPECT_FALSE(wt::FileExists(CopyPath("Prices", "url.html")));
            EXPECT_FALSE(wt::FileExists(CopyPath("Prices", "urBackup.html")));
            EXPECT_EQ(GetFileAttributesA((dataFolder_ + "\\Prices").c_str()), INVALID_FILE_ATTRIBUTES);
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
    auto markChanged = [](const char* name) {
        for (PageId id : WebAlertPages().Ids())
            WebAlertPages().Update(id, [&](MonitoredPage& p) {
                if (p.name != name)
                    return;
                p.state |= kPageUpdated | kPageModified | kPageChangedThisRun;
                p.StampChange({2026, 12, 8, 22, 15});
                ++p.changeCount;
            });
    };
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
            if (tt::MessageBoxShowing(duplicate))
                return false;
            SetDlgItemTextA(link, IDC_LINK_NAME, "Sport");
            Click(link, IDOK);
            return true;
        })
        .Then([&] {
            if (IsWindow(link))
                return false;
            EXPECT_EQ(ListView_GetItemCount(list), 4);
            EXPECT_EQ(tt::ListText(list, 3, 0), "Sport");
            markChanged("News");
            markChanged("Prices");
            SelectRow(list, 2);
            Click(w, IDC_WA_DELETE);
            return true;
        })
        .Then(Answer(confirm, IDYES))
        .Then([&] {
            if (tt::MessageBoxShowing(confirm))
                return false;
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
    EXPECT_EQ(ChangedKeys(file, after),
              (std::set<std::string>{"Options/WebAlertShowDlg", "Options/WebAlertSound", "Options/WebAlertShowProgress",
                                     "Options/WebAlertShowTip", "Options/WebAlertFreq", "Options/WebAlertOnConnect",
                                     "Options/WebAlertFreqVal", "Options/WebAlertSoundName", "WebAlertUrl/WebAlertUrl1",
                                     "WebAlertUrl/WebAlertUrl3", "WebAlertUrl/WebAlertUrl2"}));
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

// Not a test unless QV_SHOT_DIR names a folder: the pictures of page 187 in a sheet and of
// dialog 188, in English and French.
TEST_F(LinkDialogs, Screenshots)
{
    const char* folder = getenv("QV_SHOT_DIR");
    if (!folder || !*folder)
        GTEST_SKIP() << "QV_SHOT_DIR not set";
    for (const auto& [language, suffix] : {std::pair{"2", "en"}, std::pair{"1", "fr"}}) {
        ASSERT_TRUE(StartWith({"WebAlertSound=1"}, language));
        std::unique_ptr<PropertyPage> page = CreateWebAlertOptionsPage();
        DWORD shown = 0;
        // Gives the window a moment to paint before it is taken.
        auto settled = [&](HWND window) {
            if (!window || !IsWindowVisible(window))
                return false;
            if (!shown)
                shown = GetTickCount();
            return GetTickCount() - shown > 700;
        };
        ModalScript sheet;
        sheet.Then([&] {
            if (!page->Window())
                return false;
            ListView_SetItemState(GetDlgItem(page->Window(), IDC_WA_PAGES), 1, LVIS_SELECTED, LVIS_SELECTED);
            return true;
        }).Then([&] {
            HWND frame = GetParent(page->Window());
            if (!settled(frame))
                return false;
            SaveScreen(frame, std::string(folder) + "\\webalert-options-" + suffix + ".bmp");
            PostMessageA(frame, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return true;
        });
        sheet.Run([&] { return RunPropertySheet(main_, LoadText(IDS_SETUP_CAPTION).c_str(), {page.get()}); });
        shown = 0;
        MonitoredPage prices("Prices", "http://shop.example/catalogue?page=2");
        prices.mailOnChange = 1;
        ModalScript dialog;
        dialog.Then([&] {
            HWND link = tt::DialogWithItem(IDC_LINK_NAME);
            if (!settled(link))
                return false;
            SaveScreen(link, std::string(folder) + "\\link-dialog-" + suffix + ".bmp");
            Click(link, IDCANCEL);
            return true;
        });
        dialog.Run([&] { return LinkDialog(main_, prices, kLinkEdit); });
        Stop();
    }
}

}  // namespace
