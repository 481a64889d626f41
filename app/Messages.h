#pragma once
// Private messages, timers and command-id ranges shared between the program's windows.

// Tray callback, and tray-click requests from other windows: wParam the icon id or a menu
// selector, lParam the mouse message or kTrayBalloonClick.
constexpr unsigned UM_TRAYICON = 1147;        // WM_USER + 123
// Close the launcher (lParam 1 always, 0 only when CloseAfter is set) or the WebAlert window.
constexpr unsigned UM_CLOSELAUNCHER = 1148;   // WM_USER + 124
// WM_SYSCOMMAND code: hide the launcher into its edge or to the tray.
constexpr unsigned SC_HIDELAUNCHER = 2258;

constexpr unsigned kTrayMouseMove = 512;
constexpr unsigned kTrayLeftUp = 514;
constexpr unsigned kTrayLeftDouble = 515;
constexpr unsigned kTrayRightUp = 517;
constexpr unsigned kTrayBalloonClick = 1029;

// Menu selectors of UM_TRAYICON with kTrayRightUp: only one submenu pops up.
constexpr unsigned kMenuEngines = 90;
constexpr unsigned kMenuTypedAddresses = 91;
constexpr unsigned kMenuFavorites = 92;

constexpr unsigned kTrayIconId = 1;

// lParam of a posted IDM_SETUP that opens the options sheet on its engines page (menus send 0).
constexpr long kSetupEnginesPage = 1;

constexpr unsigned TIMER_HEARTBEAT = 3;
constexpr unsigned TIMER_HOVER_OPEN = 300;

// Command ids made at run time.
constexpr unsigned kEngineCommandBase = 3024;      // + engine index; 0..50 acted on
constexpr unsigned kEngineCommandLast = 3074;
constexpr unsigned kFavoriteCommandBase = 3584;    // + position in the favorites menu
constexpr unsigned kFavoriteCommandLast = 4023;
constexpr unsigned kTypedAddressCommandBase = 4024; // + index, below 400
constexpr unsigned kTypedAddressCommandLast = 4423;

// Global hotkeys are registered with HOTKEY_ID_BASE + slot.
constexpr int HOTKEY_ID_BASE = 10234;
constexpr int kHotkeyIdLast = 11234;
