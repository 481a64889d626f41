#include "update/UpdateManager_win.h"

#include <shellapi.h>

#include <memory>

#include "app/AppContext_win.h"
#include "app/MessageBox_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/HelpPage.h"
#include "resources/ResourceIds.h"
#include "update/UpdateDialogs_win.h"
#include "update/UpdateExpand_win.h"
#include "update/UpdateFetch_win.h"
#include "update/UpdateVerify_win.h"

namespace {

constexpr DWORD kDescriptionDeadlineMs = 60000;

std::string ProgramFolder()
{
    const std::string& path = App().programPath;
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string ProgramFileName()
{
    const std::string& path = App().programPath;
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int ContentLanguageNow()
{
    return ContentLanguage(Options().Language, UiLocale());
}

// A slow line may take its time, a stalled one is caught by the receive time-out; the deadline
// only ends a trickle that would never finish: 2 minutes plus one second per 8 KB.
DWORD InstallerDeadlineMs(std::int64_t size)
{
    std::int64_t ms = 120000 + size / 8;
    return static_cast<DWORD>(ms > 7200000 ? 7200000 : ms);
}

void DeleteUpdateFiles(const UpdateFiles& files)
{
    for (const std::string* path : {&files.description, &files.signedDescription, &files.signature,
                                    &files.installer, &files.compressed})
        DeleteFileA(path->c_str());
}

void FailDownload(const UpdateFiles& files, std::unique_ptr<UpdateProgress>& progress, bool tell)
{
    progress.reset();
    DeleteUpdateFiles(files);
    if (tell)
        MessageBoxById(Windows().main, IDS_UPDATE_DOWNLOAD_FAILED, MB_ICONERROR);
}

// Waits for ms while the progress window keeps painting.
void WaitWithProgress(UpdateProgress* progress, DWORD ms)
{
    ULONGLONG until = GetTickCount64() + ms;
    while (GetTickCount64() < until) {
        if (progress)
            progress->Pump();
        Sleep(20);
    }
}

std::string TodayLocal()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return DateText(now.wYear, now.wMonth, now.wDay);
}

// The waiting download is what the signed description announced: the description as served
// is signed by the built-in key, names the version about to be installed, and the installer's
// SHA-256 is the one it gives.
bool WaitingUpdateIsAuthentic(const UpdateFiles& files, const std::string& version)
{
    if (!VerifyDetachedSignature(files.signedDescription, files.signature))
        return false;
    UpdateDescription signedDescription = ReadDescription(Win32Profile(files.signedDescription));
    if (signedDescription.version != version || signedDescription.sha256.empty())
        return false;
    std::vector<unsigned char> digest;
    return FileSha256(files.installer, digest) && digest == signedDescription.sha256;
}

} // namespace

UpdateManager& Updates()
{
    static UpdateManager manager;
    return manager;
}

void LoadUpdateSettingsNow()
{
    Updates().settings = ReadUpdateSettings(Settings());
}

void SaveUpdateSettingsNow()
{
    WriteUpdateSettings(Updates().settings, Settings());
}

UpdateFiles ProgramUpdateFiles()
{
    return UpdateFilesIn(ProgramFolder());
}

void CheckForUpdate(const char* ownVersion)
{
    UpdateManager& m = Updates();
    HWND main = Windows().main;
    UpdateFiles files = ProgramUpdateFiles();
    auto progress = std::make_unique<UpdateProgress>(main);
    progress->SetStatus(LoadText(IDS_UPDATE_CHECKING));

    // The description as served, kept as it came for the signature; current.txt is its copy.
    FetchJob description;
    description.address = SiteAddress(m.settings.Url, kDescriptionName);
    description.path = files.signedDescription;
    description.maxBytes = kMaxDescriptionBytes;
    description.deadlineMs = kDescriptionDeadlineMs;
    FetchResult fetched = FetchToFile(description, progress.get());
    if (fetched == FetchResult::NoSession)
        MessageBoxA(main, LoadText(IDS_INTERNET_OPEN_ERROR).c_str(), App().className.c_str(), MB_ICONERROR);
    if (fetched != FetchResult::Ok) {
        progress.reset();
        DeleteUpdateFiles(files);
        if (fetched != FetchResult::Cancelled)
            MessageBoxById(main, IDS_UPDATE_NO_CONNECTION, MB_ICONINFORMATION);
        return;
    }
    FetchJob signature;
    signature.address = SiteAddress(m.settings.Url, kSignatureName);
    signature.path = files.signature;
    signature.maxBytes = kMaxSignatureBytes;
    signature.deadlineMs = kDescriptionDeadlineMs;
    fetched = FetchToFile(signature, progress.get());
    if (fetched != FetchResult::Ok || !VerifyDetachedSignature(files.signedDescription, files.signature) ||
        !CopyFileA(files.signedDescription.c_str(), files.description.c_str(), FALSE)) {
        FailDownload(files, progress, fetched != FetchResult::Cancelled);
        return;
    }

    UpdateDescription d = ReadDescription(Win32Profile(files.description));
    if (!IsNewerVersion(d.version, ownVersion)) {
        progress.reset();
        if (!m.Silent)
            MessageBoxById(main, IDS_UPDATE_UP_TO_DATE, MB_ICONINFORMATION);
        return;
    }
    m.newVersion = d.version;
    if (d.file.empty() || d.size == 0) {
        progress.reset();
        return;
    }
    m.size = d.size;
    if (d.sha256.empty()) {
        FailDownload(files, progress, true);
        return;
    }
    if (!(m.Silent && m.settings.AutoInstall)) {
        progress.reset();
        if (!AskToDownload(main, d.version, d.size))
            return;
        progress = std::make_unique<UpdateProgress>(main);
    }
    progress->SetVersion(d.version);

    FetchJob installer;
    installer.address = SiteAddress(m.settings.Url, d.file);
    installer.path = files.installer;
    installer.maxBytes = d.size;
    installer.total = d.size;
    installer.deadlineMs = InstallerDeadlineMs(d.size);
    fetched = FetchToFile(installer, progress.get());
    if (fetched != FetchResult::Ok || FileSizeOf(files.installer) != d.size) {
        FailDownload(files, progress, fetched != FetchResult::Cancelled);
        return;
    }

    DeleteFileA(files.compressed.c_str());
    if (!MoveFileA(files.installer.c_str(), files.compressed.c_str())) {
        FailDownload(files, progress, true);
        return;
    }
    WaitWithProgress(progress.get(), 1000);
    std::int64_t expanded = 0;
    bool ok = ExpandInstaller(files.compressed, files.installer, expanded);
    DeleteFileA(files.compressed.c_str());
    std::vector<unsigned char> digest;
    if (!ok || !FileSha256(files.installer, digest) || digest != d.sha256) {
        FailDownload(files, progress, true);
        return;
    }
    Win32Profile(files.description).WriteString("Version", "Size1", std::to_string(expanded).c_str());
    progress.reset();
    InstallUpdate(ownVersion);
}

bool IsUpdateReady(const char* ownVersion)
{
    UpdateFiles files = ProgramUpdateFiles();
    if (FileSizeOf(files.description) < 0)
        return false;
    UpdateDescription d = ReadDescription(Win32Profile(files.description));
    Updates().newVersion = d.version;
    return IsNewerVersion(d.version, ownVersion) && FileSizeOf(files.installer) == d.size;
}

bool InstallUpdate(const char* ownVersion)
{
    if (!IsUpdateReady(ownVersion))
        return false;
    UpdateManager& m = Updates();
    HWND main = Windows().main;
    UpdateFiles files = ProgramUpdateFiles();
    if (!WaitingUpdateIsAuthentic(files, m.newVersion)) {
        DeleteUpdateFiles(files);
        MessageBoxById(main, IDS_UPDATE_DOWNLOAD_FAILED, MB_ICONERROR);
        return false;
    }
    if (!m.settings.AutoInstall) {
        int autoInstall = m.settings.AutoInstall;
        ReadyChoice choice = AskToInstall(main, m.newVersion, autoInstall);
        if (autoInstall != m.settings.AutoInstall) {
            m.settings.AutoInstall = autoInstall;
            SaveUpdateSettingsNow();
        }
        if (choice == ReadyChoice::Remove)
            DeleteUpdateFiles(files);
        if (choice != ReadyChoice::Install)
            return true;
    }
    if (m.Silent) {
        m.settings.DateUpdate = TodayLocal();
        WriteCheckDate(m.settings.DateUpdate, Settings());
    }
    std::string parameters = std::string(kInstallerName) + "," + ProgramFileName();
    std::string folder = ProgramFolder();
    HINSTANCE started = ShellExecuteA(main, "open", files.updater.c_str(), parameters.c_str(), folder.c_str(),
                                      SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) > 32) {
        SYSTEMTIME now = {};
        GetLocalTime(&now);
        std::vector<InstalledVersion> history = ReadHistory(Settings());
        AppendHistory(history, {m.newVersion, DateText(now.wYear, now.wMonth, now.wDay), TimeText(now.wHour, now.wMinute)});
        WriteHistory(history, Settings());
    }
    // The updater replaces the program's files: the program ends now.
    if (main && IsWindow(main))
        DestroyWindow(main);
    MSG msg;
    bool quit = false;
    WPARAM quitCode = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            quitCode = msg.wParam;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    Sleep(1000);
    return true;
}

