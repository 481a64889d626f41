#pragma once
// The two ways a provider reaches the network. The Win32 build supplies WinINet transports
// through a factory installed at start-up; native tests install fakes. A transport object
// serves one fetch and closes every handle it opened before it is destroyed.
#include <memory>
#include <string>

#include "web/HttpRequest.h"

// An opaque window (HWND on Win32) where the session road shows its status texts; may be null.
using StatusWindow = void*;

// The direct road: GET or form POST, the whole answer read in one go, no progress shown.
class DirectTransport {
public:
    virtual ~DirectTransport() = default;
    // Carries out the request. Returns response.answered; on false the response holds the
    // platform's error code. A read that stops early leaves response.complete false.
    virtual bool Send(const HttpRequest& request, HttpResponse& response) = 0;
};

// The session road: GET only, keeps the user interface alive while reading and shows status
// and progress texts in the status window.
class SessionTransport {
public:
    virtual ~SessionTransport() = default;
    virtual bool Open(const std::string& agentName, StatusWindow statusWindow) = 0;
    // Reads the whole document into content (emptied first). False when the open or a read
    // failed; the HTTP status is not judged on this road.
    virtual bool Get(const HttpRequest& request, std::string& content,
                     StatusWindow statusWindow) = 0;
    virtual void Close() = 0;
};

class TransportFactory {
public:
    virtual ~TransportFactory() = default;
    // Null when no transport can be made (the fetch then fails).
    virtual std::unique_ptr<DirectTransport> CreateDirect() = 0;
    virtual std::unique_ptr<SessionTransport> CreateSession() = 0;
};

// The process-wide factory used by providers that were given none of their own. Installed
// once at start-up, before any thread fetches; the factory must outlive every fetch.
void InstallTransportFactory(TransportFactory* factory);
TransportFactory* InstalledTransportFactory();
