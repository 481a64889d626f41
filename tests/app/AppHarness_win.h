#pragma once
// Runs the program's start-up inside the test process, with a recorder in place of the
// shell's tray, and ends it again after each test.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppContext_win.h"
#include "app/MainWindow_win.h"
#include "app/OptionRecord.h"
#include "app/Startup_win.h"
#include "app/TrayIcon_win.h"
#include "app/Win32Profile_win.h"
#include "tests/support/WineTestUtil.h"

struct TrayRecord {
    DWORD operation;
    NOTIFYICONDATAA data;
};

inline std::vector<TrayRecord>& TrayCalls()
{
    static std::vector<TrayRecord> calls;
    return calls;
}

inline BOOL WINAPI RecordTray(DWORD operation, PNOTIFYICONDATAA data)
{
    TrayCalls().push_back({operation, *data});
    return TRUE;
}

class AppHarness : public testing::Test {
protected:
    void SetUp() override
    {
        TrayCalls().clear();
        SetShellNotifyForTests(RecordTray);
        dataFolder_ = wt::AppDataFolder() + "\\Quorvane";
        wt::DeleteTree(dataFolder_);
        Flags() = RunFlags();
    }

    void TearDown() override
    {
        Stop();
        SetShellNotifyForTests(nullptr);
        wt::DeleteTree(dataFolder_);
    }

    // settings: lines of section Options written before the start ("Key=value").
    bool Start(const std::vector<std::string>& settings = {}, const char* commandLine = "")
    {
        if (!settings.empty()) {
            CreateDirectoryA(dataFolder_.c_str(), nullptr);
            std::string text = "[Options]\r\n";
            for (const std::string& line : settings)
                text += line + "\r\n";
            wt::WriteFileText(SettingsFile(), text);
        }
        bool ok = ProgramStart(GetModuleHandleA(nullptr), commandLine);
        main_ = Windows().main;
        return ok;
    }

    void Stop()
    {
        if (main_ && IsWindow(main_))
            DestroyWindow(main_);
        main_ = nullptr;
        // The shut-down posts the end of the message loop; the next test starts afresh.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
        }
    }

    std::string SettingsFile() const
    {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, sizeof path);
        std::string name(path);
        name = name.substr(name.find_last_of('\\') + 1);
        return dataFolder_ + "\\" + name.substr(0, name.rfind('.') + 1) + "INI";
    }

    std::string ReadSetting(const char* section, const char* key)
    {
        char value[1100] = {};
        GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, SettingsFile().c_str());
        return value;
    }

    HWND main_ = nullptr;
    std::string dataFolder_;
};

// Watches the commands and tray requests the main window receives.
class MainWindowSpy {
public:
    explicit MainWindowSpy(HWND main) : main_(main)
    {
        Self() = this;
        previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
    ~MainWindowSpy()
    {
        if (IsWindow(main_))
            SetWindowLongPtrA(main_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        Self() = nullptr;
    }
    MainWindowSpy(const MainWindowSpy&) = delete;
    MainWindowSpy& operator=(const MainWindowSpy&) = delete;

    std::vector<unsigned> commands;
    std::vector<std::pair<WPARAM, LPARAM>> trayRequests;
    // Commands reach the spy only; the real procedure does not run them.
    bool swallowCommands = true;

private:
    static MainWindowSpy*& Self()
    {
        static MainWindowSpy* self = nullptr;
        return self;
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        MainWindowSpy* self = Self();
        if (message == WM_COMMAND) {
            self->commands.push_back(LOWORD(wParam));
            if (self->swallowCommands)
                return 0;
        }
        if (message == 1147 /* UM_TRAYICON */ && lParam == 517) {
            self->trayRequests.emplace_back(wParam, lParam);
            if (self->swallowCommands)
                return 0;   // the real one would track the menu and wait for the user
        }
        return CallWindowProcA(self->previous_, window, message, wParam, lParam);
    }

    HWND main_;
    WNDPROC previous_ = nullptr;
};
