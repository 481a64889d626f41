#include "mail/SmtpClient.h"

#include <chrono>
#include <cstdio>

#include "mail/MailText.h"

namespace {

const char kNoRecipient[] = "Please add a message recipient!\r\n";
const char kNoSender[] = "Please specifiy a sender email address\r\n";
const char kNoHeader[] = "Failed to format message header\r\n";
const char kNotConnected[] = "Not connected to server!\r\n";
const char kInvalidSocket[] = "Invalid socket\r\n";

void Assign(std::optional<std::string>& field, const char* text)
{
    if (text)
        field = text;
    else
        field.reset();
}

// Whether text can stand between angle brackets in a command and a header.
bool SendableAddress(const std::string& address)
{
    if (address.empty())
        return false;
    for (unsigned char c : address)
        if (c < 0x20 || c == 0x7F || c == '<' || c == '>')
            return false;
    return true;
}

// A name that may stand as it is before an address: words of RFC 5322 atom characters.
bool PlainName(const std::string& name)
{
    for (unsigned char c : name) {
        bool atext = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     std::string("!#$%&'*+-/=?^_`{|}~ ").find(static_cast<char>(c)) != std::string::npos;
        if (!atext)
            return false;
    }
    return name.find("=?") == std::string::npos;
}

std::string ErrorText(const char* what, int code)
{
    char text[96];
    std::snprintf(text, sizeof text, "%s: %d\r\n", what, code);
    return text;
}

}  // namespace

SmtpClient::SmtpClient(std::unique_ptr<SmtpTransport> transport, SmtpTimeouts timeouts)
    : transport_(std::move(transport)), timeouts_(timeouts)
{
}

SmtpClient::~SmtpClient()
{
    if (connected_)
        Disconnect();
}

void SmtpClient::SetSenderAddress(const char* text) { Assign(senderAddress_, text); }
void SmtpClient::SetSenderName(const char* text) { Assign(senderName_, text); }
void SmtpClient::SetSubject(const char* text) { Assign(subject_, text); }
void SmtpClient::SetMessage(const char* text) { Assign(message_, text); }
void SmtpClient::SetMailer(const char* text) { Assign(mailer_, text); }
void SmtpClient::SetReplyTo(const char* text) { Assign(replyTo_, text); }

bool SmtpClient::Add(std::vector<Recipient>& list, const std::string& address, const std::string& name)
{
    if (!SendableAddress(address))
        return false;
    list.push_back({name, address});
    return true;
}

void SmtpClient::AddRecipient(const std::string& address, const std::string& name) { Add(to_, address, name); }

bool SmtpClient::AddCcRecipient(const std::string& address, const std::string& name)
{
    return Add(cc_, address, name);
}

bool SmtpClient::AddBccRecipient(const std::string& address, const std::string& name)
{
    return Add(bcc_, address, name);
}

void SmtpClient::Say(const std::string& text) const
{
    if (diagnostics_) {
        diagnostics_(text);
    } else {
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    }
}

void SmtpClient::Drop()
{
    transport_->Close();
    reader_.Clear();
    connected_ = false;
}

bool SmtpClient::ReadReply(SmtpReply& reply, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[4096];
    for (;;) {
        if (reader_.Take(reply))
            return true;
        if (reader_.Broken()) {
            Say("Broken reply from server\r\n");
            return false;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            Say("No reply from server\r\n");
            return false;
        }
        long got = transport_->Receive(buffer, sizeof buffer, static_cast<int>(left));
        if (got <= 0) {
            Say(got == 0 ? std::string("Connection closed by server\r\n") : ErrorText("Socket receive error", transport_->LastError()));
            return false;
        }
        reader_.Feed(buffer, static_cast<std::size_t>(got));
    }
}

