#include "app/MainWindow_win.h"

#include <string>

#include "app/AboutDialog_win.h"
#include "app/AppContext_win.h"
#include "app/Hotkeys_win.h"
#include "app/LauncherHost_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Shutdown_win.h"
#include "app/Subsystems_win.h"
#include "app/TrayIcon_win.h"
#include "app/TrayMenu_win.h"
#include "app/Win32Profile_win.h"
#include "resources/ResourceIds.h"

namespace {

constexpr char kSiteAddress[] = "http://www.quorvane.com/";

bool KeyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

void AddTrayIcon(HWND window)
{
    TrayNotify(window, NIM_ADD, kTrayIconId, App().smallIcon, TrayTipText(Options().Hotkey).c_str());
}

void OnCreate(HWND window)
{
    AddTrayIcon(window);
    OptionRecord& o = Options();
    AppContext& app = App();
    if (o.Welcome == 0) {
        TrayBalloon(window, kTrayIconId, LoadText(IDS_WELCOME).c_str(), app.className.c_str());
        SaveOptions(o, Settings());
        o.Welcome = 1;
    }
    if (o.startedAfterUpdate) {
        // The format is the translator's, with one "%s" for the version.
        std::string format = LoadText(IDS_UPDATE_INSTALLED);
        std::size_t at = format.find("%s");
        std::string text = at == std::string::npos ? format : format.substr(0, at) + app.versionText + format.substr(at + 2);
        TrayBalloon(window, kTrayIconId, text.c_str(), app.className.c_str());
        MessageBeep(MB_ICONASTERISK);
        if (ShowNewsAfterUpdate())
            SendMessageA(window, WM_COMMAND, IDM_NEWS, 0);
    }
    if (o.WebAlertFreq == 1)
        PostMessageA(window, WM_COMMAND, IDM_START_CHECKWEBALERT, 0);
    SetTimer(window, TIMER_HEARTBEAT, 1000, nullptr);
}

void OpenSitePage(const char* page)
{
    std::string address = std::string(kSiteAddress) + page;
    RunCommandText(address.c_str());
}

void OnCommand(HWND window, unsigned id, LPARAM lParam)
{
    OptionRecord& o = Options();
    if (id >= kEngineCommandBase && id <= kEngineCommandLast) {
        OpenEngineHome(id - kEngineCommandBase);
        return;
    }
    if (id >= kFavoriteCommandBase && id <= kFavoriteCommandLast) {
        OpenFavoriteCommand(id);
        return;
    }
    if (id >= kTypedAddressCommandBase && id <= kTypedAddressCommandLast) {
        OpenTypedAddressCommand(id);
        return;
    }
    switch (id) {
    case IDM_ABOUT:
        CloseLauncherNow();
        ShowAboutDialog(window);
        break;
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    case IDM_SETUP:
        CloseLauncherNow();
        if (Windows().webAlert)
            SendMessageA(Windows().webAlert, UM_CLOSELAUNCHER, 0, 1);
        Windows().webAlert = nullptr;
        OpenOptionsSheet(window, lParam == kSetupEnginesPage ? 1 : 0);
        break;
    case IDM_OPEN:
        OpenLauncher();
        break;
    case IDM_TRANSLATE:
        if (o.StartTranslator)
            RunCommandText(o.TranslateURL.c_str());
        else
            OpenTranslator(App().launcherWindow ? App().launcherWindow : window);
        break;
    case IDM_CHECK_UPDATES:
        CloseLauncherNow();
        CheckForUpdates(window, App().versionText.c_str());
        break;
    case IDM_TRANSLATECLIP:
        if (o.StartTranslator)
            RunCommandText(o.TranslateURL.c_str());
        else
            TranslateClipboard(window);
        break;
    case IDM_NEWS:
        CloseLauncherNow();
        ShowNews(window, lParam == 99);
        break;
    case IDM_HELP_CONTENT:
        OpenHelpPage("index", "");
        break;
    case IDM_HOME_PAGE:
        RunCommandText(kSiteAddress);
        break;
    case IDM_STARTMINIBROWSER:
        OpenMiniBrowserHome();
        break;
    case IDM_CHECK_LINKS:
        StartCheck(window);
        break;
    case IDM_END_CHECK_WEBALERT:
        Flags().balloonPending = true;
        if (AnyEnabledPageChanged() && o.WebAlertShowDlg)
            OpenMonitorWindow(window, 0);
        break;
    case IDM_OPEN_WEBALERT:
        OpenMonitorWindow(window, 1);
        break;
    case IDM_START_CHECKWEBALERT:
        ScheduleTick(window, 1);
        break;
    case IDM_NEWS_PAGE:
        OpenSitePage("news.htm");
        break;
    case IDM_DISABLE_WEBALERT:
        Flags().WebAlertDisabled = !Flags().WebAlertDisabled;
        break;
    case IDM_FORUMS:
        OpenSitePage("phpBB2/index.php");
        break;
    case IDM_REPORT_BUG:
        OpenSitePage("phpBB2/viewforum.php?f=5");
        break;
    default:
        break;
    }
}

LRESULT OnTrayIcon(HWND window, WPARAM wParam, LPARAM lParam)
{
    const OptionRecord& o = Options();
    const AppContext& app = App();
    switch (lParam) {
    case kTrayMouseMove:
        if (app.launcherWindow && !LauncherDockedAway())
            return 0;
        if (o.OnMouseMove && app.optionsOpen == 0)
            SetTimer(window, TIMER_HOVER_OPEN, 200, nullptr);
        return 0;
    case kTrayLeftUp:
        if (app.optionsOpen)
            return 0;
        if (KeyDown(VK_CONTROL))
            RunClickCommand(o.CmdCtrlClic);
        else if (KeyDown(VK_SHIFT))
            RunClickCommand(o.CmdShiftClic);
        else if (KeyDown(VK_MENU))
            RunClickCommand(o.CmdAltClic);
        else
            RunClickCommand(o.CmdClic);
        return 0;
    case kTrayLeftDouble:
        if (app.optionsOpen)
            return 0;
        OpenLauncher();
        return 1;
    case kTrayRightUp:
        if (app.optionsOpen)
            return 0;
        KillTimer(window, TIMER_HOVER_OPEN);
        ShowTrayMenu(window, wParam);
        return 0;
    case kTrayBalloonClick:
        if (Flags().balloonPending)
            SendMessageA(window, WM_COMMAND, IDM_OPEN_WEBALERT, 0);
        Flags().balloonPending = false;
        return 0;
    default:
        return 0;
    }
}

} // namespace

