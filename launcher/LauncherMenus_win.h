#pragma once
// The launcher's pop-up menus: Go With, Go To and Go To URL are the second pop-up of menu 109
// ("&Close list" and a separator) extended with engines, typed addresses and favorites.
#include <windows.h>

#include "app/WinHandles_win.h"
#include "launcher/FavoritesMenu.h"

class LauncherWindow;

enum class LauncherPopup { GoWith, GoTo, GoToUrl };

// The loaded menu 109 (the caller destroys it) and its extended pop-up; both null when the
// menu cannot be loaded. For Go To URL the favorites' addresses are put into favorites.
struct LauncherMenu {
    UniqueMenu menu;
    HMENU popup = nullptr;
};
LauncherMenu BuildLauncherPopup(LauncherPopup kind, FavoritesMenu* favorites);

// Appends "Search Engine" with every engine in use (commands 2024 + index) to popup.
void AppendEngineSearchSubmenu(HMENU popup);

// Tracks popup at the screen point for owner and returns the chosen command, 0 when none.
// The owner is posted a null message afterwards so that the menu closes properly.
UINT TrackLauncherMenu(HWND owner, HMENU popup, POINT at, UINT buttonFlag);

// Shows the pop-up at the cursor and carries out the command chosen.
void ShowLauncherPopup(LauncherWindow& launcher, LauncherPopup kind);
