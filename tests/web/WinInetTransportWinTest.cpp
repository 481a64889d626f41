// The WinINet transports against a real HTTP server on loopback (tests/support/http_peer.py).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/HttpPeer_win.h"
#include "tests/support/WineTestUtil.h"
#include "web/DirectHttpRequest_win.h"
#include "web/HttpRequest.h"
#include "web/ResourceProvider.h"
#include "web/SessionHttpRequest_win.h"
#include "web/WinInetTransports_win.h"

namespace {

using wt::HttpPeer;

class Transports : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(HttpPeer::Address().empty()) << "no HTTP peer runs beside the test (QV_HTTP_PEER)";
        HttpPeer::Reset();
        InstallWinInetTransports();
    }

    static HttpResponse Send(const std::string& address, const std::string& body = std::string(),
                             std::uint32_t timeoutCeilingMs = 0)
    {
        DirectHttpRequest transport(timeoutCeilingMs);
        HttpRequest request;
        std::uint32_t error = 0;
        EXPECT_TRUE(BuildDirectRequest(address, body, "", request, error)) << error;
        HttpResponse response;
        transport.Send(request, response);
        return response;
    }
};

// A provider of one address on the road the test chooses.
class Page : public ResourceProvider {
public:
    Page(std::string address, bool direct, std::string body = std::string())
        : address_(std::move(address)), direct_(direct), body_(std::move(body))
    {
    }
    void GetUrl(std::string& url) override { url = address_; }
    bool UsesDirectRequest() override { return direct_; }
    void GetPostData(std::string& body) override { body = body_; }

private:
    std::string address_;
    bool direct_;
    std::string body_;
};

// A window that records every text set on it.
class StatusRecorder {
public:
    StatusRecorder()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QvStatusRecorder";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 300, 20, nullptr, nullptr,
                                  wc.hInstance, this);
    }
    ~StatusRecorder() { DestroyWindow(window_); }
    HWND Window() const { return window_; }
    std::vector<std::string> texts;

    bool Saw(const std::string& text) const
    {
        for (const std::string& t : texts)
            if (t == text)
                return true;
        return false;
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<StatusRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_SETTEXT && self)
            self->texts.push_back(reinterpret_cast<const char*>(lParam));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window_ = nullptr;
};

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_ticks;
}

}  // namespace

TEST_F(Transports, GetReadsThePageWithItsStatusAndSendsTheAgentName)
{
    HttpResponse response = Send(HttpPeer::Url("/page?x=1"));
    EXPECT_TRUE(response.answered);
    EXPECT_TRUE(response.complete);
    EXPECT_EQ(StatusCode(response.rawHeaders), 200);
    EXPECT_EQ(response.rawHeaders.substr(0, 15), "HTTP/1.0 200 OK");
    EXPECT_EQ(response.rawHeaders.substr(response.rawHeaders.size() - 2), std::string(2, '\0'));
    EXPECT_NE(response.body.find("Page /page from the peer."), std::string::npos);

    wt::PeerRequest got = HttpPeer::Last();
    ASSERT_TRUE(got.recorded);
    EXPECT_EQ(got.method, "GET");
    EXPECT_EQ(got.path, "/page?x=1");   // a GET opens the whole address
    EXPECT_EQ(got.Header("User-Agent"), "Quorvane1.00");
}

