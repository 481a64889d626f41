// The auto-update in the running program (inside the test process) against update sites served
// on loopback (tests/update/make-update-site.sh, signed with the build's test key). A stand-in
// copied to "AutoUpdate.EXE" beside the program logs how it was started.
#include <windows.h>
#include <commctrl.h>
#include <wininet.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/AboutDialog_win.h"
#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"
#include "tests/support/WineTestUtil.h"
#include "tests/translator/ModalScript_win.h"
#include "update/UpdateDialogs_win.h"
#include "update/UpdateExpand_win.h"
#include "update/UpdateFetch_win.h"
#include "update/UpdateManager_win.h"

namespace {

using tt::Click;
using tt::DialogWithItem;
using tt::ItemString;
using tt::ModalScript;

const char kOwnVersion[] = "1.01 03-05-2004";
const char kNewVersion[] = "1.02 14-06-2004";

std::string Env(const char* name)
{
    char value[1024] = {};
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n && n < sizeof value ? std::string(value) : std::string();
}

// A GET through WinINet with the test's own handles: the site's record of requests.
std::string Get(const std::string& address)
{
    std::string body;
    HINTERNET session = InternetOpenA("QvTest", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!session)
        return body;
    if (HINTERNET request = InternetOpenUrlA(session, address.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0)) {
        char chunk[4096];
        DWORD read = 0;
        while (InternetReadFile(request, chunk, sizeof chunk, &read) && read)
            body.append(chunk, read);
        InternetCloseHandle(request);
    }
    InternetCloseHandle(session);
    return body;
}

// With QV_UPDATE_SHOW_MS set, a dialog stays that long before the script answers it, so that it
// can be looked at (screenshots of the display).
void Linger()
{
    static const int ms = std::atoi(Env("QV_UPDATE_SHOW_MS").c_str());
    if (ms > 0)
        wt::PumpMessages(static_cast<DWORD>(ms));
}

// A visible message box of this thread showing the string.
HWND MessageBoxOf(UINT id)
{
    return tt::MessageBoxShowing(LoadText(id, 255));
}

bool AnswerMessageBox(UINT id, int button = IDOK)
{
    HWND box = MessageBoxOf(id);
    if (!box)
        return false;
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    return true;
}

bool HasStaticText(HWND dialog, const std::string& text)
{
    for (HWND child : tt::ChildWindows(dialog))
        if (tt::WindowString(child) == text)
            return true;
    return false;
}

// Watches the progress window from another thread while the program's thread is busy with a
// download (it then runs only that window's messages, so a timer of the test would not fire).
class ProgressWatcher {
public:
    // cancel: presses the window's Cancel button once the download shows its bar.
    explicit ProgressWatcher(bool cancel = false)
        : owner_(GetCurrentThreadId()), cancel_(cancel), thread_([this] { Run(); }) {}
    ~ProgressWatcher()
    {
        stop_ = true;
        thread_.join();
    }
    ProgressWatcher(const ProgressWatcher&) = delete;
    ProgressWatcher& operator=(const ProgressWatcher&) = delete;

    std::atomic<bool> seen{false};
    std::atomic<bool> topmost{false};
    std::atomic<bool> barShown{false};
    std::atomic<bool> downloadStatus{false};
    std::atomic<bool> versionShown{false};
    std::atomic<bool> cancelled{false};
    std::atomic<DWORD> cancelTick{0};

private:
    static std::string TextOf(HWND window)
    {
        char text[256] = {};
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 200,
                            &result);
        return text;
    }

    void Run()
    {
        while (!stop_) {
            for (HWND window : OwnerWindows()) {
                HWND status = GetDlgItem(window, IDC_UPD_STATUS);
                if (!status || !IsWindowVisible(window))
                    continue;
                seen = true;
                if (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST)
                    topmost = true;
                if (IsWindowVisible(GetDlgItem(window, IDC_UPD_PROGRESS))) {
                    barShown = true;
                    if (cancel_ && !cancelled) {
                        cancelled = true;
                        cancelTick = GetTickCount();
                        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                    }
                }
                if (TextOf(status).find("Download new version...") == 0)
                    downloadStatus = true;
                if (IsWindowVisible(GetDlgItem(window, IDC_UPD_VERSION)) &&
                    TextOf(GetDlgItem(window, IDC_UPD_VERSION)) == kNewVersion)
                    versionShown = true;
            }
            Sleep(10);
        }
    }

