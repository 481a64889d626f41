// The installer and AutoUpdate.EXE under Wine, with the real programs: a silent per-user
// install and its uninstall, and the updater replacing an installed release with the next one
// (a real installer as "version.$$$"), or leaving the program as it was when that fails.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane";
const char kRunKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kEmulationKey[] = "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

// A folder of the build, named by the test runner with its Unix path.
std::string BuildFolder(const char* variable)
{
    const char* unix = std::getenv(variable);
    if (!unix || !*unix)
        return std::string();
    std::string path = std::string("Z:") + unix;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool ReadRegString(const char* key, const char* name, std::string* value)
{
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return false;
    if (value)
        *value = buffer;
    return true;
}

bool KeyExists(const char* key)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

void WriteRegString(const char* key, const char* name, const std::string& value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

// Relative path -> size of every file under folder.
std::map<std::string, unsigned long long> FilesUnder(const std::string& folder, const std::string& prefix = "")
{
    std::map<std::string, unsigned long long> files;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return files;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            for (const auto& entry : FilesUnder(folder + "\\" + name, prefix + name + "\\"))
                files.insert(entry);
        } else {
            files[prefix + name] = (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return files;
}

DWORD RunProgram(const std::string& commandLine, DWORD timeoutMs = 60000)
{
    wt::Child child;
    if (!child.Start(commandLine))
        return 0xDEAD;
    DWORD code = 0xDEAD;
    if (!child.WaitExit(timeoutMs, &code))
        return 0xBEEF;
    return code;
}

// A message box of a process: its text, and OK pressed.
std::string AnswerMessageBox(DWORD processId, DWORD timeoutMs = 20000)
{
    HWND box = nullptr;
    wt::WaitUntil([&] {
        for (HWND w : wt::WindowsOfProcess(processId)) {
            char name[32] = {};
            GetClassNameA(w, name, sizeof name);
            if (std::string(name) == "#32770" && IsWindowVisible(w))
                box = w;
        }
        return box != nullptr;
    }, timeoutMs);
    if (!box)
        return "<no message box>";
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        char buffer[2048] = {};
        GetWindowTextA(child, buffer, sizeof buffer);
        if (std::string(name) == "Static" && std::string(buffer).size() > text.size())
            text = buffer;
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
}

void EndProcessesOfClass(const char* className)
{
    for (HWND w : wt::WindowsOfClass(className)) {
        DWORD id = 0;
        GetWindowThreadProcessId(w, &id);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (process) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
}

class Installer : public testing::Test {
protected:
    void SetUp() override
    {
        packages_ = BuildFolder("QV_PACKAGE_DIR");
        release102_ = BuildFolder("QV_RELEASE102_DIR");
        ASSERT_FALSE(packages_.empty()) << "QV_PACKAGE_DIR names the folder of the installer";
        installFolder_ = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Quorvane";
        shortcut_ = ShellFolder(CSIDL_PROGRAMS) + "\\Quorvane.lnk";
        dataFolder_ = wt::AppDataFolder() + "\\Quorvane";
        CleanUp();
    }
    void TearDown() override
    {
        EndProcessesOfClass("Quorvane");
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
    std::string Files(const std::string& folder, const char* release) const
    {
        return folder + "\\Quorvane-" + release + "-files";
    }

    // Runs the uninstaller, which copies itself away and returns at once: done when its
    // entry is gone.
    bool Uninstall(const std::string& folder, const std::string& options)
    {
        if (RunProgram("\"" + folder + "\\uninstall.exe\" /S " + options) != 0)
            return false;
        return wt::WaitUntil([&] { return !KeyExists(kUninstallKey) && !wt::FileExists(folder + "\\uninstall.exe"); },
                             30000);
    }

    std::string packages_, release102_, installFolder_, shortcut_, dataFolder_;
};

// Install for the user alone, then uninstall: every file the package holds lands in the
// program's folder, the Start menu and the installed-programs list know it, and the
// uninstaller takes all of it away again, with the run-at-logon value, leaving the user's
// settings unless asked to take them too.
TEST_F(Installer, InstallsPerUserAndUninstallsWithoutTrace)
{
    ASSERT_TRUE(wt::FileExists(Setup("1.01"))) << Setup("1.01");
    ASSERT_EQ(RunProgram("\"" + Setup("1.01") + "\" /S"), 0u);

    std::map<std::string, unsigned long long> packaged = FilesUnder(Files(packages_, "1.01"));
    std::map<std::string, unsigned long long> installed = FilesUnder(installFolder_);
    for (const char* name : {"Quorvane.exe", "AutoUpdate.EXE", "notify.wav"})
        EXPECT_EQ(packaged.count(name), 1u) << name;
    for (const auto& [name, size] : packaged) {
        ASSERT_EQ(installed.count(name), 1u) << name << " is not installed";
        EXPECT_EQ(installed[name], size) << name;
    }
    EXPECT_EQ(installed.count("uninstall.exe"), 1u);
    EXPECT_TRUE(wt::FileExists(shortcut_)) << shortcut_;

    std::string value;
    ASSERT_TRUE(ReadRegString(kUninstallKey, "DisplayName", &value));
    EXPECT_EQ(value, "Quorvane");
    ASSERT_TRUE(ReadRegString(kUninstallKey, "DisplayVersion", &value));
    EXPECT_EQ(value, "1.01");
    ASSERT_TRUE(ReadRegString(kUninstallKey, "InstallLocation", &value));
    EXPECT_EQ(lstrcmpiA(value.c_str(), installFolder_.c_str()), 0) << value;
    ASSERT_TRUE(ReadRegString(kUninstallKey, "UninstallString", &value));
    EXPECT_NE(value.find(installFolder_ + "\\uninstall.exe"), std::string::npos) << value;

    // What a run of the program leaves: settings, the run-at-logon value, the browser
    // emulation value, update files beside the program.
    CreateDirectoryA(dataFolder_.c_str(), nullptr);
    ASSERT_TRUE(wt::WriteFileText(dataFolder_ + "\\Quorvane.INI", "[Options]\r\nLanguage=2\r\n"));
    WriteRegString(kRunKey, "Quorvane", installFolder_ + "\\Quorvane.exe");
    DWORD emulation = 11000;
    RegSetKeyValueA(HKEY_CURRENT_USER, kEmulationKey, "Quorvane.exe", REG_DWORD, &emulation, sizeof emulation);
    WriteRegString("SoftWare\\Quorvane\\MiniBrowser\\TypedURLs", "url1", "http://example.org/");
    for (const char* name : {"current.txt", "version.$$$", "version._$$", "Quorvane.ini", "Quorvane.exe.bak"})
        wt::WriteFileText(installFolder_ + "\\" + name, "x");

    ASSERT_TRUE(Uninstall(installFolder_, ""));
    EXPECT_FALSE(wt::FileExists(installFolder_)) << "left: " << FilesUnder(installFolder_).size() << " files";
    EXPECT_FALSE(wt::FileExists(shortcut_));
    EXPECT_FALSE(ReadRegString(kRunKey, "Quorvane", nullptr));
    EXPECT_NE(RegGetValueA(HKEY_CURRENT_USER, kEmulationKey, "Quorvane.exe", RRF_RT_ANY, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(kUninstallKey));
    EXPECT_TRUE(wt::FileExists(dataFolder_ + "\\Quorvane.INI")) << "the settings were kept";
    EXPECT_TRUE(KeyExists("SoftWare\\Quorvane\\MiniBrowser\\TypedURLs"));

    // Again into a folder with blanks (as the updater passes it), and this time the settings go.
    const std::string custom = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\My Tools\\Quorvane Test";
    ASSERT_EQ(RunProgram("\"" + Setup("1.01") + "\" /S /D=" + custom), 0u);
    EXPECT_TRUE(wt::FileExists(custom + "\\Quorvane.exe"));
    EXPECT_FALSE(wt::FileExists(installFolder_ + "\\Quorvane.exe"));
    ASSERT_TRUE(ReadRegString(kUninstallKey, "InstallLocation", &value));
    EXPECT_EQ(value, custom);
    ASSERT_TRUE(Uninstall(custom, "/KEEPSETTINGS=0"));
    EXPECT_FALSE(wt::FileExists(custom));
    EXPECT_FALSE(wt::FileExists(dataFolder_)) << "asked to, the uninstaller removes the settings";
    EXPECT_FALSE(KeyExists("SoftWare\\Quorvane"));
    RemoveDirectoryA((ShellFolder(CSIDL_LOCAL_APPDATA) + "\\My Tools").c_str());
}

// The road of an update after the download: the running 1.01 hands over to AutoUpdate.EXE,
// which waits for it to end, runs the real 1.02 installer silently over it and starts the new
// program with "/AU", which says so in its balloon.
TEST_F(Installer, UpdaterInstallsTheNextReleaseAndRestartsIt)
{
    ASSERT_FALSE(release102_.empty()) << "QV_RELEASE102_DIR names the folder of release 1.02";
    ASSERT_EQ(RunProgram("\"" + Setup("1.01") + "\" /S"), 0u);
    const std::string program = installFolder_ + "\\Quorvane.exe";
    const std::string old = wt::ReadFileText(program);
    const std::string next = wt::ReadFileText(Files(release102_, "1.02") + "\\Quorvane.exe");
    ASSERT_FALSE(next.empty());
    ASSERT_NE(old, next);
    ASSERT_TRUE(CopyFileA((release102_ + "\\Quorvane-1.02-setup.exe").c_str(),
                          (installFolder_ + "\\version.$$$").c_str(), FALSE));

    wt::FakeTray tray;
    ASSERT_TRUE(tray.Ok());
    wt::Child running;
    ASSERT_TRUE(running.Start("\"" + program + "\""));
    HWND main = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] {
        for (HWND w : wt::WindowsOfProcess(running.Id())) {
            char name[32] = {};
            GetClassNameA(w, name, sizeof name);
            if (std::string(name) == "Quorvane")
                main = w;
        }
        return main != nullptr;
    }, 20000));

    // Run by hand while the program runs, the silent installer refuses and touches nothing.
    EXPECT_EQ(RunProgram("\"" + installFolder_ + "\\version.$$$\" /S"), 3u);
    EXPECT_EQ(wt::ReadFileText(program), old);

    wt::Child updater;
    ASSERT_TRUE(updater.Start("\"" + installFolder_ + "\\AutoUpdate.EXE\" version.$$$,Quorvane.exe"));
    wt::PumpMessages(2000);
    EXPECT_TRUE(updater.Running()) << "the updater waits while the program runs";
    EXPECT_EQ(wt::ReadFileText(program), old) << "nothing is installed under the running program";

    PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    ASSERT_TRUE(running.WaitExit(20000));
    DWORD code = 0xDEAD;
    ASSERT_TRUE(updater.WaitExit(90000, &code));
    EXPECT_EQ(code, 0u);

    EXPECT_EQ(wt::ReadFileText(program), next) << "1.02 replaced 1.01";
    EXPECT_TRUE(wt::FileExists(installFolder_ + "\\AutoUpdate.EXE"));
    EXPECT_FALSE(wt::FileExists(installFolder_ + "\\version.$$$"));
    EXPECT_FALSE(wt::FileExists(installFolder_ + "\\Quorvane.exe.bak"));
    std::string value;
    ASSERT_TRUE(ReadRegString(kUninstallKey, "DisplayVersion", &value));
    EXPECT_EQ(value, "1.02");

    // Started with "/AU", the new program announces its version.
    bool announced = wt::WaitUntil([&] {
        for (const auto& call : tray.calls) {
            if ((call.flags & NIF_INFO) && call.info.find("1.02") != std::string::npos)
                return true;
        }
        return false;
    }, 30000);
    EXPECT_TRUE(announced) << "no balloon naming 1.02";
    EXPECT_EQ(wt::WindowsOfClass("Quorvane").size(), 1u);
}

// Stand-ins for the program and its installer (tests/installer/updater_standin.cpp) in a
// folder of their own: what the updater does when the installer is missing, fails, or when
// it is asked to use a file outside its folder.
class Updater : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = wt::ProgramFolder() + "update test";
        wt::DeleteTree(folder_);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        const std::string bin = BuildFolder("QV_BINDIR");
        ASSERT_TRUE(CopyFileA((bin + "\\AutoUpdate.EXE").c_str(), Path("AutoUpdate.EXE").c_str(), FALSE)) << bin;
        ASSERT_TRUE(CopyFileA((wt::ProgramFolder() + "updater_standin.exe").c_str(), Path("Quorvane.exe").c_str(), FALSE));
        program_ = wt::ReadFileText(Path("Quorvane.exe"));
        ASSERT_FALSE(program_.empty());
    }
    void TearDown() override { wt::DeleteTree(folder_); }

    std::string Path(const char* name) const { return folder_ + "\\" + name; }
    // Runs the updater; answers its message box when it shows one.
    DWORD Update(const std::string& parameters, std::string* message)
    {
        wt::Child updater;
        if (!updater.Start("\"" + Path("AutoUpdate.EXE") + "\" " + parameters))
            return 0xDEAD;
        *message = AnswerMessageBox(updater.Id());
        DWORD code = 0xDEAD;
        updater.WaitExit(30000, &code);
        return code;
    }
    std::string Started() const { return wt::ReadFileText(Path("started.txt")); }

    std::string folder_, program_;
};

TEST_F(Updater, LeavesTheProgramAsItWasWhenTheInstallerIsMissingOrFails)
{
    const bool french = std::getenv("QV_EXPECT") && std::string(std::getenv("QV_EXPECT")) == "fr";
    std::string message;

    // No download: the program is started again as it was, without "/AU".
    EXPECT_NE(Update("version.$$$,Quorvane.exe", &message), 0u);
    EXPECT_NE(message.find("version.$$$"), std::string::npos) << message;
    EXPECT_NE(message.find(french ? "introuvable" : "was not found"), std::string::npos) << message;
    EXPECT_TRUE(wt::WaitUntil([&] { return !Started().empty(); }, 10000));
    EXPECT_EQ(Started().find("/AU"), std::string::npos) << Started();
    EXPECT_EQ(wt::ReadFileText(Path("Quorvane.exe")), program_);
    if (french)
        return;   // the other roads speak the same language

    // An installer that spoils the program file and fails: the program is put back, the
    // download goes (it would fail again), the old program starts.
    DeleteFileA(Path("started.txt").c_str());
    ASSERT_TRUE(CopyFileA((wt::ProgramFolder() + "updater_standin.exe").c_str(), Path("version.$$$").c_str(), FALSE));
    ASSERT_TRUE(wt::WriteFileText(Path("standin-installer.txt"), "fail"));
    EXPECT_NE(Update("version.$$$,Quorvane.exe", &message), 0u);
    EXPECT_NE(message.find("exit code 2"), std::string::npos) << message;
    const std::string ran = wt::ReadFileText(Path("installer-ran.txt"));
    EXPECT_NE(ran.find("/S /D=" + folder_), std::string::npos) << ran;
    EXPECT_EQ(wt::ReadFileText(Path("Quorvane.exe")), program_) << "the program was put back";
    EXPECT_FALSE(wt::FileExists(Path("version.$$$")));
    EXPECT_FALSE(wt::FileExists(Path("Quorvane.exe.bak")));
    EXPECT_TRUE(wt::WaitUntil([&] { return !Started().empty(); }, 10000));
    EXPECT_EQ(Started().find("/AU"), std::string::npos) << Started();

    // A name outside the folder: nothing is run, nothing is started.
    DeleteFileA(Path("started.txt").c_str());
    ASSERT_TRUE(CopyFileA((wt::ProgramFolder() + "updater_standin.exe").c_str(), Path("version.$$$").c_str(), FALSE));
    DeleteFileA(Path("installer-ran.txt").c_str());
    for (const char* parameters : {"..\\version.$$$,Quorvane.exe", "version.$$$,C:\\windows\\notepad.exe", ""}) {
        EXPECT_NE(Update(parameters, &message), 0u) << parameters;
        EXPECT_NE(message.find("AutoUpdate"), std::string::npos) << message;
    }
    // While another updater works, a second one leaves it alone, silently.
    HANDLE other = CreateMutexA(nullptr, FALSE, "Local\\QuorvaneAutoUpdate");
    wt::Child second;
    ASSERT_TRUE(second.Start("\"" + Path("AutoUpdate.EXE") + "\" version.$$$,Quorvane.exe"));
    DWORD code = 0;
    EXPECT_TRUE(second.WaitExit(10000, &code));
    EXPECT_EQ(code, 100u);
    CloseHandle(other);

    wt::PumpMessages(500);
    EXPECT_FALSE(wt::FileExists(Path("installer-ran.txt")));
    EXPECT_TRUE(Started().empty());
    EXPECT_TRUE(wt::FileExists(Path("version.$$$")));
}

} // namespace

