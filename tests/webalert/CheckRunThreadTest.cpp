// A run goes on while the user adds, edits, marks and deletes pages on another thread; built
// under ThreadSanitizer (and AddressSanitizer in the other build). No record may be read after
// it was freed, no field torn, and a page removed or edited before its turn keeps what it has.
#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/MemoryProfile.h"
#include "tests/webalert/FakePageFetcher.h"
#include "tests/webalert/MemoryPageFiles.h"
#include "webalert/CheckRun.h"

namespace {

struct Watcher : CheckObserver {
    explicit Watcher(MonitoredPageList& l) : list(l) {}
    void Step(int, PageId, const MonitoredPage& page) override { lastStep = page.name; }
    void Waiting() override { ++waits; }
    void StateChanged(PageId id, const MonitoredPage& page, bool) override
    {
        // What the user interface does on such news: look the page up again.
        MonitoredPage now;
        if (list.CopyOf(id, now))
            names += now.name.size();
        names += page.name.size();
    }
    void PageChanged(PageId, const MonitoredPage&) override { ++changes; }
    MonitoredPageList& list;
    std::string lastStep;
    int waits = 0;
    std::size_t names = 0;
    int changes = 0;
};

TEST(CheckRunThreads, UserEditsWhileARunGoesOn)
{
    MonitoredPageList list;
    MemoryPageFiles files;
    PageFolders folders(files, "C:\\d\\");
    FakePageFetcher fetcher;
    fetcher.SetDelay(std::chrono::milliseconds(3));
    for (int i = 0; i < 120; ++i) {
        const std::string link = "http://h/" + std::to_string(i);
        list.Append(MonitoredPage("Page " + std::to_string(i), link));
        fetcher.Serve(link, "body of " + std::to_string(i));
    }
    for (int i = 0; i < 400; ++i)
        fetcher.Serve("http://h/new" + std::to_string(i), "new page");

    std::atomic<bool> cancel{false};
    std::atomic<bool> running{true};
    Watcher watcher(list);
    CheckRunResult result;
    std::thread run([&] {
        CheckRunOptions options;
        options.workers = 6;
        result = RunChecks(list, folders, fetcher, options, watcher, cancel,
                           [] { return LocalTime{2026, 12, 8, 18, 0}; });
        running = false;
    });

    // The user interface thread meanwhile.
    MemoryProfile profile;
    int round = 0;
    while (running.load() && round < 400) {
        const std::vector<PageId> ids = list.Ids();
        if (ids.size() > 3) {
            list.Remove(ids[(round * 7) % ids.size()]);
            list.Update(ids[(round * 3 + 1) % ids.size()], [&](MonitoredPage& p) {
                p.name = "Renamed " + std::to_string(round);
                p.urlString = "http://h/new" + std::to_string(round);
            });
            list.Update(ids[(round * 5 + 2) % ids.size()], [](MonitoredPage& p) { p.SetModified(0); });
        }
        list.Append(MonitoredPage("Added " + std::to_string(round), "http://h/new" + std::to_string(round)));
        if (round % 20 == 0) {
            list.Save(profile);
            for (const MonitoredPage& page : list.Copies())
                (void)page.DisplayDate(true);
        }
        if (round % 50 == 49) {
            // Replacing the whole list as a reload does.
            list.Save(profile);
            list.Load(profile);
        }
        ++round;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    run.join();
    EXPECT_GT(result.taken, 0);
    EXPECT_GT(watcher.changes, 0);
    EXPECT_GT(round, 10);

    // Every page that the run marked changed (and that was not renamed since) has its stored copy.
    for (const MonitoredPage& page : list.Copies()) {
        if (!(page.state & kPageChangedThisRun) || page.name.rfind("Renamed", 0) == 0)
            continue;
        const std::string stored = files.At("C:\\d\\" + page.name + "\\url.html");
        EXPECT_NE(stored, "<none>") << page.name;
        EXPECT_EQ(page.changeCount, 1) << page.name;
    }

    // A second run may be cancelled from the other thread at any time.
    std::thread second([&] {
        for (const PageId id : list.Ids())
            list.Update(id, [](MonitoredPage& p) { p.SetModified(0); });
        CheckRunOptions options;
        RunChecks(list, folders, fetcher, options, watcher, cancel, [] { return LocalTime{}; });
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cancel = true;
    second.join();
}

} // namespace
