#include "app/TrayMenu_win.h"

#include <string>

#include "app/AppContext_win.h"
#include "app/MainWindow_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/Visuals_win.h"
#include "resources/ResourceIds.h"

namespace {

void AppendEngines(HMENU submenu)
{
    const LinkList& engines = Options().engines;
    for (std::size_t i = 0; i < engines.size(); ++i) {
        const LinkEntry& engine = *engines[i];
        if (engine.enabled == 0)
            continue;
        std::string text = engine.name + "\t" + engine.urlBase;
        AppendMenuA(submenu, MF_STRING, kEngineCommandBase + i, text.c_str());
    }
}

} // namespace

unsigned DefaultCommandFor(int clickCommand)
{
    switch (clickCommand) {
    case 1: return IDM_OPEN;
    case 5: return IDM_TRANSLATE;
    case 11: return IDM_STARTMINIBROWSER;
    case 12: return IDM_CHECK_LINKS;
    case 13: return IDM_OPEN_WEBALERT;
    default: return 0;
    }
}

void UpdateTrayMenuItems(HMENU popup)
{
    const OptionRecord& o = Options();
    EnableMenuItem(popup, IDM_TRANSLATE, MF_BYCOMMAND | (o.TranslateURL.empty() ? MF_GRAYED : MF_ENABLED));
    SetDefaultMenuItem(popup, DefaultCommandFor(o.CmdClic), false);
}

TrayMenu BuildTrayMenu(WPARAM selector)
{
    TrayMenu menu;
    menu.resource.Reset(LoadMenuInLanguage(IDR_TRAY_MENU));
    if (!menu.resource)
        return menu;
    HMENU popup = GetSubMenu(menu.resource.Get(), 0);
    if (!popup)
        return menu;

    HMENU engines = GetSubMenu(popup, kEngineSubmenu);
    HMENU typed = GetSubMenu(popup, kTypedAddressSubmenu);
    HMENU favorites = GetSubMenu(popup, kFavoritesSubmenu);
    if (engines)
        AppendEngines(engines);
    if (typed)
        AppendTypedAddressMenu(typed);
    if (favorites)
        AppendFavoritesMenu(favorites);

    menu.checkOn.Reset(static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_CHECK_ON), IMAGE_BITMAP, 0, 0, 0)));
    menu.checkOff.Reset(static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_CHECK_OFF), IMAGE_BITMAP, 0, 0, 0)));
    SetMenuItemBitmaps(popup, IDM_DISABLE_WEBALERT, MF_BYCOMMAND, menu.checkOff.Get(), menu.checkOn.Get());
    CheckMenuItem(popup, IDM_DISABLE_WEBALERT, MF_BYCOMMAND | (Flags().WebAlertDisabled ? MF_CHECKED : MF_UNCHECKED));
    UpdateTrayMenuItems(popup);

    switch (selector) {
    case kMenuEngines: menu.popup = engines; break;
    case kMenuTypedAddresses: menu.popup = typed; break;
    case kMenuFavorites: menu.popup = favorites; break;
    default: menu.popup = popup; break;
    }
    return menu;
}

void ShowTrayMenu(HWND main, WPARAM selector)
{
    TrayMenu menu = BuildTrayMenu(selector);
    if (!menu.popup)
        return;
    POINT at = {};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(main);
    TrackPopupMenu(menu.popup, TPM_LEFTBUTTON, at.x, at.y, 0, main, nullptr);
    PostMessageA(main, WM_NULL, 0, 0);
}
