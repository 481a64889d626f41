#pragma once
#include <windows.h>

// From process start to the main window: application object, data folder, settings,
// language, the single-instance hand-over and the main window. False when another instance
// runs (it was asked to open its launcher) or the window could not be made.
bool ProgramStart(HINSTANCE instance, const char* commandLine);

// Applies language option Language (0 automatic, 1 French, 2 English) at once: resources,
// names, the main window's text and the tray tip.
void ApplyLanguage(int languageOption, bool updateWindows);
