#include "webalert/WorkingPages.h"

#include <algorithm>

#include "app/TextUtil.h"
#include "webalert/CheckSchedule.h"

void WorkingPages::CopyFrom(const MonitoredPageList& live)
{
    pages_.clear();
    deleted_.clear();
    const std::vector<MonitoredPage> copies = live.Copies();
    const std::vector<PageId> ids = live.Ids();
    // Copies and Ids are two looks at the list; a page appended between them has no copy.
    for (std::size_t i = 0; i < copies.size() && i < ids.size(); ++i)
        pages_.push_back({copies[i], ids[i], false, copies[i].name});
}

bool WorkingPages::NameTaken(std::string_view name) const
{
    return std::any_of(pages_.begin(), pages_.end(),
                       [&](const WorkingPage& w) { return EqualsNoCase(w.page.name, name); });
}

void WorkingPages::Add(const MonitoredPage& page)
{
    pages_.push_back({page, nullptr, true, std::string()});
}

void WorkingPages::Replace(std::size_t index, const MonitoredPage& page)
{
    if (index >= pages_.size())
        return;
    pages_[index].page = page;
    pages_[index].edited = true;
}

std::string WorkingPages::Remove(std::size_t index)
{
    if (index >= pages_.size())
        return std::string();
    std::string folder = pages_[index].folderName;
    if (pages_[index].source)
        deleted_.push_back(pages_[index].source);
    pages_.erase(pages_.begin() + static_cast<std::ptrdiff_t>(index));
    return folder;
}

void WorkingPages::ApplyTo(MonitoredPageList& live) const
{
    for (PageId id : deleted_)
        live.Remove(id);
    for (const WorkingPage& w : pages_) {
        if (!w.source) {
            live.Append(w.page);
            continue;
        }
        // A page left alone here is the live record as it stands: a run or the monitor window
        // may have changed it since the copy was taken.
        if (!w.edited)
            continue;
        // One the live list lost meanwhile comes back, since the user kept and edited it here.
        if (!live.Update(w.source, [&](MonitoredPage& record) { record = w.page; }))
            live.Append(w.page);
    }
}

std::pair<int, int> IntervalRange(int mode)
{
    if (mode == kScheduleMinutes)
        return {2, 60};
    if (mode == kScheduleHours)
        return {1, 24};
    return {0, 0};
}

int ClampInterval(int mode, int value)
{
    const auto [low, high] = IntervalRange(mode);
    if (low == 0)
        return value;
    return std::clamp(value, low, high);
}