    std::vector<HWND> OwnerWindows() const
    {
        std::vector<HWND> windows;
        EnumThreadWindows(owner_, tt::CollectWindow, reinterpret_cast<LPARAM>(&windows));
        return windows;
    }

    DWORD owner_;
    bool cancel_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class UpdateWin : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        site_ = Env("QV_UPDATE_SITE");
        ASSERT_FALSE(site_.empty()) << "no update site runs beside the test (QV_UPDATE_SITE)";
        files_ = UpdateFilesIn(wt::ProgramFolder());
        DeleteUpdateFiles();
        log_ = wt::ProgramFolder() + "autoupdate.log";
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("QV_STANDIN_LOG", log_.c_str());
        ASSERT_TRUE(CopyFileA((wt::ProgramFolder() + "standin_browser.exe").c_str(), files_.updater.c_str(), FALSE));
        SetUpdateFetchTimeoutForTests(3000);
        SetNewsSecondForTests(20);
        Get(site_ + "/reset");
    }

    void TearDown() override
    {
        AppHarness::TearDown();
        wt::WaitUntil([] {
            for (HWND w : wt::WindowsOfClass("QvStandInBrowser"))
                PostMessageA(w, WM_CLOSE, 0, 0);
            return wt::WindowsOfClass("QvStandInBrowser").empty();
        }, 5000);
        DeleteUpdateFiles();
        DeleteFileA(files_.updater.c_str());
        DeleteFileA(log_.c_str());
        SetUpdateFetchTimeoutForTests(0);
        SetNewsSecondForTests(0);
        Updates() = UpdateManager();
    }

    void DeleteUpdateFiles()
    {
        for (const std::string* path : {&files_.description, &files_.signedDescription, &files_.signature,
                                        &files_.installer, &files_.compressed})
            DeleteFileA(path->c_str());
    }

    // language: 1 French, 2 English; more: further lines of section AutoUpdate.
    void StartProgram(int language, const std::string& variant, const std::string& more = "")
    {
        CreateDirectoryA(dataFolder_.c_str(), nullptr);
        std::string ini = "[Options]\r\nWelCome=1\r\nLanguage=" + std::to_string(language) + "\r\n" +
                          "[AutoUpdate]\r\nUrl=" + site_ + "/" + variant + "\r\n" + more;
        wt::WriteFileText(SettingsFile(), ini);
        ASSERT_TRUE(Start());
    }

    void UseSite(const std::string& variant) { Updates().settings.Url = site_ + "/" + variant; }

    std::string Requests() { return Get(site_ + "/requests"); }
    bool UpdaterRan() const { return wt::FileExists(log_); }
    std::string UpdaterLog() const { return wt::ReadFileText(log_); }
    bool AnyUpdateFile() const
    {
        for (const std::string* path : {&files_.description, &files_.signedDescription, &files_.signature,
                                        &files_.installer, &files_.compressed})
            if (wt::FileExists(*path))
                return true;
        return false;
    }

    // Runs the manual check; found: answer dialog 174 with OK; then answer the message box.
    void CheckExpectingMessage(bool found, UINT message)
    {
        ModalScript script;
        if (found)
            script.Then([] {
                HWND dialog = DialogWithItem(IDC_UPD_FOUND_SIZE);
                if (!dialog)
                    return false;
                Click(dialog, IDOK);
                return true;
            });
        script.Then([message] { return AnswerMessageBox(message); });
        script.Run([] {
            CheckForUpdates(Windows().main, kOwnVersion);
            return INT_PTR(0);
        }, 60000);
    }

    std::string site_;
    std::string log_;
    UpdateFiles files_;
};

// Fails the test and cancels any dialog of the thread that comes up while it runs.
class NoDialogGuard {
public:
    explicit NoDialogGuard(bool armed = true)
    {
        timer_ = SetTimer(nullptr, 0, 50, Tick);
        Seen() = false;
        Armed() = armed;
    }
    ~NoDialogGuard() { KillTimer(nullptr, timer_); }
    NoDialogGuard(const NoDialogGuard&) = delete;
    NoDialogGuard& operator=(const NoDialogGuard&) = delete;
    static bool& Seen()
    {
        static bool seen = false;
        return seen;
    }

