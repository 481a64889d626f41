#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/support/MemoryProfile.h"
#include "update/Szdd.h"
#include "update/Transfer.h"
#include "update/UpdateRules.h"
#include "update/UpdateSite.h"

namespace {

TEST(UpdateVersions, NumbersAndComparison)
{
    struct Case {
        const char* text;
        int number;
    } cases[] = {
        {"1.01 03-05-2004", 1001},   // the program's own version text
        {"1.02", 1002},
        {"1.1", 101},
        {"1.01.5", 1001},            // only the first "." becomes "0"
        {"2", 2},
        {"", 0},
        {"abc", 0},
        {" 1.02", 0},                // the part before the first space is empty
        {"99999999999999999999.9", 2147483647},   // saturates, never overflows
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionNumber(c.text), c.number) << c.text;

    const char* own = "1.01 03-05-2004";
    EXPECT_TRUE(IsNewerVersion("1.02", own));
    EXPECT_FALSE(IsNewerVersion("1.01 14-06-2004", own));   // same number, other date
    EXPECT_FALSE(IsNewerVersion("1.1", own));               // 101 is older than 1001
    EXPECT_FALSE(IsNewerVersion("", own));
    EXPECT_FALSE(IsNewerVersion("abc", own));
    // A 300-character version is read cut to 63 characters, and still compares as a number.
    std::string longVersion = "1.03" + std::string(296, '7');
    EXPECT_TRUE(IsNewerVersion(longVersion.substr(0, kRemoteVersionChars), own));
}

TEST(UpdateVersions, DueCheckDecisionTable)
{
    YearMonthDay today{2004, 3, 10};
    YearMonthDay none{0, 0, 0};
    struct Case {
        int every;
        YearMonthDay stored;
        bool due;
    } cases[] = {
        {0, none, false},              // manual: never, not even without a date
        {0, {2000, 1, 1}, false},
        {1, {2004, 3, 10}, true},      // at every start
        {2, none, true},               // no date yet: always
        {3, none, true},
        {4, {2004, 0, 10}, true},      // a zero month counts as no date
        {2, {2004, 3, 10}, false},     // daily: not again the same day
        {2, {2004, 3, 9}, true},
        {3, {2004, 3, 4}, false},      // weekly: six days back checks nothing
        {3, {2004, 3, 3}, true},       // seven days back checks
        {3, {2004, 2, 26}, true},      // across the leap day: 2004-02-29 exists
        {4, {2004, 2, 10}, false},     // monthly: 29 days
        {4, {2004, 2, 9}, true},       // 30 days
        {5, {2000, 1, 1}, false},      // any other value checks nothing
        {-1, none, true},              // ... unless there is no date
        {3, {2004, 3, 20}, false},     // a date in the future
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpdateCheckDue(c.every, c.stored, today), c.due)
            << "every " << c.every << " stored " << c.stored.year << "-" << c.stored.month << "-" << c.stored.day;

    // Year boundaries with the day numbers.
    EXPECT_TRUE(UpdateCheckDue(3, {2003, 12, 26}, {2004, 1, 2}));
    EXPECT_FALSE(UpdateCheckDue(3, {2003, 12, 27}, {2004, 1, 2}));
    EXPECT_TRUE(UpdateCheckDue(4, {2100, 2, 1}, {2100, 3, 3}));    // 2100 has no 29 February
    EXPECT_FALSE(UpdateCheckDue(4, {2000, 2, 1}, {2000, 3, 1}));   // 2000 has one: 29 days
    EXPECT_EQ(DateText(2004, 3, 5), "20040305");
    EXPECT_EQ(TimeText(7, 4), "07:04");
}

TEST(UpdateDescriptionFile, VersionFileSizeHashAndNews)
{
    MemoryProfile file;
    file.WriteString("Version", "Version", "1.02 14-06-2004");
    file.WriteString("Version", "File1", "quorvane-102.ex_");
    file.WriteString("Version", "Size1", "123456");
    file.WriteString("Version", "Sha256_1", " 00112233445566778899AABBCCDDEEFF00112233445566778899aabbccddeeff ");
    file.WriteString("Version", "ENNewsLine", "2");
    file.WriteString("Version", "ENNews1", "First line");
    file.WriteString("Version", "ENNews2", "Second line");
    file.WriteString("version", "frnewsline", "1");   // any letter case
    file.WriteString("Version", "FRNews1", "Première ligne");

    UpdateDescription d = ReadDescription(file);
    EXPECT_EQ(d.version, "1.02 14-06-2004");
    EXPECT_EQ(d.file, "quorvane-102.ex_");
    EXPECT_EQ(d.size, 123456);
    ASSERT_EQ(d.sha256.size(), 32u);
    EXPECT_EQ(d.sha256[0], 0x00);
    EXPECT_EQ(d.sha256[10], 0xAA);
    EXPECT_EQ(d.sha256[31], 0xFF);

    NewsText en = ReadNews(file, 2);
    EXPECT_EQ(en.version, "1.02 14-06-2004");
    EXPECT_EQ(en.count, 2);
    EXPECT_EQ(en.text, "\r\nFirst line\r\nSecond line");
    NewsText fr = ReadNews(file, 1);
    EXPECT_EQ(fr.count, 1);
    EXPECT_EQ(fr.text, "\r\nPremière ligne");

    // Missing keys: nothing to download, no hash, no news.
    MemoryProfile empty;
    UpdateDescription none = ReadDescription(empty);
    EXPECT_EQ(none.version, "");
    EXPECT_EQ(none.file, "");
    EXPECT_EQ(none.size, 0);
    EXPECT_TRUE(none.sha256.empty());
    EXPECT_EQ(ReadNews(empty, 1).count, 0);
    EXPECT_EQ(ReadNews(empty, 1).text, "");
    // A count beyond the lines present reads the missing ones as empty lines.
    MemoryProfile gaps;
    gaps.WriteString("Version", "ENNewsLine", "3");
    gaps.WriteString("Version", "ENNews2", "only");
    EXPECT_EQ(ReadNews(gaps, 2).text, "\r\n\r\nonly\r\n");
    gaps.WriteString("Version", "ENNewsLine", "-4");
    EXPECT_EQ(ReadNews(gaps, 2).count, 0);
}

TEST(UpdateDescriptionFile, BadInputIsCutOrRefused)
{
    // 500 news lines of 2000 characters, and a count far beyond: cut at 511 characters a line
    // and 500 lines.
    MemoryProfile big;
    big.WriteString("Version", "ENNewsLine", "1000000000");
    for (int i = 1; i <= 501; ++i)
        big.WriteString("Version", ("ENNews" + std::to_string(i)).c_str(), std::string(2000, 'a' + i % 26).c_str());
    NewsText news = ReadNews(big, 2);
    EXPECT_EQ(news.count, kMaxNewsLines);
    EXPECT_EQ(news.text.size(), 500u * (2 + 511));
    EXPECT_EQ(news.text.substr(2, 3), "bbb");
    EXPECT_EQ(news.text.substr(news.text.size() - 511), std::string(511, 'a' + 500 % 26));

    struct SizeCase {
        const char* text;
        long long size;
    } sizes[] = {
        {"123", 123}, {" 42 ", 42}, {"-1", 0}, {"1000000000000", 0}, {"2147483647", 2147483647},
        {"2147483648", 0}, {"abc", 0}, {"", 0}, {"12kb", 12},
        {"99999999999999999999999999999", 0},
    };
    for (const SizeCase& c : sizes)
        EXPECT_EQ(ParseInstallerSize(c.text), c.size) << c.text;

    EXPECT_TRUE(ParseSha256(std::string(63, 'a')).empty());
    EXPECT_TRUE(ParseSha256(std::string(65, 'a')).empty());
    EXPECT_TRUE(ParseSha256(std::string(63, 'a') + "g").empty());
    EXPECT_EQ(ParseSha256(std::string(64, 'F')).size(), 32u);

    MemoryProfile odd;
    odd.WriteString("Version", "Version", std::string(300, '9').c_str());
    odd.WriteString("Version", "File1", std::string(400, 'f').c_str());
    UpdateDescription d = ReadDescription(odd);
    EXPECT_EQ(d.version.size(), kRemoteVersionChars);
    EXPECT_EQ(d.file.size(), kFileNameChars);
}

TEST(UpdateDescriptionFile, SiteNamesNeverBecomeLocalPaths)
{
    std::string base = "http://127.0.0.1:8080/site";
    struct Case {
        const char* file;
        const char* address;
    } cases[] = {
        {"quorvane-102.ex_", "http://127.0.0.1:8080/site/quorvane-102.ex_"},
        {"..\\..\\x.exe", "http://127.0.0.1:8080/site/..%5C..%5Cx.exe"},
        {"C:\\Windows\\x.exe", "http://127.0.0.1:8080/site/C%3A%5CWindows%5Cx.exe"},
        {"a b?c#d%e", "http://127.0.0.1:8080/site/a%20b%3Fc%23d%25e"},
        {"sub/setup.ex_", "http://127.0.0.1:8080/site/sub/setup.ex_"},
        {"@evil.example/x", "http://127.0.0.1:8080/site/%40evil.example/x"},
        {"\xE9t\xE9\r\n", "http://127.0.0.1:8080/site/%E9t%E9%0D%0A"},
    };
    for (const Case& c : cases) {
        std::string address = SiteAddress(base, c.file);
        EXPECT_EQ(address, c.address) << c.file;
        EXPECT_EQ(address.rfind(base + "/", 0), 0u);
    }
    EXPECT_EQ(SiteAddress("http://h/d//", "current.txt"), "http://h/d/current.txt");

    // Local files: fixed names in the program's folder, whatever the site names.
    UpdateFiles files = UpdateFilesIn("C:\\Program Files\\Quorvane\\");
    EXPECT_EQ(files.description, "C:\\Program Files\\Quorvane\\current.txt");
    EXPECT_EQ(files.signedDescription, "C:\\Program Files\\Quorvane\\current.signed.txt");
    EXPECT_EQ(files.signature, "C:\\Program Files\\Quorvane\\current.txt.sig");
    EXPECT_EQ(files.installer, "C:\\Program Files\\Quorvane\\version.$$$");
    EXPECT_EQ(files.compressed, "C:\\Program Files\\Quorvane\\version._$$");
    EXPECT_EQ(files.updater, "C:\\Program Files\\Quorvane\\AutoUpdate.EXE");
    EXPECT_EQ(CompressedName("setup.exe"), "setup._xe");
    EXPECT_EQ(CompressedName("a.b.c"), "a.b._");
    EXPECT_EQ(CompressedName("noext"), "noext._");
}

TEST(UpdateSettingsAndHistory, DefaultsRoundTripAndHistoryLimits)
{
    MemoryProfile settings;
    UpdateSettings defaults = ReadUpdateSettings(settings);
    EXPECT_EQ(defaults.CheckEvery, 0);
    EXPECT_EQ(defaults.AutoInstall, 0);
    EXPECT_EQ(defaults.Url, kDefaultUpdateUrl);
    EXPECT_EQ(defaults.DateUpdate, "");
    EXPECT_EQ(defaults.ShowNews, 1);

    UpdateSettings changed;
    changed.CheckEvery = 3;
    changed.AutoInstall = 1;
    changed.ShowNews = 0;
    changed.Url = std::string(600, 'u');
    changed.DateUpdate = "20991231";   // not written by the settings
    WriteUpdateSettings(changed, settings);
    EXPECT_FALSE(settings.Has("AutoUpdate", "DateUpdate"));
    WriteCheckDate("20040305", settings);
    UpdateSettings back = ReadUpdateSettings(settings);
    EXPECT_EQ(back.CheckEvery, 3);
    EXPECT_EQ(back.AutoInstall, 1);
    EXPECT_EQ(back.ShowNews, 0);
    EXPECT_EQ(back.Url, std::string(kUpdateUrlChars, 'u'));
    EXPECT_EQ(back.DateUpdate, "20040305");

    // History: round trip, stop at the first gap, a whole rewrite, at most 500 entries.
    std::vector<InstalledVersion> history = {{"1.00", "20040101", "10:00"}, {"1.01 03-05-2004", "20040305", "07:04"}};
    settings.WriteString("AutoUpdateVersion", "Version9", "stale");
    WriteHistory(history, settings);
    EXPECT_FALSE(settings.Has("AutoUpdateVersion", "Version9"));
    std::vector<InstalledVersion> read = ReadHistory(settings);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].version, "1.01 03-05-2004");
    EXPECT_EQ(read[1].date, "20040305");
    EXPECT_EQ(read[1].time, "07:04");
    settings.WriteString("AutoUpdateVersion", "Version4", "after a gap");
    EXPECT_EQ(ReadHistory(settings).size(), 2u);

    std::vector<InstalledVersion> full;
    for (int i = 1; i <= 600; ++i)
        full.push_back({"v" + std::to_string(i), "20040101", "00:00"});
    WriteHistory(full, settings);
    std::vector<InstalledVersion> cut = ReadHistory(settings);
    ASSERT_EQ(cut.size(), 500u);
    AppendHistory(cut, {"1.02", "20040614", "12:30"});
    ASSERT_EQ(cut.size(), 500u);
    EXPECT_EQ(cut.front().version, "v2");
    EXPECT_EQ(cut.back().version, "1.02");

    EXPECT_EQ(HistoryDateText("20040614", 1), "14/06/2004");
    EXPECT_EQ(HistoryDateText("20040614", 2), "06-14-2004");
    EXPECT_EQ(HistoryDateText("", 2), "00-00-0000");
}

