// Placeholder until the link dialogs land: nothing to show yet.
#include "webalert/LinkDialog_win.h"

INT_PTR LinkDialog(HWND, MonitoredPage&, LinkDialogMode) { return IDCANCEL; }
INT_PTR AdvancedDialog(HWND) { return IDCANCEL; }
std::unique_ptr<PropertyPage> CreateWebAlertOptionsPage() { return nullptr; }
