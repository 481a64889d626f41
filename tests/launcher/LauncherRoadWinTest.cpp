// The whole road with the real program: a tray double click or the launcher's hotkey opens
// the launcher in front of another program with the keyboard in its text box, the typed text
// goes out with Enter, and the stand-in browser records what the program opened.
#include <windows.h>

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
        dataFolder_ = wt::AppDataFolder() + "\\Quorvane";
        wt::DeleteTree(dataFolder_);
        CreateDirectoryA(dataFolder_.c_str(), nullptr);
        ASSERT_TRUE(wt::WriteFileText(SettingsFile(), kSettings));
        log_ = wt::ProgramFolder() + "standin.log";
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
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfProcess(program_.Id()))
                if (ClassOf(w) == "Quorvane")
                    main_ = w;
            return main_ != nullptr;
        });
        return main_ != nullptr;
    }

    // The program's visible launcher, once it shows.
    HWND WaitForLauncher()
    {
        HWND launcher = nullptr;
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfProcess(program_.Id()))
                if (ClassOf(w) == "#32770" && IsWindowVisible(w) && GetDlgItem(w, 1000))
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
    std::string dataFolder_;
    std::string log_;
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

// The settings file that ships beside the program: the build's copy, in the folder the test
// programs come from (QV_BINDIR, a path of the machine that runs Wine: its root is drive Z:).
std::string ShippedSettings()
{
    char bin[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("QV_BINDIR", bin, sizeof bin))
        return std::string();
    std::string path = std::string("Z:") + bin + "/Quorvane.ini";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return wt::ReadFileText(path);
}

TEST_F(Road, AFirstStartTakesTheShippedSettingsAndSearchesWithItsFavoriteEngine)
{
    const std::string shipped = ShippedSettings();
    ASSERT_FALSE(shipped.empty()) << "Quorvane.ini beside the build's programs";
    const std::string besideProgram = wt::ProgramFolder() + "Quorvane.ini";
    ASSERT_TRUE(wt::WriteFileText(besideProgram, shipped));
    wt::DeleteTree(dataFolder_);

    // The first start moves the file into the new data folder and reads its engines.
    ASSERT_TRUE(StartProgram());
    // The save after the welcome writes key by key; the "Smtp" section comes last.
    ASSERT_TRUE(wt::WaitUntil([&] { return Setting("Smtp", "MailNoDetailed") != "<missing>"; }));
    EXPECT_EQ(Setting("Options", "WelCome"), "1");
    EXPECT_FALSE(wt::FileExists(besideProgram));
    EXPECT_EQ(Setting("Options", "Favorite"), "Google");
    EXPECT_EQ(Setting("Searcher", "Searcher1"), "Google|\"https://www.google.com/search?q=%s\"|https://www.google.com/|1");
    EXPECT_EQ(Setting("Searcher", "Searcher9").rfind("Wikip\xE9" "dia FR|", 0), 0u) << Setting("Searcher", "Searcher9");
    PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
    ASSERT_TRUE(program_.WaitExit(10000));
    main_ = nullptr;

    // Searches open in the user's browser (the stand-in) rather than the MiniBrowser.
    WritePrivateProfileStringA("Options", "UseMiniBrowserSearch", "0", SettingsFile().c_str());
    ASSERT_TRUE(StartProgram());
    PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
    HWND launcher = WaitForLauncher();
    ASSERT_NE(launcher, nullptr);
    ExpectReadyForTyping(launcher);
    ASSERT_TRUE(TypeInto(launcher, "a b"));
    Press(VK_RETURN);
    ASSERT_TRUE(Opened("https://www.google.com/search?q=a+b")) << Log();
    EXPECT_EQ(Launches(), 1) << Log();
}

} // namespace
