// The watched-page record, its line in section "WebAlertUrl", the list's load and save, the
// name rules and the page folders.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/MemoryProfile.h"
#include "tests/webalert/MemoryPageFiles.h"
#include "webalert/MonitoredPageList.h"
#include "webalert/PageFiles.h"

namespace {

std::string Stored(const MemoryProfile& profile, int index)
{
    return profile.ReadString("WebAlertUrl", ("WebAlertUrl" + std::to_string(index)).c_str(), "<missing>", 4096);
}

TEST(MonitoredPageRecord, WritesTheTenFieldsAndReadsThemBack)
{
    MemoryProfile profile;
    MonitoredPageList list;
    MonitoredPage fresh("News", "http://example.com/news");
    list.Append(fresh);

    MonitoredPage seen("Prices", "http://shop.example/p?a=1|b=2", "Current page");
    seen.state = kPageUpdated | kPageModified | kPageChangedThisRun;
    seen.mailOnChange = 1;
    seen.openOnChange = 1;
    seen.StampChange({2026, 3, 5, 9, 7});
    seen.changeCount = 12;
    list.Append(seen);

    MonitoredPage off("Off", "http://off.example/");
    off.enabled = 0;
    off.changeCount = 3;   // a count without a date survives with both texts empty
    list.Append(off);
    list.Save(profile);

    EXPECT_EQ(Stored(profile, 1), "News|\"http://example.com/news\"||1|0|0|0|||0");
    // Bit 0x80 is never written; the bar inside the link goes out as %7C.
    EXPECT_EQ(Stored(profile, 2),
              "Prices|\"http://shop.example/p?a=1%7Cb=2\"|Current page|1|80|1|1|20260305|09:07|12");
    EXPECT_EQ(Stored(profile, 3), "Off|\"http://off.example/\"||0|0|0|0|||3");

    MonitoredPageList again;
    again.Load(profile);
    auto pages = again.Copies();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].FormatPage(), fresh.FormatPage());
    EXPECT_EQ(pages[1].name, "Prices");
    EXPECT_EQ(pages[1].urlString, "http://shop.example/p?a=1%7Cb=2");
    EXPECT_EQ(pages[1].urlBase, "Current page");
    EXPECT_EQ(pages[1].state, kPageUpdated | kPageModified);
    EXPECT_EQ(pages[1].mailOnChange, 1);
    EXPECT_EQ(pages[1].openOnChange, 1);
    EXPECT_EQ(pages[1].changeDate, "20260305");
    EXPECT_EQ(pages[1].changeTime, "09:07");
    EXPECT_EQ(pages[1].changeCount, 12);
    EXPECT_EQ(pages[2].enabled, 0);
    EXPECT_TRUE(pages[2].changeDate.empty());
    EXPECT_TRUE(pages[2].changeTime.empty());
    EXPECT_EQ(pages[2].changeCount, 3);

    // An empty list leaves no section behind.
    MonitoredPageList empty;
    empty.Save(profile);
    EXPECT_EQ(profile.KeyCount("WebAlertUrl"), 0u);
}

