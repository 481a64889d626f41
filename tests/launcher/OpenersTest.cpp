#include "launcher/Openers.h"

#include <gtest/gtest.h>

#include "app/OptionRecord.h"
#include "launcher/HelpPage.h"
#include "launcher/HotkeyText.h"
#include "launcher/LinkEntry.h"
#include "tests/support/MemoryProfile.h"

namespace {

const char kBrowser[] = "browser.exe";
const char kPath[] = "C:\\Favorites\\Site.url";
// The browser gets each address as one quoted argument (these hold no quote).
std::string Quoted(const std::string& address)
{
    return "\"" + address + "\"";
}

class OpenInternetShortcutTest : public ::testing::Test {
protected:
    OpenInternetShortcutTest() { options.UseCurrentBrowser = 0; }
    LaunchDecision Open() { return OpenInternetShortcut(kPath, file, LaunchContext{options, kBrowser}); }

    OptionRecord options;
    MemoryProfile file;
};

TEST_F(OpenInternetShortcutTest, OpensTheUrlOfTheShortcut)
{
    file.WriteString("InternetShortcut", "URL", "http://site.example/");
    EXPECT_EQ(Open(), LaunchDecision::Launch("open", kBrowser, Quoted("http://site.example/"), kShowNormal));
    options.UseMiniBrowserFavorites = 1;
    EXPECT_EQ(Open(), LaunchDecision::MiniBrowser("http://site.example/", 0));
}

TEST_F(OpenInternetShortcutTest, AnEmptyUrlFallsBackToUrlBase)
{
    file.WriteString("InternetShortcut", "URL", "");
    file.WriteString("DEFAULT", "URLBASE", "http://base.example/");
    EXPECT_EQ(Open().parameters, Quoted("http://base.example/"));
}

TEST_F(OpenInternetShortcutTest, AnEmptyUrlWithoutUrlBaseOpensTheFileItself)
{
    file.WriteString("InternetShortcut", "URL", "");
    EXPECT_EQ(Open().parameters, Quoted(kPath));
}

TEST_F(OpenInternetShortcutTest, AFileThatIsNoShortcutOpensByItsPath)
{
    file.WriteString("DEFAULT", "URLBASE", "http://ignored.example/");   // URL missing: the path wins
    EXPECT_EQ(Open().parameters, Quoted(kPath));
}

TEST_F(OpenInternetShortcutTest, AddressesAreCutAt511Characters)
{
    file.WriteString("InternetShortcut", "URL", ("http://long.example/" + std::string(1000, 'x')).c_str());
    EXPECT_EQ(Open().parameters.size(), 511u + 2);
    MemoryProfile none;
    std::string longPath = "C:\\" + std::string(700, 'p') + ".url";
    EXPECT_EQ(InternetShortcutAddress(longPath, none), longPath.substr(0, 511));
}

TEST_F(OpenInternetShortcutTest, MenuFavoritesOpenTheirStoredAddress)
{
    LaunchContext context{options, kBrowser};
    options.UseMiniBrowserFavorites = 1;
    EXPECT_EQ(OpenFavoriteMenuUrl("http://m.example/", context), LaunchDecision::MiniBrowser("http://m.example/", 0));
    options.UseMiniBrowserFavorites = 0;
    EXPECT_EQ(OpenFavoriteMenuUrl(std::string(600, 'u'), context).parameters.size(), 511u + 2);
}

TEST(IsBrowserWindowToClose, OnlyVisibleIEFrameWindowsWithAnInstance)
{
    EXPECT_TRUE(IsBrowserWindowToClose(true, true, "IEFrame"));
    EXPECT_TRUE(IsBrowserWindowToClose(true, true, "ieframe"));
    EXPECT_FALSE(IsBrowserWindowToClose(true, false, "IEFrame"));
    EXPECT_FALSE(IsBrowserWindowToClose(false, true, "IEFrame"));
    EXPECT_FALSE(IsBrowserWindowToClose(true, true, "IEFrame2"));
    EXPECT_FALSE(IsBrowserWindowToClose(true, true, "Notepad"));
}

class EngineHomeTest : public ::testing::Test {
protected:
    EngineHomeTest()
    {
        o.UseCurrentBrowser = 0;
        o.engines.push_back(std::make_unique<LinkEntry>("Fav", "x%s", "http://off.example/", 0));
        o.engines.push_back(std::make_unique<LinkEntry>("Other", "x%s", "http://other.example/", 1));
        o.engines.push_back(std::make_unique<LinkEntry>("FAV", "x%s", "http://fav1.example/", 1));
        o.engines.push_back(std::make_unique<LinkEntry>("fav", "x%s", "http://fav2.example/", 1));
    }
    OptionRecord o;
    LaunchContext context{o, kBrowser};
};

TEST_F(EngineHomeTest, FavoriteHomeOpensEveryInUseEngineOfThatName)
{
    o.Favorite = "Fav";
    o.UseMiniBrowserEngine = 0;
    EXPECT_EQ(OpenFavoriteEngineHome(context),
              (std::vector<LaunchDecision>{LaunchDecision::Launch("open", kBrowser, Quoted("http://fav1.example/"), kShowNormal),
                                           LaunchDecision::Launch("open", kBrowser, Quoted("http://fav2.example/"), kShowNormal)}));
    o.UseMiniBrowserEngine = 1;
    EXPECT_EQ(OpenFavoriteEngineHome(context)[0], LaunchDecision::MiniBrowser("http://fav1.example/", 0));
    o.Favorite.clear();
    EXPECT_TRUE(OpenFavoriteEngineHome(context).empty());
}

TEST_F(EngineHomeTest, MiniBrowserHomeChoosesItsStartAddress)
{
    o.UseMiniBrowserUrl = 0;
    EXPECT_EQ(OpenMiniBrowserHome(context, true), LaunchDecision::MiniBrowserToFront());
    o.UrlMiniBrowserUrl = "http://start.example/";
    EXPECT_EQ(OpenMiniBrowserHome(context, false), LaunchDecision::MiniBrowser("http://start.example/", 0));
    o.UseMiniBrowserUrl = 1;
    EXPECT_EQ(OpenMiniBrowserHome(context, true), LaunchDecision::MiniBrowser("http://start.example/", 0));
    o.UrlMiniBrowserUrl.clear();
    o.Favorite = "fav";
    EXPECT_EQ(OpenMiniBrowserHome(context, true), LaunchDecision::MiniBrowser("http://fav1.example/", 0));
    o.Favorite.clear();
    EXPECT_EQ(OpenMiniBrowserHome(context, true), LaunchDecision::MiniBrowser("", 0));
}

TEST(ContentLanguage, FollowsTheOptionThenTheFrenchLocales)
{
    EXPECT_EQ(ContentLanguage(2, 1036), 2);
    EXPECT_EQ(ContentLanguage(1, 1033), 1);
    for (int french : {1036, 2060, 3084, 4108, 5132, 6156})
        EXPECT_EQ(ContentLanguage(0, french), 1) << french;
    EXPECT_EQ(ContentLanguage(0, 1033), 2);
    EXPECT_EQ(ContentLanguage(0, 1031), 2);
}

TEST(OpenHelpPage, BuildsTheAddressAndAlwaysStartsTheBrowserProgram)
{
    OptionRecord o;
    o.UseCurrentBrowser = 1;     // not used for help pages
    o.StartBrowserMode = 1016;   // neither is the browser mode
    LaunchContext context{o, kBrowser};
    o.Language = 0;
    EXPECT_EQ(OpenHelpPage("fenetre", "", context, 1036),
              LaunchDecision::Launch("open", kBrowser, Quoted("http://www.quorvane.com/helpfr/fenetre.htm"), kShowNormal));
    EXPECT_EQ(OpenHelpPage("options4", "smtp", context, 1033).parameters,
              Quoted("http://www.quorvane.com/helpen/options4.htm#smtp"));
    o.Language = 2;
    EXPECT_EQ(OpenHelpPage("index", "", context, 1036).parameters, Quoted("http://www.quorvane.com/helpen/index.htm"));
}

TEST(HotkeyText, NamesModifiersAndKeys)
{
    EXPECT_EQ(HotkeyText(0), "");
    EXPECT_EQ(HotkeyText((6 << 8) | 116), "Ctrl+Alt+F5");
    EXPECT_EQ(HotkeyText((1 << 8) | 'A'), "Shift+A");
    EXPECT_EQ(HotkeyText(834), "Ctrl+Shift+B");
    EXPECT_EQ(HotkeyText((7 << 8) | 112), "Ctrl+Shift+Alt+F1");
    EXPECT_EQ(HotkeyText(123), "F12");
    EXPECT_EQ(HotkeyText(124), "|");   // F13 and beyond show their code's character
    EXPECT_EQ(HotkeyText(2 << 8), "Ctrl+");
}

} // namespace
