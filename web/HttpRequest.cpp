#include "web/HttpRequest.h"

#include "app/TextUtil.h"
#include "web/HttpAddress.h"
#include "web/NoCaseSearch.h"
#include "web/WinInetValues.h"

const char* const kDefaultAgentName = "Quorvane1.00";
const char* const kFormContentTypeHeader = "Content-Type: application/x-www-form-urlencoded";

namespace {

std::string AgentOrDefault(std::string_view agentName)
{
    return agentName.empty() ? std::string(kDefaultAgentName) : std::string(agentName);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

bool BuildDirectRequest(std::string_view address, std::string_view body,
                        std::string_view agentName, HttpRequest& request,
                        std::uint32_t& error)
{
    request = HttpRequest();
    error = 0;
    if (address.empty()) {
        error = inet::kErrorNoAddress;
        return false;
    }
    request.address = std::string(address);
    request.agentName = AgentOrDefault(agentName);
    request.accessType = inet::kOpenTypeDirect;
    request.post = !body.empty();

    HttpAddress parts;
    bool split = SplitAddress(address, parts);
    if (split) {
        request.host = parts.host;
        request.port = parts.port;
        request.path = parts.path;
        request.secure = parts.IsHttps();
    }

    // Only web pages are fetched: a "file:" or "ftp:" address would read whatever the
    // platform reaches by that road.
    if (!split) {
        error = inet::kErrorInvalidUrl;
        return false;
    }
    if (!parts.IsHttp()) {
        error = inet::kErrorUnrecognizedScheme;
        return false;
    }

    if (!request.post) {
        request.verb = "GET";
        request.requestFlags = inet::kFlagReload | inet::kFlagNoCacheWrite;
        return true;
    }

    request.verb = "POST";
    request.connectFlags = inet::kFlagNoCacheWrite;
    request.requestFlags = inet::kFlagNoCacheWrite;
    // Certificate errors (another host's name, an expired certificate) fail the fetch like any
    // other error: ignoring them would let anyone read and change a text sent over https.
    if (request.secure)
        request.requestFlags |= inet::kFlagSecure;
    request.headers = kFormContentTypeHeader;
    request.body = std::string(body);
    return true;
}

HttpRequest BuildSessionRequest(std::string_view address, bool reload,
                                std::string_view agentName)
{
    HttpRequest request;
    request.address = std::string(address);
    request.verb = "GET";
    request.agentName = AgentOrDefault(agentName);
    request.accessType = inet::kOpenTypePreconfig;
    request.requestFlags = inet::kFlagTransferBinary | (reload ? inet::kFlagReload : 0u);
    HttpAddress parts;
    if (SplitAddress(address, parts)) {
        request.host = parts.host;
        request.port = parts.port;
        request.path = parts.path;
        request.secure = parts.IsHttps();
    }
    return request;
}

int StatusCode(std::string_view rawHeaders)
{
    static const NoCaseFinder kHttp("http");
    std::size_t at = 0;
    while (at < rawHeaders.size()) {
        std::size_t end = rawHeaders.find('\0', at);
        if (end == std::string_view::npos)
            end = rawHeaders.size();
        if (end == at)
            return 0;   // the empty entry ends the list
        std::string_view entry = rawHeaders.substr(at, end - at);
        if (kHttp.FindIn(entry, 0) != NoCaseFinder::npos) {
            for (std::size_t i = 0; i + 3 <= entry.size(); ++i)
                if (IsDigit(entry[i]) && IsDigit(entry[i + 1]) && IsDigit(entry[i + 2]))
                    return (entry[i] - '0') * 100 + (entry[i + 1] - '0') * 10 +
                           (entry[i + 2] - '0');
            return 0;
        }
        at = end + 1;
    }
    return 0;
}
