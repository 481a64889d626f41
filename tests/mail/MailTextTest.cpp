// The wire forms of the change mail, case by case: dates, encodings, the DATA stream, the
// reply reader, recipient lists, the composed notice and the default account.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "mail/ChangeMail.h"
#include "mail/DefaultAccount.h"
#include "mail/MailText.h"
#include "mail/SmtpDialogue.h"
#include "mail/SmtpReply.h"

namespace {

// The lines of text split at CRLF, each checked to be at most width long.
std::vector<std::string> Lines(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start <= text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        EXPECT_LE(lines.back().size(), width) << lines.back();
    }
    return lines;
}

TEST(MailText, DatesBodiesHeadersAndDataStream)
{
    const std::pair<long long, const char*> dates[] = {
        {0, "Thu, 01 Jan 1970 00:00:00 +0000"},          {951782400, "Tue, 29 Feb 2000 00:00:00 +0000"},
        {1798761599, "Thu, 31 Dec 2026 23:59:59 +0000"}, {4107542400, "Mon, 01 Mar 2100 00:00:00 +0000"},
    };
    for (const auto& [seconds, text] : dates)
        EXPECT_EQ(Rfc5322Date(UtcFromUnixSeconds(seconds)), text) << seconds;

    const std::pair<const char*, const char*> bodies[] = {
        {"plain\nlines\n", "plain\r\nlines\r\n"},
        {"crlf\r\nand cr\rend", "crlf\r\nand cr\r\nend"},
        {"caf\xE9 \x80 = 1\x01", "caf=E9 =80 =3D 1=01"},
        {"trailing blank \nand tab\t", "trailing blank=20\r\nand tab=09"},
    };
    for (const auto& [in, qp] : bodies)
        EXPECT_EQ(QuotedPrintable(in), qp) << in;
    // Soft breaks keep lines within 76 characters and never cut an encoded byte.
    std::string joined;
    for (std::string line : Lines(QuotedPrintable(std::string(70, 'a') + std::string(20, '\xE9')), 76))
        joined += line.substr(0, line.size() - (!line.empty() && line.back() == '='));
    std::string escapes;
    for (int i = 0; i < 20; ++i)
        escapes += "=E9";
    EXPECT_EQ(joined, std::string(70, 'a') + escapes);

    EXPECT_EQ(EncodeHeaderText("[My page]", "windows-1252", 9), "[My page]");
    EXPECT_EQ(EncodeHeaderText("[Caf\xE9 d'\xE9t\xE9]", "windows-1252", 9),
              "=?windows-1252?Q?=5BCaf=E9_d=27=E9t=E9=5D?=");
    EXPECT_EQ(EncodeHeaderText("line\r\nBcc: x@y", "windows-1252", 9), "line  Bcc: x@y");
    EXPECT_EQ(EncodeHeaderText("=?utf-8?Q?x?=", "windows-1252", 9), "=?windows-1252?Q?=3D=3Futf-8=3FQ=3Fx=3F=3D?=");
    EXPECT_EQ(DisplayNamePhrase("say \"hi\" \\", "windows-1252", 6), "\"say \\\"hi\\\" \\\\\"");
    EXPECT_EQ(DisplayNamePhrase("Alerte \xE0 Quorvane", "windows-1252", 6), "=?windows-1252?Q?Alerte_=E0_Quorvane?=");
    // A long subject of accented letters: encoded words of at most 75 characters on folded lines.
    std::vector<std::string> folded =
        Lines(std::string(9, ' ') + EncodeHeaderText(std::string(120, '\xE9'), "windows-1252", 9), 76);
    EXPECT_GE(folded.size(), 2u);
    for (const std::string& line : folded)
        EXPECT_TRUE(line.find("=?windows-1252?Q?") == 1 || &line == &folded[0]) << line;

    EXPECT_EQ(DataStream("a\nb"), "a\r\nb\r\n.\r\n");
    EXPECT_EQ(DataStream(".\n..x\r\nok.\n.\rx\r\n"), "..\r\n...x\r\nok.\r\n..\r\nx\r\n.\r\n");
    EXPECT_EQ(DataStream(""), ".\r\n");

    EXPECT_EQ(HeloName("my_pc", "10.0.0.2") + HeloName("bad-.org", "::1"), "[10.0.0.2][IPv6:::1]");
}

