#include "update/UpdateFetch_win.h"

#include <wininet.h>

#include <cstdio>
#include <mutex>

#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "app/WinInetApi_win.h"
#include "resources/ResourceIds.h"
#include "update/Transfer.h"
#include "update/UpdateDialogs_win.h"
#include "update/UpdateRules.h"
#include "web/WinInet_win.h"

namespace {

constexpr DWORD kDefaultCallTimeoutMs = 30000;
DWORD g_callTimeoutMs = kDefaultCallTimeoutMs;

// What the fetching thread and the user-interface thread share for one fetch. The thread only
// writes the file, the transfer counters and its result; the user-interface thread reads them
// and may close the session to break off a wait.
struct FetchShared {
    std::string address;
    HANDLE file = nullptr;
    std::int64_t maxBytes = 0;
    DWORD timeoutMs = kDefaultCallTimeoutMs;
    TransferState transfer;
    std::atomic<int> result{static_cast<int>(FetchResult::Failed)};

    std::mutex lock;
    HINTERNET session = nullptr;   // guarded by lock; closed once by whoever comes first

    void CloseSession()
    {
        std::lock_guard<std::mutex> guard(lock);
        if (session) {
            inet::InternetCloseHandle(session);
            session = nullptr;
        }
    }
};

FetchResult RunFetch(FetchShared& shared)
{
    HINTERNET session = inet::InternetOpenA("Quorvane", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!session)
        return FetchResult::NoSession;
    {
        std::lock_guard<std::mutex> guard(shared.lock);
        shared.session = session;
    }
    if (shared.transfer.Cancelled())
        return FetchResult::Cancelled;
    HttpTimeouts timeouts;
    timeouts.connectMs = timeouts.sendMs = timeouts.receiveMs = shared.timeoutMs;
    ApplyTimeouts(session, timeouts);

    HttpExchange get;
    bool secure = false;
    if (!GetObjectOf(shared.address, get.host, get.port, secure, get.object))
        return FetchResult::Failed;
    if (get.object.empty())
        get.object = "/";
    get.verb = "GET";
    get.requestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                       INTERNET_FLAG_PRAGMA_NOCACHE | (secure ? INTERNET_FLAG_SECURE : 0);
    get.timeouts = timeouts;
    UniqueInternet connection;
    UniqueInternet request;
    if (!SendHttpExchange(session, get, connection, request))
        return shared.transfer.Cancelled() ? FetchResult::Cancelled : FetchResult::Failed;

    DWORD status = 0;
    DWORD length = sizeof status;
    if (!inet::HttpQueryInfoA(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &length, nullptr))
        return FetchResult::Failed;
    if (status < 200 || status > 299)
        return FetchResult::HttpError;

    HINTERNET handle = request.Get();
    TransferEnd end = CopyChunks(
        [handle](char* buffer, int size) {
            DWORD read = 0;
            if (!inet::InternetReadFile(handle, buffer, static_cast<DWORD>(size), &read))
                return -1;
            return static_cast<int>(read);
        },
        [&shared](const char* data, int size) {
            DWORD written = 0;
            return WriteFile(shared.file, data, static_cast<DWORD>(size), &written, nullptr) &&
                   written == static_cast<DWORD>(size);
        },
        shared.maxBytes, shared.transfer);
    if (end == TransferEnd::Complete)
        return FetchResult::Ok;
    return end == TransferEnd::Cancelled || shared.transfer.Cancelled() ? FetchResult::Cancelled : FetchResult::Failed;
}

DWORD WINAPI FetchThread(LPVOID parameter)
{
    auto* shared = static_cast<FetchShared*>(parameter);
    shared->result.store(static_cast<int>(RunFetch(*shared)));
    shared->CloseSession();
    shared->transfer.Finish();
    return 0;
}

std::string DownloadStatus(std::int64_t received, std::int64_t total)
{
    return FormatNumbers(LoadText(IDS_UPDATE_DOWNLOADING), {received, total});
}

} // namespace

void SetUpdateFetchTimeoutForTests(DWORD callTimeoutMs)
{
    g_callTimeoutMs = callTimeoutMs ? callTimeoutMs : kDefaultCallTimeoutMs;
}

DWORD UpdateFetchCallTimeout()
{
    return g_callTimeoutMs;
}

FetchResult FetchToFile(const FetchJob& job, UpdateProgress* progress)
{
    HANDLE file = CreateFileA(job.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FetchResult::Failed;

    FetchShared shared;
    shared.address = job.address;
    shared.file = file;
    shared.maxBytes = job.maxBytes;
    shared.timeoutMs = g_callTimeoutMs;
    bool showBytes = progress && job.total > 0;
    if (showBytes) {
        progress->SetBar(0);
        progress->ShowBar(true);
        progress->SetStatus(DownloadStatus(0, job.total));
    }

    DWORD threadId = 0;
    UniqueHandle thread(CreateThread(nullptr, 0, FetchThread, &shared, 0, &threadId));
    if (!thread) {
        CloseHandle(file);
        DeleteFileA(job.path.c_str());
        return FetchResult::Failed;
    }
    ULONGLONG started = GetTickCount64();
    bool brokenOff = false;
    std::int64_t shown = -1;
    for (;;) {
        HANDLE wait = thread.Get();
        DWORD woke = MsgWaitForMultipleObjects(1, &wait, FALSE, 50, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0)
            break;
        if (progress)
            progress->Pump();
        std::int64_t received = shared.transfer.Received();
        if (showBytes && received != shown) {
            shown = received;
            progress->SetBar(ProgressPercent(received, job.total));
            progress->SetStatus(DownloadStatus(received, job.total));
        }
        bool cancel = progress && progress->CancelRequested();
        if (!brokenOff && (cancel || GetTickCount64() - started > job.deadlineMs)) {
            // Closing the session ends the waits of the thread's calls; the time-outs bound
            // them in any case.
            brokenOff = true;
            shared.transfer.Cancel();
            shared.CloseSession();
        }
    }
    CloseHandle(file);
    FetchResult result = brokenOff ? FetchResult::Cancelled : static_cast<FetchResult>(shared.result.load());
    if (progress)
        progress->ShowBar(false);
    if (result != FetchResult::Ok)
        DeleteFileA(job.path.c_str());
    return result;
}
