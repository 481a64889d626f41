// Check runs on a thread of their own. The check thread owns the progress window; the run
// (fetching with its pool of workers, comparing, recording) goes on that thread, or beside it
// while the progress window is shown. Everything that touches the program's other windows
// (the launcher tree, the mini browser, the tray, the main window) is posted to a
// message-only window of the user-interface thread, which also ends the thread's life.
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <functional>
#include <vector>

#include "app/AppContext_win.h"
#include "app/MessageBox_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Sound_win.h"
#include "app/Subsystems_win.h"
#include "app/SystemQueries_win.h"
#include "app/TrayIcon_win.h"
#include "app/WinHandles_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/LauncherTree_win.h"
#include "resources/ResourceIds.h"
#include "web/WinInetTransports_win.h"
#include "webalert/CheckNotices.h"
#include "webalert/CheckProgress_win.h"
#include "webalert/CheckRun.h"
#include "webalert/MonitorWindow_win.h"
#include "webalert/WebAlert_win.h"
#include "webalert/WebAlertRunner_win.h"
#include "webalert/Win32PageFiles_win.h"

namespace {

// Messages to the notifier window.
constexpr UINT UM_PAGE_MARK = WM_APP + 1;   // lParam: PageId whose state changed; wParam: it became unread
constexpr UINT UM_OPEN_PAGE = WM_APP + 2;   // lParam: std::string* link, owned by the message
constexpr UINT UM_RUN_DONE = WM_APP + 3;    // lParam: RunOutcome*, owned by the message
// Progress shown in the monitor window, which only this thread may touch.
constexpr UINT UM_MONITOR_BEGIN = WM_APP + 4;  // wParam: the range
constexpr UINT UM_MONITOR_STEP = WM_APP + 5;   // wParam: pages taken; lParam: std::string* link, owned

// Fetches at once: a page that takes its time does not hold up the others.
constexpr int kFetchWorkers = 12;
// Each fetch's own bounds: no wait longer than 30 s, no page larger than 16 MB.
constexpr std::uint32_t kFetchTimeoutMs = 30000;
constexpr std::size_t kLargestPage = 16u * 1024u * 1024u;
// How long the shut-down waits for a cancelled run.
constexpr DWORD kStopWaitMs = 5000;
// Stacks of the run's threads: a dozen threads of the default 1 MB would weigh more than the
// whole run's data.
constexpr SIZE_T kThreadStack = 256 * 1024;

struct RunRequest {
    HWND owner = nullptr;
    HWND notifier = nullptr;
    CheckRunOptions options;
    bool showProgress = false;
    bool inMonitor = false;   // the monitor window was open: progress goes there
    bool french = false;
    std::string dataFolder;
    std::string settingsPath;
};

struct RunOutcome {
    bool ran = false;
    bool nothingToCheck = false;
    bool changesFound = false;
};

// The run's state, kept by the user-interface thread; only cancel is shared.
struct Runner {
    HWND notifier = nullptr;
    UniqueHandle thread;
    bool running = false;
    std::atomic<bool> cancel{false};
};

DWORD WINAPI RunWork(LPVOID parameter)
{
    std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    (*work)();
    return 0;
}

// A thread with a small stack; null when it cannot be started.
HANDLE StartSmallThread(std::function<void()> work)
{
    auto* heap = new std::function<void()>(std::move(work));
    HANDLE thread = CreateThread(nullptr, kThreadStack, RunWork, heap, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!thread)
        delete heap;
    return thread;
}

class SmallStackThreads : public WorkerThreads {
public:
    ~SmallStackThreads() override { JoinAll(); }
    bool Start(std::function<void()> work) override
    {
        HANDLE thread = StartSmallThread(std::move(work));
        if (thread)
            threads_.emplace_back(thread);
        return thread != nullptr;
    }
    void JoinAll() override
    {
        for (UniqueHandle& thread : threads_)
            WaitForSingleObject(thread.Get(), INFINITE);
        threads_.clear();
    }

private:
    std::vector<UniqueHandle> threads_;
};

Runner& TheRunner()
{
    // Never destroyed: a run still fetching when the process ends must not find it gone.
    static Runner* runner = new Runner;
    return *runner;
}

TransportFactory& MonitorTransports()
{
    static WinInetTransports* transports = new WinInetTransports(kFetchTimeoutMs, kLargestPage);
    return *transports;
}

// Hears the run (on the thread that runs it) and passes the news on by posted messages.
class RunObserver : public CheckObserver {
public:
    RunObserver(const RunRequest& request, CheckProgressWindow* progress) : request_(request), progress_(progress) {}

