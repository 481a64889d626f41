#include "app/TrayIcon_win.h"

#include "app/Messages.h"
#include "app/ResourceLoader_win.h"
#include "app/TextUtil.h"
#include "launcher/HotkeyText.h"
#include "resources/ResourceIds.h"

namespace {
ShellNotifyFn g_notify = Shell_NotifyIconA;

// The sizes of the Windows 2000 record: every shell since reads it, and it carries balloons.
NOTIFYICONDATAA Record(HWND window, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window;
    data.uID = id;
    data.uCallbackMessage = UM_TRAYICON;
    return data;
}
} // namespace

void SetShellNotifyForTests(ShellNotifyFn fn)
{
    g_notify = fn ? fn : Shell_NotifyIconA;
}

BOOL TrayNotify(HWND window, DWORD operation, UINT id, HICON icon, const char* tip)
{
    NOTIFYICONDATAA data = Record(window, id);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.hIcon = icon;
    CopyCut(data.szTip, 64, tip ? tip : "");
    // The icon belongs to the application object and serves every later call, so it is not
    // released here.
    return g_notify(operation, &data);
}

BOOL TrayBalloon(HWND window, UINT id, const char* text, const char* title)
{
    NOTIFYICONDATAA data = Record(window, id);
    data.uFlags = NIF_INFO;
    CopyCut(data.szInfo, sizeof data.szInfo, text ? text : "");
    CopyCut(data.szInfoTitle, sizeof data.szInfoTitle, title ? title : "");
    data.uTimeout = 5000;
    data.dwInfoFlags = NIIF_INFO;
    return g_notify(NIM_MODIFY, &data);
}

std::string TrayTipText(int launcherHotkey)
{
    std::string tip = LoadText(IDS_TRAY_TIP);
    if (launcherHotkey == 0)
        return tip;
    std::string format = LoadText(IDS_TRAY_TIP_HOTKEY);
    std::string keys = HotkeyText(launcherHotkey);
    // "%s\nor %s." filled without a format call: the texts are the user's and the translator's.
    std::string out;
    int filled = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && filled < 2) {
            out += filled++ == 0 ? tip : keys;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}
