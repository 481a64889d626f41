#pragma once
// The program started inside the test process with the stand-in browser registered as the
// user's browser, so that every page the launcher opens lands in the stand-in's log.
#include <windows.h>

#include <string>
#include <vector>

#include "app/OptionRecord.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/RegistryTypedAddressStore_win.h"
#include "tests/app/AppHarness_win.h"
#include "tests/support/WineTestUtil.h"

namespace lt {

constexpr char kBrowserCommandKey[] = "htmlfile\\shell\\open\\command";

inline std::string RegistryDefault(HKEY root, const char* subkey)
{
    char value[1024] = {};
    LONG size = sizeof value - 1;
    if (RegQueryValueA(root, subkey, value, &size) != ERROR_SUCCESS)
        return std::string();
    return value;
}

inline void SetRegistryDefault(HKEY root, const char* subkey, const std::string& value)
{
    RegSetValueA(root, subkey, REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
}

inline void DeleteKey(const char* subkey)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, subkey);
}

inline void WriteRegString(const char* subkey, const char* name, const std::string& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

inline std::string ReadRegString(const char* subkey, const char* name)
{
    char value[2048] = {};
    DWORD size = sizeof value - 1;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    LONG rc = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? std::string(value) : std::string("<missing>");
}

class LauncherWin : public AppHarness {
protected:
    void SetUp() override
    {
        AppHarness::SetUp();
        standin_ = wt::ProgramFolder() + "standin_browser.exe";
        log_ = wt::ProgramFolder() + "standin.log";
        DeleteFileA(log_.c_str());
        savedBrowserCommand_ = RegistryDefault(HKEY_CLASSES_ROOT, kBrowserCommandKey);
        RegisterBrowser("\"" + standin_ + "\" \"%1\"");
        DeleteKey(kOwnTypedUrlsKey);
        DeleteKey(kExplorerTypedUrlsKey);
        LoadTypedAddresses();
        Options().favoritesLoaded = false;
        Options().favorites.clear();
    }

    void TearDown() override
    {
        // The stand-ins the program started are ended, also one that logged its start but has
        // no window yet: asked to close until it ends, else terminated.
        std::vector<HANDLE> started;
        for (std::size_t i = 0; i < App().launched.Size(); ++i) {
            HANDLE copy = nullptr;
            if (DuplicateHandle(GetCurrentProcess(), App().launched.At(i).process.Get(), GetCurrentProcess(), &copy,
                                0, FALSE, DUPLICATE_SAME_ACCESS))
                started.push_back(copy);
        }
        AppHarness::TearDown();
        App().launched.Clear();
        wt::WaitUntil([&] {
            for (HWND w : wt::WindowsOfClass("QvStandInBrowser"))
                PostMessageA(w, WM_CLOSE, 0, 0);
            for (HANDLE process : started)
                if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT)
                    return false;
            return true;
        }, 5000);
        for (HANDLE process : started) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
        DeleteFileA(log_.c_str());
        SetRegistryDefault(HKEY_CLASSES_ROOT, kBrowserCommandKey, savedBrowserCommand_);
        DeleteKey(kOwnTypedUrlsKey);
        DeleteKey(kExplorerTypedUrlsKey);
        LoadTypedAddresses();
        SearchHistory().Clear();
        TranslationHistory().Clear();
    }

    static void RegisterBrowser(const std::string& command)
    {
        SetRegistryDefault(HKEY_CLASSES_ROOT, kBrowserCommandKey, command);
    }

    // Starts the program on a settings file of these lines (sections included).
    bool StartWithSettings(const std::string& ini)
    {
        CreateDirectoryA(dataFolder_.c_str(), nullptr);
        wt::WriteFileText(SettingsFile(), ini);
        return Start();
    }

    std::string Log() const { return wt::ReadFileText(log_); }

    // Waits for a stand-in to log a command line holding text.
    bool Opened(const std::string& text, DWORD timeoutMs = 10000)
    {
        return wt::WaitUntil([&] { return Log().find(text) != std::string::npos; }, timeoutMs);
    }

    // The command lines logged so far, one a line.
    int LoggedLaunches() const
    {
        std::string log = Log();
        int lines = 0;
        for (char c : log)
            lines += c == '\n';
        return lines;
    }

    std::string standin_;
    std::string log_;
    std::string savedBrowserCommand_;
};

} // namespace lt
