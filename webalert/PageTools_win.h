#pragma once
// What the monitor window does with one watched page outside its own list: open its link,
// compare its two stored copies, show its source, copy its link, write a mail about it, and
// move its copies when it is renamed.
#include <windows.h>

#include <string>

#include "webalert/MonitoredPage.h"

// The launching rule of the program's addresses: the mini browser when "UseMiniBrowserWebAlert"
// is on (a new window of it when newWindow), else the default browser.
void OpenPageLink(const MonitoredPage& page, bool newWindow);
// WinDiff beside the program when it is there, else the program's own comparison window, on
// copies of "url.html" and "urBackup.html" in the data folder's "Windiff" folder.
void ComparePageCopies(HWND owner, const MonitoredPage& page);
// The current copy in Notepad.
void ShowPageSource(HWND owner, const MonitoredPage& page);
void CopyPageLink(HWND owner, const MonitoredPage& page);
// A new message of the default mail program, telling the change.
void MailPageNotice(HWND owner, const MonitoredPage& page);
// Moves the copies to the new name's folder; on failure says so (string 1174) and returns false.
bool RenamePageCopies(HWND owner, const std::string& oldName, const std::string& newName);
