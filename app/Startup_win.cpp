#include "app/Startup_win.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "app/AppContext_win.h"
#include "app/Hotkeys_win.h"
#include "app/Language.h"
#include "app/MainWindow_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/Registry_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/SystemQueries_win.h"
#include "app/TextUtil.h"
#include "app/TrayIcon_win.h"
#include "app/Win32Profile_win.h"
#include "resources/ResourceIds.h"
#include "web/WinInetTransports_win.h"

namespace {

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string FolderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

HICON LoadIconSized(HINSTANCE instance, UINT id, int metricX, int metricY)
{
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0));
}

void BuildAppContext(HINSTANCE instance)
{
    AppContext& app = App();
    app.instance = instance;
    app.largeIcon = LoadIconSized(instance, IDI_LARGE, SM_CXICON, SM_CYICON);
    app.smallIcon = LoadIconSized(instance, IDI_SMALL, SM_CXSMICON, SM_CYSMICON);
    app.backgroundBrush.Reset(CreateSolidBrush(RGB(220, 227, 245)));
    app.className = LoadText(IDS_CLASS_NAME, kClassNameChars);
    app.programPath = ProgramPath();

    std::string appData;
    if (RegReadString(HKEY_CURRENT_USER, kShellFoldersKey, "AppData", appData))
        app.dataFolder = Cut(appData + "\\" + app.className, kDataFolderChars);
    else
        app.dataFolder = Cut(FolderOf(app.programPath), kDataFolderChars);
    app.BrowserProgram = BrowserProgramOrDefault();
    app.settingsPath = SettingsPathFor(app.dataFolder, app.programPath);
}

// Settings of older versions lay beside the program; they move once, when the data folder
// is first made.
void CreateDataFolder()
{
    const AppContext& app = App();
    if (!CreateDirectoryA(app.dataFolder.c_str(), nullptr))
        return;
    std::string old = SettingsPathFor(FolderOf(app.programPath), app.programPath);
    if (lstrcmpiA(old.c_str(), app.settingsPath.c_str()) != 0)
        MoveFileA(old.c_str(), app.settingsPath.c_str());
}

bool RegisterMainClass(HINSTANCE instance)
{
    const AppContext& app = App();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = app.largeIcon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_TRAY_MENU);
    wc.lpszClassName = app.className.c_str();
    wc.hIconSm = app.smallIcon;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void CreateTooltipWindow(HINSTANCE instance, HWND main)
{
    // Owned by the main window: a shell that gives every shown window without an owner a
    // taskbar button (Wine's does, tool windows included) would show a blank one beside each tip.
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               main, nullptr, instance, nullptr);
    if (!tip)
        return;
    SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
    Windows().tooltip = tip;
}

bool CreateMainWindow(HINSTANCE instance, const char* commandLine)
{
    LoadUpdateSettings();
    LoadLauncherLists();
    LoadWebAlertList();

    bool show = std::strstr(commandLine, "/SH") != nullptr;
    const std::string& name = App().className;
    HWND main = CreateWindowExA(show ? 0 : WS_EX_TRANSPARENT, name.c_str(), name.c_str(), WS_OVERLAPPEDWINDOW,
                                100, 100, 600, 400, nullptr, nullptr, instance, nullptr);
    if (!main)
        return false;
    Windows().main = main;
    SetWindowTextA(main, App().appTitle.c_str());
    CreateTooltipWindow(instance, main);
    RegisterStartupHotkeys();
    ShowWindow(main, show ? SW_SHOW : SW_HIDE);
    UpdateWindow(main);
    return true;
}

} // namespace

void ApplyLanguage(int languageOption, bool updateWindows)
{
    int index = LanguageIndexFor(languageOption, static_cast<int>(GetUserDefaultLCID()));
    SetUiLanguage(index == 0 ? MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH) : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ReloadNames();
    if (!updateWindows || !Windows().main)
        return;
    SetWindowTextA(Windows().main, App().appTitle.c_str());
    TrayNotify(Windows().main, NIM_MODIFY, kTrayIconId, App().smallIcon, TrayTipText(Options().Hotkey).c_str());
}

bool ProgramStart(HINSTANCE instance, const char* commandLine)
{
    if (!commandLine)
        commandLine = "";
    SetResourceModule(instance);
    InstallWinInetTransports();
    BuildAppContext(instance);
    CreateDataFolder();
    LoadOptions(Options(), Settings());
    ApplyLanguage(Options().Language, false);

    if (HWND running = FindWindowA(App().className.c_str(), nullptr)) {
        PostMessageA(running, UM_TRAYICON, 0, kTrayLeftDouble);
        return false;
    }
    if (!RegisterMainClass(instance))
        return false;
    if (std::strstr(commandLine, "/AU"))
        Options().startedAfterUpdate = true;
    return CreateMainWindow(instance, commandLine);
}
