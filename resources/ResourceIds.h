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
#define IDB_BUTTON_BROWSE       191   // folder: choose a file
#define IDB_BUTTON_PLAY         192   // speaker: play the chosen sound
#define IDB_CHECK_ON            213   // "Disable WebAlert" checked mark
#define IDB_CHECK_OFF           214   // and its unchecked mark
#define IDB_TAB_PICTURE         155   // title tab of the launcher, lower left corner
#define IDB_PIN_OFF             185   // pin caption button: not on top
#define IDB_PIN_ON              186   // and on top
#define IDB_LOGO_GOOGLE         158   // logos of the translation services, 112 x 32
#define IDB_LOGO_BABELFISH      165
#define IDB_LOGO_VOILA          166
#define IDB_LOGO_FREETRANSLATION 167
#define IDB_LOGO_ALL            168   // all four services

// ---- Menus ----
#define IDR_TRAY_MENU           109
#define IDR_RESULTS_MENU        164   // context menu of the translation results list
#define IDR_TREE_MENU           140   // the launcher tree's context menu (first popup)

// ---- Dialogs ----
#define IDD_LAUNCHER_SMALL      129   // the launcher as a compact bar
#define IDD_LAUNCHER_TREE       138   // the launcher with its tree of recent items
#define IDD_ABOUT               103
#define IDD_CLOSE_NOTICE        159   // "still running in the tray", when the launcher closes

// Controls of the launcher (dialogs 129 and 138; the tree in 138 only). Go is IDOK.
#define IDC_LAUNCHER_TEXT       1000
#define IDC_LAUNCHER_ALL        1002
#define IDC_LAUNCHER_GO_WITH    1010
#define IDC_LAUNCHER_SETUP      1011
#define IDC_LAUNCHER_GO_TO_URL  1012
#define IDC_LAUNCHER_GO_TO      1013
#define IDC_LAUNCHER_WEBALERT   1014
#define IDC_LAUNCHER_TREE       1016
#define IDC_LAUNCHER_TRANSLATE  200
#define IDC_LAUNCHER_BROWSER    201   // picture buttons: start the browser,
#define IDC_LAUNCHER_CLOSE_OWN  202   // close the browsers the program started,
#define IDC_LAUNCHER_CLOSE_ALL  203   // close every browser
// Control of dialog 159.
#define IDC_DONT_SHOW_AGAIN     1003

// Controls of the about dialog.
#define IDC_ABOUT_SITE          1002
#define IDC_ABOUT_FORUMS        1003
#define IDC_ABOUT_HISTORY       1004
#define IDC_ABOUT_CONTACT       1010
#define IDC_ABOUT_VERSION       1026
#define IDC_ABOUT_CHECK_UPDATES 202
#define IDC_ABOUT_NEWS          203

// The translation window, its results list and its zoom dialog.
#define IDD_TRANSLATOR          157
#define IDD_TRANSLATE_RESULTS   162
#define IDD_TRANSLATE_ZOOM      163

// Controls of the translation window (some serve the results list too).
#define IDC_TR_HELP             9
#define IDC_TR_SERVICE          1000
#define IDC_TR_CLOSE_AFTER      1003  // also in the results list
#define IDC_TR_NO_CACHE         1007
#define IDC_TR_SOURCE           1008
#define IDC_TR_RESULT           1009
#define IDC_TR_SEARCH           1010  // also in the results list
#define IDC_TR_COPY             1011  // also in the results list
#define IDC_TR_ZOOM             1012  // also in the results list
#define IDC_TR_LOGO             1021
#define IDC_TR_PROGRESS         1032
#define IDC_TR_PAIR             1033
#define IDC_TR_COMMAND_LABEL    1036

// Controls of the results list.
#define IDC_RESULTS_LIST        1004
#define IDC_RESULTS_CLIPBOARD   1008  // hidden: the clipboard copy goes through it
#define IDC_RESULTS_SOURCE      1009
#define IDC_RESULTS_COUNT       1037
#define IDC_RESULTS_PAIR        1039