    static bool& Armed()
    {
        static bool armed = true;
        return armed;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (!Armed())
            return;
        for (HWND window : tt::ThreadWindows())
            if (tt::IsDialogWindow(window) && IsWindowVisible(window) && !GetDlgItem(window, IDC_UPD_STATUS)) {
                Seen() = true;
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            }
    }
    UINT_PTR timer_ = 0;
};

TEST_F(UpdateWin, FoundDownloadExpandVerifyAndHandOverInEnglish)
{
    StartProgram(2, "slow/good");
    HWND main = Windows().main;
    ProgressWatcher watcher;
    ModalScript script;
    script
        .Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_FOUND_SIZE);
            if (!dialog)
                return false;
            EXPECT_EQ(ItemString(dialog, IDC_UPD_FOUND_VERSION), kNewVersion);
            EXPECT_EQ(ItemString(dialog, IDC_UPD_FOUND_SIZE), "6 KB");
            EXPECT_TRUE(HasStaticText(dialog, "The following updates are available on the internet."));
            EXPECT_EQ(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CAPTION, LONG_PTR(0)) << "skinned, no system caption";
            Linger();
            Click(dialog, IDOK);
            return true;
        })
        .Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_REMOVE);
            if (!dialog)
                return false;
            EXPECT_EQ(ItemString(dialog, IDC_UPD_VERSION), kNewVersion);
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_UPD_AUTO_INSTALL, BM_GETCHECK, 0, 0), BST_UNCHECKED);
            EXPECT_EQ(DialogWithItem(IDC_UPD_STATUS), nullptr) << "the progress window is gone before the question";
            Linger();
            Click(dialog, IDOK);
            return true;
        });
    script.Run([main] {
        CheckForUpdates(main, kOwnVersion);
        return INT_PTR(0);
    }, 60000);

    // Handed over: the updater got the installer and the program's own name, the program ended.
    ASSERT_TRUE(wt::WaitUntil([this] { return UpdaterLog().find("version.$$$,update_wintests.exe") != std::string::npos; }));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(FileSizeOf(files_.installer), std::stoll(Env("QV_UPDATE_EXPANDED_SIZE")));
    EXPECT_FALSE(wt::FileExists(files_.compressed));
    char size[32] = {};
    GetPrivateProfileStringA("Version", "Size1", "", size, sizeof size, files_.description.c_str());
    EXPECT_EQ(std::string(size), Env("QV_UPDATE_EXPANDED_SIZE")) << "Size1 holds the expanded size";
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "Version1"), kNewVersion);
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "VersionDate1").size(), 8u);
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "VersionTime1").size(), 5u);
    EXPECT_EQ(Requests(), "/slow/good/current.txt\n/slow/good/current.txt.sig\n/slow/good/quorvane-102.ex_\n");
    EXPECT_TRUE(watcher.seen);
    EXPECT_TRUE(watcher.topmost);
    EXPECT_TRUE(watcher.barShown);
    EXPECT_TRUE(watcher.downloadStatus);
    EXPECT_TRUE(watcher.versionShown);
}

TEST_F(UpdateWin, FoundDialogInFrenchAndCancelDownloadsNothing)
{
    StartProgram(1, "good");
    ModalScript script;
    script.Then([] {
        HWND dialog = DialogWithItem(IDC_UPD_FOUND_SIZE);
        if (!dialog)
            return false;
        EXPECT_EQ(ItemString(dialog, IDC_UPD_FOUND_SIZE), "6 Ko");
        EXPECT_TRUE(HasStaticText(dialog, "Les mises \xE0 jour suivantes sont disponibles sur Internet."));
        EXPECT_EQ(ItemString(dialog, IDCANCEL), "Annuler");
        Linger();
        Click(dialog, IDCANCEL);
        return true;
    });
    script.Run([] {
        CheckForUpdates(Windows().main, kOwnVersion);
        return INT_PTR(0);
    });
    EXPECT_TRUE(IsWindow(Windows().main));
    EXPECT_FALSE(wt::FileExists(files_.installer));
    EXPECT_EQ(Requests(), "/good/current.txt\n/good/current.txt.sig\n");
    EXPECT_FALSE(UpdaterRan());
}

