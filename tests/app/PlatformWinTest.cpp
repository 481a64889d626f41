// The platform layer against the real registry, profile functions and windows of Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "app/AppContext_win.h"
#include "app/PlatformRules.h"
#include "app/Registry_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Sound_win.h"
#include "app/SystemQueries_win.h"
#include "app/Visuals_win.h"
#include "app/Win32Profile_win.h"
#include "app/WindowPlacement_win.h"
#include "tests/support/WineTestUtil.h"

namespace {

const char kTestKey[] = "Software\\QuorvaneTests\\Registry";

TEST(Registry, EmptyAndMissingValuesAreNotFound)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    std::string out = "unchanged";
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kTestKey, "value", out));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kTestKey));
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, kTestKey, "empty", ""));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kTestKey, "empty", out));
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kTestKey, "missing", out));
    EXPECT_EQ(out, "unchanged");
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, kTestKey, "value", "C:\\some where"));
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, kTestKey, "value", out));
    EXPECT_EQ(out, "C:\\some where");
    // A value longer than the read buffer is cut, not overflowed.
    std::string longValue(3000, 'v');
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, kTestKey, "long", longValue.c_str()));
    RegReadString(HKEY_CURRENT_USER, kTestKey, "long", out);
    EXPECT_LE(out.size(), 1023u);
    RegDeleteKeyNoSubkeys(HKEY_CURRENT_USER, kTestKey);
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kTestKey));
}

// Values of the buffer's size and beyond (a data folder, a favorites folder, a browser command)
// are cut at 1023 characters, stored with or without their terminator, like every other reader.
TEST(Registry, LongValuesAreCutAtTheLimitNotDropped)
{
    for (std::size_t length : {1022u, 1023u, 1024u, 70000u}) {
        const std::string value = std::string(length - 1, 'v') + "z";
        ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, kTestKey, "bare", value.c_str()));
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_WRITE, &key), ERROR_SUCCESS);
        RegSetValueExA(key, "terminated", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
        for (const char* name : {"bare", "terminated"}) {
            std::string out;
            EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, kTestKey, name, out)) << name << " " << length;
            EXPECT_EQ(out, value.substr(0, 1023)) << name << " " << length;
        }
    }
    RegDeleteKeyNoSubkeys(HKEY_CURRENT_USER, kTestKey);
}

TEST(Registry, RunValueIsSetAndDeleted)
{
    SetRunValue(true, kRunKey, "Quorvane", "C:\\Apps\\Quorvane.exe");
    std::string out;
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, kRunKey, "Quorvane", out));
    EXPECT_EQ(out, "C:\\Apps\\Quorvane.exe");
    SetRunValue(false, kRunKey, "Quorvane", nullptr);
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kRunKey, "Quorvane", out));
}

// Sets (or with null removes) the default value of HKEY_CLASSES_ROOT\key.
void SetClassValue(const char* key, const char* value)
{
    if (!value) {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
        return;
    }
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, key, nullptr, value));
}

