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
#include "webalert/WebAlert_win.h"

namespace {

void Pump(DWORD forMs)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < forMs);
}

std::string DataFolder()
{
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, "AppData", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
    }
    return std::string(value) + "\\Quorvane";
}

std::string SettingsFile()
{
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string name(program);
    name = name.substr(name.find_last_of('\\') + 1);
    return DataFolder() + "\\" + name.substr(0, name.rfind('.') + 1) + "INI";
}

void WriteText(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void SaveScreen(const RECT& area, const std::string& path)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string data(reinterpret_cast<const char*>(&header), sizeof header);
    data.append(reinterpret_cast<const char*>(&info), sizeof info);
    data.append(pixels.data(), pixels.size());
    WriteText(path, data);
}

void Shoot(HINSTANCE instance, const char* language, int option, const std::string& out)
{
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    std::string ini = "[Options]\r\nWelCome=1\r\nWebAlertFreq=0\r\nWebAlertShowDisable=1\r\nWebAlertViewMode=1\r\n"
                      "WebAlertPos=60,60,820,340\r\nLanguage=" + std::to_string(option) + "\r\n";
    ini += "[WebAlertUrl]\r\n"
           "WebAlertUrl1=Town news|\"http://news.example.org/town/today.html\"||1|64|0|0|20261207|18:42|4\r\n"
           "WebAlertUrl2=Train timetable|\"http://rail.example.com/timetable?line=12&season=winter\"||1|64|0|0|20261208|09:15|2\r\n"
           "WebAlertUrl3=Weather|\"http://weather.example.net/forecast/paris\"||1|16|0|0|20261205|07:30|11\r\n"
           "WebAlertUrl4=Library opening hours|\"http://library.example.edu/hours\"||1|0|0|0|||0\r\n"
           "WebAlertUrl5=Old forum|\"http://forum.example.com/viewforum.php?f=5&sort=last_post&order=desc&start=0\"||0|0|0|0|20250611|21:03|27\r\n"
           "WebAlertUrl6=Shop prices|\"http://shop.example.com/catalogue/bicycles\"||1|0|0|0|20261130|12:00|6\r\n";
    WriteText(SettingsFile(), ini);
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
    Pump(800);
    RECT r = {};
    GetWindowRect(monitor, &r);
    InflateRect(&r, 12, 12);
    const std::string name = std::string("monitor-window-") + language + ".bmp";
    SaveScreen(r, out + "\\" + name);
    std::printf("%s\n", name.c_str());
    DestroyWindow(Windows().main);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    DeleteFileA(SettingsFile().c_str());
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
    Pump(1500);   // the virtual desktop's taskbar takes its place first
    Shoot(instance, "en", 2, argv[1]);
    Shoot(instance, "fr", 1, argv[1]);
    return 0;
}