TEST_F(UpdateWin, CancelDuringTheDownloadEndsItQuietly)
{
    StartProgram(2, "slow/good");
    ProgressWatcher watcher(true);
    NoDialogGuard guard(false);
    ModalScript script;
    script.Then([] {
        HWND dialog = DialogWithItem(IDC_UPD_FOUND_SIZE);
        if (!dialog)
            return false;
        Click(dialog, IDOK);
        NoDialogGuard::Armed() = true;   // from here on no dialog may come
        return true;
    });
    script.Run([] {
        CheckForUpdates(Windows().main, kOwnVersion);
        return INT_PTR(0);
    }, 60000);
    ASSERT_TRUE(watcher.cancelled);
    EXPECT_LT(GetTickCount() - watcher.cancelTick, 1500u) << "the cancel takes effect at once";
    EXPECT_FALSE(NoDialogGuard::Seen()) << "a cancel is no failure to report";
    EXPECT_FALSE(wt::FileExists(files_.installer));
    EXPECT_FALSE(wt::FileExists(files_.compressed));
    EXPECT_FALSE(UpdaterRan());
    EXPECT_TRUE(IsWindow(Windows().main));
}

TEST_F(UpdateWin, WaitingUpdateIsAskedForAgainRemovedOrRefusedWhenTampered)
{
    StartProgram(1, "good");
    const char* own = kOwnVersion;
    // Download, then "Later" in French.
    ModalScript later;
    later.Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_FOUND_SIZE);
            if (!dialog)
                return false;
            Click(dialog, IDOK);
            return true;
        })
        .Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_REMOVE);
            if (!dialog)
                return false;
            EXPECT_EQ(ItemString(dialog, IDOK), "&Installer");
            EXPECT_EQ(ItemString(dialog, IDCANCEL), "&Plus tard");
            Linger();
            Click(dialog, IDCANCEL);
            return true;
        });
    later.Run([own] {
        CheckForUpdates(Windows().main, own);
        return INT_PTR(0);
    }, 60000);
    ASSERT_TRUE(IsUpdateReady(own));

    // At the launcher's first opening: asked again; "Remove..." confirmed deletes the files.
    ModalScript remove;
    remove.Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_REMOVE);
            if (!dialog)
                return false;
            SendDlgItemMessageA(dialog, IDC_UPD_AUTO_INSTALL, BM_SETCHECK, BST_CHECKED, 0);
            Click(dialog, IDC_UPD_REMOVE);
            return true;
        })
        .Then([] { return AnswerMessageBox(IDS_UPDATE_CONFIRM_REMOVE, IDYES); });
    remove.Run([own] { return INT_PTR(InstallWaitingUpdate(own) ? 1 : 0); });
    EXPECT_FALSE(wt::FileExists(files_.installer));
    EXPECT_FALSE(wt::FileExists(files_.description));
    EXPECT_EQ(ReadSetting("AutoUpdate", "AutoInstall"), "1") << "the check box is saved however the dialog ends";
    EXPECT_FALSE(UpdaterRan());

    // Downloaded again with AutoInstall on (a manual check still asks with 174), then the
    // installer is changed on disk: refused before anything runs.
    ModalScript again;
    again.Then([] {
        HWND dialog = DialogWithItem(IDC_UPD_FOUND_SIZE);
        if (!dialog)
            return false;
        Click(dialog, IDOK);
        return true;
    });
    Updates().settings.AutoInstall = 0;
    again.Then([] {
        HWND dialog = DialogWithItem(IDC_UPD_REMOVE);
        if (!dialog)
            return false;
        Click(dialog, IDCANCEL);
        return true;
    });
    again.Run([own] {
        CheckForUpdates(Windows().main, own);
        return INT_PTR(0);
    }, 60000);
    ASSERT_TRUE(IsUpdateReady(own));
    std::string installer = wt::ReadFileText(files_.installer);
    installer[100] ^= 1;
    wt::WriteFileText(files_.installer, installer);
    ModalScript refused;
    refused.Then([] { return AnswerMessageBox(IDS_UPDATE_DOWNLOAD_FAILED); });
    refused.Run([own] { return INT_PTR(InstallWaitingUpdate(own) ? 1 : 0); });
    EXPECT_FALSE(AnyUpdateFile());
    EXPECT_FALSE(UpdaterRan());
    EXPECT_TRUE(IsWindow(Windows().main));
}

