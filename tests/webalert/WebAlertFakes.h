#pragma once
// Stored copies in memory (a file can be locked; a file needs its folder) and a fetcher that
// answers from a table, records what it was asked and can take its time. Tables are filled
// before a run starts and read after it ended.
#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "webalert/PageFetcher.h"
#include "webalert/PageFiles.h"

class MemoryPageFiles : public PageFileSystem {
public:
    using Lock = std::lock_guard<std::mutex>;
    bool ReadWhole(const std::string& path, std::string& bytes) override
    {
        Lock lock(mutex);
        if (!files.count(path) || locked.count(path))
            return false;
        bytes = files[path];
        return true;
    }
    bool WriteWhole(const std::string& path, std::string_view bytes) override
    {
        Lock lock(mutex);
        return Writable(path) && (files[path] = std::string(bytes), true);
    }
    bool Exists(const std::string& path) override { Lock lock(mutex); return files.count(path) != 0; }
    bool CopyOver(const std::string& from, const std::string& to) override
    {
        Lock lock(mutex);
        return files.count(from) && !locked.count(from) && Writable(to) && (files[to] = files[from], true);
    }
    bool Delete(const std::string& path) override { Lock lock(mutex); return !locked.count(path) && files.erase(path); }
    bool CreateFolder(const std::string& path) override { Lock lock(mutex); return folders.insert(path).second; }
    bool RemoveFolder(const std::string& path) override
    {
        Lock lock(mutex);
        for (const auto& file : files)
            if (file.first.rfind(path + "\\", 0) == 0)
                return false;
        return folders.erase(path) != 0;
    }
    std::string At(const std::string& path) const { return files.count(path) ? files.at(path) : "<none>"; }

    std::mutex mutex;
    std::map<std::string, std::string> files;
    std::set<std::string> folders, locked;

private:
    bool Writable(const std::string& path) const { return !locked.count(path) && folders.count(path.substr(0, path.rfind('\\'))); }
};

class FakePageFetcher : public PageFetcher {
public:
    std::string Fetch(const std::string& link) override
    {
        std::unique_lock<std::mutex> lock(mutex);
        asked.push_back(link);
        mostAtOnce = std::max(mostAtOnce, ++inFlight);
        const std::string body = pages.count(link) ? pages[link] : "";
        lock.unlock();
        std::this_thread::sleep_for(delay);
        lock.lock();
        --inFlight;
        return body;
    }

    std::mutex mutex;
    std::map<std::string, std::string> pages;
    std::vector<std::string> asked;
    std::chrono::milliseconds delay{0};
    int inFlight = 0, mostAtOnce = 0;
};
