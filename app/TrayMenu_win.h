#pragma once
// The tray menu: menu 109's first popup with its engine, typed-address and favorites
// submenus filled, the default item marked and the WebAlert switch checked.
#include <windows.h>

#include "app/WinHandles_win.h"

struct TrayMenu {
    UniqueMenu resource;          // the whole menu resource; destroying it frees every popup
    HMENU popup = nullptr;        // what is shown: the whole popup or one submenu
    UniqueBitmap checkOn;         // the marks of "Disable WebAlert", freed with the menu
    UniqueBitmap checkOff;
};

// Positions of the submenus in the tray popup.
constexpr int kTypedAddressSubmenu = 9;
constexpr int kEngineSubmenu = 10;
constexpr int kFavoritesSubmenu = 11;

// selector: kMenuEngines, kMenuTypedAddresses, kMenuFavorites, anything else the whole popup.
// popup is null when the menu resource is missing.
TrayMenu BuildTrayMenu(WPARAM selector);
// Builds the menu and tracks it at the cursor; the main window receives the command.
void ShowTrayMenu(HWND main, WPARAM selector);
// The command that a plain click runs, marked bold in the menu (0 for none).
unsigned DefaultCommandFor(int clickCommand);
// Grays, marks and checks the items that depend on the options (WM_INITMENUPOPUP).
void UpdateTrayMenuItems(HMENU popup);
