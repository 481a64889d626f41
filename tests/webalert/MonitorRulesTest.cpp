// The monitor window's rules without the window: column texts, the row filter and looks, the
// order of each column, names typed in place, moving the copies, the mail command and where
// a stored window rectangle goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/webalert/WebAlertFakes.h"
#include "webalert/MonitorRules.h"

namespace {

MonitoredPage Page(std::string name, std::string link, int enabled, int state, std::string date = "",
                   std::string time = "", int count = 0)
{
    MonitoredPage page(std::move(name), std::move(link));
    page.enabled = enabled;
    page.state = state;
    page.changeDate = std::move(date);
    page.changeTime = std::move(time);
    page.changeCount = count;
    return page;
}

TEST(MonitorRules, ColumnsFilterAndLooks)
{
    const std::string link70 = "http://example.com/" + std::string(51, 'x');
    ASSERT_EQ(link70.size(), 70u);
    const MonitoredPage page = Page("News & more", link70, 1, kPageModified | kPageChangedThisRun, "20261208", "09:05", 12);
    const struct {
        int column;
        bool french;
        std::string text;
    } columns[] = {
        {kColumnLink, false, link70.substr(0, 64) + "..."},
        {kColumnDate, false, "12-08-2026"},
        {kColumnDate, true, "08/12/2026"},
        {kColumnEnabled, false, "Yes"},
        {kMonitorColumns, false, ""},
    };
    for (const auto& c : columns)
        EXPECT_EQ(MonitorColumnText(page, c.column, c.french, "Yes", "No"), c.text) << c.column;
    const std::string link64 = link70.substr(0, 64);
    EXPECT_EQ(MonitorColumnText(Page("a", link64, 0, 0), kColumnLink, false, "Yes", "No"), link64);
    EXPECT_EQ(MonitorColumnText(Page("a", link64, 0, 0), kColumnEnabled, false, "Yes", "No"), "No");
    EXPECT_EQ(MonitorColumnText(Page("a", std::string(1000, 'l'), 1, 0), kColumnLink, false, "", "").size(), 67u);

    // Filter (show disabled, only updated) and look, by state.
    const struct {
        MonitoredPage page;
        bool plain, withDisabled, onlyUpdated, both;
        RowLook look;
    } rows[] = {
        {Page("p", "l", 1, 0), true, true, false, false, RowLook::Plain},
        {Page("p", "l", 1, kPageUpdated), true, true, false, false, RowLook::Plain},
        {Page("p", "l", 1, kPageModified), true, true, true, true, RowLook::Unread},
        {Page("p", "l", 1, kPageModified | kPageChangedThisRun), true, true, true, true, RowLook::ChangedThisRun},
        {Page("p", "l", 0, 0), false, true, false, false, RowLook::Disabled},
        {Page("p", "l", 0, kPageModified), false, true, false, true, RowLook::Unread},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(MonitorRowAdmitted(r.page, false, false), r.plain) << r.page.enabled << r.page.state;
        EXPECT_EQ(MonitorRowAdmitted(r.page, true, false), r.withDisabled) << r.page.enabled << r.page.state;
        EXPECT_EQ(MonitorRowAdmitted(r.page, false, true), r.onlyUpdated) << r.page.enabled << r.page.state;
        EXPECT_EQ(MonitorRowAdmitted(r.page, true, true), r.both) << r.page.enabled << r.page.state;
        EXPECT_EQ(RowLookOf(r.page), r.look) << r.page.enabled << r.page.state;
    }
}

// The order of each column is checked in the window itself; here the time values it sorts by.
TEST(MonitorRules, TimeValuesForSorting)
{
    EXPECT_EQ(TimeSeconds("01:02:03"), 3723);
    EXPECT_EQ(TimeSeconds("garbage"), 0);
    EXPECT_EQ(TimeSeconds("12"), 0);
    EXPECT_EQ(TimeSeconds(std::string(1000, '9') + ":1"), TimeSeconds("99999:1"));
}

TEST(MonitorRules, RenameVerdictsAndMovingTheCopies)
{
    const std::vector<std::string> names = {"News", "Weather", "Sport"};
    const struct {
        std::string current, typed;
        RenameVerdict verdict;
    } cases[] = {
        {"News", "News", RenameVerdict::Unchanged},
        {"News", "NEWS", RenameVerdict::Refused},     // the page itself, other case
        {"News", "weather", RenameVerdict::Refused},  // another page
        {"News", "", RenameVerdict::Refused},
        {"News", "Daily news", RenameVerdict::Rename},
        {"News", std::string(1000, 'n'), RenameVerdict::Rename},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgeRename(names, c.current, c.typed), c.verdict) << c.typed;

    MemoryPageFiles files;
    const std::string data = "C:\\data\\";
    files.folders = {"C:\\data\\News"};
    files.files = {{"C:\\data\\News\\url.html", "now"}, {"C:\\data\\News\\urBackup.html", "before"}};
    // No folder name for a device: refused.
    EXPECT_FALSE(MovePageCopies(files, data, "News", "CON"));
    // Both copies move; the old folder goes.
    EXPECT_TRUE(MovePageCopies(files, data, "News", "Daily"));
    EXPECT_EQ(files.At("C:\\data\\Daily\\url.html"), "now");
    EXPECT_EQ(files.At("C:\\data\\Daily\\urBackup.html"), "before");
    EXPECT_EQ(files.At("C:\\data\\News\\url.html"), "<none>");
    EXPECT_EQ(files.folders.count("C:\\data\\News"), 0u);
    // A page never fetched only needs a free name.
    EXPECT_TRUE(MovePageCopies(files, data, "Fresh", "Fresher"));
    EXPECT_FALSE(MovePageCopies(files, data, "Fresher", "Daily"));
}

TEST(MonitorRules, MailCommandLine)
{
    const std::string format = "%s\nTHE LINK %s WAS MODIFIED\nCHECKED AT %s  %s";
    EXPECT_EQ(MailCommandLine(format, "Q&A", "http://x.example/?a=1&b=2", "12-08-2026", "09:05"),
              "\"mailto:?subject=[Q%26A]&body=Q%26A\nTHE%20LINK%20http://x.example/%3Fa%3D1%26b%3D2%20WAS%20MODIFIED"
              "\nCHECKED%20AT%2012-08-2026%20%2009:05\"");
    // What would end the address or the quoted command is encoded too; a "%" of the format
    // that is not "%s" stays.
    EXPECT_EQ(MailCommandLine("%s %d %s", "50% #1 \"x\"", "l", "", ""),
              "\"mailto:?subject=[50%25%20%231%20%22x%22]&body=50%25%20%231%20%22x%22%20%25d%20l\"");
    EXPECT_EQ(MailCommandLine("%s", std::string(1000, 'n'), "", "", "").size(), 2u + 16 + 1002 + 6 + 1000);
}

TEST(MonitorRules, StoredRectangleComesBackOnScreen)
{
    const std::vector<ScreenRect> screens = {{0, 0, 1280, 770}, {1280, 0, 2304, 768}};
    const struct {
        ScreenRect stored, placed;
    } cases[] = {
        {{100, 100, 700, 500}, {100, 100, 700, 500}},          // in view
        {{1900, 200, 2400, 600}, {1900, 200, 2400, 600}},      // on the second screen
        {{-500, 100, 100, 500}, {-500, 100, 100, 500}},        // mostly out, its caption reachable
        {{-560, 100, 40, 500}, {0, 100, 600, 500}},            // too little left to take hold of
        {{5000, 5000, 5600, 5400}, {680, 370, 1280, 770}},     // off every screen
        {{-32000, -32000, -31520, -31840}, {0, 0, 480, 160}},  // an icon's place
        {{100, -300, 700, 10}, {100, 0, 700, 310}},            // caption above the screen
        {{0, 0, 4000, 3000}, {0, 0, 4000, 3000}},              // larger, but reachable: left alone
    };
    for (const auto& c : cases) {
        const ScreenRect r = BringOnScreen(c.stored, screens);
        EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom}),
                  std::vector<int>({c.placed.left, c.placed.top, c.placed.right, c.placed.bottom}))
            << c.stored.left << "," << c.stored.top;
    }
}

} // namespace
