#include "web/HttpRequest.h"

#include <gtest/gtest.h>

#include <string>

#include "web/HttpAddress.h"
#include "web/WinInetValues.h"

using namespace std::string_literals;

namespace {

HttpRequest Direct(const std::string& address, const std::string& body, const std::string& agent = "")
{
    HttpRequest request;
    std::uint32_t error = 0;
    EXPECT_TRUE(BuildDirectRequest(address, body, agent, request, error)) << address;
    EXPECT_EQ(error, 0u);
    return request;
}

std::uint32_t DirectError(const std::string& address, const std::string& body)
{
    HttpRequest request;
    std::uint32_t error = 0;
    EXPECT_FALSE(BuildDirectRequest(address, body, "", request, error)) << address;
    return error;
}

std::string Headers(std::initializer_list<std::string> entries)
{
    std::string raw;
    for (const std::string& e : entries) {
        raw += e;
        raw += '\0';
    }
    raw += '\0';
    return raw;
}

}  // namespace

TEST(SplitAddress, HostPortPathAndExtra)
{
    HttpAddress a;
    ASSERT_TRUE(SplitAddress("http://www.example.com/babelfish/tr/?x=1#f", a));
    EXPECT_EQ(a.scheme, "http");
    EXPECT_EQ(a.host, "www.example.com");
    EXPECT_EQ(a.port, 80);
    EXPECT_EQ(a.path, "/babelfish/tr/");
    EXPECT_EQ(a.extra, "?x=1#f");

    ASSERT_TRUE(SplitAddress("HTTPS://user:pw@Host:8443", a));
    EXPECT_EQ(a.scheme, "https");
    EXPECT_EQ(a.host, "Host");
    EXPECT_EQ(a.port, 8443);
    EXPECT_EQ(a.path, "/");

    ASSERT_TRUE(SplitAddress("https://h?q", a));
    EXPECT_EQ(a.port, 443);
    EXPECT_EQ(a.path, "/");
    EXPECT_EQ(a.extra, "?q");

    ASSERT_TRUE(SplitAddress("http://[::1]:8080/p", a));
    EXPECT_EQ(a.host, "::1");
    EXPECT_EQ(a.port, 8080);

    ASSERT_TRUE(SplitAddress("http://127.0.0.1:/x", a));   // an empty port is the default
    EXPECT_EQ(a.port, 80);

    ASSERT_TRUE(SplitAddress("ftp://files.example/a", a));
    EXPECT_EQ(a.port, 0);
    EXPECT_FALSE(a.IsHttp());
}

TEST(SplitAddress, RejectsWhatCannotBeConnectedTo)
{
    HttpAddress a;
    for (const char* bad : {"", "www.example.com/x", "://host/", "http://", "http:///path",
                            "http://host:0/", "http://host:65536/", "http://host:8o/",
                            "http://[::1/", "ht tp://host/", "http://user@/"})
        EXPECT_FALSE(SplitAddress(bad, a)) << bad;
}

TEST(BuildDirectRequest, AnEmptyBodyIsAGetOfTheWholeAddress)
{
    HttpRequest r = Direct("http://example.com:8080/page?x=1&y=2", "");
    EXPECT_FALSE(r.post);
    EXPECT_EQ(r.verb, "GET");
    EXPECT_EQ(r.address, "http://example.com:8080/page?x=1&y=2");
    EXPECT_EQ(r.requestFlags, 0x84000000u);
    EXPECT_TRUE(r.headers.empty());
    EXPECT_TRUE(r.body.empty());
    EXPECT_EQ(r.accessType, inet::kOpenTypeDirect);
    // A GET of another scheme is no request at all.
    EXPECT_EQ(DirectError("ftp://files.example/a", ""), inet::kErrorUnrecognizedScheme);
}

TEST(BuildDirectRequest, AFormPostGoesToHostPortAndPathWithoutTheQuery)
{
    HttpRequest r = Direct("http://translate.example:8080/translate_t?hl=fr#top", "a=1&b=2");
    EXPECT_TRUE(r.post);
    EXPECT_EQ(r.verb, "POST");
    EXPECT_EQ(r.host, "translate.example");
    EXPECT_EQ(r.port, 8080);
    EXPECT_EQ(r.path, "/translate_t");
    EXPECT_EQ(r.headers, "Content-Type: application/x-www-form-urlencoded");
    EXPECT_EQ(r.body, "a=1&b=2");
    EXPECT_EQ(r.acceptType, "*/*");
    EXPECT_EQ(r.connectFlags, 0x04000000u);
}

