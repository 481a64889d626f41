#pragma once
// The monitor window's side of a check run, called on the user-interface thread by the run's
// notifier; each does nothing while the window is closed.
#include <string>

#include "webalert/MonitoredPageList.h"

void MonitorProgressBegin(int count);
// The bar at taken; the status line shows the page's link.
void MonitorProgressStep(int taken, const std::string& link);
void MonitorProgressEnd();
// A page's state changed: a page that became unread gets its row when the filters admit it;
// the rows are redrawn.
void MonitorPageStateChanged(PageId page, bool becameModified);
