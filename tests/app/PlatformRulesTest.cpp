#include <gtest/gtest.h>

#include "app/BrowserCommand.h"
#include "app/Dates.h"
#include "app/HotkeyValue.h"
#include "app/Language.h"
#include "app/PlatformRules.h"

namespace {

TEST(BrowserCommand, QuotedProgramEndsAtItsClosingQuote)
{
    // Wine's own registration and the common form of every modern browser.
    EXPECT_EQ(BrowserProgramFromCommand("\"C:\\windows\\system32\\winebrowser.exe\" \"%1\""),
              "C:\\windows\\system32\\winebrowser.exe");
    EXPECT_EQ(BrowserProgramFromCommand("\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\""),
              "C:\\Program Files\\Mozilla Firefox\\firefox.exe");
    // Paths holding the characters the older cuts relied on.
    EXPECT_EQ(BrowserProgramFromCommand("\"C:\\Apps\\my-browser, v2\\run.exe\" -new \"%1\""),
              "C:\\Apps\\my-browser, v2\\run.exe");
}

TEST(BrowserCommand, UnquotedProgramEndsAfterItsExe)
{
    EXPECT_EQ(BrowserProgramFromCommand("C:\\PROGRA~1\\INTERN~1\\IEXPLORE.EXE -nohome"),
              "C:\\PROGRA~1\\INTERN~1\\IEXPLORE.EXE");
    EXPECT_EQ(BrowserProgramFromCommand("iexplore.exe,-32528"), "iexplore.exe");
    EXPECT_EQ(BrowserProgramFromCommand("C:\\x-y\\Browser.Exe %1"), "C:\\x-y\\Browser.Exe");
}

TEST(BrowserCommand, WithoutQuotesOrExeTheOlderCutsApply)
{
    EXPECT_EQ(BrowserProgramFromCommand("C:\\tools\\browse -nohome"), "C:\\tools\\browse");
    EXPECT_EQ(BrowserProgramFromCommand("C:\\tools\\browse,1"), "C:\\tools\\browse");
    EXPECT_EQ(BrowserProgramFromCommand("\"C:\\tools\\browse"), "C:\\tools\\browse");
    EXPECT_EQ(BrowserProgramFromCommand(""), "");
}

TEST(Dates, DayNumbersFollowTheGregorianLeapRule)
{
    EXPECT_EQ(DayNumber(1, 1, 1), 1);
    EXPECT_EQ(DayNumber(1, 3, 2000) - DayNumber(28, 2, 2000), 2);
    EXPECT_EQ(DayNumber(1, 3, 2100) - DayNumber(28, 2, 2100), 1);
    EXPECT_EQ(DayNumber(1, 1, 2005) - DayNumber(1, 1, 2004), 366);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2004, 11), 30);
    EXPECT_EQ(DaysInMonth(2004, 12), 31);
}

TEST(Dates, TextFormats)
{
    YearMonthDay d = ParseDate("20040305");
    EXPECT_EQ(d.year, 2004);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 5);
    YearMonthDay none = ParseDate("");
    EXPECT_EQ(none.year + none.month + none.day, 0);
    YearMonthDay shortText = ParseDate("2004");   // never reads past the text
    EXPECT_EQ(shortText.month, 0);
    EXPECT_EQ(SecondsOfTime("01:02:03"), 3723);
    EXPECT_EQ(SecondsOfTime("2:30"), 9000);
    EXPECT_EQ(SecondsOfTime(""), 0);
}

TEST(PlatformRules, AlphaAndFilterAndPlacement)
{
    EXPECT_EQ(AlphaForLevel(10), 180);
    EXPECT_EQ(AlphaForLevel(100), 0);
    EXPECT_EQ(AlphaForLevel(0), 200);
    EXPECT_EQ(AlphaForLevel(101), 254);   // modulo 256, never negative
    std::string filter = FilterForDialog("Wav files|*.wav|");
    EXPECT_EQ(filter, std::string("Wav files\0*.wav\0\0\0", 18));
    ScreenPoint p = BottomRightPosition(1280, 770, 300, 100);
    EXPECT_EQ(p.x, 980);
    EXPECT_EQ(p.y, 670);
}

TEST(HotkeyValue, ConvertsTheControlsBitsToRegistrationModifiers)
{
    EXPECT_EQ(HotkeyModifiers(834), kModControl | kModShift);   // Ctrl+Shift+B
    EXPECT_EQ(HotkeyVirtualKey(834), 'B');
    EXPECT_EQ(HotkeyModifiers(0x0442), kModAlt);
    EXPECT_EQ(HotkeyModifiers(0x0842), 0u);   // unknown high bits are ignored
    EXPECT_NE(HotkeyModifiers(0x0342), HotkeyModifiers(0x0242));   // Ctrl+Shift+B is not Ctrl+B
}

TEST(Language, AutomaticChoiceFollowsTheSixFrenchLocales)
{
    for (int lcid : {1036, 2060, 3084, 4108, 5132, 6156})
        EXPECT_EQ(LanguageIndexFor(0, lcid), 0) << lcid;
    EXPECT_EQ(LanguageIndexFor(0, 1031), 1);   // German: English
    EXPECT_EQ(LanguageIndexFor(0, 1033), 1);
    EXPECT_EQ(LanguageIndexFor(1, 1033), 0);   // forced French
    EXPECT_EQ(LanguageIndexFor(2, 1036), 1);   // forced English
    EXPECT_EQ(LocaleForLanguageIndex(0), 1036);
    EXPECT_EQ(LocaleForLanguageIndex(1), 1033);
    EXPECT_EQ(LocaleForLanguageIndex(4), 4105);
}

} // namespace
