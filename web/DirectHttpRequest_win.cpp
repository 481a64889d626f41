#include "web/DirectHttpRequest_win.h"
#include "app/WinInetApi_win.h"

#include <vector>

namespace {

// Chunks of 8191 bytes, read into a buffer that has room for one more.
constexpr DWORD kChunkBuffer = 8192;
constexpr DWORD kChunkAsk = kChunkBuffer - 1;

}  // namespace

DirectHttpRequest::DirectHttpRequest(std::uint32_t timeoutCeilingMs, std::size_t bodyLimit)
    : timeoutCeilingMs_(timeoutCeilingMs), bodyLimit_(bodyLimit)
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
    if (!Open(request, response)) {
        CloseAll();
        return false;
    }
    response.answered = true;
    response.rawHeaders = QueryRawHeaders(request_.Get());
    std::size_t limit = request.maxBodyBytes;
    if (bodyLimit_ != 0 && bodyLimit_ < limit)
        limit = bodyLimit_;
    ReadBody(limit, response);
    CloseAll();
    return true;
}

bool DirectHttpRequest::Open(const HttpRequest& request, HttpResponse& response)
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
    HttpTimeouts timeouts = LimitTimeouts(request.timeouts, timeoutCeilingMs_);
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
        // Other schemes are left to the platform, which knows them whole.
        request_.Reset(inet::InternetOpenUrlA(session_.Get(), request.address.c_str(), nullptr, 0,
                                        request.requestFlags, 0));
        return static_cast<bool>(request_);
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

void DirectHttpRequest::ReadBody(std::size_t limit, HttpResponse& response)
{
    std::vector<char> chunk(kChunkBuffer);
    for (;;) {
        DWORD read = 0;
        if (!inet::InternetReadFile(request_.Get(), chunk.data(), kChunkAsk, &read)) {
            response.lastError = GetLastError();
            return;   // what came so far stays; the answer is not complete
        }
        if (read == 0) {
            response.complete = true;
            return;
        }
        if (response.body.size() + read > limit) {
            // Beyond the largest answer a fetch may hold: stop reading, the fetch fails.
            response.lastError = ERROR_NOT_ENOUGH_MEMORY;
            return;
        }
        response.body.append(chunk.data(), read);
    }
}
