// The whole road with the real program: a tray double click or the launcher's hotkey opens
// the launcher in front of another program with the keyboard in its text box, the typed text
// goes out with Enter, and the stand-in browser records what the program opened.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/WineTestUtil.h"

namespace {

constexpr char kBrowserCommandKey[] = "htmlfile\\shell\\open\\command";
constexpr char kOwnTypedUrlsKey[] = "SoftWare\\Quorvane\\MiniBrowser\\TypedURLs";
constexpr char kExplorerTypedUrlsKey[] = "SoftWare\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr UINT kTrayMessage = 1147;
constexpr LPARAM kDoubleClick = 515;
constexpr int kLauncherHotkeyId = 10235;
// Ctrl+Alt+Q as a stored hotkey value: modifiers 0x02 | 0x04 in the high byte.
constexpr int kHotkeyValue = 0x0600 | 'Q';
constexpr UINT kExitCommand = 105;
constexpr UINT kCloseLauncherMessage = 1148;
constexpr UINT kTranslateCommand = 32775;
constexpr int kTranslatorSourceId = 1008;

const char kSettings[] =
    "[Options]\r\nWelCome=1\r\nFavorite=Second\r\nUseMiniBrowserSearch=0\r\nOnTop=1\r\nPreventClose=0\r\n"
    "Hotkey=1617\r\n"
    "[Searcher]\r\n"
    "Searcher1=First|\"http://first.example/?q=%s\"|http://first.example/|1\r\n"
    "Searcher2=Second|\"http://second.example/find?p=%s&x=%%20\"|http://second.example/|1\r\n"
    "Searcher3=Off|\"http://off.example/?q=%s\"|http://off.example/|0\r\n";

std::string RegistryDefault(const char* subkey)
{
    char value[1024] = {};
    LONG size = sizeof value - 1;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, subkey, value, &size) != ERROR_SUCCESS)
        return std::string();
    return value;
}

