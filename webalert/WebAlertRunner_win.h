#pragma once
// The message-only window through which a check's news reach the user-interface thread;
// made at start-up (and by the first check when missing).
void CreateCheckNotifier();

#include "webalert/MonitoredPage.h"

// The local clock as the schedule and the change stamps read it.
LocalTime LocalNow();
