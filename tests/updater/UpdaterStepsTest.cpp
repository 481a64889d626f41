#include "updater/UpdaterSteps.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdaterRequest, AcceptsTwoPlainNamesAndRefusesAnythingElse)
{
    struct Case {
        const char* parameters;
        bool ok;
        const char* installer;
        const char* program;
    };
    const Case cases[] = {
        {"version.$$$,Quorvane.exe", true, "version.$$$", "Quorvane.exe"},
        {"  version.$$$ , Quorvane.exe  ", true, "version.$$$", "Quorvane.exe"},
        {"\"version.$$$,Quorvane.exe\"", true, "version.$$$", "Quorvane.exe"},
        {"\"version.$$$\",\"My Quorvane.exe\"", true, "version.$$$", "My Quorvane.exe"},
        {"", false, "", ""},
        {"version.$$$", false, "", ""},
        {"version.$$$,", false, "", ""},
        {",Quorvane.exe", false, "", ""},
        {"..\\x.exe,Quorvane.exe", false, "", ""},
        {"version.$$$,..\\Quorvane.exe", false, "", ""},
        {"version.$$$,sub/Quorvane.exe", false, "", ""},
        {"C:\\Temp\\evil.exe,Quorvane.exe", false, "", ""},
        {"C:evil.exe,Quorvane.exe", false, "", ""},
        {"\\\\server\\share\\x.exe,Quorvane.exe", false, "", ""},
        {"version.$$$,..", false, "", ""},
        {"version.$$$,Quorvane.exe.", false, "", ""},
        {"NUL,Quorvane.exe", false, "", ""},
        {"version.$$$,com1.exe", false, "", ""},
        {"ver*.$$$,Quorvane.exe", false, "", ""},
        {"Quorvane.exe,QUORVANE.EXE", false, "", ""},
    };
    for (const Case& c : cases) {
        UpdaterRequest request;
        bool ok = ParseUpdaterRequest(c.parameters, &request);
        EXPECT_EQ(ok, c.ok) << c.parameters;
        if (ok && c.ok) {
            EXPECT_EQ(request.installer, c.installer) << c.parameters;
            EXPECT_EQ(request.program, c.program) << c.parameters;
        }
    }
    // A comma may belong to a file name: only the first one separates.
    UpdaterRequest request;
    EXPECT_TRUE(ParseUpdaterRequest("version.$$$,Quorvane, Pro.exe", &request));
    EXPECT_EQ(request.program, "Quorvane, Pro.exe");
    EXPECT_TRUE(IsPlainFileName(std::string(200, 'a')));
    EXPECT_FALSE(IsPlainFileName(std::string(201, 'a')));
    EXPECT_FALSE(IsPlainFileName(std::string("a\tb")));
}

