#include "app/OptionRecord.h"

#include <ctime>
#include <string_view>

#include "app/Profile.h"
#include "app/TextUtil.h"

namespace {

const char kOptions[] = "Options";
const char kSmtp[] = "Smtp";

// One integer key of section "Options". The save routine writes some keys in another letter
// case than the load routine reads; keys match without regard to case, so both are kept.
struct IntKey {
    const char* loadName;
    const char* saveName;
    int OptionRecord::*field;
    int defaultValue;
};

// The first table of keys, in the order the save routine writes them.
const IntKey kIntKeys[] = {
    {"StartOnLog", "StartOnLog", &OptionRecord::StartOnLog, 1},
    {"StartBrowserMode", "StartBrowserMode", &OptionRecord::StartBrowserMode, 1015},
    {"AllowOnDrag", "AllowOnDrag", &OptionRecord::AllowOnDrag, 1},
    {"StartSearchDrag", "StartSearchDrag", &OptionRecord::StartSearchDrag, 1},
    {"Hotkey", "Hotkey", &OptionRecord::Hotkey, 0},
    {"HotkeyClipboard", "HotkeyClipboard", &OptionRecord::HotkeyClipboard, 0},
    {"HotkeyTranslate", "HotkeyTranslate", &OptionRecord::HotkeyTranslate, 0},
    {"HotkeyClipboardTranslate", "HotkeyClipboardTranslate", &OptionRecord::HotkeyClipboardTranslate, 0},
    {"OnTop", "OnTop", &OptionRecord::OnTop, 1},
    {"CloseAfter", "CloseAfter", &OptionRecord::CloseAfter, 0},
    {"PreventClose", "PreventClose", &OptionRecord::PreventClose, 1},
    {"MainTrans", "MainTrans", &OptionRecord::MainTrans, 0},
    {"UseCurrentBrowser", "UseCurrentBrowser", &OptionRecord::UseCurrentBrowser, 0},
    {"StartTranslator", "StartTranslator", &OptionRecord::StartTranslator, 0},
    {"CloseButton", "CloseButton", &OptionRecord::CloseButton, 0},
    {"OnMouseMove", "OnMouseMove", &OptionRecord::OnMouseMove, 0},
    {"CloseOnlyOwnedWindow", "closeOnlyOwnedWindow", &OptionRecord::CloseOnlyOwnedWindow, 1},
    {"DialogMode", "DialogMode", &OptionRecord::DialogMode, 0},
    {"Welcome", "WelCome", &OptionRecord::Welcome, 0},
    {"hideCorner", "HideCorner", &OptionRecord::HideCorner, 2},
    {"Language", "Language", &OptionRecord::Language, 0},
    {"CmdClic", "CmdClic", &OptionRecord::CmdClic, 1},
    {"CmdShiftClic", "CmdShiftClic", &OptionRecord::CmdShiftClic, 0},
    {"CmdAltClic", "CmdAltClic", &OptionRecord::CmdAltClic, 0},
    {"CmdCtrlClic", "CmdCtrlClic", &OptionRecord::CmdCtrlClic, 0},
    {"HotkeyMiniBrowser", "hotkeyMiniBrowser", &OptionRecord::HotkeyMiniBrowser, 834},
    {"UseMiniBrowserSearch", "UseMiniBrowserSearch", &OptionRecord::UseMiniBrowserSearch, 1},
    {"UseMiniBrowserEngine", "UseMiniBrowserEngine", &OptionRecord::UseMiniBrowserEngine, 1},
    {"UseMiniBrowserClose", "UseMiniBrowserClose", &OptionRecord::UseMiniBrowserClose, 1},
    {"UseMiniBrowserLink", "UseMiniBrowserLink", &OptionRecord::UseMiniBrowserLink, 0},
    {"UseMiniBrowserFavorites", "UseMiniBrowserFavorites", &OptionRecord::UseMiniBrowserFavorites, 0},
    {"UseMiniBrowserWebAlert", "UseMiniBrowserWebAlert", &OptionRecord::UseMiniBrowserWebAlert, 0},
    {"UseMiniBrowserUrl", "UseMiniBrowserUrl", &OptionRecord::UseMiniBrowserUrl, 1},
    // UrlMiniBrowserUrl (text) is written here.
    {"UseMiniBrowserFont", "UseMiniBrowserFont", &OptionRecord::UseMiniBrowserFont, 3},
    {"MiniBrowserTrans", "MiniBrowserTrans", &OptionRecord::MiniBrowserTrans, 0},
    {"MiniBrowserOnTopSave", "miniBrowserOnTopSave", &OptionRecord::MiniBrowserOnTopSave, 0},
    {"MiniBrowserKillPopup", "miniBrowserKillPopup", &OptionRecord::MiniBrowserKillPopup, 1},
    {"MiniBrowserNavClic", "miniBrowserNavClic", &OptionRecord::MiniBrowserNavClic, 1},
    {"MiniBrowserCtrlN", "miniBrowserCtrlN", &OptionRecord::MiniBrowserCtrlN, 2},
    {"MiniBrowserSavePos", "miniBrowserSavePos", &OptionRecord::MiniBrowserSavePos, 0},
    {"MiniBrowserUseCache", "miniBrowserUseCache", &OptionRecord::MiniBrowserUseCache, 0},
    {"MiniBrowserPrintLink", "miniBrowserPrintLink", &OptionRecord::MiniBrowserPrintLink, 1},
    {"MiniBrowserOpenLink", "miniBrowserOpenLink", &OptionRecord::MiniBrowserOpenLink, 1},
    {"WebAlertOnTop", "WebAlertOnTop", &OptionRecord::WebAlertOnTop, 0},
    {"WebAlertSound", "WebAlertSound", &OptionRecord::WebAlertSound, 1},
    {"WebAlertFreq", "WebAlertFreq", &OptionRecord::WebAlertFreq, 2},
    {"WebAlertFreqVal", "WebAlertFreqVal", &OptionRecord::WebAlertFreqVal, 30},
    {"WebAlertShowProgress", "WebAlertShowProgress", &OptionRecord::WebAlertShowProgress, 1},
    {"WebAlertShowDlg", "WebAlertShowDlg", &OptionRecord::WebAlertShowDlg, 1},
    {"WebAlertShowTip", "WebAlertShowTip", &OptionRecord::WebAlertShowTip, 0},
    // WebAlertSoundName (text) is written here.
    {"WebAlertCMPStrict", "WebAlertCMPStrict", &OptionRecord::WebAlertCMPStrict, 0},
    {"WebAlertCMPNoScript", "WebAlertCMPNoScript", &OptionRecord::WebAlertCMPNoScript, 0},
    {"WebAlertCMPImage", "WebAlertCMPImage", &OptionRecord::WebAlertCMPImage, 0},
    {"WebAlertCMPSize", "WebAlertCMPSize", &OptionRecord::WebAlertCMPSize, 1},
    {"WebAlertCMPSizeTol", "WebAlertCMPSizeTol", &OptionRecord::WebAlertCMPSizeTol, 64},
    {"WebAlertOnConnect", "WebAlertOnConnect", &OptionRecord::WebAlertOnConnect, 0},
};

// Keys read at start but written only by the layout save.
const IntKey kLayoutKeys[] = {
    {"PosCX", "PosCX", &OptionRecord::PosCX, -999},
    {"PosCY", "PosCY", &OptionRecord::PosCY, -999},
    {"PosTCX", "PosTCX", &OptionRecord::PosTCX, -999},
    {"PosTCY", "PosTCY", &OptionRecord::PosTCY, -999},
    {"TCX", "TCX", &OptionRecord::TCX, -999},
    {"TCY", "TCY", &OptionRecord::TCY, -999},
    {"TVExpandSearched", "TVExpandSearched", &OptionRecord::TVExpandSearched, 0},
    {"TVExpandFavorite", "TVExpandFavorite", &OptionRecord::TVExpandFavorite, 0},
    {"TVExpandEngine", "TVExpandEngine", &OptionRecord::TVExpandEngine, 0},
    {"TVExpandTyped", "TVExpandTyped", &OptionRecord::TVExpandTyped, 0},
    {"TVExpandTranslate", "TVExpandTranslate", &OptionRecord::TVExpandTranslate, 0},
    {"TVExpandWebAlert", "TVExpandWebAlert", &OptionRecord::TVExpandWebAlert, 0},
    {"WebAlertViewMode", "WebAlertViewMode", &OptionRecord::WebAlertViewMode, 1},
    {"WebAlertShowDisable", "WebAlertShowDisable", &OptionRecord::WebAlertShowDisable, 0},
    {"WebAlertShowUpdated", "WebAlertShowUpdated", &OptionRecord::WebAlertShowUpdated, 0},
};

const char kDefaultMiniBrowserHome[] = "http://www.google.com/";
const char kDefaultSound[] = "notify.wav";

// "%i,%i,%i,%i": each of the four numbers is applied only when present.
void ReadRect(const Profile& profile, const char* key, int (&rect)[4])
{
    std::string text = profile.ReadString(kOptions, key, "0", kOptionTextChars);
    if (text.empty())
        return;
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        std::size_t comma = text.find(',', start);
        std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        rect[i] = LeadingInt(part.c_str());
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
}

std::string FormatRect(const int (&rect)[4])
{
    return std::to_string(rect[0]) + "," + std::to_string(rect[1]) + "," + std::to_string(rect[2]) +
           "," + std::to_string(rect[3]);
}

std::string ReadText(const Profile& profile, const char* section, const char* key, const char* def)
{
    return profile.ReadString(section, key, def, kOptionTextChars);
}

int MinuteOfDayNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_hour * 60 + local.tm_min;
}

} // namespace

