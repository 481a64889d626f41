// The installer and AutoUpdate.EXE under Wine, with the real programs: a silent per-user
// install and its uninstall; the updater's failures with stand-ins; and the whole road, 1.01
// updating itself to 1.02 from the update site on loopback.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"
#include "tests/update/SiteGet_win.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane";
const char kRunKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kEmulationKey[] = "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
const char kNextVersion[] = "1.02 08-12-2026";   // tests/installer/Quorvane102.rc

// A folder of the build, named by the test runner with its Unix path.
std::string BuildFolder(const char* variable)
{
    std::string path = std::string("Z:") + (std::getenv(variable) ? std::getenv(variable) : "");
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// The value, or "<none>".
std::string RegString(const char* key, const char* name)
{
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    LSTATUS status = RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, nullptr, buffer, &size);
    return status == ERROR_SUCCESS ? buffer : "<none>";
}

bool KeyExists(const char* key)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

// Relative path -> size of every file under folder.
std::map<std::string, DWORD> FilesUnder(const std::string& folder, const std::string& prefix = "")
{
    std::map<std::string, DWORD> files;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
        std::string name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[prefix + name] = found.nFileSizeLow;
        else if (name != "." && name != "..")
            files.merge(FilesUnder(folder + "\\" + name, prefix + name + "\\"));
    }
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
    return files;
}

DWORD RunProgram(const std::string& commandLine, DWORD timeoutMs = 60000)
{
    wt::Child child;
    DWORD code = 0xDEAD;
    if (child.Start(commandLine) && !child.WaitExit(timeoutMs, &code))
        code = 0xBEEF;
    return code;
}

// A visible top-level window of the process holding item, and not without (0: no condition).
HWND DialogOf(DWORD processId, int item, int without = 0)
{
    for (HWND w : wt::WindowsOfProcess(processId))
        if (IsWindowVisible(w) && GetDlgItem(w, item) && !(without && GetDlgItem(w, without)))
            return w;
    return nullptr;
}

std::string ItemText(HWND dialog, int id)
{
    char text[4096] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class Installer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wt::FileExists(Setup("1.01"))) << Setup("1.01");
        CleanUp();
    }
    void TearDown() override
    {
        for (HWND w : wt::WindowsOfClass("Quorvane")) {
            DWORD id = 0;
            GetWindowThreadProcessId(w, &id);
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
                TerminateProcess(process, 0);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
        }
        CleanUp();
    }
    void CleanUp()
    {
        wt::DeleteTree(installFolder_);
        wt::DeleteTree(dataFolder_);
        DeleteFileA(shortcut_.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, kUninstallKey);
        RegDeleteTreeA(HKEY_CURRENT_USER, "SoftWare\\Quorvane");
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Quorvane");
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kEmulationKey, "Quorvane.exe");
    }

    std::string Setup(const char* release) const { return packages_ + "\\Quorvane-" + release + "-setup.exe"; }

    // The uninstaller copies itself away and returns at once: done when its entry is gone.
    bool Uninstall(const std::string& folder, const std::string& options)
    {
        return RunProgram("\"" + folder + "\\uninstall.exe\" /S " + options) == 0 &&
               wt::WaitUntil([&] { return !KeyExists(kUninstallKey) && !wt::FileExists(folder + "\\uninstall.exe"); },
                             30000);
    }

    const std::string packages_ = BuildFolder("QV_PACKAGE_DIR");
    const std::string release102_ = BuildFolder("QV_RELEASE102_DIR");
    const std::string installFolder_ = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Quorvane";
    const std::string shortcut_ = ShellFolder(CSIDL_PROGRAMS) + "\\Quorvane.lnk";
    const std::string dataFolder_ = wt::AppDataFolder() + "\\Quorvane";
};

