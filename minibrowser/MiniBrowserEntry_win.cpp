// The mini browser's entry points. Until its frame is built (its own issue), there is no
// frame to create or destroy, and the main window's destruction ends the message loop.
#include "app/Subsystems_win.h"

bool CreateMiniBrowserFrame() { return true; }
void DestroyMiniBrowserWindows() {}
void OpenMiniBrowserHome() {}