void AutoCheck(const char* ownVersion)
{
    UpdateManager& m = Updates();
    if (m.settings.CheckEvery == 0)
        return;
    m.Silent = true;
    SYSTEMTIME utc = {};
    GetSystemTime(&utc);
    YearMonthDay today{utc.wYear, utc.wMonth, utc.wDay};
    // The date of the last check, not of the last start: a weekly check must still come when
    // the program is started every day.
    if (UpdateCheckDue(m.settings.CheckEvery, ParseDate(m.settings.DateUpdate), today)) {
        CheckForUpdate(ownVersion);
        m.settings.DateUpdate = TodayLocal();
        WriteCheckDate(m.settings.DateUpdate, Settings());
    }
    m.Silent = false;
}

int NewsCount()
{
    UpdateFiles files = ProgramUpdateFiles();
    if (FileSizeOf(files.description) < 0)
        return 0;
    return ReadNews(Win32Profile(files.description), ContentLanguageNow()).count;
}

void OpenNewsWindow(HWND owner, bool manual)
{
    UpdateFiles files = ProgramUpdateFiles();
    if (FileSizeOf(files.description) < 0)
        return;
    NewsText news = ReadNews(Win32Profile(files.description), ContentLanguageNow());
    if (news.count == 0)
        return;
    UpdateManager& m = Updates();
    int showNews = m.settings.ShowNews ? 1 : 0;
    RunNewsWindow(owner, news, !manual, showNews);
    if (showNews != (m.settings.ShowNews ? 1 : 0)) {
        m.settings.ShowNews = showNews;
        SaveUpdateSettingsNow();
    }
}

void EditUpdateSettings(HWND owner)
{
    UpdateSettings edited = Updates().settings;
    if (RunUpdateSettingsDialog(owner, edited, ReadHistory(Settings()), ContentLanguageNow())) {
        Updates().settings = edited;
        SaveUpdateSettingsNow();
    }
}
