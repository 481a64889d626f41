// A check run over the portable core, with a fake fetcher and the stored copies in memory:
// what the program's real run under Wine does not show (one page alone, fetches side by side
// applied in order, no worker thread, a cancel, the provider's request, and a run while the
// user edits the list: this file is built under ThreadSanitizer too).
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/MemoryProfile.h"
#include "tests/webalert/WebAlertFakes.h"
#include "web/HttpTransport.h"
#include "webalert/CheckRun.h"

namespace {

struct Recorder : CheckObserver {
    void Begin(int count) override { begun = count; }
    void Step(int taken, PageId, const MonitoredPage& page) override
    {
        steps.push_back(page.name);
        cancel = cancel || taken == cancelAt;
    }
    void StateChanged(PageId id, const MonitoredPage& page, bool) override
    {
        MonitoredPage now;   // what the user interface does on such news: look the page up again
        lookedUp += list->CopyOf(id, now) ? now.name.size() + page.name.size() : 0;
    }
    void PageChanged(PageId, const MonitoredPage& page) override { changed.push_back(page.name); }
    const MonitoredPageList* list = nullptr;
    std::size_t lookedUp = 0;
    int begun = -1, cancelAt = -1;
    std::atomic<bool> cancel{false};
    std::vector<std::string> steps, changed;
};

struct Pages {
    explicit Pages(int pages, int delayMs = 0)
    {
        fetcher.delay = std::chrono::milliseconds(delayMs);
        recorder.list = &list;
        for (int i = 0; i < pages; ++i) {
            ids.push_back(list.Append(MonitoredPage("P" + std::to_string(i), "http://h/" + std::to_string(i))));
            fetcher.pages["http://h/" + std::to_string(i)] = "body " + std::to_string(i);
        }
    }
    CheckRunResult Go(int workers, PageId only = nullptr, WorkerThreads* threads = nullptr)
    {
        return RunChecks(list, folders, fetcher, {{}, only, workers, threads}, recorder, recorder.cancel, [] { return LocalTime{}; });
    }
    MonitoredPageList list;
    std::vector<PageId> ids;
    MemoryPageFiles files;
    PageFolders folders{files, "C:\\d\\"};
    FakePageFetcher fetcher;
    Recorder recorder;
};

TEST(CheckRun, FetchesSideBySideButAppliesInOrder)
{
    Pages run(40, 20);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(run.Go(8).taken, 40);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600));   // one at a time: 800
    EXPECT_GT(run.fetcher.mostAtOnce, 1);
    EXPECT_LE(run.fetcher.mostAtOnce, 8);
    ASSERT_EQ(run.recorder.changed.size(), 40u);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(run.recorder.steps[i] + run.recorder.changed[i], "P" + std::to_string(i) + "P" + std::to_string(i));
}

TEST(CheckRun, OnePageAloneWithoutWorkersThenACancel)
{
    struct NoThreads : WorkerThreads {
        bool Start(std::function<void()>) override { return false; }
        void JoinAll() override {}
    } none;
    Pages lone(3);
    EXPECT_EQ(lone.Go(4, lone.ids[1], &none).taken, 1);   // fetched by the run itself
    EXPECT_EQ(lone.fetcher.asked, std::vector<std::string>{"http://h/1"});
    EXPECT_EQ(lone.recorder.begun, 3);   // the range counts what a check of all would take up
    EXPECT_EQ(lone.Go(4).taken, 2);      // P1 is Modified now
    EXPECT_TRUE(lone.Go(4).nothingToCheck);

    // Cancelled while the fourth page is taken up: that one is applied, no later one.
    Pages run(10, 30);
    run.recorder.cancelAt = 4;
    const CheckRunResult result = run.Go(3);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.taken, 4);
    EXPECT_EQ(run.recorder.changed.size(), 4u);
    EXPECT_EQ(run.files.files.size(), 4u);
}

// The real provider over a fake transport: a GET on the direct road with the address as given
// ("&" not escaped), an error page kept like any other, a read that broke off brings nothing.
TEST(CheckRun, ProviderFetchesWithAGetOnTheDirectRoad)
{
    struct Net : TransportFactory {
        struct Direct : DirectTransport {
            explicit Direct(Net& n) : net(n) {}
            bool Send(const HttpRequest& request, HttpResponse& response) override
            {
                net.asked += (request.post ? "POST " : "GET ") + request.address;
                response.answered = true;
                response.complete = !net.breakOff;
                response.rawHeaders = net.breakOff ? std::string("HTTP/1.1 200 OK\0\0", 17)
                                                   : std::string("HTTP/1.1 404 Not Found\0\0", 24);
                response.body = std::string("<h1>gone\0</h1>", 14);
                return true;
            }
            Net& net;
        };
        std::unique_ptr<DirectTransport> CreateDirect() override { return std::make_unique<Direct>(*this); }
        std::unique_ptr<SessionTransport> CreateSession() override { return nullptr; }
        std::string asked;
        bool breakOff = false;
    } net;
    ProviderPageFetcher provider(&net);
    EXPECT_EQ(provider.Fetch("http://h/p?a=1&b=2&amp;c"), std::string("<h1>gone\0</h1>", 14));
    EXPECT_EQ(net.asked, "GET http://h/p?a=1&b=2&amp;c");
    net.breakOff = true;
    EXPECT_EQ(provider.Fetch("http://h/p"), "");
}

// A run while the user adds, edits, marks and deletes pages: no record may be read after it was
// freed, no field torn, and a page removed or edited before its turn keeps what it has.
TEST(CheckRun, UserEditsWhileARunGoesOn)
{
    Pages run(120, 3);
    for (int i = 120; i < 400; ++i)
        run.fetcher.pages["http://h/" + std::to_string(i)] = "new";
    std::atomic<bool> running{true};
    CheckRunResult result;
    std::thread checks([&] {
        result = run.Go(6);
        running = false;
    });
    MemoryProfile profile;
    int round = 0;
    for (; running.load() && round < 400; ++round) {
        const std::vector<PageId> ids = run.list.Ids();
        run.list.Remove(ids[(round * 7) % ids.size()]);
        run.list.Update(ids[(round * 3 + 1) % ids.size()], [&](MonitoredPage& p) {
            p.name = "Renamed " + std::to_string(round);
            p.urlString = "http://h/" + std::to_string(round);
        });
        run.list.Update(ids[(round * 5 + 2) % ids.size()], [](MonitoredPage& p) { p.SetModified(0); });
        run.list.Append(MonitoredPage("Added " + std::to_string(round), "http://h/" + std::to_string(round)));
        if (round % 50 == 49) {   // a reload replaces the whole list
            run.list.Save(profile);
            run.list.Load(profile);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    checks.join();
    EXPECT_GT(result.taken, 0);
    EXPECT_GT(run.recorder.lookedUp, 0u);
    EXPECT_GT(round, 10);
    // Every page the run marked changed (and not renamed since) has its stored copy.
    for (const MonitoredPage& page : run.list.Copies())
        if ((page.state & kPageChangedThisRun) && page.name.rfind("Renamed", 0) != 0) {
            EXPECT_NE(run.files.At("C:\\d\\" + page.name + "\\url.html"), "<none>") << page.name;
            EXPECT_EQ(page.changeCount, 1) << page.name;
        }

    // A second run may be cancelled from the other thread at any time.
    std::thread second([&] {
        for (const PageId id : run.list.Ids())
            run.list.Update(id, [](MonitoredPage& p) { p.SetModified(0); });
        run.Go(8);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    run.recorder.cancel = true;
    second.join();
}

} // namespace
