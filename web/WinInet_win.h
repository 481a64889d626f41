#pragma once
// What both WinINet transports share: owning handles, time-outs, the response headers and
// the platform's own texts for its error codes.
#include <windows.h>
#include <wininet.h>

#include "app/WinInetApi_win.h"

#include <cstdint>
#include <functional>
#include <string>

#include "app/WinHandles_win.h"
#include "web/HttpRequest.h"

struct CloseInternetFn { void operator()(HINTERNET h) const { inet::InternetCloseHandle(h); } };
using UniqueInternet = UniqueWin<HINTERNET, CloseInternetFn>;

// The shorter of the request's time-outs and a ceiling of the factory's (0: none).
HttpTimeouts LimitTimeouts(const HttpTimeouts& timeouts, std::uint32_t ceilingMs);

// Sets the connect, send and receive time-outs on a handle; handles made from it inherit them.
void ApplyTimeouts(HINTERNET handle, const HttpTimeouts& timeouts);

// The moment a fetch must be over: its deadline counted from construction. A transport's own
// deadline (for tests, or a caller that wants every fetch shorter) wins when it is shorter.
class FetchDeadline {
public:
    FetchDeadline(std::uint32_t requestMs, std::uint32_t transportMs);
    std::uint32_t RemainingMs() const;   // 0 once passed
    bool Passed() const { return RemainingMs() == 0; }
    // The time-outs cut to what remains, so that no single wait outlasts the deadline.
    HttpTimeouts Limit(const HttpTimeouts& timeouts) const;

private:
    DWORD start_;
    DWORD length_;
};

// Why a read of an answer ended.
enum class ReadEnd { Complete, Failed, TooLarge, DeadlinePassed, Stopped };

// Reads the answer of request chunk by chunk (at most chunkAsk bytes at a time) until its end.
// Before every wait, keepGoing is asked (false stops the read) and the receive time-out is cut
// to what remains of the deadline; a wait only starts when data is there or comes within it,
// so a server that trickles its answer cannot hold the read past the deadline. Each chunk goes
// to onChunk; more than limit bytes in all stop the read. error receives the platform's code
// (ERROR_INTERNET_TIMEOUT past the deadline, ERROR_CANCELLED when stopped,
// ERROR_NOT_ENOUGH_MEMORY past the limit).
ReadEnd ReadAnswer(HINTERNET request, char* chunk, DWORD chunkAsk, std::size_t limit,
                   const FetchDeadline& deadline, const HttpTimeouts& timeouts,
                   const std::function<bool()>& keepGoing,
                   const std::function<void(const char* data, DWORD size, std::size_t total)>& onChunk,
                   DWORD& error);

// One HTTP request on a connection of its own, so that the time-outs are set on every handle
// before anything is sent (a request opened from a whole address would not carry them all).
struct HttpExchange {
    std::string host;
    std::uint16_t port = 0;
    std::string verb;
    std::string object;         // path and query
    DWORD connectFlags = 0;
    DWORD requestFlags = 0;
    std::string acceptType = "*/*";
    std::string headers;
    std::string body;
    HttpTimeouts timeouts;
    DWORD_PTR context = 0;      // routes status notifications; 0 for none
};

// Connects, opens and sends. False with GetLastError set when any step fails; the handles
// opened so far stay in connection and request for the caller to close.
bool SendHttpExchange(HINTERNET session, const HttpExchange& exchange, UniqueInternet& connection,
                      UniqueInternet& request);

// The object a GET of address asks for: its path and query, without the fragment. False when
// the address is not an http or https address.
bool GetObjectOf(const std::string& address, std::string& host, std::uint16_t& port, bool& secure,
                 std::string& object);

// The raw response headers of a request: entries ended by NUL, the list ended by an empty
// entry. Empty when the handle has none (not an HTTP request).
std::string QueryRawHeaders(HINTERNET request);

// The platform's text for a WinINet or system error code, at most maxChars characters, without
// its line break; "Error <code>" when the platform has none.
std::string InternetErrorText(DWORD code, std::size_t maxChars);
