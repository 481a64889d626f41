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

namespace {

// Hands the menu's set-up messages to the main window, which keeps the menu's state.
LRESULT CALLBACK MenuKeyboardOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_INITMENUPOPUP || message == WM_MENUSELECT) {
        if (HWND main = GetWindow(window, GW_OWNER))
            return SendMessageA(main, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A one-pixel window under the menu's corner. A menu takes the keyboard only while its owner
// is in the foreground, and the hidden main window cannot truly be: under Wine's X11 driver
// only a shown window gets the keyboard from the X server, so a hidden owner left arrows,
// letters and Escape with the taskbar. Owned by the main window, it has no taskbar button.
HWND CreateMenuKeyboardOwner(HWND main, POINT at)
{
    static const char kClass[] = "QvTrayMenuOwner";
    static const ATOM registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = MenuKeyboardOwnerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        return RegisterClassA(&wc);
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClass, "", WS_POPUP | WS_VISIBLE, at.x, at.y, 1, 1,
                           main, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

void ShowTrayMenu(HWND main, WPARAM selector)
{
    TrayMenu menu = BuildTrayMenu(selector);
    if (!menu.popup)
        return;
    POINT at = {};
    GetCursorPos(&at);
    HWND owner = CreateMenuKeyboardOwner(main, at);
    if (!owner)
        owner = main;
    // Without the foreground the menu would not close when the user clicks elsewhere, nor
    // hear the keyboard.
    SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu.popup, TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
    // The message after the menu lets the system finish the menu's closing first.
    PostMessageA(main, WM_NULL, 0, 0);
    if (owner != main)
        DestroyWindow(owner);
    if (command != 0)
        PostMessageA(main, WM_COMMAND, command, 0);
}
