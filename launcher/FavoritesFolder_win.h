#pragma once
// Where the user's favorites are.
#include <string>

// "Favorites" of the "Shell Folders" key (the launcher's list and the shell dialogs); empty
// when it is not set.
std::string FavoritesFolderForList();

// "Favorites" of the "User Shell Folders" key with environment variables expanded (the
// favorites menus); false when the key cannot be opened, folder empty when the value is missing.
bool FavoritesFolderForMenu(std::string& folder);
