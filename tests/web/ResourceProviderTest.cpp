#include "web/ResourceProvider.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/web/FakeTransports.h"

namespace {

// A provider whose every virtual step can be steered and is recorded.
class ProbeProvider : public ResourceProvider {
public:
    std::vector<std::string> urls{"http://example.com/page"};
    std::string body;
    bool direct = true;
    bool begin = true;
    std::vector<std::string> calls;
    std::vector<std::string> contentsSeen;
    std::vector<bool> failedSeen;

    void GetUrl(std::string& url) override
    {
        calls.push_back("GetUrl");
        url = urls[std::min(passes, urls.size() - 1)];
    }
    bool UsesDirectRequest() override { return direct; }
    void GetPostData(std::string& data) override { data = body; }
    bool BeginFetch() override
    {
        calls.push_back("BeginFetch");
        return begin;
    }
    bool FetchAgain() override { return ++passes < urls.size(); }
    void ProcessContent() override
    {
        calls.push_back("ProcessContent");
        contentsSeen.push_back(Content());
        failedSeen.push_back(Failed());
    }

private:
    std::size_t passes = 0;
};

class Page : public PlainResource {
public:
    explicit Page(std::string content) { SetContent(std::move(content)); }
};

}  // namespace

TEST(ResourceProvider, RunFetchesEachPassAndDigestsIt)
{
    FakeNetwork net;
    net.Answers(200, "<p>one</p>");
    net.Answers(200, "<p>two</p>");
    ProbeProvider p;
    p.urls = {"http://h/1", "http://h/2"};
    p.SetTransportFactory(&net);
    p.Run();
    EXPECT_EQ(p.calls, (std::vector<std::string>{"BeginFetch", "GetUrl", "ProcessContent", "GetUrl",
                                                 "ProcessContent"}));
    EXPECT_EQ(p.contentsSeen, (std::vector<std::string>{"<p>one</p>", "<p>two</p>"}));
    ASSERT_EQ(net.sent.size(), 2u);
    EXPECT_EQ(net.sent[1].address, "http://h/2");
    EXPECT_EQ(p.Url(), "http://h/2");
    EXPECT_FALSE(p.Failed());
    EXPECT_EQ(net.directMade, 2);
    EXPECT_EQ(net.directDestroyed, 2);   // one transport per fetch, gone afterwards
    EXPECT_GT(p.LastRunTime(), 0);
}

TEST(ResourceProvider, ABeginFetchOfFalseOnlyResets)
{
    FakeNetwork net;
    net.Answers(404, "missing");
    ProbeProvider p;
    p.SetTransportFactory(&net);
    p.Run();
    ASSERT_TRUE(p.Failed());
    p.begin = false;
    p.Run();
    EXPECT_FALSE(p.Failed());
    EXPECT_EQ(p.ErrorText(), "");
    EXPECT_EQ(p.Content(), "");
    EXPECT_EQ(net.sent.size(), 1u);
}

TEST(ResourceProvider, DirectRoadJudgesTheStatus)
{
    FakeNetwork net;
    net.Answers(404, "<h1>Not here</h1>");
    ProbeProvider p;
    p.SetTransportFactory(&net);
    p.Run();
    EXPECT_TRUE(p.Failed());
    EXPECT_EQ(p.ErrorText(), "Error 404 fetching resource");
    EXPECT_EQ(p.Content(), "<h1>Not here</h1>");   // the error page is kept
    EXPECT_EQ(p.failedSeen, std::vector<bool>{true});   // ProcessContent still runs

    FakeNetwork ok;
    ok.Answers(204, "");
    p.SetTransportFactory(&ok);
    p.Run();
    EXPECT_FALSE(p.Failed());
}

