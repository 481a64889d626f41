#pragma once
// The application-wide object every window reads, and the process-wide singletons.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/LaunchedProcesses_win.h"
#include "app/WinHandles_win.h"

struct OptionRecord;
class Win32Profile;

// Launcher tree categories, also the indices of AppContext::treeRoots.
enum TreeCategory {
    TREE_TYPED = 0,
    TREE_FAVORITES = 1,
    TREE_SEARCHED = 2,
    TREE_ENGINES = 3,
    TREE_TRANSLATED = 4,
    TREE_WEBALERT = 5,
};

struct AppContext {
    int optionsOpen = 0;            // options sheet or about box open: tray clicks ignored
    std::string className;          // string 103: window class, data folder, balloon title
    std::string appTitle;           // strings 110 + " " + 117: message-box caption
    std::string displayName;        // string 109
    std::string versionText;        // string 132
    std::string BrowserProgram;     // the user's browser program
    HWND launcherWindow = nullptr;
    HICON largeIcon = nullptr;      // owned; freed at shut-down
    HICON smallIcon = nullptr;
    UniqueBrush backgroundBrush;    // RGB(220, 227, 245), for the program's dialogs
    LaunchedProcessList launched;
    std::string dataFolder;
    std::string programPath;
    std::string settingsPath;
    HBITMAP bitmapCache[5] = {};    // button bitmaps 141, 150, 169, 191, 192
    HTREEITEM treeRoots[6] = {};
    HINSTANCE instance = nullptr;

    ~AppContext();
};

AppContext& App();
OptionRecord& Options();
// The settings file at AppContext::settingsPath.
Win32Profile& Settings();

// Window handles beside the application object.
struct AppWindows {
    HWND main = nullptr;
    HWND tooltip = nullptr;
    HWND translation = nullptr;
    HWND webAlert = nullptr;
    HWND pretranslate = nullptr;   // the dialog whose messages the loop offers IsDialogMessage
};
AppWindows& Windows();

// Limits of the application object's text fields.
constexpr std::size_t kClassNameChars = 63;
constexpr std::size_t kTitleChars = 127;
constexpr std::size_t kVersionChars = 31;
constexpr std::size_t kBrowserChars = 255;
constexpr std::size_t kDataFolderChars = 511;

// Button bitmaps 141, 150, 169, 191 and 192 are loaded once and shared; any other number is
// taken as a bitmap handle. Sets it on the button with BM_SETIMAGE.
void SetButtonBitmap(HWND button, UINT_PTR bitmapOrHandle);

// Reloads display name, title and version text in the interface language.
void ReloadNames();
