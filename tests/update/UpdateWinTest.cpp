// The auto-update in the running program (inside the test process) against the update sites
// of tests/update/run-with-update-site.sh on loopback. A stand-in copied to "AutoUpdate.EXE"
// beside the program logs how it was started.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/AboutDialog_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"
#include "tests/support/WineTestUtil.h"
#include "tests/translator/ModalScript_win.h"
#include "tests/update/SiteGet_win.h"
#include "update/UpdateDialogs_win.h"
#include "update/UpdateFetch_win.h"
#include "update/UpdateManager_win.h"

namespace {

using tt::DialogWithItem;
using tt::ItemString;
using tt::ModalScript;

const char kOwnVersion[] = "1.01 03-05-2004";
const char kNewVersion[] = "1.02 08-12-2026";

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A step of a modal script: once a dialog holding item shows, check it, then press button.
// With QV_UPDATE_SHOW_MS set, the dialog stays that long first, to be looked at.
ModalScript::Step Press(int item, int button, std::function<void(HWND)> check = nullptr)
{
    return [=] {
        HWND dialog = DialogWithItem(item);
        if (!dialog)
            return false;
        if (check)
            check(dialog);
        if (int ms = std::atoi(Env("QV_UPDATE_SHOW_MS").c_str()); ms > 0)
            wt::PumpMessages(static_cast<DWORD>(ms));
        tt::Click(dialog, button);
        return true;
    };
}

ModalScript::Step AnswerBox(UINT text, int button = IDOK)
{
    return [=] {
        HWND box = tt::MessageBoxShowing(LoadText(text, 255));
        if (box)
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        return box != nullptr;
    };
}

// Watches the windows of the program's thread from another one (during a download that thread
// runs only the progress window's messages). Presses the progress window's Cancel once its bar
// shows when asked to; when guarding, cancels any other dialog not holding item allowed.
struct Watcher {
    std::atomic<bool> cancel{false}, cancelled{false}, topmost{false}, barShown{false}, guard{false},
        strayDialog{false}, stop{false};
    std::atomic<int> allowed{-1};
    std::atomic<DWORD> cancelTick{0};
    const DWORD owner = GetCurrentThreadId();
    std::thread thread{[this] {
        for (; !stop; Sleep(10)) {
            std::vector<HWND> windows;
            EnumThreadWindows(owner, tt::CollectWindow, reinterpret_cast<LPARAM>(&windows));
            for (HWND window : windows) {
                HWND status = GetDlgItem(window, IDC_UPD_STATUS);
                if (!IsWindowVisible(window) || !status) {
                    if (IsWindowVisible(window) && guard && tt::IsDialogWindow(window) &&
                        !(allowed > 0 && GetDlgItem(window, allowed))) {
                        strayDialog = true;
                        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                    }
                    continue;
                }
                topmost = topmost || (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
                if (IsWindowVisible(GetDlgItem(window, IDC_UPD_PROGRESS))) {
                    barShown = true;
                    if (cancel.exchange(false)) {
                        cancelled = true;
                        cancelTick = GetTickCount();
                        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                    }
                }
            }
        }
    }};
    ~Watcher()
    {
        stop = true;
        thread.join();
    }
    // From now on, no dialog but the one holding allowed may show.
    void Guard(int allowedItem = -1)
    {
        allowed = allowedItem;
        strayDialog = false;
        guard = true;
    }
};

class UpdateWin : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        site_ = Env("QV_UPDATE_SITE");
        ASSERT_FALSE(site_.empty()) << "no update site runs beside the test (QV_UPDATE_SITE)";
        files_ = UpdateFilesIn(wt::ProgramFolder());
        log_ = wt::ProgramFolder() + "autoupdate.log";
        DeleteFiles();
        SetEnvironmentVariableA("QV_STANDIN_LOG", log_.c_str());
        ASSERT_TRUE(CopyFileA((wt::ProgramFolder() + "standin_browser.exe").c_str(), files_.updater.c_str(), FALSE));
        SetUpdateFetchTimeoutForTests(3000);
        SetNewsSecondForTests(20);
        SiteGet(site_ + "/reset");
    }

