#pragma once
// The mail that tells of a changed page: its recipients, subject and body from the mail
// settings, and its sending through an SMTP client.
#include <functional>
#include <string>
#include <vector>

#include "mail/ChangeNotice.h"

class SmtpClient;

// The mail settings (section "Smtp"), copied for one mail.
struct MailSettings {
    std::string server;    // MailSmtp
    std::string sender;    // MailSender
    std::string to;        // MailTo, addresses separated by ";"
    std::string cc;        // MailCC
    std::string message;   // MailMSG, put before the notice in detailed mails
    bool brief = false;    // MailNoDetailed
};

// The texts of the interface language the mail is made of.
struct ChangeMailTexts {
    std::string senderName;   // "Quorvane WebAlert"
    std::string detailed;     // "%s\nTHE LINK %s WAS MODIFIED\nCHECKED AT %s  %s"
    std::string brief;        // "%s WAS MODIFIED"
};

// At most this many characters of To and of Cc are used.
constexpr std::size_t kMailListChars = 255;

// The addresses of a list: its first 255 characters split at ";", blanks around each address
// dropped, empty pieces skipped.
std::vector<std::string> SplitRecipients(const std::string& list);

// The server setting as host and port: "host:port" names a port of its own (a submission
// port such as 587), a plain host gives port 0 (the system's "mail" service, else 25).
// "[address]:port" and "[address]" hold an IPv6 address. Blanks around it are dropped.
void SplitServerSetting(const std::string& setting, std::string& host, unsigned short& port);

// text with each "%s" replaced by the next argument in turn ("%%" gives "%"); any other "%"
// stays as it is, and a "%s" without an argument left becomes empty.
std::string FillPlaceholders(const std::string& text, const std::vector<std::string>& arguments);

// "[" + name + "]"
std::string ChangeMailSubject(const ChangeNotice& notice);
// Brief: the one-line notice alone. Detailed: the user's message and a line break when there
// is one, then the notice of name, link, date and time.
std::string ChangeMailBody(const ChangeNotice& notice, const MailSettings& settings, const ChangeMailTexts& texts);

// Connects, composes and sends the mail, and says QUIT. No server reached (a name that does
// not resolve, a refused connection): false, nothing shown. A failure once a server answered
// the connection (refused greeting, refusals, silence, no recipient): beep() is called and
// the result is false.
bool SendChangeMail(SmtpClient& client, const ChangeNotice& notice, const MailSettings& settings,
                    const ChangeMailTexts& texts, const std::function<void()>& beep);
