#include "launcher/LauncherCommands.h"

#include "launcher/MenuText.h"

LauncherCommand ClassifyLauncherCommand(int id)
{
    if (id >= kEngineSearchCommandBase && id <= kEngineSearchCommandLast)
        return {LauncherCommandKind::EngineSearch, id - kEngineSearchCommandBase};
    if (id >= kEngineHomeCommandBase && id <= kEngineHomeCommandLast)
        return {LauncherCommandKind::EngineHome, id - kEngineHomeCommandBase};
    if (id >= kLauncherTypedCommandBase && id <= kLauncherTypedCommandLast)
        return {LauncherCommandKind::TypedAddress, id - kLauncherTypedCommandBase};
    if (id >= kLauncherFavoriteCommandBase && id <= kLauncherFavoriteCommandLast)
        return {LauncherCommandKind::Favorite, id - kLauncherFavoriteCommandBase};
    return {};
}

namespace {
template <class MakeText>
std::vector<EngineMenuItem> InUseEngines(const LinkList& engines, int base, MakeText makeText)
{
    std::vector<EngineMenuItem> items;
    for (std::size_t i = 0; i < engines.size(); ++i) {
        const LinkEntry& engine = *engines[i];
        if (engine.enabled)
            items.push_back({base + static_cast<int>(i), makeText(engine)});
    }
    return items;
}
} // namespace

std::vector<EngineMenuItem> EngineSearchItems(const LinkList& engines)
{
    return InUseEngines(engines, kEngineSearchCommandBase,
                        [](const LinkEntry& e) { return MenuTextOf(e.name); });
}

std::vector<EngineMenuItem> EngineHomeItems(const LinkList& engines)
{
    return InUseEngines(engines, kEngineHomeCommandBase,
                        [](const LinkEntry& e) { return MenuTextOf(e.name) + "\t" + MenuTextOf(e.urlBase); });
}
