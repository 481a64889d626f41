#include "mail/ChangeMail.h"

#include "app/TextUtil.h"
#include "mail/SmtpClient.h"

std::vector<std::string> SplitRecipients(const std::string& list)
{
    const std::string used = Cut(list, kMailListChars);
    std::vector<std::string> addresses;
    std::size_t start = 0;
    while (start <= used.size()) {
        std::size_t end = used.find(';', start);
        if (end == std::string::npos)
            end = used.size();
        // "a@x.org; b@y.org" is how people write lists: the blank is no part of the address.
        std::string piece = Trim(std::string_view(used).substr(start, end - start));
        if (!piece.empty())
            addresses.push_back(piece);
        start = end + 1;
    }
    return addresses;
}

void SplitServerSetting(const std::string& setting, std::string& host, unsigned short& port)
{
    host = Trim(setting);
    port = 0;
    std::size_t colon = host.rfind(':');
    if (colon == std::string::npos)
        return;
    const std::string digits = host.substr(colon + 1);
    std::string name = host.substr(0, colon);
    bool bracketed = name.size() >= 2 && name.front() == '[' && name.back() == ']';
    // A bare IPv6 address has colons of its own and no port.
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos ||
        (!bracketed && name.find(':') != std::string::npos))
        return;
    long value = std::stol(digits);
    if (value < 1 || value > 65535)
        return;
    port = static_cast<unsigned short>(value);
    host = bracketed ? name.substr(1, name.size() - 2) : name;
}

std::string FillPlaceholders(const std::string& text, const std::vector<std::string>& arguments)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's') {
            if (next < arguments.size())
                out += arguments[next];
            ++next;
            ++i;
        } else if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ChangeMailSubject(const ChangeNotice& notice) { return "[" + notice.name + "]"; }

std::string ChangeMailBody(const ChangeNotice& notice, const MailSettings& settings, const ChangeMailTexts& texts)
{
    if (settings.brief)
        return FillPlaceholders(texts.brief, {notice.link});
    std::string body;
    if (!settings.message.empty())
        body = settings.message + "\n";
    return body + FillPlaceholders(texts.detailed, {notice.name, notice.link, notice.displayDate, notice.changeTime});
}

bool SendChangeMail(SmtpClient& client, const ChangeNotice& notice, const MailSettings& settings,
                    const ChangeMailTexts& texts, const std::function<void()>& beep)
{
    std::string host;
    unsigned short port = 0;
    SplitServerSetting(settings.server, host, port);
    if (!client.Connect(host, port)) {
        // Nobody there is no news for the user; a server that turned us away is.
        if (client.ServerReached() && beep)
            beep();
        return false;
    }
    client.SetSenderName(texts.senderName.c_str());
    client.SetSenderAddress(Trim(settings.sender).c_str());
    client.SetSubject(ChangeMailSubject(notice).c_str());
    for (const std::string& address : SplitRecipients(settings.to))
        client.AddRecipient(address, "");
    for (const std::string& address : SplitRecipients(settings.cc))
        client.AddCcRecipient(address, "");
    client.SetMessage(ChangeMailBody(notice, settings, texts).c_str());
    bool sent = client.IsConnected() && client.SendMail();
    if (!sent && beep)
        beep();
    if (client.IsConnected())
        client.Disconnect();
    return sent;
}
