#pragma once
// The progress window of a check (dialog 193): the pages taken up so far in a list, a progress
// bar and Cancel. It belongs to the check thread, which creates and pumps it, while the run
// itself reports to it from its own thread by posted messages: drawing never holds up the run,
// and what arrives between two showings (every 50 ms) is shown at once.
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

    // On the owning thread: creates the window, hidden; serves its pending messages.
    bool Create();
    void Pump();
    HWND Window() const;

    // From any thread. Begin shows the window at the bottom right, topmost, without taking
    // the focus, with count as the bar's range.
    void Begin(int count);
    // The page taken up becomes the last row, selected and in view; the bar at taken.
    void Step(int taken, PageId id, const MonitoredPage& page);
    // The page's row shows its new state.
    void Redraw(PageId id);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
