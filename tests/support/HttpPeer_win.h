#pragma once
// The Wine tests' side of the loopback HTTP peer (tests/support/http_peer.py), which the test
// runner starts beside the test program and names in QV_HTTP_PEER ("127.0.0.1:PORT"). The
// peer is asked over plain sockets, so that what a test checks never goes through the
// transports under test.
#include <string>
#include <vector>

namespace wt {

struct PeerRequest {
    bool recorded = false;   // false when the peer had no request to show
    std::string method;
    std::string path;
    std::vector<std::string> headers;   // "Name: value", in the order received
    std::string body;                   // the exact bytes received

    // The value of the first header of that name (any case); empty when there is none.
    std::string Header(const std::string& name) const;
    bool HasHeader(const std::string& name) const;
};

class HttpPeer {
public:
    // "127.0.0.1:PORT", or empty when no peer runs beside the test.
    static std::string Address();
    // "http://127.0.0.1:PORT" followed by path.
    static std::string Url(const std::string& path);
    // The last request the peer recorded, how many it recorded, and forgetting them.
    static PeerRequest Last();
    static int Count();
    static void Reset();
    // "127.0.0.1:PORT" of a port on which nothing listens.
    static std::string ClosedAddress();
    // A raw GET of path from the peer: the whole answer, headers and body; empty on failure.
    static std::string RawGet(const std::string& path);
};

}  // namespace wt
