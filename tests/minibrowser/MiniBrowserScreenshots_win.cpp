// Not a test: pictures of a mini browser frame for the documentation, in English and French:
// its caption tool bar, the address bar open with its typed addresses, the progress bar and a
// link under the mouse; written as minibrowser-<language>.bmp into the folder given
// (scripts/screenshots.sh minibrowser turns them into PNG files under docs/). The page itself
// stays empty: the system's HTML engine draws nothing under Wine.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/RegistryTypedAddressStore_win.h"
#include "minibrowser/MiniBrowserApp_win.h"
#include "minibrowser/MiniBrowserFrame_win.h"

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
    WriteText(SettingsFile(), "[Options]\r\nWelCome=1\r\nWebAlertFreq=0\r\nLanguage=" + std::to_string(option) + "\r\n");
    if (!ProgramStart(instance, "") || !CreateMiniBrowserFrame())
        return;
    RegDeleteKeyA(HKEY_CURRENT_USER, kOwnTypedUrlsKey);
    LoadTypedAddresses();
    for (const char* address : {"http://rail.example.com/timetable?line=12", "http://weather.example.net/forecast/paris",
                                "https://www.example.org/news/today.html"})
        TypedAddresses().Add(TypedAddressRegistry(), address);
    MiniBrowserFrame* frame = MiniBrowserApp::Get().MainFrame();
    HWND window = frame->Window();
    MoveWindow(window, 80, 70, 900, 420, FALSE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    frame->SetCurrentAddress("https://www.example.org/news/today.html");
    frame->OnTitle("Today's news");
    frame->OnProgress(60, 100);
    frame->OnStatusText("https://www.example.org/news/yesterday.html");
    Pump(800);
    RECT r = {};
    GetWindowRect(window, &r);
    InflateRect(&r, 12, 12);
    const std::string name = std::string("minibrowser-") + language + ".bmp";
    SaveScreen(r, out + "\\" + name);
    std::printf("%s\n", name.c_str());

    // The address bar, its list dropped down.
    frame->ShowAddressBar(true);
    HWND combo = frame->ToolBar().Address().Window();
    SetWindowTextA(combo, "https://www.example.org/news/");
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(20, 29));
    Pump(800);
    RECT shot = r;
    shot.bottom = r.top + 180;
    const std::string barName = std::string("minibrowser-address-") + language + ".bmp";
    SaveScreen(shot, out + "\\" + barName);
    std::printf("%s\n", barName.c_str());
    DestroyMiniBrowserWindows();
    RegDeleteKeyA(HKEY_CURRENT_USER, kOwnTypedUrlsKey);
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
        std::fprintf(stderr, "usage: minibrowser_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    Pump(1500);   // the virtual desktop's taskbar takes its place first
    Shoot(instance, "en", 2, argv[1]);
    Shoot(instance, "fr", 1, argv[1]);
    return 0;
}
