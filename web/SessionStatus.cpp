#include "web/SessionStatus.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "resources/ResourceIds.h"
#include "web/WinInetValues.h"

namespace {

StatusTextChoice Show(int id,
                      StatusTextChoice::Argument argument = StatusTextChoice::Argument::None)
{
    StatusTextChoice choice;
    choice.action = StatusTextChoice::Action::Show;
    choice.stringId = id;
    choice.argument = argument;
    return choice;
}

StatusTextChoice With(StatusTextChoice::Action action)
{
    StatusTextChoice choice;
    choice.action = action;
    return choice;
}

}  // namespace

StatusTextChoice ChooseStatusText(std::uint32_t status, std::uint32_t infoLength)
{
    using A = StatusTextChoice::Argument;
    using Act = StatusTextChoice::Action;
    switch (status) {
    case inet::kStatusResolvingName: return Show(IDS_HTTP_RESOLVING, A::InfoText);
    case inet::kStatusNameResolved: return Show(IDS_HTTP_RESOLVED, A::InfoText);
    case inet::kStatusConnectingToServer: return Show(IDS_HTTP_CONNECTING);
    case inet::kStatusConnectedToServer: return Show(IDS_HTTP_CONNECTED);
    case inet::kStatusSendingRequest: return Show(IDS_HTTP_SENDING);
    case inet::kStatusRequestSent: return Show(IDS_HTTP_SENT);
    case inet::kStatusReceivingResponse: return With(Act::Keep);
    case inet::kStatusResponseReceived: return Show(IDS_HTTP_RESPONSE);
    case inet::kStatusClosingConnection: return Show(IDS_HTTP_CLOSING);
    case inet::kStatusConnectionClosed: return Show(IDS_HTTP_CLOSED);
    case inet::kStatusHandleCreated: return With(Act::Clear);
    case inet::kStatusHandleClosing: return With(Act::Keep);
    case inet::kStatusRequestComplete:
        // The asynchronous result is two 32-bit fields; any other size has nothing to show.
        return infoLength == 8 ? Show(IDS_HTTP_COMPLETE_RESULT, A::CompletionFields)
                               : Show(IDS_HTTP_COMPLETE);
    default: return Show(IDS_HTTP_UNKNOWN, A::StatusValue);
    }
}

std::string StatusInfoText(const void* info, std::uint32_t infoLength)
{
    if (!info)
        return std::string();
    const char* text = static_cast<const char*>(info);
    const void* nul = std::memchr(text, '\0', infoLength);
    std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text)
                             : infoLength;
    return std::string(text, length);
}

ReadProgress DescribeReadProgress(long long totalBytes, std::uint32_t elapsedMilliseconds)
{
    ReadProgress progress;
    progress.totalBytes = totalBytes > INT_MAX ? INT_MAX : static_cast<int>(totalBytes);
    std::uint32_t seconds = elapsedMilliseconds / 1000;
    if (seconds > 0) {
        progress.withRate = true;
        progress.stringId = IDS_HTTP_READ_RATE;
        progress.kilobytesPerSecond = static_cast<double>(totalBytes) / 1024.0 / seconds;
    } else {
        progress.stringId = IDS_HTTP_READ;
    }
    return progress;
}

std::string FormatStatusText(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::string text = FormatStatusTextV(format, arguments);
    va_end(arguments);
    return text;
}

std::string FormatStatusTextV(const char* format, std::va_list arguments)
{
    char buffer[kStatusTextBufferSize];
    int written = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    if (written < 0)
        return std::string();
    return std::string(buffer);
}