    void TearDown() override
    {
        AppHarness::TearDown();
        wt::WaitUntil([] {
            for (HWND w : wt::WindowsOfClass("QvStandInBrowser"))
                PostMessageA(w, WM_CLOSE, 0, 0);
            return wt::WindowsOfClass("QvStandInBrowser").empty();
        }, 5000);
        DeleteFiles();
        DeleteFileA(files_.updater.c_str());
        SetUpdateFetchTimeoutForTests(0);
        SetNewsSecondForTests(0);
        Updates() = UpdateManager();
    }

    std::vector<std::string> UpdateFileNames() const
    {
        return {files_.description, files_.signedDescription, files_.signature, files_.installer, files_.compressed};
    }
    void DeleteFiles()
    {
        for (const std::string& path : UpdateFileNames())
            DeleteFileA(path.c_str());
        DeleteFileA(log_.c_str());
    }
    bool AnyUpdateFile() const
    {
        for (const std::string& path : UpdateFileNames())
            if (wt::FileExists(path))
                return true;
        return false;
    }

    // language: 1 French, 2 English; more: further lines of section AutoUpdate.
    void StartProgram(int language, const std::string& variant, const std::string& more = "")
    {
        CreateDirectoryA(dataFolder_.c_str(), nullptr);
        wt::WriteFileText(SettingsFile(), "[Options]\r\nWelCome=1\r\nLanguage=" + std::to_string(language) +
                                              "\r\n[AutoUpdate]\r\nUrl=" + site_ + "/" + variant + "\r\n" + more);
        ASSERT_TRUE(Start());
    }
    void UseSite(const std::string& variant) { Updates().settings.Url = site_ + "/" + variant; }
    // Runs show (a modal window of the program) while the script answers it.
    static void Modal(ModalScript& script, const std::function<void(HWND)>& show)
    {
        script.Run([&show] {
            show(Windows().main);
            return INT_PTR(0);
        }, 60000);
    }
    static void Check(ModalScript& script)
    {
        Modal(script, [](HWND main) { CheckForUpdates(main, kOwnVersion); });
    }
    std::string Requests() { return SiteGet(site_ + "/requests"); }
    std::string UpdaterLog() const { return wt::ReadFileText(log_); }
    long long Size1() const
    {
        return GetPrivateProfileIntA("Version", "Size1", 0, files_.description.c_str());
    }

    std::string site_, log_;
    UpdateFiles files_;
};

// Found in English, cancelled during the download (quietly, at once), then found again,
// downloaded with its progress window, expanded, verified and handed over.
TEST_F(UpdateWin, CancelThenDownloadExpandVerifyAndHandOverInEnglish)
{
    StartProgram(2, "slow/good");
    HWND main = Windows().main;
    Watcher watcher;
    watcher.cancel = true;
    watcher.Guard(IDC_UPD_FOUND_SIZE);
    ModalScript cancelled;
    Check(cancelled.Then(Press(IDC_UPD_FOUND_SIZE, IDOK)));
    ASSERT_TRUE(watcher.cancelled);
    EXPECT_LT(GetTickCount() - watcher.cancelTick, 1500u) << "the cancel takes effect at once";
    EXPECT_FALSE(watcher.strayDialog) << "a cancel is no failure to report";
    watcher.guard = false;
    EXPECT_FALSE(wt::FileExists(files_.installer));
    EXPECT_FALSE(wt::FileExists(files_.compressed));
    EXPECT_TRUE(IsWindow(main));
    SiteGet(site_ + "/reset");

    ModalScript script;
    script
        .Then(Press(IDC_UPD_FOUND_SIZE, IDOK, [this](HWND dialog) {
            EXPECT_EQ(ItemString(dialog, IDC_UPD_FOUND_VERSION), kNewVersion);
            EXPECT_EQ(ItemString(dialog, IDC_UPD_FOUND_SIZE), std::to_string(Size1() / 1024) + " KB");
            EXPECT_EQ(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CAPTION, LONG_PTR(0)) << "skinned, no system caption";
        }))
        .Then(Press(IDC_UPD_REMOVE, IDOK, [](HWND dialog) {
            EXPECT_EQ(ItemString(dialog, IDC_UPD_VERSION), kNewVersion);
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_UPD_AUTO_INSTALL, BM_GETCHECK, 0, 0), BST_UNCHECKED);
            EXPECT_EQ(DialogWithItem(IDC_UPD_STATUS), nullptr) << "the progress window is gone before the question";
        }));
    Check(script);

    // Handed over: the updater got the installer and the program's own name, the program ended.
    ASSERT_TRUE(wt::WaitUntil([this] { return UpdaterLog().find("version.$$$,update_wintests.exe") != std::string::npos; }));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(wt::ReadFileText(files_.installer).size(), std::stoull(Env("QV_UPDATE_EXPANDED_SIZE")));
    EXPECT_FALSE(wt::FileExists(files_.compressed));
    EXPECT_EQ(Size1(), std::stoll(Env("QV_UPDATE_EXPANDED_SIZE"))) << "Size1 holds the expanded size";
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "Version1"), kNewVersion);
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "VersionDate1").size(), 8u);
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "VersionTime1").size(), 5u);
    EXPECT_EQ(Requests(), "/slow/good/current.txt\n/slow/good/current.txt.sig\n/slow/good/Quorvane-1.02-setup.ex_\n");
    EXPECT_TRUE(watcher.topmost);
    EXPECT_TRUE(watcher.barShown);
}