OptionRecord::OptionRecord()
    : UrlMiniBrowserUrl(kDefaultMiniBrowserHome), WebAlertSoundName(kDefaultSound),
      ReferenceMinute(MinuteOfDayNow())
{
}

OptionRecord::~OptionRecord() = default;

void LoadOptions(OptionRecord& o, const Profile& profile)
{
    for (const IntKey& key : kIntKeys)
        o.*key.field = profile.ReadInt(kOptions, key.loadName, key.defaultValue);
    for (const IntKey& key : kLayoutKeys)
        o.*key.field = profile.ReadInt(kOptions, key.loadName, key.defaultValue);

    o.UrlMiniBrowserUrl = ReadText(profile, kOptions, "UrlMiniBrowserUrl", kDefaultMiniBrowserHome);
    o.WebAlertSoundName = ReadText(profile, kOptions, "WebAlertSoundName", kDefaultSound);
    o.Favorite = ReadText(profile, kOptions, "Favorite", "");
    o.TranslateURL = ReadText(profile, kOptions, "TranslateURL", "");
    o.WebAlertLastCheckDate = ReadText(profile, kOptions, "WebAlertLastCheckDate", "");
    ReadRect(profile, "MiniBrowserPos", o.MiniBrowserPos);
    ReadRect(profile, "WebAlertPos", o.WebAlertPos);
    o.miniBrowserKillPopupNow = o.MiniBrowserKillPopup;

    o.MailSmtp = ReadText(profile, kSmtp, "MailSmtp", "");
    o.MailSender = ReadText(profile, kSmtp, "MailSender", "");
    o.MailTo = ReadText(profile, kSmtp, "MailTo", "");
    o.MailCC = ReadText(profile, kSmtp, "MailCC", "");
    o.MailMSG = ReadText(profile, kSmtp, "MailMSG", "");
    o.MailNoDetailed = profile.ReadInt(kSmtp, "MailNoDetailed", 0);
}

