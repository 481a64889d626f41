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

struct ScriptLog {
    std::string said;         // first line of each Send, "|"-separated; "<data>" for the data
    std::vector<int> waits;   // the time-out of each Receive
    int closes = 0;
};

// Answers one reply per turn: the greeting, then one per thing the client sends ("\r\n"
// added). "<silent>" lets the wait run out, "<close>" ends the connection.
class ScriptedTransport : public SmtpTransport {
public:
    ScriptedTransport(std::vector<std::string> answers, bool reachable, ScriptLog& log)
        : answers_(answers.begin(), answers.end()), reachable_(reachable), log_(log) {}

    bool Open(const std::string&, unsigned short port, int) override
    {
        EXPECT_EQ(port, 25);
        if (reachable_)
            Turn();
        return reachable_;
    }
    bool Send(const std::string& bytes, int) override
    {
        bool line = bytes.size() < 200 && bytes.find("\r\n") + 2 == bytes.size();
        log_.said += (log_.said.empty() ? "" : "|") + (line ? bytes.substr(0, bytes.size() - 2) : "<data>");
        Turn();
        return !closed_;
    }
    long Receive(char* buffer, std::size_t size, int timeoutMs) override
    {
        log_.waits.push_back(timeoutMs);
        if (pending_ == "<close>")
            closed_ = true;
        if (pending_.empty() || closed_)
            return pending_.empty() ? -1 : 0;
        std::size_t n = pending_.copy(buffer, size);
        pending_.erase(0, n);
        return static_cast<long>(n);
    }
    void Close() override { ++log_.closes; }
    std::string HostName() override { return "client.example"; }
    std::string LocalAddress() override { return "127.0.0.1"; }
    unsigned short ServicePort(const char*) override { return 0; }
    int LastError() const override { return 10054; }

private:
    void Turn()
    {
        if (answers_.empty() || closed_)
            return;
        std::string answer = answers_.front();
        answers_.pop_front();
        pending_ = answer == "<silent>" ? "" : answer == "<close>" ? answer : answer + "\r\n";
    }

    std::deque<std::string> answers_;
    std::string pending_;
    bool reachable_, closed_ = false;
    ScriptLog& log_;
};

const std::string kHello = "EHLO client.example|MAIL FROM:<me@here.org>|";

struct Case {
    const char* name;
    bool reachable;
    std::string to;
    std::vector<std::string> answers;
    bool sent, beep;
    std::string said;
};

