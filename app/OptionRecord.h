#pragma once
// Every option of sections "Options" and "Smtp", with the lists the options own. Field names
// are the settings keys (load spelling); see OptionRecord.cpp for the file's rules.
#include <string>

#include "launcher/LinkEntry.h"

class Profile;

struct OptionRecord {
    OptionRecord();
    ~OptionRecord();
    OptionRecord(const OptionRecord&) = delete;
    OptionRecord& operator=(const OptionRecord&) = delete;

    // Section "Options", read at start and written by SaveOptions.
    int StartOnLog = 1;
    int StartBrowserMode = 1015;
    int AllowOnDrag = 1;
    int StartSearchDrag = 1;
    int Hotkey = 0;
    int HotkeyClipboard = 0;
    int HotkeyTranslate = 0;
    int HotkeyClipboardTranslate = 0;
    int OnTop = 1;
    int CloseAfter = 0;
    int PreventClose = 1;
    int MainTrans = 0;
    int UseCurrentBrowser = 0;
    int StartTranslator = 0;
    int CloseButton = 0;
    int OnMouseMove = 0;
    int CloseOnlyOwnedWindow = 1;
    int DialogMode = 0;
    int Welcome = 0;
    int HideCorner = 2;
    int Language = 0;
    int CmdClic = 1;
    int CmdShiftClic = 0;
    int CmdAltClic = 0;
    int CmdCtrlClic = 0;
    int HotkeyMiniBrowser = 834;
    int UseMiniBrowserSearch = 1;
    int UseMiniBrowserEngine = 1;
    int UseMiniBrowserClose = 1;
    int UseMiniBrowserLink = 0;
    int UseMiniBrowserFavorites = 0;
    int UseMiniBrowserWebAlert = 0;
    int UseMiniBrowserUrl = 1;
    std::string UrlMiniBrowserUrl;
    int UseMiniBrowserFont = 3;
    int MiniBrowserTrans = 0;
    int MiniBrowserOnTopSave = 0;
    int MiniBrowserKillPopup = 1;
    int MiniBrowserNavClic = 1;
    int MiniBrowserCtrlN = 2;
    int MiniBrowserSavePos = 0;
    int MiniBrowserUseCache = 0;
    int MiniBrowserPrintLink = 1;
    int MiniBrowserOpenLink = 1;
    int WebAlertOnTop = 0;
    int WebAlertSound = 1;
    int WebAlertFreq = 2;
    int WebAlertFreqVal = 30;
    int WebAlertShowProgress = 1;
    int WebAlertShowDlg = 1;
    std::string WebAlertSoundName;
    int WebAlertShowTip = 0;
    int WebAlertCMPStrict = 0;
    int WebAlertCMPNoScript = 0;
    int WebAlertCMPImage = 0;
    int WebAlertCMPSize = 1;
    int WebAlertCMPSizeTol = 64;
    int WebAlertOnConnect = 0;

    // Section "Options", read at start, written only by SaveLayout.
    int PosCX = -999, PosCY = -999;
    int PosTCX = -999, PosTCY = -999;
    int TCX = -999, TCY = -999;
    int TVExpandSearched = 0;
    int TVExpandFavorite = 0;
    int TVExpandEngine = 0;
    int TVExpandTyped = 0;
    int TVExpandTranslate = 0;
    int TVExpandWebAlert = 0;
    int MiniBrowserPos[4] = {0, 0, 0, 0};
    int WebAlertPos[4] = {0, 0, 0, 0};
    int WebAlertViewMode = 1;
    int WebAlertShowDisable = 0;
    int WebAlertShowUpdated = 0;

    // Section "Options", written with the engine table.
    std::string Favorite;
    std::string TranslateURL;
    // "%04i%02i%02i" date of the last WebAlert check, kept by the check scheduler.
    std::string WebAlertLastCheckDate;

    // Section "Smtp".
    std::string MailSmtp;
    std::string MailSender;
    std::string MailTo;
    std::string MailCC;
    std::string MailMSG;
    int MailNoDetailed = 0;

    // Lists owned by the options, with the working copies the options sheet edits.
    LinkList engines;
    LinkList enginesWork;
    LinkList favorites;
    bool favoritesLoaded = false;

    // Run-time state, never saved.
    int miniBrowserKillPopupNow = 1;   // the current run's pop-up blocking
    int ReferenceMinute = 0;           // minute of the day at start, for the WebAlert schedule
    bool launcherOpenedOnce = false;
    bool startedAfterUpdate = false;
};

// Text values are read into 1024 characters.
constexpr std::size_t kOptionTextChars = 1023;

void LoadOptions(OptionRecord& options, const Profile& profile);
void SaveOptions(const OptionRecord& options, Profile& profile);
void SaveLayout(const OptionRecord& options, Profile& profile);

// The settings file: dataFolder + "\" + the program file's name with its extension made "INI".
std::string SettingsPathFor(const std::string& dataFolder, const std::string& programPath);
