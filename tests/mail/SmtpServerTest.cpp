// The change mail against real servers on loopback: aiosmtpd, and faulty peers of our own
// (tests/support/smtp_peer.py), through the client's real dialogue over POSIX sockets.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

#include "mail/ChangeMail.h"
#include "mail/SmtpClient.h"
#include "tests/mail/PosixSmtpTransport.h"

extern char** environ;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

class SmtpPeer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/qvsmtp.XXXXXX";
        folder_ = mkdtemp(pattern);
        const std::string script = std::string(QV_SOURCE_DIR) + "/tests/support/smtp_peer.py";
        const std::string portFile = folder_ + "/ports";
        const std::string spool = folder_ + "/spool";
        // Debian's interpreter, which has aiosmtpd; "python3" on the path may be another.
        std::string args[] = {"/usr/bin/python3", script, "--port-file", portFile, "--spool", spool};
        char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(), args[4].data(),
                        args[5].data(), nullptr};
        ASSERT_EQ(posix_spawn(&pid_, argv[0], nullptr, nullptr, argv, environ), 0);
        for (int i = 0; i < 200 && !Exists(portFile); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::istringstream lines(ReadFile(portFile));
        std::string name;
        unsigned port = 0;
        while (lines >> name >> port)
            ports_[name] = port;
        ASSERT_EQ(ports_.size(), 9u) << "the SMTP peer did not start";
    }

    static void TearDownTestSuite()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        std::system(("rm -rf " + folder_).c_str());
    }

    static std::string Server(const char* name) { return "127.0.0.1:" + std::to_string(ports_.at(name)); }

    // The next message the peers kept: envelope and content; empty when none came.
    static std::pair<std::string, std::string> Kept()
    {
        const std::string base = folder_ + "/spool/" + std::to_string(kept_ + 1);
        for (int i = 0; i < 50 && !Exists(base + ".env"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (!Exists(base + ".env"))
            return {};
        ++kept_;
        return {ReadFile(base + ".env"), ReadFile(base + ".eml")};
    }

    struct Outcome {
        bool sent;
        int beeps;
        double seconds;
    };

    static Outcome Send(const MailSettings& settings, const ChangeNotice& notice, SmtpTimeouts timeouts = {})
    {
        SmtpClient client(std::make_unique<PosixSmtpTransport>(), timeouts);
        client.SetDiagnostics([](const std::string&) {});
        ChangeMailTexts texts{"Quorvane WebAlert", "%s\nTHE LINK %s WAS MODIFIED\nCHECKED AT %s  %s", "%s WAS MODIFIED"};
        int beeps = 0;
        auto start = std::chrono::steady_clock::now();
        bool sent = SendChangeMail(client, notice, settings, texts, [&] { ++beeps; });
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return {sent, beeps, seconds};
    }

    static inline int kept_ = 0;
    static inline pid_t pid_ = 0;
    static inline std::string folder_;
    static inline std::map<std::string, unsigned> ports_;
};

std::string Header(const std::string& message, const std::string& name)
{
    std::smatch m;
    if (std::regex_search(message, m, std::regex("(^|\r\n)" + name + ": ([^\r]*)\r\n")))
        return m[2];
    return "<none>";
}

std::string Body(const std::string& message)
{
    std::size_t at = message.find("\r\n\r\n");
    return at == std::string::npos ? "<none>" : message.substr(at + 4);
}

TEST_F(SmtpPeer, ChangeMailsArriveWhole)
{
    ChangeNotice notice{"Caf\xE9 news", "http://news.example/a=b", "08/12/2026", "18:25"};
    MailSettings settings;
    settings.server = Server("smtp");
    settings.sender = "me@here.org";
    settings.to = "a@x.org; b@y.org;;refuse@x.org;c@z.org;";
    settings.cc = ";cc1@x.org;;cc2@x.org";
    settings.message = "Voil\xE0:\n.a line that starts with a dot\n.";
    Outcome detailed = Send(settings, notice);
    EXPECT_TRUE(detailed.sent);
    EXPECT_EQ(detailed.beeps, 0);

    auto [envelope, message] = Kept();
    // The refused recipient is skipped; the others, Cc included, get the mail.
    EXPECT_EQ(envelope, "from me@here.org\nto a@x.org\nto b@y.org\nto c@z.org\nto cc1@x.org\nto cc2@x.org\n");
    EXPECT_TRUE(std::regex_match(Header(message, "Date"),
                                 std::regex(R"([A-Z][a-z]{2}, \d\d [A-Z][a-z]{2} \d{4} \d\d:\d\d:\d\d \+0000)")))
        << Header(message, "Date");
    EXPECT_EQ(Header(message, "From"), "\"Quorvane WebAlert\"<me@here.org>");
    EXPECT_EQ(Header(message, "To"), "<a@x.org>,<b@y.org>,<refuse@x.org>,<c@z.org>");
    EXPECT_EQ(Header(message, "Cc"), "<cc1@x.org>,<cc2@x.org>");
    EXPECT_EQ(Header(message, "Subject"), "=?windows-1252?Q?=5BCaf=E9_news=5D?=");
    EXPECT_EQ(Header(message, "MIME-Version"), "1.0");
    EXPECT_EQ(Header(message, "Content-Type"), "text/plain; charset=windows-1252");
    EXPECT_EQ(Header(message, "Content-Transfer-Encoding"), "quoted-printable");
    EXPECT_EQ(Body(message),
              "Voil=E0:\r\n.a line that starts with a dot\r\n.\r\nCaf=E9 news\r\n"
              "THE LINK http://news.example/a=3Db WAS MODIFIED\r\nCHECKED AT 08/12/2026  18:25\r\n");
    EXPECT_EQ(message.find('\n'), message.find("\r\n") + 1) << "a bare line feed";

    settings.brief = true;
    settings.to = "a@x.org";
    settings.cc.clear();
    Outcome brief = Send(settings, notice);
    EXPECT_TRUE(brief.sent);
    auto [briefEnvelope, briefMessage] = Kept();
    EXPECT_EQ(briefEnvelope, "from me@here.org\nto a@x.org\n");
    EXPECT_EQ(Header(briefMessage, "Cc"), "");
    EXPECT_EQ(Body(briefMessage), "http://news.example/a=3Db WAS MODIFIED\r\n");

    // A To of 340 characters: only its first 255 count, the address across that mark cut;
    // a Cc of only ";" adds nobody.
    settings.to.clear();
    for (int i = 10; i < 30; ++i)
        settings.to += "user" + std::to_string(i) + "@example.org;";
    settings.cc = ";";
    EXPECT_TRUE(Send(settings, notice).sent);
    auto [longEnvelope, longMessage] = Kept();
    EXPECT_EQ(std::count(longEnvelope.begin(), longEnvelope.end(), '\n'), 15);
    EXPECT_NE(longEnvelope.find("to user22@example.org\nto user23@e\n"), std::string::npos) << longEnvelope;
    EXPECT_EQ(Header(longMessage, "Cc"), "");

    // Nothing left to send to: nothing arrives, and the user hears of it.
    settings.to = ";";
    Outcome none = Send(settings, notice);
    EXPECT_FALSE(none.sent);
    EXPECT_EQ(none.beeps, 1);
    EXPECT_EQ(Kept().first, "");
}

TEST_F(SmtpPeer, FaultyServersFailInTime)
{
    SmtpTimeouts timeouts;
    timeouts.connectMs = 1500;
    timeouts.replyMs = 1500;
    timeouts.dataEndMs = 2500;
    ChangeNotice notice{"Page", "http://x.org/", "08/12/2026", "18:25"};
    MailSettings settings;
    settings.sender = "me@here.org";
    settings.to = "a@x.org;b@x.org";
    settings.message = std::string(300, 'm');
    struct {
        const char* server;
        bool sent;
        int beeps;
        double atMost;
        double atLeast;
    } cases[] = {
        {"silent", false, 1, 2.5, 1.4},
        {"greet421", false, 1, 1.0, 0},
        {"rcpt550", false, 1, 1.0, 0},
        {"data552", false, 1, 1.0, 0},
        {"multiline", true, 0, 1.0, 0},
        {"middata", false, 1, 3.5, 2.4},
        {"longline", false, 1, 1.0, 0},
        {"closeehlo", false, 1, 1.0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        settings.server = Server(c.server);
        Outcome o = Send(settings, notice, timeouts);
        EXPECT_EQ(o.sent, c.sent);
        EXPECT_EQ(o.beeps, c.beeps);
        EXPECT_LE(o.seconds, c.atMost);
        EXPECT_GE(o.seconds, c.atLeast);
    }
    // The multi-line peer kept the one message it accepted, whole.
    auto [envelope, message] = Kept();
    EXPECT_EQ(envelope, "from me@here.org\nto a@x.org\nto b@x.org\n");
    EXPECT_EQ(Header(message, "Subject"), "[Page]");

    // Nobody there: no beep, and no long wait.
    for (const char* server : {"no-such-host.invalid", "127.0.0.1:1", ""}) {
        SCOPED_TRACE(server);
        settings.server = server;
        Outcome o = Send(settings, notice, timeouts);
        EXPECT_FALSE(o.sent);
        EXPECT_EQ(o.beeps, 0);
        EXPECT_LE(o.seconds, 2.0);
    }
}

}  // namespace