TEST_F(UpdateWin, RefusalsShowTheirMessageRunNothingAndLeaveNoFiles)
{
    StartProgram(2, "good");
    struct Case {
        const char* site;
        bool found;   // the description is sound: dialog 174 comes first
        UINT message;
    } cases[] = {
        {"tampered-installer", true, IDS_UPDATE_DOWNLOAD_FAILED},
        {"tampered-current", false, IDS_UPDATE_DOWNLOAD_FAILED},
        {"unsigned", false, IDS_UPDATE_DOWNLOAD_FAILED},
        {"short", true, IDS_UPDATE_DOWNLOAD_FAILED},
        {"missing-current", false, IDS_UPDATE_NO_CONNECTION},
        {"missing-installer", true, IDS_UPDATE_DOWNLOAD_FAILED},
        {"lying-szdd", true, IDS_UPDATE_DOWNLOAD_FAILED},
        {"truncated-szdd", true, IDS_UPDATE_DOWNLOAD_FAILED},
        {"silent", false, IDS_UPDATE_NO_CONNECTION},
        {"silent-installer", true, IDS_UPDATE_DOWNLOAD_FAILED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        UseSite(c.site);
        DWORD started = GetTickCount();
        CheckExpectingMessage(c.found, c.message);
        EXPECT_LT(GetTickCount() - started, 20000u) << "every wait is bounded";
        EXPECT_FALSE(AnyUpdateFile());
        EXPECT_FALSE(UpdaterRan());
        EXPECT_EQ(ReadSetting("AutoUpdateVersion", "Version1"), "<missing>");
    }
    EXPECT_TRUE(IsWindow(Windows().main));

    // A File1 that climbs out of the folder is one name on the site; nothing lands outside.
    UseSite("traversal");
    ModalScript script;
    script.Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_FOUND_SIZE);
            if (!dialog)
                return false;
            Click(dialog, IDOK);
            return true;
        })
        .Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_REMOVE);
            if (!dialog)
                return false;
            Click(dialog, IDCANCEL);
            return true;
        });
    Get(site_ + "/reset");
    script.Run([] {
        CheckForUpdates(Windows().main, kOwnVersion);
        return INT_PTR(0);
    }, 60000);
    EXPECT_NE(Requests().find("/traversal/..%5C..%5Cx.exe"), std::string::npos) << Requests();
    EXPECT_TRUE(wt::FileExists(files_.installer));
    EXPECT_FALSE(wt::FileExists(wt::ProgramFolder() + "..\\..\\x.exe"));
    EXPECT_FALSE(wt::FileExists(wt::ProgramFolder() + "x.exe"));
}

TEST_F(UpdateWin, AutomaticCheckIsSilentUnlessSomethingIsFoundAndInstallsWithoutDialogs)
{
    StartProgram(2, "same", "CheckEvery=1\r\n");
    {
        NoDialogGuard guard;
        RunDueUpdateCheck();
        EXPECT_FALSE(NoDialogGuard::Seen()) << "the latest version is not announced in automatic mode";
    }
    EXPECT_EQ(ReadSetting("AutoUpdate", "DateUpdate").size(), 8u);

    // Weekly, checked three days ago: not due, nothing fetched, and the date of that check stays
    // (were it moved on at every start, a program started daily would never check again).
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    FILETIME time = {};
    SystemTimeToFileTime(&now, &time);
    ULARGE_INTEGER ticks = {};
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    ticks.QuadPart -= 3ULL * 24 * 3600 * 10000000ULL;
    time.dwLowDateTime = ticks.LowPart;
    time.dwHighDateTime = ticks.HighPart;
    SYSTEMTIME before = {};
    FileTimeToSystemTime(&time, &before);
    char date[16] = {};
    wsprintfA(date, "%04d%02d%02d", before.wYear, before.wMonth, before.wDay);
    WritePrivateProfileStringA("AutoUpdate", "CheckEvery", "3", SettingsFile().c_str());
    WritePrivateProfileStringA("AutoUpdate", "DateUpdate", date, SettingsFile().c_str());
    LoadUpdateSettings();
    Get(site_ + "/reset");
    RunDueUpdateCheck();
    EXPECT_EQ(Requests(), "");
    EXPECT_EQ(ReadSetting("AutoUpdate", "DateUpdate"), date);

    // The manual check still says so.
    ModalScript manual;
    manual.Then([] { return AnswerMessageBox(IDS_UPDATE_UP_TO_DATE); });
    manual.Run([] {
        CheckForUpdates(Windows().main, kOwnVersion);
        return INT_PTR(0);
    });

    // AutoInstall: found, downloaded and handed over without a single dialog.
    WritePrivateProfileStringA("AutoUpdate", "CheckEvery", "1", SettingsFile().c_str());
    WritePrivateProfileStringA("AutoUpdate", "AutoInstall", "1", SettingsFile().c_str());
    WritePrivateProfileStringA("AutoUpdate", "DateUpdate", nullptr, SettingsFile().c_str());
    LoadUpdateSettings();
    UseSite("good");
    HWND main = Windows().main;
    {
        NoDialogGuard guard;
        RunDueUpdateCheck();
        EXPECT_FALSE(NoDialogGuard::Seen());
    }
    EXPECT_TRUE(wt::WaitUntil([this] { return UpdaterLog().find("version.$$$,") != std::string::npos; }));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "Version1"), kNewVersion);
    EXPECT_EQ(ReadSetting("AutoUpdate", "DateUpdate").size(), 8u);
}

