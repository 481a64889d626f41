// The options page's copies of the watched pages going back into the live list while a check
// changed live records meanwhile, and the interval field's ranges.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "webalert/CheckSchedule.h"
#include "webalert/MonitoredPageList.h"
#include "webalert/WorkingPages.h"

namespace {

// What a check does to a page it finds changed.
void MarkChanged(MonitoredPageList& live, PageId id)
{
    live.Update(id, [](MonitoredPage& p) {
        p.state |= kPageUpdated | kPageModified | kPageChangedThisRun;
        p.StampChange({2026, 12, 8, 22, 15});
        ++p.changeCount;
    });
}

TEST(WorkingPages, ApplyKeepsWhatARunDidUnlessTheUserTouchedThePage)
{
    MonitoredPageList live;
    for (const char* name : {"Deleted", "Edited", "RunOnly", "Untouched", "Renamed"})
        live.Append(MonitoredPage(name, std::string("http://example.com/") + name));
    const std::vector<PageId> ids = live.Ids();

    WorkingPages work;
    work.CopyFrom(live);
    ASSERT_EQ(work.Size(), 5u);
    EXPECT_TRUE(work.NameTaken("RUNONLY"));
    EXPECT_FALSE(work.NameTaken("RunOnly "));

    // The user, in the sheet.
    MonitoredPage edited = work.At(1), renamed = work.At(4);
    edited.urlString = "http://example.com/new";
    edited.enabled = 0;
    renamed.name = "Renamed2";
    work.Replace(1, edited);
    work.Replace(4, renamed);
    work.Add(MonitoredPage("Added", "http://example.com/added"));
    EXPECT_EQ(work.Remove(0), "Deleted");
    // A page added and removed here has no stored copies; one renamed here keeps them under
    // its first name.
    work.Add(MonitoredPage("Gone", "http://example.com/gone"));
    EXPECT_EQ(work.Remove(work.Size() - 1), "");
    WorkingPages other;
    other.CopyFrom(live);
    other.Replace(0, MonitoredPage("Elsewhere", "http://example.com/"));
    EXPECT_EQ(other.Remove(0), "Deleted");
    EXPECT_FALSE(work.NameTaken("deleted"));
    EXPECT_TRUE(work.NameTaken("added"));

    // A check, meanwhile, on the live records; and the mini browser adds a page.
    for (PageId id : {ids[0], ids[1], ids[2], ids[4]})
        MarkChanged(live, id);
    live.Append(MonitoredPage("FromBrowser", "http://example.com/b"));

    work.ApplyTo(live);

    const std::string changed = "|1|80|0|0|20261208|22:15|1";   // bit 0x80 is not written
    const std::string unchanged = "|1|0|0|0|||0";
    const std::vector<std::string> expected = {
        "Edited|\"http://example.com/new\"||0|0|0|0|||0",        // edited: as the user left it
        "RunOnly|\"http://example.com/RunOnly\"|" + changed,       // the run's marks survive
        "Untouched|\"http://example.com/Untouched\"|" + unchanged,
        "Renamed2|\"http://example.com/Renamed\"|" + unchanged,   // edited: the run's marks go
        "FromBrowser|\"http://example.com/b\"|" + unchanged,       // gained meanwhile: stays
        "Added|\"http://example.com/added\"|" + unchanged,
    };
    const std::vector<MonitoredPage> after = live.Copies();
    ASSERT_EQ(after.size(), expected.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].FormatPage(), expected[i]) << i;
    // The kept pages are still the records a running check holds.
    EXPECT_FALSE(live.Contains(ids[0]));
    for (std::size_t i = 1; i < ids.size(); ++i)
        EXPECT_TRUE(live.Contains(ids[i])) << i;
    MonitoredPage runOnly;
    ASSERT_TRUE(live.CopyOf(ids[2], runOnly));
    EXPECT_EQ(runOnly.state, kPageUpdated | kPageModified | kPageChangedThisRun);

    // The live list loses two pages while the sheet is open: the one edited here comes back,
    // the one left alone stays gone.
    WorkingPages again;
    again.CopyFrom(live);
    MonitoredPage renamedAgain = again.At(3);
    renamedAgain.name = "Renamed3";
    again.Replace(3, renamedAgain);
    live.Remove(ids[3]);
    live.Remove(ids[4]);
    again.ApplyTo(live);
    std::string names;
    for (const MonitoredPage& p : live.Copies())
        names += p.name + " ";
    EXPECT_EQ(names, "Edited RunOnly FromBrowser Added Renamed3 ");
}

TEST(WorkingPages, IntervalRanges)
{
    struct Case { int mode, value, shown; };
    const Case cases[] = {{kScheduleMinutes, 30, 30}, {kScheduleMinutes, 1, 2}, {kScheduleMinutes, 61, 60},
                          {kScheduleHours, 30, 24}, {kScheduleHours, 0, 1}, {4, 999, 999}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampInterval(c.mode, c.value), c.shown) << c.mode << " " << c.value;
}

}  // namespace