TEST(DefaultBrowser, ReadsTheThreeRegistrationsInOrder)
{
    std::string wineDefault;
    RegReadString(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", nullptr, wineDefault);
    // Wine registers its own browser in the usual quoted form.
    EXPECT_EQ(DefaultBrowserProgram(), "C:\\windows\\system32\\winebrowser.exe") << wineDefault;

    SetClassValue("htmlfile\\shell\\open\\command", "\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"");
    EXPECT_EQ(DefaultBrowserProgram(), "C:\\Program Files\\Mozilla Firefox\\firefox.exe");
    SetClassValue("htmlfile\\shell\\open\\command", "");
    SetClassValue("ftp\\shell\\open\\command", "C:\\PROGRA~1\\INTERN~1\\iexplore.exe -nohome");
    EXPECT_EQ(DefaultBrowserProgram(), "C:\\PROGRA~1\\INTERN~1\\iexplore.exe");
    SetClassValue("ftp\\shell\\open\\command", "");
    SetClassValue("htmlfile\\DefaultIcon", "C:\\IE\\iexplore.exe,-32528");
    EXPECT_EQ(DefaultBrowserProgram(), "C:\\IE\\iexplore.exe");
    SetClassValue("htmlfile\\DefaultIcon", "");
    EXPECT_EQ(DefaultBrowserProgram(), "");
    EXPECT_EQ(BrowserProgramOrDefault(), "iexplore.exe");
    SetClassValue("htmlfile\\shell\\open\\command", wineDefault.c_str());
}

TEST(Profile, ReadsCutsAndRewritesThroughTheProfileFunctions)
{
    std::string path = wt::ProgramFolder() + "profile-test.ini";
    DeleteFileA(path.c_str());
    Win32Profile profile(path);
    EXPECT_EQ(profile.ReadString("Options", "Missing", "dflt", 100), "dflt");
    EXPECT_EQ(profile.ReadInt("Options", "Missing", -999), -999);
    profile.WriteString("Options", "Text", std::string(2000, 'x').c_str());
    EXPECT_EQ(profile.ReadString("Options", "text", "", 1023).size(), 1023u);
    profile.WriteInt("Options", "Number", -5);
    EXPECT_EQ(profile.ReadInt("OPTIONS", "NUMBER", 0), -5);
    profile.WriteString("Options", "Junk", "12junk");
    EXPECT_EQ(profile.ReadInt("Options", "Junk", 3), 12);
    profile.WriteString("List", "Search1", "a");
    profile.DeleteSection("List");
    EXPECT_EQ(profile.ReadString("List", "Search1", "", 10), "");
    EXPECT_EQ(profile.ReadInt("Options", "Number", 0), -5) << "deleting a section keeps the others";
    DeleteFileA(path.c_str());
}

TEST(Profile, ValuesReadBackAsTheyWereWritten)
{
    std::string path = wt::ProgramFolder() + "values.ini";
    DeleteFileA(path.c_str());
    Win32Profile profile(path);
    for (const char* value : {"\"a b\"", "'single'", "  padded ", "\"", "plain \"inner\" quotes", ""}) {
        profile.WriteString("SaveExpr", "Search1", value);
        EXPECT_EQ(profile.ReadString("SaveExpr", "Search1", "<missing>", 1023), value);
    }
    // A line break never reaches the file: it would end the value and could start a key.
    profile.WriteString("SaveTrad", "SearchStr1", "line one\r\n[Options]\nCmdClic=9");
    EXPECT_EQ(profile.ReadString("SaveTrad", "SearchStr1", "", 1023), "line one [Options] CmdClic=9");
    EXPECT_EQ(profile.ReadString("Options", "CmdClic", "<missing>", 10), "<missing>");
    DeleteFileA(path.c_str());
}

TEST(Profile, ReadOnlyOrGarbageFilesFallBackToDefaults)
{
    std::string path = wt::ProgramFolder() + "garbage.ini";
    ASSERT_TRUE(wt::WriteFileText(path, std::string("\x01\x02garbage=[[\r\n[Options\r\nCmdClic\r\n=5\r\n", 36)));
    Win32Profile profile(path);
    EXPECT_EQ(profile.ReadInt("Options", "CmdClic", 1), 1);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    profile.WriteString("Options", "CmdClic", "4");   // not reported, not fatal
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

TEST(WindowPlacement, BottomRightAndTransparency)
{
    HWND window = CreateWindowExA(0, "STATIC", "placed", WS_POPUP, 10, 10, 200, 120, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    PlaceBottomRight(window);
    RECT rect = {};
    GetWindowRect(window, &rect);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXFULLSCREEN) - 200);
    EXPECT_EQ(rect.top, work.bottom - work.top - 120);
    EXPECT_EQ(rect.right - rect.left, 200);

    EXPECT_TRUE(MakeTransparent(window, 10));
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 180);
    MakeOpaque(window);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);

    RECT tray = TrayRect();
    EXPECT_LT(tray.left, tray.right);
    EXPECT_LT(tray.top, tray.bottom);
    DestroyWindow(window);
}

TEST(Menus, DefaultItemIsBoldAndItemZeroIsANoOp)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 7, "Seven");
    EXPECT_TRUE(SetDefaultMenuItem(menu, 0, false));
    EXPECT_TRUE(SetDefaultMenuItem(menu, 7, false));
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    GetMenuItemInfoA(menu, 7, FALSE, &info);
    EXPECT_TRUE(info.fState & MFS_DEFAULT);
    EXPECT_FALSE(SetDefaultMenuItem(menu, 99, false));
    DestroyMenu(menu);
}

TEST(OpenFileDialog, CancelEmptiesThePathAndTheDialogShowsItsTitleAndFilter)
{
    SetUiLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    std::string seenTitle, seenFilter;
    DWORD thread = GetCurrentThreadId();
    std::thread closer([&] {
        for (int i = 0; i < 300; ++i) {
            Sleep(20);
            HWND dialog = FindWindowA("#32770", nullptr);
            if (!dialog || GetWindowThreadProcessId(dialog, nullptr) != thread)
                continue;
            char text[128] = {};
            GetWindowTextA(dialog, text, sizeof text);
            seenTitle = text;
            // The file-type box of the common dialog.
            HWND types = GetDlgItem(dialog, 0x470 /* cmb1 */);
            if (types) {
                SendMessageA(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
                seenFilter = text;
            }
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
    });
    std::string path = wt::ProgramFolder() + "notify.wav";
    bool chosen = ChooseOpenFile(nullptr, path, 1);
    closer.join();
    EXPECT_FALSE(chosen);
    EXPECT_TRUE(path.empty());
    EXPECT_EQ(seenTitle, LoadText(1140));
    EXPECT_EQ(seenFilter, "Wav files");
}

TEST(Sound, ANameWithoutAFolderLiesBesideTheProgram)
{
    App().programPath = "C:\\Apps\\Quorvane\\Quorvane.exe";
    EXPECT_EQ(SoundFilePath("notify.wav"), "C:\\Apps\\Quorvane\\notify.wav");
    EXPECT_EQ(SoundFilePath("D:\\sounds\\ding.wav"), "D:\\sounds\\ding.wav");
    App().programPath.clear();
}

TEST(WindowPlacement, HideToTrayAndBack)
{
    HWND window = CreateWindowExA(0, "STATIC", "tray", WS_POPUP | WS_VISIBLE, 10, 10, 200, 120, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    HideToTray(window);
    EXPECT_FALSE(IsWindowVisible(window));
    ShowFromTray(window);
    EXPECT_TRUE(IsWindowVisible(window));
    DestroyWindow(window);
}

} // namespace