TEST_F(UpdateWin, NewsWindowManualAndAutomaticInBothLanguages)
{
    wt::WriteFileText(files_.description,
                      "[Version]\r\nVersion=1.02 14-06-2004\r\nENNewsLine=2\r\nENNews1=New: signed updates.\r\n"
                      "ENNews2=Fixed: the edge.\r\nFRNewsLine=1\r\nFRNews1=Nouveau : mises \xE0 jour sign\xE9" "es.\r\n");
    StartProgram(2, "good");
    EXPECT_TRUE(NewsAvailable());
    ModalScript manual;
    manual.Then([] {
        HWND news = DialogWithItem(IDC_NEWS_TEXT);
        if (!news)
            return false;
        EXPECT_EQ(ItemString(news, IDC_NEWS_VERSION), kNewVersion);
        EXPECT_EQ(ItemString(news, IDC_NEWS_TEXT), "\r\nNew: signed updates.\r\nFixed: the edge.");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(news, IDC_UPD_PROGRESS))) << "no time-out from the about box";
        EXPECT_EQ(SendDlgItemMessageA(news, IDC_NEWS_DONT_SHOW, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        Linger();
        SendDlgItemMessageA(news, IDC_NEWS_DONT_SHOW, BM_SETCHECK, BST_CHECKED, 0);
        Click(news, IDOK);
        return true;
    });
    manual.Run([] {
        ShowNews(Windows().main, true);
        return INT_PTR(0);
    });
    EXPECT_EQ(ReadSetting("AutoUpdate", "ShowNews"), "0");
    EXPECT_FALSE(ShowNewsAfterUpdate());
    Stop();

    // French, automatic: at the bottom right, the bar counts 60 ticks and the window closes.
    StartProgram(1, "good");
    DWORD started = GetTickCount();
    ModalScript automatic;
    automatic.Then([] {
        HWND news = DialogWithItem(IDC_NEWS_TEXT);
        if (!news)
            return false;
        EXPECT_EQ(ItemString(news, IDC_NEWS_TEXT), "\r\nNouveau : mises \xE0 jour sign\xE9" "es.");
        EXPECT_EQ(ItemString(news, IDOK), "&Fermer");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(news, IDC_UPD_PROGRESS)));
        EXPECT_EQ(SendDlgItemMessageA(news, IDC_UPD_PROGRESS, PBM_GETRANGE, FALSE, 0), 60);
        RECT rect = {};
        RECT work = {};
        GetWindowRect(news, &rect);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_GT(rect.left, (work.left + work.right) / 2);
        EXPECT_GT(rect.top, (work.top + work.bottom) / 2);
        return true;
    });
    automatic.Run([] {
        ShowNews(Windows().main, false);
        return INT_PTR(0);
    });
    EXPECT_LT(GetTickCount() - started, 10000u) << "closed by itself";
    Stop();

    // 500 lines of 2000 characters: cut at 511 characters a line.
    std::string big = "[Version]\r\nVersion=1.02\r\nENNewsLine=500\r\n";
    for (int i = 1; i <= 500; ++i)
        big += "ENNews" + std::to_string(i) + "=" + std::string(2000, 'n') + "\r\n";
    wt::WriteFileText(files_.description, big);
    StartProgram(2, "good");
    ModalScript large;
    large.Then([] {
        HWND news = DialogWithItem(IDC_NEWS_TEXT);
        if (!news)
            return false;
        EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(news, IDC_NEWS_TEXT)), 500 * (2 + 511));
        Click(news, IDOK);
        return true;
    });
    large.Run([] {
        ShowNews(Windows().main, true);
        return INT_PTR(0);
    });
}

