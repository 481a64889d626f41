#pragma once
// Favorites menus made from the favorites folder: the tray's submenu, later the mini
// browser's menu and the launcher's pop-up.
#include <windows.h>

#include "launcher/FavoritesMenu.h"

// Appends the favorites of the "User Shell Folders" folder behind what menu holds, numbered
// from its item count, and returns the model with the address of every command. Nothing is
// appended when the folder is unknown.
FavoritesMenu AppendFavoritesFolderMenu(HMENU menu, int lastCommandId);

// Appends the items of a model, popups as submenus that the menu then owns.
void AppendFavoritesItems(HMENU menu, const std::vector<FavoritesMenuItem>& items);
