#pragma once
// The SMTP dialogue (RFC 5321) as a state machine, without any input or output of its own:
// the client sends what Command() says, waits for one whole reply and hands it to OnReply,
// as long as Waiting() holds. Each phase (opening, one mail, closing) ends in Done or Failed.
#include <string>
#include <vector>

#include "mail/SmtpReply.h"

class SmtpDialogue {
public:
    enum class Step { Idle, Greeting, Ehlo, Helo, MailFrom, Recipient, Data, Content, Quit, Done, Failed };

    // Waits for the 220 greeting, then says EHLO (HELO when the server does not know EHLO).
    void Open(const std::string& localName);
    // One mail: MAIL FROM, RCPT TO for each recipient, DATA and the data stream. Recipients
    // the server refuses are skipped; the mail fails when it refuses them all.
    void Mail(const std::string& sender, const std::vector<std::string>& recipients, const std::string& dataStream);
    void Quit();

    bool Waiting() const { return step_ != Step::Idle && step_ != Step::Done && step_ != Step::Failed; }
    // What to send before waiting; empty while the greeting is awaited.
    const std::string& Command() const { return command_; }
    // The reply awaited is the one to the end of the data, which servers may take long over.
    bool AwaitsDataEnd() const { return step_ == Step::Content; }
    bool Succeeded() const { return step_ == Step::Done; }

    void OnReply(const SmtpReply& reply);
    // The connection failed or a reply did not come in time.
    void OnFailure();

    // The last reply, for the diagnostics.
    const SmtpReply& LastReply() const { return last_; }

private:
    void AskRecipient();

    Step step_ = Step::Idle;
    std::string command_;
    std::string localName_;
    std::vector<std::string> recipients_;
    std::string data_;
    std::size_t next_ = 0;
    int accepted_ = 0;
    SmtpReply last_;
};

// The name this machine gives in EHLO: its host name when that is a valid domain name, else
// the address literal of the connection's local end ("[192.0.2.1]", "[IPv6:...]").
std::string HeloName(const std::string& hostName, const std::string& localAddress);
