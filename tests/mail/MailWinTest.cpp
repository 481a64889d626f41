// The mail on Win32, inside the program started in the test process: dialog 196 in both
// languages with the default account from the registry, the change mail thread against
// aiosmtpd and faulty servers on loopback (with-smtp-peer.sh), and the WinSock transport's
// time-outs.
#include <windows.h>
#include <tlhelp32.h>

#include <chrono>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/OptionRecord.h"
#include "app/Registry_win.h"
#include "app/Subsystems_win.h"
#include "mail/ChangeMail.h"
#include "mail/SmtpClient.h"
#include "mail/WinSockTransport_win.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppHarness_win.h"
#include "tests/mail/ImportPatch_win.h"
#include "tests/translator/ModalScript_win.h"

namespace {

using tt::Click;
using tt::ItemString;
using tt::ModalScript;

const char kAccounts[] = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager";

std::map<std::string, unsigned> PeerPorts()
{
    std::map<std::string, unsigned> ports;
    const char* text = getenv("QV_SMTP_PORTS");
    std::istringstream words(text ? text : "");
    std::string word;
    while (words >> word) {
        std::size_t colon = word.find(':');
        ports[word.substr(0, colon)] = static_cast<unsigned>(std::stoul(word.substr(colon + 1)));
    }
    return ports;
}

std::string Peer(const char* name)
{
    auto ports = PeerPorts();
    return ports.count(name) ? "127.0.0.1:" + std::to_string(ports[name]) : std::string();
}

std::string Spool(int n, const char* extension)
{
    const char* folder = getenv("QV_SMTP_SPOOL");
    return std::string(folder ? folder : "") + "\\" + std::to_string(n) + extension;
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

std::string Header(const std::string& message, const std::string& name)
{
    std::smatch m;
    if (std::regex_search(message, m, std::regex("(^|\n)" + name + ": ([^\r]*)\r\n")))
        return m[2];
    return "<none>";
}

std::string Body(const std::string& message)
{
    std::size_t at = message.find("\r\n\r\n");
    return at == std::string::npos ? "<none>" : message.substr(at + 4);
}

class MailWin : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        ASSERT_TRUE(mt::CountBeeps()) << "the program does not import MessageBeep";
        RegDeleteTreeA(HKEY_CURRENT_USER, kAccounts);
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kAccounts);
        AppHarness::TearDown();
    }

    bool StartWithMail(const char* language, const std::vector<std::string>& smtp)
    {
        std::vector<std::string> lines = {std::string("Language=") + language, "Welcome=1", "[Smtp]"};
        lines.insert(lines.end(), smtp.begin(), smtp.end());
        return Start(lines);
    }

    // Waits for the n-th kept message; empty when it did not come in time.
    static std::string WaitForMessage(int n, DWORD ms = 15000)
    {
        if (!wt::WaitUntil([&] { return wt::FileExists(Spool(n, ".env")); }, ms))
            return std::string();
        return wt::ReadFileText(Spool(n, ".env")) + "\n" + wt::ReadFileText(Spool(n, ".eml"));
    }
};

