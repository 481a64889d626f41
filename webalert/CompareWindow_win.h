#pragma once
// The comparison window: what changed between a page's previous and current stored copies.
#include <windows.h>

#include <string>

// Shows the text of both copies side by side, changed lines marked; returns the window (null
// when it could not be made). previous and current are the paths of the stored copies.
HWND ShowPageComparison(HWND owner, const std::string& pageName, const std::string& previous, const std::string& current);
