// Placeholder until the comparison window lands.
#include "webalert/CompareWindow_win.h"

HWND ShowPageComparison(HWND, const std::string&, const std::string&, const std::string&) { return nullptr; }
