#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/MemoryProfile.h"
#include "update/Szdd.h"
#include "update/Transfer.h"
#include "update/UpdateRules.h"
#include "update/UpdateSite.h"

namespace {

TEST(UpdateVersions, NumbersAndComparisonWithTheOwnVersion)
{
    struct Case {
        std::string text;
        int number;
        bool newer;   // than "1.01 03-05-2004"
    } cases[] = {
        {"1.01 03-05-2004", 1001, false}, {"1.01 14-06-2004", 1001, false},   // same number, other date
        {"1.02", 1002, true},             {"1.1", 101, false},                // 101 is older than 1001
        {"1.01.5", 1001, false},          {"2", 2, false},
        {"", 0, false},                   {"abc", 0, false},
        {" 1.02", 0, false},                                                  // empty before the space
        {"99999999999999999999.9", 2147483647, true},                         // saturates
        {("1.03" + std::string(296, '7')).substr(0, kRemoteVersionChars), 2147483647, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionNumber(c.text), c.number) << c.text;
        EXPECT_EQ(IsNewerVersion(c.text, "1.01 03-05-2004"), c.newer) << c.text;
    }
}

TEST(UpdateVersions, DueCheckDecisionTable)
{
    const YearMonthDay none{0, 0, 0}, today{2004, 3, 10};
    struct Case {
        int every;
        YearMonthDay stored, today;
        bool due;
    } cases[] = {
        {0, none, today, false},                   // manual: never, not even without a date
        {0, {2000, 1, 1}, today, false},
        {1, {2004, 3, 10}, today, true},           // at every start
        {2, none, today, true},                    // no date yet: always
        {4, {2004, 0, 10}, today, true},           // a zero month counts as no date
        {2, {2004, 3, 10}, today, false},          // daily: not again the same day
        {2, {2004, 3, 9}, today, true},
        {3, {2004, 3, 4}, today, false},           // weekly: six days back checks nothing
        {3, {2004, 2, 26}, today, true},           // seven, across 2004-02-29
        {4, {2004, 2, 10}, today, false},          // monthly: 29 days
        {4, {2004, 2, 9}, today, true},            // 30 days
        {5, {2000, 1, 1}, today, false},           // any other value checks nothing...
        {-1, none, today, true},                   // ... unless there is no date
        {3, {2004, 3, 20}, today, false},          // a date in the future
        {3, {2003, 12, 26}, {2004, 1, 2}, true},   // across the year
        {3, {2003, 12, 27}, {2004, 1, 2}, false},
        {4, {2100, 2, 1}, {2100, 3, 3}, true},     // 2100 has no 29 February
        {4, {2000, 2, 1}, {2000, 3, 1}, false},    // 2000 has one: 29 days
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpdateCheckDue(c.every, c.stored, c.today), c.due)
            << "every " << c.every << " stored " << c.stored.year << "-" << c.stored.month << "-" << c.stored.day;
    EXPECT_EQ(DateText(2004, 3, 5) + " " + TimeText(7, 4), "20040305 07:04");
}

TEST(UpdateDescriptionFile, FieldsNewsAndTheirLimits)
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
    EXPECT_EQ(d.version + "|" + d.file + "|" + std::to_string(d.size), "1.02 14-06-2004|quorvane-102.ex_|123456");
    ASSERT_EQ(d.sha256.size(), 32u);
    EXPECT_EQ(d.sha256[10], 0xAA);
    EXPECT_EQ(d.sha256[31], 0xFF);
    EXPECT_EQ(ReadNews(file, 2).text, "\r\nFirst line\r\nSecond line");
    EXPECT_EQ(ReadNews(file, 1).text, "\r\nPremière ligne");

    // Missing keys: nothing to download, no hash, no news; a count beyond the lines present
    // reads empty lines, a negative one none.
    MemoryProfile gaps;
    UpdateDescription none = ReadDescription(gaps);
    EXPECT_TRUE(none.version.empty() && none.file.empty() && none.size == 0 && none.sha256.empty());
    EXPECT_EQ(ReadNews(gaps, 1).count, 0);
    gaps.WriteString("Version", "ENNewsLine", "3");
    gaps.WriteString("Version", "ENNews2", "only");
    EXPECT_EQ(ReadNews(gaps, 2).text, "\r\n\r\nonly\r\n");
    gaps.WriteString("Version", "ENNewsLine", "-4");
    EXPECT_EQ(ReadNews(gaps, 2).count, 0);

