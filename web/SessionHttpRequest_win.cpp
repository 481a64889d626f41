#include "web/SessionHttpRequest_win.h"
#include "app/WinInetApi_win.h"

#include <cstdarg>
#include <new>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "web/SessionStatus.h"

namespace {

// Chunks of 4095 bytes into a block of 4096.
constexpr DWORD kChunkBlock = 4096;
constexpr DWORD kChunkAsk = kChunkBlock - 1;
// Error texts of the platform are kept to this length.
constexpr std::size_t kErrorTextChars = 255;

class GlobalBlock {
public:
    explicit GlobalBlock(SIZE_T size) : memory_(GlobalAlloc(GMEM_FIXED, size)) {}
    ~GlobalBlock()
    {
        if (memory_)
            GlobalFree(memory_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    char* Data() const { return static_cast<char*>(static_cast<void*>(memory_)); }

private:
    HGLOBAL memory_;
};

std::string FormatById(UINT id, std::va_list arguments)
{
    std::string format = LoadText(id, kStatusTextBufferSize - 1);
    return FormatStatusTextV(format.c_str(), arguments);
}

}  // namespace

// ---- StatusSession

StatusSession::StatusSession(const std::string& agentName, HWND statusWindow, const HttpTimeouts& timeouts)
    : statusWindow_(statusWindow)
{
    const char* agent = agentName.empty() ? kDefaultAgentName : agentName.c_str();
    handle_.Reset(inet::InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!handle_)
        return;
    ApplyTimeouts(handle_.Get(), timeouts);
    // Without notifications the session still works, only without status texts.
    inet::InternetSetStatusCallbackA(handle_.Get(), Callback);
}

StatusSession::~StatusSession()
{
    if (handle_)
        inet::InternetSetStatusCallbackA(handle_.Get(), nullptr);
}

void StatusSession::SetStatusText(const std::string& text)
{
    // A notification from another thread must neither race this thread over the text nor wait
    // for this thread's window.
    if (GetCurrentThreadId() != thread_)
        return;
    statusText_ = text.size() < kStatusTextBufferSize ? text : text.substr(0, kStatusTextBufferSize - 1);
    if (!statusWindow_ || !IsWindow(statusWindow_))
        return;
    SetWindowTextA(statusWindow_, statusText_.c_str());
    RedrawWindow(statusWindow_, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void StatusSession::SetStatusTextById(UINT id, ...)
{
    std::va_list arguments;
    va_start(arguments, id);
    std::string text = FormatById(id, arguments);
    va_end(arguments);
    SetStatusText(text);
}

void StatusSession::OnStatusCallback(DWORD status, const void* info, DWORD infoLength)
{
    StatusTextChoice choice = ChooseStatusText(status, infoLength);
    using Act = StatusTextChoice::Action;
    using Arg = StatusTextChoice::Argument;
    if (choice.action == Act::Keep)
        return;
    if (choice.action == Act::Clear) {
        SetStatusText(std::string());
        return;
    }
    UINT id = static_cast<UINT>(choice.stringId);
    switch (choice.argument) {
    case Arg::InfoText:
        SetStatusTextById(id, StatusInfoText(info, infoLength).c_str());
        break;
    case Arg::CompletionFields: {
        const INTERNET_ASYNC_RESULT* result = static_cast<const INTERNET_ASYNC_RESULT*>(info);
        unsigned fieldResult = result ? static_cast<unsigned>(result->dwResult) : 0u;
        unsigned fieldError = result ? static_cast<unsigned>(result->dwError) : 0u;
        SetStatusTextById(id, fieldResult, fieldError);
        break;
    }
    case Arg::StatusValue:
        SetStatusTextById(id, static_cast<int>(status));
        break;
    case Arg::None:
        SetStatusTextById(id);
        break;
    }
}

void CALLBACK StatusSession::Callback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD infoLength)
{
    if (StatusSession* session = reinterpret_cast<StatusSession*>(context))
        session->OnStatusCallback(status, info, infoLength);
}

// ---- SessionHttpRequest

SessionHttpRequest::SessionHttpRequest(std::uint32_t timeoutCeilingMs, std::size_t bodyLimit, std::uint32_t deadlineMs)
    : timeoutCeilingMs_(timeoutCeilingMs), bodyLimit_(bodyLimit), deadlineMs_(deadlineMs)
{
}

SessionHttpRequest::~SessionHttpRequest()
{
    Close();
}

bool SessionHttpRequest::Open(const std::string& agentName, StatusWindow statusWindow)
{
    Close();
    session_ = std::make_unique<StatusSession>(agentName, static_cast<HWND>(statusWindow),
                                               LimitTimeouts(HttpTimeouts(), timeoutCeilingMs_));
    if (!session_->Ok())
        session_.reset();
    return session_ != nullptr;
}

void SessionHttpRequest::Close()
{
    session_.reset();
}

bool SessionHttpRequest::Get(const HttpRequest& request, std::string& content, StatusWindow statusWindow)
{
    content.clear();
    if (!session_ && !Open(request.agentName, statusWindow))
        return false;
    if (statusWindow)
        session_->SetStatusWindow(static_cast<HWND>(statusWindow));
    const FetchDeadline deadline(request.deadlineMs, deadlineMs_);
    const HttpTimeouts timeouts = LimitTimeouts(request.timeouts, timeoutCeilingMs_);
    ApplyTimeouts(session_->Handle(), deadline.Limit(timeouts));

    UniqueInternet connection, file;
    HttpExchange get;
    bool secure = false;
    bool opened = false;
    if (GetObjectOf(request.address, get.host, get.port, secure, get.object)) {
        get.verb = "GET";
        get.requestFlags = request.requestFlags | (secure ? INTERNET_FLAG_SECURE : 0);
        get.acceptType = request.acceptType;
        get.timeouts = deadline.Limit(timeouts);
        get.context = session_->Context();
        opened = SendHttpExchange(session_->Handle(), get, connection, file);
    } else {
        // Nothing but web pages: "file:", "ftp:" and the like are not fetched.
        SetLastError(ERROR_INTERNET_UNRECOGNIZED_SCHEME);
    }
    if (!opened) {
        errorText_ = InternetErrorText(GetLastError(), kErrorTextChars);
        session_->SetStatusText(errorText_);
        return false;
    }
    bool ok = ReadAll(file.Get(), request, deadline, timeouts, content);
    file.Reset();
    connection.Reset();
    if (ok)
        session_->SetStatusText(std::string());
    return ok;
}

bool SessionHttpRequest::ReadAll(HINTERNET file, const HttpRequest& request, const FetchDeadline& deadline,
                                 const HttpTimeouts& timeouts, std::string& content)
{
    GlobalBlock block(kChunkBlock);
    if (!block.Data())
        return false;
    std::size_t limit = request.maxBodyBytes;
    if (bodyLimit_ != 0 && bodyLimit_ < limit)
        limit = bodyLimit_;
    const HWND owner = session_->StatusWindowHandle();
    const DWORD started = GetTickCount();
    bool pumping = true;
    // The messages let through here may close the window that owns this fetch (and with it
    // the provider): the read then stops at once and shows nothing more.
    auto keepGoing = [&]() {
        if (pumping)
            pumping = PumpWaitingMessages();
        if (owner && !IsWindow(owner)) {
            session_->SetStatusWindow(nullptr);
            return false;
        }
        return !(request.cancelled && request.cancelled());
    };
    auto onChunk = [&](const char* data, DWORD size, std::size_t total) {
        content.append(data, size);
        ReadProgress progress = DescribeReadProgress(static_cast<long long>(total), GetTickCount() - started);
        if (progress.withRate)
            session_->SetStatusTextById(static_cast<UINT>(progress.stringId), progress.totalBytes,
                                        progress.kilobytesPerSecond);
        else
            session_->SetStatusTextById(static_cast<UINT>(progress.stringId), progress.totalBytes);
    };
    DWORD error = 0;
    ReadEnd end = ReadEnd::Failed;
    try {
        end = ReadAnswer(file, block.Data(), kChunkAsk, limit, deadline, timeouts, keepGoing, onChunk, error);
    } catch (const std::bad_alloc&) {
        error = ERROR_NOT_ENOUGH_MEMORY;
    }
    if (end == ReadEnd::Complete)
        return true;
    errorText_ = InternetErrorText(error, kErrorTextChars);
    session_->SetStatusText(errorText_);
    return false;
}

bool PumpWaitingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            break;
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        HWND dialog = Windows().pretranslate;
        if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}
