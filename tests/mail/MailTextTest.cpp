// The wire forms of the change mail, case by case: dates, encodings, the DATA stream, the
// reply reader, recipient lists and the composed notice.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "mail/ChangeMail.h"
#include "mail/DefaultAccount.h"
#include "mail/MailText.h"
#include "mail/SmtpClient.h"
#include "mail/SmtpReply.h"

namespace {

TEST(MailText, DatesAreRfc5322InEnglish)
{
    struct {
        long long seconds;
        const char* text;
    } cases[] = {
        {0, "Thu, 01 Jan 1970 00:00:00 +0000"},
        {951782400, "Tue, 29 Feb 2000 00:00:00 +0000"},
        {1796754348, "Tue, 08 Dec 2026 18:25:48 +0000"},
        {1798761599, "Thu, 31 Dec 2026 23:59:59 +0000"},
        {4107542400, "Mon, 01 Mar 2100 00:00:00 +0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rfc5322Date(UtcFromUnixSeconds(c.seconds)), c.text) << c.seconds;
    std::string now = Rfc5322Date(CurrentUtcTime());
    EXPECT_TRUE(std::regex_match(now, std::regex(R"((Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) 20\d\d \d\d:\d\d:\d\d \+0000)")))
        << now;
}

TEST(MailText, BodiesAndHeaderTexts)
{
    struct {
        const char* in;
        const char* qp;
    } bodies[] = {
        {"plain\nlines\n", "plain\r\nlines\r\n"},
        {"crlf\r\nand cr\rend", "crlf\r\nand cr\r\nend"},
        {"caf\xE9 \x80 = 1", "caf=E9 =80 =3D 1"},
        {"trailing blank \nand tab\t", "trailing blank=20\r\nand tab=09"},
        {"nul\x01 bell\x07", "nul=01 bell=07"},
        {".dot stays for the data stream", ".dot stays for the data stream"},
    };
    for (const auto& b : bodies)
        EXPECT_EQ(QuotedPrintable(b.in), b.qp) << b.in;

    // Long lines get soft breaks and no line passes 76 characters, encoded bytes never cut.
    std::string longText = std::string(70, 'a') + std::string(20, '\xE9') + std::string(200, 'b');
    std::string qp = QuotedPrintable(longText);
    std::string joined;
    std::size_t start = 0;
    while (start < qp.size()) {
        std::size_t end = qp.find("\r\n", start);
        if (end == std::string::npos)
            end = qp.size();
        std::string line = qp.substr(start, end - start);
        EXPECT_LE(line.size(), 76u) << line;
        if (!line.empty() && line.back() == '=')
            line.pop_back();
        joined += line;
        start = end + 2;
    }
    EXPECT_EQ(joined, std::string(70, 'a') + [] {
        std::string e;
        for (int i = 0; i < 20; ++i)
            e += "=E9";
        return e;
    }() + std::string(200, 'b'));

    EXPECT_EQ(EncodeHeaderText("[My page]", "windows-1252", 9), "[My page]");
    EXPECT_EQ(EncodeHeaderText("[Caf\xE9 d'\xE9t\xE9]", "windows-1252", 9),
              "=?windows-1252?Q?=5BCaf=E9_d=27=E9t=E9=5D?=");
    EXPECT_EQ(EncodeHeaderText("line\r\nBcc: x@y", "windows-1252", 9), "line  Bcc: x@y");
    EXPECT_EQ(EncodeHeaderText("=?utf-8?Q?x?=", "windows-1252", 9), "=?windows-1252?Q?=3D=3Futf-8=3FQ=3Fx=3F=3D?=");
    EXPECT_EQ(DisplayNamePhrase("Quorvane WebAlert", "windows-1252", 6), "\"Quorvane WebAlert\"");
    EXPECT_EQ(DisplayNamePhrase("say \"hi\" \\", "windows-1252", 6), "\"say \\\"hi\\\" \\\\\"");
    EXPECT_EQ(DisplayNamePhrase("Alerte \xE0 Quorvane", "windows-1252", 6),
              "=?windows-1252?Q?Alerte_=E0_Quorvane?=");

    // A long subject of accented letters: several words, each within 75 characters, on
    // folded lines within 76.
    std::string subject = EncodeHeaderText(std::string(120, '\xE9'), "windows-1252", 9);
    std::size_t lineStart = 0;
    int words = 0;
    for (std::size_t at = subject.find("=?"); at != std::string::npos; at = subject.find("=?", at + 2)) {
        std::size_t end = subject.find("?=", at + 17) + 2;
        EXPECT_LE(end - at, 75u);
        ++words;
    }
    EXPECT_GE(words, 5);
    for (std::size_t end = subject.find("\r\n"); ; end = subject.find("\r\n", lineStart)) {
        std::size_t stop = end == std::string::npos ? subject.size() : end;
        EXPECT_LE(stop - lineStart + (lineStart == 0 ? 9 : 0), 76u);
        if (end == std::string::npos)
            break;
        EXPECT_EQ(subject[end + 2], ' ');
        lineStart = end + 2;
    }
}

TEST(MailText, DataStreamEndsLinesAndStuffsDots)
{
    EXPECT_EQ(DataStream("a\nb"), "a\r\nb\r\n.\r\n");
    EXPECT_EQ(DataStream(".\n..x\r\nok.\n.\n"), "..\r\n...x\r\nok.\r\n..\r\n.\r\n");
    EXPECT_EQ(DataStream("x\r\n"), "x\r\n.\r\n");
    EXPECT_EQ(DataStream(""), ".\r\n");
    EXPECT_EQ(DataStream("bare\rcr"), "bare\r\ncr\r\n.\r\n");
}

TEST(MailText, ReplyReader)
{
    struct {
        std::vector<std::string> pieces;
        int code;       // 0: no complete reply
        bool broken;
        const char* text;
    } cases[] = {
        {{"220 ready\r\n"}, 220, false, "ready"},
        {{"2", "50-a\r\n250-b", "\r\n250 c\r", "\n"}, 250, false, "c"},
        {{"250 lf only\n"}, 250, false, "lf only"},
        {{"250\r\n"}, 250, false, ""},
        {{"250-more to come\r\n"}, 0, false, ""},
        {{"hello\r\n"}, 0, true, ""},
        {{"25\r\n"}, 0, true, ""},
        {{"250x\r\n"}, 0, true, ""},
        {{"220 " + std::string(5000, 'x')}, 0, true, ""},
        {{"220 " + std::string(4000, 'x') + "\r\n"}, 220, false, nullptr},
    };
    for (const auto& c : cases) {
        SmtpReplyReader reader;
        for (const std::string& p : c.pieces)
            reader.Feed(p.data(), p.size());
        SmtpReply reply;
        bool got = reader.Take(reply);
        EXPECT_EQ(got ? reply.code : 0, c.code) << c.pieces[0].substr(0, 20);
        EXPECT_EQ(reader.Broken(), c.broken) << c.pieces[0].substr(0, 20);
        if (got && c.text) {
            EXPECT_EQ(reply.text, c.text);
        }
    }
    // A flood of continuation lines is cut off, and replies that came together are kept apart.
    SmtpReplyReader flood;
    for (int i = 0; i < 600; ++i)
        flood.Feed("250-x\r\n", 7);
    EXPECT_TRUE(flood.Broken());
    SmtpReplyReader two;
    two.Feed("250 one\r\n354 two\r\n", 18);
    SmtpReply a, b;
    ASSERT_TRUE(two.Take(a));
    ASSERT_TRUE(two.Take(b));
    EXPECT_EQ(a.code * 1000 + b.code, 250354);
}

TEST(MailText, HeloNamesAndCharsets)
{
    EXPECT_EQ(MimeCharsetOfCodePage(1252), "windows-1252");
    EXPECT_EQ(MimeCharsetOfCodePage(1250), "windows-1250");
    EXPECT_EQ(MimeCharsetOfCodePage(1251), "windows-1251");
    EXPECT_EQ(MimeCharsetOfCodePage(932), "Shift_JIS");
    EXPECT_EQ(MimeCharsetOfCodePage(437), "windows-1252");

    EXPECT_EQ(HeloName("pc-1.example.org", "10.0.0.2"), "pc-1.example.org");
    EXPECT_EQ(HeloName("DESKTOP-AB12", "10.0.0.2"), "DESKTOP-AB12");
    EXPECT_EQ(HeloName("my_pc", "10.0.0.2"), "[10.0.0.2]");
    EXPECT_EQ(HeloName("-bad", "10.0.0.2"), "[10.0.0.2]");
    EXPECT_EQ(HeloName("bad-.org", "10.0.0.2"), "[10.0.0.2]");
    EXPECT_EQ(HeloName("", "::1"), "[IPv6:::1]");
    EXPECT_EQ(HeloName("caf\xE9", ""), "[127.0.0.1]");
}

TEST(ChangeMail, RecipientsSubjectAndBody)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitRecipients("a@x.org;b@y.org;;c@z.org"), (V{"a@x.org", "b@y.org", "c@z.org"}));
    EXPECT_EQ(SplitRecipients(";"), V{});
    EXPECT_EQ(SplitRecipients(" ; ;\t;"), V{});
    EXPECT_EQ(SplitRecipients(""), V{});
    EXPECT_EQ(SplitRecipients("a@x.org ; b@y.org;"), (V{"a@x.org", "b@y.org"}));
    // Only the first 255 characters count: the address across that mark is cut.
    std::string longList = std::string(250, 'a') + "@x.org;b@y.org";
    EXPECT_EQ(SplitRecipients(longList), V{std::string(250, 'a') + "@x.or"});
    std::string manyShort;
    for (int i = 0; i < 60; ++i)
        manyShort += "u" + std::to_string(i) + "@x;";
    EXPECT_EQ(SplitRecipients(manyShort).size(), 45u);   // 44 whole, then "u" of the 45th

    struct {
        const char* setting;
        const char* host;
        unsigned short port;
    } servers[] = {
        {"smtp.example.org", "smtp.example.org", 0},  {" smtp.example.org:587 ", "smtp.example.org", 587},
        {"127.0.0.1:2525", "127.0.0.1", 2525},        {"host:0", "host:0", 0},
        {"host:70000", "host:70000", 0},              {"host:", "host:", 0},
        {"host:25x", "host:25x", 0},                  {"::1", "::1", 0},
        {"[::1]:2525", "::1", 2525},                  {"", "", 0},
    };
    for (const auto& s : servers) {
        std::string host;
        unsigned short port = 1;
        SplitServerSetting(s.setting, host, port);
        EXPECT_EQ(host, s.host) << s.setting;
        EXPECT_EQ(port, s.port) << s.setting;
    }

    EXPECT_EQ(FillPlaceholders("%s and %s, 100%% %d %s", {"a", "b"}), "a and b, 100% %d ");

    ChangeNotice notice{"Daily news", "http://news.example/", "08/12/2026", "18:25"};
    ChangeMailTexts texts{"Quorvane WebAlert", "%s\nTHE LINK %s WAS MODIFIED\nCHECKED AT %s  %s", "%s WAS MODIFIED"};
    MailSettings settings;
    settings.message = "Look:";
    EXPECT_EQ(ChangeMailBody(notice, settings, texts),
              "Look:\nDaily news\nTHE LINK http://news.example/ WAS MODIFIED\nCHECKED AT 08/12/2026  18:25");
    settings.message.clear();
    EXPECT_EQ(ChangeMailBody(notice, settings, texts),
              "Daily news\nTHE LINK http://news.example/ WAS MODIFIED\nCHECKED AT 08/12/2026  18:25");
    settings.brief = true;
    settings.message = "ignored";
    EXPECT_EQ(ChangeMailBody(notice, settings, texts), "http://news.example/ WAS MODIFIED");
    EXPECT_EQ(ChangeMailSubject(notice), "[Daily news]");
}

class NoTransport : public SmtpTransport {
public:
    bool Open(const std::string&, unsigned short, int) override { return false; }
    bool Send(const std::string&, int) override { return false; }
    long Receive(char*, std::size_t, int) override { return -1; }
    void Close() override {}
    std::string HostName() override { return ""; }
    std::string LocalAddress() override { return ""; }
    unsigned short ServicePort(const char*) override { return 0; }
    int LastError() const override { return 0; }
};

TEST(ChangeMail, MessageHeaders)
{
    SmtpClient client(std::make_unique<NoTransport>());
    client.SetSenderAddress("me@here.org");
    client.AddRecipient("a@x.org", "");
    client.AddRecipient("b@y.org", "Bob Smith");
    client.SetMessage("Hello");
    EXPECT_EQ(client.FormatMessage("Tue, 08 Dec 2026 18:25:48 +0000"),
              "Date: Tue, 08 Dec 2026 18:25:48 +0000\r\n"
              "To: <a@x.org>,Bob Smith<b@y.org>\r\n"
              "Cc: \r\n"
              "MIME-Version: 1.0\r\n"
              "Content-Type: text/plain; charset=windows-1252\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "\r\n"
              "Hello");
    client.SetSenderName("Quorvane WebAlert");
    client.SetSubject("[Caf\xE9]");
    client.SetMailer("Quorvane");
    client.SetReplyTo("you@here.org");
    client.AddCcRecipient("c@z.org", "Z, Inc.");
    client.SetCharset("windows-1250");
    EXPECT_EQ(client.FormatMessage("D"),
              "Date: D\r\n"
              "From: \"Quorvane WebAlert\"<me@here.org>\r\n"
              "To: <a@x.org>,Bob Smith<b@y.org>\r\n"
              "Cc: \"Z, Inc.\"<c@z.org>\r\n"
              "Subject: =?windows-1250?Q?=5BCaf=E9=5D?=\r\n"
              "X-Mailer: Quorvane\r\n"
              "Reply-To: you@here.org\r\n"
              "MIME-Version: 1.0\r\n"
              "Content-Type: text/plain; charset=windows-1250\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "\r\n"
              "Hello");
    client.SetSenderName("Alerte \xE0 Quorvane");
    client.SetSubject(nullptr);
    std::string m = client.FormatMessage("D");
    EXPECT_NE(m.find("From: =?windows-1250?Q?Alerte_=E0_Quorvane?= <me@here.org>\r\n"), std::string::npos) << m;
    EXPECT_EQ(m.find("Subject"), std::string::npos);
    // Long recipient lists fold between addresses, never inside one.
    SmtpClient many(std::make_unique<NoTransport>());
    for (int i = 0; i < 12; ++i)
        many.AddRecipient("someone" + std::to_string(i) + "@example.org", "");
    std::string header = many.FormatMessage("D");
    std::string to = header.substr(header.find("To: "), header.find("Cc: ") - header.find("To: "));
    EXPECT_NE(to.find(",\r\n <"), std::string::npos);
    for (std::size_t s = 0, e; (e = to.find("\r\n", s)) != std::string::npos; s = e + 2)
        EXPECT_LE(e - s, 78u);
}

}  // namespace