bool SmtpClient::Run()
{
    while (dialogue_.Waiting()) {
        const std::string& command = dialogue_.Command();
        if (!command.empty() && !transport_->Send(command, timeouts_.sendMs)) {
            Say(ErrorText("Socket send error", transport_->LastError()));
            dialogue_.OnFailure();
            Drop();
            return false;
        }
        SmtpReply reply;
        if (!ReadReply(reply, dialogue_.AwaitsDataEnd() ? timeouts_.dataEndMs : timeouts_.replyMs)) {
            // Nothing more can be said on a connection in an unknown state.
            dialogue_.OnFailure();
            Drop();
            return false;
        }
        dialogue_.OnReply(reply);
    }
    if (!dialogue_.Succeeded()) {
        char text[64];
        std::snprintf(text, sizeof text, "Server refused: %d\r\n", dialogue_.LastReply().code);
        Say(text);
    }
    return dialogue_.Succeeded();
}

bool SmtpClient::Connect(const std::string& server, unsigned short port)
{
    if (connected_)
        Disconnect();
    Drop();
    reached_ = false;
    if (port == 0) {
        port = transport_->ServicePort("mail");
        if (port == 0)
            port = 25;
    }
    if (!transport_->Open(server, port, timeouts_.connectMs)) {
        Say(kInvalidSocket);
        return false;
    }
    connected_ = true;
    reached_ = true;
    dialogue_.Open(HeloName(transport_->HostName(), transport_->LocalAddress()));
    if (Run())
        return true;
    // A server that refuses us at the greeting or at EHLO gets a QUIT if it still listens.
    if (connected_)
        Disconnect();
    Drop();
    return false;
}

std::string SmtpClient::JoinForHeader(const char* field, const std::vector<Recipient>& list) const
{
    std::string out = field;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string entry;
        if (!list[i].name.empty()) {
            const std::string name = HeaderSafe(list[i].name);
            entry = PlainName(name) ? name : DisplayNamePhrase(name, charset_, 0);
        }
        entry += "<" + list[i].address + ">";
        if (i > 0) {
            out += ",";
            // Long lists are folded between entries (RFC 5322 2.1.1: 78 characters).
            if (out.size() - lineStart + entry.size() > 78) {
                out += "\r\n ";
                lineStart = out.size() - 1;
            }
        }
        out += entry;
    }
    return out + "\r\n";
}

std::string SmtpClient::FormatMessage(const std::string& date) const
{
    if (to_.empty())
        return std::string();
    std::string m = "Date: " + date + "\r\n";
    if (senderName_)
        m += "From: " + DisplayNamePhrase(*senderName_, charset_, 6) + (IsAscii(*senderName_) ? "" : " ") + "<" +
             senderAddress_.value_or("") + ">\r\n";
    m += JoinForHeader("To: ", to_);
    m += JoinForHeader("Cc: ", cc_);
    if (subject_)
        m += "Subject: " + EncodeHeaderText(*subject_, charset_, 9) + "\r\n";
    if (mailer_)
        m += "X-Mailer: " + EncodeHeaderText(*mailer_, charset_, 10) + "\r\n";
    if (replyTo_)
        m += "Reply-To: " + HeaderSafe(*replyTo_) + "\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "Content-Type: text/plain; charset=" + charset_ + "\r\n";
    m += "Content-Transfer-Encoding: quoted-printable\r\n";
    m += "\r\n";
    m += QuotedPrintable(message_.value_or(""));
    return m;
}

bool SmtpClient::SendMail()
{
    if (!senderAddress_ || !SendableAddress(*senderAddress_)) {
        Say(kNoSender);
        return false;
    }
    if (to_.empty()) {
        Say(kNoRecipient);
        Say(kNoHeader);
        return false;
    }
    if (!connected_) {
        Say(kNotConnected);
        return false;
    }
    std::vector<std::string> envelope;
    for (const auto* list : {&to_, &cc_, &bcc_})
        for (const Recipient& r : *list)
            envelope.push_back(r.address);
    dialogue_.Mail(*senderAddress_, envelope, DataStream(FormatMessage(Rfc5322Date(CurrentUtcTime()))));
    return Run();
}

bool SmtpClient::Disconnect()
{
    if (!connected_) {
        Say(kNotConnected);
        return false;
    }
    dialogue_.Quit();
    bool answered = Run();
    Drop();
    return answered;
}
