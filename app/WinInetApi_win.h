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
    decltype(&::InternetQueryDataAvailable) InternetQueryDataAvailable;
    decltype(&::InternetCloseHandle) InternetCloseHandle;
    decltype(&::InternetSetOptionA) InternetSetOptionA;
    decltype(&::InternetQueryOptionA) InternetQueryOptionA;
    decltype(&::InternetSetStatusCallbackA) InternetSetStatusCallbackA;
    decltype(&::InternetGetConnectedState) InternetGetConnectedState;
};

const WinInetApi* WinInet();

// The calls the program makes, through the table; each fails (FALSE or null, with
// ERROR_MOD_NOT_FOUND) when WinINet cannot be loaded.
namespace inet {

template <typename R, typename Fn, typename... Args>
R Call(Fn WinInetApi::*fn, R failed, Args... args)
{
    const WinInetApi* api = WinInet();
    if (!api) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return failed;
    }
    return (api->*fn)(args...);
}

inline HINTERNET InternetOpenA(LPCSTR agent, DWORD access, LPCSTR proxy, LPCSTR bypass, DWORD flags)
{ return Call<HINTERNET>(&WinInetApi::InternetOpenA, nullptr, agent, access, proxy, bypass, flags); }
inline HINTERNET InternetOpenUrlA(HINTERNET session, LPCSTR url, LPCSTR headers, DWORD length, DWORD flags, DWORD_PTR context)
{ return Call<HINTERNET>(&WinInetApi::InternetOpenUrlA, nullptr, session, url, headers, length, flags, context); }
inline HINTERNET InternetConnectA(HINTERNET session, LPCSTR host, INTERNET_PORT port, LPCSTR user, LPCSTR password,
                                  DWORD service, DWORD flags, DWORD_PTR context)
{ return Call<HINTERNET>(&WinInetApi::InternetConnectA, nullptr, session, host, port, user, password, service, flags, context); }
inline HINTERNET HttpOpenRequestA(HINTERNET connection, LPCSTR verb, LPCSTR object, LPCSTR version, LPCSTR referrer,
                                  LPCSTR* accept, DWORD flags, DWORD_PTR context)
{ return Call<HINTERNET>(&WinInetApi::HttpOpenRequestA, nullptr, connection, verb, object, version, referrer, accept, flags, context); }
inline BOOL HttpSendRequestA(HINTERNET request, LPCSTR headers, DWORD headersLength, LPVOID body, DWORD bodyLength)
{ return Call<BOOL>(&WinInetApi::HttpSendRequestA, FALSE, request, headers, headersLength, body, bodyLength); }
inline BOOL HttpQueryInfoA(HINTERNET request, DWORD level, LPVOID buffer, LPDWORD length, LPDWORD index)
{ return Call<BOOL>(&WinInetApi::HttpQueryInfoA, FALSE, request, level, buffer, length, index); }
inline BOOL InternetReadFile(HINTERNET file, LPVOID buffer, DWORD toRead, LPDWORD read)
{ return Call<BOOL>(&WinInetApi::InternetReadFile, FALSE, file, buffer, toRead, read); }
inline BOOL InternetQueryDataAvailable(HINTERNET file, LPDWORD available, DWORD flags, DWORD_PTR context)
{ return Call<BOOL>(&WinInetApi::InternetQueryDataAvailable, FALSE, file, available, flags, context); }
inline BOOL InternetCloseHandle(HINTERNET handle)
{ return Call<BOOL>(&WinInetApi::InternetCloseHandle, FALSE, handle); }
inline BOOL InternetSetOptionA(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length)
{ return Call<BOOL>(&WinInetApi::InternetSetOptionA, FALSE, handle, option, buffer, length); }
inline BOOL InternetQueryOptionA(HINTERNET handle, DWORD option, LPVOID buffer, LPDWORD length)
{ return Call<BOOL>(&WinInetApi::InternetQueryOptionA, FALSE, handle, option, buffer, length); }
inline INTERNET_STATUS_CALLBACK InternetSetStatusCallbackA(HINTERNET handle, INTERNET_STATUS_CALLBACK callback)
{ return Call<INTERNET_STATUS_CALLBACK>(&WinInetApi::InternetSetStatusCallbackA, INTERNET_INVALID_STATUS_CALLBACK, handle, callback); }
inline BOOL InternetGetConnectedState(LPDWORD flags, DWORD reserved)
{ return Call<BOOL>(&WinInetApi::InternetGetConnectedState, FALSE, flags, reserved); }

} // namespace inet
