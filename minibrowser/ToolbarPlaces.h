#pragma once
// The caption tool bar's thirteen places and what hangs on them: images, tool tips and the
// drop-down menus of menu 180.
#include <cstddef>

namespace minibrowser {

struct ToolbarPlace {
    int command = 0;        // 0: the separator
    bool dropDown = false;  // shows a menu from its arrow
    int image = -1;
    unsigned tipId = 0;     // string id of the tool tip
    int submenu = -1;       // position of the drop-down's submenu in menu 180
};

constexpr std::size_t kToolbarPlaceCount = 13;
extern const ToolbarPlace kToolbarPlaces[kToolbarPlaceCount];

// The tool tip's string id for a command; 0 (an empty tip) for the separator and any command
// without a place.
unsigned ToolTipStringFor(int command);
// The place of a drop-down command, or null.
const ToolbarPlace* DropDownPlaceFor(int command);

// Submenus of menu 180 by position.
constexpr int kFontSubmenu = 0;
constexpr int kFavoritesSubmenu = 1;
constexpr int kNewPageSubmenu = 2;
constexpr int kWebAlertSubmenu = 3;

// The new-window choices 0 to 3 (commands 32801 to 32804); -1 for another command.
int NewWindowChoiceOf(int command);
// The command of the NewPage item shown as the default one for MiniBrowserCtrlN, or 0 when
// none is marked: choice 0 never is, and a value out of 0 to 3 marks nothing.
int DefaultNewWindowCommand(int ctrlN);

// Page zoom 4 (largest) to 0 of the font commands 32794 to 32798; -1 for another command.
int ZoomOfCommand(int command);
// Page zoom of UseMiniBrowserFont (0 Largest to 4 Smallest), an unknown value as the default 3.
int ZoomOfFontOption(int useMiniBrowserFont);

} // namespace minibrowser
