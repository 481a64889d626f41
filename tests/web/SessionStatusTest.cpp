#include "web/SessionStatus.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/ResourceIds.h"

TEST(SessionStatus, EachNotificationGivesItsText)
{
    using Act = StatusTextChoice::Action;
    using Arg = StatusTextChoice::Argument;
    struct Case { std::uint32_t status; Act action; int id; Arg argument; } cases[] = {
        {10, Act::Show, IDS_HTTP_RESOLVING, Arg::InfoText},
        {11, Act::Show, IDS_HTTP_RESOLVED, Arg::InfoText},
        {20, Act::Show, IDS_HTTP_CONNECTING, Arg::None},
        {21, Act::Show, IDS_HTTP_CONNECTED, Arg::None},
        {30, Act::Show, IDS_HTTP_SENDING, Arg::None},
        {31, Act::Show, IDS_HTTP_SENT, Arg::None},
        {40, Act::Keep, 0, Arg::None},
        {41, Act::Show, IDS_HTTP_RESPONSE, Arg::None},
        {50, Act::Show, IDS_HTTP_CLOSING, Arg::None},
        {51, Act::Show, IDS_HTTP_CLOSED, Arg::None},
        {60, Act::Clear, 0, Arg::None},
        {70, Act::Keep, 0, Arg::None},
        {12, Act::Show, IDS_HTTP_UNKNOWN, Arg::StatusValue},
    };
    for (const Case& c : cases) {
        StatusTextChoice choice = ChooseStatusText(c.status, 4);
        EXPECT_EQ(choice.action, c.action) << c.status;
        EXPECT_EQ(choice.stringId, c.id) << c.status;
        EXPECT_EQ(choice.argument, c.argument) << c.status;
    }
    EXPECT_EQ(ChooseStatusText(100, 8).stringId, IDS_HTTP_COMPLETE_RESULT);
    EXPECT_EQ(ChooseStatusText(100, 8).argument, Arg::CompletionFields);
    EXPECT_EQ(ChooseStatusText(100, 4).stringId, IDS_HTTP_COMPLETE);
    EXPECT_EQ(ChooseStatusText(100, 0).argument, Arg::None);
}

TEST(SessionStatus, InformationTextStopsAtItsLengthOrNul)
{
    EXPECT_EQ(StatusInfoText("example.com\0junk", 16), "example.com");
    EXPECT_EQ(StatusInfoText("example.com", 7), "example");
    EXPECT_EQ(StatusInfoText(nullptr, 10), "");
}

TEST(SessionStatus, ProgressShowsARateFromTheFirstWholeSecond)
{
    ReadProgress early = DescribeReadProgress(4095, 999);
    EXPECT_FALSE(early.withRate);
    EXPECT_EQ(early.stringId, IDS_HTTP_READ);
    EXPECT_EQ(early.totalBytes, 4095);
    ReadProgress later = DescribeReadProgress(10240, 2500);
    EXPECT_TRUE(later.withRate);
    EXPECT_EQ(later.stringId, IDS_HTTP_READ_RATE);
    EXPECT_DOUBLE_EQ(later.kilobytesPerSecond, 5.0);
    EXPECT_EQ(FormatStatusText("Read %d bytes (%0.1f Kb/s)", later.totalBytes, later.kilobytesPerSecond),
              "Read 10240 bytes (5.0 Kb/s)");
}

TEST(SessionStatus, FormattingIsCutAtTheBuffer)
{
    std::string longName(2000, 'n');
    std::string text = FormatStatusText("Resolving name for %s", longName.c_str());
    EXPECT_EQ(text.size(), kStatusTextBufferSize - 1);
    EXPECT_EQ(text.substr(0, 19), "Resolving name for ");
    EXPECT_EQ(FormatStatusText("Request complete, dwResult = %8.8X, dwError = %8.8X", 1u, 0x2EFDu),
              "Request complete, dwResult = 00000001, dwError = 00002EFD");
}