    void Begin(int count) override
    {
        if (progress_)
            progress_->Begin(count);
        if (request_.inMonitor)
            PostMessageA(request_.notifier, UM_MONITOR_BEGIN, static_cast<WPARAM>(count), 0);
    }
    void Step(int taken, PageId id, const MonitoredPage& page) override
    {
        if (progress_)
            progress_->Step(taken, id, page);
        if (request_.inMonitor) {
            auto* link = new std::string(page.urlString);
            if (!PostMessageA(request_.notifier, UM_MONITOR_STEP, static_cast<WPARAM>(taken), reinterpret_cast<LPARAM>(link)))
                delete link;
        }
    }
    void StateChanged(PageId id, const MonitoredPage&, bool becameModified) override
    {
        PostMessageA(request_.notifier, UM_PAGE_MARK, becameModified ? 1 : 0, reinterpret_cast<LPARAM>(id));
        if (progress_)
            progress_->Redraw(id);
    }
    void PageChanged(PageId, const MonitoredPage& page) override
    {
        if (page.mailOnChange)
            StartMailThread(request_.owner, NoticeFor(page, request_.french));
        if (page.openOnChange) {
            auto* link = new std::string(page.urlString);
            if (!PostMessageA(request_.notifier, UM_OPEN_PAGE, 0, reinterpret_cast<LPARAM>(link)))
                delete link;
        }
    }

private:
    const RunRequest& request_;
    CheckProgressWindow* progress_;
};

CheckRunResult Run(const RunRequest& request, CheckProgressWindow* progress)
{
    Win32PageFiles files;
    PageFolders folders(files, request.dataFolder);
    ProviderPageFetcher fetcher(&MonitorTransports());
    RunObserver observer(request, progress);
    SmallStackThreads threads;
    CheckRunOptions options = request.options;
    options.threads = &threads;
    return RunChecks(WebAlertPages(), folders, fetcher, options, observer, TheRunner().cancel, LocalNow);
}

// With a progress window, the run goes on a thread of its own while this thread serves the
// window, so that neither waits for the other.
CheckRunResult RunWithProgress(const RunRequest& request)
{
    CheckProgressWindow progress(WebAlertPages(), TheRunner().cancel);
    if (!progress.Create())
        return Run(request, nullptr);
    CheckRunResult result;
    std::atomic<bool> finished{false};
    UniqueHandle run(StartSmallThread([&] {
        try {
            result = Run(request, &progress);
        } catch (...) {
            // Out of memory for a page: the run ends with what it recorded.
        }
        finished = true;
    }));
    if (!run)
        return Run(request, nullptr);
    HANDLE handles[1] = {run.Get()};
    while (!finished.load()) {
        MsgWaitForMultipleObjects(1, handles, FALSE, 50, QS_ALLINPUT);
        progress.Pump();
    }
    WaitForSingleObject(run.Get(), INFINITE);
    return result;
}

DWORD WINAPI CheckThread(LPVOID parameter)
{
    std::unique_ptr<RunRequest> request(static_cast<RunRequest*>(parameter));
    auto outcome = std::make_unique<RunOutcome>();
    try {
        // The user chose to work offline: the run ends silently.
        if (!IsOfflineMode()) {
            const CheckRunResult result = request->showProgress ? RunWithProgress(*request) : Run(*request, nullptr);
            outcome->nothingToCheck = result.nothingToCheck;
            outcome->ran = !result.nothingToCheck;
            outcome->changesFound = result.changesFound;
            if (result.changesFound) {
                Win32Profile settings(request->settingsPath);
                WebAlertPages().Save(settings);
            }
        }
    } catch (...) {
        // Out of memory for a page: the run ends with what it recorded.
    }
    if (PostMessageA(request->notifier, UM_RUN_DONE, 0, reinterpret_cast<LPARAM>(outcome.get())))
        outcome.release();
    return 0;
}

void FinishRun(const RunOutcome& outcome)
{
    Runner& runner = TheRunner();
    if (runner.thread) {
        WaitForSingleObject(runner.thread.Get(), INFINITE);   // it has posted its last word
        runner.thread.Reset();
    }
    runner.running = false;
    MonitorProgressEnd();
    HWND main = Windows().main;
    if (outcome.nothingToCheck) {
        MessageBoxById(main, IDS_NO_LINK, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!outcome.ran)
        return;
    if (main)
        PostMessageA(main, WM_COMMAND, IDM_END_CHECK_WEBALERT, 0);
    if (!outcome.changesFound)
        return;
    const OptionRecord& o = Options();
    if (o.WebAlertSound && !PlayNotificationSound(o.WebAlertSoundName))
        MessageBeep(MB_ICONEXCLAMATION);
    if (!Windows().webAlert && o.WebAlertShowTip && main) {
        const std::string text = BalloonText(LoadText(IDS_LINKS_MODIFIED, 255), WebAlertPages().Copies());
        TrayBalloon(main, kTrayIconId, text.c_str(), LoadText(IDS_WEBALERT_TITLE, 127).c_str());
    }
}

LRESULT CALLBACK NotifierProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    try {
        switch (message) {
        case UM_PAGE_MARK: {
            const PageId id = reinterpret_cast<PageId>(lParam);
            MonitoredPage page;
            if (WebAlertPages().CopyOf(id, page))
                ShowMonitoredPageMark(id, page.Modified());
            MonitorPageStateChanged(id, wParam != 0);
            return 0;
        }
        case UM_MONITOR_BEGIN:
            MonitorProgressBegin(static_cast<int>(wParam));
            return 0;
        case UM_MONITOR_STEP: {
            std::unique_ptr<std::string> link(reinterpret_cast<std::string*>(lParam));
            MonitorProgressStep(static_cast<int>(wParam), *link);
            return 0;
        }
        case UM_OPEN_PAGE: {
            std::unique_ptr<std::string> link(reinterpret_cast<std::string*>(lParam));
            ShowInMiniBrowser(link->c_str(), 0);
            BringMiniBrowserToFront();
            return 0;
        }
        case UM_RUN_DONE: {
            std::unique_ptr<RunOutcome> outcome(reinterpret_cast<RunOutcome*>(lParam));
            FinishRun(*outcome);
            return 0;
        }
        default:
            break;
        }
    } catch (...) {
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DropPendingNotices(HWND notifier)
{
    MSG message;
    while (PeekMessageA(&message, notifier, WM_APP + 1, WM_APP + 5, PM_REMOVE)) {
        if (message.message == UM_OPEN_PAGE || message.message == UM_MONITOR_STEP)
            delete reinterpret_cast<std::string*>(message.lParam);
        else if (message.message == UM_RUN_DONE)
            delete reinterpret_cast<RunOutcome*>(message.lParam);
    }
}

} // namespace

LocalTime LocalNow()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

void CreateCheckNotifier()
{
    Runner& runner = TheRunner();
    if (runner.notifier)
        return;
    static const char kClass[] = "QuorvaneWebAlertNotifier";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = NotifierProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);   // fails harmlessly when registered before
    runner.notifier = CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

void StartPageCheck(HWND owner, PageId page)
{
    Runner& runner = TheRunner();
    if (runner.running)
        return;   // one run at a time
    CreateCheckNotifier();
    const OptionRecord& o = Options();
    auto request = std::make_unique<RunRequest>();
    request->owner = owner;
    request->notifier = runner.notifier;
    request->options.onlyPage = page;
    request->options.workers = kFetchWorkers;
    request->options.compare.strict = o.WebAlertCMPStrict != 0;
    request->options.compare.noScript = o.WebAlertCMPNoScript != 0;
    request->options.compare.size = o.WebAlertCMPSize != 0;
    request->options.compare.sizeTolerance = o.WebAlertCMPSizeTol;
    // With the monitor window open the run shows its progress there, not in a window of its own.
    request->inMonitor = Windows().webAlert != nullptr;
    request->showProgress = o.WebAlertShowProgress != 0 && !request->inMonitor;
    request->french = WebAlertFrench();
    request->dataFolder = App().dataFolder + "\\";
    request->settingsPath = App().settingsPath;
    runner.cancel = false;
    runner.thread.Reset(CreateThread(nullptr, kThreadStack, CheckThread, request.get(), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
    if (!runner.thread)
        return;
    request.release();
    runner.running = true;
}

bool CheckRunning()
{
    return TheRunner().running;
}

void CancelPageCheck()
{
    TheRunner().cancel = true;
}

void StopPageChecks()
{
    Runner& runner = TheRunner();
    runner.cancel = true;
    if (runner.thread && WaitForSingleObject(runner.thread.Get(), kStopWaitMs) == WAIT_OBJECT_0) {
        runner.thread.Reset();
        runner.running = false;
    }
    if (runner.notifier) {
        DropPendingNotices(runner.notifier);
        DestroyWindow(runner.notifier);
        runner.notifier = nullptr;
    }
}
