// The update's entry points for the main window, the launcher, the about box and the options.
#include "app/Subsystems_win.h"

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/HelpPage.h"
#include "update/UpdateDialogs_win.h"
#include "update/UpdateManager_win.h"

void LoadUpdateSettings()
{
    LoadUpdateSettingsNow();
}

bool InstallWaitingUpdate(const char* versionText)
{
    return InstallUpdate(versionText);
}

void RunDueUpdateCheck()
{
    AutoCheck(App().versionText.c_str());
}

void CheckForUpdates(HWND, const char* versionText)
{
    CheckForUpdate(versionText);
}

void ShowNews(HWND owner, bool fromAbout)
{
    OpenNewsWindow(owner, fromAbout);
}

bool ShowNewsAfterUpdate()
{
    return Updates().settings.ShowNews != 0;
}

void FillInstallHistory(HWND listView)
{
    FillHistoryList(listView, ReadHistory(Settings()), ContentLanguage(Options().Language, UiLocale()));
}

bool NewsAvailable()
{
    return NewsCount() > 0;
}

void UpdateSettingsDialog(HWND owner)
{
    EditUpdateSettings(owner);
}
