#pragma once
// A minimal mail-sending client: the basic SMTP dialogue without authentication or
// encryption, over a transport that bounds every wait, with a small plain-text message of its
// own making (headers, quoted-printable body in the ANSI code page's charset).
// Calling order: Connect, set the texts and recipients, SendMail if IsConnected, Disconnect.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mail/SmtpDialogue.h"
#include "mail/SmtpReply.h"
#include "mail/SmtpTransport.h"

struct SmtpTimeouts {
    int connectMs = 30000;
    int sendMs = 30000;      // the longest a send may go without progress
    int replyMs = 30000;     // the longest wait for one whole reply
    int dataEndMs = 300000;  // for the reply to the end of the data (RFC 5321 4.5.3.2.6)
};

class SmtpClient {
public:
    explicit SmtpClient(std::unique_ptr<SmtpTransport> transport, SmtpTimeouts timeouts = {});
    virtual ~SmtpClient();
    SmtpClient(const SmtpClient&) = delete;
    SmtpClient& operator=(const SmtpClient&) = delete;

    // A null text removes it (no header then).
    void SetSenderAddress(const char* text);
    void SetSenderName(const char* text);
    void SetSubject(const char* text);
    void SetMessage(const char* text);
    void SetMailer(const char* text);
    void SetReplyTo(const char* text);
    // The MIME name of the code page the texts are in; "windows-1252" unless told.
    void SetCharset(const std::string& charset) { charset_ = charset; }

    // An empty address adds nothing; neither does one with line breaks, controls or angle
    // brackets, which could not be sent as one address.
    void AddRecipient(const std::string& address, const std::string& name);
    bool AddCcRecipient(const std::string& address, const std::string& name);
    // Blind recipients get the mail but appear in no header.
    bool AddBccRecipient(const std::string& address, const std::string& name);

    // Opens the connection to server (port 0: the system's "mail" service, else 25), waits
    // for the greeting and introduces this machine.
    bool Connect(const std::string& server, unsigned short port);
    // Sends one message on the open connection; true once the server accepted it.
    bool SendMail();
    // Says QUIT and closes the connection; false when not connected or QUIT went unanswered.
    bool Disconnect();
    bool IsConnected() const { return connected_; }
    // Whether the last Connect reached a server at all (it may have refused us after that).
    bool ServerReached() const { return reached_; }

    // Where the diagnostics go; standard output unless told.
    void SetDiagnostics(std::function<void(const std::string&)> sink) { diagnostics_ = std::move(sink); }

    // The message as it goes after DATA (before dot-stuffing), dated date: for the tests and
    // for SendMail. Empty when there is no To recipient.
    std::string FormatMessage(const std::string& date) const;

private:
    struct Recipient {
        std::string name;
        std::string address;
    };

    bool Add(std::vector<Recipient>& list, const std::string& address, const std::string& name);
    // Plays the dialogue until the current phase ends; false when it failed.
    bool Run();
    bool ReadReply(SmtpReply& reply, int timeoutMs);
    void Drop();
    void Say(const std::string& text) const;
    std::string JoinForHeader(const char* field, const std::vector<Recipient>& list) const;

    std::unique_ptr<SmtpTransport> transport_;
    SmtpTimeouts timeouts_;
    SmtpDialogue dialogue_;
    SmtpReplyReader reader_;
    bool connected_ = false;
    bool reached_ = false;

    std::optional<std::string> senderAddress_;
    std::optional<std::string> senderName_;
    std::optional<std::string> subject_;
    std::optional<std::string> message_;
    std::optional<std::string> mailer_;
    std::optional<std::string> replyTo_;
    std::string charset_ = "windows-1252";
    std::vector<Recipient> to_;
    std::vector<Recipient> cc_;
    std::vector<Recipient> bcc_;
    std::function<void(const std::string&)> diagnostics_;
};