TEST_F(MailWin, SmtpParametersInBothLanguages)
{
    struct {
        const char* language;
        const char* caption;
    } languages[] = {{"2", "SMTP Parameters"}, {"1", "Param\xE8tres SMTP"}};
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        ASSERT_TRUE(StartWithMail(l.language, {"MailSmtp=old.example", "MailSender=old@example.org",
                                               "MailTo=a@x.org;b@y.org", "MailCC=c@z.org", "MailMSG=Hello",
                                               "MailNoDetailed=1"}));
        int beeps = mt::Beeps();
        HWND dialog = nullptr;
        auto focusIs = [&](int id) { return GetFocus() == GetDlgItem(dialog, id); };
        ModalScript script;
        script
            .Then([&] {
                dialog = tt::DialogWithItem(IDC_SMTP_DEFAULT_ACCOUNT);
                if (!dialog)
                    return false;
                EXPECT_EQ(tt::WindowString(dialog), l.caption);
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SERVER), "old.example");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SENDER), "old@example.org");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_TO), "a@x.org;b@y.org");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_CC), "c@z.org");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_MESSAGE), "Hello");
                EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SMTP_BRIEF), BST_CHECKED);
                // No account configured: nothing changes.
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SMTP_DEFAULT_ACCOUNT, BN_CLICKED), 0);
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SERVER), "old.example");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SENDER), "old@example.org");
                // An empty server: a beep, the focus on it, the dialog stays.
                SetDlgItemTextA(dialog, IDC_SMTP_SERVER, "");
                Click(dialog, IDOK);
                return true;
            })
            .Then([&] {
                if (mt::Beeps() == beeps)
                    return false;
                EXPECT_EQ(mt::Beeps(), beeps + 1);
                EXPECT_TRUE(IsWindow(dialog));
                EXPECT_TRUE(focusIs(IDC_SMTP_SERVER));
                // A sender of blanks is none either.
                SetDlgItemTextA(dialog, IDC_SMTP_SERVER, "typed.example");
                SetDlgItemTextA(dialog, IDC_SMTP_SENDER, "   ");
                Click(dialog, IDOK);
                return true;
            })
            .Then([&] {
                if (mt::Beeps() == beeps + 1)
                    return false;
                EXPECT_EQ(mt::Beeps(), beeps + 2);
                EXPECT_TRUE(IsWindow(dialog));
                EXPECT_TRUE(focusIs(IDC_SMTP_SENDER));
                // An account with a server and no address: the server only.
                RegWriteString(HKEY_CURRENT_USER, kAccounts, "Default Mail Account", "00000002");
                std::string account = std::string(kAccounts) + "\\Accounts\\00000002";
                RegWriteString(HKEY_CURRENT_USER, account.c_str(), "SMTP Server", "smtp.isp.example");
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SMTP_DEFAULT_ACCOUNT, BN_CLICKED), 0);
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SERVER), "smtp.isp.example");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SENDER), "   ");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_TO), "a@x.org;b@y.org");
                RegWriteString(HKEY_CURRENT_USER, account.c_str(), "SMTP Email Address", "me@isp.example");
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SMTP_DEFAULT_ACCOUNT, BN_CLICKED), 0);
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_SENDER), "me@isp.example");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_TO), "me@isp.example");
                EXPECT_EQ(ItemString(dialog, IDC_SMTP_CC), "c@z.org");
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
        EXPECT_EQ(Options().MailSender, "me@isp.example");
        EXPECT_EQ(Options().MailTo, "me@isp.example");
        EXPECT_EQ(Options().MailCC, "c@z.org");
        EXPECT_EQ(Options().MailMSG, "Line one MailSmtp=evil.example");
        EXPECT_EQ(Options().MailNoDetailed, 0);
        EXPECT_EQ(ReadSetting("Smtp", "MailSmtp"), "smtp.isp.example");
        EXPECT_EQ(ReadSetting("Smtp", "MailSender"), "me@isp.example");
        EXPECT_EQ(ReadSetting("Smtp", "MailTo"), "me@isp.example");
        EXPECT_EQ(ReadSetting("Smtp", "MailCC"), "c@z.org");
        EXPECT_EQ(ReadSetting("Smtp", "MailMSG"), "Line one MailSmtp=evil.example");
        EXPECT_EQ(ReadSetting("Smtp", "MailNoDetailed"), "0");

        // Cancel keeps everything as it was.
        ModalScript cancel;
        cancel.Then([&] {
            dialog = tt::DialogWithItem(IDC_SMTP_DEFAULT_ACCOUNT);
            if (!dialog)
                return false;
            SetDlgItemTextA(dialog, IDC_SMTP_SERVER, "changed.example");
            Click(dialog, IDCANCEL);
            return true;
        });
        cancel.Run([&] {
            EditMailSettings(main_);
            return static_cast<INT_PTR>(0);
        });
        EXPECT_EQ(Options().MailSmtp, "smtp.isp.example");
        EXPECT_EQ(ReadSetting("Smtp", "MailSmtp"), "smtp.isp.example");
        Stop();
        RegDeleteTreeA(HKEY_CURRENT_USER, kAccounts);
        wt::DeleteTree(dataFolder_);
    }
}