TEST(MonitoredPageRecord, ReadsHandWrittenAndDamagedLines)
{
    struct Case {
        const char* line;
        const char* name;
        const char* link;
        int enabled, state, mail, open;
        const char* date;
        int count;
    };
    const std::string longText(5000, 'x');
    const Case cases[] = {
        // Without quotes the link loses its first character.
        {"A|http://a.example/|", "A", "ttp://a.example/", 1, 0, 0, 0, "", 0},
        // Missing fields take the defaults.
        {"B|\"http://b/\"", "B", "http://b/", 1, 0, 0, 0, "", 0},
        {"C", "C", "", 1, 0, 0, 0, "", 0},
        // Garbage numbers read as their leading integer, or 0.
        {"D|\"x\"||yes|64abc|-1|9999999999999|2026|12:00|lots", "D", "x", 0, 64, -1, 2147483647, "2026", 0},
        // Empty fields keep their places; fields past the tenth are ignored.
        {"E|\"l\"||0||||||7|8|9", "E", "l", 0, 0, 0, 0, "", 7},
        // A link with only its opening quote.
        {"F|\"", "F", "", 1, 0, 0, 0, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        MemoryProfile profile;
        profile.WriteString("WebAlertUrl", "WebAlertUrl1", c.line);
        MonitoredPage page;
        ASSERT_TRUE(page.Read(profile, "WebAlertUrl", 1));
        EXPECT_EQ(page.name, c.name);
        EXPECT_EQ(page.urlString, c.link);
        EXPECT_EQ(page.enabled, c.enabled);
        EXPECT_EQ(page.state, c.state);
        EXPECT_EQ(page.mailOnChange, c.mail);
        EXPECT_EQ(page.openOnChange, c.open);
        EXPECT_EQ(page.changeDate, c.date);
        EXPECT_EQ(page.changeCount, c.count);
    }

    // Fields of 5000 characters are cut: texts at 1023, date and time at 63 (the value itself
    // is read into 2048 characters).
    MemoryProfile profile;
    profile.WriteString("WebAlertUrl", "WebAlertUrl1", longText.c_str());
    MonitoredPage page;
    ASSERT_TRUE(page.Read(profile, "WebAlertUrl", 1));
    EXPECT_EQ(page.name.size(), 1023u);
    profile.WriteString("WebAlertUrl", "WebAlertUrl1", ("N|\"" + longText.substr(0, 1500) + "|" + longText).c_str());
    ASSERT_TRUE(page.Read(profile, "WebAlertUrl", 1));
    EXPECT_EQ(page.urlString.size(), 1023u);
    EXPECT_EQ(page.urlBase.size(), 2047u - 1504u);
    profile.WriteString("WebAlertUrl", "WebAlertUrl1", ("N|\"l\"||1|0|0|0|" + longText.substr(0, 900) + "|" + longText.substr(0, 900)).c_str());
    ASSERT_TRUE(page.Read(profile, "WebAlertUrl", 1));
    EXPECT_EQ(page.changeDate.size(), 63u);
    EXPECT_EQ(page.changeTime.size(), 63u);
}

TEST(MonitoredPageRecord, LoadStopsAtAGapAndKeeps499)
{
    MemoryProfile profile;
    profile.WriteString("WebAlertUrl", "WebAlertUrl1", "One|\"1\"||1|0|0|0|||0");
    profile.WriteString("WebAlertUrl", "WebAlertUrl2", "Two|\"2\"||1|0|0|0|||0");
    profile.WriteString("WebAlertUrl", "WebAlertUrl4", "Four|\"4\"||1|0|0|0|||0");
    MonitoredPageList list;
    list.Load(profile);
    EXPECT_EQ(list.Size(), 2u);
    list.Save(profile);
    EXPECT_FALSE(profile.Has("WebAlertUrl", "WebAlertUrl4"));

    // An empty value ends the list like a missing key.
    profile.WriteString("WebAlertUrl", "WebAlertUrl2", "");
    list.Load(profile);
    EXPECT_EQ(list.Size(), 1u);

    MonitoredPageList big;
    for (int i = 1; i <= 500; ++i)
        big.Append(MonitoredPage("Page " + std::to_string(i), "http://p/" + std::to_string(i)));
    big.Save(profile);
    EXPECT_EQ(profile.KeyCount("WebAlertUrl"), 500u);
    big.Load(profile);
    ASSERT_EQ(big.Size(), 499u);
    MonitoredPage last;
    ASSERT_TRUE(big.CopyAt(498, last));
    EXPECT_EQ(last.name, "Page 499");
}

TEST(MonitoredPageRecord, ListLooksUpByNameAndCountsStates)
{
    MonitoredPageList list;
    MonitoredPage a("Alpha", "a"), b("Beta", "b"), c("Gamma", "c");
    b.state = kPageModified;
    c.state = kPageUpdated;
    c.enabled = 0;
    PageId ida = list.Append(a);
    PageId idb = list.Append(b);
    list.Append(c);
    EXPECT_TRUE(list.NameTaken("ALPHA"));
    EXPECT_FALSE(list.NameTaken("Alph"));
    EXPECT_EQ(list.CountEnabledWithState(), 1);
    EXPECT_EQ(list.CountCheckable(), 1);

    // Marking read clears both marks; marking unread sets Modified only.
    list.Update(idb, [](MonitoredPage& p) { p.state |= kPageChangedThisRun; p.SetModified(0); });
    MonitoredPage copy;
    ASSERT_TRUE(list.CopyOf(idb, copy));
    EXPECT_EQ(copy.state, 0);
    list.Update(ida, [](MonitoredPage& p) { p.SetModified(1); });
    ASSERT_TRUE(list.CopyOf(ida, copy));
    EXPECT_EQ(copy.state, kPageModified);

    // A removed record is no longer found, but one held elsewhere lives on.
    auto held = list.Hold(ida);
    EXPECT_TRUE(list.Remove(ida));
    EXPECT_FALSE(list.Remove(ida));
    EXPECT_FALSE(list.Contains(ida));
    EXPECT_FALSE(list.Update(ida, [](MonitoredPage& p) { p.changeCount = 9; }));
    EXPECT_EQ(held->name, "Alpha");
}

TEST(MonitoredPageRecord, DisplayDateAndNameCleaning)
{
    MonitoredPage page;
    EXPECT_EQ(page.DisplayDate(true), "");
    page.changeDate = "20260305";
    EXPECT_EQ(page.DisplayDate(true), "05/03/2026");
    EXPECT_EQ(page.DisplayDate(false), "03-05-2026");

    EXPECT_EQ(CleanPageName("  a/b\\c=d  "), "a-b-c-d");
    EXPECT_EQ(CleanPageName("x:y.z<1>2+3*4|5?6"), "x y z 1 2 3 4 5 6");
    EXPECT_EQ(CleanPageName("\t \r\n"), "");
}

TEST(PageFolder, NamesNeverLeaveTheirFolder)
{
    const std::string data = "C:\\Users\\u\\AppData\\Quorvane\\";
    struct Case {
        std::string name;
        bool safe;
    };
    const Case cases[] = {
        {"News", true},          {"My page - 2", true},   {"caf\xe9", true},
        {"", false},             {".", false},            {"..", false},
        {"CON", false},          {"con", false},          {"NUL.txt", false},
        {"Com1", false},         {"LPT9", false},         {"CONSOLE", true},
        {"COM", true},           {"a\\..\\b", false},     {"../x", false},
        {"c:x", false},          {"a\"b", false},         {"tab\tname", false},
        {"end.", false},         {"end ", false},         {std::string(300, 'n'), false},
        {std::string(259 - data.size() - 14, 'n'), true}, {std::string(259 - data.size() - 13, 'n'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsSafeFolderName(data, c.name), c.safe);
        EXPECT_EQ(PageFolderPath(data, c.name).empty(), !c.safe);
    }
    EXPECT_EQ(CurrentCopyPath(data, "News"), data + "News\\url.html");
    EXPECT_EQ(PreviousCopyPath(data, "News"), data + "News\\urBackup.html");

    // Nothing is touched for an unsafe name.
    MemoryPageFiles files;
    PageFolders folders(files, data);
    folders.SaveCurrentCopy("..", "x");
    folders.RotateCopies("CON");
    folders.DeletePageFiles("");
    EXPECT_TRUE(files.files.empty());
    EXPECT_TRUE(files.folders.empty());
}

TEST(PageFolder, CopiesRotateMoveAndGo)
{
    const std::string data = "D:\\q\\";
    MemoryPageFiles files;
    PageFolders folders(files, data);
    std::string bytes;
    EXPECT_FALSE(folders.ReadCurrentCopy("P", bytes));

    // The first change finds nothing to rotate.
    folders.RotateCopies("P");
    folders.SaveCurrentCopy("P", std::string("one\0two", 7));
    EXPECT_EQ(files.At(data + "P\\url.html"), std::string("one\0two", 7));
    EXPECT_FALSE(files.Has(data + "P\\urBackup.html"));
    ASSERT_TRUE(folders.ReadCurrentCopy("P", bytes));
    EXPECT_EQ(bytes.size(), 7u);

    folders.RotateCopies("P");
    folders.SaveCurrentCopy("P", "three");
    EXPECT_EQ(files.At(data + "P\\urBackup.html"), std::string("one\0two", 7));
    EXPECT_EQ(files.At(data + "P\\url.html"), "three");

    // A locked current copy cannot be read (a change) and its backup is kept.
    files.locked.insert(data + "P\\url.html");
    EXPECT_FALSE(folders.ReadCurrentCopy("P", bytes));
    folders.RotateCopies("P");
    EXPECT_EQ(files.At(data + "P\\urBackup.html"), std::string("one\0two", 7));
    files.locked.clear();

    // Renaming to a folder that exists fails and leaves the copies where they were.
    files.CreateFolder(data + "Q");
    EXPECT_FALSE(folders.RenamePageFolder("P", "Q"));
    EXPECT_EQ(files.At(data + "P\\url.html"), "three");
    EXPECT_TRUE(folders.RenamePageFolder("P", "R"));
    EXPECT_EQ(files.At(data + "R\\url.html"), "three");
    EXPECT_EQ(files.At(data + "R\\urBackup.html"), std::string("one\0two", 7));
    EXPECT_FALSE(files.Has(data + "P\\url.html"));
    EXPECT_FALSE(files.folders.count(data + "P"));

    folders.DeletePageFiles("R");
    EXPECT_FALSE(files.Has(data + "R\\url.html"));
    EXPECT_FALSE(files.Has(data + "R\\urBackup.html"));
    EXPECT_FALSE(files.folders.count(data + "R"));
}

} // namespace
