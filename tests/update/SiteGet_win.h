#pragma once
// A GET through WinINet with the test's own handles, fresh each time: the control paths of
// tests/support/update_site_peer.py ("/reset", "/requests").
#include <windows.h>
#include <wininet.h>

#include <string>

inline std::string SiteGet(const std::string& address)
{
    std::string body;
    if (HINTERNET session = InternetOpenA("QvTest", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)) {
        if (HINTERNET request = InternetOpenUrlA(session, address.c_str(), nullptr, 0,
                                                 INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)) {
            char chunk[4096];
            DWORD read = 0;
            while (InternetReadFile(request, chunk, sizeof chunk, &read) && read)
                body.append(chunk, read);
            InternetCloseHandle(request);
        }
        InternetCloseHandle(session);
    }
    return body;
}
