#pragma once
// A fetcher that answers from a table, records what was asked and can take its time.
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "webalert/PageFetcher.h"

class FakePageFetcher : public PageFetcher {
public:
    std::string Fetch(const std::string& link) override
    {
        std::chrono::milliseconds delay;
        std::string body;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            asked_.push_back(link);
            delay = delay_;
            auto it = pages_.find(link);
            if (it != pages_.end())
                body = it->second;
            ++inFlight_;
            if (inFlight_ > mostAtOnce_)
                mostAtOnce_ = inFlight_;
        }
        if (delay.count())
            std::this_thread::sleep_for(delay);
        std::lock_guard<std::mutex> lock(mutex_);
        --inFlight_;
        return body;
    }

    void Serve(const std::string& link, std::string body)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pages_[link] = std::move(body);
    }
    void SetDelay(std::chrono::milliseconds delay)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        delay_ = delay;
    }
    std::vector<std::string> Asked()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return asked_;
    }
    int MostAtOnce()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return mostAtOnce_;
    }
    void Forget()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        asked_.clear();
    }

private:
    std::mutex mutex_;
    std::map<std::string, std::string> pages_;
    std::vector<std::string> asked_;
    std::chrono::milliseconds delay_{0};
    int inFlight_ = 0;
    int mostAtOnce_ = 0;
};
