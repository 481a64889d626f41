#pragma once
// The session road on WinINet: GETs only; shows the platform's status notifications and the
// read progress in an optional status window, and lets the calling thread's messages run
// between chunks so that the user interface stays alive while a page comes in.
#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <memory>
#include <string>

#include "web/HttpTransport.h"
#include "web/WinInet_win.h"

// An internet session whose status notifications become texts in a status window.
class StatusSession {
public:
    StatusSession(const std::string& agentName, HWND statusWindow, const HttpTimeouts& timeouts);
    ~StatusSession();
    StatusSession(const StatusSession&) = delete;
    StatusSession& operator=(const StatusSession&) = delete;

    bool Ok() const { return static_cast<bool>(handle_); }
    HINTERNET Handle() const { return handle_.Get(); }
    // The context that routes the notifications of this session's requests back to it.
    DWORD_PTR Context() const { return reinterpret_cast<DWORD_PTR>(this); }

    void SetStatusWindow(HWND window) { statusWindow_ = window; }
    HWND StatusWindowHandle() const { return statusWindow_; }
    const std::string& StatusText() const { return statusText_; }

    // Keeps the text (cut to the status buffer) and shows it in the status window at once.
    // Only the thread that made the session does either: a notification from another thread
    // is dropped, since the text and the window belong to this thread.
    void SetStatusText(const std::string& text);
    // A string-table text as a printf format with the arguments.
    void SetStatusTextById(UINT id, ...);

    void OnStatusCallback(DWORD status, const void* info, DWORD infoLength);

private:
    static void CALLBACK Callback(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID info,
                                  DWORD infoLength);

    UniqueInternet handle_;
    HWND statusWindow_ = nullptr;
    std::string statusText_;
    DWORD thread_ = GetCurrentThreadId();
};

class SessionHttpRequest : public SessionTransport {
public:
    // timeoutCeilingMs shortens every time-out (0: as the request says); bodyLimit lowers the
    // request's largest answer (0: as the request says); deadlineMs shortens the deadline of
    // every fetch (0: as the request says).
    explicit SessionHttpRequest(std::uint32_t timeoutCeilingMs = 0, std::size_t bodyLimit = 0,
                                std::uint32_t deadlineMs = 0);
    ~SessionHttpRequest() override;

    bool Open(const std::string& agentName, StatusWindow statusWindow) override;
    bool Get(const HttpRequest& request, std::string& content, StatusWindow statusWindow) override;
    void Close() override;

    const std::string& ErrorText() const { return errorText_; }
    StatusSession* Session() const { return session_.get(); }

private:
    bool ReadAll(HINTERNET file, const HttpRequest& request, const FetchDeadline& deadline,
                 const HttpTimeouts& timeouts, std::string& content);

    std::uint32_t timeoutCeilingMs_;
    std::size_t bodyLimit_;
    std::uint32_t deadlineMs_;
    std::unique_ptr<StatusSession> session_;
    std::string errorText_;
};

// Lets the thread's waiting messages run (as its message loop would) until none waits. A
// WM_QUIT is put back for the loop and ends the pumping; false from then on.
bool PumpWaitingMessages();