// In French: a cancel at dialog 174 downloads nothing; "Later" keeps the download, asked for
// again at the launcher's first opening; "Remove..." deletes it; a waiting installer changed
// on disk is refused before anything runs.
TEST_F(UpdateWin, WaitingUpdateInFrenchIsAskedForAgainRemovedOrRefusedWhenTampered)
{
    StartProgram(1, "good");
    ModalScript cancel;
    cancel.Then(Press(IDC_UPD_FOUND_SIZE, IDCANCEL, [](HWND dialog) {
        EXPECT_NE(ItemString(dialog, IDC_UPD_FOUND_SIZE).find(" Ko"), std::string::npos);
        EXPECT_EQ(ItemString(dialog, IDCANCEL), "Annuler");
    }));
    Check(cancel);
    EXPECT_EQ(Requests(), "/good/current.txt\n/good/current.txt.sig\n");

    for (bool tamper : {false, true}) {
        ModalScript later;
        later.Then(Press(IDC_UPD_FOUND_SIZE, IDOK)).Then(Press(IDC_UPD_REMOVE, IDCANCEL, [](HWND dialog) {
            EXPECT_EQ(ItemString(dialog, IDOK), "&Installer");
            EXPECT_EQ(ItemString(dialog, IDCANCEL), "&Plus tard");
        }));
        Updates().settings.AutoInstall = 0;   // a manual check asks with 174 anyway
        Check(later);
        ASSERT_TRUE(IsUpdateReady(kOwnVersion));
        ModalScript waiting;
        if (tamper) {
            std::string installer = wt::ReadFileText(files_.installer);
            installer[100] ^= 1;
            wt::WriteFileText(files_.installer, installer);
            waiting.Then(AnswerBox(IDS_UPDATE_DOWNLOAD_FAILED));
        } else {
            waiting.Then(Press(IDC_UPD_REMOVE, IDC_UPD_REMOVE, [](HWND dialog) {
                SendDlgItemMessageA(dialog, IDC_UPD_AUTO_INSTALL, BM_SETCHECK, BST_CHECKED, 0);
            }));
            waiting.Then(AnswerBox(IDS_UPDATE_CONFIRM_REMOVE, IDYES));
        }
        waiting.Run([] { return INT_PTR(InstallWaitingUpdate(kOwnVersion) ? 1 : 0); });
        EXPECT_FALSE(AnyUpdateFile()) << tamper;
        if (!tamper) {
            EXPECT_EQ(ReadSetting("AutoUpdate", "AutoInstall"), "1") << "the check box is saved however the dialog ends";
        }
    }
    EXPECT_FALSE(wt::FileExists(log_)) << "the updater never ran";
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
        ModalScript script;
        if (c.found)
            script.Then(Press(IDC_UPD_FOUND_SIZE, IDOK));
        Check(script.Then(AnswerBox(c.message)));
        EXPECT_LT(GetTickCount() - started, 20000u) << "every wait is bounded";
        EXPECT_FALSE(AnyUpdateFile());
        EXPECT_FALSE(wt::FileExists(log_));
        EXPECT_EQ(ReadSetting("AutoUpdateVersion", "Version1"), "<missing>");
    }
    EXPECT_TRUE(IsWindow(Windows().main));

    // A File1 that climbs out of the folder is one name on the site; nothing lands outside.
    UseSite("traversal");
    SiteGet(site_ + "/reset");
    ModalScript script;
    Check(script.Then(Press(IDC_UPD_FOUND_SIZE, IDOK)).Then(Press(IDC_UPD_REMOVE, IDCANCEL)));
    EXPECT_NE(Requests().find("/traversal/..%5C..%5Cx.exe"), std::string::npos) << Requests();
    EXPECT_TRUE(wt::FileExists(files_.installer));
    EXPECT_FALSE(wt::FileExists(wt::ProgramFolder() + "..\\..\\x.exe"));
    EXPECT_FALSE(wt::FileExists(wt::ProgramFolder() + "x.exe"));
}

