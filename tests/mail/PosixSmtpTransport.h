#pragma once
// The SMTP transport over POSIX sockets, so that the native tests run the client's real
// dialogue against real servers on loopback. Same rules as the program's WinSock transport.
#include "mail/SmtpTransport.h"

class PosixSmtpTransport : public SmtpTransport {
public:
    PosixSmtpTransport() = default;
    ~PosixSmtpTransport() override;
    PosixSmtpTransport(const PosixSmtpTransport&) = delete;
    PosixSmtpTransport& operator=(const PosixSmtpTransport&) = delete;

    bool Open(const std::string& host, unsigned short port, int timeoutMs) override;
    bool Send(const std::string& bytes, int timeoutMs) override;
    long Receive(char* buffer, std::size_t size, int timeoutMs) override;
    void Close() override;
    std::string HostName() override;
    std::string LocalAddress() override;
    unsigned short ServicePort(const char* service) override;
    int LastError() const override { return error_; }

private:
    int socket_ = -1;
    int error_ = 0;
};