RunFlags& Flags()
{
    static RunFlags flags;
    return flags;
}

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message) {
    case WM_CREATE:
        Windows().main = window;
        OnCreate(window);
        return 0;
    case WM_DESTROY:
        KillTimer(window, TIMER_HEARTBEAT);
        KillTimer(window, TIMER_HOVER_OPEN);
        TrayNotify(window, NIM_DELETE, kTrayIconId, nullptr, nullptr);
        ShutDown();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(App().largeIcon);
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam), lParam);
        return 0;
    case WM_TIMER:
        if (wParam == TIMER_HOVER_OPEN) {
            KillTimer(window, TIMER_HOVER_OPEN);
            OpenLauncher();
        } else if (wParam == TIMER_HEARTBEAT) {
            App().launched.DropEnded();
            if (!Flags().WebAlertDisabled)
                ScheduleTick(window, 0);
        }
        return 0;
    case WM_INITMENUPOPUP:
        UpdateTrayMenuItems(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_POWERBROADCAST:
        CloseLauncherNow();
        break;
    case WM_HOTKEY:
        if (static_cast<int>(wParam) >= HOTKEY_ID_BASE && static_cast<int>(wParam) <= kHotkeyIdLast)
            OnHotkeyMessage(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case UM_TRAYICON:
        return OnTrayIcon(window, wParam, lParam);
    default:
        if (message == TaskbarCreatedMessage() && message != 0) {
            // The shell restarted (or started late): the icon must be added again.
            AddTrayIcon(window);
            return 0;
        }
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
