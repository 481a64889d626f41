#include "updater/ProgramProcesses_win.h"

#include <tlhelp32.h>

#include <vector>

#include "app/WinHandles_win.h"

namespace {

std::string FileNameOf(const std::string& path)
{
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Contains(const std::vector<DWORD>& ids, DWORD id)
{
    for (DWORD known : ids) {
        if (known == id)
            return true;
    }
    return false;
}

// The program is known by its file (any instance started from this folder) and by its main
// window's class (an instance whose path cannot be read).
std::vector<DWORD> ProgramProcessIds(const std::string& programPath, const char* windowClass)
{
    std::vector<DWORD> ids;
    const DWORD self = GetCurrentProcessId();
    const std::string fileName = FileNameOf(programPath);

    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.Get() != INVALID_HANDLE_VALUE && snapshot) {
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
            if (entry.th32ProcessID == self || lstrcmpiA(FileNameOf(entry.szExeFile).c_str(), fileName.c_str()) != 0)
                continue;
            UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
            char image[MAX_PATH * 2] = {};
            DWORD size = sizeof image;
            // A program of the same name elsewhere is not ours; one we may not query may be.
            if (!process || !QueryFullProcessImageNameA(process.Get(), 0, image, &size) ||
                lstrcmpiA(image, programPath.c_str()) == 0)
                ids.push_back(entry.th32ProcessID);
        }
    } else {
        snapshot.Release();
    }

    for (HWND window = FindWindowExA(nullptr, nullptr, windowClass, nullptr); window;
         window = FindWindowExA(nullptr, window, windowClass, nullptr)) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        if (id != 0 && id != self && !Contains(ids, id))
            ids.push_back(id);
    }
    return ids;
}

} // namespace

bool WaitForProgramToEnd(const std::string& programPath, const char* windowClass, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        std::vector<DWORD> ids = ProgramProcessIds(programPath, windowClass);
        if (ids.empty())
            return true;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        // Wait on the first one that can be waited on; the next round looks again, since a
        // process may leave its window behind for a moment or start another.
        UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, ids.front()));
        DWORD slice = static_cast<DWORD>(deadline - now);
        if (process)
            WaitForSingleObject(process.Get(), slice < 500 ? slice : 500);
        else
            Sleep(slice < 100 ? slice : 100);
    }
}
