#include "app/Shutdown_win.h"

#include <windows.h>

#include "app/AppContext_win.h"
#include "app/Hotkeys_win.h"
#include "app/Subsystems_win.h"

void ShutDown()
{
    StopWebAlertChecks();
    DestroyMiniBrowserWindows();
    PostQuitMessage(0);
    UnregisterAllHotkeys();
    AppContext& app = App();
    app.launched.Clear();
    if (app.launcherWindow) {
        DestroyWindow(app.launcherWindow);
        app.launcherWindow = nullptr;
    }
    Windows().pretranslate = nullptr;
    if (Windows().tooltip) {
        DestroyWindow(Windows().tooltip);
        Windows().tooltip = nullptr;
    }
    Windows().main = nullptr;
}
