#include "chrome/Skin_win.h"

#include "app/AppContext_win.h"

// The full skin (caption, owner-drawn buttons, docking) comes with the launcher's chrome
// (issue #4). Until then a dialog gets the program's icons.
void ApplyDialogSkin(HWND dialog)
{
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(App().largeIcon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(App().smallIcon));
}
