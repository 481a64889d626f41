#include "web/NoCaseSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ReferenceText.h"

TEST(FindNoCase, MatchesInAnyLetterCaseFromTheStartIndex)
{
    EXPECT_EQ(FindNoCase("xx<TextArea name=q>", "<textarea NAME=Q", 0), 2);
    EXPECT_EQ(FindNoCase("abcABC", "abc", 1), 3);
    EXPECT_EQ(FindNoCase("abcABC", "abc", 4), -1);
    EXPECT_EQ(FindNoCase("caf\xC9 caf\xE9", "CAF\xE9", 0), 0);   // accented capitals fold too
    EXPECT_EQ(FindNoCase("aaab", "aab", 0), 1);                  // restart after a partial match
    EXPECT_EQ(FindNoCase("abababc", "ababc", 0), 2);
}

TEST(FindNoCase, BoundariesOfTextNeedleAndStart)
{
    EXPECT_EQ(FindNoCase("abc", "", 0), 0);
    EXPECT_EQ(FindNoCase("abc", "", 3), 3);    // an empty needle matches at the start index
    EXPECT_EQ(FindNoCase("abc", "", 4), -1);
    EXPECT_EQ(FindNoCase("abc", "c", 2), 2);
    EXPECT_EQ(FindNoCase("abc", "c", 3), -1);
    EXPECT_EQ(FindNoCase("abc", "a", -1), -1);
    EXPECT_EQ(FindNoCase("ab", "abc", 0), -1);  // needle longer than the text
    EXPECT_EQ(FindNoCase("", "a", 0), -1);
    EXPECT_EQ(FindNoCase(std::string("a\0b\0c", 5), std::string("\0C", 2), 0), 3);
}

TEST(FindNoCase, AgreesWithAPlainSearchOnRandomTexts)
{
    std::mt19937 random(7);
    const std::string alphabet = "aAbB<\xC9\xE9";
    auto make = [&](std::size_t size) {
        std::string s;
        for (std::size_t i = 0; i < size; ++i)
            s += alphabet[random() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text = make(random() % 40);
        std::string needle = make(1 + random() % 5);
        std::ptrdiff_t start = static_cast<std::ptrdiff_t>(random() % (text.size() + 2));
        ASSERT_EQ(FindNoCase(text, needle, start), reference::FindNoCase(text, needle, start))
            << "text " << text << " needle " << needle << " start " << start;
    }
}

TEST(NoCaseFinder, StaysLinearOnSelfSimilarNeedles)
{
    // A search that restarted one character after every partial match would compare
    // about 10^6 * 2000 characters here.
    std::string text(1000000, 'a');
    std::string needle(2000, 'a');
    needle += 'b';
    EXPECT_EQ(NoCaseFinder(needle).FindIn(text, 0), NoCaseFinder::npos);
    text += 'B';
    EXPECT_EQ(NoCaseFinder(needle).FindIn(text, 0), text.size() - needle.size());
}