TEST_F(Transports, PostSendsTheFormBodyExactlyToThePathWithoutItsQuery)
{
    std::string body = "a=1&text=Tom %26 Jerry + caf\xE9\r\nsecond line&empty=";
    HttpResponse response = Send(HttpPeer::Url("/form/target?dropped=1"), body);
    EXPECT_TRUE(response.answered);
    EXPECT_EQ(StatusCode(response.rawHeaders), 200);

    wt::PeerRequest got = HttpPeer::Last();
    ASSERT_TRUE(got.recorded);
    EXPECT_EQ(got.method, "POST");
    EXPECT_EQ(got.path, "/form/target");
    EXPECT_EQ(got.Header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(got.Header("Content-Length"), std::to_string(body.size()));
    EXPECT_EQ(got.Header("Accept"), "*/*");
    EXPECT_EQ(got.Header("User-Agent"), "Quorvane1.00");
    EXPECT_FALSE(got.HasHeader("Authorization"));
    EXPECT_EQ(got.body, body);
}

TEST_F(Transports, ErrorPagesAreAnsweredWithTheirStatus)
{
    for (int status : {404, 500, 503}) {
        HttpResponse response = Send(HttpPeer::Url("/status/" + std::to_string(status) + "/page"));
        EXPECT_TRUE(response.answered) << status;
        EXPECT_TRUE(response.complete) << status;
        EXPECT_EQ(StatusCode(response.rawHeaders), status);
        EXPECT_NE(response.body.find("Error " + std::to_string(status)), std::string::npos);
    }
    // On the provider's road the page is kept and the fetch fails with the status.
    Page page(HttpPeer::Url("/status/404/x"), true, "k=v");
    page.Run();
    EXPECT_TRUE(page.Failed());
    EXPECT_EQ(page.ErrorText(), "Error 404 fetching resource");
    EXPECT_NE(page.Content().find("Error 404"), std::string::npos);
}

TEST_F(Transports, ARefusedConnectionIsNoAnswer)
{
    std::string closed = wt::HttpPeer::ClosedAddress();
    ASSERT_FALSE(closed.empty());
    for (const char* body : {"", "k=v"}) {
        HttpResponse response = Send("http://" + closed + "/page", body);
        EXPECT_FALSE(response.answered);
        EXPECT_EQ(response.lastError, static_cast<std::uint32_t>(ERROR_INTERNET_CANNOT_CONNECT)) << body;
        EXPECT_TRUE(response.body.empty());
    }
    Page page("http://" + closed + "/page", true);
    page.Run();
    EXPECT_TRUE(page.Failed());
    EXPECT_EQ(page.ErrorText(), "Error 0 fetching resource");
}

TEST_F(Transports, AServerThatNeverAnswersTimesOut)
{
    for (const char* body : {"k=v", ""}) {
        DWORD started = GetTickCount();
        HttpResponse response = Send(HttpPeer::Url("/silent/page"), body, 1500);
        DWORD took = GetTickCount() - started;
        EXPECT_FALSE(response.answered && response.complete) << body;
        // The platform names it a time-out or an aborted connection.
        EXPECT_TRUE(response.lastError == ERROR_INTERNET_TIMEOUT ||
                    response.lastError == ERROR_INTERNET_CONNECTION_ABORTED)
            << body << " " << response.lastError;
        EXPECT_LT(took, 10000u) << body;
    }
    // Without a ceiling the requests carry time-outs of their own.
    HttpRequest request;
    std::uint32_t error = 0;
    ASSERT_TRUE(BuildDirectRequest(HttpPeer::Url("/silent/page"), "k=v", "", request, error));
    EXPECT_GT(request.timeouts.receiveMs, 0u);
    EXPECT_LE(request.timeouts.receiveMs, 30000u);
}

TEST_F(Transports, TenMegabytesArriveWholeAndALimitStopsTheRead)
{
    HttpResponse response = Send(HttpPeer::Url("/big/page"));
    EXPECT_TRUE(response.complete);
    EXPECT_GT(response.body.size(), 10u * 1024 * 1024);
    EXPECT_NE(response.body.find("Page /page from the peer.", 10u * 1024 * 1024), std::string::npos);

    WinInetTransports limited(0, 1024 * 1024);
    Page page(HttpPeer::Url("/big/page"), true);
    page.SetTransportFactory(&limited);
    page.Run();
    EXPECT_TRUE(page.Failed());
    EXPECT_LE(page.Content().size(), 1024u * 1024);
}

TEST_F(Transports, NulBytesInAPageAreKept)
{
    HttpResponse response = Send(HttpPeer::Url("/nul/page"));
    ASSERT_TRUE(response.complete);
    EXPECT_EQ(response.body.compare(0, 22, std::string("<html>\0\0<p>bin\0ary</p>", 22)), 0);
    EXPECT_NE(response.body.find("from the peer."), std::string::npos);
    EXPECT_EQ(response.body.substr(response.body.size() - 6), std::string("\0tail\0", 6));
}

TEST_F(Transports, SessionRoadReadsWhileTheThreadKeepsServingItsWindows)
{
    StatusRecorder status;
    g_ticks = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, CountTick);

    SessionHttpRequest session;
    ASSERT_TRUE(session.Open("", status.Window()));
    std::string content;
    HttpRequest request = BuildSessionRequest(HttpPeer::Url("/slow/page"), true, "");
    EXPECT_TRUE(session.Get(request, content, status.Window()));
    session.Close();
    KillTimer(nullptr, timer);

    EXPECT_EQ(content.size(), 12u * 4096);
    EXPECT_EQ(content.substr(0, 4), "<p>s");
    EXPECT_GE(g_ticks, 4) << "the timer did not run during the read";
    wt::PeerRequest got = HttpPeer::Last();
    EXPECT_EQ(got.method, "GET");
    EXPECT_EQ(got.Header("User-Agent"), "Quorvane1.00");

    // Progress first without a rate, then with one; notifications; cleared at the end.
    bool plain = false, rated = false;
    for (const std::string& t : status.texts) {
        plain |= t.rfind("Read ", 0) == 0 && t.find("Kb/s") == std::string::npos;
        rated |= t.rfind("Read ", 0) == 0 && t.find(" Kb/s)") != std::string::npos;
    }
    EXPECT_TRUE(plain);
    EXPECT_TRUE(rated);
    EXPECT_TRUE(status.Saw("Read 4095 bytes"));
    EXPECT_TRUE(status.Saw("Sending request..."));
    EXPECT_TRUE(status.Saw("Request sent"));
    EXPECT_TRUE(status.Saw("Response received"));
    ASSERT_FALSE(status.texts.empty());
    EXPECT_EQ(status.texts.back(), "");
}

