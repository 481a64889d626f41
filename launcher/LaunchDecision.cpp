#include "launcher/LaunchDecision.h"

#include "app/OptionRecord.h"
#include "app/TextUtil.h"

namespace {
constexpr std::size_t kBrowserProgramChars = 255;
}

LaunchDecision LaunchDecision::Launch(std::string verb, std::string file, std::string parameters, int showCommand)
{
    LaunchDecision d;
    d.kind = Kind::TrackedLaunch;
    d.verb = std::move(verb);
    d.file = std::move(file);
    d.parameters = std::move(parameters);
    d.showCommand = showCommand;
    return d;
}

LaunchDecision LaunchDecision::MiniBrowser(std::string address, int cacheFlag)
{
    LaunchDecision d;
    d.kind = Kind::OpenInMiniBrowser;
    d.address = std::move(address);
    d.cacheFlag = cacheFlag;
    return d;
}

LaunchDecision LaunchDecision::MiniBrowserToFront()
{
    LaunchDecision d;
    d.kind = Kind::BringMiniBrowserToFront;
    return d;
}

LaunchDecision LaunchDecision::Refusal()
{
    LaunchDecision d;
    d.kind = Kind::Refused;
    return d;
}

bool LaunchDecision::operator==(const LaunchDecision& other) const
{
    if (kind != other.kind)
        return false;
    switch (kind) {
    case Kind::TrackedLaunch:
        return verb == other.verb && file == other.file && parameters == other.parameters &&
               showCommand == other.showCommand;
    case Kind::OpenInMiniBrowser:
        return address == other.address && cacheFlag == other.cacheFlag;
    case Kind::BringMiniBrowserToFront:
    case Kind::Refused:
        return true;
    }
    return false;
}

std::ostream& operator<<(std::ostream& out, const LaunchDecision& d)
{
    switch (d.kind) {
    case LaunchDecision::Kind::TrackedLaunch:
        return out << "launch(" << d.verb << ", \"" << d.file << "\", \"" << d.parameters << "\", "
                   << d.showCommand << ")";
    case LaunchDecision::Kind::OpenInMiniBrowser:
        return out << "minibrowser(\"" << d.address << "\", " << d.cacheFlag << ")";
    case LaunchDecision::Kind::BringMiniBrowserToFront:
        return out << "minibrowser-to-front";
    case LaunchDecision::Kind::Refused:
        return out << "refused";
    }
    return out;
}

std::string BrowserProgramOrDefault(std::string_view found)
{
    if (found.empty())
        return "iexplore.exe";
    return Cut(found, kBrowserProgramChars);
}

int BrowserShowMode(int startBrowserMode)
{
    switch (startBrowserMode) {
    case 1016:
        return kShowMaximized;
    case 1017:
        return kShowMinimized;
    default:
        return kShowNormal;
    }
}

std::string QuoteCommandLineArgument(std::string_view address)
{
    if (address.empty())
        return std::string();
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char c : address) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: there each stands for half of a pair.
        out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    // ... and before the closing quote.
    out.append(backslashes * 2, '\\');
    out += '"';
    return out;
}

bool HoldsControlCharacters(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

LaunchDecision LaunchBrowserWith(std::string_view browserProgram, std::string_view address, int showCommand)
{
    if (HoldsControlCharacters(address))
        return LaunchDecision::Refusal();
    return LaunchDecision::Launch("open", std::string(browserProgram), QuoteCommandLineArgument(address),
                                  showCommand);
}

LaunchDecision RouteToBrowser(std::string_view address, const LaunchContext& context)
{
    int show = BrowserShowMode(context.options.StartBrowserMode);
    if (!context.options.UseCurrentBrowser)
        return LaunchBrowserWith(context.browserProgram, address, show);
    if (HoldsControlCharacters(address))
        return LaunchDecision::Refusal();
    // The shell copies the address into the registered browser's command line as it stands,
    // between the quotes around its "%1": a quote of the address would end that argument early.
    // In an address a quote means %22 anyway (no file name holds one).
    std::string file;
    for (char c : address)
        file += c == '"' ? std::string("%22") : std::string(1, c);
    return LaunchDecision::Launch("open", file, "", show);
}

LaunchDecision RouteAddress(std::string_view address, int miniBrowserFlag, const LaunchContext& context)
{
    if (miniBrowserFlag)
        return LaunchDecision::MiniBrowser(std::string(address), 0);
    return RouteToBrowser(address, context);
}

void Perform(const LaunchDecision& d, LaunchExecutor& executor)
{
    switch (d.kind) {
    case LaunchDecision::Kind::TrackedLaunch:
        executor.TrackedLaunch(d.verb, d.file, d.parameters, d.showCommand);
        break;
    case LaunchDecision::Kind::OpenInMiniBrowser:
        executor.ShowMiniBrowser(d.address, d.cacheFlag);
        break;
    case LaunchDecision::Kind::BringMiniBrowserToFront:
        executor.BringMiniBrowserToFront();
        break;
    case LaunchDecision::Kind::Refused:
        break;
    }
}

void Perform(const std::vector<LaunchDecision>& decisions, LaunchExecutor& executor)
{
    for (const LaunchDecision& d : decisions)
        Perform(d, executor);
}