TEST_F(UpdateWin, AutomaticCheckIsSilentUnlessSomethingIsFoundAndInstallsWithoutDialogs)
{
    StartProgram(2, "same", "CheckEvery=1\r\n");
    Watcher watcher;
    watcher.Guard();
    RunDueUpdateCheck();
    EXPECT_FALSE(watcher.strayDialog) << "the latest version is not announced in automatic mode";
    watcher.guard = false;
    EXPECT_EQ(ReadSetting("AutoUpdate", "DateUpdate").size(), 8u);

    // Weekly, with a check date still to come: not due, nothing fetched, and the date stays (were
    // it moved on at every start, a program started daily would never check again).
    WritePrivateProfileStringA("AutoUpdate", "CheckEvery", "3", SettingsFile().c_str());
    WritePrivateProfileStringA("AutoUpdate", "DateUpdate", "20991231", SettingsFile().c_str());
    LoadUpdateSettings();
    SiteGet(site_ + "/reset");
    RunDueUpdateCheck();
    EXPECT_EQ(Requests(), "");
    EXPECT_EQ(ReadSetting("AutoUpdate", "DateUpdate"), "20991231");

    ModalScript manual;   // the manual check still says so
    Check(manual.Then(AnswerBox(IDS_UPDATE_UP_TO_DATE)));

    // AutoInstall: found, downloaded and handed over without a single dialog.
    WritePrivateProfileStringA("AutoUpdate", "CheckEvery", "1", SettingsFile().c_str());
    WritePrivateProfileStringA("AutoUpdate", "AutoInstall", "1", SettingsFile().c_str());
    WritePrivateProfileStringA("AutoUpdate", "DateUpdate", nullptr, SettingsFile().c_str());
    LoadUpdateSettings();
    UseSite("good");
    HWND main = Windows().main;
    watcher.Guard();
    RunDueUpdateCheck();
    EXPECT_FALSE(watcher.strayDialog);
    EXPECT_TRUE(wt::WaitUntil([this] { return UpdaterLog().find("version.$$$,") != std::string::npos; }));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(ReadSetting("AutoUpdateVersion", "Version1"), kNewVersion);
}

