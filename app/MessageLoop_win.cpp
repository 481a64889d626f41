#include "app/MessageLoop_win.h"

#include <windows.h>

#include "app/AppContext_win.h"
#include "app/Subsystems_win.h"

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (MiniBrowserTakesMessage(msg))
            continue;
        HWND dialog = Windows().pretranslate;
        if (dialog && IsWindow(dialog) && (LauncherTakesKey(dialog, msg) || IsDialogMessageA(dialog, &msg)))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