TEST(UpdaterRequest, CommandLinesOfTheInstallerAndTheProgram)
{
    EXPECT_EQ(FolderOfPath("C:\\Users\\Ann\\AppData\\Local\\Programs\\Quorvane\\AutoUpdate.EXE"),
              "C:\\Users\\Ann\\AppData\\Local\\Programs\\Quorvane");
    EXPECT_EQ(FolderOfPath("C:\\AutoUpdate.EXE"), "C:\\");
    EXPECT_EQ(FolderOfPath("AutoUpdate.EXE"), "");

    // NSIS takes /D= last, unquoted, blanks and all.
    EXPECT_EQ(InstallerCommandLine("C:\\My Programs\\Quorvane", "version.$$$"),
              "\"C:\\My Programs\\Quorvane\\version.$$$\" /S /D=C:\\My Programs\\Quorvane");
    EXPECT_EQ(InstallerCommandLine("C:\\", "version.$$$"), "\"C:\\version.$$$\" /S /D=C:\\");
    EXPECT_EQ(ProgramCommandLine("C:\\Q Q", "Quorvane.exe", true), "\"C:\\Q Q\\Quorvane.exe\" /AU");
    EXPECT_EQ(ProgramCommandLine("C:\\Q", "Quorvane.exe", false), "\"C:\\Q\\Quorvane.exe\"");
    EXPECT_EQ(BackupName("Quorvane.exe"), "Quorvane.exe.bak");

    const std::string values[] = {"version.$$$", "C:\\Q"};
    EXPECT_EQ(FillPlaceholders("« %1 » introuvable dans %2 (%3, 100%)", values, 2),
              "« version.$$$ » introuvable dans C:\\Q (%3, 100%)");
    EXPECT_EQ(FillPlaceholders("%2 then %1%", values, 2), "C:\\Q then version.$$$%");
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
    auto P = [](bool valid, R ended, R found, R backup, R installer, R restore, R cleanup, R restart) {
        UpdaterProgress p;
        p.requestValid = valid;
        p.programEnded = ended;
        p.installerFound = found;
        p.backup = backup;
        p.installer = installer;
        p.restore = restore;
        p.cleanup = cleanup;
        p.restart = restart;
        return p;
    };
    const R _ = R::Pending;
    const R ok = R::Ok;
    const R no = R::Failed;
    const Row rows[] = {
        {"no request", P(false, _, _, _, _, _, _, _), S::Finish, M::Usage},
        {"start", P(true, _, _, _, _, _, _, _), S::WaitForProgram, M::None},
        {"program still runs", P(true, R::TimedOut, _, _, _, _, _, _), S::Finish, M::ProgramStillRunning},
        {"program ended", P(true, ok, _, _, _, _, _, _), S::FindInstaller, M::None},
        {"no installer", P(true, ok, no, _, _, _, _, _), S::RestartUnchanged, M::InstallerMissing},
        {"no installer, restarted", P(true, ok, no, _, _, _, _, ok), S::Finish, M::InstallerMissing},
        {"no installer, restart failed", P(true, ok, no, _, _, _, _, no), S::Finish, M::InstallerMissing},
        {"installer there", P(true, ok, ok, _, _, _, _, _), S::BackUpProgram, M::None},
        {"no backup", P(true, ok, ok, no, _, _, _, _), S::RestartUnchanged, M::BackupFailed},
        {"backed up", P(true, ok, ok, ok, _, _, _, _), S::RunInstaller, M::None},
        {"installer hangs", P(true, ok, ok, ok, R::TimedOut, _, _, _), S::Finish, M::InstallerTimedOut},
        {"installer fails", P(true, ok, ok, ok, no, _, _, _), S::RestoreProgram, M::None},
        {"installer never ran", P(true, ok, ok, ok, R::NotStarted, _, _, _), S::RestoreProgram, M::None},
        {"restore fails", P(true, ok, ok, ok, no, no, _, _), S::Finish, M::RestoreFailed},
        {"restored", P(true, ok, ok, ok, no, ok, _, _), S::CleanUp, M::None},
        {"restored, cleaned", P(true, ok, ok, ok, no, ok, ok, _), S::RestartUnchanged, M::InstallerFailed},
        {"restored, restarted", P(true, ok, ok, ok, no, ok, ok, ok), S::Finish, M::InstallerFailed},
        {"never ran, restarted", P(true, ok, ok, ok, R::NotStarted, ok, ok, ok), S::Finish, M::InstallerNotStarted},
        {"installed", P(true, ok, ok, ok, ok, _, _, _), S::CleanUp, M::None},
        {"installed, cleaned", P(true, ok, ok, ok, ok, _, ok, _), S::RestartUpdated, M::None},
        {"installed, restarted", P(true, ok, ok, ok, ok, _, ok, ok), S::Finish, M::None},
        {"installed, no restart", P(true, ok, ok, ok, ok, _, ok, no), S::Finish, M::RestartFailed},
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

// Driving the decisions with a stand-in for the system never loops and never restores or
// restarts after a hang, whatever each step reports.
TEST(UpdaterSteps, EveryRoadEnds)
{
    using R = StepResult;
    for (R ended : {R::Ok, R::TimedOut})
    for (R installer : {R::Ok, R::Failed, R::TimedOut, R::NotStarted})
    for (R restore : {R::Ok, R::Failed})
    for (R restart : {R::Ok, R::Failed}) {
        UpdaterProgress p;
        p.requestValid = true;
        bool restored = false;
        bool restartedAfterUpdate = false;
        bool restarted = false;
        int steps = 0;
        for (;; ++steps) {
            ASSERT_LT(steps, 20);
            UpdaterDecision d = NextUpdaterStep(p);
            if (d.step == UpdaterStep::Finish)
                break;
            switch (d.step) {
            case UpdaterStep::WaitForProgram: p.programEnded = ended; break;
            case UpdaterStep::FindInstaller: p.installerFound = R::Ok; break;
            case UpdaterStep::BackUpProgram: p.backup = R::Ok; break;
            case UpdaterStep::RunInstaller: p.installer = installer; break;
            case UpdaterStep::RestoreProgram: p.restore = restore; restored = true; break;
            case UpdaterStep::CleanUp: p.cleanup = R::Ok; break;
            case UpdaterStep::RestartUpdated: p.restart = restart; restartedAfterUpdate = restarted = true; break;
            case UpdaterStep::RestartUnchanged: p.restart = restart; restarted = true; break;
            case UpdaterStep::Finish: break;
            }
        }
        const bool ran = ended == R::Ok;
        EXPECT_EQ(restartedAfterUpdate, ran && installer == R::Ok);
        EXPECT_EQ(restored, ran && (installer == R::Failed || installer == R::NotStarted));
        // A program that would not end, a hung installer or a failed restore: nothing is started.
        EXPECT_EQ(restarted, ran && installer != R::TimedOut && !(restored && restore == R::Failed));
    }
}

} // namespace
