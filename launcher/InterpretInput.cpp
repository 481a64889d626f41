#include "launcher/InterpretInput.h"

#include "app/OptionRecord.h"
#include "app/TextUtil.h"
#include "launcher/AddressText.h"
#include "launcher/EncodeSearchText.h"
#include "launcher/EnginePattern.h"
#include "launcher/LinkEntry.h"

namespace {
bool IsDrivePath(std::string_view text)
{
    return text.size() >= 3 && text[1] == ':' && text[2] == '\\';
}

bool IsShellCommand(std::string_view text)
{
    return StartsWithNoCase(text, "find:") || StartsWithNoCase(text, "edit:") ||
           StartsWithNoCase(text, "exe:") || IsDrivePath(text);
}

// A single search's result page: the mini browser may take it from its cache.
LaunchDecision OpenSearchResult(std::string_view address, const LaunchContext& context)
{
    if (context.options.UseMiniBrowserSearch)
        return LaunchDecision::MiniBrowser(std::string(address), 1);
    return RouteToBrowser(address, context);
}
} // namespace

InterpretResult InterpretInput(std::string_view fullText, bool allEngines, const LinkEntry* engine,
                               const LaunchContext& context)
{
    const OptionRecord& options = context.options;
    std::string_view text = fullText.substr(0, kInputChars);
    InterpretResult result;

    if (IsAddress(text)) {
        result.routed = 1;
        result.launches.push_back(OpenAddress(text, options.UseMiniBrowserLink, context));
        return result;
    }
    if (IsShellCommand(text)) {
        result.routed = 1;
        result.launches.push_back(RunCommand(text, context));
        return result;
    }

    std::string encoded = EncodeSearchText(text);
    if (engine) {
        result.launches.push_back(OpenSearchResult(FormatEngineAddress(engine->urlString, encoded), context));
        return result;
    }

    int show = BrowserShowMode(options.StartBrowserMode);
    for (const auto& candidate : options.engines) {
        if (!candidate->enabled)
            continue;
        if (!allEngines && !options.Favorite.empty() && !EqualsNoCase(candidate->name, options.Favorite))
            continue;
        std::string address = FormatEngineAddress(candidate->urlString, encoded);
        if (allEngines) {
            // One new browser instance per engine, whatever the other options say.
            result.launches.push_back(LaunchBrowserWith(context.browserProgram, address, show));
            continue;
        }
        result.launches.push_back(OpenSearchResult(address, context));
        break;
    }
    result.noEngine = result.launches.empty();
    return result;
}

InterpretResult SearchText(std::string_view text, const LaunchContext& context)
{
    return InterpretInput(text, false, nullptr, context);
}

std::string ClipboardTextForUse(std::string_view clipboardText)
{
    return Cut(clipboardText, kClipboardChars);
}

InterpretResult SearchClipboardText(std::string_view clipboardText, const LaunchContext& context)
{
    return InterpretInput(ClipboardTextForUse(clipboardText), false, nullptr, context);
}

LaunchDecision RunCommand(std::string_view text, const LaunchContext& context)
{
    int browserShow = BrowserShowMode(context.options.StartBrowserMode);
    std::string whole(text);
    if (text.empty())
        return LaunchBrowserWith(context.browserProgram, "", browserShow);
    if (text.find('/') != std::string_view::npos)
        return RouteToBrowser(text, context);
    if (StartsWithNoCase(text, "find:"))
        return LaunchDecision::Launch("find", whole.substr(5), "", kShowNormal);
    if (StartsWithNoCase(text, "edit:"))
        return LaunchDecision::Launch("edit", whole.substr(5), "", kShowNormal);
    if (StartsWithNoCase(text, "exe:"))
        return LaunchDecision::Launch("open", whole.substr(4), "", kShowNormal);
    if (IsDrivePath(text))
        return LaunchDecision::Launch("explore", whole, "", browserShow);
    return LaunchDecision::Launch("open", whole, "", browserShow);
}

LaunchDecision OpenAddress(std::string_view address, int miniBrowserFlag, const LaunchContext& context)
{
    return RouteAddress(address, miniBrowserFlag, context);
}
