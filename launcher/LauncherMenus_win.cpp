#include "launcher/LauncherMenus_win.h"

#include "app/OptionRecord.h"
#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "launcher/FavoritesFolder_win.h"
#include "launcher/FavoritesMenu_win.h"
#include "launcher/LauncherCommands.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LauncherWindow_win.h"
#include "launcher/MenuText.h"
#include "launcher/TypedAddressList.h"
#include "launcher/Win32FolderReader_win.h"
#include "resources/ResourceIds.h"

namespace {

// The pop-up of menu 109 that starts with "&Close list".
constexpr int kLauncherPopupPosition = 1;

void AppendEngines(HMENU popup, const std::vector<EngineMenuItem>& items)
{
    for (const EngineMenuItem& item : items)
        AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.commandId), item.text.c_str());
}

void AppendTypedAddresses(HMENU popup)
{
    for (const TypedAddressMenuItem& item : TypedAddressMenuLayout(TypedAddresses())) {
        UINT flags = MF_STRING | (item.columnBreak ? MF_MENUBARBREAK : 0);
        AppendMenuA(popup, flags, static_cast<UINT_PTR>(item.commandId), item.text.c_str());
    }
}

void AppendFavorites(HMENU popup, FavoritesMenu* favorites)
{
    // The favorites stand in a column of their own, under their label.
    AppendMenuA(popup, MF_STRING | MF_GRAYED | MF_MENUBARBREAK, IDM_FAVORITES_HEADER,
                MenuTextOf(LoadText(IDS_TREE_FAVORITES)).c_str());
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    std::string folder;
    if (!FavoritesFolderForMenu(folder))
        return;
    // Numbered from 3584 whatever stands before them: the typed addresses must not use up the
    // favorites' ids.
    Win32FolderReader reader;
    FavoritesMenu model = BuildFavoritesMenu(reader, folder, 0, kFavoriteLastTrayCommand);
    AppendFavoritesItems(popup, model.items);
    if (favorites)
        *favorites = std::move(model);
}

} // namespace

LauncherMenu BuildLauncherPopup(LauncherPopup kind, FavoritesMenu* favorites)
{
    LauncherMenu result;
    result.menu.Reset(LoadMenuInLanguage(IDR_TRAY_MENU));
    if (!result.menu)
        return result;
    result.popup = GetSubMenu(result.menu.Get(), kLauncherPopupPosition);
    if (!result.popup)
        return result;
    const LinkList& engines = Options().engines;
    switch (kind) {
    case LauncherPopup::GoWith:
        AppendEngines(result.popup, EngineSearchItems(engines));
        break;
    case LauncherPopup::GoTo:
        AppendEngines(result.popup, EngineHomeItems(engines));
        break;
    case LauncherPopup::GoToUrl:
        AppendTypedAddresses(result.popup);
        AppendFavorites(result.popup, favorites);
        break;
    }
    return result;
}

void AppendEngineSearchSubmenu(HMENU popup)
{
    HMENU engines = CreatePopupMenu();
    if (!engines)
        return;
    AppendEngines(engines, EngineSearchItems(Options().engines));
    if (!AppendMenuA(popup, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(engines),
                     MenuTextOf(LoadText(IDS_TREE_ENGINES)).c_str()))
        DestroyMenu(engines);
}

UINT TrackLauncherMenu(HWND owner, HMENU popup, POINT at, UINT buttonFlag)
{
    if (!popup)
        return 0;
    SetForegroundWindow(owner);
    UINT command = static_cast<UINT>(
        TrackPopupMenu(popup, buttonFlag | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return command;
}

void ShowLauncherPopup(LauncherWindow& launcher, LauncherPopup kind)
{
    FavoritesMenu favorites;
    LauncherMenu menu = BuildLauncherPopup(kind, &favorites);
    if (!menu.popup)
        return;
    if (kind == LauncherPopup::GoToUrl)
        launcher.urlMenuFavorites = std::move(favorites);
    POINT cursor = {};
    GetCursorPos(&cursor);
    const HWND dialog = launcher.Window();
    UINT command = TrackLauncherMenu(dialog, menu.popup, cursor, TPM_LEFTBUTTON);
    // The command runs as any other that reaches the dialog, once the menu is gone.
    if (command)
        PostMessageA(dialog, WM_COMMAND, command, 0);
}
