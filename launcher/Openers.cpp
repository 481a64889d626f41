#include "launcher/Openers.h"

#include "app/OptionRecord.h"
#include "app/Profile.h"
#include "app/TextUtil.h"
#include "launcher/LinkEntry.h"

namespace {
// The first in-use engine named like the Favorite option, or none.
const LinkEntry* FavoriteEngine(const OptionRecord& options)
{
    if (options.Favorite.empty())
        return nullptr;
    for (const auto& engine : options.engines)
        if (engine->enabled && EqualsNoCase(engine->name, options.Favorite))
            return engine.get();
    return nullptr;
}
} // namespace

std::string InternetShortcutAddress(std::string_view path, const Profile& shortcutFile)
{
    std::string def = Cut(path, kShortcutAddressChars);
    std::string address = shortcutFile.ReadString("InternetShortcut", "URL", def.c_str(), kShortcutAddressChars);
    if (address.empty())
        address = shortcutFile.ReadString("DEFAULT", "URLBASE", def.c_str(), kShortcutAddressChars);
    return address;
}

LaunchDecision OpenInternetShortcut(std::string_view path, const Profile& shortcutFile,
                                    const LaunchContext& context)
{
    return RouteAddress(InternetShortcutAddress(path, shortcutFile), context.options.UseMiniBrowserFavorites,
                        context);
}

LaunchDecision OpenFavoriteMenuUrl(std::string_view url, const LaunchContext& context)
{
    return RouteAddress(url.substr(0, kShortcutAddressChars), context.options.UseMiniBrowserFavorites, context);
}

std::vector<LaunchDecision> OpenFavoriteEngineHome(const LaunchContext& context)
{
    const OptionRecord& options = context.options;
    std::vector<LaunchDecision> launches;
    if (options.Favorite.empty())
        return launches;
    for (const auto& engine : options.engines)
        if (engine->enabled && EqualsNoCase(engine->name, options.Favorite))
            launches.push_back(RouteAddress(engine->urlBase, options.UseMiniBrowserEngine, context));
    return launches;
}

LaunchDecision OpenMiniBrowserHome(const LaunchContext& context, bool miniBrowserExists)
{
    const OptionRecord& options = context.options;
    if (!options.UseMiniBrowserUrl && miniBrowserExists)
        return LaunchDecision::MiniBrowserToFront();
    std::string address = options.UrlMiniBrowserUrl;
    if (address.empty())
        if (const LinkEntry* engine = FavoriteEngine(options))
            address = engine->urlBase;
    return LaunchDecision::MiniBrowser(address, 0);
}

bool IsBrowserWindowToClose(bool hasInstance, bool visible, std::string_view className)
{
    return hasInstance && visible && EqualsNoCase(className.substr(0, 255), "IEFrame");
}
