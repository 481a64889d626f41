#pragma once
// The update's course on Win32: the check and download, the installation of a waiting
// download, the periodic check, the news and the settings.
#include <windows.h>

#include <string>

#include "update/UpdateRules.h"
#include "update/UpdateSite.h"

struct UpdateManager {
    UpdateSettings settings;
    std::string newVersion;     // the newest version text seen in the description
    std::int64_t size = 0;      // the announced size of the installer
    bool Silent = false;        // an automatic check runs
};

UpdateManager& Updates();

void LoadUpdateSettingsNow();
void SaveUpdateSettingsNow();
// The update files in the program's folder.
UpdateFiles ProgramUpdateFiles();

void CheckForUpdate(const char* ownVersion);
void AutoCheck(const char* ownVersion);
bool IsUpdateReady(const char* ownVersion);
// True when a waiting update was there and passed its checks (whatever the user chose).
bool InstallUpdate(const char* ownVersion);
void OpenNewsWindow(HWND owner, bool manual);
int NewsCount();
void EditUpdateSettings(HWND owner);
