// The mail on Win32, inside the program started in the test process: dialog 196 in both
// languages with the default account from the registry, the change mail thread against
// aiosmtpd on loopback (tests/support/smtp_peer.py), the WinSock transport against broken servers.
#include <windows.h>
#include <tlhelp32.h>

#include <chrono>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/OptionRecord.h"
#include "app/Registry_win.h"
#include "app/Subsystems_win.h"
#include "mail/ChangeMail.h"
#include "mail/DefaultAccount.h"
#include "mail/SmtpClient.h"
#include "mail/WinSockTransport_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"
#include "tests/translator/ModalScript_win.h"

namespace {

using tt::Click;
using tt::ItemString;
using tt::ModalScript;

const char kAccounts[] = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager";

using wt::beeps;

// "127.0.0.1:PORT" of the named peer of QV_SMTP_PORTS ("smtp:40001 silent:40002 ...").
std::string Peer(const std::string& name)
{
    const char* ports = getenv("QV_SMTP_PORTS");
    std::istringstream words(ports ? ports : "");
    for (std::string word; words >> word;)
        if (word.rfind(name + ":", 0) == 0)
            return "127.0.0.1:" + word.substr(name.size() + 1);
    return std::string();
}

int ThreadCount()
{
    int count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    CloseHandle(snapshot);
    return count;
}

class MailWin : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        ASSERT_TRUE(wt::CountBeeps()) << "the program does not import MessageBeep";
        RegDeleteTreeA(HKEY_CURRENT_USER, kAccounts);
    }

    bool StartWithMail(const char* language, const std::vector<std::string>& smtp)
    {
        std::vector<std::string> lines = {std::string("Language=") + language, "Welcome=1", "[Smtp]"};
        lines.insert(lines.end(), smtp.begin(), smtp.end());
        return Start(lines);
    }

    // The envelope of the n-th kept message and the message; empty when it did not come in time.
    static std::pair<std::string, std::string> WaitForMessage(int n)
    {
        const char* spool = getenv("QV_SMTP_SPOOL");
        std::string base = std::string(spool ? spool : "") + "\\" + std::to_string(n);
        if (!wt::WaitUntil([&] { return wt::FileExists(base + ".env"); }, 15000))
            return {};
        return {wt::ReadFileText(base + ".env"), wt::ReadFileText(base + ".eml")};
    }
};