TEST_F(MailWin, ChangeMailThreadsSendOrBeep)
{
    ASSERT_FALSE(Peer("smtp").empty()) << "no SMTP peer runs beside the test (QV_SMTP_PORTS)";
    ASSERT_TRUE(StartWithMail("2", {"MailSmtp=" + Peer("smtp"), "MailSender=me@here.org",
                                    "MailTo=a@x.org; b@y.org;;refuse@x.org", "MailCC=;c@z.org",
                                    "MailMSG=Voil\xE0", "MailNoDetailed=0"}));
    const int threads = ThreadCount();
    int beeps = mt::Beeps();
    StartMailThread(main_, ChangeNotice{"Caf\xE9", "http://news.example/", "08/12/2026", "18:25"});
    std::string first = WaitForMessage(1);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.substr(0, first.find("\n\n")), "from me@here.org\nto a@x.org\nto b@y.org\nto c@z.org");
    EXPECT_TRUE(std::regex_search(Header(first, "Date"),
                                  std::regex(R"(^(Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d\d [A-Z][a-z]{2} \d{4} \d\d:\d\d:\d\d \+0000$)")))
        << Header(first, "Date");
    EXPECT_EQ(Header(first, "From"), "\"Quorvane WebAlert\"<me@here.org>");
    EXPECT_EQ(Header(first, "To"), "<a@x.org>,<b@y.org>,<refuse@x.org>");
    EXPECT_EQ(Header(first, "Cc"), "<c@z.org>");
    EXPECT_EQ(Header(first, "Subject"), "=?windows-1252?Q?=5BCaf=E9=5D?=");
    EXPECT_EQ(Header(first, "Content-Type"), "text/plain; charset=windows-1252");
    EXPECT_EQ(Body(first), "Voil=E0\r\nCaf=E9\r\nTHE LINK http://news.example/ WAS MODIFIED\r\n"
                           "CHECKED AT 08/12/2026  18:25\r\n");

    // The French texts and a brief mail.
    Stop();
    ASSERT_TRUE(StartWithMail("1", {"MailSmtp=" + Peer("smtp"), "MailSender=me@here.org", "MailTo=a@x.org",
                                    "MailNoDetailed=1"}));
    StartMailThread(main_, ChangeNotice{"Page", "http://news.example/", "08/12/2026", "18:25"});
    std::string brief = WaitForMessage(2);
    EXPECT_EQ(Body(brief), "http://news.example/ A ETE MODIFIE\r\n");

    // Several pages changed in one run: their mails go at once, each on its own connection.
    for (const char* name : {"One", "Two", "Three"})
        StartMailThread(main_, ChangeNotice{name, std::string("http://") + name + ".example/", "08/12/2026", "18:25"});
    std::string bodies;
    for (int n = 3; n <= 5; ++n)
        bodies += Body(WaitForMessage(n)) + "|";
    for (const char* name : {"One", "Two", "Three"})
        EXPECT_NE(bodies.find(std::string("http://") + name + ".example/ A ETE MODIFIE"), std::string::npos) << name;

    // Refusals and silence beep; an unknown host and a closed port end quietly. Every mail
    // thread ends.
    struct {
        std::string server;
        std::string to;
        int beeps;
    } failures[] = {
        {Peer("rcpt550"), "a@x.org", 1},
        {Peer("data552"), "a@x.org", 1},
        {Peer("greet421"), "a@x.org", 1},
        {Peer("longline"), "a@x.org", 1},
        {Peer("smtp"), ";", 1},
        {"no-such-host.invalid", "a@x.org", 0},
        {"127.0.0.1:1", "a@x.org", 0},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.server + " to " + f.to);
        Options().MailSmtp = f.server;
        Options().MailTo = f.to;
        beeps = mt::Beeps();
        int before = ThreadCount();
        StartMailThread(main_, ChangeNotice{"Page", "http://x/", "08/12/2026", "18:25"});
        EXPECT_TRUE(wt::WaitUntil([&] { return ThreadCount() <= before && mt::Beeps() >= beeps + f.beeps; }, 20000));
        EXPECT_EQ(mt::Beeps(), beeps + f.beeps);
    }
    EXPECT_FALSE(wt::FileExists(Spool(6, ".env")));
    EXPECT_LE(ThreadCount(), threads + 1);
}

TEST(WinSockTransport, FaultyServersFailInTime)
{
    ASSERT_FALSE(Peer("smtp").empty()) << "no SMTP peer runs beside the test (QV_SMTP_PORTS)";
    SmtpTimeouts timeouts;
    timeouts.connectMs = 1500;
    timeouts.replyMs = 1500;
    timeouts.dataEndMs = 2500;
    MailSettings settings;
    settings.sender = "me@here.org";
    settings.to = "a@x.org";
    settings.message = std::string(70000, 'm');   // more than one send's worth
    struct {
        const char* server;
        bool sent;
        int beeps;
        double atMost;
        double atLeast;
    } cases[] = {
        {"silent", false, 1, 2.5, 1.4},    {"middata", false, 1, 3.5, 2.4}, {"multiline", true, 0, 2.0, 0},
        {"closeehlo", false, 1, 1.0, 0},   {"longline", false, 1, 1.0, 0},  {"rcpt550", false, 1, 1.0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        settings.server = Peer(c.server);
        SmtpClient client(std::make_unique<WinSockTransport>(), timeouts);
        client.SetDiagnostics([](const std::string&) {});
        int beeps = 0;
        auto start = std::chrono::steady_clock::now();
        bool sent = SendChangeMail(client, ChangeNotice{"Page", "http://x/", "d", "t"}, settings,
                                   {"Quorvane WebAlert", "%s %s %s %s", "%s"}, [&] { ++beeps; });
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(beeps, c.beeps);
        EXPECT_LE(seconds, c.atMost);
        EXPECT_GE(seconds, c.atLeast);
    }
}

}  // namespace
