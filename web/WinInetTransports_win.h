#pragma once
// The WinINet transports for every provider of the program, and for tests that want them with
// shorter time-outs or a smaller largest answer.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "web/HttpTransport.h"

class WinInetTransports : public TransportFactory {
public:
    // timeoutCeilingMs: no time-out longer than this (0: as each request says);
    // bodyLimit: no answer larger than this (0: as each request says);
    // deadlineMs: no fetch longer than this (0: as each request says, a minute by default).
    explicit WinInetTransports(std::uint32_t timeoutCeilingMs = 0, std::size_t bodyLimit = 0,
                               std::uint32_t deadlineMs = 0)
        : timeoutCeilingMs_(timeoutCeilingMs), bodyLimit_(bodyLimit), deadlineMs_(deadlineMs)
    {
    }

    std::unique_ptr<DirectTransport> CreateDirect() override;
    std::unique_ptr<SessionTransport> CreateSession() override;

private:
    std::uint32_t timeoutCeilingMs_;
    std::size_t bodyLimit_;
    std::uint32_t deadlineMs_;
};

// Installs the process-wide WinINet factory at start-up, unless one is installed already.
void InstallWinInetTransports();
