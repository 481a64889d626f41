#pragma once
// The page monitor as the rest of the program sees it (beside the entry points of
// app/Subsystems_win.h): the watched pages and the check runs. All of it is called on the
// user-interface thread.
#include <windows.h>

#include "webalert/MonitoredPageList.h"

// The watched pages of this process.
MonitoredPageList& WebAlertPages();
// Rewrites section "WebAlertUrl" of the settings file from the list.
void SaveWebAlertPages();

// Starts a check of every page (page null) or of one page on a thread of its own. Refused
// without a message while a run goes on.
void StartPageCheck(HWND owner, PageId page);
bool CheckRunning();
// Asks the running check to stop after the page being fetched.
void CancelPageCheck();
// At shut-down: cancels the run and waits a moment for its end.
void StopPageChecks();

// The monitor window's list: adds a row for the page at index (or at the end) when it has
// none and the window's filters admit it.
void AddPageRowIfMissing(HWND list, int index, PageId page);
// The mini browser's menu of watched pages: a separator, the unread pages in bold, then the
// other enabled ones; command 4096 + the page's index in the list.
constexpr unsigned kPagesMenuCommandBase = 4096;
void BuildPagesMenu(HMENU menu);

// Whether the interface speaks French (dates as DD/MM/YYYY).
bool WebAlertFrench();