    // 501 news lines of 2000 characters and a huge count: cut at 511 characters and 500 lines.
    MemoryProfile big;
    big.WriteString("Version", "ENNewsLine", "1000000000");
    for (int i = 1; i <= 501; ++i)
        big.WriteString("Version", ("ENNews" + std::to_string(i)).c_str(), std::string(2000, 'a' + i % 26).c_str());
    big.WriteString("Version", "Version", std::string(300, '9').c_str());
    big.WriteString("Version", "File1", std::string(400, 'f').c_str());
    NewsText news = ReadNews(big, 2);
    EXPECT_EQ(news.count, kMaxNewsLines);
    EXPECT_EQ(news.text.size(), 500u * (2 + 511));
    EXPECT_EQ(news.text.substr(news.text.size() - 511), std::string(511, 'a' + 500 % 26));
    EXPECT_EQ(ReadDescription(big).version.size(), kRemoteVersionChars);
    EXPECT_EQ(ReadDescription(big).file.size(), kFileNameChars);

    struct {
        const char* text;
        long long size;
    } sizes[] = {{"123", 123}, {" 42 ", 42}, {"-1", 0}, {"1000000000000", 0}, {"2147483647", 2147483647},
                 {"2147483648", 0}, {"abc", 0}, {"", 0}, {"12kb", 12}, {"99999999999999999999999999999", 0}};
    for (const auto& c : sizes)
        EXPECT_EQ(ParseInstallerSize(c.text), c.size) << c.text;
    for (const std::string& bad : {std::string(63, 'a'), std::string(65, 'a'), std::string(63, 'a') + "g"})
        EXPECT_TRUE(ParseSha256(bad).empty()) << bad;
}

TEST(UpdateDescriptionFile, SiteNamesNeverBecomeLocalPaths)
{
    const std::string base = "http://127.0.0.1:8080/site/";
    struct {
        const char* file;
        const char* escaped;
    } cases[] = {
        {"quorvane-102.ex_", "quorvane-102.ex_"},       {"..\\..\\x.exe", "..%5C..%5Cx.exe"},
        {"C:\\Windows\\x.exe", "C%3A%5CWindows%5Cx.exe"}, {"a b?c#d%e", "a%20b%3Fc%23d%25e"},
        {"sub/setup.ex_", "sub/setup.ex_"},             {"@evil.example/x", "%40evil.example/x"},
        {"\xE9t\xE9\r\n", "%E9t%E9%0D%0A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SiteAddress("http://127.0.0.1:8080/site", c.file), base + c.escaped) << c.file;
    EXPECT_EQ(SiteAddress("http://h/d//", "current.txt"), "http://h/d/current.txt");
    EXPECT_EQ(CompressedName("setup.exe") + CompressedName("a.b.c") + CompressedName("noext"), "setup._xea.b._noext._");
}

TEST(UpdateSettingsAndHistory, DefaultsRoundTripAndHistoryLimits)
{
    MemoryProfile settings;
    UpdateSettings values = ReadUpdateSettings(settings);
    EXPECT_EQ(values.CheckEvery + values.AutoInstall * 10 + values.ShowNews * 100, 100);
    EXPECT_EQ(values.Url, kDefaultUpdateUrl);
    values = {3, 1, std::string(600, 'u'), "20991231", 0};
    WriteUpdateSettings(values, settings);
    EXPECT_FALSE(settings.Has("AutoUpdate", "DateUpdate")) << "the automatic check's alone";
    WriteCheckDate("20040305", settings);
    UpdateSettings back = ReadUpdateSettings(settings);
    EXPECT_EQ(back.CheckEvery + back.AutoInstall * 10 + back.ShowNews * 100, 13);
    EXPECT_EQ(back.Url, std::string(kUpdateUrlChars, 'u'));
    EXPECT_EQ(back.DateUpdate, "20040305");

    // History: a whole rewrite, read up to the first gap, at most 500 entries, the newest kept.
    settings.WriteString("AutoUpdateVersion", "Version9", "stale");
    WriteHistory({{"1.00", "20040101", "10:00"}, {"1.01 03-05-2004", "20040305", "07:04"}}, settings);
    EXPECT_FALSE(settings.Has("AutoUpdateVersion", "Version9"));
    settings.WriteString("AutoUpdateVersion", "Version4", "after a gap");
    std::vector<InstalledVersion> read = ReadHistory(settings);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].version + read[1].date + read[1].time, "1.01 03-05-20042004030507:04");
    std::vector<InstalledVersion> full(600, {"v", "20040101", "00:00"});
    full[1].version = "second";
    WriteHistory(full, settings);
    std::vector<InstalledVersion> cut = ReadHistory(settings);
    ASSERT_EQ(cut.size(), 500u);
    AppendHistory(cut, {"1.02", "20040614", "12:30"});
    ASSERT_EQ(cut.size(), 500u);
    EXPECT_EQ(cut.front().version, "second");
    EXPECT_EQ(cut.back().version, "1.02");
    EXPECT_EQ(HistoryDateText("20040614", 1) + HistoryDateText("20040614", 2) + HistoryDateText("", 2),
              "14/06/200406-14-200400-00-0000");
}

