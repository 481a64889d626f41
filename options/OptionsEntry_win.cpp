// The options sheet's entry point; the sheet is built by its own issue.
#include "app/Subsystems_win.h"

void OpenOptionsSheet(HWND, int) {}
