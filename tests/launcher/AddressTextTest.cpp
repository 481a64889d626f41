#include "launcher/AddressText.h"

#include <gtest/gtest.h>

namespace {

TEST(IsAddress, RecognisesSchemesAndWwwInAnyCase)
{
    EXPECT_TRUE(IsAddress("http://x"));
    EXPECT_TRUE(IsAddress("HTTPS://X"));
    EXPECT_TRUE(IsAddress("Www.example.com/path"));
    EXPECT_FALSE(IsAddress("example.com"));
    EXPECT_FALSE(IsAddress("ftp://example.com"));
    EXPECT_FALSE(IsAddress(" http://x"));
    EXPECT_FALSE(IsAddress("www"));
    EXPECT_FALSE(IsAddress(""));
    EXPECT_TRUE(IsAddress("www." + std::string(5000, 'a')));
}

TEST(CompleteAddress, BareNamesGetSchemeWwwAndTheSuffixOfTheKeys)
{
    EXPECT_EQ(CompleteAddress("Name", kCompletionCtrl), "http://www.name.com");
    EXPECT_EQ(CompleteAddress("www.Name", kCompletionShift), "http://www.name.net");
    EXPECT_EQ(CompleteAddress("name", kCompletionAlt), "http://www.name.fr");
    EXPECT_EQ(CompleteAddress("name", kCompletionShift | kCompletionAlt), "http://www.name.net");
    EXPECT_EQ(CompleteAddress("Name.org", kCompletionShift), "http://www.name.org");
    EXPECT_EQ(CompleteAddress(".hidden", kCompletionCtrl), "http://www..hidden");
}

TEST(CompleteAddress, ANameEndingInWKeepsItsOwnDomain)
{
    EXPECT_EQ(CompleteAddress("slow.net", kCompletionCtrl), "http://www.slow.net");
    EXPECT_EQ(CompleteAddress("www.cnw", kCompletionAlt), "http://www.cnw.fr");
}

TEST(CompleteAddress, ASchemeIsKeptAndWwwGoesBehindIt)
{
    EXPECT_EQ(CompleteAddress("https://www.Name", kCompletionAlt), "https://www.name.fr");
    EXPECT_EQ(CompleteAddress("https://example", kCompletionAlt), "https://www.example.fr");
    EXPECT_EQ(CompleteAddress("http://example.org/a", kCompletionCtrl), "http://www.example.org/a");
    EXPECT_EQ(CompleteAddress("HTTP://www.example.org", kCompletionCtrl), "http://www.example.org");
    EXPECT_EQ(CompleteAddress("ftp://files", kCompletionCtrl), "ftp://www.files.com");
}

TEST(CompleteAddress, WorksOn511Characters)
{
    std::string out = CompleteAddress(std::string(600, 'a'), kCompletionCtrl);
    EXPECT_EQ(out, "http://www." + std::string(511, 'a') + ".com");
}

} // namespace
