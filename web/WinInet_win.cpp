#include "web/WinInet_win.h"
#include "app/WinInetApi_win.h"

#include <cstdio>

#include "app/TextUtil.h"
#include "web/HttpAddress.h"

HttpTimeouts LimitTimeouts(const HttpTimeouts& timeouts, std::uint32_t ceilingMs)
{
    if (ceilingMs == 0)
        return timeouts;
    auto limit = [ceilingMs](std::uint32_t ms) { return ms == 0 || ms > ceilingMs ? ceilingMs : ms; };
    HttpTimeouts limited;
    limited.connectMs = limit(timeouts.connectMs);
    limited.sendMs = limit(timeouts.sendMs);
    limited.receiveMs = limit(timeouts.receiveMs);
    return limited;
}

void ApplyTimeouts(HINTERNET handle, const HttpTimeouts& timeouts)
{
    if (!handle)
        return;
    DWORD connect = timeouts.connectMs, send = timeouts.sendMs, receive = timeouts.receiveMs;
    inet::InternetSetOptionA(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
    inet::InternetSetOptionA(handle, INTERNET_OPTION_SEND_TIMEOUT, &send, sizeof send);
    inet::InternetSetOptionA(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
    inet::InternetSetOptionA(handle, INTERNET_OPTION_DATA_SEND_TIMEOUT, &send, sizeof send);
    inet::InternetSetOptionA(handle, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, &receive, sizeof receive);
}

FetchDeadline::FetchDeadline(std::uint32_t requestMs, std::uint32_t transportMs)
    : start_(GetTickCount()), length_(requestMs ? requestMs : kDefaultFetchDeadlineMs)
{
    if (transportMs && transportMs < length_)
        length_ = transportMs;
}

std::uint32_t FetchDeadline::RemainingMs() const
{
    DWORD elapsed = GetTickCount() - start_;   // wraps around correctly
    return elapsed >= length_ ? 0u : static_cast<std::uint32_t>(length_ - elapsed);
}

HttpTimeouts FetchDeadline::Limit(const HttpTimeouts& timeouts) const
{
    // At least one millisecond: 0 would mean no time-out at all to the platform.
    std::uint32_t left = RemainingMs();
    return LimitTimeouts(timeouts, left ? left : 1u);
}

namespace {
// The receive time-out for the next wait of an open request. The platform applies it to the
// connection at once.
void CutReceiveTimeout(HINTERNET request, const FetchDeadline& deadline, const HttpTimeouts& timeouts)
{
    DWORD receive = deadline.Limit(timeouts).receiveMs;
    inet::InternetSetOptionA(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
    inet::InternetSetOptionA(request, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, &receive, sizeof receive);
}
} // namespace

ReadEnd ReadAnswer(HINTERNET request, char* chunk, DWORD chunkAsk, std::size_t limit,
                   const FetchDeadline& deadline, const HttpTimeouts& timeouts,
                   const std::function<bool()>& keepGoing,
                   const std::function<void(const char* data, DWORD size, std::size_t total)>& onChunk,
                   DWORD& error)
{
    std::size_t total = 0;
    for (;;) {
        if (keepGoing && !keepGoing()) {
            error = ERROR_CANCELLED;
            return ReadEnd::Stopped;
        }
        if (deadline.Passed()) {
            error = ERROR_INTERNET_TIMEOUT;
            return ReadEnd::DeadlinePassed;
        }
        CutReceiveTimeout(request, deadline, timeouts);
        // Waits for the next data only; the read below then takes what is there without
        // waiting for a whole chunk, which a slow server could stretch at will.
        DWORD available = 0;
        if (!inet::InternetQueryDataAvailable(request, &available, 0, 0)) {
            error = GetLastError();
            return deadline.Passed() ? ReadEnd::DeadlinePassed : ReadEnd::Failed;
        }
        DWORD ask = available == 0 || available > chunkAsk ? chunkAsk : available;
        DWORD read = 0;
        if (!inet::InternetReadFile(request, chunk, ask, &read)) {
            error = GetLastError();
            return deadline.Passed() ? ReadEnd::DeadlinePassed : ReadEnd::Failed;
        }
        if (read == 0)
            return ReadEnd::Complete;
        if (read > limit - total) {
            // Beyond the largest answer a fetch may hold: stop reading, the fetch fails.
            error = ERROR_NOT_ENOUGH_MEMORY;
            return ReadEnd::TooLarge;
        }
        total += read;
        onChunk(chunk, read, total);
    }
}

bool SendHttpExchange(HINTERNET session, const HttpExchange& exchange, UniqueInternet& connection,
                      UniqueInternet& request)
{
    connection.Reset(inet::InternetConnectA(session, exchange.host.c_str(), exchange.port, nullptr, nullptr,
                                      INTERNET_SERVICE_HTTP, exchange.connectFlags, exchange.context));
    if (!connection)
        return false;
    ApplyTimeouts(connection.Get(), exchange.timeouts);
    const char* acceptTypes[] = {exchange.acceptType.c_str(), nullptr};
    request.Reset(inet::HttpOpenRequestA(connection.Get(), exchange.verb.c_str(), exchange.object.c_str(), nullptr,
                                   nullptr, acceptTypes, exchange.requestFlags, exchange.context));
    if (!request)
        return false;
    ApplyTimeouts(request.Get(), exchange.timeouts);
    // The body goes out as it stands, NUL bytes included, with its length.
    std::string body = exchange.body;
    return inet::HttpSendRequestA(request.Get(), exchange.headers.empty() ? nullptr : exchange.headers.c_str(),
                            static_cast<DWORD>(exchange.headers.size()), body.empty() ? nullptr : &body[0],
                            static_cast<DWORD>(body.size())) != FALSE;
}

bool GetObjectOf(const std::string& address, std::string& host, std::uint16_t& port, bool& secure,
                 std::string& object)
{
    HttpAddress parts;
    if (!SplitAddress(address, parts) || !parts.IsHttp())
        return false;
    host = parts.host;
    port = parts.port;
    secure = parts.IsHttps();
    object = parts.path + parts.extra.substr(0, parts.extra.find('#'));
    return true;
}

std::string QueryRawHeaders(HINTERNET request)
{
    DWORD size = 0;
    if (inet::HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS, nullptr, &size, nullptr) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return std::string();
    std::string headers(size + 2, '\0');
    DWORD length = size;
    if (!inet::HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS, &headers[0], &length, nullptr))
        return std::string();
    headers.resize(length);
    // Whatever the platform counted, the list ends with an empty entry.
    while (!headers.empty() && headers.back() == '\0')
        headers.pop_back();
    headers.append(2, '\0');
    return headers;
}

std::string InternetErrorText(DWORD code, std::size_t maxChars)
{
    char buffer[512] = {};
    DWORD length = 0;
    if (code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST)
        length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                                GetModuleHandleA("wininet.dll"), code, 0, buffer, sizeof buffer, nullptr);
    if (length == 0)
        length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                buffer, sizeof buffer, nullptr);
    std::string text = length ? Trim(std::string(buffer, length)) : std::string();
    if (text.empty()) {
        std::snprintf(buffer, sizeof buffer, "Error %lu", static_cast<unsigned long>(code));
        text = buffer;
    }
    return Cut(text, maxChars);
}
