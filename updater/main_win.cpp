// AutoUpdate.EXE: installs a downloaded update of Quorvane once the program has ended, then
// starts it again. Started by the program with "version.$$$,Quorvane.exe", both in this folder.
#include <windows.h>

#include <string>

#include "app/Language.h"
#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "updater/ProgramProcesses_win.h"
#include "updater/UpdaterIds.h"
#include "updater/UpdaterSteps.h"

namespace {

// The program ends about a second after handing over; a slow machine gets ample room.
constexpr DWORD kProgramWaitMs = 30000;
// A silent install of a few files takes seconds; past this something hangs.
constexpr DWORD kInstallerWaitMs = 180000;

const char kProgramWindowClass[] = "Quorvane";

// Exit code of an updater started while another one runs (the others follow UpdaterMessage).
constexpr int kAlreadyUpdating = 100;

struct Run {
    std::string folder;
    UpdaterRequest request;
    DWORD installerExit = 0;
    DWORD error = 0;          // of the step that failed last
    DWORD restoreError = 0;
    DWORD restartError = 0;

    std::string Path(const std::string& name) const
    {
        return !folder.empty() && folder.back() == '\\' ? folder + name : folder + "\\" + name;
    }
};

std::string Number(DWORD value)
{
    return std::to_string(static_cast<unsigned long>(value));
}

std::string OwnFolder()
{
    char path[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    return FolderOfPath(path);
}

bool IsFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

StepResult Outcome(bool ok, DWORD* error)
{
    if (ok)
        return StepResult::Ok;
    *error = GetLastError();
    return StepResult::Failed;
}

StepResult RunInstaller(Run& run)
{
    std::string installer = run.Path(run.request.installer);
    std::string commandLine = InstallerCommandLine(run.folder, run.request.installer);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // The installer keeps the name it was downloaded under: CreateProcess, unlike the shell,
    // runs a program whatever its extension.
    if (!CreateProcessA(installer.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        run.folder.c_str(), &startup, &info)) {
        run.error = GetLastError();
        return StepResult::NotStarted;
    }
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    if (WaitForSingleObject(process.Get(), kInstallerWaitMs) != WAIT_OBJECT_0)
        return StepResult::TimedOut;
    if (!GetExitCodeProcess(process.Get(), &run.installerExit)) {
        run.error = GetLastError();
        run.installerExit = static_cast<DWORD>(-1);
        return StepResult::Failed;
    }
    return run.installerExit == 0 ? StepResult::Ok : StepResult::Failed;
}

StepResult StartProgram(Run& run, bool afterUpdate)
{
    std::string commandLine = ProgramCommandLine(run.folder, run.request.program, afterUpdate);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, run.folder.c_str(),
                        &startup, &info)) {
        run.restartError = GetLastError();
        return StepResult::Failed;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return StepResult::Ok;
}

void Tell(const Run& run, UpdaterMessage message)
{
    UINT id = 0;
    UINT icon = MB_ICONERROR;
    std::string values[3];
    const std::string& program = run.request.program;
    switch (message) {
    case UpdaterMessage::None:
        return;
    case UpdaterMessage::Usage:
        id = IDS_UPD_USAGE;
        icon = MB_ICONINFORMATION;
        break;
    case UpdaterMessage::ProgramStillRunning:
        id = IDS_UPD_STILL_RUNNING;
        icon = MB_ICONWARNING;
        values[0] = program;
        values[1] = Number(kProgramWaitMs / 1000);
        break;
    case UpdaterMessage::InstallerMissing:
        id = IDS_UPD_NO_INSTALLER;
        values[0] = run.request.installer;
        values[1] = run.folder;
        break;
    case UpdaterMessage::BackupFailed:
        id = IDS_UPD_BACKUP_FAILED;
        values[0] = program;
        values[1] = Number(run.error);
        break;
    case UpdaterMessage::InstallerNotStarted:
        id = IDS_UPD_NOT_STARTED;
        values[0] = Number(run.error);
        break;
    case UpdaterMessage::InstallerFailed:
        id = IDS_UPD_INSTALL_FAILED;
        values[0] = Number(run.installerExit);
        break;
    case UpdaterMessage::InstallerTimedOut:
        id = IDS_UPD_TIMED_OUT;
        values[0] = Number(kInstallerWaitMs / 1000);
        break;
    case UpdaterMessage::RestoreFailed:
        id = IDS_UPD_RESTORE_FAILED;
        values[0] = Number(run.installerExit);
        values[1] = program;
        values[2] = Number(run.restoreError);
        break;
    case UpdaterMessage::RestartFailed:
        id = IDS_UPD_RESTART_FAILED;
        values[0] = Number(run.restartError);
        break;
    }
    std::string text = FillPlaceholders(LoadText(id, 2047), values, 3);
    std::string caption = LoadText(IDS_UPD_CAPTION);
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | icon | MB_SETFOREGROUND | MB_TOPMOST);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    SetUiLanguage(IsFrenchLocale(static_cast<int>(GetUserDefaultLCID()))
                      ? MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)
                      : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));

    Run run;
    run.folder = OwnFolder();
    UpdaterProgress progress;
    progress.requestValid = !run.folder.empty() && ParseUpdaterRequest(commandLine ? commandLine : "", &run.request);

    // One updater at a time: a second hand-over while one installs would run the installer
    // twice over the same files. The first one finishes the work.
    UniqueHandle oneAtATime(CreateMutexA(nullptr, FALSE, "Local\\QuorvaneAutoUpdate"));
    if (oneAtATime && GetLastError() == ERROR_ALREADY_EXISTS)
        return kAlreadyUpdating;

    for (;;) {
        UpdaterDecision next = NextUpdaterStep(progress);
        const std::string programPath = run.Path(run.request.program);
        const std::string backupPath = run.Path(BackupName(run.request.program));
        switch (next.step) {
        case UpdaterStep::WaitForProgram:
            progress.programEnded = WaitForProgramToEnd(programPath, kProgramWindowClass, kProgramWaitMs)
                                        ? StepResult::Ok
                                        : StepResult::TimedOut;
            break;
        case UpdaterStep::FindInstaller:
            progress.installerFound = IsFile(run.Path(run.request.installer)) ? StepResult::Ok : StepResult::Failed;
            break;
        case UpdaterStep::BackUpProgram:
            progress.backup = Outcome(CopyFileA(programPath.c_str(), backupPath.c_str(), FALSE) != 0, &run.error);
            break;
        case UpdaterStep::RunInstaller:
            progress.installer = RunInstaller(run);
            break;
        case UpdaterStep::RestoreProgram:
            progress.restore = Outcome(CopyFileA(backupPath.c_str(), programPath.c_str(), FALSE) != 0,
                                       &run.restoreError);
            break;
        case UpdaterStep::CleanUp:
            // Nothing depends on these going: a leftover is only disk space.
            DeleteFileA(run.Path(run.request.installer).c_str());
            DeleteFileA(backupPath.c_str());
            progress.cleanup = StepResult::Ok;
            break;
        case UpdaterStep::RestartUpdated:
            progress.restart = StartProgram(run, true);
            break;
        case UpdaterStep::RestartUnchanged:
            progress.restart = StartProgram(run, false);
            break;
        case UpdaterStep::Finish:
            Tell(run, next.message);
            return UpdaterExitCode(next.message);
        }
    }
}