// Controls of the zoom dialog.
#define IDC_ZOOM_TEXT           1008
#define IDC_ZOOM_SERVICE        1009
#define IDC_ZOOM_STATUS         1010

// Commands of menu 164.
#define ID_RESULTS_SEARCH       32778
#define ID_RESULTS_COPY         32779
#define ID_RESULTS_ZOOM         32780
#define ID_RESULTS_CLOSE        32781

// ---- Commands of menu 109 ----
// Tray menu (first popup).
#define IDM_ABOUT               104
#define IDM_EXIT                105
#define IDM_SETUP               32771
#define IDM_OPEN                32772
#define IDM_TRANSLATE           32775
#define IDM_CHECK_UPDATES       32777
#define IDM_HELP_CONTENT        32788
#define IDM_HOME_PAGE           32789
#define IDM_STARTMINIBROWSER    32792
#define IDM_CHECK_LINKS         32812
#define IDM_OPEN_WEBALERT       32817
#define IDM_NEWS_PAGE           32852
#define IDM_DISABLE_WEBALERT    32853
#define IDM_FORUMS              32859
#define IDM_REPORT_BUG          32863
// Grayed headers of the three tray submenus that are filled at run time; never chosen.
#define IDM_TYPED_HEADER        2020
#define IDM_ENGINES_HEADER      2021
#define IDM_FAVORITES_HEADER    2022
// "Go With" popup of the launcher (second popup): its first entry does nothing.
#define IDM_CLOSE_LIST          2023
// Commands of the launcher tree's context menu (menu 140)...
#define IDM_TREE_OPEN           32776
#define IDM_TREE_DELETE         32807
// ...and those the code adds to it by group (texts from the string table).
#define ID_ORGANIZE_FAVORITES   32808
#define ID_ADD_FAVORITE         32811
#define ID_TOGGLE_READ_MARK     32864
// The caption's pin: toggle always-on-top.
#define ID_TOGGLE_ON_TOP        32790
// Internal commands (third popup), posted between windows.
#define IDM_TRANSLATECLIP       32783
#define IDM_NEWS                32787
#define IDM_END_CHECK_WEBALERT  32813
#define IDM_START_CHECKWEBALERT 32825

// Positions inside the tray popup; the code takes its submenus by position.
#define TRAY_POS_TYPED_URLS     9
#define TRAY_POS_ENGINES        10
#define TRAY_POS_FAVORITES      11
#define TRAY_POS_HELP           13

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
#define IDS_ALL_FILES_FILTER    5000  // the last character is the separator, as in 1141

// ---- Strings of the launcher ----
#define IDS_TREE_FAVORITES      121   // also the favorites label of the menus
#define IDS_TREE_TYPED          125
#define IDS_TREE_SEARCHED       126
#define IDS_TREE_ENGINES        127   // also the engine submenu of the tree's context menu
#define IDS_TREE_TRANSLATED     1079
#define IDS_TREE_WEBALERT       1177
#define IDS_TIP_GO              133
#define IDS_TIP_GO_WITH         134
#define IDS_TIP_ALL             135
#define IDS_TIP_GO_TO           136
#define IDS_TIP_SETUP           137
#define IDS_TIP_BROWSER         138
#define IDS_TIP_CLOSE_ALL       139
#define IDS_TIP_GO_TO_URL       140
#define IDS_TIP_TRANSLATE       141
#define IDS_TIP_CLOSE_OWN       148
#define IDS_TIP_WEBALERT        1175
#define IDS_SEARCH_TAB          1037  // title tab of the launcher
#define IDS_HISTORY_WITH        1080  // "with", in the translation history's lines
#define IDS_CONFIRM_DELETE_VALUE 1129
#define IDS_ORGANIZE_FAVORITES  1130
#define IDS_ADD_FAVORITE        1131
#define IDS_TOGGLE_READ_MARK    1178

