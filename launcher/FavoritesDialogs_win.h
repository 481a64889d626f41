#pragma once
// The shell's own dialogs for the favorites folder, when the system offers them.
#include <windows.h>

// The organise-favorites dialog on the Favorites folder: its result, or -1 when the dialog is
// unavailable or the folder is not set.
int OrganizeFavorites(HWND owner);

// The add-to-favorites dialog, proposing the page title made safe as a file name; when the
// user confirms, the shortcut to address is written. 1 when a shortcut was written, else 0.
int AddFavorite(HWND owner, const char* title, const char* address);
