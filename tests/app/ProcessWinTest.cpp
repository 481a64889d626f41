// The real program as separate processes: first start, the move of old settings, the single
// instance hand-over, exit, and the language the user's locale selects.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include <gtest/gtest.h>

#include "app/Language.h"
#include "app/ResourceLoader_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"

namespace {

class Program : public testing::Test {
protected:
    void SetUp() override
    {
        dataFolder_ = wt::AppDataFolder() + "\\Quorvane";
        wt::DeleteTree(dataFolder_);
        DeleteFileA(OldSettings().c_str());
    }
    void TearDown() override
    {
        for (wt::Child* child : {&first_, &second_})
            child->Kill();
        wt::DeleteTree(dataFolder_);
        DeleteFileA(OldSettings().c_str());
    }

    std::string Exe() const { return "\"" + wt::ProgramFolder() + "Quorvane.exe\""; }
    std::string Settings() const { return dataFolder_ + "\\Quorvane.INI"; }
    std::string OldSettings() const { return wt::ProgramFolder() + "Quorvane.INI"; }
    std::string Read(const char* key, const std::string& file)
    {
        char value[256] = {};
        GetPrivateProfileStringA("Options", key, "<missing>", value, sizeof value, file.c_str());
        return value;
    }

    // Main windows of the class name, whichever process made them.
    static std::vector<HWND> MainWindows() { return wt::WindowsOfClass("Quorvane"); }

    // Starts the program and waits for its main window.
    HWND StartFirst()
    {
        if (!first_.Start(Exe()))
            return nullptr;
        HWND main = nullptr;
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfProcess(first_.Id())) {
                char name[64] = {};
                GetClassNameA(w, name, sizeof name);
                if (std::string(name) == "Quorvane")
                    main = w;
            }
            return main != nullptr;
        });
        return main;
    }

    bool ExitFirst(HWND main)
    {
        PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
        return first_.WaitExit(10000);
    }

    wt::Child first_, second_;
    std::string dataFolder_;
};

TEST_F(Program, FirstStartMakesTheDataFolderAndTheTrayIconLivesUntilExit)
{
    wt::FakeTray tray;
    ASSERT_TRUE(tray.Ok());
    HWND main = StartFirst();
    ASSERT_NE(main, nullptr);
    // The save after the welcome writes key by key; the "Smtp" section comes last.
    ASSERT_TRUE(wt::WaitUntil([&] {
        char value[16] = {};
        GetPrivateProfileStringA("Smtp", "MailNoDetailed", "", value, sizeof value, Settings().c_str());
        return value[0] != '\0';
    }));
    EXPECT_EQ(Read("WelCome", Settings()), "1");
    EXPECT_EQ(Read("CmdClic", Settings()), "1");
    EXPECT_EQ(Read("hotkeyMiniBrowser", Settings()), "834");
    EXPECT_FALSE(IsWindowVisible(main));

    ASSERT_TRUE(wt::WaitUntil([&] { return tray.Count(NIM_ADD) >= 1; }));
    EXPECT_EQ(tray.calls[0].window, main);
    EXPECT_EQ(tray.calls[0].id, 1u);
    bool welcomed = false;
    for (const auto& call : tray.calls)
        if ((call.flags & NIF_INFO) && call.infoTitle == "Quorvane")
            welcomed = true;
    EXPECT_TRUE(welcomed);

    ASSERT_TRUE(ExitFirst(main));
    EXPECT_EQ(tray.LiveIcons(), 0);

    // A second start: no welcome any more.
    tray.calls.clear();
    main = StartFirst();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(wt::WaitUntil([&] { return tray.Count(NIM_ADD) >= 1; }));
    wt::PumpMessages(300);
    for (const auto& call : tray.calls)
        EXPECT_FALSE(call.flags & NIF_INFO);
    ASSERT_TRUE(ExitFirst(main));
}

