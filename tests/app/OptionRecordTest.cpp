#include "app/OptionRecord.h"

#include <gtest/gtest.h>

#include "tests/support/MemoryProfile.h"

namespace {

TEST(OptionRecordLoad, EmptyFileGivesTheDocumentedDefaults)
{
    MemoryProfile file;
    OptionRecord o;
    o.CmdClic = 7;   // load must overwrite every value, not only keys present
    LoadOptions(o, file);
    EXPECT_EQ(o.CmdClic, 1);
    EXPECT_EQ(o.Hotkey, 0);
    EXPECT_EQ(o.HotkeyClipboard, 0);
    EXPECT_EQ(o.HotkeyTranslate, 0);
    EXPECT_EQ(o.HotkeyClipboardTranslate, 0);
    EXPECT_EQ(o.HotkeyMiniBrowser, 834);
    EXPECT_EQ(o.StartBrowserMode, 1015);
    EXPECT_EQ(o.HideCorner, 2);
    EXPECT_EQ(o.Welcome, 0);
    EXPECT_EQ(o.PreventClose, 1);
    EXPECT_EQ(o.MiniBrowserCtrlN, 2);
    EXPECT_EQ(o.WebAlertFreqVal, 30);
    EXPECT_EQ(o.WebAlertCMPSizeTol, 64);
    EXPECT_EQ(o.WebAlertViewMode, 1);
    EXPECT_EQ(o.WebAlertSoundName, "notify.wav");
    EXPECT_EQ(o.PosCX, -999);
    EXPECT_EQ(o.TCY, -999);
    EXPECT_EQ(o.MiniBrowserPos[0], 0);
    EXPECT_FALSE(o.UrlMiniBrowserUrl.empty());
    EXPECT_EQ(o.miniBrowserKillPopupNow, 1);
}

TEST(OptionRecordLoad, NonNumericValuesReadAsZeroAndLeadingDigitsCount)
{
    MemoryProfile file;
    file.WriteString("Options", "Language", "abc");
    file.WriteString("Options", "CmdClic", "12abc");
    file.WriteString("Options", "HotkeyMiniBrowser", "");
    OptionRecord o;
    LoadOptions(o, file);
    EXPECT_EQ(o.Language, 0);
    EXPECT_EQ(o.CmdClic, 12);
    EXPECT_EQ(o.HotkeyMiniBrowser, 0);   // present but empty: not the default
}

TEST(OptionRecordLoad, RectanglesApplyOnlyTheNumbersPresent)
{
    MemoryProfile file;
    file.WriteString("Options", "MiniBrowserPos", "10,20");
    file.WriteString("Options", "WebAlertPos", "");
    OptionRecord o;
    o.MiniBrowserPos[2] = 300;
    o.MiniBrowserPos[3] = 400;
    o.WebAlertPos[1] = 5;
    LoadOptions(o, file);
    EXPECT_EQ(o.MiniBrowserPos[0], 10);
    EXPECT_EQ(o.MiniBrowserPos[1], 20);
    EXPECT_EQ(o.MiniBrowserPos[2], 300);
    EXPECT_EQ(o.MiniBrowserPos[3], 400);
    EXPECT_EQ(o.WebAlertPos[1], 5);   // empty value leaves the rectangle alone
}

TEST(OptionRecordLoad, LongTextsAreCutAt1023Characters)
{
    MemoryProfile file;
    std::string longText(3000, 'x');
    file.WriteString("Options", "UrlMiniBrowserUrl", longText.c_str());
    file.WriteString("Smtp", "MailMSG", longText.c_str());
    OptionRecord o;
    LoadOptions(o, file);
    EXPECT_EQ(o.UrlMiniBrowserUrl.size(), 1023u);
    EXPECT_EQ(o.MailMSG.size(), 1023u);
}

TEST(OptionRecordSave, RoundTripsEveryKeyThroughTheOtherCaseSpellings)
{
    OptionRecord a;
    a.StartOnLog = 0; a.StartBrowserMode = 1016; a.AllowOnDrag = 0; a.StartSearchDrag = 0;
    a.Hotkey = 0x0641; a.HotkeyClipboard = 0x0242; a.HotkeyTranslate = 0x0443; a.HotkeyClipboardTranslate = 0x0174;
    a.OnTop = 0; a.CloseAfter = 1; a.PreventClose = 0; a.MainTrans = 1; a.UseCurrentBrowser = 1;
    a.StartTranslator = 1; a.CloseButton = 1; a.OnMouseMove = 1; a.CloseOnlyOwnedWindow = 0;
    a.DialogMode = 1; a.HideCorner = 3; a.Language = 2; a.CmdClic = 5; a.CmdShiftClic = 6;
    a.CmdAltClic = 7; a.CmdCtrlClic = 8; a.HotkeyMiniBrowser = 0x0345; a.UseMiniBrowserSearch = 0;
    a.UseMiniBrowserEngine = 0; a.UseMiniBrowserClose = 0; a.UseMiniBrowserLink = 1;
    a.UseMiniBrowserFavorites = 1; a.UseMiniBrowserWebAlert = 1; a.UseMiniBrowserUrl = 0;
    a.UrlMiniBrowserUrl = "http://home.example/"; a.UseMiniBrowserFont = 1; a.MiniBrowserTrans = 1;
    a.MiniBrowserOnTopSave = 1; a.MiniBrowserKillPopup = 0; a.MiniBrowserNavClic = 0; a.MiniBrowserCtrlN = 3;
    a.MiniBrowserSavePos = 1; a.MiniBrowserUseCache = 1; a.MiniBrowserPrintLink = 0; a.MiniBrowserOpenLink = 0;
    a.WebAlertOnTop = 1; a.WebAlertSound = 0; a.WebAlertFreq = 5; a.WebAlertFreqVal = 7;
    a.WebAlertShowProgress = 0; a.WebAlertShowDlg = 0; a.WebAlertSoundName = "ding.wav"; a.WebAlertShowTip = 1;
    a.WebAlertCMPStrict = 1; a.WebAlertCMPNoScript = 1; a.WebAlertCMPImage = 1; a.WebAlertCMPSize = 0;
    a.WebAlertCMPSizeTol = 9; a.WebAlertOnConnect = 1;
    a.MailSmtp = "smtp.example"; a.MailSender = "me@example"; a.MailTo = "you@example";
    a.MailCC = "cc@example"; a.MailMSG = "changed"; a.MailNoDetailed = 1;

    MemoryProfile file;
    SaveOptions(a, file);
    EXPECT_EQ(file.SpellingOf("Options", "hideCorner"), "HideCorner");
    EXPECT_EQ(file.SpellingOf("Options", "MiniBrowserOnTopSave"), "miniBrowserOnTopSave");
    EXPECT_EQ(file.SpellingOf("Options", "Welcome"), "WelCome");
    EXPECT_EQ(file.ReadString("Options", "Welcome", "", 10), "1");

    OptionRecord b;
    LoadOptions(b, file);
    EXPECT_EQ(b.Welcome, 1);
    b.Welcome = a.Welcome;
    const int OptionRecord::*ints[] = {
        &OptionRecord::StartOnLog, &OptionRecord::StartBrowserMode, &OptionRecord::AllowOnDrag,
        &OptionRecord::StartSearchDrag, &OptionRecord::Hotkey, &OptionRecord::HotkeyClipboard,
        &OptionRecord::HotkeyTranslate, &OptionRecord::HotkeyClipboardTranslate, &OptionRecord::OnTop,
        &OptionRecord::CloseAfter, &OptionRecord::PreventClose, &OptionRecord::MainTrans,
        &OptionRecord::UseCurrentBrowser, &OptionRecord::StartTranslator, &OptionRecord::CloseButton,
        &OptionRecord::OnMouseMove, &OptionRecord::CloseOnlyOwnedWindow, &OptionRecord::DialogMode,
        &OptionRecord::HideCorner, &OptionRecord::Language, &OptionRecord::CmdClic,
        &OptionRecord::CmdShiftClic, &OptionRecord::CmdAltClic, &OptionRecord::CmdCtrlClic,
        &OptionRecord::HotkeyMiniBrowser, &OptionRecord::UseMiniBrowserSearch,
        &OptionRecord::UseMiniBrowserEngine, &OptionRecord::UseMiniBrowserClose,
        &OptionRecord::UseMiniBrowserLink, &OptionRecord::UseMiniBrowserFavorites,
        &OptionRecord::UseMiniBrowserWebAlert, &OptionRecord::UseMiniBrowserUrl,
        &OptionRecord::UseMiniBrowserFont, &OptionRecord::MiniBrowserTrans,
        &OptionRecord::MiniBrowserOnTopSave, &OptionRecord::MiniBrowserKillPopup,
        &OptionRecord::MiniBrowserNavClic, &OptionRecord::MiniBrowserCtrlN,
        &OptionRecord::MiniBrowserSavePos, &OptionRecord::MiniBrowserUseCache,
        &OptionRecord::MiniBrowserPrintLink, &OptionRecord::MiniBrowserOpenLink,
        &OptionRecord::WebAlertOnTop, &OptionRecord::WebAlertSound, &OptionRecord::WebAlertFreq,
        &OptionRecord::WebAlertFreqVal, &OptionRecord::WebAlertShowProgress,
        &OptionRecord::WebAlertShowDlg, &OptionRecord::WebAlertShowTip, &OptionRecord::WebAlertCMPStrict,
        &OptionRecord::WebAlertCMPNoScript, &OptionRecord::WebAlertCMPImage, &OptionRecord::WebAlertCMPSize,
        &OptionRecord::WebAlertCMPSizeTol, &OptionRecord::WebAlertOnConnect, &OptionRecord::MailNoDetailed};
    for (auto field : ints)
        EXPECT_EQ(b.*field, a.*field);
    EXPECT_EQ(b.miniBrowserKillPopupNow, 0);
    EXPECT_EQ(b.UrlMiniBrowserUrl, a.UrlMiniBrowserUrl);
    EXPECT_EQ(b.WebAlertSoundName, a.WebAlertSoundName);
    EXPECT_EQ(b.MailSmtp, a.MailSmtp);
    EXPECT_EQ(b.MailSender, a.MailSender);
    EXPECT_EQ(b.MailTo, a.MailTo);
    EXPECT_EQ(b.MailCC, a.MailCC);
    EXPECT_EQ(b.MailMSG, a.MailMSG);
    // The layout keys are not the options save's business.
    EXPECT_FALSE(file.Has("Options", "PosCX"));
    EXPECT_FALSE(file.Has("Options", "MiniBrowserPos"));
}

TEST(OptionRecordSave, LayoutTouchesOnlyTheKeysOfItsDialogMode)
{
    OptionRecord o;
    o.PosCX = 11; o.PosCY = 12; o.PosTCX = 21; o.PosTCY = 22; o.TCX = 300; o.TCY = 400;
    o.TVExpandTyped = 1; o.MiniBrowserPos[0] = 1; o.MiniBrowserPos[3] = 4;

    MemoryProfile small;
    o.DialogMode = 0;
    SaveLayout(o, small);
    EXPECT_TRUE(small.Has("Options", "PosCX"));
    EXPECT_FALSE(small.Has("Options", "PosTCX"));
    EXPECT_FALSE(small.Has("Options", "TCX"));
    EXPECT_EQ(small.ReadString("Options", "MiniBrowserPos", "", 64), "1,0,0,4");

    MemoryProfile tree;
    o.DialogMode = 1;
    SaveLayout(o, tree);
    EXPECT_FALSE(tree.Has("Options", "PosCX"));
    EXPECT_FALSE(tree.Has("Options", "PosCY"));
    EXPECT_EQ(tree.ReadInt("Options", "TCY", 0), 400);

    OptionRecord back;
    LoadOptions(back, tree);
    EXPECT_EQ(back.PosTCX, 21);
    EXPECT_EQ(back.TVExpandTyped, 1);
    EXPECT_EQ(back.PosCX, -999);
}

TEST(SettingsPath, ReplacesTheExtensionAfterTheLastPoint)
{
    EXPECT_EQ(SettingsPathFor("C:\\data\\Quorvane", "C:\\Program Files\\Q\\Quorvane.exe"),
              "C:\\data\\Quorvane\\Quorvane.INI");
    EXPECT_EQ(SettingsPathFor("C:\\prog\\", "C:\\prog\\my.tool.exe"), "C:\\prog\\my.tool.INI");
    EXPECT_EQ(SettingsPathFor("D:\\d", "Q"), "D:\\d\\Q.INI");
}

} // namespace
