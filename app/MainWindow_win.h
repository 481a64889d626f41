#pragma once
// The hidden main window: owner of the tray icon, receiver of tray callbacks, hotkeys and
// timers, and the one place where menu commands are carried out.
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// Flags of the current run, never saved.
struct RunFlags {
    bool balloonPending = false;   // a WebAlert run ended: a balloon click opens the list
    bool WebAlertDisabled = false; // "Disable WebAlert" of the tray menu
};
RunFlags& Flags();

// The message of the shell's (re)start: the tray icon is added again when it arrives.
UINT TaskbarCreatedMessage();
