// A check run over the portable core: the page fetcher is a fake, the stored copies live in
// memory. What a run leaves behind must be what a one-page-at-a-time run would leave.
#include <atomic>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/webalert/FakePageFetcher.h"
#include "tests/webalert/MemoryPageFiles.h"
#include "web/HttpTransport.h"
#include "webalert/CheckRun.h"

namespace {

const std::string kData = "C:\\data\\";

struct Recorder : CheckObserver {
    void Begin(int count) override { begun = count; }
    void Step(int taken, PageId, const MonitoredPage& page) override { steps.push_back(std::to_string(taken) + ":" + page.name); }
    void StateChanged(PageId, const MonitoredPage& page, bool becameModified) override
    {
        stateChanges.push_back(page.name + (becameModified ? "+" : "-"));
    }
    void PageChanged(PageId, const MonitoredPage& page) override { changed.push_back(page.name); }
    void End() override { ++ended; }
    int begun = -1;
    int ended = 0;
    std::vector<std::string> steps, stateChanges, changed;
};

class CheckRunTest : public testing::Test {
protected:
    CheckRunResult RunOnce(PageId only = nullptr)
    {
        recorder = Recorder();
        fetcher.Forget();
        CheckRunOptions options;
        options.compare = compare;
        options.onlyPage = only;
        options.workers = workers;
        std::atomic<bool> cancel{false};
        return RunChecks(list, folders, fetcher, options, recorder, cancel, [this] { return clock; });
    }
    MonitoredPage Page(PageId id)
    {
        MonitoredPage page;
        EXPECT_TRUE(list.CopyOf(id, page));
        return page;
    }
    std::string Current(const char* name) { return files.At(kData + name + "\\url.html"); }
    std::string Previous(const char* name) { return files.At(kData + name + "\\urBackup.html"); }