TEST(UpdateDownload, SzddHeaderChecks)
{
    unsigned char header[14] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 'e', 0x10, 0x27, 0, 0};
    SzddHeader ok = ParseSzddHeader(header, sizeof header, 5000);
    EXPECT_TRUE(ok.valid);
    EXPECT_EQ(ok.expandedSize, 10000u);
    EXPECT_FALSE(ParseSzddHeader(header, 13, 5000).valid);                  // cut header
    EXPECT_FALSE(ParseSzddHeader(header, sizeof header, 13).valid);         // file shorter than it
    EXPECT_FALSE(ParseSzddHeader(header, sizeof header, 14 + 100).valid);   // 10000 from 100 bytes: a lie
    unsigned char wrong[14];
    std::copy(header, header + 14, wrong);
    wrong[3] = 'X';
    EXPECT_FALSE(ParseSzddHeader(wrong, sizeof wrong, 5000).valid);
    std::copy(header, header + 14, wrong);
    wrong[8] = 'B';
    EXPECT_FALSE(ParseSzddHeader(wrong, sizeof wrong, 5000).valid);
    std::copy(header, header + 14, wrong);
    wrong[10] = wrong[11] = 0;
    EXPECT_FALSE(ParseSzddHeader(wrong, sizeof wrong, 5000).valid);        // nothing to expand
    std::copy(header, header + 14, wrong);
    wrong[13] = 0xFF;
    EXPECT_FALSE(ParseSzddHeader(wrong, sizeof wrong, 5000).valid);        // 4 GB claimed
}

