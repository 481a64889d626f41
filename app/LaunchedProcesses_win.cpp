#include "app/LaunchedProcesses_win.h"

#include <shellapi.h>

namespace {
bool StillRunning(const LaunchedProcess& record)
{
    DWORD code = 0;
    return record.process && GetExitCodeProcess(record.process.Get(), &code) && code == STILL_ACTIVE;
}
} // namespace

int LaunchedProcessList::Launch(const char* verb, const char* file, const char* parameters,
                                const char* folder, int showMode)
{
    auto record = std::make_unique<LaunchedProcess>();
    record->verb = verb ? verb : "";
    record->file = file ? file : "";
    record->parameters = parameters ? parameters : "";
    record->folder = folder ? folder : "";
    record->showMode = showMode;

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = record->verb.empty() ? nullptr : record->verb.c_str();
    info.lpFile = record->file.c_str();
    info.lpParameters = record->parameters.empty() ? nullptr : record->parameters.c_str();
    info.lpDirectory = record->folder.empty() ? nullptr : record->folder.c_str();
    info.nShow = showMode;
    if (!ShellExecuteExA(&info))
        return 0;
    record->process.Reset(info.hProcess);
    records_.push_back(std::move(record));
    return 1;
}

void LaunchedProcessList::DropEnded()
{
    for (std::size_t i = records_.size(); i-- > 0;)
        if (!StillRunning(*records_[i]))
            records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
}

void LaunchedProcessList::CloseAll()
{
    for (std::size_t i = records_.size(); i-- > 0;)
        if (StillRunning(*records_[i]))
            TerminateProcess(records_[i]->process.Get(), 0);
    records_.clear();
}
