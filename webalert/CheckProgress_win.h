#pragma once
// The progress window of a check (dialog 193): the pages taken up so far in a list, a progress
// bar and Cancel. It belongs to the check thread, which creates, fills and pumps it.
#include <windows.h>

#include <atomic>
#include <memory>

#include "webalert/MonitoredPageList.h"

class CheckProgressWindow {
public:
    // cancel is set by the Cancel button.
    CheckProgressWindow(MonitoredPageList& list, std::atomic<bool>& cancel);
    ~CheckProgressWindow();
    CheckProgressWindow(const CheckProgressWindow&) = delete;
    CheckProgressWindow& operator=(const CheckProgressWindow&) = delete;

    // Creates the window at the bottom right, topmost, shown without taking the focus.
    bool Open(int count);
    // The page taken up as the last row, selected and in view; the bar at taken.
    void Step(int taken, PageId id, const MonitoredPage& page);
    // Redraws the rows after a page's state changed.
    void Redraw();
    // Serves the window's pending messages (this thread's only window).
    void Pump();
    HWND Window() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
