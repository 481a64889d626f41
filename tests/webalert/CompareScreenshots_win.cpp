// Not a test: opens the comparison window on a small page with a changed, an added and a
// removed line, in English and in French, and saves a picture of each (BMP) into the folder
// given as the argument. scripts/screenshots.sh compare runs it under Wine and turns the
// pictures into the PNG files of docs/.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "resources/ResourceIds.h"
#include "webalert/CompareWindow_win.h"

namespace {

struct Copies {
    LANGID language;
    const char* suffix;
    const char* pageName;
    const char* previous;
    const char* current;
};

const Copies kCopies[] = {
    {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), "en", "Market fruit",
     "<html><head><title>Fruit</title></head><body>\n<h1>Prices &amp; offers</h1>\n<p>Apples 2 euros</p>\n"
     "<p>Pears 3 euros</p>\n<p>Old offer: lemons</p>\n<p>Plums 4 euros</p>\n</body></html>\n",
     "<html><head><title>Fruit</title></head><body>\n<h1>Prices &amp; offers</h1>\n<p>Apples 2 euros</p>\n"
     "<p>Pears 5 euros</p>\n<p>Plums 4 euros</p>\n<p>New: cherries 6 euros</p>\n</body></html>\n"},
    {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), "fr", "Fruits du march\xe9",
     "<html><body>\n<h1>Prix &amp; offres</h1>\n<p>Pommes 2 euros</p>\n<p>Poires 3 euros</p>\n"
     "<p>Ancienne offre : citrons</p>\n<p>Prunes 4 euros</p>\n</body></html>\n",
     "<html><body>\n<h1>Prix &amp; offres</h1>\n<p>Pommes 2 euros</p>\n<p>Poires 5 euros</p>\n"
     "<p>Prunes 4 euros</p>\n<p>Nouveau : cerises 6 euros</p>\n</body></html>\n"},
};

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

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

// The screen's rectangle as a 24-bit BMP file.
bool SaveScreen(const RECT& area, const std::string& path)
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
    std::string pixels(static_cast<std::size_t>(stride) * height, '\0');
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), &pixels[0], reinterpret_cast<BITMAPINFO*>(&info),
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
    return WriteBytes(path, data + pixels);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string out = argv[1];
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    AppContext& app = App();
    app.instance = GetModuleHandleA(nullptr);
    app.smallIcon = static_cast<HICON>(LoadImageA(app.instance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON, 16, 16, 0));
    app.largeIcon = static_cast<HICON>(LoadImageA(app.instance, MAKEINTRESOURCEA(IDI_LARGE), IMAGE_ICON, 32, 32, 0));
    int failures = 0;
    for (const Copies& copies : kCopies) {
        SetUiLanguage(copies.language);
        const std::string previous = out + "\\urBackup.html", current = out + "\\url.html";
        WriteBytes(previous, copies.previous);
        WriteBytes(current, copies.current);
        HWND window = ShowPageComparison(nullptr, copies.pageName, previous, current);
        if (!window) {
            ++failures;
            continue;
        }
        SetWindowPos(window, HWND_TOP, 40, 40, 760, 380, SWP_SHOWWINDOW);
        Pump(500);
        RECT r = {};
        GetWindowRect(window, &r);
        if (!SaveScreen(r, out + "\\compare-window-" + copies.suffix + ".bmp"))
            ++failures;
        DestroyWindow(window);
        DeleteFileA(previous.c_str());
        DeleteFileA(current.c_str());
    }
    return failures;
}