// Every packaged file lands in the program's folder, the Start menu and the installed-programs
// list know it; the uninstaller takes all of it away again with what a run of the program left,
// keeping the user's settings unless asked; again into a folder with blanks, as the updater
// passes it.
TEST_F(Installer, InstallsPerUserAndUninstallsWithoutTrace)
{
    ASSERT_EQ(RunProgram("\"" + Setup("1.01") + "\" /S"), 0u);
    std::map<std::string, DWORD> packaged = FilesUnder(packages_ + "\\Quorvane-1.01-files");
    std::map<std::string, DWORD> installed = FilesUnder(installFolder_);
    for (const char* name : {"Quorvane.exe", "AutoUpdate.EXE", "notify.wav"})
        EXPECT_EQ(packaged.count(name), 1u) << name;
    for (const auto& [name, size] : packaged)
        EXPECT_EQ(installed[name], size) << name;
    EXPECT_EQ(installed.count("uninstall.exe"), 1u);
    EXPECT_TRUE(wt::FileExists(shortcut_)) << shortcut_;
    EXPECT_EQ(RegString(kUninstallKey, "DisplayName"), "Quorvane");
    EXPECT_EQ(RegString(kUninstallKey, "DisplayVersion"), "1.01");
    EXPECT_EQ(lstrcmpiA(RegString(kUninstallKey, "InstallLocation").c_str(), installFolder_.c_str()), 0);
    EXPECT_NE(RegString(kUninstallKey, "UninstallString").find(installFolder_ + "\\uninstall.exe"), std::string::npos);

    CreateDirectoryA(dataFolder_.c_str(), nullptr);
    ASSERT_TRUE(wt::WriteFileText(dataFolder_ + "\\Quorvane.INI", "[Options]\r\nLanguage=2\r\n"));
    std::string program = installFolder_ + "\\Quorvane.exe";
    RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "Quorvane", REG_SZ, program.c_str(), DWORD(program.size() + 1));
    DWORD emulation = 11000;
    RegSetKeyValueA(HKEY_CURRENT_USER, kEmulationKey, "Quorvane.exe", REG_DWORD, &emulation, sizeof emulation);
    RegSetKeyValueA(HKEY_CURRENT_USER, "SoftWare\\Quorvane\\MiniBrowser\\TypedURLs", "url1", REG_SZ, "x", 2);
    for (const char* name : {"current.txt", "version.$$$", "version._$$", "Quorvane.ini", "Quorvane.exe.bak"})
        wt::WriteFileText(installFolder_ + "\\" + name, "x");
    ASSERT_TRUE(Uninstall(installFolder_, ""));
    EXPECT_FALSE(wt::FileExists(installFolder_)) << "left: " << FilesUnder(installFolder_).size() << " files";
    EXPECT_FALSE(wt::FileExists(shortcut_));
    EXPECT_EQ(RegString(kRunKey, "Quorvane"), "<none>");
    EXPECT_EQ(RegString(kEmulationKey, "Quorvane.exe"), "<none>");
    EXPECT_TRUE(wt::FileExists(dataFolder_ + "\\Quorvane.INI")) << "the settings were kept";
    EXPECT_TRUE(KeyExists("SoftWare\\Quorvane\\MiniBrowser\\TypedURLs"));

    const std::string custom = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\My Tools\\Quorvane Test";
    ASSERT_EQ(RunProgram("\"" + Setup("1.01") + "\" /S /D=" + custom), 0u);
    EXPECT_TRUE(wt::FileExists(custom + "\\Quorvane.exe"));
    EXPECT_FALSE(wt::FileExists(program));
    EXPECT_EQ(RegString(kUninstallKey, "InstallLocation"), custom);
    ASSERT_TRUE(Uninstall(custom, "/KEEPSETTINGS=0"));
    EXPECT_FALSE(wt::FileExists(custom));
    EXPECT_FALSE(wt::FileExists(dataFolder_)) << "asked to, the uninstaller removes the settings";
    EXPECT_FALSE(KeyExists("SoftWare\\Quorvane"));
    RemoveDirectoryA((ShellFolder(CSIDL_LOCAL_APPDATA) + "\\My Tools").c_str());
}