namespace {

TEST(ChangeMail, DefaultAccountStopsAtTheFirstMissingValue)
{
    const std::string accounts = std::string(kAccountManagerKey) + "\\Accounts\\";
    struct Case {
        std::map<std::string, std::string> values;   // "key|name" -> text
        const char* server;
        const char* address;
        bool complete;
    };
    const std::string longName(100, 'n');
    const Case cases[] = {
        {{}, "", "", false},
        {{{std::string(kAccountManagerKey) + "|Default Mail Account", ""}}, "", "", false},
        {{{std::string(kAccountManagerKey) + "|Default Mail Account", "00000001"}}, "", "", false},
        {{{std::string(kAccountManagerKey) + "|Default Mail Account", "00000001"},
          {accounts + "00000001|SMTP Server", "smtp.isp.net"}},
         "smtp.isp.net", "", false},
        {{{std::string(kAccountManagerKey) + "|Default Mail Account", "00000001"},
          {accounts + "00000001|SMTP Email Address", "me@isp.net"}},
         "", "", false},
        {{{std::string(kAccountManagerKey) + "|Default Mail Account", "00000001"},
          {accounts + "00000001|SMTP Server", "smtp.isp.net"},
          {accounts + "00000001|SMTP Email Address", "me@isp.net"}},
         "smtp.isp.net", "me@isp.net", true},
        // The account's name is read to 63 characters, the values to 255.
        {{{std::string(kAccountManagerKey) + "|Default Mail Account", longName},
          {accounts + longName.substr(0, 63) + "|SMTP Server", std::string(300, 's')},
          {accounts + longName.substr(0, 63) + "|SMTP Email Address", "me@isp.net"}},
         nullptr, "me@isp.net", true},
    };
    for (const Case& c : cases) {
        DefaultAccount found = ReadDefaultAccount([&](const std::string& key, const char* name, std::string& out) {
            auto it = c.values.find(key + "|" + name);
            if (it == c.values.end() || it->second.empty())
                return false;
            out = it->second;
            return true;
        });
        EXPECT_EQ(found.server, c.server ? std::string(c.server) : std::string(255, 's'));
        EXPECT_EQ(found.address, c.address);
        EXPECT_EQ(found.complete, c.complete);
    }
}

}  // namespace