TEST(UpdateDownload, ChunksLimitsCancelAndProgress)
{
    std::string source(5000, 'x');
    std::size_t at = 0;
    std::vector<int> asked;
    auto read = [&](char* buffer, int size) {
        asked.push_back(size);
        int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(size), source.size() - at));
        std::copy(source.begin() + static_cast<long>(at), source.begin() + static_cast<long>(at + static_cast<std::size_t>(n)), buffer);
        at += static_cast<std::size_t>(n);
        return n;
    };
    std::string sink;
    auto write = [&](const char* data, int size) {
        sink.append(data, static_cast<std::size_t>(size));
        return true;
    };
    TransferState whole;
    EXPECT_EQ(CopyChunks(read, write, 5000, whole), TransferEnd::Complete);
    EXPECT_EQ(sink, source);
    EXPECT_EQ(whole.Received(), 5000);
    EXPECT_EQ(asked.front(), 1023);

    // One byte more than the limit: stops, never writes past it.
    at = 0;
    sink.clear();
    TransferState over;
    EXPECT_EQ(CopyChunks(read, write, 4999, over), TransferEnd::TooLong);
    EXPECT_LE(sink.size(), 4999u);

    at = 0;
    TransferState failing;
    EXPECT_EQ(CopyChunks(read, [](const char*, int) { return false; }, 5000, failing), TransferEnd::WriteFailed);
    EXPECT_EQ(CopyChunks([](char*, int) { return -1; }, write, 5000, failing), TransferEnd::ReadFailed);

    // A cancel from another thread ends an endless source between chunks.
    TransferState endless;
    TransferEnd end = TransferEnd::Complete;
    std::thread fetcher([&] {
        end = CopyChunks([](char* b, int n) { std::fill(b, b + n, 'y'); return n; },
                         [](const char*, int) { return true; }, INT64_MAX, endless);
        endless.Finish();
    });
    while (endless.Received() < 100000) std::this_thread::yield();
    endless.Cancel();
    fetcher.join();
    EXPECT_TRUE(endless.Finished());
    EXPECT_EQ(end, TransferEnd::Cancelled);

    EXPECT_EQ(FormatNumbers("Download new version...%i  / Total size %i", {512, 4096}),
              "Download new version...512  / Total size 4096");
    EXPECT_EQ(FormatNumbers("%i KB", {3000000000LL / 1024}), "2929687 KB");
    EXPECT_EQ(FormatNumbers("%s %i %i%%", {7}), "%s 7 %%");   // nothing but %i is filled
    EXPECT_EQ(ProgressPercent(0, 1000), 0);
    EXPECT_EQ(ProgressPercent(1, 1000), 1);    // 100 - 999 * 100 / 1000, integer
    EXPECT_EQ(ProgressPercent(999, 1000), 100 - 1 * 100 / 1000);
    EXPECT_EQ(ProgressPercent(1000, 1000), 100);
    EXPECT_EQ(ProgressPercent(5000, 1000), 100);
    EXPECT_EQ(ProgressPercent(10, 0), 0);
    EXPECT_EQ(ProgressPercent(2000000000LL, 2147483647LL), 94);   // no overflow
}

} // namespace
