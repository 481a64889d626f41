// The change mail's whole road over a scripted server, one table row per way the dialogue can
// go: what the client says, in which order, what it waits for, and how the attempt ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "mail/ChangeMail.h"
#include "mail/SmtpClient.h"

namespace {

// Server answers, one per turn: the greeting first, then one per thing the client sends.
// "<silent>" lets the wait run out, "<close>" ends the connection; a "|" inside an answer
// splits it into separately received pieces.
struct ScriptLog {
    std::vector<std::string> sent;   // each Send, whole
    std::vector<int> waits;          // the time-out of each Receive
    int opens = 0;
    int closes = 0;
};

class ScriptedTransport : public SmtpTransport {
public:
    ScriptedTransport(std::vector<std::string> answers, bool reachable, ScriptLog& log)
        : answers_(answers.begin(), answers.end()), reachable_(reachable), log_(log)
    {
    }

    bool Open(const std::string&, unsigned short port, int) override
    {
        ++log_.opens;
        EXPECT_EQ(port, 25);
        if (reachable_)
            Turn();
        return reachable_;
    }
    bool Send(const std::string& bytes, int) override
    {
        if (closed_)
            return false;
        log_.sent.push_back(bytes);
        Turn();
        return true;
    }
    long Receive(char* buffer, std::size_t size, int timeoutMs) override
    {
        log_.waits.push_back(timeoutMs);
        if (pieces_.empty())
            return -1;   // the wait ran out
        std::string piece = pieces_.front();
        pieces_.pop_front();
        if (piece == "<close>") {
            closed_ = true;
            return 0;
        }
        std::size_t n = std::min(size, piece.size());
        piece.copy(buffer, n);
        if (n < piece.size())
            pieces_.push_front(piece.substr(n));
        return static_cast<long>(n);
    }
    void Close() override { ++log_.closes; }
    std::string HostName() override { return "client.example"; }
    std::string LocalAddress() override { return "127.0.0.1"; }
    unsigned short ServicePort(const char*) override { return 0; }
    int LastError() const override { return 10054; }

private:
    // Makes the next answer receivable.
    void Turn()
    {
        if (answers_.empty())
            return;
        std::string answer = answers_.front();
        answers_.pop_front();
        if (answer == "<silent>")
            return;
        std::size_t start = 0;
        for (;;) {
            std::size_t bar = answer.find('|', start);
            pieces_.push_back(answer.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
            if (bar == std::string::npos)
                break;
            start = bar + 1;
        }
    }

    std::deque<std::string> answers_;
    std::deque<std::string> pieces_;
    bool reachable_;
    bool closed_ = false;
    ScriptLog& log_;
};

const std::string k16K = "220 " + std::string(16 * 1024, 'x') + "\r\n";

struct Case {
    const char* name;
    bool reachable;
    std::string to;
    std::vector<std::string> answers;
    bool sent;
    bool beep;
    // The first word of each thing sent ("DATA-STREAM" for the data), in order.
    std::vector<std::string> said;
};

const Case kCases[] = {
    {"accepted", true, "a@x.org;b@y.org;;c@z.org",
     {"220 mx ready\r\n", "250 mx\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n",
      "250 queued\r\n", "221 bye\r\n"},
     true, false,
     {"EHLO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "RCPT TO:<b@y.org>",
      "RCPT TO:<c@z.org>", "DATA", "DATA-STREAM", "QUIT"}},
    {"multi-line replies in pieces", true, "a@x.org",
     {"22|0-mx ESMTP\r\n220 rea|dy\r\n", "250-mx greets\r\n250-SIZE 1000\r|\n250-8BITMIME\r\n250 HELP\r\n",
      "250-o|k\r\n250 ok\r\n", "250 ok\n", "354 go\r\n", "250-queued\r\n250 as 1\r\n", "221 bye\r\n"},
     true, false,
     {"EHLO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "DATA", "DATA-STREAM", "QUIT"}},
    {"old server: HELO after a refused EHLO", true, "a@x.org",
     {"220 old\r\n", "502 what?\r\n", "250 old\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 ok\r\n",
      "221 bye\r\n"},
     true, false,
     {"EHLO client.example", "HELO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "DATA",
      "DATA-STREAM", "QUIT"}},
    {"one refused recipient is skipped", true, "a@x.org;no@x.org",
     {"220 mx\r\n", "250 mx\r\n", "250 ok\r\n", "250 ok\r\n", "550 no such user\r\n", "354 go\r\n", "250 ok\r\n",
      "221 bye\r\n"},
     true, false,
     {"EHLO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "RCPT TO:<no@x.org>", "DATA",
      "DATA-STREAM", "QUIT"}},
    {"every recipient refused: no DATA", true, "a@x.org;b@x.org",
     {"220 mx\r\n", "250 mx\r\n", "250 ok\r\n", "550 no\r\n", "451 later\r\n", "221 bye\r\n"},
     false, true,
     {"EHLO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "RCPT TO:<b@x.org>", "QUIT"}},
    {"552 after the data", true, "a@x.org",
     {"220 mx\r\n", "250 mx\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "552 too big\r\n", "221 bye\r\n"},
     false, true,
     {"EHLO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "DATA", "DATA-STREAM", "QUIT"}},
    {"silent after the data: dropped, no QUIT", true, "a@x.org",
     {"220 mx\r\n", "250 mx\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "<silent>"},
     false, true,
     {"EHLO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "DATA", "DATA-STREAM"}},
    {"sender refused", true, "a@x.org",
     {"220 mx\r\n", "250 mx\r\n", "553 not you\r\n", "221 bye\r\n"},
     false, true, {"EHLO client.example", "MAIL FROM:<me@here.org>", "QUIT"}},
    {"DATA refused", true, "a@x.org",
     {"220 mx\r\n", "250 mx\r\n", "250 ok\r\n", "250 ok\r\n", "554 no\r\n", "221 bye\r\n"},
     false, true, {"EHLO client.example", "MAIL FROM:<me@here.org>", "RCPT TO:<a@x.org>", "DATA", "QUIT"}},
    {"no greeting", true, "a@x.org", {"<silent>"}, false, true, {}},
    {"421 greeting", true, "a@x.org", {"421 busy\r\n", "<close>"}, false, true, {"QUIT"}},
    {"16 KB greeting line", true, "a@x.org", {k16K}, false, true, {}},
    {"not a reply at all", true, "a@x.org", {"hello there\r\n"}, false, true, {}},
    {"closed when greeted", true, "a@x.org", {"220 mx\r\n", "<close>"}, false, true, {"EHLO client.example"}},
    {"4xx to EHLO is no cue for HELO", true, "a@x.org", {"220 mx\r\n", "421 going down\r\n", "<close>"},
     false, true, {"EHLO client.example", "QUIT"}},
    {"unresolved or refused connection: silent", false, "a@x.org", {}, false, false, {}},
    {"To of only separators: no recipient", true, ";; ;",
     {"220 mx\r\n", "250 mx\r\n", "221 bye\r\n"}, false, true, {"EHLO client.example", "QUIT"}},
};

std::string FirstLine(const std::string& sent)
{
    if (sent.size() > 200 || sent.find("\r\n") + 2 != sent.size())
        return "DATA-STREAM";
    return sent.substr(0, sent.size() - 2);
}

TEST(SmtpDialogue, ChangeMailOverScriptedServers)
{
    SmtpTimeouts timeouts;
    timeouts.replyMs = 1000;
    timeouts.dataEndMs = 7000;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ScriptLog log;
        std::vector<std::string> diagnostics;
        {
            SmtpClient client(std::make_unique<ScriptedTransport>(c.answers, c.reachable, log), timeouts);
            client.SetDiagnostics([&](const std::string& text) { diagnostics.push_back(text); });
            MailSettings settings;
            settings.server = "mx.example";
            settings.sender = " me@here.org ";
            settings.to = c.to;
            ChangeNotice notice{"Page", "http://x.org/", "08/12/2026", "18:25"};
            int beeps = 0;
            bool sent = SendChangeMail(client, notice, settings, {"Quorvane WebAlert", "%s\n%s\n%s %s", "%s!"},
                                       [&] { ++beeps; });
            EXPECT_EQ(sent, c.sent);
            EXPECT_EQ(beeps, c.beep ? 1 : 0);
            EXPECT_FALSE(client.IsConnected());
        }
        std::vector<std::string> said;
        for (const std::string& s : log.sent)
            said.push_back(FirstLine(s));
        EXPECT_EQ(said, c.said);
        EXPECT_EQ(log.opens, 1);
        // Every connection that opened is closed, the client never waits past its time-outs,
        // and only the reply to the data gets the long one.
        EXPECT_GE(log.closes, c.reachable ? 1 : 0);
        for (std::size_t i = 0; i < log.waits.size(); ++i) {
            EXPECT_GT(log.waits[i], 0);
            EXPECT_LE(log.waits[i], 7000);
        }
        bool dataSent = std::find(said.begin(), said.end(), "DATA-STREAM") != said.end();
        int longWaits = 0;
        for (int w : log.waits)
            longWaits += w > 1000 ? 1 : 0;
        EXPECT_EQ(longWaits > 0, dataSent);
        if (!c.sent && c.beep) {
            EXPECT_FALSE(diagnostics.empty());
        }
    }
}

TEST(SmtpDialogue, ClientRefusesBeforeSayingAnything)
{
    ScriptLog log;
    std::vector<std::string> diagnostics;
    SmtpClient client(std::make_unique<ScriptedTransport>(std::vector<std::string>{}, true, log));
    client.SetDiagnostics([&](const std::string& text) { diagnostics.push_back(text); });
    EXPECT_FALSE(client.Disconnect());
    EXPECT_FALSE(client.SendMail());   // no sender
    client.SetSenderAddress("me@here.org");
    EXPECT_FALSE(client.SendMail());   // no recipient
    client.AddRecipient("", "nobody");
    client.AddRecipient("a@x.org>\r\nRCPT TO:<b@y.org", "");
    EXPECT_FALSE(client.AddCcRecipient("", ""));
    EXPECT_FALSE(client.SendMail());
    client.AddRecipient("a@x.org", "");
    EXPECT_FALSE(client.SendMail());   // not connected
    EXPECT_TRUE(log.sent.empty());
    EXPECT_EQ(diagnostics, (std::vector<std::string>{
                               "Not connected to server!\r\n", "Please specifiy a sender email address\r\n",
                               "Please add a message recipient!\r\n", "Failed to format message header\r\n",
                               "Please add a message recipient!\r\n", "Failed to format message header\r\n",
                               "Not connected to server!\r\n"}));
}

}  // namespace
