// The auto-update's entry points; the update itself is built by its own issue. Until then
// there is no install history, no news and nothing to check.
#include "app/Subsystems_win.h"

void LoadUpdateSettings() {}
bool InstallWaitingUpdate(const char*) { return false; }
void RunDueUpdateCheck() {}
void CheckForUpdates(HWND, const char*) {}
void ShowNews(HWND, bool) {}
bool ShowNewsAfterUpdate() { return false; }
void FillInstallHistory(HWND) {}
bool NewsAvailable() { return false; }
