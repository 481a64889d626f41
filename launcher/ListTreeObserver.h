#pragma once
// What a most-recent-first list tells the launcher's tree when an entry moves or arrives. The
// tree keeps one item per entry under the root of the list's category, with the entry as item
// data; the lists themselves know nothing of windows.
#include <string>

template <class Entry>
class ListTreeObserver {
public:
    virtual ~ListTreeObserver() = default;
    // The entry left the list (it may come back at the top at once): remove its item from under
    // the category root.
    virtual void EntryRemoved(int category, const Entry& entry) = 0;
    // The entry now stands at the top: insert an item for it first under the category root, with
    // this text, and select the root.
    virtual void EntryInsertedFirst(int category, Entry& entry, const std::string& text) = 0;
};
