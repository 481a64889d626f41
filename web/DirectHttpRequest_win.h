#pragma once
// The direct road on WinINet: a GET of the address, or a form POST to its host, port and path,
// each on a connection of its own with the request's time-outs. The whole answer is read in
// one go on the calling thread, within the request's deadline; no messages are pumped (a
// caller that must keep a window alive does so in the request's cancel check).
#include <cstdint>

#include "web/HttpTransport.h"
#include "web/WinInet_win.h"

class DirectHttpRequest : public DirectTransport {
public:
    // timeoutCeilingMs shortens every time-out of the requests (0: as the request says);
    // bodyLimit lowers the request's largest answer (0: as the request says); deadlineMs
    // shortens the deadline of every fetch (0: as the request says).
    explicit DirectHttpRequest(std::uint32_t timeoutCeilingMs = 0, std::size_t bodyLimit = 0,
                               std::uint32_t deadlineMs = 0);
    ~DirectHttpRequest() override;

    bool Send(const HttpRequest& request, HttpResponse& response) override;

private:
    bool Open(const HttpRequest& request, const HttpTimeouts& timeouts, HttpResponse& response);
    bool OpenGet(const HttpRequest& request, const HttpTimeouts& timeouts);
    bool OpenPost(const HttpRequest& request, const HttpTimeouts& timeouts);
    void ReadBody(const HttpRequest& request, const FetchDeadline& deadline, const HttpTimeouts& timeouts,
                  std::size_t limit, HttpResponse& response);
    void CloseAll();

    std::uint32_t timeoutCeilingMs_;
    std::size_t bodyLimit_;
    std::uint32_t deadlineMs_;
    UniqueInternet session_;
    UniqueInternet request_;
    UniqueInternet connection_;
};
