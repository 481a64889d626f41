#include "webalert/CheckRun.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

constexpr auto kWaitStep = std::chrono::milliseconds(50);

// One page taken up: what it was when it was taken, and its answer once fetched.
struct Job {
    std::shared_ptr<MonitoredPage> hold;   // keeps the record (and so its identity) alive
    PageId id = nullptr;
    MonitoredPage page;                    // the copy taken when it was sent out
    std::string body;
    bool done = false;
};

class StdWorkerThreads : public WorkerThreads {
public:
    bool Start(std::function<void()> work) override
    {
        try {
            threads_.emplace_back(std::move(work));
            return true;
        } catch (...) {
            return false;
        }
    }
    void JoinAll() override
    {
        for (std::thread& thread : threads_)
            thread.join();
        threads_.clear();
    }

private:
    std::vector<std::thread> threads_;
};

// Fetches jobs in the order they are queued, a few at once.
class FetchPool {
public:
    FetchPool(PageFetcher& fetcher, int workers, WorkerThreads* threads)
        : fetcher_(fetcher), threads_(threads ? *threads : ownThreads_)
    {
        for (int i = 0; i < workers; ++i)
            started_ += threads_.Start([this] { Work(); }) ? 1 : 0;
    }
    ~FetchPool()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
            queue_.clear();
        }
        wake_.notify_all();
        threads_.JoinAll();
    }
    FetchPool(const FetchPool&) = delete;
    FetchPool& operator=(const FetchPool&) = delete;

    void Queue(const std::shared_ptr<Job>& job)
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            queue_.push_back(job);
        }
        wake_.notify_one();
    }

    // Waits up to one step for the job's answer.
    bool WaitFor(Job& job)
    {
        if (started_ == 0) {
            // Not one worker could start: the run fetches its pages itself.
            job.body = fetcher_.Fetch(job.page.urlString);
            job.done = true;
            return true;
        }
        std::unique_lock<std::mutex> lock(mutex_);
        return done_.wait_for(lock, kWaitStep, [&] { return job.done; });
    }

private:
    void Work()
    {
        for (;;) {
            std::shared_ptr<Job> job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
                if (stop_)
                    return;
                job = queue_.front();
                queue_.pop_front();
            }
            std::string body = fetcher_.Fetch(job->page.urlString);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                job->body = std::move(body);
                job->done = true;
            }
            done_.notify_all();
        }
    }

    PageFetcher& fetcher_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<std::shared_ptr<Job>> queue_;
    bool stop_ = false;
    int started_ = 0;
    StdWorkerThreads ownThreads_;
    WorkerThreads& threads_;
};

bool Checkable(const MonitoredPage& page, const std::string& dataFolder)
{
    return page.enabled && !page.Modified() && IsSafeFolderName(dataFolder, page.name);
}

class Run {
public:
    Run(MonitoredPageList& list, PageFolders& folders, const CheckRunOptions& options, CheckObserver& observer,
        const std::function<LocalTime()>& clock)
        : list_(list), folders_(folders), options_(options), observer_(observer), clock_(clock)
    {
    }

    // The next page to send out after the last one taken, walking the list as it stands now.
    std::shared_ptr<Job> NextJob()
    {
        for (;; ++nextIndex_) {
            auto job = std::make_shared<Job>();
            if (!list_.CopyAt(nextIndex_, job->page, &job->id))
                return nullptr;
            if (taken_.count(job->id) || !Checkable(job->page, folders_.DataFolder()))
                continue;
            if (options_.onlyPage && options_.onlyPage != job->id)
                continue;
            job->hold = list_.Hold(job->id);
            if (!job->hold)
                continue;   // removed just now
            taken_.insert(job->id);
            ++nextIndex_;
            return job;
        }
    }

    // Compares the answer with the stored copy and records a change; the page must still be
    // the one that was sent out.
    void Apply(Job& job, CheckRunResult& result)
    {
        MonitoredPage now;
        if (!list_.CopyOf(job.id, now) || !Checkable(now, folders_.DataFolder()) ||
            now.name != job.page.name || now.urlString != job.page.urlString)
            return;
        std::string stored;
        const bool haveStored = folders_.ReadCurrentCopy(job.page.name, stored);
        const CompareVerdict verdict = ComparePage(options_.compare, job.body, haveStored ? &stored : nullptr);
        if (verdict == CompareVerdict::Equal) {
            MonitoredPage after;
            bool changed = false;
            list_.Update(job.id, [&](MonitoredPage& page) {
                if (!page.Modified() && (page.state & kPageUpdated)) {
                    page.state &= ~kPageUpdated;
                    changed = true;
                }
                after = page;
            });
            if (changed)
                observer_.StateChanged(job.id, after, false);
            return;
        }
        if (verdict != CompareVerdict::Changed)
            return;
        folders_.RotateCopies(job.page.name);
        folders_.SaveCurrentCopy(job.page.name, job.body);
        const LocalTime stamp = clock_();
        MonitoredPage after;
        if (!list_.Update(job.id, [&](MonitoredPage& page) {
                page.state |= kPageUpdated | kPageModified | kPageChangedThisRun;
                page.StampChange(stamp);
                ++page.changeCount;
                after = page;
            }))
            return;
        result.changesFound = true;
        observer_.StateChanged(job.id, after, true);
        observer_.PageChanged(job.id, after);
    }

private:
    MonitoredPageList& list_;
    PageFolders& folders_;
    const CheckRunOptions& options_;
    CheckObserver& observer_;
    const std::function<LocalTime()>& clock_;
    std::size_t nextIndex_ = 0;
    std::set<PageId> taken_;
};

} // namespace

CheckRunResult RunChecks(MonitoredPageList& list, PageFolders& folders, PageFetcher& fetcher,
                         const CheckRunOptions& options, CheckObserver& observer,
                         const std::atomic<bool>& cancel, const std::function<LocalTime()>& clock)
{
    CheckRunResult result;
    int count = 0;
    for (const MonitoredPage& page : list.Copies())
        if (Checkable(page, folders.DataFolder()))
            ++count;
    if (count == 0) {
        result.nothingToCheck = true;
        return result;
    }
    observer.Begin(count);
    Run run(list, folders, options, observer, clock);
    {
        const int workers = options.workers < 1 ? 1 : options.workers > count ? count : options.workers;
        // Answers wait in order for their turn; twice the workers keeps every worker busy
        // while bounding what is held in memory.
        const std::size_t window = static_cast<std::size_t>(workers) * 2;
        FetchPool pool(fetcher, workers, options.threads);
        std::deque<std::shared_ptr<Job>> pending;
        bool listEnded = false;
        while (!cancel.load()) {
            while (!listEnded && pending.size() < window) {
                std::shared_ptr<Job> job = run.NextJob();
                if (!job) {
                    listEnded = true;
                    break;
                }
                pending.push_back(job);
                pool.Queue(job);
            }
            if (pending.empty())
                break;
            std::shared_ptr<Job> job = pending.front();
            pending.pop_front();
            observer.Step(++result.taken, job->id, job->page);
            while (!pool.WaitFor(*job))
                observer.Waiting();
            run.Apply(*job, result);
            // A page added behind the last one sent out is still taken up.
            listEnded = false;
        }
        result.cancelled = cancel.load();
        observer.End();
        // The pool's destructor drops what was not sent out and waits for the fetches under
        // way; their answers are not used.
    }
    return result;
}
