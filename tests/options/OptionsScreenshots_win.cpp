// Not a test: opens the options sheet in English and French and saves a picture (BMP) of each
// page, of the tray-click dialog and of the engine editor into the folder given as the
// argument. scripts/screenshots.sh options runs it under Wine and makes the PNG files of docs/.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
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

std::string ProgramName()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name(path);
    name = name.substr(name.find_last_of('\\') + 1);
    return name.substr(0, name.rfind('.'));
}

// The window's rectangle of the screen as a 24-bit BMP.
void SaveWindow(HWND window, const std::string& path)
{
    RECT area = {};
    GetWindowRect(window, &area);
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
    std::printf("%s\n", path.c_str());
}

// The enabled dialog of the thread: the sheet, or a dialog over it.
HWND TopDialog(DWORD thread)
{
    HWND found = nullptr;
    for (int i = 0; i < 200 && !found; ++i) {
        EnumThreadWindows(
            thread,
            [](HWND w, LPARAM p) -> BOOL {
                char cls[32] = {};
                GetClassNameA(w, cls, sizeof cls);
                if (std::string(cls) == "#32770" && IsWindowVisible(w) && IsWindowEnabled(w)) {
                    *reinterpret_cast<HWND*>(p) = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (!found)
            Sleep(25);
    }
    return found;
}

void Shoot(const std::string& language, const std::string& out)
{
    DWORD ui = GetCurrentThreadId();
    std::thread driver([&] {
        HWND sheet = TopDialog(ui);
        if (!sheet)
            return;
        SetForegroundWindow(sheet);
        const char* names[] = {"options-main-", "options-engines-", "options-minibrowser-"};
        for (int page = 0; page < 3; ++page) {
            SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
            Sleep(600);
            SaveWindow(sheet, out + "\\" + names[page] + language + ".bmp");
        }
        // The engine editor over the engines page, on its first engine.
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        HWND list = GetDlgItem(page, IDC_ENG_LIST);
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        PostMessageA(page, WM_COMMAND, IDC_ENG_EDIT, 0);
        Sleep(300);
        HWND editor = TopDialog(ui);
        Sleep(500);
        SaveWindow(editor, out + "\\engine-editor-" + language + ".bmp");
        PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
        Sleep(300);
        // The tray-click dialog of the main page.
        SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
        page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        PostMessageA(page, WM_COMMAND, IDC_OPT_ADVANCED, 0);
        Sleep(300);
        HWND clicks = TopDialog(ui);
        Sleep(500);
        SaveWindow(clicks, out + "\\options-advanced-" + language + ".bmp");
        PostMessageA(clicks, WM_COMMAND, IDCANCEL, 0);
        Sleep(300);
        SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    OpenOptionsSheet(Windows().main, 0);
    driver.join();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: options_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string data = DataFolder();
    CreateDirectoryA(data.c_str(), nullptr);
    WriteText(data + "\\" + ProgramName() + ".INI",
              "[Options]\r\nWelCome=1\r\nLanguage=2\r\nStartOnLog=1\r\nCloseAfter=0\r\nhideCorner=2\r\nHotkey=577\r\n"
              "HotkeyClipboard=1602\r\nHotkeyTranslate=1604\r\nFavorite=Google\r\n"
              "TranslateURL=http://translate.example/\r\nUrlMiniBrowserUrl=http://www.example.com/\r\n"
              "[Searcher]\r\n"
              "Searcher1=Google|\"http://www.google.com/search?q=%s\"|http://www.google.com/|1\r\n"
              "Searcher2=AltaVista|\"http://www.altavista.com/web/results?q=%s\"|http://www.altavista.com/|1\r\n"
              "Searcher3=Yahoo!|\"http://search.yahoo.com/search?p=%s\"|http://www.yahoo.com/|1\r\n"
              "Searcher4=Wikipedia|\"http://en.wikipedia.org/wiki/%s\"|http://www.wikipedia.org/|0\r\n");
    if (!ProgramStart(GetModuleHandleA(nullptr), ""))
        return 1;
    Shoot("en", argv[1]);
    ApplyLanguage(1, true);
    Shoot("fr", argv[1]);
    DestroyWindow(Windows().main);
    return 0;
}
