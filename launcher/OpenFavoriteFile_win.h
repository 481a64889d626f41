#pragma once
// Opening a favorite by its file, as the launcher's tree and its favorites menu do.
#include <string>

// The address of the Internet shortcut at path (or the path itself when the file is no
// shortcut), opened with UseMiniBrowserFavorites.
void OpenFavoriteFile(const std::string& path);