TEST(MailText, ReplyReader)
{
    struct {
        std::vector<std::string> pieces;
        int code;   // 0: no complete reply
        bool broken;
    } cases[] = {
        {{"2", "50-a\r\n250-b", "\r\n250 c\r", "\n"}, 250, false},
        {{"250 lf only\n"}, 250, false},
        {{"250\r\n"}, 250, false},
        {{"250-more to come\r\n"}, 0, false},
        {{"hello\r\n"}, 0, true},
        {{"250x\r\n"}, 0, true},
        {{"220 " + std::string(5000, 'x')}, 0, true},
        {{"220 " + std::string(4000, 'x') + "\r\n"}, 220, false},
        {std::vector<std::string>(600, "250-x\r\n"), 0, true},
    };
    for (const auto& c : cases) {
        SmtpReplyReader reader;
        for (const std::string& p : c.pieces)
            reader.Feed(p.data(), p.size());
        SmtpReply reply;
        EXPECT_EQ(reader.Take(reply) ? reply.code : 0, c.code) << c.pieces[0].substr(0, 20);
        EXPECT_EQ(reader.Broken(), c.broken) << c.pieces[0].substr(0, 20);
    }
    SmtpReplyReader two;
    two.Feed("250 one\r\n354 two\r\n", 18);
    SmtpReply a, b;
    ASSERT_TRUE(two.Take(a) && two.Take(b));
    EXPECT_EQ(a.text + b.text, "onetwo");
}

TEST(ChangeMail, RecipientsServerAndPlaceholders)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitRecipients("a@x.org ; b@y.org;;c@z.org;"), (V{"a@x.org", "b@y.org", "c@z.org"}));
    EXPECT_EQ(SplitRecipients(" ; ;\t;"), V{});
    // Only the first 255 characters count: the address across that mark is cut.
    EXPECT_EQ(SplitRecipients(std::string(250, 'a') + "@x.org;b@y.org"), V{std::string(250, 'a') + "@x.or"});

    const std::pair<const char*, std::pair<std::string, unsigned short>> servers[] = {
        {" smtp.example.org:587 ", {"smtp.example.org", 587}}, {"host:70000", {"host:70000", 0}},
        {"::1", {"::1", 0}}, {"[::1]:2525", {"::1", 2525}},
    };
    for (const auto& [setting, expected] : servers) {
        std::pair<std::string, unsigned short> got;
        SplitServerSetting(setting, got.first, got.second);
        EXPECT_EQ(got, expected) << setting;
    }

    // A text's "%" other than "%s" stays as it is: no format of the C library reads it.
    EXPECT_EQ(FillPlaceholders("%s and %s, 100%% %d %s", {"a", "b"}), "a and b, 100% %d ");
}

TEST(ChangeMail, DefaultAccountStopsAtTheFirstMissingValue)
{
    const std::string root = std::string(kAccountManagerKey) + "|Default Mail Account";
    const std::string account = std::string(kAccountManagerKey) + "\\Accounts\\1|";
    const std::string longName(100, 'n');
    const std::string longKey = std::string(kAccountManagerKey) + "\\Accounts\\" + longName.substr(0, 63) + "|";
    struct {
        std::map<std::string, std::string> values;   // "key|name" -> text
        std::string server, address;
        bool complete;
    } cases[] = {
        {{{root, "1"}, {account + "SMTP Email Address", "me@isp.net"}}, "", "", false},
        {{{root, "1"}, {account + "SMTP Server", "smtp.isp.net"}}, "smtp.isp.net", "", false},
        // The account's name is read to 63 characters, the values to 255.
        {{{root, longName}, {longKey + "SMTP Server", std::string(300, 's')}, {longKey + "SMTP Email Address", "m"}},
         std::string(255, 's'), "m", true},
    };
    for (const auto& c : cases) {
        DefaultAccount found = ReadDefaultAccount([&](const std::string& key, const char* name, std::string& out) {
            auto it = c.values.find(key + "|" + name);
            return it != c.values.end() && !(out = it->second).empty();
        });
        EXPECT_EQ(found.server + "|" + found.address, c.server + "|" + c.address);
        EXPECT_EQ(found.complete, c.complete);
    }
}

}  // namespace