// ---- Strings of the options sheet ----
#define IDS_PAGE_MAIN           111
#define IDS_PAGE_ENGINES        112
#define IDS_SETUP_CAPTION       113
#define IDS_PAGE_MINIBROWSER    1104
#define IDS_PAGE_WEBALERT       1132
#define IDS_COL_ENGINE_NAME     114
#define IDS_COL_URL_STRING      115
#define IDS_COL_URL_BASE        120
#define IDS_COL_ENGINE_ENABLE   124
#define IDS_CONFIRM_DELETE_URL  119
#define IDS_YES                 122
#define IDS_NO                  123
#define IDS_CORNER_LEFT         128
#define IDS_CORNER_RIGHT        129
#define IDS_CORNER_TOP          130
#define IDS_CORNER_BOTTOM       131
#define IDS_LANGUAGE_FRENCH     1034
#define IDS_LANGUAGE_ENGLISH    1035
#define IDS_LANGUAGE_AUTOMATIC  1036
#define IDS_CLICK_NONE          1038  // click commands 0 to 13, in list order:
#define IDS_CLICK_OPEN_WINDOW   1039
#define IDS_CLICK_OPEN_MENU     1040
#define IDS_CLICK_TYPED_MENU    1041
#define IDS_CLICK_ENGINE_MENU   1042
#define IDS_CLICK_TRANSLATE     1043
#define IDS_CLICK_SEARCH_CLIPBOARD 1044
#define IDS_CLICK_FAVORITE_ENGINE 1096
#define IDS_CLICK_FAVORITES_MENU 1097
#define IDS_CLICK_CLOSE_ALL     1098
#define IDS_CLICK_CLOSE_OWN     1099
#define IDS_CLICK_MINIBROWSER   1105
#define IDS_CLICK_CHECK_LINKS   1151
#define IDS_CLICK_SHOW_WEBALERT 1152
#define IDS_FONT_LARGEST        1107
#define IDS_FONT_LARGE          1108
#define IDS_FONT_MEDIUM         1109
#define IDS_FONT_SMALL          1110
#define IDS_FONT_SMALLEST       1111
#define IDS_CTRLN_BLANK         1123
#define IDS_CTRLN_CURRENT_LINK  1124
#define IDS_CTRLN_HOME_PAGE     1125
#define IDS_CTRLN_CLIPBOARD     1128
#define IDS_PROPSHEET_ERROR     5001  // "PropertySheet error %u"

// ---- Strings of the translator ----
#define IDS_SERVICE_GOOGLE      1045
#define IDS_SERVICE_BABELFISH   1046
#define IDS_SERVICE_FREETRANSLATION 1066
#define IDS_SERVICE_VOILA       1067
#define IDS_SERVICE_ALL         1068
#define IDS_PAIR_FIRST          1047  // language pair i is IDS_PAIR_FIRST + i
#define IDS_PAIR_EN_DE          1047
#define IDS_PAIR_EN_ES          1048
#define IDS_PAIR_EN_FR          1049
#define IDS_PAIR_EN_IT          1050
#define IDS_PAIR_EN_PT          1051
#define IDS_PAIR_DE_EN          1052
#define IDS_PAIR_DE_FR          1053
#define IDS_PAIR_ES_EN          1054
#define IDS_PAIR_FR_EN          1055
#define IDS_PAIR_FR_DE          1056
#define IDS_PAIR_IT_EN          1057
#define IDS_PAIR_PT_EN          1058
#define IDS_TRANSLATE_ERROR     1059
#define IDS_TIP_SEARCH_TRANSLATED 1060
#define IDS_TIP_COPY_TRANSLATED 1061
#define IDS_TIP_TRANSLATE_GO    1062
#define IDS_TIP_CLOSE_WINDOW    1063
#define IDS_ENTER_TEXT          1065
#define IDS_COL_SERVICE_NAME    1069
#define IDS_COL_TRANSLATED      1070
#define IDS_ZOOM_TITLE          1071
#define IDS_RESULTS_TITLE       1072
#define IDS_COL_STATUS          1073
#define IDS_STATUS_ERROR        1074
#define IDS_STATUS_OK           1075
#define IDS_TIP_ZOOM            1076
#define IDS_PROCESSING          1077  // "Processing %s..."
#define IDS_RESULTS_COUNT       1078  // " %i translates available"

