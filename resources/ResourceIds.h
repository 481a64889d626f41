// Identifiers of every resource of the program, shared by the code and by the English and
// French resource scripts. The numbers are fixed: stored settings and other programs rely on
// the command ids, and each language's script carries the same ids.
#pragma once

// ---- Icons and bitmaps (language neutral, Quorvane.rc) ----
#define IDI_LARGE               153
#define IDI_SMALL               154
#define IDB_TREE_IMAGES         139   // 18 x 18 images of the launcher tree
#define IDB_BUTTON_BROWSER      141   // launcher picture buttons
#define IDB_BUTTON_CLOSE_OWN    150
#define IDB_BUTTON_CLOSE_ALL    169
#define IDB_BUTTON_191          191
#define IDB_BUTTON_192          192
#define IDB_CHECK_ON            213   // "Disable WebAlert" checked mark
#define IDB_CHECK_OFF           214   // and its unchecked mark

// ---- Menus ----
#define IDR_TRAY_MENU           109

// Commands of the tray menu and the internal commands other windows send the main window.
#define IDM_ABOUT               104
#define IDM_EXIT                105
#define IDM_SETUP               32771
#define IDM_OPEN_LAUNCHER       32772
#define IDM_TRANSLATE           32775
#define IDM_CHECK_UPDATES       32777
#define IDM_TRANSLATECLIP       32783
#define IDM_NEWS                32787
#define IDM_HELP_CONTENT        32788
#define IDM_HOME_PAGE           32789
#define IDM_STARTMINIBROWSER    32792
#define IDM_CHECK_LINKS         32812
#define IDM_END_CHECK_WEBALERT  32813
#define IDM_OPEN_WEBALERT       32817
#define IDM_START_CHECKWEBALERT 32825
#define IDM_NEWS_PAGE           32852
#define IDM_DISABLE_WEBALERT    32853
#define IDM_FORUMS              32859
#define IDM_REPORT_BUG          32863

// ---- Dialogs ----
#define IDD_ABOUT               103

// Controls of the about dialog.
#define IDC_ABOUT_SITE          1002
#define IDC_ABOUT_FORUMS        1003
#define IDC_ABOUT_HISTORY       1004
#define IDC_ABOUT_CONTACT       1010
#define IDC_ABOUT_VERSION       1026
#define IDC_ABOUT_CHECK_UPDATES 202
#define IDC_ABOUT_NEWS          203

// ---- Strings of the application core ----
#define IDS_CLASS_NAME          103   // "Quorvane": window class, data folder, balloon title
#define IDS_DISPLAY_NAME        109
#define IDS_TITLE_PREFIX        110   // "Quorvane | "
#define IDS_TRAY_TIP            116
#define IDS_TAGLINE             117
#define IDS_WELCOME             118
#define IDS_VERSION             132   // "1.01 03-05-2004"
#define IDS_NO_CLIPBOARD_TEXT   1081
#define IDS_UPDATE_INSTALLED    1089
#define IDS_TRAY_TIP_HOTKEY     1100  // "%s\nor %s."
#define IDS_OPEN_FILE_TITLE     1140
#define IDS_WAV_FILTER          1141
