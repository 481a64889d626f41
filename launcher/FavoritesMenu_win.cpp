#include "launcher/FavoritesMenu_win.h"

#include "launcher/FavoritesFolder_win.h"
#include "launcher/Win32FolderReader_win.h"

void AppendFavoritesItems(HMENU menu, const std::vector<FavoritesMenuItem>& items)
{
    for (const FavoritesMenuItem& item : items) {
        if (!item.isPopup) {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.commandId), item.text.c_str());
            continue;
        }
        HMENU popup = CreatePopupMenu();
        if (!popup)
            continue;
        AppendFavoritesItems(popup, item.children);
        if (!AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), item.text.c_str()))
            DestroyMenu(popup);
    }
}

FavoritesMenu AppendFavoritesFolderMenu(HMENU menu, int lastCommandId)
{
    std::string folder;
    if (!FavoritesFolderForMenu(folder))
        return FavoritesMenu();
    int existing = GetMenuItemCount(menu);
    Win32FolderReader reader;
    FavoritesMenu model = BuildFavoritesMenu(reader, folder, existing < 0 ? 0 : existing, lastCommandId);
    AppendFavoritesItems(menu, model.items);
    return model;
}
