#include "webalert/MonitoredPageList.h"

#include "app/Profile.h"

const char* const kWebAlertSection = "WebAlertUrl";

void MonitoredPageList::Load(const Profile& profile)
{
    std::vector<std::shared_ptr<MonitoredPage>> loaded;
    for (int index = 1; index <= kMaxStoredPages; ++index) {
        auto page = std::make_shared<MonitoredPage>();
        if (!page->Read(profile, kWebAlertSection, index))
            break;
        loaded.push_back(std::move(page));
    }
    std::lock_guard<std::mutex> lock(mutex_);
    pages_.swap(loaded);
}

void MonitoredPageList::Save(Profile& profile) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    profile.DeleteSection(kWebAlertSection);
    int index = 1;
    for (const auto& page : pages_)
        page->Write(profile, kWebAlertSection, index++);
}

std::size_t MonitoredPageList::Size() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return pages_.size();
}

std::vector<MonitoredPage> MonitoredPageList::Copies() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<MonitoredPage> copies;
    copies.reserve(pages_.size());
    for (const auto& page : pages_)
        copies.push_back(*page);
    return copies;
}

std::vector<PageId> MonitoredPageList::Ids() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<PageId> ids;
    ids.reserve(pages_.size());
    for (const auto& page : pages_)
        ids.push_back(page.get());
    return ids;
}

bool MonitoredPageList::CopyAt(std::size_t index, MonitoredPage& page, PageId* id) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (index >= pages_.size())
        return false;
    page = *pages_[index];
    if (id)
        *id = pages_[index].get();
    return true;
}

std::shared_ptr<MonitoredPage> MonitoredPageList::Find(PageId id) const
{
    for (const auto& held : pages_)
        if (held.get() == id)
            return held;
    return nullptr;
}

bool MonitoredPageList::CopyOf(PageId id, MonitoredPage& page) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto held = Find(id);
    if (held)
        page = *held;
    return held != nullptr;
}

std::shared_ptr<MonitoredPage> MonitoredPageList::Hold(PageId id) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return Find(id);
}

PageId MonitoredPageList::Append(const MonitoredPage& page)
{
    auto record = std::make_shared<MonitoredPage>(page);
    std::lock_guard<std::mutex> lock(mutex_);
    pages_.push_back(record);
    return record.get();
}

bool MonitoredPageList::Remove(PageId id)
{
    std::shared_ptr<MonitoredPage> removed;   // freed after the lock is let go
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = pages_.begin(); it != pages_.end(); ++it)
        if (it->get() == id) {
            removed = std::move(*it);
            pages_.erase(it);
            return true;
        }
    return false;
}

bool MonitoredPageList::Update(PageId id, const std::function<void(MonitoredPage&)>& change)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto held = Find(id);
    if (held)
        change(*held);
    return held != nullptr;
}

bool MonitoredPageList::Contains(PageId id) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return Find(id) != nullptr;
}

int MonitoredPageList::CountEnabledWithState() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    int count = 0;
    for (const auto& page : pages_)
        if (page->enabled && page->state != 0)
            ++count;
    return count;
}
