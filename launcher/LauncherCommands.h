#pragma once
// The command ids the launcher's pop-up menus carry, and the engine entries of those menus.
#include <string>
#include <vector>

#include "launcher/LinkEntry.h"

// Search with engine i: 2024 + i. Only the first 51 engines can be chosen.
constexpr int kEngineSearchCommandBase = 2024;
constexpr int kEngineSearchCommandLast = 2074;
// Open engine i's home page: 3024 + i, up to 3074.
constexpr int kEngineHomeCommandBase = 3024;
constexpr int kEngineHomeCommandLast = 3074;
// Typed address i: 4024 + i, up to 4424; tested before the favorites, whose range overlaps.
constexpr int kLauncherTypedCommandBase = 4024;
constexpr int kLauncherTypedCommandLast = 4424;
constexpr int kLauncherFavoriteCommandBase = 3584;
constexpr int kLauncherFavoriteCommandLast = 4095;

enum class LauncherCommandKind { Other, EngineSearch, EngineHome, TypedAddress, Favorite };

struct LauncherCommand {
    LauncherCommandKind kind = LauncherCommandKind::Other;
    int index = 0;   // engine index, typed-address index or favorite number
};

LauncherCommand ClassifyLauncherCommand(int id);

// One engine entry of a pop-up menu.
struct EngineMenuItem {
    int commandId = 0;
    std::string text;
};

// Every engine in use, in table order, with 2024 + its index in the whole table and its name
// (Go With, and the search submenu of the tree). Engines past index 50 are listed too; their
// commands do nothing.
std::vector<EngineMenuItem> EngineSearchItems(const LinkList& engines);
// The same with 3024 + index, and the name, a tab and the home address (Go To).
std::vector<EngineMenuItem> EngineHomeItems(const LinkList& engines);