TEST(UpdateDownload, SzddHeaderChunksAndProgress)
{
    const unsigned char good[14] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 'e', 0x10, 0x27, 0, 0};
    EXPECT_EQ(ParseSzddHeader(good, 14, 5000).expandedSize, 10000u);
    EXPECT_FALSE(ParseSzddHeader(good, 13, 5000).valid);         // cut header
    EXPECT_FALSE(ParseSzddHeader(good, 14, 13).valid);           // file shorter than it
    EXPECT_FALSE(ParseSzddHeader(good, 14, 14 + 100).valid);     // 10000 from 100 bytes: a lie
    struct {
        int at;
        unsigned char value;
    } spoiled[] = {{3, 'X'}, {8, 'B'}, {10, 0}, {13, 0xFF}};     // magic, method, nothing, 4 GB
    for (const auto& s : spoiled) {
        unsigned char header[14];
        std::copy(good, good + 14, header);
        header[s.at] = s.value;
        header[11] = s.at == 10 ? 0 : header[11];
        EXPECT_FALSE(ParseSzddHeader(header, 14, 5000).valid) << s.at;
    }

    const std::string source(5000, 'x');
    std::size_t at = 0;
    int firstAsk = 0;
    auto read = [&](char* buffer, int size) {
        firstAsk = firstAsk ? firstAsk : size;
        std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), source.size() - at);
        source.copy(buffer, n, at);
        at += n;
        return static_cast<int>(n);
    };
    std::string sink;
    auto write = [&](const char* data, int size) { return sink.append(data, static_cast<std::size_t>(size)), true; };
    TransferState whole, over, failing;
    EXPECT_EQ(CopyChunks(read, write, 5000, whole), TransferEnd::Complete);
    EXPECT_EQ(sink, source);
    EXPECT_EQ(whole.Received(), 5000);
    EXPECT_EQ(firstAsk, 1023);
    at = 0;
    sink.clear();
    EXPECT_EQ(CopyChunks(read, write, 4999, over), TransferEnd::TooLong) << "one byte more than the limit";
    EXPECT_LE(sink.size(), 4999u);
    at = 0;
    EXPECT_EQ(CopyChunks(read, [](const char*, int) { return false; }, 5000, failing), TransferEnd::WriteFailed);
    EXPECT_EQ(CopyChunks([](char*, int) { return -1; }, write, 5000, failing), TransferEnd::ReadFailed);

    EXPECT_EQ(FormatNumbers("Download new version...%i  / Total size %i", {512, 4096}),
              "Download new version...512  / Total size 4096");
    EXPECT_EQ(FormatNumbers("%s %i %i%%", {7}), "%s 7 %%");   // nothing but %i is filled
    EXPECT_EQ(ProgressPercent(1, 1000), 1);
    EXPECT_EQ(ProgressPercent(5000, 1000), 100);
    EXPECT_EQ(ProgressPercent(10, 0), 0);
    EXPECT_EQ(ProgressPercent(2000000000LL, 2147483647LL), 94);   // no overflow
}

} // namespace