// ---- Strings of the web page monitor (and its mails) ----
#define IDS_WEBALERT_TITLE      1136  // "Quorvane WebAlert": window title, mail sender name
#define IDS_COL_PAGE_NAME       1133  // columns of the options page
#define IDS_COL_PAGE_LINK       1134
#define IDS_COL_PAGE_ENABLE     1135
#define IDS_COL_PAGE_MAIL       1167
#define IDS_FREQ_MANUALLY       1137  // schedule modes 0 to 6:
#define IDS_FREQ_ON_START       1149
#define IDS_FREQ_MINUTES        1138
#define IDS_FREQ_HOURS          1155
#define IDS_FREQ_EVERY_DAY      1139
#define IDS_FREQ_EVERY_WEEK     1153
#define IDS_FREQ_EVERY_MONTH    1154
#define IDS_NO_LINK             1142
#define IDS_COL_LINK            1143  // columns of the monitor and progress windows
#define IDS_COL_NAME            1144
#define IDS_COL_DATE            1145
#define IDS_COL_TIME            1146
#define IDS_COL_UPDATED         1173
#define IDS_COL_ENABLE          1166
#define IDS_MARK_READ           1147
#define IDS_MARK_UNREAD         1148
#define IDS_LINKS_MODIFIED      1150
#define IDS_CONFIRM_DELETE_LINK 1156
#define IDS_DUPLICATE_LINK_NAME 1157
#define IDS_MAIL_DETAILED       1158  // "%s\nTHE LINK %s WAS MODIFIED\nCHECKED AT %s  %s"
#define IDS_MAIL_BRIEF          1170  // "%s WAS MODIFIED"
#define IDS_RENAME_FAILED       1174
#define IDS_TIP_OPEN_LINK       1159
#define IDS_TIP_CHECK_NOW       1160
#define IDS_TIP_DELETE_LINK     1161
#define IDS_TIP_VIEW_MODE       1162
#define IDS_TIP_STOP_SUPERVISE  1163
#define IDS_TIP_PROPERTIES      1164
#define IDS_TIP_MARK            1165
#define IDS_TIP_CHECK_LINK      1168
#define IDS_TIP_ACTIVATE_MINIBROWSER 1169
#define IDS_TIP_SEND_MAIL       1176

// ---- Strings of the mini browser ----
#define IDS_MINIBROWSER_TITLE   1112  // "[Quorvane MiniBrowser]"
#define IDS_MINIBROWSER_LABEL   1113  // the caption label, on two lines
#define IDS_TIP_PREVIOUS_PAGE   1114
#define IDS_TIP_NEXT_PAGE       1115
#define IDS_TIP_DEFAULT_BROWSER 1116
#define IDS_TIP_STOP            1117
#define IDS_TIP_REFRESH         1118
#define IDS_TIP_HOME_PAGE       1119
#define IDS_TIP_PRINT           1120
#define IDS_TIP_FONT_SIZE       1121
#define IDS_TIP_FAVORITES       1122
#define IDS_TIP_NEW_WINDOW      1126
#define IDS_TIP_SHOW_HIDE_MAIN  1127  // also on the monitor window's toolbar
#define IDS_TIP_WEBALERT_MENU   1171

// ---- Strings of the auto-update and news ----
#define IDS_UPDATE_ON_START     142   // check intervals 1 to 4; 0 is IDS_UPDATE_MANUAL
#define IDS_UPDATE_EACH_DAY     143
#define IDS_UPDATE_EACH_WEEK    144
#define IDS_UPDATE_EACH_MONTH   145
#define IDS_UPDATE_MANUAL       1094
#define IDS_UPDATE_CHECKING     146
#define IDS_UPDATE_DOWNLOADING  147   // "Download new version...%i  / Total size %i"
#define IDS_UPDATE_TITLE        1083
#define IDS_UPDATE_NEW_VERSION  1084
#define IDS_UPDATE_UP_TO_DATE   1086
#define IDS_UPDATE_CONFIRM_REMOVE 1087
#define IDS_UPDATE_NO_CONNECTION 1088
#define IDS_UPDATE_DOWNLOAD_FAILED 1091
#define IDS_NEWS_TITLE          1092
#define IDS_TIP_CLOSE_NEWS      1093
#define IDS_COL_INSTALLED_VERSION 1101
#define IDS_COL_DOWNLOAD_DATE   1102
#define IDS_COL_DOWNLOAD_TIME   1103
#define IDS_UPDATE_SIZE_KB      5002  // "%i KB"
#define IDS_INTERNET_OPEN_ERROR 5003  // "InternetOpen Error"