TEST(ResourceProvider, NoAnswerIsStatusZero)
{
    FakeNetwork refused;
    refused.answers.push_back({false, false, "", ""});
    ProbeProvider p;
    p.SetTransportFactory(&refused);
    p.Run();
    EXPECT_TRUE(p.Failed());
    EXPECT_EQ(p.ErrorText(), "Error 0 fetching resource");
    EXPECT_EQ(p.Content(), "");

    FakeNetwork none;
    none.failToCreate = true;
    p.SetTransportFactory(&none);
    p.Run();
    EXPECT_EQ(p.ErrorText(), "Error 0 fetching resource");

    FakeNetwork headless;   // an answer without a status line
    headless.answers.push_back({true, true, std::string("Server: x\0\0", 11), "body"});
    p.SetTransportFactory(&headless);
    p.Run();
    EXPECT_EQ(p.ErrorText(), "Error 0 fetching resource");
}

TEST(ResourceProvider, AnAnswerCutShortIsAFailure)
{
    FakeNetwork net;
    net.answers.push_back({true, false, FakeNetwork::Headers(200), "<html><body>half"});
    ProbeProvider p;
    p.SetTransportFactory(&net);
    p.Run();
    EXPECT_TRUE(p.Failed());
    EXPECT_EQ(p.ErrorText(), "Error fetching resourcehttp://example.com/page");
    EXPECT_EQ(p.Content(), "<html><body>half");
}

TEST(ResourceProvider, TheBodyChoosesGetOrPostAndNothingIsLost)
{
    FakeNetwork net;
    std::string binary("a\0b\xFF\0c", 6);
    net.Answers(200, binary);
    ProbeProvider p;
    p.SetTransportFactory(&net);
    p.Run();
    ASSERT_EQ(net.sent.size(), 1u);
    EXPECT_EQ(net.sent[0].verb, "GET");
    EXPECT_EQ(net.sent[0].agentName, "Quorvane1.00");
    EXPECT_EQ(p.Content(), binary);   // NUL bytes do not cut the page

    p.body = "q=x&y";
    p.SetAgentName("Probe");
    p.Run();
    ASSERT_EQ(net.sent.size(), 2u);
    EXPECT_EQ(net.sent[1].verb, "POST");
    EXPECT_EQ(net.sent[1].body, "q=x&y");
    EXPECT_EQ(net.sent[1].agentName, "Probe");
}

TEST(ResourceProvider, SessionRoad)
{
    FakeNetwork net;
    net.sessionContent = "page";
    ProbeProvider p;
    p.direct = false;
    p.SetTransportFactory(&net);
    int window = 0;
    p.SetStatusWindow(&window);
    p.Run();
    EXPECT_FALSE(p.Failed());
    EXPECT_EQ(p.Content(), "page");
    ASSERT_EQ(net.sessionGot.size(), 1u);
    EXPECT_EQ(net.sessionGot[0].requestFlags, 0x80000002u);   // always a reload
    EXPECT_EQ(net.sessionWindow, &window);
    EXPECT_EQ(net.sessionClosed, 1);
    EXPECT_TRUE(net.sent.empty());

    net.sessionGets = false;
    p.Run();
    EXPECT_TRUE(p.Failed());
    EXPECT_EQ(p.ErrorText(), "Error fetching resourcehttp://example.com/page");

    net.sessionOpens = false;
    p.Run();
    EXPECT_EQ(p.ErrorText(), "Unable to initialize resource provider");
    EXPECT_TRUE(net.sessionGot.size() == 2u);
}

TEST(ResourceProvider, WithoutAnyTransportTheFetchFails)
{
    ASSERT_EQ(InstalledTransportFactory(), nullptr);
    ProbeProvider direct;
    direct.Run();
    EXPECT_EQ(direct.ErrorText(), "Error 0 fetching resource");
    ProbeProvider session;
    session.direct = false;
    session.Run();
    EXPECT_EQ(session.ErrorText(), "Unable to initialize resource provider");

    FakeNetwork net;
    net.Answers(200, "ok");
    InstallTransportFactory(&net);
    direct.Run();
    InstallTransportFactory(nullptr);
    EXPECT_FALSE(direct.Failed());
    EXPECT_EQ(direct.Content(), "ok");
}

