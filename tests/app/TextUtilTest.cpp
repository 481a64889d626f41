#include "app/TextUtil.h"

#include <gtest/gtest.h>

TEST(TextUtil, LeadingIntFollowsTheProfileRules)
{
    EXPECT_EQ(LeadingInt("834"), 834);
    EXPECT_EQ(LeadingInt("  -999"), -999);
    EXPECT_EQ(LeadingInt("12abc"), 12);
    EXPECT_EQ(LeadingInt("abc"), 0);
    EXPECT_EQ(LeadingInt(""), 0);
    EXPECT_EQ(LeadingInt(nullptr), 0);
    EXPECT_EQ(LeadingInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingInt("-99999999999999999999"), -2147483647 - 1);
}

TEST(TextUtil, CopyCutNeverOverflows)
{
    char small[4] = {'x', 'x', 'x', 'x'};
    CopyCut(small, sizeof small, "abcdef");
    EXPECT_STREQ(small, "abc");
    CopyCut(small, sizeof small, "");
    EXPECT_STREQ(small, "");
}

TEST(TextUtil, CaseFoldingCoversTheLatinOneLetters)
{
    EXPECT_EQ(ToLowerAnsi("WWW.\xC9xample"), "www.\xE9xample");
    EXPECT_EQ(ToUpperAnsi("find:\xE9"), "FIND:\xC9");
    EXPECT_EQ(ToLowerAnsi(std::string("\xD7")), "\xD7");   // the multiplication sign has no case
    EXPECT_TRUE(EqualsNoCase("IEFrame", "ieframe"));
    EXPECT_FALSE(EqualsNoCase("IEFrame", "ieframes"));
    EXPECT_TRUE(StartsWithNoCase("Edit:c:\\x", "EDIT:"));
    EXPECT_FALSE(StartsWithNoCase("Ed", "EDIT:"));
    EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
}
