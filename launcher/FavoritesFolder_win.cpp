#include "launcher/FavoritesFolder_win.h"

#include <windows.h>

#include "app/Registry_win.h"
#include "app/TextUtil.h"

namespace {
constexpr char kUserShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
// The menu's folder value is read into 260 characters.
constexpr std::size_t kFolderValueChars = 259;

std::string Expanded(const std::string& text)
{
    DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (size == 0)
        return text;
    std::string out(size, '\0');
    DWORD written = ExpandEnvironmentStringsA(text.c_str(), &out[0], size);
    if (written == 0 || written > size)
        return text;
    out.resize(written - 1);
    return out;
}
} // namespace

std::string FavoritesFolderForList()
{
    std::string folder;
    RegReadString(HKEY_CURRENT_USER, kShellFoldersKey, "Favorites", folder);
    return folder;
}

bool FavoritesFolderForMenu(std::string& folder)
{
    folder.clear();
    if (!RegKeyExists(HKEY_CURRENT_USER, kUserShellFoldersKey))
        return false;
    std::string value;
    if (RegReadString(HKEY_CURRENT_USER, kUserShellFoldersKey, "Favorites", value))
        folder = Expanded(Cut(value, kFolderValueChars));
    return true;
}
