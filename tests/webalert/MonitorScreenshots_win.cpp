// Not a test: pictures of the monitor window for the documentation, in English and French,
// over a few pages in each state, written as monitor-window-<language>.bmp into the folder
// given (scripts/screenshots.sh monitor turns them into PNG files under docs/).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"
#include "webalert/WebAlert_win.h"

namespace {

void Shoot(HINSTANCE instance, const char* language, int option, const std::string& out)
{
    std::string ini = "[Options]\r\nWelCome=1\r\nWebAlertFreq=0\r\nWebAlertShowDisable=1\r\nWebAlertViewMode=1\r\n"
                      "WebAlertPos=60,60,820,340\r\nLanguage=" + std::to_string(option) + "\r\n";
    ini += "[WebAlertUrl]\r\n"
           "WebAlertUrl1=Town news|\"http://news.example.org/town/today.html\"||1|64|0|0|20261207|18:42|4\r\n"
           "WebAlertUrl2=Train timetable|\"http://rail.example.com/timetable?line=12&season=winter\"||1|64|0|0|20261208|09:15|2\r\n"
           "WebAlertUrl3=Weather|\"http://weather.example.net/forecast/paris\"||1|16|0|0|20261205|07:30|11\r\n"
           "WebAlertUrl4=Library opening hours|\"http://library.example.edu/hours\"||1|0|0|0|||0\r\n"
           "WebAlertUrl5=Old forum|\"http://forum.example.com/viewforum.php?f=5&sort=last_post&order=desc&start=0\"||0|0|0|0|20250611|21:03|27\r\n"
           "WebAlertUrl6=Shop prices|\"http://shop.example.com/catalogue/bicycles\"||1|0|0|0|20261130|12:00|6\r\n";
    wt::WriteProgramSettings(ini);
    if (!ProgramStart(instance, ""))
        return;
    // One page changed in this run: the olive rows.
    std::vector<PageId> ids = WebAlertPages().Ids();
    if (ids.size() > 1)
        WebAlertPages().Update(ids[1], [](MonitoredPage& p) { p.state |= kPageChangedThisRun; });
    OpenMonitorWindow(Windows().main, 1);
    HWND monitor = Windows().webAlert;
    if (!monitor)
        return;
    HWND list = GetDlgItem(monitor, IDC_MONITOR_LIST);
    ListView_SetItemState(list, 3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    wt::PumpMessages(800);
    RECT r = {};
    GetWindowRect(monitor, &r);
    InflateRect(&r, 12, 12);
    const std::string name = std::string("monitor-window-") + language + ".bmp";
    wt::SaveScreenBmp(r, out + "\\" + name);
    std::printf("%s\n", name.c_str());
    DestroyWindow(Windows().main);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    DeleteFileA(wt::ProgramSettingsFile().c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: monitor_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    wt::PumpMessages(1500);   // the virtual desktop's taskbar takes its place first
    Shoot(instance, "en", 2, argv[1]);
    Shoot(instance, "fr", 1, argv[1]);
    return 0;
}