// ---- Strings of the web fetching (status texts of the session transport) ----
#define IDS_HTTP_READ_RATE      5010  // "Read %d bytes (%0.1f Kb/s)"
#define IDS_HTTP_READ           5011  // "Read %d bytes"
#define IDS_HTTP_RESOLVING      5012
#define IDS_HTTP_RESOLVED       5013
#define IDS_HTTP_CONNECTING     5014
#define IDS_HTTP_CONNECTED      5015
#define IDS_HTTP_SENDING        5016
#define IDS_HTTP_SENT           5017
#define IDS_HTTP_RESPONSE       5018
#define IDS_HTTP_CLOSING        5019
#define IDS_HTTP_CLOSED         5020
#define IDS_HTTP_COMPLETE_RESULT 5021
#define IDS_HTTP_COMPLETE       5022
#define IDS_HTTP_UNKNOWN        5023

// ==== Page monitor (webalert/) ====
// Icons of the monitor's lists (one page each, 32 x 32 and 16 x 16).
#define IDI_WEBALERT_LARGE      210
#define IDI_WEBALERT_SMALL      211
// Dialog 193: the progress of a check.
#define IDD_CHECK_PROGRESS      193
#define IDC_CHECK_PAGES         1940  // the pages taken up so far
#define IDC_CHECK_BAR           1941

// ==== end of page monitor ====

// ==== Mail (mail/) ====
// Dialog 196 "SMTP Parameters".
#define IDD_SMTP_PARAMETERS     196
#define IDC_SMTP_DEFAULT_ACCOUNT 1002
#define IDC_SMTP_BRIEF          1003
#define IDC_SMTP_SERVER         1008
#define IDC_SMTP_SENDER         1009
#define IDC_SMTP_TO             1010
#define IDC_SMTP_CC             1011
#define IDC_SMTP_MESSAGE        1012
#define IDC_SMTP_HELP           9

// ==== end of mail ====

// ==== Auto-update and news (update/) ====
#define IDD_UPDATE_SETUP        151   // "Auto-Update setup"
#define IDD_UPDATE_PROGRESS     152   // progress of a check or a download
#define IDD_UPDATE_READY        172   // a downloaded update waits to be installed
#define IDD_UPDATE_FOUND        174   // a newer version is on the site
#define IDD_UPDATE_NEWS         175   // the news window

// Controls of dialog 151.
#define IDC_UPD_FREQUENCY       1000
#define IDC_UPD_AUTO_INSTALL    1003
#define IDC_UPD_SHOW_NEWS       1004
#define IDC_UPD_HISTORY         1005
#define IDC_UPD_URL             1008
#define IDC_UPD_DEFAULT_URL     1010
#define IDC_UPD_HELP            9
// Controls of dialog 152.
#define IDC_UPD_VERSION         1026  // also dialog 172
#define IDC_UPD_STATUS          1031
#define IDC_UPD_PROGRESS        1032  // also dialog 175
#define IDC_UPD_VERSION_LABEL   1038
// Controls of dialog 172 (Install is IDOK, Later IDCANCEL; the check box is 1003).
#define IDC_UPD_REMOVE          1012
// Controls of dialog 174 (OK, Cancel, help 9).
#define IDC_UPD_FOUND_VERSION   1008
#define IDC_UPD_FOUND_SIZE      1009
// Controls of dialog 175 (Close is IDOK; the check box is 1003, the timer bar 1032).
#define IDC_NEWS_TEXT           1008
#define IDC_NEWS_VERSION        1009
#define IDC_NEWS_DONT_SHOW      1003
// ==== end of auto-update ====

