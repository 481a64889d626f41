// The schedule's modes, the comparison of a page with its stored copy and the balloon text.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "webalert/CheckNotices.h"
#include "webalert/CheckSchedule.h"
#include "webalert/PageComparison.h"

namespace {

TEST(CheckSchedule, ModesStartAsTheTableSays)
{
    struct Case {
        const char* what;
        int mode, interval;
        const char* last;
        int referenceMinute;
        LocalTime now;
        bool atStart;
        bool onConnect, wasConnected, connected;
        bool starts;
    };
    const Case cases[] = {
        {"manually never", 0, 30, "", 600, {2026, 5, 1, 10, 30}, true, false, false, false, false},
        {"on start at start", 1, 30, "20260501", 0, {2026, 5, 1, 10, 0}, true, false, false, false, true},
        {"on start on a tick", 1, 30, "", 0, {2026, 5, 1, 10, 0}, false, false, false, false, false},
        {"minutes: 30 after 10:00", 2, 30, "", 600, {2026, 5, 1, 10, 30}, false, false, false, false, true},
        {"minutes: 29 after", 2, 30, "", 600, {2026, 5, 1, 10, 29}, false, false, false, false, false},
        {"minutes: 31 after", 2, 30, "", 600, {2026, 5, 1, 10, 31}, false, false, false, false, false},
        {"minutes: 23:45 then 23:15", 2, 30, "", 23 * 60 + 45, {2026, 5, 2, 23, 15}, false, false, false, false, true},
        {"minutes: 23:45 then 00:15", 2, 30, "", 23 * 60 + 45, {2026, 5, 2, 0, 15}, false, false, false, false, false},
        {"minutes: 0 means 2", 2, 0, "", 600, {2026, 5, 1, 10, 0}, false, false, false, false, false},
        {"minutes: 0 means 2, due", 2, 0, "", 600, {2026, 5, 1, 10, 2}, false, false, false, false, true},
        {"minutes: 500 means 60", 2, 500, "", 600, {2026, 5, 1, 11, 0}, false, false, false, false, true},
        {"hours: 2", 3, 2, "", 600, {2026, 5, 1, 12, 0}, false, false, false, false, true},
        {"hours: 2, 1 h after", 3, 2, "", 600, {2026, 5, 1, 11, 0}, false, false, false, false, false},
        {"hours: 0 means 1", 3, 0, "", 600, {2026, 5, 1, 11, 0}, false, false, false, false, true},
        {"day: no date", 4, 30, "", 0, {2026, 5, 1, 0, 0}, false, false, false, false, true},
        {"day: today", 4, 30, "20260501", 0, {2026, 5, 1, 23, 59}, false, false, false, false, false},
        {"day: yesterday", 4, 30, "20260430", 0, {2026, 5, 1, 0, 0}, false, false, false, false, true},
        {"day: over the year's end", 4, 30, "20251231", 0, {2026, 1, 1, 0, 0}, false, false, false, false, true},
        {"week: 6 days", 5, 30, "20260425", 0, {2026, 5, 1, 9, 0}, false, false, false, false, false},
        {"week: 7 days", 5, 30, "20260424", 0, {2026, 5, 1, 9, 0}, false, false, false, false, true},
        {"week: no date", 5, 30, "", 0, {2026, 5, 1, 9, 0}, false, false, false, false, true},
        {"month: 29 days", 6, 30, "20260201", 0, {2026, 3, 2, 9, 0}, false, false, false, false, false},
        {"month: 30 days, not a calendar month", 6, 30, "20260201", 0, {2026, 3, 3, 9, 0}, false, false, false, false, true},
        {"month: garbage date counts from day 0", 6, 30, "garbage", 0, {2026, 3, 3, 9, 0}, false, false, false, false, true},
        {"unknown mode", 9, 30, "", 0, {2026, 3, 3, 9, 0}, false, false, false, false, false},
        {"online now", 0, 30, "", 0, {2026, 3, 3, 9, 0}, false, true, false, true, true},
        {"online before and now", 0, 30, "", 0, {2026, 3, 3, 9, 0}, false, true, true, true, false},
        {"offline", 0, 30, "", 0, {2026, 3, 3, 9, 0}, false, true, true, false, false},
        {"online but option off", 0, 30, "", 0, {2026, 3, 3, 9, 0}, false, false, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScheduleOptions options;
        options.mode = c.mode;
        options.interval = c.interval;
        options.onConnect = c.onConnect;
        ScheduleState state;
        state.lastCheckDate = c.last;
        state.referenceMinute = c.referenceMinute;
        state.wasConnected = c.wasConnected;
        int asked = 0;
        const bool starts = ScheduleTickDue(options, state, c.now, c.atStart, [&] { ++asked; return c.connected; });
        EXPECT_EQ(starts, c.starts);
        EXPECT_EQ(asked, c.onConnect ? 1 : 0);
        if (c.onConnect) {
            EXPECT_EQ(state.wasConnected, c.connected);
        }
        if (starts) {
            char date[16];
            std::snprintf(date, sizeof date, "%04i%02i%02i", c.now.year, c.now.month, c.now.day);
            EXPECT_EQ(state.lastCheckDate, date);
            EXPECT_EQ(state.referenceMinute, c.now.hour * 60 + c.now.minute);
        } else {
            EXPECT_EQ(state.lastCheckDate, c.last);
            EXPECT_EQ(state.referenceMinute, c.referenceMinute);
        }
    }

    // A started run moves the reference: the rest of that minute does not start another.
    ScheduleOptions options;
    ScheduleState state;
    state.referenceMinute = 600;
    EXPECT_TRUE(ScheduleTickDue(options, state, {2026, 5, 1, 10, 30}, false, nullptr));
    EXPECT_FALSE(ScheduleTickDue(options, state, {2026, 5, 1, 10, 30}, false, nullptr));
    EXPECT_TRUE(ScheduleTickDue(options, state, {2026, 5, 1, 11, 0}, false, nullptr));
}

TEST(PageComparison, StrictSizeAndScriptRules)
{
    const std::string thousand(1000, 'a');
    const std::string nul1 = std::string("<p>A\0B</p>", 10);
    const std::string nul2 = std::string("<p>A\0C</p>", 10);
    struct Case {
        const char* what;
        CompareOptions options;
        std::string fetched;
        const std::string* stored;
        CompareVerdict verdict;
    };
    const std::string same = "<html>same</html>";
    const std::string other = "<html>SAME</html>";
    const std::string scripted = "<p>x</p><SCRIPT>var t=1;</script><p>y</p>";
    const std::string rescripted = "<p>x</p><script src=a>var t=2;</Script><p>y</p>";
    const std::string s936(936, 'b'), s935(935, 'b'), s1064(1064, 'b'), s1065(1065, 'b');
    const Case cases[] = {
        {"empty answer", {true, false, true, 64}, "", &same, CompareVerdict::NoContent},
        {"empty answer, no copy", {true, false, true, 64}, "", nullptr, CompareVerdict::NoContent},
        {"no stored copy", {false, false, false, 0}, "x", nullptr, CompareVerdict::Changed},
        {"strict equal", {true, false, true, 64}, same, &same, CompareVerdict::Equal},
        {"strict differs in case", {true, false, true, 5000}, other, &same, CompareVerdict::Changed},
        {"strict past a NUL", {true, false, false, 0}, nul2, &nul1, CompareVerdict::Changed},
        {"strict, longer by a NUL", {true, false, false, 0}, nul1 + std::string(1, '\0'), &nul1, CompareVerdict::Changed},
        {"strict, equal with NULs", {true, false, false, 0}, nul1, &nul1, CompareVerdict::Equal},
        {"scripts differ, kept", {true, false, false, 0}, rescripted, &scripted, CompareVerdict::Changed},
        {"scripts differ, left out", {true, true, false, 0}, rescripted, &scripted, CompareVerdict::Equal},
        {"size: 936 within 64", {false, false, true, 64}, s936, &thousand, CompareVerdict::Unchanged},
        {"size: 1064 within 64", {false, false, true, 64}, s1064, &thousand, CompareVerdict::Unchanged},
        {"size: 935 beyond 64", {false, false, true, 64}, s935, &thousand, CompareVerdict::Changed},
        {"size: 1065 beyond 64", {false, false, true, 64}, s1065, &thousand, CompareVerdict::Changed},
        {"size: tolerance 0, same length", {false, false, true, 0}, other, &same, CompareVerdict::Unchanged},
        {"size: tolerance 0, one more", {false, false, true, 0}, other + "x", &same, CompareVerdict::Changed},
        {"size: negative tolerance as 0", {false, false, true, -5}, other + "x", &same, CompareVerdict::Changed},
        {"size: scripts left out first", {false, true, true, 0}, rescripted, &scripted, CompareVerdict::Unchanged},
        {"neither rule", {false, false, false, 0}, s935, &thousand, CompareVerdict::Unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ComparePage(c.options, c.fetched, c.stored), c.verdict);
    }
}

TEST(CheckNotices, BalloonListsChangedPagesUpTo249Characters)
{
    const std::string header = "Some links has been modified. Click here to open list.";
    auto page = [](std::string name, int state, int enabled = 1) {
        MonitoredPage p(std::move(name), "http://x/");
        p.state = state;
        p.enabled = enabled;
        return p;
    };
    const int changed = kPageModified | kPageChangedThisRun | kPageUpdated;
    std::vector<MonitoredPage> pages = {
        page("First", changed),
        page("Read already", kPageChangedThisRun),
        page("From an earlier run", kPageModified | kPageUpdated),
        page("Disabled", changed, 0),
        page(std::string(40, 'L'), changed),
    };
    EXPECT_EQ(BalloonText(header, pages), header + "\n\nFirst\n" + std::string(30, 'L') + "...");

    std::vector<MonitoredPage> many;
    for (int i = 0; i < 20; ++i)
        many.push_back(page("Page number " + std::string(1, static_cast<char>('A' + i)) + " with a name", changed));
    const std::string text = BalloonText(header, many);
    EXPECT_LE(text.size(), 249u + 1 + 4 + 1);
    EXPECT_EQ(text.substr(text.size() - 4), "\n...");
    EXPECT_EQ(text.find("Page number A "), header.size() + 2);
    // Every name listed fits: the next one would have passed 249.
    const std::size_t names = text.size() - header.size() - 1 - 4;
    EXPECT_GT(names + header.size() + many[0].name.size(), 249u);

    EXPECT_EQ(BalloonText(header, {}), header + "\n");

    MonitoredPage p = page("Name", changed);
    p.urlString = "http://n/";
    p.changeDate = "20261208";
    p.changeTime = "18:30";
    ChangeNotice notice = NoticeFor(p, true);
    EXPECT_EQ(notice.name, "Name");
    EXPECT_EQ(notice.link, "http://n/");
    EXPECT_EQ(notice.displayDate, "08/12/2026");
    EXPECT_EQ(notice.changeTime, "18:30");
    EXPECT_EQ(NoticeFor(p, false).displayDate, "12-08-2026");
}

} // namespace