namespace {

// The release the tests' update site offers (tests/installer/Quorvane102.rc).
const char kNextVersion[] = "1.02 08-12-2026";

// A top-level window of the process holding a control with the given id, and none with the
// id that must be absent (0: no such condition).
HWND DialogOf(DWORD processId, int withItem, int withoutItem = 0)
{
    for (HWND w : wt::WindowsOfProcess(processId)) {
        if (IsWindowVisible(w) && GetDlgItem(w, withItem) && !(withoutItem && GetDlgItem(w, withoutItem)))
            return w;
    }
    return nullptr;
}

std::string ItemText(HWND dialog, int id)
{
    char text[4096] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A control path of the update site (tests/support/update_site_peer.py), fetched fresh.
std::string HttpGet(const std::string& address)
{
    std::string answer;
    if (HINTERNET session = InternetOpenA("road test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)) {
        if (HINTERNET request = InternetOpenUrlA(session, address.c_str(), nullptr, 0,
                                                 INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)) {
            char buffer[4096];
            DWORD got = 0;
            while (InternetReadFile(request, buffer, sizeof buffer, &got) && got > 0)
                answer.append(buffer, got);
            InternetCloseHandle(request);
        }
        InternetCloseHandle(session);
    }
    return answer;
}

class Road : public Installer {};

// The whole road with the real programs: Quorvane 1.01, installed by the real installer,
// checks the update site on loopback, finds 1.02, asks with dialog 174, downloads it with its
// progress window, expands and verifies it, and hands over to AutoUpdate.EXE, which runs the
// real 1.02 installer silently and starts the new program with "/AU"; it announces itself,
// records the update in its history and shows the news.
TEST_F(Road, InstalledProgramUpdatesItselfFromTheSite)
{
    const char* site = std::getenv("QV_UPDATE_SITE");
    ASSERT_TRUE(site && *site) << "no update site runs beside the test (QV_UPDATE_SITE)";
    ASSERT_EQ(RunProgram("\"" + Setup("1.01") + "\" /S"), 0u);
    const std::string program = installFolder_ + "\\Quorvane.exe";
    const std::string next = wt::ReadFileText(Files(release102_, "1.02") + "\\Quorvane.exe");
    ASSERT_FALSE(next.empty());
    ASSERT_NE(wt::ReadFileText(program), next);

    CreateDirectoryA(dataFolder_.c_str(), nullptr);
    const std::string settings = dataFolder_ + "\\Quorvane.INI";
    ASSERT_TRUE(wt::WriteFileText(settings, std::string("[Options]\r\nWelCome=1\r\nLanguage=2\r\n") +
                                                "[AutoUpdate]\r\nUrl=" + site + "/road\r\nAutoInstall=1\r\n"
                                                "ShowNews=1\r\nCheckEvery=0\r\n"));
    HttpGet(std::string(site) + "/reset");

    wt::FakeTray tray;
    ASSERT_TRUE(tray.Ok());
    wt::Child first;
    ASSERT_TRUE(first.Start("\"" + program + "\""));
    HWND main = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] {
        main = nullptr;
        for (HWND w : wt::WindowsOfClass("Quorvane"))
            main = w;
        return main != nullptr;
    }, 20000));
    PostMessageA(main, WM_COMMAND, IDM_CHECK_UPDATES, 0);