// ==== Monitor window (webalert/) ====
// Dialog 189: the monitor window; menu 190 its context menu; bitmap 199 its toolbar strip.
#define IDD_MONITOR             189
#define IDR_MONITOR_MENU        190
#define IDB_MONITOR_TOOLBAR     199
#define IDC_MONITOR_LIST        1004
#define IDC_MONITOR_PROGRESS    1032
#define IDC_MONITOR_STATUS      1044
#define IDC_MONITOR_TEXT        1045  // the explanation line
#define IDC_MONITOR_TOOLBAR     1046  // made at run time
// Commands of the window's menu and toolbar.
#define IDM_WA_OPEN             32816
#define IDM_WA_MARK             32823
#define IDM_WA_STOP_SUPERVISE   32824
#define IDM_WA_LARGE_ICONS      32826
#define IDM_WA_SMALL_ICONS      32827
#define IDM_WA_LIST             32828
#define IDM_WA_DETAILS          32829
#define IDM_WA_CHECK_ALL        32830
#define IDM_WA_PROPERTIES       32843
#define IDM_WA_VIEWMODE         32844
#define IDM_WA_SHOW_DISABLED    32845
#define IDM_WA_CHECK_ONE        32846
#define IDM_WA_SHOW_UPDATED     32847
#define IDM_GO_DLG              32848
#define IDM_WA_DELETE           32849
#define IDM_GO_MINIBROWSER      32850
#define IDM_WA_COMPARE          32851
#define IDM_WA_RENAME           32856
#define IDM_WA_OPEN_NEW         32857
#define IDM_WA_OPEN_ALL         32858
#define IDM_WA_COPY             32860
#define IDM_WA_MAIL             32861
#define IDM_WA_SOURCE           32862

// ==== end of monitor window ====

// ==== Link dialogs and WebAlert options page (webalert/) ====
#define IDD_WEBALERT_OPTIONS    187   // the options sheet's WebAlert page
#define IDD_LINK_EDIT           188   // "Add/Edit link"
#define IDD_COMPARE_OPTIONS     194   // "Advanced": how pages are compared
#define IDR_LIST_MENU           198   // context menu of the options' lists (first popup)
#define ID_LIST_ADD            32831
#define ID_LIST_EDIT           32832
#define ID_LIST_DELETE         32833
#define IDC_LINK_HELP           9     // Help of dialogs 188 and 194
// Dialog 188.
#define IDC_LINK_ENABLE         1003
#define IDC_LINK_MAIL           1006
#define IDC_LINK_OPEN           1007
#define IDC_LINK_NAME           1008
#define IDC_LINK_ADDRESS        1009
#define IDC_LINK_CURRENT        1010
// Dialog 194.
#define IDC_CMP_NOSCRIPT        1003
#define IDC_CMP_STRICT          1006
#define IDC_CMP_SIZE            1007
#define IDC_CMP_IMAGE           1011
#define IDC_CMP_TOLERANCE       1039
#define IDC_CMP_TOLERANCE_SPIN  1047
#define IDC_CMP_SIZE_GROUP      1950
#define IDC_CMP_TOLERANCE_LABEL 1951
// Dialog 187.
#define IDC_WA_FREQUENCY        1000
#define IDC_WA_BROWSE           1002
#define IDC_WA_SHOW_LIST        1003
#define IDC_WA_PAGES            1004
#define IDC_WA_TEST_SOUND       1005
#define IDC_WA_SOUND            1006
#define IDC_WA_PROGRESS         1007
#define IDC_WA_SOUND_NAME       1008
#define IDC_WA_TOOLTIP          1009
#define IDC_WA_ADD              1010
#define IDC_WA_EDIT             1011
#define IDC_WA_DELETE           1012
#define IDC_WA_ADVANCED         1013
#define IDC_WA_ON_CONNECT       1014
#define IDC_WA_INTERVAL         1039
#define IDC_WA_INTERVAL_SPIN    1047
#define IDC_WA_UNIT_MINUTES     1048
#define IDC_WA_UNIT_HOURS       1049
#define IDC_WA_SMTP             202
// Tips of the page's picture buttons.
#define IDS_TIP_BROWSE_SOUND    5960
#define IDS_TIP_TEST_SOUND      5961

