#include "web/WinInetTransports_win.h"

#include "web/DirectHttpRequest_win.h"
#include "web/SessionHttpRequest_win.h"

std::unique_ptr<DirectTransport> WinInetTransports::CreateDirect()
{
    return std::make_unique<DirectHttpRequest>(timeoutCeilingMs_, bodyLimit_, deadlineMs_);
}

std::unique_ptr<SessionTransport> WinInetTransports::CreateSession()
{
    return std::make_unique<SessionHttpRequest>(timeoutCeilingMs_, bodyLimit_, deadlineMs_);
}

void InstallWinInetTransports()
{
    // Lives as long as the process: providers on any thread may still be fetching at exit.
    static WinInetTransports transports;
    if (!InstalledTransportFactory())
        InstallTransportFactory(&transports);
}