TEST_F(Program, OldSettingsBesideTheProgramMoveOnlyWhenTheFolderIsNew)
{
    ASSERT_TRUE(wt::WriteFileText(OldSettings(), "[Options]\r\nCmdClic=7\r\nWelCome=1\r\n"));
    HWND main = StartFirst();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(wt::FileExists(OldSettings()));
    EXPECT_EQ(Read("CmdClic", Settings()), "7");
    ASSERT_TRUE(ExitFirst(main));

    ASSERT_TRUE(wt::WriteFileText(OldSettings(), "[Options]\r\nCmdClic=9\r\n"));
    main = StartFirst();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(wt::FileExists(OldSettings())) << "the data folder existed: nothing moves";
    EXPECT_EQ(Read("CmdClic", Settings()), "7");
    ASSERT_TRUE(ExitFirst(main));
}

TEST_F(Program, ASecondStartHandsOverToTheRunningInstance)
{
    wt::FakeTray tray;
    HWND main = StartFirst();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(wt::WaitUntil([&] { return tray.Count(NIM_ADD) == 1; }));
    std::size_t windowsBefore = wt::WindowsOfProcess(first_.Id()).size();

    ASSERT_TRUE(second_.Start(Exe()));
    DWORD code = 0;
    ASSERT_TRUE(second_.WaitExit(10000, &code));
    EXPECT_NE(code, 0u);
    EXPECT_EQ(MainWindows().size(), 1u);
    EXPECT_EQ(tray.Count(NIM_ADD), 1) << "the second process adds no icon";

    // The running instance got the double click and opened its launcher: a visible dialog of
    // the first process with the launcher's text box.
    HWND launcher = nullptr;
    ASSERT_TRUE(wt::WaitUntil([&] {
        for (HWND w : wt::WindowsOfProcess(first_.Id())) {
            char name[16] = {};
            GetClassNameA(w, name, sizeof name);
            if (std::string(name) == "#32770" && IsWindowVisible(w) && GetDlgItem(w, 1000))
                launcher = w;
        }
        return launcher != nullptr;
    }));
    EXPECT_GT(wt::WindowsOfProcess(first_.Id()).size(), windowsBefore);
    ASSERT_TRUE(ExitFirst(main));
}

// Run under several locales (see CMakeLists.txt): QV_EXPECT is "fr" or "en".
TEST_F(Program, LanguageFollowsTheOptionOrTheUsersLocale)
{
    char expect[8] = {};
    GetEnvironmentVariableA("QV_EXPECT", expect, sizeof expect);
    if (!expect[0])
        GTEST_SKIP() << "runs only under a chosen locale";
    const LANGID french = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    auto title = [](LANGID language) {
        SetUiLanguage(language);
        return LoadText(IDS_TITLE_PREFIX) + " " + LoadText(IDS_TAGLINE);
    };
    const std::string frenchTitle = title(french), englishTitle = title(english);
    ASSERT_NE(frenchTitle, englishTitle);

    struct Case { const char* option; std::string title; };
    const Case cases[] = {
        {"0", std::string(expect) == "fr" ? frenchTitle : englishTitle},
        {"1", frenchTitle},
        {"2", englishTitle},
    };
    for (const Case& c : cases) {
        wt::DeleteTree(dataFolder_);
        CreateDirectoryA(dataFolder_.c_str(), nullptr);
        ASSERT_TRUE(wt::WriteFileText(Settings(), std::string("[Options]\r\nWelCome=1\r\nLanguage=") + c.option + "\r\n"));
        HWND main = StartFirst();
        ASSERT_NE(main, nullptr);
        // The window is made with the class name as its text and gets the title right after.
        char text[256] = {};
        wt::WaitUntil([&] { GetWindowTextA(main, text, sizeof text); return std::string(text) != "Quorvane"; });
        EXPECT_EQ(std::string(text), c.title) << "Language=" << c.option << " under " << expect;
        ASSERT_TRUE(ExitFirst(main));
    }
}

} // namespace
