#include "launcher/SavedList.h"

#include <gtest/gtest.h>

#include "LauncherFakes.h"
#include "tests/support/MemoryProfile.h"

namespace {

std::string StringsForTest(int id)
{
    switch (id) {
    case 1045: return "Google";
    case 1046: return "BabelFish Altavista";
    case 1047: return "English to German";
    case 1049: return "English to French";
    case 1058: return "Portuguese to English";
    case 1059: return "UNRELATED";
    case 1066: return "Free Translation";
    case 1067: return "Voila";
    case 1068: return "<All>";
    case 1080: return "with";
    default: return "?" + std::to_string(id);
    }
}

TEST(SavedList, SectionsAndCategories)
{
    SavedList search(SavedList::Kind::SearchHistory);
    SavedList translation(SavedList::Kind::TranslationHistory);
    EXPECT_STREQ(search.Section(), "SaveExpr");
    EXPECT_STREQ(translation.Section(), "SaveTrad");
    EXPECT_EQ(search.Category(), 2);
    EXPECT_EQ(translation.Category(), 4);
}

TEST(SavedList, TheSameSearchTwiceLeavesOneEntryAtTheTopAndOneTreeItem)
{
    MemoryProfile file;
    FakeTreeBranch<SavedEntry> tree;
    SavedList history(SavedList::Kind::SearchHistory);
    history.SetObserver(&tree);

    history.Add(file, "first");
    history.Add(file, "second");
    SavedEntry& again = history.Add(file, "first");

    ASSERT_EQ(history.Size(), 2u);
    EXPECT_EQ(history.At(0).text, "first");
    EXPECT_EQ(history.At(1).text, "second");
    ASSERT_EQ(tree.items.size(), 2u);
    EXPECT_EQ(tree.items[0].data, &again);
    EXPECT_EQ(tree.items[0].text, "first");
    EXPECT_EQ(tree.items[1].text, "second");
    EXPECT_EQ(tree.removalsOfUnknownItems, 0);
    EXPECT_EQ(tree.lastCategory, 2);
    // Saved after every addition, in list order.
    EXPECT_EQ(file.ReadString("SaveExpr", "Search1", "", 1023), "first");
    EXPECT_EQ(file.ReadString("SaveExpr", "Search2", "", 1023), "second");
    EXPECT_FALSE(file.Has("SaveExpr", "Search3"));
}

TEST(SavedList, MatchingIsExactAndCaseSensitive)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::SearchHistory);
    history.Add(file, "Word");
    history.Add(file, "word");
    history.Add(file, "word ");
    EXPECT_EQ(history.Size(), 3u);
}

TEST(SavedList, TranslationEntriesDifferingOnlyInServiceAreBothKept)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::TranslationHistory, StringsForTest);
    history.Add(file, "hello", "bonjour", 2, 0);
    history.Add(file, "hello", "bonjour", 2, 1);
    history.Add(file, "hello", "bonjour", 2, 0);   // moves the first one up
    ASSERT_EQ(history.Size(), 2u);
    EXPECT_EQ(history.At(0).valueExt, 0);
    EXPECT_EQ(history.At(1).valueExt, 1);
}

TEST(SavedList, OnlyNonZeroNumbersAreWrittenAndAllComeBack)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::TranslationHistory);
    history.Add(file, "b", "", 0, 3);
    history.Add(file, "a", "x", 5, 0);
    EXPECT_TRUE(file.Has("SaveTrad", "SearchVal1"));
    EXPECT_FALSE(file.Has("SaveTrad", "SearchValExt1"));
    EXPECT_TRUE(file.Has("SaveTrad", "SearchStr2"));   // written even when empty
    EXPECT_FALSE(file.Has("SaveTrad", "SearchVal2"));
    EXPECT_TRUE(file.Has("SaveTrad", "SearchValExt2"));

    SavedList reloaded(SavedList::Kind::TranslationHistory);
    reloaded.Load(file);
    ASSERT_EQ(reloaded.Size(), 2u);
    EXPECT_EQ(reloaded.At(0).text, "a");
    EXPECT_EQ(reloaded.At(0).secondText, "x");
    EXPECT_EQ(reloaded.At(0).value, 5);
    EXPECT_EQ(reloaded.At(0).valueExt, 0);
    EXPECT_EQ(reloaded.At(1).valueExt, 3);
    EXPECT_FALSE(reloaded.At(1).showResult);
}

