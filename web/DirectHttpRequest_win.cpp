#include "web/DirectHttpRequest_win.h"
#include "app/WinInetApi_win.h"

#include <new>
#include <vector>

namespace {

// Chunks of 8191 bytes, read into a buffer that has room for one more.
constexpr DWORD kChunkBuffer = 8192;
constexpr DWORD kChunkAsk = kChunkBuffer - 1;

}  // namespace

DirectHttpRequest::DirectHttpRequest(std::uint32_t timeoutCeilingMs, std::size_t bodyLimit, std::uint32_t deadlineMs)
    : timeoutCeilingMs_(timeoutCeilingMs), bodyLimit_(bodyLimit), deadlineMs_(deadlineMs)
{
}

DirectHttpRequest::~DirectHttpRequest()
{
    CloseAll();
}

void DirectHttpRequest::CloseAll()
{
    request_.Reset();
    connection_.Reset();
    session_.Reset();
}

bool DirectHttpRequest::Send(const HttpRequest& request, HttpResponse& response)
{
    response = HttpResponse();
    const FetchDeadline deadline(request.deadlineMs, deadlineMs_);
    const HttpTimeouts timeouts = LimitTimeouts(request.timeouts, timeoutCeilingMs_);
    if (!Open(request, deadline.Limit(timeouts), response)) {
        CloseAll();
        return false;
    }
    response.answered = true;
    response.rawHeaders = QueryRawHeaders(request_.Get());
    std::size_t limit = request.maxBodyBytes;
    if (bodyLimit_ != 0 && bodyLimit_ < limit)
        limit = bodyLimit_;
    ReadBody(request, deadline, timeouts, limit, response);
    CloseAll();
    return true;
}

bool DirectHttpRequest::Open(const HttpRequest& request, const HttpTimeouts& timeouts, HttpResponse& response)
{
    if (request.address.empty()) {
        response.lastError = 0xFFFFFFFFu;
        return false;
    }
    session_.Reset(inet::InternetOpenA(request.agentName.c_str(), request.accessType, nullptr, nullptr, 0));
    if (!session_) {
        response.lastError = GetLastError();
        return false;
    }
    ApplyTimeouts(session_.Get(), timeouts);
    bool opened = request.post ? OpenPost(request, timeouts) : OpenGet(request, timeouts);
    if (!opened)
        response.lastError = GetLastError();
    return opened;
}

bool DirectHttpRequest::OpenGet(const HttpRequest& request, const HttpTimeouts& timeouts)
{
    HttpExchange get;
    bool secure = false;
    if (!GetObjectOf(request.address, get.host, get.port, secure, get.object)) {
        // Nothing but web pages: "file:", "ftp:" and the like are not fetched.
        SetLastError(ERROR_INTERNET_UNRECOGNIZED_SCHEME);
        return false;
    }
    get.verb = "GET";
    get.requestFlags = request.requestFlags | (secure ? INTERNET_FLAG_SECURE : 0);
    get.acceptType = request.acceptType;
    get.timeouts = timeouts;
    return SendHttpExchange(session_.Get(), get, connection_, request_);
}

bool DirectHttpRequest::OpenPost(const HttpRequest& request, const HttpTimeouts& timeouts)
{
    HttpExchange post;
    post.host = request.host;
    post.port = request.port;
    post.verb = request.verb;
    post.object = request.path;
    post.connectFlags = request.connectFlags;
    post.requestFlags = request.requestFlags;
    post.acceptType = request.acceptType;
    post.headers = request.headers;
    post.body = request.body;
    post.timeouts = timeouts;
    return SendHttpExchange(session_.Get(), post, connection_, request_);
}

void DirectHttpRequest::ReadBody(const HttpRequest& request, const FetchDeadline& deadline,
                                 const HttpTimeouts& timeouts, std::size_t limit, HttpResponse& response)
{
    std::vector<char> chunk(kChunkBuffer);
    DWORD error = 0;
    ReadEnd end = ReadEnd::Failed;
    try {
        end = ReadAnswer(
            request_.Get(), chunk.data(), kChunkAsk, limit, deadline, timeouts,
            [&request] { return !(request.cancelled && request.cancelled()); },
            [&response](const char* data, DWORD size, std::size_t) { response.body.append(data, size); }, error);
    } catch (const std::bad_alloc&) {
        // What came so far stays; the answer is not complete.
        error = ERROR_NOT_ENOUGH_MEMORY;
    }
    response.complete = end == ReadEnd::Complete;
    if (!response.complete)
        response.lastError = error;
}