// In English from the about box, in French automatically after an update (at the bottom right,
// closing by itself after 60 ticks); then the settings dialog and the about box with the history.
TEST_F(UpdateWin, NewsSettingsAndHistoryInBothLanguages)
{
    for (int language : {2, 1}) {
        SCOPED_TRACE(language);
        const bool french = language == 1;
        wt::WriteFileText(files_.description, std::string("[Version]\r\nVersion=") + kNewVersion +
                                                  "\r\nENNewsLine=2\r\nENNews1=New: signed updates.\r\nENNews2=Fixed."
                                                  "\r\nFRNewsLine=1\r\nFRNews1=Nouveau : mises \xE0 jour sign\xE9" "es.\r\n");
        StartProgram(language, "good", "CheckEvery=3\r\n");
        EXPECT_TRUE(NewsAvailable());
        DWORD started = GetTickCount();
        ModalScript shown;
        shown.Then([french] {
            HWND news = DialogWithItem(IDC_NEWS_TEXT);
            if (!news)
                return false;
            EXPECT_EQ(ItemString(news, IDC_NEWS_VERSION), kNewVersion);
            EXPECT_EQ(ItemString(news, IDC_NEWS_TEXT),
                      french ? "\r\nNouveau : mises \xE0 jour sign\xE9" "es." : "\r\nNew: signed updates.\r\nFixed.");
            EXPECT_EQ(ItemString(news, IDOK), french ? "&Fermer" : "&Close");
            EXPECT_EQ(IsWindowVisible(GetDlgItem(news, IDC_UPD_PROGRESS)) != FALSE, french) << "a time-out only after an update";
            RECT rect = {}, work = {};
            GetWindowRect(news, &rect);
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            if (french) {
                EXPECT_EQ(SendDlgItemMessageA(news, IDC_UPD_PROGRESS, PBM_GETRANGE, FALSE, 0), 60);
                EXPECT_GT(rect.left, (work.left + work.right) / 2);
                EXPECT_GT(rect.top, (work.top + work.bottom) / 2);
            } else {
                SendDlgItemMessageA(news, IDC_NEWS_DONT_SHOW, BM_SETCHECK, BST_CHECKED, 0);
                tt::Click(news, IDOK);
            }
            return true;
        });
        Modal(shown, [french](HWND main) { ShowNews(main, !french); });
        EXPECT_EQ(ShowNewsAfterUpdate(), french) << "\"do not show\" is saved";
        if (!french) {
            EXPECT_EQ(ReadSetting("AutoUpdate", "ShowNews"), "0");
        }
        if (french) {
            EXPECT_LT(GetTickCount() - started, 10000u) << "closed by itself";
        }

        const char* keys[] = {"Version", "VersionDate", "VersionTime"};
        const char* history[][3] = {{"1.01 03-05-2004", "20040305", "07:04"}, {"1.02 14-06-2004", "20040614", "12:30"}};
        for (int i = 0; i < 6; ++i)
            WritePrivateProfileStringA("AutoUpdateVersion", (keys[i % 3] + std::to_string(i / 3 + 1)).c_str(),
                                       history[i / 3][i % 3], SettingsFile().c_str());
        const std::string date = french ? "14/06/2004" : "06-14-2004";
        ModalScript setup;
        setup.Then([date, french] {
            HWND dialog = DialogWithItem(IDC_UPD_HISTORY);
            if (!dialog || !DialogWithItem(IDC_UPD_DEFAULT_URL))
                return false;
            HWND frequency = GetDlgItem(dialog, IDC_UPD_FREQUENCY);
            EXPECT_EQ(SendMessageA(frequency, CB_GETCOUNT, 0, 0), 5);
            EXPECT_EQ(SendMessageA(frequency, CB_GETCURSEL, 0, 0), 3);
            char first[64] = {};
            SendMessageA(frequency, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
            EXPECT_STREQ(first, french ? "Manuellement" : "Manual");
            HWND list = GetDlgItem(dialog, IDC_UPD_HISTORY);
            EXPECT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(tt::ListText(list, 1, 0) + "|" + tt::ListText(list, 1, 1) + "|" + tt::ListText(list, 1, 2),
                      "1.02 14-06-2004|" + date + "|12:30");
            SetDlgItemTextA(dialog, IDC_UPD_URL, "http://elsewhere.example/updates");
            tt::Click(dialog, IDC_UPD_DEFAULT_URL);
            tt::Choose(dialog, IDC_UPD_FREQUENCY, 2);
            return true;
        });
        setup.Then([] {
            HWND dialog = DialogWithItem(IDC_UPD_HISTORY);
            return ItemString(dialog, IDC_UPD_URL) == "http://www.quorvane.com/download" && Press(IDC_UPD_HISTORY, IDOK)();
        });
        Modal(setup, UpdateSettingsDialog);
        EXPECT_EQ(ReadSetting("AutoUpdate", "CheckEvery"), "2");
        EXPECT_EQ(ReadSetting("AutoUpdate", "Url"), "http://www.quorvane.com/download");

        DeleteFileA(files_.description.c_str());
        ModalScript about;
        about.Then(Press(IDC_ABOUT_HISTORY, IDOK, [date](HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_ABOUT_HISTORY);
            EXPECT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(tt::ListText(list, 0, 0), "1.01 03-05-2004");
            EXPECT_EQ(tt::ListText(list, 1, 1), date);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ABOUT_NEWS))) << "no news without current.txt";
        }));
        Modal(about, ShowAboutDialog);
        Stop();
    }

    // 500 lines of 2000 characters: all shown, each cut at 511 characters.
    std::string big = "[Version]\r\nVersion=1.02\r\nENNewsLine=500\r\n";
    for (int i = 1; i <= 500; ++i)
        big += "ENNews" + std::to_string(i) + "=" + std::string(2000, 'n') + "\r\n";
    wt::WriteFileText(files_.description, big);
    StartProgram(2, "good");
    ModalScript large;
    large.Then(Press(IDC_NEWS_TEXT, IDOK, [](HWND news) {
        EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(news, IDC_NEWS_TEXT)), 500 * (2 + 511));
    }));
    Modal(large, [](HWND main) { ShowNews(main, true); });
}

} // namespace
