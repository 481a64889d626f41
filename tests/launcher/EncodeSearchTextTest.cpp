#include "launcher/EncodeSearchText.h"

#include <gtest/gtest.h>

#include "launcher/Cp1252.h"
#include "launcher/EnginePattern.h"

namespace {

TEST(EncodeSearchText, KeepsTheClassicReplacements)
{
    EXPECT_EQ(EncodeSearchText("  l'\xE9t\xE9 2-3\t "), "l%27%C3%A9t%C3%A9+2%2D3");
    EXPECT_EQ(EncodeSearchText("\"a+b\""), "%22a%2Bb%22");
    // The plus signs that stand for blanks survive; an encoded plus is not encoded again.
    EXPECT_EQ(EncodeSearchText("c++ and c"), "c%2B%2B+and+c");
    EXPECT_EQ(EncodeSearchText("   "), "");
    EXPECT_EQ(EncodeSearchText(""), "");
}

TEST(EncodeSearchText, EscapesEveryCharacterAQueryReserves)
{
    struct Case {
        const char* typed;
        const char* encoded;
    } cases[] = {
        {"hello & goodbye", "hello+%26+goodbye"},
        {"AT&T", "AT%26T"},
        {"C#", "C%23"},
        {"100%", "100%25"},
        {"a=b? x/y", "a%3Db%3F+x%2Fy"},
        // A typed escape stays text: "%2B" is searched for, not "+".
        {"%2B", "%252B"},
        {"a+b %41", "a%2Bb+%2541"},
        {"keep._~", "keep._~"},
        {"semi;colon,comma:colon@at(1)*[2]!$", "semi%3Bcolon%2Ccomma%3Acolon%40at%281%29%2A%5B2%5D%21%24"},
        {"<a> {b} |c| \\d ^e `f`", "%3Ca%3E+%7Bb%7D+%7Cc%7C+%5Cd+%5Ee+%60f%60"},
        {"tab\there", "tab%09here"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeSearchText(c.typed), c.encoded) << c.typed;
}

TEST(EncodeSearchText, TheFourAccentsOfTheOldTableGiveTheSameResult)
{
    EXPECT_EQ(EncodeSearchText("\xE9"), "%C3%A9");
    EXPECT_EQ(EncodeSearchText("\xE8"), "%C3%A8");
    EXPECT_EQ(EncodeSearchText("\xE7"), "%C3%A7");
    EXPECT_EQ(EncodeSearchText("\xEE"), "%C3%AE");
}

TEST(EncodeSearchText, EveryOtherCharacterAbove127BecomesUtf8)
{
    EXPECT_EQ(EncodeSearchText("M\xFCller"), "M%C3%BCller");       // u with diaeresis
    EXPECT_EQ(EncodeSearchText("na\xEFve"), "na%C3%AFve");         // i with diaeresis
    EXPECT_EQ(EncodeSearchText("\xC9t\xE9"), "%C3%89t%C3%A9");     // capital E acute is its own letter
    EXPECT_EQ(EncodeSearchText("\xA0"), "%C2%A0");
    EXPECT_EQ(EncodeSearchText("\xFF"), "%C3%BF");
    EXPECT_EQ(EncodeSearchText("5\x80"), "5%E2%82%AC");            // euro sign
    EXPECT_EQ(EncodeSearchText("\x93quoted\x94"), "%E2%80%9Cquoted%E2%80%9D");
    EXPECT_EQ(EncodeSearchText("\x9C"), "%C5%93");                 // oe ligature
}

TEST(Cp1252, MapsTheTypographicBlockAndKeepsUndefinedBytes)
{
    EXPECT_EQ(Cp1252ToUnicode(0x41), U'A');
    EXPECT_EQ(Cp1252ToUnicode(0x80), 0x20ACu);
    EXPECT_EQ(Cp1252ToUnicode(0x8A), 0x0160u);
    EXPECT_EQ(Cp1252ToUnicode(0x96), 0x2013u);
    EXPECT_EQ(Cp1252ToUnicode(0x9F), 0x0178u);
    EXPECT_EQ(Cp1252ToUnicode(0xE9), 0xE9u);
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(Cp1252ToUnicode(undefined), static_cast<char32_t>(undefined));
    EXPECT_EQ(EncodeSearchText("\x81"), "%C2%81");
    // Every byte gives well-formed UTF-8 of at most three bytes.
    for (int b = 0x80; b <= 0xFF; ++b) {
        std::string utf8 = Utf8Bytes(Cp1252ToUnicode(static_cast<unsigned char>(b)));
        ASSERT_GE(utf8.size(), 2u);
        ASSERT_LE(utf8.size(), 3u);
        EXPECT_EQ(static_cast<unsigned char>(utf8[0]) & 0xC0, 0xC0) << b;
        for (std::size_t i = 1; i < utf8.size(); ++i)
            EXPECT_EQ(static_cast<unsigned char>(utf8[i]) & 0xC0, 0x80) << b;
    }
}

TEST(FormatEngineAddress, OnlyTheFirstPercentSIsReplaced)
{
    EXPECT_EQ(FormatEngineAddress("http://e/?q=%s", "a+b"), "http://e/?q=a+b");
    EXPECT_EQ(FormatEngineAddress("http://e/?q=%s&r=%s", "x"), "http://e/?q=x&r=%s");
    EXPECT_EQ(FormatEngineAddress("http://e/%%s?q=%s", "x"), "http://e/%s?q=x");   // "%%" first
    EXPECT_EQ(FormatEngineAddress("http://e/?q=%n%d%x%", "x"), "http://e/?q=%n%d%x%");
    EXPECT_EQ(FormatEngineAddress("http://e/no-place", "x"), "http://e/no-place");
    EXPECT_EQ(FormatEngineAddress("", "x"), "");
    // The text is put in as it is: a "%" in it is not read again.
    EXPECT_EQ(FormatEngineAddress("%s", "%s%%"), "%s%%");
}

TEST(FormatEngineAddress, CutsAt1023Characters)
{
    std::string pattern = std::string(1000, 'p') + "%s" + std::string(100, 'q');
    std::string out = FormatEngineAddress(pattern, std::string(50, 't'));
    EXPECT_EQ(out, (std::string(1000, 'p') + std::string(23, 't')));
    std::string huge = FormatEngineAddress(std::string(5000, 'p'), "");
    EXPECT_EQ(huge.size(), 1023u);
}

} // namespace