// AutoUpdate.EXE with stand-ins for the program and its installer (updater_standin.cpp) in a
// folder of their own: the installer missing or failing leaves the program as it was and
// starts it again without "/AU"; a second updater runs nothing.
TEST(Updater, LeavesTheProgramAsItWasWhenTheInstallerIsMissingOrFails)
{
    const bool french = std::getenv("QV_EXPECT") && std::string(std::getenv("QV_EXPECT")) == "fr";
    const std::string folder = wt::ProgramFolder() + "update test", standin = wt::ProgramFolder() + "updater_standin.exe";
    auto path = [&](const char* name) { return folder + "\\" + name; };
    wt::DeleteTree(folder);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA((BuildFolder("QV_BINDIR") + "\\AutoUpdate.EXE").c_str(), path("AutoUpdate.EXE").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(standin.c_str(), path("Quorvane.exe").c_str(), FALSE));
    const std::string program = wt::ReadFileText(path("Quorvane.exe"));
    // Runs the updater, answers its message box and returns its text.
    auto update = [&](const std::string& parameters) {
        wt::Child updater;
        EXPECT_TRUE(updater.Start("\"" + path("AutoUpdate.EXE") + "\" " + parameters));
        HWND box = nullptr;
        wt::WaitUntil([&] { return (box = DialogOf(updater.Id(), IDOK)) != nullptr; }, 20000);
        std::string text;   // the longest static text of the box
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = {}, buffer[2048] = {};
            GetClassNameA(child, name, sizeof name);
            GetWindowTextA(child, buffer, sizeof buffer);
            if (lstrcmpiA(name, "Static") == 0 && std::string(buffer).size() > text.size())
                text = buffer;
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        DWORD code = 0;
        EXPECT_TRUE(updater.WaitExit(30000, &code) && code != 0) << parameters;
        return text;
    };
    auto restarted = [&] {
        bool started = wt::WaitUntil([&] { return wt::FileExists(path("started.txt")); }, 10000);
        std::string line = wt::ReadFileText(path("started.txt"));
        DeleteFileA(path("started.txt").c_str());
        return started && line.find("/AU") == std::string::npos && wt::ReadFileText(path("Quorvane.exe")) == program;
    };

    std::string message = update("version.$$$,Quorvane.exe");
    EXPECT_NE(message.find("version.$$$"), std::string::npos) << message;
    EXPECT_NE(message.find(french ? "introuvable" : "was not found"), std::string::npos) << message;
    EXPECT_TRUE(restarted());
    if (!french) {   // the other roads speak the same language
        // An installer that spoils the program file and fails: the program is put back and the
        // download goes (it would fail again).
        ASSERT_TRUE(CopyFileA(standin.c_str(), path("version.$$$").c_str(), FALSE));
        ASSERT_TRUE(wt::WriteFileText(path("standin-installer.txt"), "fail"));
        EXPECT_NE(update("version.$$$,Quorvane.exe").find("exit code 2"), std::string::npos);
        EXPECT_NE(wt::ReadFileText(path("installer-ran.txt")).find("/S /D=" + folder), std::string::npos);
        EXPECT_TRUE(restarted()) << "the program was put back and started";
        EXPECT_FALSE(wt::FileExists(path("version.$$$")));
        EXPECT_FALSE(wt::FileExists(path("Quorvane.exe.bak")));

        // While another updater works, a second one leaves it alone, silently.
        ASSERT_TRUE(CopyFileA(standin.c_str(), path("version.$$$").c_str(), FALSE));
        DeleteFileA(path("installer-ran.txt").c_str());
        HANDLE other = CreateMutexA(nullptr, FALSE, "Local\\QuorvaneAutoUpdate");
        EXPECT_EQ(RunProgram("\"" + path("AutoUpdate.EXE") + "\" version.$$$,Quorvane.exe", 10000), 100u);
        CloseHandle(other);
        wt::PumpMessages(500);
        EXPECT_FALSE(wt::FileExists(path("installer-ran.txt")));
        EXPECT_FALSE(wt::FileExists(path("started.txt")));
        EXPECT_TRUE(wt::FileExists(path("version.$$$")));
    }
    wt::DeleteTree(folder);
}

// The whole road with the real programs: 1.01, installed by the real installer, checks the site,
// finds 1.02, asks with dialog 174, downloads it with its progress window, expands and verifies
// it and hands over to AutoUpdate.EXE, which waits for it to end, runs the real 1.02 installer
// silently and starts the new program with "/AU": it announces itself, records the update in
// its history and shows the news.
class Road : public Installer {};

