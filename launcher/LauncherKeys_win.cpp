// Keys of the launcher that the dialog manager leaves to the system.
#include <windows.h>

#include "app/Subsystems_win.h"

bool LauncherTakesKey(HWND launcher, const MSG& msg)
{
    if (!launcher || (msg.hwnd != launcher && !IsChild(launcher, msg.hwnd)))
        return false;
    switch (msg.message) {
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_RETURN) {
            // With Alt held, Enter arrives as a system key, which the dialog manager passes
            // by. Go reads the modifiers held and completes a bare name with ".fr".
            const bool repeat = (msg.lParam & (1L << 30)) != 0;
            if (!repeat)
                SendMessageA(launcher, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(launcher, IDOK)));
            return true;
        }
        // F10 would enter the menu mode of a system menu the skin does not show.
        return msg.wParam == VK_F10;
    case WM_SYSCHAR:
        // The character of Alt+Enter: no mnemonic, the system would beep or enter menu mode.
        return msg.wParam == '\r';
    case WM_SYSKEYUP:
        // Alt released alone (after Alt with a click on Go, say) would open the hidden system
        // menu, which then takes the next text typed.
        return msg.wParam == VK_MENU || msg.wParam == VK_F10;
    default:
        return false;
    }
}
