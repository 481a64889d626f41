// The watched-page record in section "WebAlertUrl", the list's load and save, the name rules,
// the page folders, and the rules of a check: the schedule, the comparison, the balloon.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/MemoryProfile.h"
#include "tests/webalert/WebAlertFakes.h"
#include "webalert/CheckNotices.h"
#include "webalert/CheckSchedule.h"
#include "webalert/MonitoredPageList.h"
#include "webalert/PageComparison.h"

namespace {

std::string Key(int index) { return "WebAlertUrl" + std::to_string(index); }

TEST(MonitoredPageRecord, RoundTripDamagedLinesAndLimits)
{
    MemoryProfile profile;
    MonitoredPageList list;
    list.Append(MonitoredPage("News", "http://example.com/news"));
    MonitoredPage seen("Prices", "http://shop.example/p?a=1|b=2", "Current page");
    seen.state = kPageUpdated | kPageModified | kPageChangedThisRun;
    seen.mailOnChange = seen.openOnChange = 1;
    seen.StampChange({2026, 3, 5, 9, 7});
    seen.changeCount = 12;
    list.Append(seen);
    list.Save(profile);
    EXPECT_EQ(profile.ReadString("WebAlertUrl", "WebAlertUrl1", "", 4096), "News|\"http://example.com/news\"||1|0|0|0|||0");
    // Bit 0x80 is never written; a bar inside the link goes out as %7C.
    const std::string prices = "Prices|\"http://shop.example/p?a=1%7Cb=2\"|Current page|1|80|1|1|20260305|09:07|12";
    EXPECT_EQ(profile.ReadString("WebAlertUrl", "WebAlertUrl2", "", 4096), prices);

    struct Case { std::string line, name, link; int enabled, state; std::string date; int count; };
    const std::string x5000(5000, 'x');
    const Case cases[] = {
        {prices, "Prices", "http://shop.example/p?a=1%7Cb=2", 1, kPageUpdated | kPageModified, "20260305", 12},
        {"A|http://a.example/|", "A", "ttp://a.example/", 1, 0, "", 0},   // no quotes: the first character goes
        {"C", "C", "", 1, 0, "", 0},
        {"F|\"", "F", "", 1, 0, "", 0},
        {"D|\"x\"||yes|64abc|-1|9|2026|12:00|lots", "D", "x", 0, 64, "2026", 0},
        {"E|\"l\"||0||||||7|8|9", "E", "l", 0, 0, "", 7},
        // Texts are cut at 1023 characters, date and time at 63, the whole value at 2047.
        {x5000, std::string(1023, 'x'), "", 1, 0, "", 0},
        {"N|\"" + x5000.substr(0, 1500) + "\"||1|0|0|0|" + x5000, "N", std::string(1023, 'x'), 1, 0, std::string(63, 'x'), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        profile.WriteString("WebAlertUrl", "WebAlertUrl9", c.line.c_str());
        MonitoredPage page;
        ASSERT_TRUE(page.Read(profile, "WebAlertUrl", 9));
        EXPECT_EQ(page.name, c.name);
        EXPECT_EQ(page.urlString, c.link);
        EXPECT_EQ(page.enabled, c.enabled);
        EXPECT_EQ(page.state, c.state);
        EXPECT_EQ(page.changeDate, c.date);
        EXPECT_EQ(page.changeCount, c.count);
    }
}

TEST(MonitoredPageRecord, LoadStopsAtAGapAndKeeps499)
{
    MemoryProfile profile;
    for (int i : {1, 2, 4})
        profile.WriteString("WebAlertUrl", Key(i).c_str(), (Key(i) + "|\"l\"||1|0|0|0|||0").c_str());
    MonitoredPageList list;
    list.Load(profile);
    EXPECT_EQ(list.Size(), 2u);
    list.Save(profile);
    EXPECT_FALSE(profile.Has("WebAlertUrl", "WebAlertUrl4"));
    profile.WriteString("WebAlertUrl", "WebAlertUrl2", "");   // an empty value ends the list too
    list.Load(profile);
    EXPECT_EQ(list.Size(), 1u);

    for (int i = 2; i <= 500; ++i)
        list.Append(MonitoredPage("Page " + std::to_string(i), "http://p/"));
    list.Save(profile);
    EXPECT_EQ(profile.KeyCount("WebAlertUrl"), 500u);
    list.Load(profile);
    MonitoredPage last;
    ASSERT_EQ(list.Size(), 499u);
    ASSERT_TRUE(list.CopyAt(498, last));
    EXPECT_EQ(last.name, "Page 499");
    list.Load(MemoryProfile());
    list.Save(profile);
    EXPECT_EQ(profile.KeyCount("WebAlertUrl"), 0u);
}

TEST(PageFolder, UnsafeNamesTouchNothingAndCopiesRotateAndMove)
{
    const std::string data = "C:\\Users\\u\\AppData\\Quorvane\\";
    const std::string fits(259 - data.size() - 14, 'n'), tooLong = fits + "n";
    for (const char* name : {"News", "caf\xe9", "CONSOLE", "COM", fits.c_str()})
        EXPECT_TRUE(IsSafeFolderName(data, name)) << name;
    for (const char* name : {"", ".", "..", "CON", "con", "NUL.txt", "Com1", "LPT9", "a\\..\\b", "../x", "c:x", "a\"b",
                             "tab\tname", "end.", "end ", tooLong.c_str()})
        EXPECT_TRUE(PageFolderPath(data, name).empty()) << name;
    EXPECT_EQ(CleanPageName("  a/b\\c=d x:y.z<1>2+3*4|5?6 "), "a-b-c-d x y z 1 2 3 4 5 6");

    MemoryPageFiles files;
    PageFolders folders(files, data);
    folders.SaveCurrentCopy("..", "x");
    folders.RotateCopies("CON");
    EXPECT_TRUE(files.files.empty() && files.folders.empty());

    // A locked current copy reads as missing (a change) and its backup is kept.
    folders.RotateCopies("P");
    folders.SaveCurrentCopy("P", "one");
    folders.RotateCopies("P");
    folders.SaveCurrentCopy("P", "two");
    files.locked.insert(data + "P\\url.html");
    std::string bytes;
    EXPECT_FALSE(folders.ReadCurrentCopy("P", bytes));
    folders.RotateCopies("P");
    EXPECT_EQ(files.At(data + "P\\urBackup.html"), "one");
    files.locked.clear();

    // A rename onto a folder that exists leaves the copies where they were.
    files.CreateFolder(data + "Q");
    EXPECT_FALSE(folders.RenamePageFolder("P", "Q"));
    EXPECT_TRUE(folders.RenamePageFolder("P", "R"));
    EXPECT_EQ(files.At(data + "R\\url.html") + files.At(data + "R\\urBackup.html"), "twoone");
}

TEST(CheckSchedule, ModesStartAsTheTableSays)
{
    struct Case {
        int mode, interval;
        const char* last;
        int reference;   // minute of the day of the last start
        LocalTime now;
        bool atStart, onConnect, wasConnected, connected, starts;
    };
    const Case cases[] = {
        {0, 30, "", 600, {2026, 5, 1, 10, 30}, true, false, false, false, false},
        {1, 30, "20260501", 0, {2026, 5, 1, 10, 0}, true, false, false, false, true},
        {2, 30, "", 600, {2026, 5, 1, 10, 30}, false, false, false, false, true},
        {2, 30, "", 600, {2026, 5, 1, 10, 31}, false, false, false, false, false},
        {2, 30, "", 23 * 60 + 45, {2026, 5, 2, 23, 15}, false, false, false, false, true},   // 23:45 -> 23:15
        {2, 30, "", 23 * 60 + 45, {2026, 5, 2, 0, 15}, false, false, false, false, false},
        {2, 0, "", 600, {2026, 5, 1, 10, 2}, false, false, false, false, true},    // 0 minutes means 2
        {3, 2, "", 600, {2026, 5, 1, 12, 0}, false, false, false, false, true},
        {3, 0, "", 600, {2026, 5, 1, 11, 0}, false, false, false, false, true},    // 0 hours means 1
        {4, 30, "20260501", 0, {2026, 5, 1, 23, 59}, false, false, false, false, false},
        {4, 30, "20251231", 0, {2026, 1, 1, 0, 0}, false, false, false, false, true},
        {5, 30, "20260425", 0, {2026, 5, 1, 9, 0}, false, false, false, false, false},
        {6, 30, "20260201", 0, {2026, 3, 2, 9, 0}, false, false, false, false, false},   // 29 days
        {6, 30, "20260201", 0, {2026, 3, 3, 9, 0}, false, false, false, false, true},    // 30 days
        {9, 30, "", 0, {2026, 3, 3, 9, 0}, false, false, false, false, false},
        {0, 30, "", 0, {2026, 3, 3, 9, 0}, false, true, false, true, true},     // comes online
        {0, 30, "", 0, {2026, 3, 3, 9, 0}, false, true, true, true, false},     // was online before
        {0, 30, "", 0, {2026, 3, 3, 9, 0}, false, false, false, true, false},   // option off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ScheduleOptions options{c.mode, c.interval, c.onConnect};
        ScheduleState state{c.last, c.reference, c.wasConnected};
        const bool starts = ScheduleTickDue(options, state, c.now, c.atStart, [&] { return c.connected; });
        EXPECT_EQ(starts, c.starts);
        EXPECT_EQ(state.wasConnected, c.onConnect ? c.connected : c.wasConnected);
        EXPECT_EQ(state.referenceMinute, starts ? c.now.hour * 60 + c.now.minute : c.reference);
        MonitoredPage stamp;
        stamp.StampChange(c.now);
        EXPECT_EQ(state.lastCheckDate, starts ? stamp.changeDate : c.last);
    }
    // A started run moves the reference: the rest of that minute starts no other.
    ScheduleState state{"", 600, false};
    EXPECT_TRUE(ScheduleTickDue({}, state, {2026, 5, 1, 10, 30}, false, nullptr));
    EXPECT_FALSE(ScheduleTickDue({}, state, {2026, 5, 1, 10, 30}, false, nullptr));
}

TEST(PageComparison, StrictSizeAndScriptRules)
{
    const std::string same = "<html>same</html>", other = "<html>SAME</html>";
    const std::string nul1("<p>A\0B</p>", 10), nul2("<p>A\0C</p>", 10);
    const std::string scripted = "<p>x</p><SCRIPT>var t=1;</script><p>y</p>";
    const std::string rescripted = "<p>x</p><script src=a>var t=2;</Script><p>y</p>";
    const std::string s1000(1000, 'a'), s936(936, 'b'), s935(935, 'b'), s1065(1065, 'b');
    struct Case {
        CompareOptions options;
        std::string fetched;
        const std::string* stored;
        CompareVerdict verdict;
    };
    using V = CompareVerdict;
    const Case cases[] = {
        {{true, false, true, 64}, "", &same, V::NoContent},
        {{false, false, false, 0}, "x", nullptr, V::Changed},
        {{true, false, true, 64}, same, &same, V::Equal},
        {{true, false, false, 0}, nul2, &nul1, V::Changed},                          // past a NUL byte
        {{true, false, false, 0}, nul1 + std::string(1, '\0'), &nul1, V::Changed},
        {{true, false, false, 0}, nul1, &nul1, V::Equal},
        {{true, false, false, 0}, rescripted, &scripted, V::Changed},
        {{true, true, false, 0}, rescripted, &scripted, V::Equal},
        {{false, false, true, 64}, s936, &s1000, V::Unchanged},
        {{false, false, true, 64}, s935, &s1000, V::Changed},
        {{false, false, true, 64}, s1065, &s1000, V::Changed},
        {{false, false, true, 0}, other, &same, V::Unchanged},
        {{false, false, true, -5}, other + "x", &same, V::Changed},
        {{false, true, true, 0}, rescripted, &scripted, V::Unchanged},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComparePage(c.options, c.fetched, c.stored), c.verdict) << "case " << (&c - cases);
}

TEST(CheckNotices, BalloonListsUnreadPagesOfThisRunAndTheMailNotice)
{
    std::vector<MonitoredPage> pages(4, MonitoredPage("First", "http://n/"));
    pages[0].state = pages[3].state = kPageModified | kPageChangedThisRun;
    pages[1].state = kPageChangedThisRun;   // read since
    pages[2].state = kPageModified;         // from an earlier run
    pages[3].name = std::string(40, 'L');
    EXPECT_EQ(BalloonText("Head", pages), "Head\n\nFirst\n" + std::string(30, 'L') + "...");
    pages[0].enabled = 0;
    EXPECT_EQ(BalloonText("Head", {pages[0]}), "Head\n");

    pages[0].StampChange({2026, 12, 8, 18, 30});
    const ChangeNotice notice = NoticeFor(pages[0], true);
    EXPECT_EQ(notice.name + notice.link + notice.displayDate + notice.changeTime, "Firsthttp://n/08/12/202618:30");
    EXPECT_EQ(NoticeFor(pages[0], false).displayDate, "12-08-2026");
}

} // namespace
