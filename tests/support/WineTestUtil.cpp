#include "tests/support/WineTestUtil.h"

#include <shellapi.h>

#include <cctype>
#include <cstring>
#include <map>

namespace wt {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path);
    return text.substr(0, text.find_last_of('\\') + 1);
}

std::string ReadFileText(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

bool WriteFileText(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void DeleteTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

std::string AppDataFolder()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::string();
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    RegQueryValueExA(key, "AppData", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return value;
}

std::string ProgramSettingsFile()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    return AppDataFolder() + "\\Quorvane\\" + name.substr(0, name.rfind('.') + 1) + "INI";
}

bool WriteProgramSettings(const std::string& text)
{
    CreateDirectoryA((AppDataFolder() + "\\Quorvane").c_str(), nullptr);
    return WriteFileText(ProgramSettingsFile(), text);
}

namespace {

std::map<std::string, std::string> IniValues(const std::string& text)
{
    std::map<std::string, std::string> values;
    std::string section;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::size_t equal = line.find('=');
        if (line.size() > 1 && line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
        } else if (equal != std::string::npos) {
            std::string key = line.substr(0, equal);
            for (char& c : key)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            values[section + "." + key] = line.substr(equal + 1);
        }
    }
    return values;
}

} // namespace

std::set<std::string> ChangedIniKeys(const std::string& before, const std::string& after)
{
    const auto a = IniValues(before), b = IniValues(after);
    std::set<std::string> changed;
    for (const auto& [key, value] : b)
        if (!a.count(key) || a.at(key) != value)
            changed.insert(key);
    for (const auto& [key, value] : a)
        if (!b.count(key))
            changed.insert(key);
    return changed;
}

bool SaveScreenBmp(const RECT& area, const std::string& path)
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
    return WriteFileText(path, data + pixels);
}

bool SaveWindowBmp(HWND window, const std::string& path)
{
    RECT area = {};
    return GetWindowRect(window, &area) && SaveScreenBmp(area, path);
}

std::atomic<int> beeps{0};
std::atomic<UINT> lastBeep{0};

namespace {

BOOL WINAPI CountBeep(UINT type)
{
    lastBeep = type;
    return ++beeps > 0;
}

} // namespace

bool PointImport(const char* function, void* to)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); d->Name; ++d) {
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; d->OriginalFirstThunk && name->u1.AddressOfData; ++name, ++slot) {
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) && std::strcmp(byName->Name, function) == 0) {
                DWORD old = 0;
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(to);
                return VirtualProtect(slot, sizeof *slot, old, &old);
            }
        }
    }
    return false;
}

bool CountBeeps()
{
    return PointImport("MessageBeep", reinterpret_cast<void*>(&CountBeep));
}

HWND FindThreadDialog(DWORD thread, const std::function<bool(HWND)>& accept, DWORD timeoutMs)
{
    struct Search {
        const std::function<bool(HWND)>* accept;
        HWND found;
    } search{&accept, nullptr};
    const DWORD start = GetTickCount();
    for (;;) {
        EnumThreadWindows(
            thread,
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                char cls[32] = {};
                GetClassNameA(w, cls, sizeof cls);
                if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(w) || (*s->accept && !(*s->accept)(w)))
                    return TRUE;
                s->found = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() - start >= timeoutMs)
            return search.found;
        Sleep(20);
    }
}

void PumpMessages(DWORD forMs)
{
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < forMs);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(20);
    }
}

Child::~Child()
{
    Kill();
}

bool Child::Start(const std::string& commandLine, const char* environment)
{
    Kill();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, const_cast<char*>(environment),
                        nullptr, &startup, &info_)) {
        info_ = {};
        return false;
    }
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
    return true;
}

bool Child::WaitExit(DWORD timeoutMs, DWORD* code)
{
    if (!info_.hProcess)
        return true;
    DWORD start = GetTickCount();
    while (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpMessages(20);   // our own windows (a fake tray) must keep answering
    }
    if (code)
        GetExitCodeProcess(info_.hProcess, code);
    return true;
}

bool Child::Running() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void Child::Kill()
{
    if (!info_.hProcess)
        return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 9);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    info_ = {};
}

namespace {
struct Search {
    const char* className;
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param)
{
    Search& search = *reinterpret_cast<Search*>(param);
    if (search.className) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, search.className) == 0)
            search.found.push_back(window);
    } else {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == search.processId)
            search.found.push_back(window);
    }
    return TRUE;
}
} // namespace

std::vector<HWND> WindowsOfClass(const char* className)
{
    Search search{className, 0, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> WindowsOfProcess(DWORD processId)
{
    Search search{nullptr, processId, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What the shell's notify-icon call hands the tray window (Wine's layout).
struct NotifyData {
    LONG hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    UINT uTimeout;
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
};

std::string Narrow(const WCHAR* text, std::size_t max)
{
    char out[512] = {};
    std::size_t n = 0;
    while (n < max && text[n])
        ++n;
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(n), out, sizeof out - 1, nullptr, nullptr);
    return out;
}

FakeTray::FakeTray()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              wc.hInstance, nullptr);
    if (window_)
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeTray::~FakeTray()
{
    if (window_)
        DestroyWindow(window_);
}

LRESULT CALLBACK FakeTray::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        auto* self = reinterpret_cast<FakeTray*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        auto* copy = reinterpret_cast<COPYDATASTRUCT*>(lParam);
        if (self && copy && copy->cbData >= sizeof(NotifyData)) {
            const auto* data = static_cast<const NotifyData*>(copy->lpData);
            Call call;
            call.operation = static_cast<DWORD>(copy->dwData);
            call.window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(data->hWnd));
            call.id = data->uID;
            call.flags = data->uFlags;
            call.callbackMessage = data->uCallbackMessage;
            call.tip = Narrow(data->szTip, 128);
            call.info = Narrow(data->szInfo, 256);
            call.infoTitle = Narrow(data->szInfoTitle, 64);
            self->calls.push_back(call);
        }
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int FakeTray::LiveIcons() const
{
    std::vector<std::pair<HWND, UINT>> live;
    for (const Call& call : calls) {
        std::pair<HWND, UINT> key(call.window, call.id);
        auto it = live.begin();
        while (it != live.end() && *it != key)
            ++it;
        if (call.operation == NIM_ADD && it == live.end())
            live.push_back(key);
        else if (call.operation == NIM_DELETE && it != live.end())
            live.erase(it);
    }
    return static_cast<int>(live.size());
}

int FakeTray::Count(DWORD operation) const
{
    int n = 0;
    for (const Call& call : calls)
        if (call.operation == operation)
            ++n;
    return n;
}

void FakeTray::AnnounceTaskbarCreated()
{
    UINT message = RegisterWindowMessageA("TaskbarCreated");
    SendMessageTimeoutA(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
}

} // namespace wt