const Case kCases[] = {
    {"accepted", true, "a@x.org;b@y.org;;c@z.org",
     {"220 mx", "250 mx", "250 ok", "250 ok", "250 ok", "250 ok", "354 go", "250 queued", "221 bye"}, true, false,
     kHello + "RCPT TO:<a@x.org>|RCPT TO:<b@y.org>|RCPT TO:<c@z.org>|DATA|<data>|QUIT"},
    {"multi-line replies", true, "a@x.org",
     {"220-mx ESMTP\r\n220 ready", "250-mx\r\n250-SIZE 1000\r\n250 HELP", "250-o\r\n250 ok", "250 ok", "354 go",
      "250-queued\r\n250 as 1", "221 bye"}, true, false, kHello + "RCPT TO:<a@x.org>|DATA|<data>|QUIT"},
    {"old server: HELO after a refused EHLO", true, "a@x.org",
     {"220 old", "502 what?", "250 old", "250 ok", "250 ok", "354 go", "250 ok", "221 bye"}, true, false,
     "EHLO client.example|HELO client.example|MAIL FROM:<me@here.org>|RCPT TO:<a@x.org>|DATA|<data>|QUIT"},
    {"an address cannot inject a command; a refused one is skipped", true,
     "a@x.org>\r\nRCPT TO:<b@y.org;no@x.org;c@x.org",
     {"220 mx", "250 mx", "250 ok", "550 no such user", "250 ok", "354 go", "250 ok", "221 bye"}, true, false,
     kHello + "RCPT TO:<no@x.org>|RCPT TO:<c@x.org>|DATA|<data>|QUIT"},
    {"every recipient refused: no DATA", true, "a@x.org;b@x.org",
     {"220 mx", "250 mx", "250 ok", "550 no", "451 later", "221 bye"}, false, true,
     kHello + "RCPT TO:<a@x.org>|RCPT TO:<b@x.org>|QUIT"},
    {"552 after the data", true, "a@x.org",
     {"220 mx", "250 mx", "250 ok", "250 ok", "354 go", "552 too big", "221 bye"}, false, true,
     kHello + "RCPT TO:<a@x.org>|DATA|<data>|QUIT"},
    {"silent after the data: dropped, no QUIT", true, "a@x.org",
     {"220 mx", "250 mx", "250 ok", "250 ok", "354 go", "<silent>"}, false, true,
     kHello + "RCPT TO:<a@x.org>|DATA|<data>"},
    {"sender refused", true, "a@x.org", {"220 mx", "250 mx", "553 not you", "221 bye"}, false, true, kHello + "QUIT"},
    {"421 greeting", true, "a@x.org", {"421 busy", "<close>"}, false, true, "QUIT"},
    {"closed when greeted", true, "a@x.org", {"220 mx", "<close>"}, false, true, "EHLO client.example"},
    {"4xx to EHLO is no cue for HELO", true, "a@x.org", {"220 mx", "421 going down", "<close>"}, false, true,
     "EHLO client.example|QUIT"},
    {"unresolved or refused connection: silent", false, "a@x.org", {}, false, false, ""},
    {"To of only separators: no recipient", true, ";; ;", {"220 mx", "250 mx", "221 bye"}, false, true,
     "EHLO client.example|QUIT"},
};

TEST(SmtpDialogue, ChangeMailOverScriptedServers)
{
    const SmtpTimeouts timeouts{30000, 30000, 1000, 7000};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ScriptLog log;
        {
            SmtpClient client(std::make_unique<ScriptedTransport>(c.answers, c.reachable, log), timeouts);
            client.SetDiagnostics([](const std::string&) {});
            const MailSettings settings{"mx.example", " me@here.org ", c.to, "", "", false};
            int beeps = 0;
            EXPECT_EQ(SendChangeMail(client, ChangeNotice{"Page", "http://x.org/", "08/12/2026", "18:25"}, settings,
                                     {"Quorvane WebAlert", "%s\n%s\n%s %s", "%s!"}, [&] { ++beeps; }),
                      c.sent);
            EXPECT_EQ(beeps, c.beep ? 1 : 0);
            EXPECT_FALSE(client.IsConnected());
        }
        EXPECT_EQ(log.said, c.said);
        EXPECT_GE(log.closes, c.reachable ? 1 : 0);
        // The client never waits past its time-outs, and only the reply to the data gets the long one.
        EXPECT_TRUE(std::all_of(log.waits.begin(), log.waits.end(), [](int w) { return w > 0 && w <= 7000; }));
        EXPECT_EQ(std::any_of(log.waits.begin(), log.waits.end(), [](int w) { return w > 1000; }),
                  c.said.find("<data>") != std::string::npos);
    }
}

TEST(SmtpDialogue, RecipientHeadersFoldBetweenAddresses)
{
    ScriptLog log;
    SmtpClient client(std::make_unique<ScriptedTransport>(std::vector<std::string>{}, true, log));
    for (int i = 0; i < 6; ++i)
        client.AddRecipient("someone" + std::to_string(i) + "@example.org", i == 1 ? "Bob Smith" : "");
    client.AddCcRecipient("c@z.org", "Z, Inc.");
    EXPECT_NE(client.FormatMessage("D").find("To: <someone0@example.org>,Bob Smith<someone1@example.org>,\r\n"
                                             " <someone2@example.org>,<someone3@example.org>,<someone4@example.org>,\r\n"
                                             " <someone5@example.org>\r\nCc: \"Z, Inc.\"<c@z.org>\r\n"),
              std::string::npos);
}

}  // namespace