void SaveOptions(const OptionRecord& o, Profile& profile)
{
    for (const IntKey& key : kIntKeys) {
        if (key.field == &OptionRecord::Welcome) {
            profile.WriteString(kOptions, key.saveName, "1");   // the welcome is shown by now
            continue;
        }
        profile.WriteInt(kOptions, key.saveName, o.*key.field);
        if (key.field == &OptionRecord::UseMiniBrowserUrl)
            profile.WriteString(kOptions, "UrlMiniBrowserUrl", o.UrlMiniBrowserUrl.c_str());
        else if (key.field == &OptionRecord::WebAlertShowTip)
            profile.WriteString(kOptions, "WebAlertSoundName", o.WebAlertSoundName.c_str());
    }
    profile.WriteString(kSmtp, "MailSmtp", o.MailSmtp.c_str());
    profile.WriteString(kSmtp, "MailSender", o.MailSender.c_str());
    profile.WriteString(kSmtp, "MailTo", o.MailTo.c_str());
    profile.WriteString(kSmtp, "MailCC", o.MailCC.c_str());
    profile.WriteString(kSmtp, "MailMSG", o.MailMSG.c_str());
    profile.WriteInt(kSmtp, "MailNoDetailed", o.MailNoDetailed);
}

void SaveLayout(const OptionRecord& o, Profile& profile)
{
    if (o.DialogMode == 1) {
        profile.WriteInt(kOptions, "PosTCX", o.PosTCX);
        profile.WriteInt(kOptions, "PosTCY", o.PosTCY);
        profile.WriteInt(kOptions, "TCX", o.TCX);
        profile.WriteInt(kOptions, "TCY", o.TCY);
    } else {
        profile.WriteInt(kOptions, "PosCX", o.PosCX);
        profile.WriteInt(kOptions, "PosCY", o.PosCY);
    }
    profile.WriteInt(kOptions, "TVExpandSearched", o.TVExpandSearched);
    profile.WriteInt(kOptions, "TVExpandEngine", o.TVExpandEngine);
    profile.WriteInt(kOptions, "TVExpandTyped", o.TVExpandTyped);
    profile.WriteInt(kOptions, "TVExpandFavorite", o.TVExpandFavorite);
    profile.WriteInt(kOptions, "TVExpandTranslate", o.TVExpandTranslate);
    profile.WriteInt(kOptions, "TVExpandWebAlert", o.TVExpandWebAlert);
    profile.WriteString(kOptions, "MiniBrowserPos", FormatRect(o.MiniBrowserPos).c_str());
    profile.WriteString(kOptions, "WebAlertPos", FormatRect(o.WebAlertPos).c_str());
    profile.WriteInt(kOptions, "WebAlertViewMode", o.WebAlertViewMode);
    profile.WriteInt(kOptions, "WebAlertShowDisable", o.WebAlertShowDisable);
    profile.WriteInt(kOptions, "WebAlertShowUpdated", o.WebAlertShowUpdated);
    profile.WriteInt(kOptions, "WebAlertShowTip", o.WebAlertShowTip);
}

std::string SettingsPathFor(const std::string& dataFolder, const std::string& programPath)
{
    std::size_t slash = programPath.find_last_of("\\/");
    std::string fileName = slash == std::string::npos ? programPath : programPath.substr(slash + 1);
    std::size_t dot = fileName.rfind('.');
    fileName = (dot == std::string::npos ? fileName + "." : fileName.substr(0, dot + 1)) + "INI";
    std::string folder = dataFolder;
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder + fileName;
}
