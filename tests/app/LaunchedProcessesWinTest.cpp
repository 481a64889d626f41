// Tracking of started programs, with the stand-in browser as a real child.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/AppContext_win.h"
#include "app/LaunchedProcesses_win.h"
#include "tests/app/AppHarness_win.h"
#include "tests/support/WineTestUtil.h"

namespace {

class Launched : public testing::Test {
protected:
    void SetUp() override
    {
        log_ = wt::ProgramFolder() + "standin.log";
        DeleteFileA(log_.c_str());
        standin_ = wt::ProgramFolder() + "standin_browser.exe";
    }
    void TearDown() override
    {
        // Whatever still runs is asked to end.
        for (HWND w : wt::WindowsOfClass("QvStandInBrowser"))
            PostMessageA(w, WM_CLOSE, 0, 0);
        wt::WaitUntil([] { return wt::WindowsOfClass("QvStandInBrowser").empty(); }, 5000);
        DeleteFileA(log_.c_str());
    }
    int StandIns() { return static_cast<int>(wt::WindowsOfClass("QvStandInBrowser").size()); }

    std::string log_;
    std::string standin_;
};

TEST_F(Launched, ALaunchIsRecordedAndDroppedOnceItEnds)
{
    LaunchedProcessList list;
    ASSERT_EQ(list.Launch("open", standin_.c_str(), "http://example.com/?q=a+b", "", SW_SHOW), 1);
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.At(0).file, standin_);
    EXPECT_EQ(list.At(0).parameters, "http://example.com/?q=a+b");
    ASSERT_TRUE(wt::WaitUntil([&] { return wt::ReadFileText(log_).find("http://example.com/?q=a+b") != std::string::npos; }));
    ASSERT_TRUE(wt::WaitUntil([&] { return StandIns() == 1; }));
    list.DropEnded();
    EXPECT_EQ(list.Size(), 1u) << "still running";
    PostMessageA(wt::WindowsOfClass("QvStandInBrowser")[0], WM_CLOSE, 0, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { list.DropEnded(); return list.Size() == 0; }));
}

TEST_F(Launched, FailedLaunchRecordsNothing)
{
    LaunchedProcessList list;
    EXPECT_EQ(list.Launch("open", "C:\\no\\such\\browser.exe", "http://x/", "", SW_SHOW), 0);
    EXPECT_EQ(list.Size(), 0u);
}

TEST_F(Launched, CloseAllEndsOnlyWhatTheProgramStarted)
{
    wt::Child users;
    ASSERT_TRUE(users.Start("\"" + standin_ + "\" users-own"));
    LaunchedProcessList list;
    ASSERT_EQ(list.Launch("open", standin_.c_str(), "one", "", SW_SHOW), 1);
    ASSERT_EQ(list.Launch("open", standin_.c_str(), "two", "", SW_SHOW), 1);
    ASSERT_TRUE(wt::WaitUntil([&] { return StandIns() == 3; }));
    list.CloseAll();
    EXPECT_EQ(list.Size(), 0u);
    ASSERT_TRUE(wt::WaitUntil([&] { return StandIns() == 1; }));
    EXPECT_TRUE(users.Running());
}

using LaunchedByTheProgram = AppHarness;

TEST_F(LaunchedByTheProgram, TheHeartbeatDropsEndedProcessesAndExitLeavesTheRestRunning)
{
    ASSERT_TRUE(Start({"WelCome=1"}));
    std::string standin = wt::ProgramFolder() + "standin_browser.exe";
    LaunchedProcessList& list = App().launched;
    ASSERT_EQ(list.Launch("open", standin.c_str(), "ends", "", SW_SHOW), 1);
    ASSERT_EQ(list.Launch("open", standin.c_str(), "stays", "", SW_SHOW), 1);
    ASSERT_TRUE(wt::WaitUntil([] { return wt::WindowsOfClass("QvStandInBrowser").size() == 2; }));
    // End the first one; within about a second the main window's heartbeat forgets it.
    HANDLE first = list.At(0).process.Get();
    TerminateProcess(first, 0);
    ASSERT_TRUE(wt::WaitUntil([&] { return list.Size() == 1; }, 3000));
    EXPECT_EQ(list.At(0).parameters, "stays");

    SendMessageA(main_, WM_COMMAND, 105 /* Exit */, 0);
    EXPECT_EQ(list.Size(), 0u);
    wt::PumpMessages(300);
    EXPECT_EQ(wt::WindowsOfClass("QvStandInBrowser").size(), 1u) << "exit leaves launched browsers running";
    for (HWND w : wt::WindowsOfClass("QvStandInBrowser"))
        PostMessageA(w, WM_CLOSE, 0, 0);
}

} // namespace