TEST(BuildDirectRequest, TheSchemeAloneDecidesTheSecureFlag)
{
    struct Case { const char* address; bool secure; std::uint16_t port; } cases[] = {
        {"http://h/", false, 80},     {"http://h:443/", false, 443}, {"http://h:8080/", false, 8080},
        {"https://h/", true, 443},    {"https://h:80/", true, 80},   {"https://h:8443/", true, 8443},
    };
    for (const Case& c : cases) {
        HttpRequest r = Direct(c.address, "x=1");
        EXPECT_EQ(r.secure, c.secure) << c.address;
        EXPECT_EQ(r.port, c.port) << c.address;
        // Secure, but certificate errors are not ignored (neither 0x1000 nor 0x2000).
        EXPECT_EQ(r.requestFlags, c.secure ? 0x04800000u : 0x04000000u) << c.address;
    }
}

TEST(BuildDirectRequest, FailuresCarryAnErrorCode)
{
    EXPECT_EQ(DirectError("", ""), 0xFFFFFFFFu);
    EXPECT_EQ(DirectError("", "x=1"), 0xFFFFFFFFu);
    EXPECT_EQ(DirectError("not an address", "x=1"), inet::kErrorInvalidUrl);
    EXPECT_EQ(DirectError("ftp://files.example/", "x=1"), inet::kErrorUnrecognizedScheme);
}

TEST(BuildDirectRequest, EveryRequestHasBoundedTimeOutsAndAnAgent)
{
    for (const HttpRequest& r : {Direct("http://h/", ""), Direct("https://h/", "b=1"),
                                 BuildSessionRequest("http://h/", true, "")}) {
        EXPECT_GT(r.timeouts.connectMs, 0u);
        EXPECT_LE(r.timeouts.connectMs, 30000u);
        EXPECT_GT(r.timeouts.sendMs, 0u);
        EXPECT_LE(r.timeouts.sendMs, 30000u);
        EXPECT_GT(r.timeouts.receiveMs, 0u);
        EXPECT_LE(r.timeouts.receiveMs, 30000u);
        EXPECT_EQ(r.agentName, "Quorvane1.00");
    }
    EXPECT_EQ(Direct("http://h/", "", "Checker/2").agentName, "Checker/2");
}

TEST(BuildSessionRequest, AlwaysAGetWithTheReloadFlagAsAsked)
{
    HttpRequest r = BuildSessionRequest("http://h/x?y", true, "A");
    EXPECT_EQ(r.verb, "GET");
    EXPECT_FALSE(r.post);
    EXPECT_EQ(r.address, "http://h/x?y");
    EXPECT_EQ(r.requestFlags, 0x80000002u);
    EXPECT_EQ(r.accessType, inet::kOpenTypePreconfig);
    EXPECT_EQ(BuildSessionRequest("http://h/", false, "A").requestFlags, 2u);
}

TEST(StatusCode, FromTheFirstEntryThatNamesHttp)
{
    EXPECT_EQ(StatusCode(Headers({"HTTP/1.1 200 OK", "Content-Type: text/html"})), 200);
    EXPECT_EQ(StatusCode(Headers({"http/1.0 404 Not Found"})), 404);
    EXPECT_EQ(StatusCode(Headers({"HTTP/1.1 200"})), 200);   // no reason phrase
    EXPECT_EQ(StatusCode(Headers({"Server: x", "HTTP/1.1 302 Found", "Location: http://h/"})), 302);
    EXPECT_EQ(StatusCode(Headers({"X-Via: Http 503", "HTTP/1.1 200 OK"})), 503);
    EXPECT_EQ(StatusCode(Headers({"Content-Type: text/html", "Server: x"})), 0);
    EXPECT_EQ(StatusCode(Headers({"HTTP/1.1 OK"})), 0);
    EXPECT_EQ(StatusCode(Headers({"HTTP/1.1 2 00"})), 0);
    EXPECT_EQ(StatusCode(Headers({"HTTP", "HTTP/1.1 500 x"})), 0);   // the first http entry decides
    EXPECT_EQ(StatusCode(Headers({})), 0);
    EXPECT_EQ(StatusCode(""), 0);
    EXPECT_EQ(StatusCode(std::string("HTTP/1.1 201 Created")), 201);   // no terminator at all
    // Entries after the empty one are not part of the list.
    EXPECT_EQ(StatusCode("Server: x\0\0HTTP/1.1 200 OK\0\0"s), 0);
}