// ==== end of link dialogs ====

// ==== Comparison window (webalert/) ====
#define IDD_PAGE_COMPARE        6100  // the comparison window of a page's two copies
// Controls of dialog 6100 (Close is IDCANCEL).
#define IDC_CMP_SUMMARY         6101
#define IDC_CMP_ROWS            6102
#define IDC_CMP_PREVIOUS        6103
#define IDC_CMP_NEXT            6104
// Its texts.
#define IDS_CMP_TITLE           6110  // %1: the page's name
#define IDS_CMP_COL_PREVIOUS    6111
#define IDS_CMP_COL_CURRENT     6112
#define IDS_CMP_COL_LINE        6113
#define IDS_CMP_SUMMARY         6114  // %1 changed, %2 added, %3 removed lines
#define IDS_CMP_NO_DIFFERENCE   6115
#define IDS_CMP_CUT_SHORT       6116
#define IDS_CMP_UNREADABLE      6117  // %1: the path of the copy

// ==== end of comparison window ====

// ==== Options sheet (options/) ====
#define IDD_OPTIONS_MAIN        136   // page "Main"
#define IDD_OPTIONS_ENGINES     135   // page "Engines"
#define IDD_OPTIONS_MINIBROWSER 182   // page "MiniBrowser"
#define IDD_TRAY_CLICKS         156   // "Advanced": close button and tray clicks
#define IDD_ENGINE_EDITOR       137   // "Search Engine"
// Menu 198 (IDR_LIST_MENU) serves the engine list too.
#define IDI_ENGINE              204   // one engine of the engine list
// Window-mode and screen-edge previews of page "Main": themed and classic drawings.
#define IDB_PREVIEW_TREE        143
#define IDB_PREVIEW_SMALL       144
#define IDB_PREVIEW_TREE_CLASSIC  181
#define IDB_PREVIEW_SMALL_CLASSIC 170
#define IDB_EDGE_BOTTOM         146
#define IDB_EDGE_TOP            147
#define IDB_EDGE_LEFT           148
#define IDB_EDGE_RIGHT          149
// Page "Main".
#define IDC_OPT_CORNER          1000
#define IDC_OPT_AUTO_UPDATE     1002
#define IDC_OPT_START_ON_LOG    1003
#define IDC_OPT_HOTKEY          1005
#define IDC_OPT_HOTKEY_CLIP     1006
#define IDC_OPT_CLOSE_OWNED     1007
#define IDC_OPT_ADVANCED        1010
#define IDC_OPT_CURRENT_BROWSER 1011
#define IDC_OPT_ON_TOP          1012
#define IDC_OPT_MOUSE_MOVE      1013
#define IDC_OPT_TRANSPARENT     1014
#define IDC_OPT_BROWSER_NORMAL  1015
#define IDC_OPT_BROWSER_MAX     1016
#define IDC_OPT_BROWSER_MIN     1017
#define IDC_OPT_MODE_SMALL      1019
#define IDC_OPT_MODE_TREE       1020
#define IDC_OPT_MODE_PICTURE    1021
#define IDC_OPT_CLOSE_AFTER     1022
#define IDC_OPT_AUTO_HIDE       1023
#define IDC_OPT_CORNER_PICTURE  1024
#define IDC_OPT_LANGUAGE        1033
// Page "Engines".
#define IDC_ENG_LIST            1004
#define IDC_ENG_HOTKEY          1005
#define IDC_ENG_HOTKEY_CLIP     1006
#define IDC_ENG_FAVORITE        1008
#define IDC_ENG_TRANSLATE_URL   1009
#define IDC_ENG_ADD             1010
#define IDC_ENG_EDIT            1011
#define IDC_ENG_DELETE          1012
#define IDC_ENG_SET_DEFAULT     1013
#define IDC_ENG_LOCAL_TRANSLATOR 1015
#define IDC_ENG_TOOL_TRANSLATOR 1016
// Page "MiniBrowser".
#define IDC_MB_FONT             1000
#define IDC_MB_CTRL_N           1001
#define IDC_MB_BLANK_PAGE       1002
#define IDC_MB_OPEN_HOME        1003
#define IDC_MB_CLOSE_ON_DEFAULT 1004
#define IDC_MB_HOTKEY           1005
#define IDC_MB_SEARCH           1006
#define IDC_MB_ENGINE           1007
#define IDC_MB_CURRENT_PAGE     1008
#define IDC_MB_SAVE_POS         1009
#define IDC_MB_ON_TOP           1010
#define IDC_MB_LINK             1011
#define IDC_MB_FAVORITES        1012
#define IDC_MB_PRINT_LINK       1013
#define IDC_MB_OPEN_LINK        1014
#define IDC_MB_TRANSPARENT      1015
#define IDC_MB_HOME_PAGE        1033
#define IDC_MB_KILL_POPUP       1040
#define IDC_MB_NAV_CLIC         1041
#define IDC_MB_USE_CACHE        1042
#define IDC_MB_WEBALERT         1051
// Dialog 156.
#define IDC_CLICK_PLAIN         1000
#define IDC_CLICK_SHIFT         1001
#define IDC_CLICK_CTRL          1002
#define IDC_CLICK_ALT           1003
#define IDC_CLICK_CLOSE_BUTTON  1006
// Dialog 137.
#define IDC_EDITOR_ENABLE       1003
#define IDC_EDITOR_NAME         1008
#define IDC_EDITOR_PATTERN      1009
#define IDC_EDITOR_BASE         1010
// Help button of dialogs 156 and 137.
#define IDC_OPT_DIALOG_HELP     9
// A search typed while no engine is in use.
#define IDS_NO_ENGINE_SET_UP    5120

