#include "updater/UpdaterSteps.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdaterRequest, TwoPlainNamesAndTheCommandLinesMadeOfThem)
{
    struct {
        const char* parameters;
        const char* read;   // "installer|program", or nullptr: refused
    } cases[] = {
        {"version.$$$,Quorvane.exe", "version.$$$|Quorvane.exe"},
        {"  version.$$$ , Quorvane.exe  ", "version.$$$|Quorvane.exe"},
        {"\"version.$$$,Quorvane.exe\"", "version.$$$|Quorvane.exe"},
        {"\"version.$$$\",\"My Quorvane.exe\"", "version.$$$|My Quorvane.exe"},
        {"version.$$$,Quorvane, Pro.exe", "version.$$$|Quorvane, Pro.exe"},   // only the first comma splits
    };
    for (const auto& c : cases) {
        UpdaterRequest request;
        EXPECT_TRUE(ParseUpdaterRequest(c.parameters, &request)) << c.parameters;
        EXPECT_EQ(request.installer + "|" + request.program, c.read) << c.parameters;
    }
    for (const char* refused : {"", "version.$$$", "version.$$$,", ",Quorvane.exe", "..\\x.exe,Quorvane.exe",
                                "version.$$$,..\\Quorvane.exe", "version.$$$,sub/Quorvane.exe",
                                "C:\\Temp\\evil.exe,Quorvane.exe", "C:evil.exe,Quorvane.exe",
                                "\\\\server\\share\\x.exe,Quorvane.exe", "version.$$$,..", "version.$$$,Quorvane.exe.",
                                "NUL,Quorvane.exe", "version.$$$,com1.exe", "ver*.$$$,Quorvane.exe",
                                "Quorvane.exe,QUORVANE.EXE"}) {
        UpdaterRequest request;
        EXPECT_FALSE(ParseUpdaterRequest(refused, &request)) << refused;
    }
    EXPECT_TRUE(IsPlainFileName(std::string(200, 'a')));
    EXPECT_FALSE(IsPlainFileName(std::string(201, 'a')));
    EXPECT_FALSE(IsPlainFileName(std::string("a\tb")));

    EXPECT_EQ(FolderOfPath("C:\\Programs\\Quorvane\\AutoUpdate.EXE"), "C:\\Programs\\Quorvane");
    EXPECT_EQ(FolderOfPath("C:\\AutoUpdate.EXE"), "C:\\");
    EXPECT_EQ(FolderOfPath("AutoUpdate.EXE"), "");
    // NSIS takes /D= last, unquoted, blanks and all.
    EXPECT_EQ(InstallerCommandLine("C:\\My Programs\\Quorvane", "version.$$$"),
              "\"C:\\My Programs\\Quorvane\\version.$$$\" /S /D=C:\\My Programs\\Quorvane");
    EXPECT_EQ(InstallerCommandLine("C:\\", "version.$$$"), "\"C:\\version.$$$\" /S /D=C:\\");
    EXPECT_EQ(ProgramCommandLine("C:\\Q Q", "Quorvane.exe", true), "\"C:\\Q Q\\Quorvane.exe\" /AU");
    EXPECT_EQ(ProgramCommandLine("C:\\Q", "Quorvane.exe", false), "\"C:\\Q\\Quorvane.exe\"");
    const std::string values[] = {"version.$$$", "C:\\Q"};
    EXPECT_EQ(FillPlaceholders("« %1 » introuvable dans %2 (%3, 100%)", values, 2),
              "« version.$$$ » introuvable dans C:\\Q (%3, 100%)");
}

// Every road through the updater: each row is what happened, and what must come next.
TEST(UpdaterSteps, DecisionTable)
{
    using R = StepResult;
    using S = UpdaterStep;
    using M = UpdaterMessage;
    struct Row {
        const char* road;
        UpdaterProgress progress;
        S step;
        M message;
    };
    using P = UpdaterProgress;   // request valid, program ended, installer found, backup, installer, restore,
                                 // cleanup, restart
    const R _ = R::Pending, ok = R::Ok, no = R::Failed;
    const Row rows[] = {
        {"no request", P{false, _, _, _, _, _, _, _}, S::Finish, M::Usage},
        {"start", P{true, _, _, _, _, _, _, _}, S::WaitForProgram, M::None},
        {"program still runs", P{true, R::TimedOut, _, _, _, _, _, _}, S::Finish, M::ProgramStillRunning},
        {"program ended", P{true, ok, _, _, _, _, _, _}, S::FindInstaller, M::None},
        {"no installer", P{true, ok, no, _, _, _, _, _}, S::RestartUnchanged, M::InstallerMissing},
        {"no installer, restarted", P{true, ok, no, _, _, _, _, ok}, S::Finish, M::InstallerMissing},
        {"no installer, restart failed", P{true, ok, no, _, _, _, _, no}, S::Finish, M::InstallerMissing},
        {"installer there", P{true, ok, ok, _, _, _, _, _}, S::BackUpProgram, M::None},
        {"no backup", P{true, ok, ok, no, _, _, _, _}, S::RestartUnchanged, M::BackupFailed},
        {"backed up", P{true, ok, ok, ok, _, _, _, _}, S::RunInstaller, M::None},
        {"installer hangs", P{true, ok, ok, ok, R::TimedOut, _, _, _}, S::Finish, M::InstallerTimedOut},
        {"installer fails", P{true, ok, ok, ok, no, _, _, _}, S::RestoreProgram, M::None},
        {"installer never ran", P{true, ok, ok, ok, R::NotStarted, _, _, _}, S::RestoreProgram, M::None},
        {"restore fails", P{true, ok, ok, ok, no, no, _, _}, S::Finish, M::RestoreFailed},
        {"restored", P{true, ok, ok, ok, no, ok, _, _}, S::CleanUp, M::None},
        {"restored, cleaned", P{true, ok, ok, ok, no, ok, ok, _}, S::RestartUnchanged, M::InstallerFailed},
        {"restored, restarted", P{true, ok, ok, ok, no, ok, ok, ok}, S::Finish, M::InstallerFailed},
        {"never ran, restarted", P{true, ok, ok, ok, R::NotStarted, ok, ok, ok}, S::Finish, M::InstallerNotStarted},
        {"installed", P{true, ok, ok, ok, ok, _, _, _}, S::CleanUp, M::None},
        {"installed, cleaned", P{true, ok, ok, ok, ok, _, ok, _}, S::RestartUpdated, M::None},
        {"installed, restarted", P{true, ok, ok, ok, ok, _, ok, ok}, S::Finish, M::None},
        {"installed, no restart", P{true, ok, ok, ok, ok, _, ok, no}, S::Finish, M::RestartFailed},
    };
    for (const Row& row : rows) {
        UpdaterDecision decision = NextUpdaterStep(row.progress);
        EXPECT_EQ(decision.step, row.step) << row.road;
        if (decision.step == S::Finish) {
            EXPECT_EQ(decision.message, row.message) << row.road;
        }
    }
    EXPECT_EQ(UpdaterExitCode(M::None), 0);
    EXPECT_NE(UpdaterExitCode(M::InstallerFailed), 0);
}

} // namespace
