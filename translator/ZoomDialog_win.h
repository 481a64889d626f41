#pragma once
// The zoom dialog: one service's answer shown large, with its name and status.
#include <windows.h>

#include <string>

void ShowZoom(HWND owner, const std::string& serviceName, const std::string& text, bool failed);
