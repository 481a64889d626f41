#pragma once
// Questions the program asks the system: the user's browser, the Internet state, a file.
#include <windows.h>

#include <string>

// The browser registered for web pages ("htmlfile", else "ftp" open commands, else the
// "htmlfile" icon entry); empty when none is registered (callers use "iexplore.exe").
std::string DefaultBrowserProgram();
// The browser program to start: the registered one, else "iexplore.exe".
std::string BrowserProgramOrDefault();

// The user chose to work offline.
bool IsOfflineMode();
bool IsConnected();

// The open-file dialog over path (up to 256 characters): kind 1..3 lists wave files, any other
// kind all files. On cancel or error path is emptied and false returned.
bool ChooseOpenFile(HWND owner, std::string& path, int kind);