TEST_F(Road, InstalledProgramUpdatesItselfFromTheSite)
{
    const std::string site = std::getenv("QV_UPDATE_SITE") ? std::getenv("QV_UPDATE_SITE") : "";
    ASSERT_FALSE(site.empty()) << "no update site runs beside the test (QV_UPDATE_SITE)";
    ASSERT_EQ(RunProgram("\"" + Setup("1.01") + "\" /S"), 0u);
    const std::string program = installFolder_ + "\\Quorvane.exe";
    const std::string next = wt::ReadFileText(release102_ + "\\Quorvane-1.02-files\\Quorvane.exe");
    ASSERT_FALSE(next.empty());
    ASSERT_NE(wt::ReadFileText(program), next);
    CreateDirectoryA(dataFolder_.c_str(), nullptr);
    const std::string settings = dataFolder_ + "\\Quorvane.INI";
    ASSERT_TRUE(wt::WriteFileText(settings, "[Options]\r\nWelCome=1\r\nLanguage=2\r\n[AutoUpdate]\r\nUrl=" + site +
                                                "/good\r\nAutoInstall=1\r\nShowNews=1\r\nCheckEvery=0\r\n"));

    wt::FakeTray tray;
    ASSERT_TRUE(tray.Ok());
    wt::Child first;
    ASSERT_TRUE(first.Start("\"" + program + "\""));
    ASSERT_TRUE(wt::WaitUntil([&] { return !wt::WindowsOfClass("Quorvane").empty(); }, 20000));
    HWND main = wt::WindowsOfClass("Quorvane").front();
    // Run by hand while the program runs, the silent installer refuses and touches nothing.
    EXPECT_EQ(RunProgram("\"" + release102_ + "\\Quorvane-1.02-setup.exe\" /S"), 3u);
    EXPECT_NE(wt::ReadFileText(program), next);
    PostMessageA(main, WM_COMMAND, IDM_CHECK_UPDATES, 0);

    // Dialog 174 (the news window has the same two fields, and a check box this one lacks).
    HWND found = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] { return (found = DialogOf(first.Id(), IDC_UPD_FOUND_SIZE, IDC_NEWS_DONT_SHOW)); },
                              30000)) << "no dialog 174";
    EXPECT_EQ(ItemText(found, IDC_UPD_FOUND_VERSION), kNextVersion);
    PostMessageA(found, WM_COMMAND, IDOK, 0);
    bool progressSeen = false;
    ASSERT_TRUE(wt::WaitUntil([&] {
        progressSeen = progressSeen || DialogOf(first.Id(), IDC_UPD_STATUS);
        return !first.Running();
    }, 60000)) << "1.01 did not hand over";
    EXPECT_TRUE(progressSeen) << "no progress window";

    EXPECT_TRUE(wt::WaitUntil([&] {
        for (const auto& call : tray.calls)
            if ((call.flags & NIF_INFO) && call.info.find(kNextVersion) != std::string::npos)
                return true;
        return false;
    }, 90000)) << "no balloon of the new version";
    EXPECT_EQ(wt::ReadFileText(program), next) << "1.02 is installed";
    EXPECT_EQ(RegString(kUninstallKey, "DisplayVersion"), "1.02");
    EXPECT_FALSE(wt::FileExists(installFolder_ + "\\version.$$$"));
    EXPECT_FALSE(wt::FileExists(installFolder_ + "\\Quorvane.exe.bak"));
    char history[128] = {};
    GetPrivateProfileStringA("AutoUpdateVersion", "Version1", "", history, sizeof history, settings.c_str());
    EXPECT_STREQ(history, kNextVersion);

    std::vector<HWND> mains = wt::WindowsOfClass("Quorvane");
    ASSERT_EQ(mains.size(), 1u);
    DWORD newId = 0;
    GetWindowThreadProcessId(mains.front(), &newId);
    HWND news = nullptr;
    EXPECT_TRUE(wt::WaitUntil([&] { return (news = DialogOf(newId, IDC_NEWS_DONT_SHOW, IDC_UPD_REMOVE)); }, 20000));
    EXPECT_NE(ItemText(news, IDC_NEWS_TEXT).find("The launcher opens faster."), std::string::npos);
    PostMessageA(news, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(SiteGet(site + "/requests"), "/good/current.txt\n/good/current.txt.sig\n/good/Quorvane-1.02-setup.ex_\n");
}

} // namespace