TEST(ResourceProviderCursor, SkipPastMatchesAnyCaseAndStopsAfterTheMatch)
{
    Page c("abc<TEXTAREA name=Q>xyz");
    EXPECT_TRUE(c.SkipPast("<textarea name=q"));
    EXPECT_EQ(c.Cursor(), 19u);
    EXPECT_FALSE(c.SkipPast("<textarea"));
    EXPECT_EQ(c.Cursor(), 19u);
    EXPECT_TRUE(c.SkipPast(">"));
    EXPECT_EQ(c.Cursor(), 20u);
    EXPECT_TRUE(c.SkipPast(""));   // an empty marker matches where the cursor stands
    EXPECT_EQ(c.Cursor(), 20u);
    EXPECT_TRUE(c.SkipPast("xyz"));
    EXPECT_EQ(c.Cursor(), c.Content().size());
    EXPECT_FALSE(c.SkipPast("z"));
}

TEST(ResourceProviderCursor, ExtractUntil)
{
    Page c("<b>one</B>two</b>");
    std::string out = "untouched";
    EXPECT_FALSE(c.ExtractUntil("</i>", out));
    EXPECT_EQ(out, "untouched");
    EXPECT_EQ(c.Cursor(), 0u);
    ASSERT_TRUE(c.SkipPast("<b>"));
    EXPECT_TRUE(c.ExtractUntil("</b>", out));
    EXPECT_EQ(out, "one");
    EXPECT_EQ(c.Cursor(), 10u);
    EXPECT_TRUE(c.ExtractUntil("</b>", out));
    EXPECT_EQ(out, "two");
    EXPECT_EQ(c.Cursor(), c.Content().size());

    // It needs at least two characters from the cursor on.
    Page one("x>");
    ASSERT_TRUE(one.SkipPast("x"));
    out = "kept";
    EXPECT_FALSE(one.ExtractUntil(">", out));
    EXPECT_EQ(out, "kept");
    Page two("x>");
    EXPECT_TRUE(two.ExtractUntil(">", out));
    EXPECT_EQ(out, "x");
    Page empty("");
    EXPECT_FALSE(empty.ExtractUntil("", out));
}

TEST(ResourceProviderCursor, ExtractRestLeavesTheCursor)
{
    Page c("abc");
    std::string out = "x";
    ASSERT_TRUE(c.SkipPast("ab"));
    c.ExtractRest(out);
    EXPECT_EQ(out, "c");
    EXPECT_EQ(c.Cursor(), 2u);
    ASSERT_TRUE(c.SkipPast("c"));
    c.ExtractRest(out);
    EXPECT_EQ(out, "");
    c.ResetPosition();
    c.ExtractRest(out);
    EXPECT_EQ(out, "abc");
}

TEST(ResourceProviderCursor, RemoveScriptsRewritesTheContentAndResetsTheCursor)
{
    Page c("a<script>x</script>b<SCRIPT>open");
    ASSERT_TRUE(c.SkipPast("b"));
    c.RemoveScripts();
    EXPECT_EQ(c.Content(), "ab");
    EXPECT_EQ(c.Cursor(), 0u);
}

// Only web pages are fetched: every other address fails on either road without reaching a
// transport.
TEST(ResourceProvider, OnlyHttpAndHttpsAddressesAreFetched)
{
    for (bool direct : {true, false}) {
        FakeNetwork net;
        net.Answers(200, "page");
        net.sessionContent = "page";
        ProbeProvider p;
        p.direct = direct;
        p.SetTransportFactory(&net);
        for (const char* address : {"file:///C:/boot.ini", "FILE://c|/secret.txt", "ftp://files.example/a",
                                    "res://shdoclc.dll/x", "javascript:alert(1)", "C:\\boot.ini", "\\\\server\\x", ""}) {
            p.urls = {address};
            p.Run();
            EXPECT_TRUE(p.Failed() && p.Content().empty()) << address;
        }
        EXPECT_TRUE(net.sent.empty() && net.sessionGot.empty()) << direct;
        for (const char* address : {"http://h/", "HTTPS://h:8443/x"}) {
            p.urls = {address};
            p.Run();
            EXPECT_EQ(p.Content(), "page") << address;
        }
    }
}
