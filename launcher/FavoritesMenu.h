#pragma once
// The favorites menu of the tray and of the mini browser, as a model the Win32 side turns into
// menus: at each level the subfolders that hold links (as popups) and then the level's
// ".url" links, each group in case-insensitive name order.
#include <string>
#include <vector>

class FolderReader;

constexpr int kFavoriteFirstCommand = 3584;
// The tray and the launcher act on favorites up to 4023 (typed addresses follow); the mini
// browser's own menu up to 4095.
constexpr int kFavoriteLastTrayCommand = 4023;
constexpr int kFavoriteLastMiniBrowserCommand = 4095;
// Shortcut addresses are read into 2048 characters.
constexpr std::size_t kFavoriteUrlChars = 2047;

struct FavoritesMenuItem {
    bool isPopup = false;
    std::string text;      // menu text: file name without ".url" or folder name, "&" doubled
    int commandId = 0;     // links: 3584 + number
    std::vector<FavoritesMenuItem> children;   // popups
};

struct FavoritesMenu {
    std::vector<FavoritesMenuItem> items;   // appended after what the menu already holds
    // Index = command id - 3584; numbers below the first one stay empty.
    std::vector<std::string> urls;
    int firstNumber = 0;   // the number of the first link (the menu's earlier item count)

    // The address of a favorites command, or null when the id is not one of this menu's.
    const std::string* UrlByCommandId(int commandId) const;
    std::size_t LinkCount() const;
};

// Builds the menu of folder (the "User Shell Folders" value, variables expanded). Numbering
// starts at existingItemCount (the tray's submenu holds a header and a separator, so its first
// favorite is 3586). Links whose id would pass lastCommandId are left out, since no command
// could open them, and the walk ends once the ids are used up. An empty folder gives an empty
// menu.
FavoritesMenu BuildFavoritesMenu(const FolderReader& reader, const std::string& folder, int existingItemCount,
                                 int lastCommandId = kFavoriteLastTrayCommand);