TEST_F(UpdateWin, SettingsDialogAndAboutBoxShowTheHistoryInBothLanguages)
{
    for (int language : {2, 1}) {
        SCOPED_TRACE(language);
        StartProgram(language, "good", "CheckEvery=3\r\nShowNews=1\r\n");
        WritePrivateProfileStringA("AutoUpdateVersion", "Version1", "1.01 03-05-2004", SettingsFile().c_str());
        WritePrivateProfileStringA("AutoUpdateVersion", "VersionDate1", "20040305", SettingsFile().c_str());
        WritePrivateProfileStringA("AutoUpdateVersion", "VersionTime1", "07:04", SettingsFile().c_str());
        WritePrivateProfileStringA("AutoUpdateVersion", "Version2", "1.02 14-06-2004", SettingsFile().c_str());
        WritePrivateProfileStringA("AutoUpdateVersion", "VersionDate2", "20040614", SettingsFile().c_str());
        WritePrivateProfileStringA("AutoUpdateVersion", "VersionTime2", "12:30", SettingsFile().c_str());
        std::string date = language == 1 ? "14/06/2004" : "06-14-2004";
        std::string manual = language == 1 ? "Manuellement" : "Manual";

        ModalScript setup;
        setup.Then([date, manual] {
            HWND dialog = DialogWithItem(IDC_UPD_HISTORY);
            if (!dialog || !DialogWithItem(IDC_UPD_DEFAULT_URL))
                return false;
            HWND frequency = GetDlgItem(dialog, IDC_UPD_FREQUENCY);
            EXPECT_EQ(SendMessageA(frequency, CB_GETCOUNT, 0, 0), 5);
            EXPECT_EQ(SendMessageA(frequency, CB_GETCURSEL, 0, 0), 3);
            char first[64] = {};
            SendMessageA(frequency, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
            EXPECT_EQ(std::string(first), manual);
            HWND list = GetDlgItem(dialog, IDC_UPD_HISTORY);
            EXPECT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(tt::ListText(list, 1, 0), "1.02 14-06-2004");
            EXPECT_EQ(tt::ListText(list, 1, 1), date);
            EXPECT_EQ(tt::ListText(list, 1, 2), "12:30");
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_UPD_SHOW_NEWS, BM_GETCHECK, 0, 0), BST_CHECKED);
            Linger();
            SetDlgItemTextA(dialog, IDC_UPD_URL, "http://elsewhere.example/updates");
            Click(dialog, IDC_UPD_DEFAULT_URL);
            tt::Choose(dialog, IDC_UPD_FREQUENCY, 2);
            return true;
        })
        .Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_HISTORY);
            if (ItemString(dialog, IDC_UPD_URL) != "http://www.quorvane.com/download")
                return false;
            Click(dialog, IDOK);
            return true;
        });
        setup.Run([] {
            UpdateSettingsDialog(Windows().main);
            return INT_PTR(0);
        });
        EXPECT_EQ(ReadSetting("AutoUpdate", "CheckEvery"), "2");
        EXPECT_EQ(ReadSetting("AutoUpdate", "Url"), "http://www.quorvane.com/download");

        ModalScript about;
        about.Then([date] {
            HWND dialog = DialogWithItem(IDC_ABOUT_HISTORY);
            if (!dialog)
                return false;
            HWND list = GetDlgItem(dialog, IDC_ABOUT_HISTORY);
            EXPECT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(tt::ListText(list, 0, 0), "1.01 03-05-2004");
            EXPECT_EQ(tt::ListText(list, 1, 1), date);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ABOUT_NEWS))) << "no news without current.txt";
            Linger();
            Click(dialog, IDOK);
            return true;
        });
        about.Run([] {
            ShowAboutDialog(Windows().main);
            return INT_PTR(0);
        });
        Stop();
    }
}

} // namespace
