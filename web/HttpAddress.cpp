#include "web/HttpAddress.h"

#include "app/TextUtil.h"
#include "web/WinInetValues.h"

namespace {

bool IsSchemeChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '+' || c == '-' || c == '.';
}

bool ParsePort(std::string_view digits, std::uint16_t& port)
{
    if (digits.empty() || digits.size() > 5)
        return false;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535)
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

}  // namespace

bool SplitAddress(std::string_view address, HttpAddress& parts)
{
    parts = HttpAddress();
    std::size_t colon = address.find("://");
    if (colon == 0 || colon == std::string_view::npos)
        return false;
    for (std::size_t i = 0; i < colon; ++i)
        if (!IsSchemeChar(address[i]))
            return false;
    parts.scheme = ToLowerAnsi(address.substr(0, colon));

    std::string_view rest = address.substr(colon + 3);
    std::size_t authorityEnd = rest.find_first_of("/?#");
    std::string_view authority = rest.substr(0, authorityEnd);
    std::string_view tail = authorityEnd == std::string_view::npos ? std::string_view()
                                                                   : rest.substr(authorityEnd);
    std::size_t at = authority.rfind('@');
    if (at != std::string_view::npos)
        authority.remove_prefix(at + 1);

    std::string_view host = authority;
    std::string_view port;
    bool hasPort = false;
    if (!authority.empty() && authority[0] == '[') {
        std::size_t close = authority.find(']');
        if (close == std::string_view::npos)
            return false;
        host = authority.substr(1, close - 1);
        std::string_view after = authority.substr(close + 1);
        if (!after.empty()) {
            if (after[0] != ':')
                return false;
            port = after.substr(1);
            hasPort = true;
        }
    } else {
        std::size_t portColon = authority.find(':');
        if (portColon != std::string_view::npos) {
            host = authority.substr(0, portColon);
            port = authority.substr(portColon + 1);
            hasPort = true;
        }
    }
    if (host.empty())
        return false;
    parts.host = std::string(host);

    if (hasPort && !port.empty()) {
        if (!ParsePort(port, parts.port))
            return false;
    } else if (parts.scheme == "http") {
        parts.port = inet::kDefaultHttpPort;
    } else if (parts.scheme == "https") {
        parts.port = inet::kDefaultHttpsPort;
    }

    std::size_t extraAt = tail.find_first_of("?#");
    std::string_view path = tail.substr(0, extraAt);
    parts.path = path.empty() ? std::string("/") : std::string(path);
    if (extraAt != std::string_view::npos)
        parts.extra = std::string(tail.substr(extraAt));
    return true;
}

bool IsFetchableAddress(std::string_view address)
{
    HttpAddress parts;
    return SplitAddress(address, parts) && parts.IsHttp();
}
