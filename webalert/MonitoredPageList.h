#pragma once
// The ordered list of watched pages. It is shared by the user-interface thread and a running
// check, so every record is reached through the list under its lock: readers get copies,
// writers name the record by identity (PageId) and change it in place. A record stays alive
// while anyone holds it (a check keeps the pages it has taken up), so a page removed during a
// check is never freed under it; a result for a page that has left the list is dropped.
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "webalert/MonitoredPage.h"

class Profile;

// A record's identity: its address, which stays the record's for as long as anyone holds it.
using PageId = const MonitoredPage*;

extern const char* const kWebAlertSection;   // "WebAlertUrl"
// Keys 1 to 499 are read.
constexpr int kMaxStoredPages = 499;

class MonitoredPageList {
public:
    MonitoredPageList() = default;
    MonitoredPageList(const MonitoredPageList&) = delete;
    MonitoredPageList& operator=(const MonitoredPageList&) = delete;

    // Replaces the list by section "WebAlertUrl": keys 1 to 499, up to the first missing or
    // empty one. Records held by a running check live on outside the list.
    void Load(const Profile& profile);
    // Rewrites the whole section from the list (nothing when the list is empty).
    void Save(Profile& profile) const;

    std::size_t Size() const;
    // Copies of every record, in list order, with their identities.
    std::vector<MonitoredPage> Copies() const;
    std::vector<PageId> Ids() const;
    // A copy of the record at index / with that identity; false when there is none.
    bool CopyAt(std::size_t index, MonitoredPage& page, PageId* id = nullptr) const;
    bool CopyOf(PageId id, MonitoredPage& page) const;
    // The record with that identity and the list's hold on it (null when not in the list).
    std::shared_ptr<MonitoredPage> Hold(PageId id) const;

    // Appends a copy; returns its identity.
    PageId Append(const MonitoredPage& page);
    // Takes the record out of the list; false when it was not there.
    bool Remove(PageId id);
    // Runs change on the record under the lock; false when the record is not in the list.
    bool Update(PageId id, const std::function<void(MonitoredPage&)>& change);
    bool Contains(PageId id) const;

    // Pages that are enabled and have any state bit set.
    int CountEnabledWithState() const;

private:
    // The list's hold on the record; null when it is not in the list. Called under the lock.
    std::shared_ptr<MonitoredPage> Find(PageId id) const;

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<MonitoredPage>> pages_;
};
