#pragma once
// What the launcher tree's items do: a click opens, a right click shows the group's menu,
// Delete asks before it removes.
#include <windows.h>
#include <commctrl.h>

#include "app/WinHandles_win.h"

class LauncherWindow;

// WM_NOTIFY of the tree; true with result set when handled.
bool TreeNotify(LauncherWindow& launcher, const NMHDR& header, LRESULT& result);

// The context menu for an item of group (menu 140's first pop-up with the group's items); the
// caller destroys menu. Null popup when the menu cannot be loaded.
struct TreeMenu {
    UniqueMenu menu;
    HMENU popup = nullptr;
};
TreeMenu BuildTreeMenu(int group);

// Commands on the selected item.
void OpenSelectedItem(LauncherWindow& launcher);
void DeleteSelectedItem(LauncherWindow& launcher);
void AddSelectedToFavorites(LauncherWindow& launcher);
void OrganizeFavoritesFromTree(LauncherWindow& launcher);
void ToggleSelectedReadMark(LauncherWindow& launcher);
