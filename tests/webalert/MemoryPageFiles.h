#pragma once
// An in-memory file system for the stored copies, with files that can be made unreadable.
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "webalert/PageFiles.h"

class MemoryPageFiles : public PageFileSystem {
public:
    bool ReadWhole(const std::string& path, std::string& bytes) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = files.find(path);
        if (it == files.end() || locked.count(path))
            return false;
        bytes = it->second;
        return true;
    }
    bool WriteWhole(const std::string& path, std::string_view bytes) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (locked.count(path) || !folders.count(path.substr(0, path.rfind('\\'))))
            return false;
        files[path] = std::string(bytes);
        return true;
    }
    bool Exists(const std::string& path) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        return files.count(path) != 0;
    }
    bool CopyOver(const std::string& from, const std::string& to) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = files.find(from);
        if (it == files.end() || locked.count(from) || locked.count(to) ||
            !folders.count(to.substr(0, to.rfind('\\'))))
            return false;
        files[to] = it->second;
        return true;
    }
    bool Delete(const std::string& path) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        return !locked.count(path) && files.erase(path) != 0;
    }
    bool CreateFolder(const std::string& path) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        return folders.insert(path).second;
    }
    bool RemoveFolder(const std::string& path) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (const auto& file : files)
            if (file.first.compare(0, path.size() + 1, path + "\\") == 0)
                return false;
        return folders.erase(path) != 0;
    }

    // Test helpers (not locked: used while no check runs).
    std::string At(const std::string& path) const
    {
        auto it = files.find(path);
        return it == files.end() ? "<none>" : it->second;
    }
    bool Has(const std::string& path) const { return files.count(path) != 0; }

    std::mutex mutex;
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> locked;
};
