// Stands in for the user's web browser in the Wine tests: appends its command line to a log
// (the file named by QV_STANDIN_LOG, else standin.log beside the program) and stays running
// until its hidden window is closed or the event "QvStandInExit" is set.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string LogPath()
{
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("QV_STANDIN_LOG", path, sizeof path) && path[0])
        return path;
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "standin.log";
}

void AppendLine(const std::string& line)
{
    // Several stand-ins may start at once: the log is opened for appending, one write a line.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 50 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileA(LogPath().c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            Sleep(20);
    }
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    AppendLine(GetCommandLineA());

    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "QvStandInBrowser";
    RegisterClassA(&wc);
    std::string title = std::to_string(GetCurrentProcessId());
    CreateWindowA(wc.lpszClassName, title.c_str(), WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);

    HANDLE exitEvent = CreateEventA(nullptr, TRUE, FALSE, "QvStandInExit");
    MSG msg;
    for (;;) {
        DWORD wait = MsgWaitForMultipleObjects(1, &exitEvent, FALSE, INFINITE, QS_ALLINPUT);
        if (wait == WAIT_OBJECT_0)
            break;
        bool quit = false;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                quit = true;
            DispatchMessageA(&msg);
        }
        if (quit)
            break;
    }
    CloseHandle(exitEvent);
    return 0;
}