TEST(SavedList, AllOf120EntriesAreWrittenAndThe100MostRecentComeBack)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::SearchHistory);
    for (int i = 1; i <= 120; ++i)
        history.Add(file, "text " + std::to_string(i));
    EXPECT_EQ(file.KeyCount("SaveExpr"), 240u);   // text and second text of each
    EXPECT_EQ(file.ReadString("SaveExpr", "Search120", "", 1023), "text 1");

    SavedList restarted(SavedList::Kind::SearchHistory);
    restarted.Load(file);
    ASSERT_EQ(restarted.Size(), 100u);
    EXPECT_EQ(restarted.At(0).text, "text 120");
    EXPECT_EQ(restarted.At(99).text, "text 21");
}

TEST(SavedList, LoadingStopsAtTheFirstEmptyTextAndSurvivesGarbage)
{
    MemoryProfile file;
    file.WriteString("SaveExpr", "Search1", "one");
    file.WriteString("SaveExpr", "SearchVal1", "12abc");
    file.WriteString("SaveExpr", "SearchValExt1", "not a number");
    file.WriteString("SaveExpr", "Search2", std::string(5000, 'z').c_str());
    file.WriteString("SaveExpr", "Search3", "");
    file.WriteString("SaveExpr", "Search4", "after the gap");
    file.WriteString("SaveExpr", "Unrelated", "junk");
    SavedList history(SavedList::Kind::SearchHistory);
    MemoryProfile elsewhere;
    history.Add(elsewhere, "dropped by the load");
    history.Load(file);
    ASSERT_EQ(history.Size(), 2u);
    EXPECT_EQ(history.At(0).value, 12);
    EXPECT_EQ(history.At(0).valueExt, 0);
    EXPECT_EQ(history.At(1).text, std::string(1023, 'z'));
}

TEST(SavedList, RemoveTakesTheEntryAndItsTreeItemAndSaves)
{
    MemoryProfile file;
    FakeTreeBranch<SavedEntry> tree;
    SavedList history(SavedList::Kind::SearchHistory);
    history.SetObserver(&tree);
    history.Add(file, "keep");
    SavedEntry& gone = history.Add(file, "gone");
    EXPECT_TRUE(history.Remove(file, gone));
    EXPECT_EQ(history.Size(), 1u);
    ASSERT_EQ(tree.items.size(), 1u);
    EXPECT_EQ(tree.items[0].text, "keep");
    EXPECT_EQ(file.ReadString("SaveExpr", "Search1", "", 1023), "keep");
    EXPECT_FALSE(file.Has("SaveExpr", "Search2"));
    SavedEntry stranger;
    EXPECT_FALSE(history.Remove(file, stranger));
}

TEST(SavedListDescribe, SearchTextsAreShownAsTheyAre)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::SearchHistory);
    history.Add(file, std::string(40, 's'));
    EXPECT_EQ(history.Describe(0), std::string(40, 's'));
    EXPECT_EQ(history.Describe(5), "");
}

TEST(SavedListDescribe, TranslationsShowTextsPairAndService)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::TranslationHistory, StringsForTest);
    history.Add(file, "hello", "bonjour", 2, 0);
    EXPECT_EQ(history.Describe(0), "{hello}   English to French   {bonjour}   with   {Google}");
}

TEST(SavedListDescribe, TextsOver30CharactersAreShortened)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::TranslationHistory, StringsForTest);
    const std::string thirty(30, 'a');
    history.Add(file, thirty, thirty + "b", 11, 4);
    EXPECT_EQ(history.Describe(0), "{" + thirty + "}   Portuguese to English   {" + thirty + "...}   with   {<All>}");
}

TEST(SavedListDescribe, UnknownPairsAndServicesShowEmptyNames)
{
    MemoryProfile file;
    SavedList history(SavedList::Kind::TranslationHistory, StringsForTest);
    history.Add(file, "a", "b", 12, 5);
    EXPECT_EQ(history.Describe(0), "{a}      {b}   with   {}");
    history.Add(file, "a", "b", -1, -1);
    EXPECT_EQ(history.Describe(0), "{a}      {b}   with   {}");
}

TEST(SavedListDescribe, TheTreeGetsTheDescriptionOfTheNewEntry)
{
    MemoryProfile file;
    FakeTreeBranch<SavedEntry> tree;
    SavedList history(SavedList::Kind::TranslationHistory, StringsForTest);
    history.SetObserver(&tree);
    history.Add(file, "hi", "hallo", 0, 3);
    ASSERT_EQ(tree.items.size(), 1u);
    EXPECT_EQ(tree.items[0].text, "{hi}   English to German   {hallo}   with   {Voila}");
    EXPECT_EQ(tree.lastCategory, 4);
}

} // namespace
