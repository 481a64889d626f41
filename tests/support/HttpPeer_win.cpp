#include "tests/support/HttpPeer_win.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <cstdlib>

#include "app/TextUtil.h"

namespace wt {

namespace {

class SocketsInUse {
public:
    SocketsInUse() { ok_ = WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
    ~SocketsInUse()
    {
        if (ok_)
            WSACleanup();
    }
    SocketsInUse(const SocketsInUse&) = delete;
    SocketsInUse& operator=(const SocketsInUse&) = delete;

private:
    WSADATA data_ = {};
    bool ok_ = false;
};

bool LoopbackAddress(const std::string& hostPort, sockaddr_in& address)
{
    std::size_t colon = hostPort.rfind(':');
    if (colon == std::string::npos)
        return false;
    address = sockaddr_in();
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(std::atoi(hostPort.c_str() + colon + 1)));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return true;
}

std::string BodyOf(const std::string& answer)
{
    std::size_t end = answer.find("\r\n\r\n");
    return end == std::string::npos ? std::string() : answer.substr(end + 4);
}

}  // namespace

std::string PeerRequest::Header(const std::string& name) const
{
    for (const std::string& line : headers) {
        std::size_t colon = line.find(':');
        if (colon != std::string::npos && EqualsNoCase(line.substr(0, colon), name))
            return Trim(line.substr(colon + 1));
    }
    return std::string();
}

bool PeerRequest::HasHeader(const std::string& name) const
{
    for (const std::string& line : headers) {
        std::size_t colon = line.find(':');
        if (colon != std::string::npos && EqualsNoCase(line.substr(0, colon), name))
            return true;
    }
    return false;
}

std::string HttpPeer::Address()
{
    char value[64] = {};
    DWORD length = GetEnvironmentVariableA("QV_HTTP_PEER", value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string HttpPeer::Url(const std::string& path)
{
    return "http://" + Address() + path;
}

std::string HttpPeer::RawGet(const std::string& path)
{
    SocketsInUse sockets;
    sockaddr_in address;
    if (!LoopbackAddress(Address(), address))
        return std::string();
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return std::string();
    std::string answer;
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        std::string request = "GET " + path + " HTTP/1.0\r\nHost: peer\r\n\r\n";
        send(s, request.data(), static_cast<int>(request.size()), 0);
        char chunk[4096];
        for (;;) {
            int got = recv(s, chunk, sizeof chunk, 0);
            if (got <= 0)
                break;
            answer.append(chunk, static_cast<std::size_t>(got));
        }
    }
    closesocket(s);
    return answer;
}

PeerRequest HttpPeer::Last()
{
    PeerRequest request;
    std::string text = BodyOf(RawGet("/last"));
    std::size_t end = text.find("\n\n");
    if (end == std::string::npos)
        return request;
    request.recorded = true;
    request.body = text.substr(end + 2);
    std::size_t at = 0;
    while (at < end) {
        std::size_t next = text.find('\n', at);
        if (next == std::string::npos || next > end)
            next = end;
        std::string line = text.substr(at, next - at);
        if (StartsWith(line, "method "))
            request.method = line.substr(7);
        else if (StartsWith(line, "path "))
            request.path = line.substr(5);
        else if (StartsWith(line, "header "))
            request.headers.push_back(line.substr(7));
        at = next + 1;
    }
    return request;
}

int HttpPeer::Count()
{
    std::string body = BodyOf(RawGet("/count"));
    return body.empty() ? -1 : std::atoi(body.c_str());
}

void HttpPeer::Reset()
{
    RawGet("/reset");
}

std::string HttpPeer::ClosedAddress()
{
    SocketsInUse sockets;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    std::string result;
    if (s != INVALID_SOCKET && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        result = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    // Bound but never listening, then closed: connections to the port are refused.
    if (s != INVALID_SOCKET)
        closesocket(s);
    return result;
}

}  // namespace wt