    MonitoredPageList list;
    MemoryPageFiles files;
    PageFolders folders{files, kData};
    FakePageFetcher fetcher;
    Recorder recorder;
    CompareOptions compare;
    LocalTime clock{2026, 12, 8, 18, 5};
    int workers = 4;
};

TEST_F(CheckRunTest, FirstCheckStoresEveryPageThenChangesRotate)
{
    PageId a = list.Append(MonitoredPage("A", "http://h/a"));
    PageId b = list.Append(MonitoredPage("B", "http://h/b"));
    PageId c = list.Append(MonitoredPage("C", "http://h/c"));
    fetcher.Serve("http://h/a", "alpha");
    fetcher.Serve("http://h/b", std::string("b\0b", 3));
    // C answers nothing: a failed fetch changes nothing.

    CheckRunResult result = RunOnce();
    EXPECT_TRUE(result.changesFound);
    EXPECT_EQ(result.taken, 3);
    EXPECT_EQ(recorder.begun, 3);
    EXPECT_EQ(recorder.ended, 1);
    EXPECT_EQ(recorder.steps, (std::vector<std::string>{"1:A", "2:B", "3:C"}));
    EXPECT_EQ(recorder.changed, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Current("A"), "alpha");
    EXPECT_EQ(Current("B"), std::string("b\0b", 3));
    EXPECT_FALSE(files.Has(kData + "A\\urBackup.html"));
    EXPECT_FALSE(files.Has(kData + "C\\url.html"));
    MonitoredPage pa = Page(a);
    EXPECT_EQ(pa.state, kPageUpdated | kPageModified | kPageChangedThisRun);
    EXPECT_EQ(pa.changeDate, "20261208");
    EXPECT_EQ(pa.changeTime, "18:05");
    EXPECT_EQ(pa.changeCount, 1);
    EXPECT_EQ(Page(c).state, 0);
    EXPECT_EQ(Page(c).changeCount, 0);

    // Modified pages are not fetched; once read they are, and a change rotates the copies.
    fetcher.Serve("http://h/a", "alpha, longer than before by far more than sixty-four bytes of text......");
    result = RunOnce();
    EXPECT_EQ(fetcher.Asked(), std::vector<std::string>{"http://h/c"});
    EXPECT_FALSE(result.changesFound);
    list.Update(a, [](MonitoredPage& p) { p.SetModified(0); });
    list.Update(b, [](MonitoredPage& p) { p.SetModified(0); });
    clock = {2026, 12, 9, 7, 0};
    result = RunOnce();
    EXPECT_TRUE(result.changesFound);
    EXPECT_EQ(recorder.changed, std::vector<std::string>{"A"});
    EXPECT_EQ(Previous("A"), "alpha");
    EXPECT_EQ(Current("A").substr(0, 6), "alpha,");
    pa = Page(a);
    EXPECT_EQ(pa.changeCount, 2);
    EXPECT_EQ(pa.changeDate, "20261209");
    EXPECT_EQ(pa.changeTime, "07:00");
    // B is the same size: no change by the default size rule, and its marks stay as they are.
    EXPECT_EQ(Page(b).state, kPageUpdated);

    // A strict check that finds B equal clears its Updated mark.
    compare.strict = true;
    list.Update(a, [](MonitoredPage& p) { p.SetModified(0); });
    result = RunOnce();
    EXPECT_FALSE(result.changesFound);
    EXPECT_EQ(Page(b).state, 0);
    EXPECT_EQ(Page(a).state, 0);
    EXPECT_EQ(recorder.stateChanges, (std::vector<std::string>{"A-", "B-"}));
}

TEST_F(CheckRunTest, SinglePageDisabledAndUnsafePages)
{
    MonitoredPage off("Off", "http://h/off");
    off.enabled = 0;
    list.Append(off);
    PageId one = list.Append(MonitoredPage("One", "http://h/one?a=1&b=2"));
    PageId two = list.Append(MonitoredPage("Two", "http://h/two"));
    list.Append(MonitoredPage("..", "http://h/dots"));
    list.Append(MonitoredPage("CON", "http://h/con"));
    list.Append(MonitoredPage(std::string(300, 'n'), "http://h/long"));
    for (const char* link : {"http://h/off", "http://h/one?a=1&b=2", "http://h/two", "http://h/dots", "http://h/con", "http://h/long"})
        fetcher.Serve(link, "page");

    CheckRunResult result = RunOnce(two);
    EXPECT_EQ(fetcher.Asked(), std::vector<std::string>{"http://h/two"});
    EXPECT_EQ(recorder.begun, 2);   // the range counts every page a full check would take up
    EXPECT_EQ(result.taken, 1);
    EXPECT_EQ(Page(one).state, 0);

    // A disabled or Modified single page: nothing fetched.
    result = RunOnce(two);
    EXPECT_TRUE(fetcher.Asked().empty());
    EXPECT_EQ(result.taken, 0);

    // Names that are no folder names are never fetched nor written.
    result = RunOnce();
    EXPECT_EQ(fetcher.Asked(), std::vector<std::string>{"http://h/one?a=1&b=2"});
    for (const auto& file : files.files)
        EXPECT_TRUE(file.first == kData + "One\\url.html" || file.first == kData + "Two\\url.html") << file.first;

    // Everything enabled is Modified now: nothing to check.
    result = RunOnce();
    EXPECT_TRUE(result.nothingToCheck);
    EXPECT_EQ(recorder.begun, -1);
    EXPECT_TRUE(fetcher.Asked().empty());
}

TEST_F(CheckRunTest, ManyPagesFetchAtOnceButApplyInOrder)
{
    workers = 8;
    fetcher.SetDelay(std::chrono::milliseconds(20));
    std::vector<PageId> ids;
    for (int i = 0; i < 40; ++i) {
        const std::string link = "http://h/" + std::to_string(i);
        ids.push_back(list.Append(MonitoredPage("P" + std::to_string(i), link)));
        fetcher.Serve(link, "body " + std::to_string(i));
    }
    const auto start = std::chrono::steady_clock::now();
    CheckRunResult result = RunOnce();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.taken, 40);
    ASSERT_EQ(recorder.steps.size(), 40u);
    ASSERT_EQ(recorder.changed.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(recorder.steps[i], std::to_string(i + 1) + ":P" + std::to_string(i));
        EXPECT_EQ(recorder.changed[i], "P" + std::to_string(i));
    }
    EXPECT_GT(fetcher.MostAtOnce(), 1);
    EXPECT_LE(fetcher.MostAtOnce(), 8);
    // One at a time would take 800 ms.
    EXPECT_LT(took, std::chrono::milliseconds(600));
}

