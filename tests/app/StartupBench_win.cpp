// Start-up benchmark: time from process start to the tray icon being added, and the idle
// memory after start-up, for Quorvane and for a minimal tray program, in the same run.
// Prints figures; it is not a test. Run: scripts/bench.sh
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/WineTestUtil.h"

namespace {

struct Sample {
    double startMs;
    double workingSetKb;
    double privateKb;
};

// closeMessage/closeParam end the program through its main window (class windowClass).
bool Measure(const std::string& program, const char* windowClass, UINT closeMessage, WPARAM closeParam,
             wt::FakeTray& tray, Sample& sample)
{
    tray.calls.clear();
    wt::Child child;
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!child.Start("\"" + wt::ProgramFolder() + program + "\"")) {
        std::printf("cannot start %s\n", program.c_str());
        return false;
    }
    if (!wt::WaitUntil([&] { return tray.Count(NIM_ADD) > 0; }, 20000)) {
        std::printf("%s added no tray icon\n", program.c_str());
        return false;
    }
    QueryPerformanceCounter(&end);
    sample.startMs = 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);

    wt::PumpMessages(1500);   // let it settle into its idle loop
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(child.Handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    sample.workingSetKb = static_cast<double>(memory.WorkingSetSize) / 1024.0;
    sample.privateKb = static_cast<double>(memory.PrivateUsage) / 1024.0;

    for (HWND w : wt::WindowsOfProcess(child.Id())) {
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        if (lstrcmpA(name, windowClass) == 0)
            PostMessageA(w, closeMessage, closeParam, 0);
    }
    child.WaitExit(10000);
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main()
{
    wt::FakeTray tray;
    const int runs = 7;
    std::vector<double> qStart, qSet, qPrivate, mStart, mSet, mPrivate;
    std::string data = wt::AppDataFolder() + "\\Quorvane";
    for (int i = 0; i < runs; ++i) {
        Sample s;
        wt::DeleteTree(data);   // every run a first start, with the welcome balloon
        if (Measure("Quorvane.exe", "Quorvane", WM_COMMAND, 105 /* Exit */, tray, s)) {
            qStart.push_back(s.startMs);
            qSet.push_back(s.workingSetKb);
            qPrivate.push_back(s.privateKb);
        }
        if (Measure("minimal_tray.exe", "QvMinimalTray", WM_CLOSE, 0, tray, s)) {
            mStart.push_back(s.startMs);
            mSet.push_back(s.workingSetKb);
            mPrivate.push_back(s.privateKb);
        }
    }
    std::printf("start-up to tray icon, median of %d runs under Wine:\n", runs);
    std::printf("  Quorvane      %8.1f ms   working set %8.0f KB   private %8.0f KB\n", Median(qStart), Median(qSet), Median(qPrivate));
    std::printf("  minimal tray  %8.1f ms   working set %8.0f KB   private %8.0f KB\n", Median(mStart), Median(mSet), Median(mPrivate));
    if (Median(mStart) > 0)
        std::printf("  ratio %.2fx (goal 1.5x or less), extra working set %+.0f KB (goal +2048 KB or less)\n",
                    Median(qStart) / Median(mStart), Median(qSet) - Median(mSet));
    wt::DeleteTree(data);
    return 0;
}
