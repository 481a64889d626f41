#pragma once
// The options page edits copies of the watched pages while a check may go on changing the
// live records. On OK the copies go back into the live list, and what a run found in the
// meantime (a page marked changed, its date, time and count) survives unless the user
// edited or deleted that page in the sheet.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "webalert/MonitoredPageList.h"

struct WorkingPage {
    MonitoredPage page;
    PageId source = nullptr;   // the live record it was copied from; null when added here
    bool edited = false;       // the user confirmed the Add/Edit dialog on it
    std::string folderName;    // the name its stored copies are kept under; empty when added here
};

class WorkingPages {
public:
    // Copies of every live record, in list order.
    void CopyFrom(const MonitoredPageList& live);

    const std::vector<WorkingPage>& Pages() const { return pages_; }
    std::size_t Size() const { return pages_.size(); }
    const MonitoredPage& At(std::size_t index) const { return pages_[index].page; }

    // Whether a page here has that name, compared without regard to case.
    bool NameTaken(std::string_view name) const;
    void Add(const MonitoredPage& page);
    // The record at index after the user confirmed the Edit dialog on it.
    void Replace(std::size_t index, const MonitoredPage& page);
    // Takes the record at index out; the live record it came from leaves the live list on OK.
    // Returns the name whose folder holds the page's stored copies (the name it had when
    // copied: editing a name does not move the folder); empty for a page added here.
    std::string Remove(std::size_t index);

    // Puts the copies into the live list: deleted pages leave it, edited and added pages come
    // in as the user left them, the others stay as the live list holds them (with the change
    // marks a run gave them meanwhile). Records keep their identities, so a run still going on
    // reports onto the right ones; pages the live list gained meanwhile stay.
    void ApplyTo(MonitoredPageList& live) const;

private:
    std::vector<WorkingPage> pages_;
    std::vector<PageId> deleted_;
};

// The interval field's range for a schedule mode (2 to 60 minutes, 1 to 24 hours); {0, 0}
// for the modes without an interval.
std::pair<int, int> IntervalRange(int mode);
// value brought into the mode's range; unchanged for the modes without an interval.
int ClampInterval(int mode, int value);