TEST_F(Transports, SessionRoadFailuresOnTheProvider)
{
    std::string closed = "http://" + wt::HttpPeer::ClosedAddress() + "/page";
    StatusRecorder status;
    Page page(closed, false);
    page.SetStatusWindow(status.Window());
    page.Run();
    EXPECT_TRUE(page.Failed());
    EXPECT_EQ(page.ErrorText(), "Error fetching resource" + closed);
    ASSERT_FALSE(status.texts.empty());
    EXPECT_FALSE(status.texts.back().empty());   // the platform's reason

    // The session road does not judge the status: an error page is content.
    Page missing(HttpPeer::Url("/status/404/x"), false);
    missing.Run();
    EXPECT_FALSE(missing.Failed());
    EXPECT_NE(missing.Content().find("Error 404"), std::string::npos);

    WinInetTransports quick(1500);
    Page silent(HttpPeer::Url("/silent/x"), false);
    silent.SetTransportFactory(&quick);
    DWORD started = GetTickCount();
    silent.Run();
    EXPECT_TRUE(silent.Failed());
    EXPECT_LT(GetTickCount() - started, 10000u);
}

namespace {

// What a message let through by a session read does: the window that owns the fetch goes, and
// its provider with it.
struct Owner {
    HWND window;
    ResourceProvider* provider;
} g_owner = {};

void CALLBACK DestroyOwner(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    DestroyWindow(g_owner.window);
    delete g_owner.provider;
}

DWORD WINAPI NotifyFromAnotherThread(LPVOID session)
{
    static_cast<StatusSession*>(session)->OnStatusCallback(30, nullptr, 0);   // "Sending request..."
    static_cast<StatusSession*>(session)->SetStatusText("from elsewhere");
    return 0;
}

}  // namespace

// A server that sends one byte now and then never trips a receive time-out; the deadline of
// the fetch ends it on both roads, and the caller's cancel check ends it sooner.
TEST_F(Transports, ADeadlineEndsAFetchThatATrickleWouldHoldForEver)
{
    WinInetTransports quick(0, 0, 2000);
    for (bool direct : {true, false}) {
        Page page(HttpPeer::Url("/trickle/page"), direct);
        page.SetTransportFactory(&quick);
        const DWORD started = GetTickCount();
        page.Run();
        EXPECT_TRUE(page.Failed()) << direct;
        EXPECT_GE(GetTickCount() - started, 1500u) << direct;
        EXPECT_LT(GetTickCount() - started, 6000u) << direct;
    }

    WinInetTransports plain;
    Page cancelled(HttpPeer::Url("/trickle/page"), true);
    cancelled.SetTransportFactory(&plain);
    EXPECT_EQ(cancelled.FetchDeadline(), 60000u);
    const DWORD started = GetTickCount();
    cancelled.SetCancelCheck([&] { return GetTickCount() - started > 700; });
    cancelled.Run();
    EXPECT_TRUE(cancelled.Failed());
    EXPECT_LT(GetTickCount() - started, 3000u);
}

// The session road keeps the largest answer, and a read whose owner window is destroyed by a
// message it let through stops at once, touching neither the window nor the provider.
TEST_F(Transports, SessionRoadKeepsTheLimitAndSurvivesItsOwner)
{
    WinInetTransports limited(0, 1024 * 1024);
    Page big(HttpPeer::Url("/big/page"), false);
    big.SetTransportFactory(&limited);
    big.Run();
    EXPECT_TRUE(big.Failed());
    EXPECT_LE(big.Content().size(), 1024u * 1024);

    StatusRecorder window;
    auto* page = new Page(HttpPeer::Url("/slow/page"), false);
    page->SetStatusWindow(window.Window());
    g_owner = {window.Window(), page};
    SetTimer(nullptr, 0, 300, DestroyOwner);
    const DWORD started = GetTickCount();
    page->Run();   // the page is gone when this returns
    EXPECT_FALSE(IsWindow(window.Window()));
    EXPECT_LT(GetTickCount() - started, 1200u) << "the read went on for a window that was gone";
}

// Notifications may come from a thread of the platform's: they neither change the session's
// text nor reach its window; those of the session's own thread do.
TEST_F(Transports, StatusTextsComeOnlyFromTheSessionsThread)
{
    StatusRecorder status;
    StatusSession session("", status.Window(), HttpTimeouts());
    ASSERT_TRUE(session.Ok());
    session.SetStatusText("mine");
    HANDLE thread = CreateThread(nullptr, 0, NotifyFromAnotherThread, &session, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    EXPECT_EQ(session.StatusText(), "mine");
    ASSERT_FALSE(status.texts.empty());
    EXPECT_EQ(status.texts.back(), "mine");
    session.OnStatusCallback(30, nullptr, 0);
    EXPECT_EQ(session.StatusText(), "Sending request...");
}