void SetRegistryDefault(const char* subkey, const std::string& value)
{
    RegSetValueA(HKEY_CLASSES_ROOT, subkey, REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
}

std::string ReadRegString(const char* subkey, const char* name)
{
    char value[2048] = {};
    DWORD size = sizeof value - 1;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    LONG rc = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? std::string(value) : std::string("<missing>");
}

// The text of a control of another process (GetWindowText would give the control's own
// caption, which a combo box never sets).
std::string TextOf(HWND control)
{
    char text[600] = {};
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void Key(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void Press(WORD key)
{
    Key(key, false);
    Key(key, true);
}

// Typed as the keyboard would, to whichever window has the keyboard focus.
void Type(const std::string& text)
{
    for (unsigned char c : text) {
        INPUT input[2] = {};
        for (INPUT& i : input) {
            i.type = INPUT_KEYBOARD;
            i.ki.wScan = c;
            i.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof input[0]);
    }
}

// A click of the left button in the middle of a window.
void Click(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof input[0]);
}

// A plain visible window of this process that holds the foreground before the launcher opens.
class OtherProgramWindow {
public:
    OtherProgramWindow()
    {
        window_ = CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300,
                                  200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        // The user clicks it, and it takes the foreground from whoever has it.
        wt::PumpMessages(100);
        Click(window_);
        if (!wt::WaitUntil([&] { return GetForegroundWindow() == window_; }, 3000)) {
            // On a bare display the click may not reach it (nothing maps the pointer to the
            // window at once); it takes the foreground itself, as a program started by the user does.
            SetForegroundWindow(window_);
            wt::WaitUntil([&] { return GetForegroundWindow() == window_; }, 2000);
        }
        wt::PumpMessages(100);
    }
    ~OtherProgramWindow() { DestroyWindow(window_); }
    OtherProgramWindow(const OtherProgramWindow&) = delete;
    OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;
    HWND Window() const { return window_; }

private:
    HWND window_ = nullptr;
};

class Road : public testing::Test {
protected:
    void SetUp() override
    {
        wt::DeleteTree(dataFolder_);
        CreateDirectoryA(dataFolder_.c_str(), nullptr);
        ASSERT_TRUE(wt::WriteFileText(SettingsFile(), kSettings));
        DeleteFileA(log_.c_str());
        savedBrowser_ = RegistryDefault(kBrowserCommandKey);
        SetRegistryDefault(kBrowserCommandKey, "\"" + wt::ProgramFolder() + "standin_browser.exe\" \"%1\"");
        RegDeleteKeyA(HKEY_CURRENT_USER, kOwnTypedUrlsKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kExplorerTypedUrlsKey);
    }

    void TearDown() override
    {
        if (main_ && IsWindow(main_)) {
            PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
            program_.WaitExit(10000);
        }
        program_.Kill();
        wt::WaitUntil([] {
            std::vector<HWND> standins = wt::WindowsOfClass("QvStandInBrowser");
            for (HWND w : standins)
                PostMessageA(w, WM_CLOSE, 0, 0);
            return standins.empty();
        }, 5000);
        SetRegistryDefault(kBrowserCommandKey, savedBrowser_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kOwnTypedUrlsKey);
        wt::DeleteTree(dataFolder_);
        DeleteFileA(log_.c_str());
    }

    std::string SettingsFile() const { return dataFolder_ + "\\Quorvane.INI"; }
    std::string Setting(const char* section, const char* key) const
    {
        char value[1100] = {};
        GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, SettingsFile().c_str());
        return value;
    }
    std::string Log() const { return wt::ReadFileText(log_); }
    bool Opened(const std::string& text) const
    {
        return wt::WaitUntil([&] { return Log().find(text) != std::string::npos; }, 10000);
    }
    int Launches() const
    {
        int lines = 0;
        for (char c : Log())
            lines += c == '\n';
        return lines;
    }

    bool StartProgram()
    {
        if (!program_.Start("\"" + wt::ProgramFolder() + "Quorvane.exe\""))
            return false;
        processId_ = program_.Id();
        main_ = nullptr;
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfProcess(program_.Id()))
                if (ClassOf(w) == "Quorvane")
                    main_ = w;
            return main_ != nullptr;
        });
        return main_ != nullptr;
    }

    // The program's visible launcher (or the dialog with that item), once it shows.
    HWND WaitForLauncher(int item = 1000)
    {
        HWND launcher = nullptr;
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfProcess(processId_))
                if (ClassOf(w) == "#32770" && IsWindowVisible(w) && GetDlgItem(w, item))
                    launcher = w;
            return launcher != nullptr;
        });
        return launcher;
    }

    // The window of the launcher's thread that has the keyboard focus.
    static HWND FocusOf(HWND launcher)
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(launcher, nullptr), &info))
            return nullptr;
        return info.hwndFocus;
    }

    // The launcher is in front and typing goes to its text box.
    static void ExpectReadyForTyping(HWND launcher)
    {
        EXPECT_TRUE(wt::WaitUntil([&] { return GetForegroundWindow() == launcher; }, 5000))
            << "the launcher is the foreground window";
        HWND box = GetDlgItem(launcher, 1000);
        EXPECT_TRUE(wt::WaitUntil([&] {
            HWND focus = FocusOf(launcher);
            return focus && (focus == box || GetParent(focus) == box);
        }, 5000)) << "the text box has the keyboard focus";
    }

    // Types into the launcher until its box holds the text.
    static bool TypeInto(HWND launcher, const std::string& text)
    {
        Type(text);
        HWND box = GetDlgItem(launcher, 1000);
        return wt::WaitUntil([&] { return TextOf(box) == text; }, 5000);
    }

    wt::Child program_;
    HWND main_ = nullptr;
    DWORD processId_ = 0;
    std::string dataFolder_ = wt::AppDataFolder() + "\\Quorvane";
    std::string log_ = wt::ProgramFolder() + "standin.log";
    std::string savedBrowser_;
};

