#pragma once
// Waiting for the program that asked for the update to end.
#include <windows.h>

#include <string>

// True once no process runs the program file at programPath and no top-level window of
// windowClass remains (this process aside); false when one still does after timeoutMs.
bool WaitForProgramToEnd(const std::string& programPath, const char* windowClass, DWORD timeoutMs);