TEST_F(MailWin, SmtpParametersInBothLanguages)
{
    for (const auto& [language, caption] : {std::pair{"2", "SMTP Parameters"}, std::pair{"1", "Param\xE8tres SMTP"}}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(StartWithMail(language, {"MailSmtp=old.example", "MailSender=old@example.org",
                                             "MailTo=a@x.org;b@y.org", "MailCC=c@z.org", "MailMSG=Hello",
                                             "MailNoDetailed=1"}));
        const int before = beeps;
        HWND dialog = nullptr;
        auto focusIs = [&](int id) { return GetFocus() == GetDlgItem(dialog, id); };
        auto defaultAccount = [&] {
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SMTP_DEFAULT_ACCOUNT, BN_CLICKED), 0);
        };
        const std::string account = std::string(kAccounts) + "\\Accounts\\00000002";
        ModalScript script;
        script
            .Then([&] {
                if (!(dialog = tt::DialogWithItem(IDC_SMTP_DEFAULT_ACCOUNT)))
                    return false;
                EXPECT_EQ(tt::WindowString(dialog), caption);
                std::string shown;
                for (int id : {IDC_SMTP_SERVER, IDC_SMTP_SENDER, IDC_SMTP_TO, IDC_SMTP_CC, IDC_SMTP_MESSAGE})
                    shown += ItemString(dialog, id) + "|";
                EXPECT_EQ(shown, "old.example|old@example.org|a@x.org;b@y.org|c@z.org|Hello|");
                EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SMTP_BRIEF), BST_CHECKED);
                // No account configured: nothing changes.
                defaultAccount();
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SERVER), "old.example");
                // An empty server: a beep, the focus on it, the dialog stays.
                SetDlgItemTextA(dialog, IDC_SMTP_SERVER, "");
                Click(dialog, IDOK);
                return true;
            })
            .Then([&] {
                if (beeps == before)
                    return false;
                EXPECT_TRUE(IsWindow(dialog) && focusIs(IDC_SMTP_SERVER));
                // A sender of blanks is none either.
                SetDlgItemTextA(dialog, IDC_SMTP_SERVER, "typed.example");
                SetDlgItemTextA(dialog, IDC_SMTP_SENDER, "   ");
                Click(dialog, IDOK);
                return true;
            })
            .Then([&] {
                if (beeps == before + 1)
                    return false;
                EXPECT_EQ(beeps.load(), before + 2);
                EXPECT_TRUE(IsWindow(dialog) && focusIs(IDC_SMTP_SENDER));
                // An account with a server and no address: the server only.
                RegWriteString(HKEY_CURRENT_USER, kAccounts, "Default Mail Account", "00000002");
                RegWriteString(HKEY_CURRENT_USER, account.c_str(), "SMTP Server", "smtp.isp.example");
                defaultAccount();
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SERVER), "smtp.isp.example");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SENDER), "   ");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_TO), "a@x.org;b@y.org");
                RegWriteString(HKEY_CURRENT_USER, account.c_str(), "SMTP Email Address", "me@isp.example");
                defaultAccount();
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SENDER), "me@isp.example");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_TO), "me@isp.example");
                // A message of two lines stays one line of the settings file.
                SetDlgItemTextA(dialog, IDC_SMTP_MESSAGE, "Line one\r\nMailSmtp=evil.example");
                CheckDlgButton(dialog, IDC_SMTP_BRIEF, BST_UNCHECKED);
                Click(dialog, IDOK);
                return true;
            });
        script.Run([&] {
            EditMailSettings(main_);
            return static_cast<INT_PTR>(0);
        });
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_EQ(Options().MailSmtp, "smtp.isp.example");
        const std::pair<const char*, const char*> saved[] = {
            {"MailSmtp", "smtp.isp.example"}, {"MailSender", "me@isp.example"}, {"MailTo", "me@isp.example"},
            {"MailCC", "c@z.org"}, {"MailMSG", "Line one MailSmtp=evil.example"}, {"MailNoDetailed", "0"}};
        for (const auto& [key, value] : saved)
            EXPECT_EQ(ReadSetting("Smtp", key), value) << key;

        Stop();
        RegDeleteTreeA(HKEY_CURRENT_USER, kAccounts);
        wt::DeleteTree(dataFolder_);
    }
}

