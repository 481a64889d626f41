// The first hour of a user, under a virtual desktop with its taskbar, the program started
// the way scripts/run.sh starts it ("explorer /desktop=NAME,1280x800 Quorvane.exe").
//
// Windows of another desktop cannot be seen from this one, so the test runs in two parts:
// the part on the test's own desktop makes the virtual desktop, starts the program in it, then
// starts this same test program in it as well (QV_INSIDE_DESKTOP set) and reads that run's
// results. The inner part finds the program's windows and checks what the user met.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/WineTestUtil.h"

namespace {

constexpr char kDesktop[] = "QvRoad";
constexpr char kDesktopArgument[] = "/desktop=QvRoad,1280x800";
constexpr char kBrowserCommandKey[] = "htmlfile\\shell\\open\\command";
constexpr UINT kTrayMessage = 1147;
constexpr UINT kCloseLauncherMessage = 1148;
constexpr LPARAM kDoubleClick = WM_LBUTTONDBLCLK;
constexpr WPARAM kExitCommand = 105;
constexpr WPARAM kTranslateCommand = 32775;
constexpr int kTextBoxId = 1000;
constexpr int kTranslatorSourceId = 1008;

std::string DataFolder()
{
    return wt::AppDataFolder() + "\\Quorvane";
}

std::string SettingsFile()
{
    return DataFolder() + "\\Quorvane.INI";
}

std::string Setting(const char* key)
{
    char value[64] = {};
    GetPrivateProfileStringA("Options", key, "<missing>", value, sizeof value, SettingsFile().c_str());
    return value;
}

int IntSetting(const char* key)
{
    return std::atoi(Setting(key).c_str());
}

bool Inside()
{
    char value[8] = {};
    return GetEnvironmentVariableA("QV_INSIDE_DESKTOP", value, sizeof value) > 0;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND control)
{
    char text[600] = {};
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

RECT RectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
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

std::string Describe(const std::vector<HWND>& windows)
{
    std::string text;
    for (HWND w : windows)
        text += ClassOf(w) + " \"" + TextOf(w) + "\"; ";
    return text;
}

// ---- the part on the test's own desktop ----

TEST(DesktopRoad, TheFirstHourUnderAVirtualDesktopWithItsTaskbar)
{
    if (Inside())
        GTEST_SKIP() << "this is the outer part";
    // The taskbar of a named virtual desktop is switched on as the run script does it.
    HKEY key = nullptr;
    const std::string desktopKey = std::string("Software\\Wine\\Explorer\\Desktops\\") + kDesktop;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, desktopKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD on = 1;
    RegSetValueExA(key, "EnableShell", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    RegCloseKey(key);

    wt::DeleteTree(DataFolder());
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    ASSERT_TRUE(wt::WriteFileText(SettingsFile(), "[Options]\r\nWelCome=1\r\nOnTop=1\r\nPreventClose=0\r\nCloseAfter=0\r\n"
                                                  "UseMiniBrowserLink=0\r\nTranslateURL=http://127.0.0.1:9/\r\n"));
    const std::string folder = wt::ProgramFolder();
    const std::string results = folder + "inside.xml";
    DeleteFileA(results.c_str());

    wt::Child program, inner;
    ASSERT_TRUE(program.Start(std::string("explorer.exe ") + kDesktopArgument + " " + folder + "Quorvane.exe"));
    SetEnvironmentVariableA("QV_INSIDE_DESKTOP", "1");
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    ASSERT_TRUE(inner.Start(std::string("explorer.exe ") + kDesktopArgument + " " + self +
                            " --gtest_filter=InsideTheDesktop.* --gtest_output=xml:" + results));
    SetEnvironmentVariableA("QV_INSIDE_DESKTOP", nullptr);

    std::string xml;
    ASSERT_TRUE(wt::WaitUntil([&] {
        xml = wt::ReadFileText(results);
        return xml.find("</testsuites>") != std::string::npos;
    }, 240000)) << "the inner part did not finish";
    EXPECT_NE(xml.find("tests=\"1\""), std::string::npos) << xml;
    EXPECT_NE(xml.find("failures=\"0\""), std::string::npos) << xml;
    EXPECT_EQ(xml.find("<skipped"), std::string::npos) << xml;
    wt::DeleteTree(DataFolder());
}

// ---- the part inside the virtual desktop ----

class InsideTheDesktop : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Inside())
            GTEST_SKIP() << "runs inside the virtual desktop only";
        log_ = wt::ProgramFolder() + "standin.log";
        DeleteFileA(log_.c_str());
        char saved[1024] = {};
        LONG size = sizeof saved - 1;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, kBrowserCommandKey, saved, &size) == ERROR_SUCCESS)
            savedBrowser_ = saved;
        const std::string command = "\"" + wt::ProgramFolder() + "standin_browser.exe\" \"%1\"";
        RegSetValueA(HKEY_CLASSES_ROOT, kBrowserCommandKey, REG_SZ, command.c_str(), static_cast<DWORD>(command.size()));
    }

    void TearDown() override
    {
        for (HWND w : wt::WindowsOfClass("QvStandInBrowser"))
            PostMessageA(w, WM_CLOSE, 0, 0);
        if (Inside())
            RegSetValueA(HKEY_CLASSES_ROOT, kBrowserCommandKey, REG_SZ, savedBrowser_.c_str(),
                         static_cast<DWORD>(savedBrowser_.size()));
    }

    // The program's hidden main window and its process.
    bool FindProgram()
    {
        main_ = nullptr;
        wt::WaitUntil([&] { return (main_ = FindWindowA("Quorvane", nullptr)) != nullptr; }, 20000);
        if (!main_)
            return false;
        GetWindowThreadProcessId(main_, &process_);
        return true;
    }

    // The program's windows that would get a taskbar button of their own when shown: Wine's
    // taskbar gives one to every shown window without an owner, tool windows included. Only
    // the hidden main window may be one; the system's own (IME, combo box lists, menus) aside.
    std::vector<HWND> TaskbarButtonsOfProgram() const
    {
        std::vector<HWND> buttons;
        for (HWND w : wt::WindowsOfProcess(process_)) {
            const std::string cls = ClassOf(w);
            if (w == main_ || cls == "IME" || cls == "ComboLBox" || cls == "#32768" || GetWindow(w, GW_OWNER))
                continue;
            buttons.push_back(w);
        }
        return buttons;
    }

    HWND VisibleDialogWith(int itemId) const
    {
        HWND found = nullptr;
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfProcess(process_))
                if (ClassOf(w) == "#32770" && IsWindowVisible(w) && GetDlgItem(w, itemId))
                    found = w;
            return found != nullptr;
        });
        return found;
    }

    HWND VisibleMenu() const
    {
        HWND found = nullptr;
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfClass("#32768"))
                if (IsWindowVisible(w))
                    found = w;
            return found != nullptr;
        }, 5000);
        return found;
    }

    bool Exit()
    {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, process_);
        PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
        const bool ended = process && WaitForSingleObject(process, 15000) == WAIT_OBJECT_0;
        if (process)
            CloseHandle(process);
        return ended;
    }

    bool Opened(const std::string& text) const
    {
        return wt::WaitUntil([&] { return wt::ReadFileText(log_).find(text) != std::string::npos; }, 10000);
    }

    HWND main_ = nullptr;
    DWORD process_ = 0;
    std::string log_;
    std::string savedBrowser_;
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
    HWND launcher = VisibleDialogWith(kTextBoxId);
    ASSERT_NE(launcher, nullptr);
    EXPECT_EQ(RectOf(launcher).bottom, work.bottom);
    EXPECT_EQ(RectOf(launcher).right, work.right);
    EXPECT_EQ(Describe(TaskbarButtonsOfProgram()), "");

    // 2. Alt+Enter turns a bare name into a ".fr" address, as the README says.
    HWND box = GetDlgItem(launcher, kTextBoxId);
    wt::WaitUntil([&] { return GetForegroundWindow() == launcher; }, 5000);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("quorvane"));
    Key(VK_MENU, false);
    Press(VK_RETURN);
    Key(VK_MENU, true);
    EXPECT_TRUE(Opened("quorvane.fr")) << wt::ReadFileText(log_);

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
    EXPECT_LE(IntSetting("PosCY") + (shown.bottom - shown.top), work.bottom);

    // 5. With no launcher, the tray menu's owner is a shown window of the program in the
    //    foreground, so that the keyboard reaches the menu; Escape closes it.
    PostMessageA(main_, kTrayMessage, 0, WM_RBUTTONUP);
    HWND menu = VisibleMenu();
    ASSERT_NE(menu, nullptr);
    HWND foreground = GetForegroundWindow();
    DWORD foregroundProcess = 0;
    GetWindowThreadProcessId(foreground, &foregroundProcess);
    EXPECT_EQ(foregroundProcess, process_);
    EXPECT_TRUE(IsWindowVisible(foreground)) << "a hidden window never gets the keyboard from X";
    EXPECT_EQ(Describe(TaskbarButtonsOfProgram()), "");
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_TRUE(wt::WaitUntil([&] { return !IsWindowVisible(menu); }, 5000)) << "Escape closed the menu";

    // 6. The translation window opens at the work area's corner, with no taskbar button.
    PostMessageA(main_, WM_COMMAND, kTranslateCommand, 0);
    HWND translator = VisibleDialogWith(kTranslatorSourceId);
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(RectOf(translator).bottom, work.bottom);
    EXPECT_EQ(RectOf(translator).right, work.right);
    EXPECT_EQ(Describe(TaskbarButtonsOfProgram()), "");
    PostMessageA(translator, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { return !IsWindow(translator); }, 10000));
    ASSERT_TRUE(Exit());

    // 7. The tree launcher: placed right at its first opening, and its new size kept by Exit.
    WritePrivateProfileStringA("Options", "DialogMode", "1", SettingsFile().c_str());
    wt::Child second;
    ASSERT_TRUE(second.Start("\"" + wt::ProgramFolder() + "Quorvane.exe\""));
    ASSERT_TRUE(FindProgram());
    PostMessageA(main_, kTrayMessage, 0, kDoubleClick);
    HWND tree = VisibleDialogWith(kTextBoxId);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(RectOf(tree).bottom, work.bottom);
    RECT r = RectOf(tree);
    const int width = r.right - r.left + 40, height = r.bottom - r.top + 30;
    SetWindowPos(tree, nullptr, r.left - 40, r.top - 30, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    wt::PumpMessages(300);
    r = RectOf(tree);
    ASSERT_TRUE(Exit());
    EXPECT_EQ(IntSetting("TCX"), r.right - r.left) << "the size is saved by Exit";
    EXPECT_EQ(IntSetting("TCY"), r.bottom - r.top);
    EXPECT_EQ(IntSetting("PosTCY"), r.top);
}

} // namespace
