#pragma once
// What the main window and the start-up ask of the other subsystems. Each function lives in
// its subsystem's folder (file *Entry_win.cpp or the subsystem's own files).
#include <windows.h>

#include <string>

#include "mail/ChangeNotice.h"

// ---- launcher/ ----
// Loads the search and translation histories and the engine table (typed addresses are read
// when first needed).
void LoadLauncherLists();
// The launcher dialog's procedure (dialog 129 or 138), for the main window to create it.
INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
// Whether the launcher waits slid away into its screen edge.
bool LauncherDockedAway();
// Slides the docked launcher out of its edge.
void SlideLauncherOut();
// Keys of the launcher's messages that the dialog manager would get wrong, handled before it
// sees them: Alt+Enter goes like Enter; Alt or F10 alone open no system menu. True when used.
bool LauncherTakesKey(HWND launcher, const MSG& msg);
// Fills the tray submenus "Go To Typed Url" and "Favorites".
void AppendTypedAddressMenu(HMENU menu);
void AppendFavoritesMenu(HMENU menu);
// Carries out the menu commands of typed addresses (4024 + i) and favorites (3584 + n).
void OpenTypedAddressCommand(unsigned id);
void OpenFavoriteCommand(unsigned id);
// Opens engine i's home page (command 3024 + i).
void OpenEngineHome(unsigned index);
// The shell command rules for a fixed text, such as a page of the program's web site.
void RunCommandText(const char* text);
void OpenHelpPage(const char* page, const char* anchor);
void SearchClipboard();
void OpenFavoriteEngineHome();
void CloseBrowserWindows();

// ---- translator/ ----
// Brings the translation window to the front if open, else opens it empty over owner.
void OpenTranslator(HWND owner);
void TranslateClipboard(HWND owner);

// ---- webalert/ ----
void LoadWebAlertList();
void StartCheck(HWND owner);
void ScheduleTick(HWND owner, int atStart);
void OpenMonitorWindow(HWND owner, int force);
// Whether an enabled monitored page carries a change mark.
bool AnyEnabledPageChanged();
// At shut-down: stops a running check.
void StopWebAlertChecks();

// ---- mail/ ----
// Mails the change notice of one page on a thread of its own (the notice is copied first).
void StartMailThread(HWND owner, const ChangeNotice& notice);
// The "SMTP Parameters" dialog over the mail settings.
void EditMailSettings(HWND owner);

// ---- minibrowser/ ----
// Creates the mini browser's main frame at start-up; false when it cannot be made.
bool CreateMiniBrowserFrame();
// Destroys every mini browser window; the last one ends the message loop.
void DestroyMiniBrowserWindows();
void OpenMiniBrowserHome();
// Shows address in the mini browser: navigates a visible one (restored if minimised) or opens
// one. cacheFlag 1 marks a search result, which may come from the cache.
void ShowInMiniBrowser(const char* address, int cacheFlag);
bool MiniBrowserExists();
// The address the mini browser shows; empty while there is none.
std::string MiniBrowserCurrentAddress();
// Opens address in a new mini browser window (the monitor window's Ctrl+Enter).
void ShowInNewMiniBrowser(const char* address);
// Restores the mini browser if minimised and brings it to the front.
void BringMiniBrowserToFront();
// A key message for a mini browser window, taken before the page sees it: true when used.
bool MiniBrowserTakesMessage(MSG& msg);

// ---- options/ ----
// Runs the options sheet modally; page 0 to 3 is the one shown first.
void OpenOptionsSheet(HWND owner, int startPage = 0);

// ---- update/ ----
void LoadUpdateSettings();
// At the launcher's first opening: a downloaded update that waits for this version is
// installed (true); else the periodic check runs when it is due.
bool InstallWaitingUpdate(const char* versionText);
void RunDueUpdateCheck();
void CheckForUpdates(HWND owner, const char* versionText);
void ShowNews(HWND owner, bool fromAbout);
bool ShowNewsAfterUpdate();
// The installed-version history for the about box's list view, and whether news exist.
void FillInstallHistory(HWND listView);
bool NewsAvailable();
// Dialog 151, the update settings with the install history (the options sheet's button).
void UpdateSettingsDialog(HWND owner);