TEST_F(MailWin, ChangeMailThreadsSendOrBeep)
{
    ASSERT_FALSE(Peer("smtp").empty()) << "no SMTP peer runs beside the test (QV_SMTP_PORTS)";
    ASSERT_TRUE(StartWithMail("2", {"MailSmtp=" + Peer("smtp"), "MailSender=me@here.org",
                                    "MailTo=a@x.org; b@y.org;;refuse@x.org", "MailCC=;c@z.org;;d@z.org",
                                    "MailMSG=.Voil\xE0", "MailNoDetailed=0"}));
    const int threads = ThreadCount();
    StartMailThread(main_, ChangeNotice{"Caf\xE9", "http://news.example/a=b", "08/12/2026", "18:25"});
    auto [envelope, message] = WaitForMessage(1);
    // The refused recipient is skipped; the others, Cc included, get the mail. The line that
    // starts with a dot arrives whole.
    EXPECT_EQ(envelope, "from me@here.org\nto a@x.org\nto b@y.org\nto c@z.org\nto d@z.org\n");
    const std::regex date("^Date: [A-Z][a-z]{2}, \\d\\d [A-Z][a-z]{2} \\d{4} \\d\\d:\\d\\d:\\d\\d \\+0000\r\n");
    EXPECT_EQ(std::regex_replace(message, date, "Date: D\r\n"),
              "Date: D\r\n"
              "From: \"Quorvane WebAlert\"<me@here.org>\r\n"
              "To: <a@x.org>,<b@y.org>,<refuse@x.org>\r\n"
              "Cc: <c@z.org>,<d@z.org>\r\n"
              "Subject: =?windows-1252?Q?=5BCaf=E9=5D?=\r\n"
              "MIME-Version: 1.0\r\n"
              "Content-Type: text/plain; charset=windows-1252\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "\r\n"
              ".Voil=E0\r\nCaf=E9\r\nTHE LINK http://news.example/a=3Db WAS MODIFIED\r\nCHECKED AT 08/12/2026  18:25\r\n");

    // The French texts and a brief mail; several pages changed in one run send at once, each
    // on its own connection.
    Stop();
    ASSERT_TRUE(StartWithMail("1", {"MailSmtp=" + Peer("smtp"), "MailSender=me@here.org", "MailTo=a@x.org",
                                    "MailNoDetailed=1"}));
    for (const char* name : {"One", "Two", "Three"})
        StartMailThread(main_, ChangeNotice{name, std::string("http://") + name + ".example/", "08/12/2026", "18:25"});
    std::string messages;
    for (int n = 2; n <= 4; ++n)
        messages += WaitForMessage(n).second + "|";
    for (const char* name : {"One", "Two", "Three"})
        EXPECT_NE(messages.find(std::string("\r\n\r\nhttp://") + name + ".example/ A ETE MODIFIE\r\n|"),
                  std::string::npos) << messages;

    // A refusal beeps; a closed port ends quietly. Every mail thread ends.
    const std::pair<std::string, int> failures[] = {{Peer("rcpt550"), 1}, {"127.0.0.1:1", 0}};
    for (const auto& [server, expected] : failures) {
        SCOPED_TRACE(server);
        Options().MailSmtp = server;
        const int before = beeps, running = ThreadCount();
        StartMailThread(main_, ChangeNotice{"Page", "http://x/", "08/12/2026", "18:25"});
        EXPECT_TRUE(wt::WaitUntil([&] { return ThreadCount() <= running && beeps >= before + expected; }, 20000));
        EXPECT_EQ(beeps.load(), before + expected);
    }
    EXPECT_LE(ThreadCount(), threads + 1);
}

TEST(WinSockTransport, FaultyServersFailInTime)
{
    ASSERT_FALSE(Peer("smtp").empty()) << "no SMTP peer runs beside the test (QV_SMTP_PORTS)";
    const SmtpTimeouts timeouts{1500, 30000, 1500, 2500};
    // A message of more than one send's worth.
    MailSettings settings{"", "me@here.org", "a@x.org;b@x.org", "", std::string(70000, 'm'), false};
    struct {
        std::string server;
        bool sent;
        int beeps;
        double atLeast, atMost;
    } cases[] = {
        {Peer("silent"), false, 1, 1.4, 2.5},   {Peer("greet421"), false, 1, 0, 1.0},
        {Peer("rcpt550"), false, 1, 0, 1.0},    {Peer("data552"), false, 1, 0, 1.0},
        {Peer("smtp"), true, 0, 0, 2.0},        {Peer("middata"), false, 1, 2.4, 3.5},
        {Peer("longline"), false, 1, 0, 1.0},   {"127.0.0.1:1", false, 0, 0, 2.0},
        {"no-such-host.invalid", false, 0, 0, 2.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        settings.server = c.server;
        SmtpClient client(std::make_unique<WinSockTransport>(), timeouts);
        client.SetDiagnostics([](const std::string&) {});
        int beeped = 0;
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(SendChangeMail(client, ChangeNotice{"Page", "http://x/", "d", "t"}, settings,
                                 {"Quorvane WebAlert", "%s %s %s %s", "%s"}, [&] { ++beeped; }),
                  c.sent);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(beeped, c.beeps);
        EXPECT_TRUE(seconds >= c.atLeast && seconds <= c.atMost) << seconds;
    }
}

}  // namespace