TEST_F(Road, TrayDoubleClickThenTypingAndEnterSearchesWithTheFavoriteEngine)
{
    ASSERT_TRUE(StartProgram());
    OtherProgramWindow other;
    ASSERT_EQ(GetForegroundWindow(), other.Window());

    PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
    HWND launcher = WaitForLauncher();
    ASSERT_NE(launcher, nullptr);
    ExpectReadyForTyping(launcher);

    ASSERT_TRUE(TypeInto(launcher, "red fox+1"));
    Press(VK_RETURN);
    ASSERT_TRUE(Opened("http://second.example/find?p=red+fox%2B1&x=%20")) << Log();
    EXPECT_EQ(Setting("SaveExpr", "Search1"), "red fox+1");
    EXPECT_EQ(Launches(), 1);
    EXPECT_TRUE(IsWindowVisible(launcher)) << "OnTop keeps the launcher in view";
}

TEST_F(Road, HotkeyThenShiftEnterOnABareNameOpensItAsADotNetAddress)
{
    ASSERT_TRUE(StartProgram());
    OtherProgramWindow other;
    PostMessageA(main_, WM_HOTKEY, kLauncherHotkeyId, MAKELPARAM(MOD_CONTROL | MOD_ALT, kHotkeyValue & 0xFF));
    HWND launcher = WaitForLauncher();
    ASSERT_NE(launcher, nullptr);
    ExpectReadyForTyping(launcher);

    ASSERT_TRUE(TypeInto(launcher, "example"));
    Key(VK_SHIFT, false);
    Press(VK_RETURN);
    Key(VK_SHIFT, true);
    ASSERT_TRUE(Opened("http://www.example.net")) << Log();
    EXPECT_EQ(Log().find("second.example"), std::string::npos) << "nothing is searched";
    EXPECT_TRUE(wt::WaitUntil([] { return ReadRegString(kOwnTypedUrlsKey, "url1") == "http://www.example.net"; }))
        << ReadRegString(kOwnTypedUrlsKey, "url1");
    EXPECT_EQ(Setting("SaveExpr", "Search1"), "<missing>");
    EXPECT_EQ(TextOf(GetDlgItem(launcher, 1000)), "http://www.example.net") << "the box shows the completed address";
}

TEST_F(Road, AllOpensOneBrowserPerEngineInUseWhateverModifierIsHeld)
{
    ASSERT_TRUE(StartProgram());
    PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
    HWND launcher = WaitForLauncher();
    ASSERT_NE(launcher, nullptr);
    ExpectReadyForTyping(launcher);
    ASSERT_TRUE(TypeInto(launcher, "blue"));

    Key(VK_SHIFT, false);
    Click(GetDlgItem(launcher, 1002));
    Key(VK_SHIFT, true);
    ASSERT_TRUE(Opened("http://first.example/?q=blue")) << Log();
    ASSERT_TRUE(Opened("http://second.example/find?p=blue&x=%20")) << Log();
    wt::PumpMessages(500);
    EXPECT_EQ(Launches(), 2) << Log();
    EXPECT_EQ(Log().find("off.example"), std::string::npos);
    EXPECT_EQ(Log().find("www.blue"), std::string::npos) << "All completes nothing";
    EXPECT_EQ(Setting("SaveExpr", "Search1"), "blue");
}

TEST_F(Road, ReopeningBringsTheSameLauncherBackInFront)
{
    ASSERT_TRUE(StartProgram());
    PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
    HWND launcher = WaitForLauncher();
    ASSERT_NE(launcher, nullptr);
    ExpectReadyForTyping(launcher);
    {
        OtherProgramWindow other;
        ASSERT_TRUE(wt::WaitUntil([&] { return GetForegroundWindow() == other.Window(); }, 5000));
        PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
        ExpectReadyForTyping(launcher);
    }
    int dialogs = 0;
    for (HWND w : wt::WindowsOfProcess(program_.Id()))
        dialogs += ClassOf(w) == "#32770" && GetDlgItem(w, 1000) ? 1 : 0;
    EXPECT_EQ(dialogs, 1) << "the launcher exists once";
}

// The first hour under a virtual desktop with its taskbar, the program started as scripts/run.sh
// starts it. Windows of another desktop cannot be seen from this one: this part starts the
// program and this same test program (QV_INSIDE_DESKTOP set) in the desktop, and reads how the
// inner part went.
bool InsideDesktop()
{
    return GetEnvironmentVariableA("QV_INSIDE_DESKTOP", nullptr, 0) > 0;
}

