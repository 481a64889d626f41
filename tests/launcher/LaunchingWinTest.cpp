// Searches, addresses and the tray's opening commands, end to end: the program runs in the
// test process and the stand-in browser records what it was asked to open.
#include <windows.h>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/Subsystems_win.h"
#include "launcher/SubmitText_win.h"
#include "resources/ResourceIds.h"
#include "tests/launcher/LauncherWinFixture_win.h"

namespace {

using lt::LauncherWin;

// Two engines, the second of them the favorite; its pattern holds a literal "%%".
const char kEngines[] =
    "[Searcher]\r\n"
    "Searcher1=First|\"http://first.example/?q=%s\"|http://first.example/|1\r\n"
    "Searcher2=Second|\"http://second.example/find?p=%s&x=%%20\"|http://second.example/|1\r\n"
    "Searcher3=Off|\"http://off.example/?q=%s\"|http://off.example/|0\r\n";

std::string Settings(const std::string& options)
{
    return "[Options]\r\nWelCome=1\r\n" + options + kEngines;
}

// Forwards to the program's executor, noting what the settings file held at each launch.
class WatchingExecutor : public LaunchExecutor {
public:
    explicit WatchingExecutor(std::function<std::string()> look) : look_(std::move(look)) {}
    void TrackedLaunch(const std::string& verb, const std::string& file, const std::string& parameters,
                       int showCommand) override
    {
        seenAtLaunch.push_back(look_());
        ProgramExecutor().TrackedLaunch(verb, file, parameters, showCommand);
    }
    void ShowMiniBrowser(const std::string& address, int cacheFlag) override
    {
        seenAtLaunch.push_back(look_());
        ProgramExecutor().ShowMiniBrowser(address, cacheFlag);
    }
    void BringMiniBrowserToFront() override { ProgramExecutor().BringMiniBrowserToFront(); }

