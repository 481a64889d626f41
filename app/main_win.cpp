// Quorvane: process start and end.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include "app/MessageLoop_win.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"

namespace {

// Windows Sockets 1.1 for the whole run; anything else means no network for the program.
class SocketsScope {
public:
    SocketsScope()
    {
        WSADATA data;
        ok_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
        if (ok_ && data.wVersion != MAKEWORD(1, 1)) {
            WSACleanup();
            ok_ = false;
        }
    }
    ~SocketsScope()
    {
        if (ok_)
            WSACleanup();
    }
    SocketsScope(const SocketsScope&) = delete;
    SocketsScope& operator=(const SocketsScope&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_ = false;
};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    SocketsScope sockets;
    if (!sockets.Ok())
        return 1;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);

    int exitCode = 1;
    // A second instance has handed over to the running one and simply ends here.
    if (ProgramStart(instance, commandLine)) {
        if (CreateMiniBrowserFrame())
            exitCode = RunMessageLoop();
    }
    return exitCode;
}
