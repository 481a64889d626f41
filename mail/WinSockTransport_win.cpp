#include "mail/WinSockTransport_win.h"

#include <ws2tcpip.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

timeval Interval(int ms)
{
    timeval t;
    t.tv_sec = ms / 1000;
    t.tv_usec = (ms % 1000) * 1000;
    return t;
}

// Whether the socket is ready (to write when forWrite, else to read) within ms; an error
// state counts as ready, so that the next call reports it.
bool Ready(SOCKET s, bool forWrite, int ms)
{
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(s, &ready);
    FD_SET(s, &failed);
    timeval wait = Interval(ms);
    int n = select(0, forWrite ? nullptr : &ready, forWrite ? &ready : nullptr, &failed, &wait);
    return n > 0;
}

// Name resolution has no time-out of its own, so it runs on a helper thread that the
// connection stops waiting for when its time is up. The helper owns its share of the result
// and its own WinSock start-up; it touches nothing else.
struct Resolution {
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    addrinfo* found = nullptr;

    ~Resolution()
    {
        if (found)
            freeaddrinfo(found);
    }
};

std::shared_ptr<Resolution> Resolve(const std::string& host, unsigned short port, int timeoutMs)
{
    auto result = std::make_shared<Resolution>();
    try {
        std::thread([result, host, port] {
            WSADATA data;
            bool started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
            addrinfo hints = {};
            hints.ai_family = AF_UNSPEC;
            hints.ai_socktype = SOCK_STREAM;
            hints.ai_protocol = IPPROTO_TCP;
            addrinfo* found = nullptr;
            char service[8];
            std::snprintf(service, sizeof service, "%u", static_cast<unsigned>(port));
            if (getaddrinfo(host.c_str(), service, &hints, &found) != 0)
                found = nullptr;
            if (started)
                WSACleanup();
            std::lock_guard<std::mutex> hold(result->lock);
            result->found = found;
            result->finished = true;
            result->done.notify_all();
        }).detach();
    } catch (...) {
        return nullptr;
    }
    std::unique_lock<std::mutex> hold(result->lock);
    if (!result->done.wait_for(hold, std::chrono::milliseconds(timeoutMs), [&] { return result->finished; }))
        return nullptr;
    return result;
}

}  // namespace

WinSockTransport::WinSockTransport()
{
    WSADATA data;
    int failure = WSAStartup(MAKEWORD(2, 2), &data);
    if (failure != 0) {
        std::printf("WSAStartup %d\r\n", failure);
        std::fflush(stdout);
        return;
    }
    if (data.wVersion != MAKEWORD(2, 2)) {
        std::printf("Can't find a useable WinSock DLL\r\n");
        std::fflush(stdout);
        WSACleanup();
        return;
    }
    started_ = true;
}

WinSockTransport::~WinSockTransport()
{
    Close();
    if (started_)
        WSACleanup();
}

bool WinSockTransport::Open(const std::string& host, unsigned short port, int timeoutMs)
{
    Close();
    if (!started_ || host.empty()) {
        error_ = started_ ? WSAHOST_NOT_FOUND : WSANOTINITIALISED;
        return false;
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::shared_ptr<Resolution> resolution = Resolve(host, port, timeoutMs);
    if (!resolution || !resolution->found) {
        error_ = WSAHOST_NOT_FOUND;
        return false;
    }
    int addressesLeft = 0;
    for (addrinfo* a = resolution->found; a; a = a->ai_next)
        ++addressesLeft;
    for (addrinfo* a = resolution->found; a && socket_ == INVALID_SOCKET; a = a->ai_next, --addressesLeft) {
        // Each address gets its share of the time left, so that one that never answers (an
        // IPv6 route that goes nowhere) leaves time for the next.
        const int wait = MsLeft(deadline) / addressesLeft;
        SOCKET s = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (s == INVALID_SOCKET) {
            error_ = WSAGetLastError();
            continue;
        }
        u_long nonBlocking = 1;
        ioctlsocket(s, FIONBIO, &nonBlocking);
        bool connected = connect(s, a->ai_addr, static_cast<int>(a->ai_addrlen)) == 0;
        if (!connected && WSAGetLastError() == WSAEWOULDBLOCK && Ready(s, true, wait)) {
            int failure = 0;
            int length = sizeof failure;
            connected = getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&failure), &length) == 0 &&
                        failure == 0;
            error_ = failure;
        } else if (!connected) {
            error_ = WSAGetLastError() == WSAEWOULDBLOCK ? WSAETIMEDOUT : WSAGetLastError();
        }
        if (connected)
            socket_ = s;
        else
            closesocket(s);
    }
    return socket_ != INVALID_SOCKET;
}

bool WinSockTransport::Send(const std::string& bytes, int timeoutMs)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (socket_ == INVALID_SOCKET || !Ready(socket_, true, timeoutMs)) {
            error_ = WSAETIMEDOUT;
            return false;
        }
        std::size_t piece = bytes.size() - sent;
        if (piece > 65536)
            piece = 65536;
        int n = send(socket_, bytes.data() + sent, static_cast<int>(piece), 0);
        if (n == SOCKET_ERROR) {
            error_ = WSAGetLastError();
            if (error_ != WSAEWOULDBLOCK)
                return false;
            continue;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

long WinSockTransport::Receive(char* buffer, std::size_t size, int timeoutMs)
{
    if (socket_ == INVALID_SOCKET || !Ready(socket_, false, timeoutMs)) {
        error_ = WSAETIMEDOUT;
        return -1;
    }
    int n = recv(socket_, buffer, static_cast<int>(size > 65536 ? 65536 : size), 0);
    if (n == SOCKET_ERROR) {
        error_ = WSAGetLastError();
        return -1;
    }
    return n;
}

void WinSockTransport::Close()
{
    if (socket_ != INVALID_SOCKET)
        closesocket(socket_);
    socket_ = INVALID_SOCKET;
}

std::string WinSockTransport::HostName()
{
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 ? name : "";
}

std::string WinSockTransport::LocalAddress()
{
    sockaddr_storage address = {};
    int length = sizeof address;
    char text[NI_MAXHOST] = {};
    if (socket_ == INVALID_SOCKET || getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        getnameinfo(reinterpret_cast<sockaddr*>(&address), length, text, sizeof text, nullptr, 0, NI_NUMERICHOST) != 0)
        return "";
    return text;
}

unsigned short WinSockTransport::ServicePort(const char* service)
{
    const servent* entry = getservbyname(service, nullptr);
    return entry ? ntohs(static_cast<u_short>(entry->s_port)) : 0;
}
