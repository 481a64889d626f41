#pragma once
// Helpers of the Wine tests: real processes, windows, files and a shell tray of our own.
#include <windows.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace wt {

// The folder of the running test program, with a trailing backslash; the test runner copies
// every program of the build there (Quorvane.exe, standin_browser.exe, ...).
std::string ProgramFolder();
std::string ReadFileText(const std::string& path);
bool WriteFileText(const std::string& path, const std::string& text);
bool FileExists(const std::string& path);
// Deletes a folder with everything in it.
void DeleteTree(const std::string& path);
// The AppData value of the user's shell folders.
std::string AppDataFolder();

// The settings file of the program started in this process: <AppData>\Quorvane\<program>.INI.
std::string ProgramSettingsFile();
// Writes it, its folder made first.
bool WriteProgramSettings(const std::string& text);
// Keys of an INI text added, changed or removed from before to after, as "section.key" with the
// key in small letters (the profile functions match keys without regard to case).
std::set<std::string> ChangedIniKeys(const std::string& before, const std::string& after);

// The screen's rectangle, and a window's, as a 24-bit BMP file (the pictures of docs/).
bool SaveScreenBmp(const RECT& area, const std::string& path);
bool SaveWindowBmp(HWND window, const std::string& path);

// The program's MessageBeep calls from any thread, and the type of the last one, counted once
// CountBeeps() pointed this program's import of it here: the code under test stays the real one.
extern std::atomic<int> beeps;
extern std::atomic<UINT> lastBeep;
// False when nothing imports MessageBeep.
bool CountBeeps();
// Points this program's import of a system function at a stand-in; false when nothing imports it.
bool PointImport(const char* function, void* to);

// A visible dialog (#32770) of the thread for which accept holds (any, without it), waited for
// up to timeoutMs without pumping: for a second thread driving the thread's modal loops.
HWND FindThreadDialog(DWORD thread, const std::function<bool(HWND)>& accept = {}, DWORD timeoutMs = 0);

// Runs the messages of this thread until done() holds or the time runs out.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
void PumpMessages(DWORD forMs);

// A child process, ended (if still running) when the object goes.
class Child {
public:
    Child() = default;
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    bool Start(const std::string& commandLine, const char* environment = nullptr);
    // Waits for the exit; true with its code when it ended in time.
    bool WaitExit(DWORD timeoutMs, DWORD* code = nullptr);
    bool Running() const;
    void Kill();
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }

private:
    PROCESS_INFORMATION info_ = {};
};

// Top-level windows of a class (any process).
std::vector<HWND> WindowsOfClass(const char* className);
// Top-level windows of a process.
std::vector<HWND> WindowsOfProcess(DWORD processId);

// A notification area of the tests' own: a window of the shell's tray class that receives
// what Shell_NotifyIcon sends, so that tests see each add, change and delete of an icon.
class FakeTray {
public:
    struct Call {
        DWORD operation;     // NIM_ADD, NIM_MODIFY, NIM_DELETE
        HWND window;
        UINT id;
        UINT flags;
        UINT callbackMessage;
        std::string tip;
        std::string info;
        std::string infoTitle;
    };
    FakeTray();
    ~FakeTray();
    FakeTray(const FakeTray&) = delete;
    FakeTray& operator=(const FakeTray&) = delete;

    bool Ok() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    std::vector<Call> calls;
    // Icons added and not deleted, by (window, id).
    int LiveIcons() const;
    int Count(DWORD operation) const;
    // Tells every top-level window that the shell (re)started.
    void AnnounceTaskbarCreated();

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
};

} // namespace wt
