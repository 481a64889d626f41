#include "minibrowser/ToolbarPlaces.h"

#include "resources/ResourceIds.h"

namespace minibrowser {

const ToolbarPlace kToolbarPlaces[kToolbarPlaceCount] = {
    {ID_MB_DEFAULT_BROWSER, false, 6, IDS_TIP_DEFAULT_BROWSER, -1},
    {ID_MB_BACK, false, 0, IDS_TIP_PREVIOUS_PAGE, -1},
    {ID_MB_FORWARD, false, 1, IDS_TIP_NEXT_PAGE, -1},
    {ID_MB_STOP, false, 2, IDS_TIP_STOP, -1},
    {ID_MB_REFRESH, false, 3, IDS_TIP_REFRESH, -1},
    {ID_MB_HOME, false, 4, IDS_TIP_HOME_PAGE, -1},
    {ID_MB_NEW_WINDOW_MENU, true, 10, IDS_TIP_NEW_WINDOW, kNewPageSubmenu},
    {ID_MB_LAUNCHER, false, 11, IDS_TIP_SHOW_HIDE_MAIN, -1},
    {ID_MB_FAVORITES_MENU, true, 8, IDS_TIP_FAVORITES, kFavoritesSubmenu},
    {ID_MB_WEBALERT_MENU, true, 12, IDS_TIP_WEBALERT_MENU, kWebAlertSubmenu},
    {0, false, -1, 0, -1},
    {ID_MB_PRINT, false, 9, IDS_TIP_PRINT, -1},
    {ID_MB_FONT_MENU, true, 7, IDS_TIP_FONT_SIZE, kFontSubmenu},
};

unsigned ToolTipStringFor(int command)
{
    if (command == 0)
        return 0;
    for (const ToolbarPlace& place : kToolbarPlaces) {
        if (place.command == command)
            return place.tipId;
    }
    return 0;
}

const ToolbarPlace* DropDownPlaceFor(int command)
{
    for (const ToolbarPlace& place : kToolbarPlaces) {
        if (place.dropDown && place.command == command)
            return &place;
    }
    return nullptr;
}

int NewWindowChoiceOf(int command)
{
    return command >= ID_MB_NEW_BLANK && command <= ID_MB_NEW_CLIPBOARD ? command - ID_MB_NEW_BLANK : -1;
}

int DefaultNewWindowCommand(int ctrlN)
{
    if (ctrlN < 1 || ctrlN > 3)
        return 0;
    return ID_MB_NEW_BLANK + ctrlN;
}

int ZoomOfCommand(int command)
{
    return command >= ID_MB_ZOOM_LARGEST && command <= ID_MB_ZOOM_SMALLEST ? 4 - (command - ID_MB_ZOOM_LARGEST) : -1;
}

int ZoomOfFontOption(int useMiniBrowserFont)
{
    if (useMiniBrowserFont < 0 || useMiniBrowserFont > 4)
        useMiniBrowserFont = 3;
    return 4 - useMiniBrowserFont;
}

} // namespace minibrowser
