#pragma once
// One check of the watched pages. Pages are fetched several at a time by a small pool of
// workers, while this thread takes them up, compares them and records their changes one by
// one in list order, so that progress, stored copies and states come out as a
// one-page-at-a-time run would leave them. The list may change meanwhile: pages added behind
// the current one are checked, a page removed or edited before its turn keeps what it has.
#include <atomic>
#include <functional>

#include "webalert/MonitoredPageList.h"
#include "webalert/PageComparison.h"
#include "webalert/PageFetcher.h"
#include "webalert/PageFiles.h"

// Starts and joins the worker threads of a run. The default uses std::thread; the program
// gives its workers small stacks, so that a dozen of them cost little memory.
class WorkerThreads {
public:
    virtual ~WorkerThreads() = default;
    // False when no thread could be started.
    virtual bool Start(std::function<void()> work) = 0;
    virtual void JoinAll() = 0;
};

struct CheckRunOptions {
    CompareOptions compare;
    PageId onlyPage = nullptr;        // null: every page
    int workers = 8;                  // fetches at once
    WorkerThreads* threads = nullptr; // null: std::thread
};

class CheckObserver {
public:
    virtual ~CheckObserver() = default;
    // The pages that a check of all would take up (enabled, not Modified).
    virtual void Begin(int /*count*/) {}
    // The next page is taken up (taken counts from 1).
    virtual void Step(int /*taken*/, PageId /*id*/, const MonitoredPage& /*page*/) {}
    // Called about every 50 ms while the next page's answer is awaited.
    virtual void Waiting() {}
    // The page's state changed; page is a copy taken after the change.
    virtual void StateChanged(PageId /*id*/, const MonitoredPage& /*page*/, bool /*becameModified*/) {}
    // A change was recorded for the page (after StateChanged).
    virtual void PageChanged(PageId /*id*/, const MonitoredPage& /*page*/) {}
    virtual void End() {}
};

struct CheckRunResult {
    bool nothingToCheck = false;   // no enabled page without the Modified mark: nothing ran
    bool changesFound = false;
    bool cancelled = false;
    int taken = 0;
};

CheckRunResult RunChecks(MonitoredPageList& list, PageFolders& folders, PageFetcher& fetcher,
                         const CheckRunOptions& options, CheckObserver& observer,
                         const std::atomic<bool>& cancel, const std::function<LocalTime()>& clock);
