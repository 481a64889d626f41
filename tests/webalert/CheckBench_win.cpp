// Benchmark of a check through the real program: 499 watched pages on the loopback peer, each
// answering after 100 ms (one checked first alone, so that the idle figure includes WinINet),
// "&Check links..." posted to the main window; prints the run's time and the memory it took
// above the idle program. Not a test; scripts/webalert-bench.sh runs it under Wine beside the
// peer (QV_HTTP_PEER).
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/AppContext_win.h"
#include "app/Startup_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"
#include "webalert/WebAlert_win.h"

namespace {

constexpr int kPages = 499;

// The working set, in KB.
double Now()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize / 1024.0;
}

std::string SettingsFile(const std::string& dataFolder)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name(path);
    name = name.substr(name.find_last_of('\\') + 1);
    return dataFolder + "\\" + name.substr(0, name.rfind('.') + 1) + "INI";
}

} // namespace

int main()
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const char* peer = std::getenv("QV_HTTP_PEER");
    if (!peer || !*peer) {
        std::printf("webalert check: no HTTP peer (QV_HTTP_PEER), skipped\n");
        return 0;
    }
    const std::string dataFolder = wt::AppDataFolder() + "\\Quorvane";
    wt::DeleteTree(dataFolder);
    CreateDirectoryA(dataFolder.c_str(), nullptr);
    std::string ini = "[Options]\r\nWelCome=1\r\nWebAlertFreq=0\r\nWebAlertShowProgress=1\r\nWebAlertSound=0\r\n"
                      "WebAlertShowTip=0\r\nWebAlertShowDlg=0\r\n[WebAlertUrl]\r\n";
    for (int i = 1; i <= kPages; ++i)
        ini += "WebAlertUrl" + std::to_string(i) + "=Page " + std::to_string(i) + "|\"http://" + peer +
               "/delay/100/p" + std::to_string(i) + "\"||1|0|0|0|||0\r\n";
    wt::WriteFileText(SettingsFile(dataFolder), ini);

    if (!ProgramStart(GetModuleHandleA(nullptr), "")) {
        std::printf("webalert check: the program did not start\n");
        return 1;
    }
    wt::PumpMessages(1000);
    const double cold = Now();
    // One page first: what loading WinINet costs is not the run's.
    StartPageCheck(Windows().main, WebAlertPages().Ids().back());
    wt::WaitUntil([] { return CheckRunning(); }, 5000);
    wt::WaitUntil([] { return !CheckRunning(); }, 60000);
    wt::PumpMessages(500);
    const double idle = Now();
    double peak = idle;
    const ULONGLONG begin = GetTickCount64();
    PostMessageA(Windows().main, WM_COMMAND, IDM_CHECK_LINKS, 0);
    wt::WaitUntil([] { return CheckRunning(); }, 5000);
    wt::WaitUntil([&] {
        peak = std::max(peak, Now());
        return !CheckRunning();
    }, 300000);
    const double seconds = (GetTickCount64() - begin) / 1000.0;
    int changed = 0;
    for (const MonitoredPage& page : WebAlertPages().Copies())
        changed += page.Modified() ? 1 : 0;
    --changed;   // the first page
    std::printf("webalert check through the program, %d pages of 100 ms: %.2f s, %d stored and marked\n", kPages - 1,
                seconds, changed);
    std::printf("  memory: working set at start %.0f KB, idle after a first one-page check %.0f KB, during the run "
                "up to +%.0f KB\n", cold, idle, peak - idle);
    if (Windows().main)
        DestroyWindow(Windows().main);
    wt::PumpMessages(200);
    wt::DeleteTree(dataFolder);
    return 0;
}
