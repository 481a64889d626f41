#include "app/WinInetApi_win.h"

namespace {

template <typename Fn>
bool Resolve(HMODULE module, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return fn != nullptr;
}

const WinInetApi* Load()
{
    // Kept for the rest of the run: handles of the library live as long as the program.
    HMODULE module = LoadLibraryA("wininet.dll");
    if (!module)
        return nullptr;
    static WinInetApi api;
    bool ok = Resolve(module, "InternetOpenA", api.InternetOpenA) &&
              Resolve(module, "InternetOpenUrlA", api.InternetOpenUrlA) &&
              Resolve(module, "InternetConnectA", api.InternetConnectA) &&
              Resolve(module, "HttpOpenRequestA", api.HttpOpenRequestA) &&
              Resolve(module, "HttpSendRequestA", api.HttpSendRequestA) &&
              Resolve(module, "HttpQueryInfoA", api.HttpQueryInfoA) &&
              Resolve(module, "InternetReadFile", api.InternetReadFile) &&
              Resolve(module, "InternetQueryDataAvailable", api.InternetQueryDataAvailable) &&
              Resolve(module, "InternetCloseHandle", api.InternetCloseHandle) &&
              Resolve(module, "InternetSetOptionA", api.InternetSetOptionA) &&
              Resolve(module, "InternetQueryOptionA", api.InternetQueryOptionA) &&
              Resolve(module, "InternetSetStatusCallbackA", api.InternetSetStatusCallbackA) &&
              Resolve(module, "InternetGetConnectedState", api.InternetGetConnectedState);
    return ok ? &api : nullptr;
}

} // namespace

const WinInetApi* WinInet()
{
    static const WinInetApi* api = Load();
    return api;
}