TEST_F(Road, TheFirstHourUnderAVirtualDesktopWithItsTaskbar)
{
    if (InsideDesktop())
        GTEST_SKIP() << "this is the outer part";
    // The taskbar of a named virtual desktop is switched on as the run script does it.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops\\QvRoad", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
    DWORD on = 1;
    RegSetValueExA(key, "EnableShell", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    RegCloseKey(key);
    for (const char* setting : {"CloseAfter=0", "UseMiniBrowserLink=0", "TranslateURL=http://127.0.0.1:9/"}) {
        const std::string pair = setting;
        WritePrivateProfileStringA("Options", pair.substr(0, pair.find('=')).c_str(),
                                   pair.substr(pair.find('=') + 1).c_str(), SettingsFile().c_str());
    }
    const std::string results = wt::ProgramFolder() + "inside.xml";
    DeleteFileA(results.c_str());
    const std::string explorer = "explorer.exe /desktop=QvRoad,1280x800 ";
    ASSERT_TRUE(program_.Start(explorer + wt::ProgramFolder() + "Quorvane.exe"));
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    SetEnvironmentVariableA("QV_INSIDE_DESKTOP", "1");
    wt::Child inner;
    const bool started = inner.Start(explorer + self + " --gtest_filter=InsideTheDesktop.* --gtest_output=xml:" + results);
    SetEnvironmentVariableA("QV_INSIDE_DESKTOP", nullptr);
    ASSERT_TRUE(started);

    std::string xml;
    ASSERT_TRUE(wt::WaitUntil([&] { return (xml = wt::ReadFileText(results)).find("</testsuites>") != std::string::npos; },
                              240000)) << "the inner part did not finish";
    EXPECT_NE(xml.find("tests=\"1\""), std::string::npos) << xml;
    EXPECT_NE(xml.find("failures=\"0\""), std::string::npos) << xml;
    EXPECT_EQ(xml.find("<skipped"), std::string::npos) << xml;
}

RECT RectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

class InsideTheDesktop : public Road {
protected:
    void SetUp() override
    {
        if (!InsideDesktop())
            GTEST_SKIP() << "runs inside the virtual desktop only";
    }
    void TearDown() override
    {
        for (HWND w : wt::WindowsOfClass("QvStandInBrowser"))
            PostMessageA(w, WM_CLOSE, 0, 0);
    }

    bool FindProgram()
    {
        wt::WaitUntil([&] { return (main_ = FindWindowA("Quorvane", nullptr)) != nullptr; }, 20000);
        GetWindowThreadProcessId(main_, &processId_);
        return main_ != nullptr;
    }

    // The program's windows that would get a taskbar button of their own when shown: Wine's
    // taskbar gives one to every shown window without an owner, tool windows included. Only
    // the hidden main window may be one; the system's own (IME, combo box lists, menus) aside.
    std::string TaskbarButtons() const
    {
        std::string buttons;
        for (HWND w : wt::WindowsOfProcess(processId_)) {
            const std::string cls = ClassOf(w);
            // Hidden windows (the mini browser's frame waits hidden) have no button.
            if (w != main_ && IsWindowVisible(w) && cls != "IME" && cls != "ComboLBox" && cls != "#32768" &&
                !GetWindow(w, GW_OWNER))
                buttons += cls + " \"" + TextOf(w) + "\"; ";
        }
        return buttons;
    }

    bool Exit()
    {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId_);
        PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
        const bool ended = process && WaitForSingleObject(process, 15000) == WAIT_OBJECT_0;
        if (process)
            CloseHandle(process);
        return ended;
    }

    int IntSetting(const char* key) const { return std::atoi(Setting("Options", key).c_str()); }
};