// ==== end of options sheet ====

// ==== Mini browser (minibrowser/) ====
#define IDB_MINIBROWSER_TOOLBAR     179   // thirteen 17 x 17 tool bar images, magenta ground
#define IDR_MINIBROWSER_MENU        180   // the tool bar's drop-down menus: Font, Favorites, NewPage, WebAlert
#define IDB_MINIBROWSER_TOOLBAR_HOT 184   // the same images under the mouse
// Commands of the tool bar and the frame.
#define ID_MB_BACK                  2024
#define ID_MB_STOP                  2026
#define ID_MB_REFRESH               2027
#define ID_MB_HOME                  2028
#define ID_MB_SEARCH                2029
#define ID_MB_FORWARD               2030
#define ID_MB_FONT_MENU             2036
#define ID_MB_FAVORITES_MENU        2037
#define ID_MB_DEFAULT_BROWSER       2038
#define ID_MB_CLOSE                 2039
#define ID_MB_NEW_WINDOW_MENU       2040
#define ID_MB_LAUNCHER              2041
#define ID_MB_WEBALERT_MENU         2042
#define ID_MB_PRINT                 57607 // the print command every program knows
#define ID_MB_ZOOM_LARGEST          32794 // ... to 32798, zoom 4 to 0
#define ID_MB_ZOOM_LARGE            32795
#define ID_MB_ZOOM_MEDIUM           32796
#define ID_MB_ZOOM_SMALL            32797
#define ID_MB_ZOOM_SMALLEST         32798
#define ID_MB_NEW_BLANK             32801 // ... to 32804, new-window choices 0 to 3
#define ID_MB_NEW_CURRENT           32802
#define ID_MB_NEW_HOME              32803
#define ID_MB_NEW_CLIPBOARD         32804
#define ID_MB_ADD_FAVORITE          32809
#define ID_MB_ORGANIZE_FAVORITES    32810
#define ID_MB_ADD_WEBALERT          32820
#define ID_MB_CHECK_LINKS           32821
#define ID_MB_OPEN_WEBALERT         32822
// Children of the tool bar.
#define IDC_MB_PROGRESS             1000
#define IDC_MB_ADDRESS              1001
// ==== end of mini browser ====

// ==== Launcher, translator and application core: later additions ====

// ==== end of later additions ====

// ==== Reliability additions (web/, launcher/) ====

// ==== end of reliability additions ====
