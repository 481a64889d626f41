#include "tests/mail/PosixSmtpTransport.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

PosixSmtpTransport::~PosixSmtpTransport() { Close(); }

bool PosixSmtpTransport::Open(const std::string& host, unsigned short port, int timeoutMs)
{
    Close();
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) {
        error_ = EHOSTUNREACH;
        return false;
    }
    for (addrinfo* a = found; a && socket_ < 0; a = a->ai_next) {
        int s = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (s < 0)
            continue;
        int rc = connect(s, a->ai_addr, a->ai_addrlen);
        if (rc != 0 && errno == EINPROGRESS) {
            pollfd p = {s, POLLOUT, 0};
            int soError = ETIMEDOUT;
            socklen_t length = sizeof soError;
            if (poll(&p, 1, MsLeft(deadline)) == 1)
                getsockopt(s, SOL_SOCKET, SO_ERROR, &soError, &length);
            rc = soError == 0 ? 0 : -1;
            errno = soError;
        }
        if (rc == 0)
            socket_ = s;
        else {
            error_ = errno;
            close(s);
        }
    }
    freeaddrinfo(found);
    return socket_ >= 0;
}

bool PosixSmtpTransport::Send(const std::string& bytes, int timeoutMs)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        pollfd p = {socket_, POLLOUT, 0};
        if (poll(&p, 1, timeoutMs) != 1) {
            error_ = ETIMEDOUT;
            return false;
        }
        ssize_t n = send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            error_ = errno;
            return false;
        }
        if (n > 0)
            sent += static_cast<std::size_t>(n);
    }
    return true;
}

long PosixSmtpTransport::Receive(char* buffer, std::size_t size, int timeoutMs)
{
    pollfd p = {socket_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) != 1) {
        error_ = ETIMEDOUT;
        return -1;
    }
    ssize_t n = recv(socket_, buffer, size, 0);
    if (n < 0)
        error_ = errno;
    return static_cast<long>(n);
}

void PosixSmtpTransport::Close()
{
    if (socket_ >= 0)
        close(socket_);
    socket_ = -1;
}

std::string PosixSmtpTransport::HostName()
{
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 ? name : "";
}

std::string PosixSmtpTransport::LocalAddress()
{
    sockaddr_storage address = {};
    socklen_t length = sizeof address;
    char text[INET6_ADDRSTRLEN] = {};
    if (getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return "";
    if (address.ss_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(&address)->sin_addr, text, sizeof text);
    else
        inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(&address)->sin6_addr, text, sizeof text);
    return text;
}

unsigned short PosixSmtpTransport::ServicePort(const char*)
{
    // The tests always name their port.
    return 0;
}
