#include "mail/SmtpDialogue.h"

namespace {

bool Positive(int code) { return code >= 200 && code <= 299; }

}  // namespace

void SmtpDialogue::Open(const std::string& localName)
{
    localName_ = localName;
    command_.clear();
    step_ = Step::Greeting;
}

void SmtpDialogue::Mail(const std::string& sender, const std::vector<std::string>& recipients,
                        const std::string& dataStream)
{
    recipients_ = recipients;
    data_ = dataStream;
    next_ = 0;
    accepted_ = 0;
    if (recipients_.empty()) {
        step_ = Step::Failed;
        return;
    }
    command_ = "MAIL FROM:<" + sender + ">\r\n";
    step_ = Step::MailFrom;
}

void SmtpDialogue::Quit()
{
    command_ = "QUIT\r\n";
    step_ = Step::Quit;
}

void SmtpDialogue::AskRecipient()
{
    command_ = "RCPT TO:<" + recipients_[next_] + ">\r\n";
    step_ = Step::Recipient;
}

void SmtpDialogue::OnFailure()
{
    command_.clear();
    step_ = Step::Failed;
}

void SmtpDialogue::OnReply(const SmtpReply& reply)
{
    last_ = reply;
    const int code = reply.code;
    switch (step_) {
    case Step::Greeting:
        if (code == 220) {
            command_ = "EHLO " + localName_ + "\r\n";
            step_ = Step::Ehlo;
        } else {
            OnFailure();
        }
        break;
    case Step::Ehlo:
        if (Positive(code)) {
            step_ = Step::Done;
        } else if (code >= 500 && code <= 599) {
            // An old server that knows only HELO.
            command_ = "HELO " + localName_ + "\r\n";
            step_ = Step::Helo;
        } else {
            OnFailure();
        }
        break;
    case Step::Helo:
        step_ = Positive(code) ? Step::Done : Step::Failed;
        break;
    case Step::MailFrom:
        if (Positive(code))
            AskRecipient();
        else
            OnFailure();
        break;
    case Step::Recipient:
        // 250 or 251; any refusal drops that recipient only.
        if (Positive(code))
            ++accepted_;
        if (++next_ < recipients_.size()) {
            AskRecipient();
        } else if (accepted_ > 0) {
            command_ = "DATA\r\n";
            step_ = Step::Data;
        } else {
            OnFailure();
        }
        break;
    case Step::Data:
        if (code == 354) {
            command_ = data_;
            step_ = Step::Content;
        } else {
            OnFailure();
        }
        break;
    case Step::Content:
        step_ = Positive(code) ? Step::Done : Step::Failed;
        break;
    case Step::Quit:
        step_ = Positive(code) ? Step::Done : Step::Failed;
        break;
    case Step::Idle:
    case Step::Done:
    case Step::Failed:
        break;
    }
    if (step_ == Step::Done || step_ == Step::Failed)
        command_.clear();
}

std::string HeloName(const std::string& hostName, const std::string& localAddress)
{
    // A domain: labels of letters, digits and hyphens, not starting or ending with a hyphen.
    bool valid = !hostName.empty() && hostName.size() <= 253;
    std::size_t labelLength = 0;
    char previous = '.';
    for (char c : hostName) {
        if (!valid)
            break;
        if (c == '.') {
            valid = labelLength > 0 && previous != '-';
            labelLength = 0;
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-') {
            valid = !(c == '-' && labelLength == 0) && ++labelLength <= 63;
        } else {
            valid = false;
        }
        previous = c;
    }
    if (valid && labelLength > 0 && previous != '-')
        return hostName;
    if (localAddress.empty())
        return "[127.0.0.1]";
    if (localAddress.find(':') != std::string::npos)
        return "[IPv6:" + localAddress + "]";
    return "[" + localAddress + "]";
}