TEST_F(InsideTheDesktop, PlacesKeysMenusAndTheSavedLayout)
{
    ASSERT_TRUE(FindProgram()) << "the program started in the desktop";
    HWND taskbar = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] {
        taskbar = FindWindowA("Shell_TrayWnd", nullptr);
        return taskbar && IsWindowVisible(taskbar) && RectOf(taskbar).bottom > RectOf(taskbar).top;
    })) << "the desktop has its taskbar";
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(taskbar, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    ASSERT_EQ(work.bottom, RectOf(taskbar).top) << "the taskbar's strip is outside the work area";

    // 1. The first opening after start sits on the taskbar, not over it.
    PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
    HWND launcher = WaitForLauncher();
    ASSERT_NE(launcher, nullptr);
    EXPECT_EQ(RectOf(launcher).bottom, work.bottom);
    EXPECT_EQ(RectOf(launcher).right, work.right);
    EXPECT_EQ(TaskbarButtons(), "");

    // 2. Alt+Enter turns a bare name into a ".fr" address, as the README says.
    HWND box = GetDlgItem(launcher, 1000);
    wt::WaitUntil([&] { return GetForegroundWindow() == launcher; }, 5000);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("quorvane"));
    Key(VK_MENU, false);
    Press(VK_RETURN);
    Key(VK_MENU, true);
    EXPECT_TRUE(Opened("quorvane.fr")) << Log();

    // 3. Alt released alone opens no hidden system menu that would take the next text.
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    wt::PumpMessages(200);
    Press(VK_MENU);
    wt::PumpMessages(200);
    Type("after");
    EXPECT_TRUE(wt::WaitUntil([&] { return TextOf(box) == "after"; }, 5000)) << TextOf(box);

    // 4. Closed, the launcher saved the right place.
    const RECT shown = RectOf(launcher);
    PostMessageA(launcher, kCloseLauncherMessage, 0, 1);
    ASSERT_TRUE(wt::WaitUntil([&] { return !IsWindow(launcher); }, 10000));
    EXPECT_EQ(IntSetting("PosCY"), shown.top);

    // 5. With no launcher, the tray menu's owner is a shown window of the program in the
    //    foreground, so that the keyboard reaches the menu; Escape closes it.
    PostMessageA(main_, kTrayMessage, 0, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] {
        for (HWND w : wt::WindowsOfClass("#32768"))
            menu = IsWindowVisible(w) ? w : menu;
        return menu != nullptr;
    }, 5000));
    DWORD foregroundProcess = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &foregroundProcess);
    EXPECT_EQ(foregroundProcess, processId_);
    EXPECT_TRUE(IsWindowVisible(GetForegroundWindow())) << "a hidden window never gets the keyboard from X";
    EXPECT_EQ(TaskbarButtons(), "");
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_TRUE(wt::WaitUntil([&] { return !IsWindowVisible(menu); }, 5000)) << "Escape closed the menu";

    // 6. The translation window opens at the work area's corner, with no taskbar button.
    PostMessageA(main_, WM_COMMAND, kTranslateCommand, 0);
    HWND translator = WaitForLauncher(kTranslatorSourceId);
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(RectOf(translator).bottom, work.bottom);
    EXPECT_EQ(RectOf(translator).right, work.right);
    EXPECT_EQ(TaskbarButtons(), "");
    PostMessageA(translator, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { return !IsWindow(translator); }, 10000));
    ASSERT_TRUE(Exit());

    // 7. The tree launcher: placed right at its first opening, and its new size kept by Exit.
    WritePrivateProfileStringA("Options", "DialogMode", "1", SettingsFile().c_str());
    ASSERT_TRUE(StartProgram());
    PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
    HWND tree = WaitForLauncher();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(RectOf(tree).bottom, work.bottom);
    RECT r = RectOf(tree);
    SetWindowPos(tree, nullptr, r.left - 40, r.top - 30, r.right - r.left + 40, r.bottom - r.top + 30,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    wt::PumpMessages(300);
    r = RectOf(tree);
    ASSERT_TRUE(Exit());
    EXPECT_EQ(IntSetting("TCX"), r.right - r.left) << "the size is saved by Exit";
    EXPECT_EQ(IntSetting("TCY"), r.bottom - r.top);
    EXPECT_EQ(IntSetting("PosTCY"), r.top);
}

} // namespace