    // Dialog 174 (the news window has the same two fields, and a check box this one lacks).
    HWND found = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] { return (found = DialogOf(first.Id(), IDC_UPD_FOUND_SIZE, IDC_NEWS_DONT_SHOW)) != nullptr; },
                              30000)) << "no dialog 174";
    EXPECT_EQ(ItemText(found, IDC_UPD_FOUND_VERSION), kNextVersion);
    EXPECT_NE(ItemText(found, IDC_UPD_FOUND_SIZE).find("KB"), std::string::npos);
    Press(found, IDOK);

    // The download with its progress window, then the hand-over: the first program ends.
    bool progressSeen = false;
    bool ended = wt::WaitUntil([&] {
        if (DialogOf(first.Id(), IDC_UPD_STATUS))
            progressSeen = true;
        return !first.Running();
    }, 60000);
    ASSERT_TRUE(ended) << "1.01 did not hand over";
    EXPECT_TRUE(progressSeen) << "no progress window";

    // AutoUpdate.EXE installs 1.02 and starts it with "/AU": its balloon names the version.
    bool announced = wt::WaitUntil([&] {
        for (const auto& call : tray.calls) {
            if ((call.flags & NIF_INFO) && call.info.find(kNextVersion) != std::string::npos)
                return true;
        }
        return false;
    }, 90000);
    EXPECT_TRUE(announced) << "no balloon of the new version";
    EXPECT_EQ(wt::ReadFileText(program), next) << "1.02 is installed";
    std::string value;
    ASSERT_TRUE(ReadRegString(kUninstallKey, "DisplayVersion", &value));
    EXPECT_EQ(value, "1.02");
    EXPECT_FALSE(wt::FileExists(installFolder_ + "\\version.$$$"));
    EXPECT_FALSE(wt::FileExists(installFolder_ + "\\Quorvane.exe.bak"));

    char history[128] = {};
    GetPrivateProfileStringA("AutoUpdateVersion", "Version1", "", history, sizeof history, settings.c_str());
    EXPECT_STREQ(history, kNextVersion);

    // The new program runs, and shows the news of the site.
    std::vector<HWND> mains = wt::WindowsOfClass("Quorvane");
    ASSERT_EQ(mains.size(), 1u);
    DWORD newId = 0;
    GetWindowThreadProcessId(mains.front(), &newId);
    EXPECT_NE(newId, first.Id());
    HWND news = nullptr;
    EXPECT_TRUE(wt::WaitUntil([&] { return (news = DialogOf(newId, IDC_NEWS_DONT_SHOW, IDC_UPD_REMOVE)) != nullptr; },
                              20000)) << "no news window";
    if (news) {
        EXPECT_NE(ItemText(news, IDC_NEWS_TEXT).find("The launcher opens faster."), std::string::npos);
        Press(news, IDOK);
    }
    EXPECT_EQ(HttpGet(std::string(site) + "/requests"),
              "/road/current.txt\n/road/current.txt.sig\n/road/Quorvane-1.02-setup.ex_\n");
}

} // namespace
