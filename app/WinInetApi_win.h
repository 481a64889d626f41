#pragma once
// WinINet, loaded on first use. The program needs it only when it fetches a page or asks for
// the connection state, and loading it (and what it pulls in) at start-up costs a good part
// of the time to the tray icon. Null when the library cannot be loaded.
#include <windows.h>
#include <wininet.h>

struct WinInetApi {
    decltype(&::InternetOpenA) InternetOpenA;
    decltype(&::InternetOpenUrlA) InternetOpenUrlA;
    decltype(&::InternetConnectA) InternetConnectA;
    decltype(&::HttpOpenRequestA) HttpOpenRequestA;
    decltype(&::HttpSendRequestA) HttpSendRequestA;
    decltype(&::HttpQueryInfoA) HttpQueryInfoA;
    decltype(&::InternetReadFile) InternetReadFile;
    decltype(&::InternetCloseHandle) InternetCloseHandle;
    decltype(&::InternetSetOptionA) InternetSetOptionA;
    decltype(&::InternetQueryOptionA) InternetQueryOptionA;
    decltype(&::InternetSetStatusCallbackA) InternetSetStatusCallbackA;
    decltype(&::InternetGetConnectedState) InternetGetConnectedState;
};

const WinInetApi* WinInet();
