// The page monitor's entry points for the main window and the start-up. The monitor is built
// by its own issue; until then there are no monitored pages and no checks.
#include "app/Subsystems_win.h"

void LoadWebAlertList() {}
void StartCheck(HWND) {}
void ScheduleTick(HWND, int) {}
void OpenMonitorWindow(HWND, int) {}
bool AnyEnabledPageChanged() { return false; }
