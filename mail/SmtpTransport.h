#pragma once
// The SMTP client's road to its server: one TCP connection at a time, every wait bounded.
// The program uses WinSock (WinSockTransport_win); the native tests a scripted fake.
#include <cstddef>
#include <string>

class SmtpTransport {
public:
    virtual ~SmtpTransport() = default;

    // Resolves host and connects to port, trying its addresses in turn, all within timeoutMs.
    // False when the name does not resolve or nothing answers in time.
    virtual bool Open(const std::string& host, unsigned short port, int timeoutMs) = 0;
    // Sends every byte; false on an error or when the connection takes nothing for timeoutMs.
    virtual bool Send(const std::string& bytes, int timeoutMs) = 0;
    // Waits at most timeoutMs for bytes and reads up to size of them. Returns the count read,
    // 0 when the server closed the connection, -1 on an error or when nothing came in time.
    virtual long Receive(char* buffer, std::size_t size, int timeoutMs) = 0;
    virtual void Close() = 0;

    // This machine's host name, and the local address of the open connection in text form.
    virtual std::string HostName() = 0;
    virtual std::string LocalAddress() = 0;
    // The port of a service entry of the system ("mail"), 0 when there is none.
    virtual unsigned short ServicePort(const char* service) = 0;
    // The platform's code of the last failure, for the diagnostics.
    virtual int LastError() const = 0;
};
