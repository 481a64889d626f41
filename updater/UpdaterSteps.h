#pragma once
// The updater's course, free of the system: what it was asked to do, the command lines it
// starts, and which step comes next given what has happened so far. main_win.cpp performs
// the steps; keeping the choices here lets them be tested without Windows.
#include <string>

// "installer,program" as the program passes it: two plain file names of the program's folder.
struct UpdaterRequest {
    std::string installer;   // the expanded installer, "version.$$$"
    std::string program;     // the program's file name, "Quorvane.exe"
};

// Reads the parameter string (the command line after the updater's own name). False when
// it does not hold two acceptable names: the updater then touches nothing.
bool ParseUpdaterRequest(const std::string& parameters, UpdaterRequest* request);

// A name the updater may use inside the program's folder: not empty, no folder part (no
// separator, no drive, no ".."), no character Windows refuses in file names, short enough
// to fit a path.
bool IsPlainFileName(const std::string& name);

// The folder the updater runs from, without its trailing backslash (except for a drive root,
// where the backslash stays), from the updater's full path; empty when the path has no folder.
std::string FolderOfPath(const std::string& path);

// NSIS silent install into the program's folder. /D= must come last and unquoted, even when
// the folder has blanks, and without a trailing backslash.
std::string InstallerCommandLine(const std::string& folder, const std::string& installer);

// The program started again; "/AU" tells it that an update was just installed.
std::string ProgramCommandLine(const std::string& folder, const std::string& program, bool afterUpdate);

// Where the running program file is kept while the installer runs, to be put back when it fails.
std::string BackupName(const std::string& program);

enum class StepResult { Pending, Ok, Failed, TimedOut, NotStarted };

// What has happened so far; every step starts Pending and is set once it ran.
struct UpdaterProgress {
    bool requestValid = false;
    StepResult programEnded = StepResult::Pending;   // Ok: ended; TimedOut: still running
    StepResult installerFound = StepResult::Pending;
    StepResult backup = StepResult::Pending;
    StepResult installer = StepResult::Pending;      // Ok: exit code 0; Failed: another code
    StepResult restore = StepResult::Pending;
    StepResult cleanup = StepResult::Pending;
    StepResult restart = StepResult::Pending;
};

enum class UpdaterStep {
    WaitForProgram,     // wait, bounded, for the running program to end
    FindInstaller,
    BackUpProgram,
    RunInstaller,       // start it silently and wait, bounded, for its exit code
    RestoreProgram,     // put the backup back over whatever the installer left
    CleanUp,            // delete the downloaded installer and the backup
    RestartUpdated,     // start the program with "/AU"
    RestartUnchanged,   // start the old program again, without "/AU"
    Finish,
};

// What the user is told at the end; None after a good update.
enum class UpdaterMessage {
    None,
    Usage,                // started without a valid request
    ProgramStillRunning,
    InstallerMissing,
    BackupFailed,
    InstallerNotStarted,
    InstallerFailed,
    InstallerTimedOut,
    RestoreFailed,
    RestartFailed,
};

struct UpdaterDecision {
    UpdaterStep step;
    UpdaterMessage message;   // meaningful with Finish
};

UpdaterDecision NextUpdaterStep(const UpdaterProgress& progress);

// The updater's exit code for a final message: 0 for None.
int UpdaterExitCode(UpdaterMessage message);

// A message text with "%1", "%2"... replaced by the given values, in any order the language
// needs; a placeholder without a value is left as it stands.
std::string FillPlaceholders(const std::string& text, const std::string* values, int count);
