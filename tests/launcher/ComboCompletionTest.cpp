// Completion of the launcher's text box: which keys stop it and what gets highlighted.
#include <gtest/gtest.h>

#include "launcher/ComboCompletion.h"

namespace {

EditSelection Caret(int at) { return {at, at}; }

TEST(ComboCompletion, OnlyBackspaceEnterEscapeAndDeleteEndCompletion)
{
    for (unsigned key : {0x08u, 0x0Du, 0x1Bu, 0x2Eu})
        EXPECT_TRUE(KeyEndsCompletion(key)) << key;
    // Letters, digits, Shift, arrows and Space keep completing.
    for (unsigned key : {0x41u, 0x5Au, 0x30u, 0x10u, 0x25u, 0x27u, 0x20u, 0x2Du})
        EXPECT_FALSE(KeyEndsCompletion(key)) << key;
    EXPECT_TRUE(CharacterEndsCompletion('\b'));
    EXPECT_TRUE(CharacterEndsCompletion('\r'));
    EXPECT_TRUE(CharacterEndsCompletion(0x1B));
    EXPECT_FALSE(CharacterEndsCompletion('a'));
    EXPECT_FALSE(CharacterEndsCompletion(0x2E)) << "'.' is no Delete key";
}

TEST(ComboCompletion, TypingAtTheEndHighlightsTheRestOfTheEntry)
{
    EditSelection caret = Caret(3);
    EditSelection s = CompletedSelection("goo", &caret, "google search");
    EXPECT_EQ(s.start, 3);
    EXPECT_EQ(s.end, 13);
    // No selection known: as at the end.
    s = CompletedSelection("goo", nullptr, "google search");
    EXPECT_EQ(s.start, 3);
    EXPECT_EQ(s.end, 13);
    // A selection that reaches beyond the typed text counts as at the end.
    EditSelection wide{1, 5};
    s = CompletedSelection("goo", &wide, "google");
    EXPECT_EQ(s.start, 3);
    EXPECT_EQ(s.end, 6);
}

TEST(ComboCompletion, TypingInsideTheTextKeepsTheSelection)
{
    EditSelection inside = Caret(1);
    EditSelection s = CompletedSelection("gxo", &inside, "gxombi");
    EXPECT_EQ(s.start, 1);
    EXPECT_EQ(s.end, 1);
    EditSelection part{0, 2};
    s = CompletedSelection("gxo", &part, "gxombi");
    EXPECT_EQ(s.start, 0);
    EXPECT_EQ(s.end, 2);
}

TEST(ComboCompletion, HtAcceptsTheWholeWebPrefixAtOnce)
{
    EditSelection caret = Caret(2);
    EditSelection s = CompletedSelection("ht", &caret, "http://www.example.com");
    EXPECT_EQ(s.start, 11) << "\"http://www.\" is taken, the host is highlighted";
    EXPECT_EQ(s.end, 22);
    s = CompletedSelection("HT", &caret, "HTTP://WWW.EXAMPLE.COM");
    EXPECT_EQ(s.start, 11);

    // Only for "ht" itself and entries with the full prefix.
    EditSelection caret3 = Caret(3);
    s = CompletedSelection("htt", &caret3, "http://www.example.com");
    EXPECT_EQ(s.start, 3);
    s = CompletedSelection("ht", &caret, "http://example.com");
    EXPECT_EQ(s.start, 2);
    s = CompletedSelection("ht", &caret, "https://www.example.com");
    EXPECT_EQ(s.start, 2);
    s = CompletedSelection("h", &caret, "http://www.example.com");
    EXPECT_EQ(s.start, 1);
}

TEST(ComboCompletion, TheSelectionNeverPassesTheEntry)
{
    EditSelection caret = Caret(2);
    EditSelection s = CompletedSelection("ht", &caret, "http://www.");
    EXPECT_EQ(s.start, 11);
    EXPECT_EQ(s.end, 11);
    s = CompletedSelection("abc", nullptr, "abc");
    EXPECT_EQ(s.start, 3);
    EXPECT_EQ(s.end, 3);
}

TEST(ComboCompletion, AnEmptyTextIsNotCompleted)
{
    EXPECT_FALSE(CompletesText(""));
    EXPECT_TRUE(CompletesText("a"));
}

} // namespace
