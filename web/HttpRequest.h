#pragma once
// What one HTTP request is to be, decided without the network, and what came back. The
// transports (WinINet on Win32, fakes in tests) carry out a request exactly as described.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Agent name sent when the caller gives none.
extern const char* const kDefaultAgentName;   // "Quorvane1.00"
// "Content-Type: application/x-www-form-urlencoded"
extern const char* const kFormContentTypeHeader;

// A server that accepts and never answers must not hold a fetch for ever.
struct HttpTimeouts {
    std::uint32_t connectMs = 30000;
    std::uint32_t sendMs = 30000;
    std::uint32_t receiveMs = 30000;
};

// Every fetch ends by this time from its start, whatever the server does (a translation or an
// update description); a caller with a larger download gives a longer one.
constexpr std::uint32_t kDefaultFetchDeadlineMs = 60000;

struct HttpRequest {
    std::string address;              // the whole address; a GET opens it as it stands
    bool post = false;                // a form POST when there is a body, else a GET
    std::string verb;                 // "GET" or "POST"
    std::string host;                 // POST: where to connect (GET: informative)
    std::uint16_t port = 0;
    std::string path;                 // POST: the path alone; query and fragment are not sent
    bool secure = false;              // decided by the scheme: https only
    std::uint32_t accessType = 0;     // session open type (direct or preconfigured)
    std::uint32_t connectFlags = 0;   // flags of the connection (POST)
    std::uint32_t requestFlags = 0;   // flags of the request: open-URL flags on a GET
    std::string acceptType = "*/*";
    std::string headers;              // extra request headers, sent with their length
    std::string body;
    std::string agentName;
    HttpTimeouts timeouts;
    // An answer beyond this is not read further and the fetch fails, instead of exhausting
    // the address space of a 32-bit process.
    std::size_t maxBodyBytes = 64u * 1024u * 1024u;
    // The whole fetch, from connecting to the last byte read, ends by then (0 counts as the
    // default: no fetch is without one).
    std::uint32_t deadlineMs = kDefaultFetchDeadlineMs;
    // Asked between chunks (on the fetching thread); true stops the fetch, which then fails.
    // A caller that keeps a window alive during a long download lets it run here.
    std::function<bool()> cancelled;
};

struct HttpResponse {
    bool answered = false;            // the request went out and an answer came back
    bool complete = false;            // the body was read to its end
    std::uint32_t lastError = 0;      // platform error code when not answered or not complete
    std::string rawHeaders;           // entries separated by NUL, ended by an empty entry
    std::string body;                 // every byte received, NUL bytes included
};

// The direct road: a GET of the address when body is empty, else a form POST of the body to
// the address's host, port and path. False (with the error code) when there is no address or
// the address is not an http or https address.
bool BuildDirectRequest(std::string_view address, std::string_view body,
                        std::string_view agentName, HttpRequest& request,
                        std::uint32_t& error);

// The session road: always a GET, asking for a reload when reload is set.
HttpRequest BuildSessionRequest(std::string_view address, bool reload,
                                std::string_view agentName);

// The status of the first header entry that contains "http" in any case: the first three
// consecutive decimal digits in it. 0 when there is no such entry or no such digits.
int StatusCode(std::string_view rawHeaders);
