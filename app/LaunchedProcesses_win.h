#pragma once
// Processes started through the shell on the user's behalf. They are tracked, never owned:
// the user can close every browser the program opened, and leaving the program leaves them
// running.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/WinHandles_win.h"

struct LaunchedProcess {
    UniqueHandle process;   // may be empty when the shell handed the job to a running program
    std::string verb;
    std::string file;
    std::string parameters;
    std::string folder;
    int showMode = SW_SHOW;
};

class LaunchedProcessList {
public:
    // ShellExecuteEx with the arguments; the process is recorded only when the start
    // succeeded. 1 started, 0 failed (nothing is reported to the user).
    int Launch(const char* verb, const char* file, const char* parameters, const char* folder, int showMode);
    // Drops the records whose process has ended or has no usable handle.
    void DropEnded();
    // Ends every tracked process that still runs and empties the list.
    void CloseAll();
    // Forgets every record; the processes keep running.
    void Clear() { records_.clear(); }

    std::size_t Size() const { return records_.size(); }
    const LaunchedProcess& At(std::size_t i) const { return *records_[i]; }

private:
    std::vector<std::unique_ptr<LaunchedProcess>> records_;
};