TEST_F(CheckRunTest, WithoutWorkersTheRunFetchesItself)
{
    struct NoThreads : WorkerThreads {
        bool Start(std::function<void()>) override { return false; }
        void JoinAll() override {}
    } none;
    for (int i = 0; i < 3; ++i) {
        list.Append(MonitoredPage("P" + std::to_string(i), "http://h/" + std::to_string(i)));
        fetcher.Serve("http://h/" + std::to_string(i), "x");
    }
    CheckRunOptions options;
    options.threads = &none;
    std::atomic<bool> cancel{false};
    CheckRunResult result = RunChecks(list, folders, fetcher, options, recorder, cancel, [this] { return clock; });
    EXPECT_EQ(result.taken, 3);
    EXPECT_EQ(recorder.changed.size(), 3u);
}

TEST_F(CheckRunTest, CancelStopsAfterThePageBeingFetched)
{
    workers = 3;
    fetcher.SetDelay(std::chrono::milliseconds(30));
    for (int i = 0; i < 10; ++i) {
        const std::string link = "http://h/" + std::to_string(i);
        list.Append(MonitoredPage("P" + std::to_string(i), link));
        fetcher.Serve(link, "x");
    }
    struct Canceller : Recorder {
        std::atomic<bool>* cancel = nullptr;
        void Step(int taken, PageId, const MonitoredPage& page) override
        {
            Recorder::Step(taken, nullptr, page);
            if (taken == 4)
                cancel->store(true);
        }
    } canceller;
    std::atomic<bool> cancel{false};
    canceller.cancel = &cancel;
    CheckRunOptions options;
    options.workers = workers;
    CheckRunResult result = RunChecks(list, folders, fetcher, options, canceller, cancel, [this] { return clock; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.taken, 4);
    EXPECT_EQ(canceller.changed.size(), 4u);
    EXPECT_EQ(canceller.ended, 1);
    MonitoredPage page;
    for (std::size_t i = 4; i < 10; ++i) {
        ASSERT_TRUE(list.CopyAt(i, page));
        EXPECT_EQ(page.state, 0) << i;
        EXPECT_FALSE(files.Has(kData + page.name + "\\url.html"));
    }
}

// The real provider over fake transports: an error page is compared like any other, and every
// "&" of the address goes out as "%26".
TEST_F(CheckRunTest, ProviderFetchesWithAGetOnTheDirectRoad)
{
    struct Net : TransportFactory {
        struct Direct : DirectTransport {
            explicit Direct(Net& n) : net(n) {}
            bool Send(const HttpRequest& request, HttpResponse& response) override
            {
                net.addresses.push_back(request.address);
                net.posts += request.post ? 1 : 0;
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
        std::vector<std::string> addresses;
        int posts = 0;
        bool breakOff = false;
    } net;
    ProviderPageFetcher provider(&net);
    EXPECT_EQ(provider.Fetch("http://h/p?a=1&b=2&amp;c"), std::string("<h1>gone\0</h1>", 14));
    EXPECT_EQ(net.addresses, std::vector<std::string>{"http://h/p?a=1%26b=2%26amp;c"});
    EXPECT_EQ(net.posts, 0);
    // A read that broke off brings nothing to compare.
    net.breakOff = true;
    EXPECT_EQ(provider.Fetch("http://h/p"), "");
}

} // namespace