    std::vector<std::string> seenAtLaunch;

private:
    std::function<std::string()> look_;
};

TEST_F(LauncherWin, ASearchIsSavedFirstThenOpensTheFavoriteEngineWithTheEncodedText)
{
    ASSERT_TRUE(StartWithSettings(Settings("Favorite=second\r\nUseMiniBrowserSearch=0\r\n")));
    ASSERT_EQ(Options().engines.size(), 3u) << "the engine table is loaded at start";

    WatchingExecutor watch([&] { return ReadSetting("SaveExpr", "Search1"); });
    std::string text = "  l'\xE9t\xE9 2-3 ";
    EXPECT_EQ(RecordAndLaunch(text, false, watch), 0);
    ASSERT_EQ(watch.seenAtLaunch.size(), 1u);
    EXPECT_EQ(watch.seenAtLaunch[0], text) << "the history is written before the browser starts";

    ASSERT_TRUE(Opened("http://second.example/find?p=l%27%C3%A9t%C3%A9+2%2D3&x=%20")) << Log();
    EXPECT_NE(Log().find(standin_), std::string::npos) << "a new instance of the registered browser";
    EXPECT_EQ(App().launched.Size(), 1u);
    EXPECT_EQ(SearchHistory().Size(), 1u);
}

TEST_F(LauncherWin, AllEnginesStartOneBrowserPerEngineInUse)
{
    ASSERT_TRUE(StartWithSettings(Settings("Favorite=Second\r\nUseCurrentBrowser=1\r\n")));
    EXPECT_EQ(RecordAndLaunch("a+b", true), 0);
    ASSERT_TRUE(Opened("http://first.example/?q=a%2Bb"));
    ASSERT_TRUE(Opened("http://second.example/find?p=a%2Bb&x=%20"));
    wt::PumpMessages(300);
    EXPECT_EQ(Log().find("off.example"), std::string::npos);
    EXPECT_EQ(LoggedLaunches(), 2);
}

TEST_F(LauncherWin, AnAddressIsRecordedAsTypedAndOpenedAsTyped)
{
    ASSERT_TRUE(StartWithSettings(Settings("UseMiniBrowserLink=0\r\n")));
    std::string address = "www.example.org/path?a=1&b=%41";
    EXPECT_EQ(RecordAndLaunch(address, false), 1);
    ASSERT_TRUE(Opened(address)) << Log();
    EXPECT_EQ(lt::ReadRegString(kOwnTypedUrlsKey, "url1"), address);
    EXPECT_EQ(ReadSetting("SaveExpr", "Search1"), "<missing>") << "addresses are not searches";
    ASSERT_EQ(TypedAddresses().Size(), 1u);
}

TEST_F(LauncherWin, TheBrowserIsAskedOfTheSystemAgainForEveryPage)
{
    // At start the registered browser is another program; the user then changes it.
    RegisterBrowser("\"C:\\nowhere\\old_browser.exe\" \"%1\"");
    ASSERT_TRUE(StartWithSettings(Settings("")));
    EXPECT_EQ(App().BrowserProgram, "C:\\nowhere\\old_browser.exe");
    RegisterBrowser("\"" + standin_ + "\" \"%1\"");
    SendMessageA(main_, WM_COMMAND, kEngineCommandBase + 1, 0);
    ASSERT_TRUE(Opened("http://second.example/")) << Log();
    EXPECT_EQ(App().BrowserProgram, standin_);
}

TEST_F(LauncherWin, TrayCommandsOpenEngineHomesTheSiteHelpAndTheMiniBrowserHome)
{
    ASSERT_TRUE(StartWithSettings(Settings("Favorite=Second\r\nUrlMiniBrowserUrl=\r\n")));
    SendMessageA(main_, WM_COMMAND, kEngineCommandBase + 0, 0);
    ASSERT_TRUE(Opened("http://first.example/"));
    // Indices beyond the table do nothing, whatever the range allows.
    SendMessageA(main_, WM_COMMAND, kEngineCommandBase + 3, 0);
    SendMessageA(main_, WM_COMMAND, kEngineCommandBase + 50, 0);

    SendMessageA(main_, WM_COMMAND, IDM_HELP_CONTENT, 0);
    ASSERT_TRUE(Opened("http://www.quorvane.com/helpen/index.htm")) << Log();
    SendMessageA(main_, WM_COMMAND, IDM_HOME_PAGE, 0);
    ASSERT_TRUE(Opened("\" \"http://www.quorvane.com/\"")) << Log();
    // No start address of its own: the mini browser opens the favorite engine's home, which
    // until the mini browser exists goes to the user's browser.
    SendMessageA(main_, WM_COMMAND, IDM_STARTMINIBROWSER, 0);
    ASSERT_TRUE(Opened("http://second.example/")) << Log();
    wt::PumpMessages(300);
    EXPECT_EQ(LoggedLaunches(), 4) << Log();
    EXPECT_EQ(App().launched.Size(), 4u);
}

TEST_F(LauncherWin, HelpFollowsTheContentLanguageAndTheFavoriteEngineHomeOpensAlone)
{
    ASSERT_TRUE(StartWithSettings(Settings("Language=1\r\nFavorite=FIRST\r\nUseMiniBrowserEngine=0\r\n")));
    OpenHelpPage("options4", "smtp");
    ASSERT_TRUE(Opened("http://www.quorvane.com/helpfr/options4.htm#smtp")) << Log();
    OpenFavoriteEngineHome();
    ASSERT_TRUE(Opened("http://first.example/")) << Log();
    wt::PumpMessages(300);
    EXPECT_EQ(Log().find("second.example"), std::string::npos);
}

TEST_F(LauncherWin, HelpOpensTheCopyBesideTheProgramWithItsAnchorElseTheWebSite)
{
    ASSERT_TRUE(StartWithSettings(Settings("Language=2\r\n")));
    // The program's folder with blanks, a "#" and, in the Western code page, an accented letter.
    const bool western = GetACP() == 1252;
    const std::string folder = wt::ProgramFolder() + (western ? "help #1 \xE9\\" : "help #1\\");
    wt::DeleteTree(folder);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder + "helpen").c_str(), nullptr));
    ASSERT_TRUE(wt::WriteFileText(folder + "helpen\\options4.htm", "<p id=\"smtp\">SMTP</p>"));
    const std::string savedProgram = App().programPath;
    App().programPath = folder + "Quorvane.exe";

    std::string url = "file:///" + wt::ProgramFolder() + (western ? "help%20%231%20%C3%A9" : "help%20%231");
    std::replace(url.begin(), url.end(), '\\', '/');
    OpenHelpPage("options4", "smtp");
    EXPECT_TRUE(Opened(url + "/helpen/options4.htm#smtp")) << Log();
    EXPECT_NE(Log().find(standin_), std::string::npos) << "in the user's browser";
    DeleteFileA((folder + "helpen\\options4.htm").c_str());
    OpenHelpPage("options4", "addurl");
    EXPECT_TRUE(Opened("http://www.quorvane.com/helpen/options4.htm#addurl")) << Log();

    App().programPath = savedProgram;
    wt::DeleteTree(folder);
}

TEST_F(LauncherWin, ACommandTextIsHandedToTheShell)
{
    ASSERT_TRUE(StartWithSettings(Settings("")));
    // "exe:" starts the program named, with no address.
    RunCommandText(("exe:" + standin_).c_str());
    ASSERT_TRUE(wt::WaitUntil([] { return wt::WindowsOfClass("QvStandInBrowser").size() == 1; }));
    EXPECT_EQ(App().launched.Size(), 1u);
    EXPECT_EQ(App().launched.At(0).file, standin_);
    EXPECT_EQ(App().launched.At(0).verb, "open");
}

} // namespace
