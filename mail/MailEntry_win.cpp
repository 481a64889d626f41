// The mail's entry points for the page monitor and the options. The SMTP client and the mail
// settings dialog are built by their own change; until then no mail is sent.
#include "app/Subsystems_win.h"

void StartMailThread(HWND, const ChangeNotice&) {}
void EditMailSettings(HWND) {}
