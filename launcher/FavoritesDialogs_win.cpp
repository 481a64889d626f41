#include "launcher/FavoritesDialogs_win.h"

#include <shlobj.h>

#include <string>

#include "app/TextUtil.h"
#include "app/WinHandles_win.h"
#include "launcher/FavoriteFileName.h"
#include "launcher/FavoritesFolder_win.h"
#include "launcher/FolderReader.h"

namespace {
using OrganizeFavoritesFn = BOOL(WINAPI*)(HWND, LPSTR);
using AddToFavoritesFn = BOOL(WINAPI*)(HWND, LPSTR, UINT, LPSTR, UINT, LPITEMIDLIST);

// The dialogs take folder and file in 260 characters.
constexpr std::size_t kDialogPathChars = 260;

template <class Fn>
Fn ShellEntry(const UniqueLibrary& library, const char* name)
{
    if (!library)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library.Get(), name)));
}

struct ItemIdList {
    LPITEMIDLIST pidl = nullptr;
    ~ItemIdList()
    {
        if (pidl)
            ILFree(pidl);   // the shell's allocator; keeps COM out of the program's imports
    }
};

// The dialog leaves the chosen file in its file buffer; a bare name lies in the folder buffer's
// folder, and a shortcut needs its extension to be one.
std::string ShortcutPath(const std::string& folder, const std::string& file)
{
    std::string path = file.find('\\') == std::string::npos ? JoinPath(folder, file) : file;
    if (!EndsWith(ToLowerAnsi(path), ".url"))
        path += ".url";
    return path;
}
} // namespace

int OrganizeFavorites(HWND owner)
{
    std::string folder = FavoritesFolderForList();
    UniqueLibrary library(LoadLibraryA("SHDOCVW.DLL"));
    auto organize = ShellEntry<OrganizeFavoritesFn>(library, "DoOrganizeFavDlg");
    if (!organize || folder.empty())
        return -1;
    std::string buffer = Cut(folder, kDialogPathChars - 1);
    buffer.resize(kDialogPathChars, '\0');
    return organize(owner, &buffer[0]);
}

int AddFavorite(HWND owner, const char* title, const char* address)
{
    UniqueLibrary library(LoadLibraryA("SHDOCVW.DLL"));
    auto addToFavorites = ShellEntry<AddToFavoritesFn>(library, "DoAddToFavDlg");
    std::string folder = FavoritesFolderForList();
    if (!addToFavorites || folder.empty())
        return 0;
    ItemIdList special;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_FAVORITES, &special.pidl)) || !special.pidl)
        return 0;

    std::string folderBuffer = Cut(folder, kDialogPathChars - 1);
    folderBuffer.resize(kDialogPathChars, '\0');
    std::string fileBuffer = SafeFavoriteFileName(title ? title : "");
    fileBuffer.resize(kDialogPathChars, '\0');
    if (!addToFavorites(owner, &folderBuffer[0], kDialogPathChars, &fileBuffer[0], kDialogPathChars, special.pidl))
        return 0;

    folderBuffer.resize(strnlen(folderBuffer.c_str(), kDialogPathChars));
    fileBuffer.resize(strnlen(fileBuffer.c_str(), kDialogPathChars));
    if (fileBuffer.empty())
        return 0;
    std::string path = ShortcutPath(folderBuffer, fileBuffer);
    return WritePrivateProfileStringA("InternetShortcut", "URL", address ? address : "", path.c_str()) ? 1 : 0;
}
