#pragma once
// The SMTP client's transport over WinSock 2.2: plain TCP, the connection, every send and
// every wait bounded by the client's time-outs. Each object starts WinSock for itself (the
// system counts the start-ups), so mail threads never disturb each other.
#include <winsock2.h>

#include "mail/SmtpTransport.h"

class WinSockTransport : public SmtpTransport {
public:
    WinSockTransport();
    ~WinSockTransport() override;
    WinSockTransport(const WinSockTransport&) = delete;
    WinSockTransport& operator=(const WinSockTransport&) = delete;

    bool Open(const std::string& host, unsigned short port, int timeoutMs) override;
    bool Send(const std::string& bytes, int timeoutMs) override;
    long Receive(char* buffer, std::size_t size, int timeoutMs) override;
    void Close() override;
    std::string HostName() override;
    std::string LocalAddress() override;
    unsigned short ServicePort(const char* service) override;
    int LastError() const override { return error_; }

private:
    bool started_ = false;
    SOCKET socket_ = INVALID_SOCKET;
    int error_ = 0;
};
