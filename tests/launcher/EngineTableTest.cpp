#include "launcher/EngineTable.h"

#include <gtest/gtest.h>

#include "app/OptionRecord.h"
#include "tests/support/MemoryProfile.h"

namespace {

std::unique_ptr<LinkEntry> Parsed(const std::string& value)
{
    auto e = std::make_unique<LinkEntry>();
    e->enabled = 7;
    EXPECT_TRUE(e->Parse(value)) << value;
    return e;
}

TEST(LinkEntryParse, ReadsTheFourFields)
{
    auto e = Parsed("Google|\"http://www.google.com/search?q=%s\"|http://www.google.com/|0");
    EXPECT_EQ(e->name, "Google");
    EXPECT_EQ(e->urlString, "http://www.google.com/search?q=%s");
    EXPECT_EQ(e->urlBase, "http://www.google.com/");
    EXPECT_EQ(e->enabled, 0);
}

TEST(LinkEntryParse, MissingFieldsAreEmptyAndTheFlagDefaultsToOne)
{
    auto nameOnly = Parsed("Name");
    EXPECT_EQ(nameOnly->urlString, "");
    EXPECT_EQ(nameOnly->urlBase, "");
    EXPECT_EQ(nameOnly->enabled, 1);

    auto noBase = Parsed("Name|\"pat%s\"");
    EXPECT_EQ(noBase->urlString, "pat%s");
    EXPECT_EQ(noBase->urlBase, "");
    EXPECT_EQ(noBase->enabled, 1);

    auto emptyFields = Parsed("Name|||");
    EXPECT_EQ(emptyFields->urlString, "");
    EXPECT_EQ(emptyFields->enabled, 0);   // present but empty reads as 0

    auto unquoted = Parsed("Name|xpattern|base|1");
    EXPECT_EQ(unquoted->urlString, "pattern");   // first character dropped, no quote to cut at
    auto innerQuote = Parsed("Name|\"a\"b\"c\"|base|1");
    EXPECT_EQ(innerQuote->urlString, "a\"b\"c");

    LinkEntry none;
    EXPECT_FALSE(none.Parse(""));
    EXPECT_FALSE(none.Parse("|\"x\"|y|1"));
}

TEST(LinkEntryParse, BarsInsideTheSearchAddressSurviveARoundTrip)
{
    LinkEntry written("Bars", "http://e/?q=%s&in=a|b|c", "http://e/", 0);
    auto e = Parsed(written.Format());
    EXPECT_EQ(e->name, "Bars");
    EXPECT_EQ(e->urlString, "http://e/?q=%s&in=a|b|c");
    EXPECT_EQ(e->urlBase, "http://e/");
    EXPECT_EQ(e->enabled, 0);
}

TEST(EngineTable, EmptyBaseAndUnusedFlagRoundTrip)
{
    MemoryProfile file;
    OptionRecord o;
    o.engines.push_back(std::make_unique<LinkEntry>("Plain", "http://p/?q=%s", "", 0));
    o.engines.push_back(std::make_unique<LinkEntry>("Full", "http://f/?q=%s", "http://f/", 1));
    o.Favorite = "Full";
    o.TranslateURL = "http://translate.example/";
    SaveEngines(o, file);

    EXPECT_EQ(file.ReadString("Searcher", "Searcher1", "", 2047), "Plain|\"http://p/?q=%s\"||0");
    EXPECT_EQ(file.ReadString("Options", "Favorite", "", 1023), "Full");
    EXPECT_EQ(file.ReadString("Options", "TranslateURL", "", 1023), "http://translate.example/");

    OptionRecord back;
    LoadEngines(back, file);
    ASSERT_EQ(back.engines.size(), 2u);
    EXPECT_EQ(back.engines[0]->name, "Plain");
    EXPECT_EQ(back.engines[0]->urlString, "http://p/?q=%s");
    EXPECT_EQ(back.engines[0]->urlBase, "");
    EXPECT_EQ(back.engines[0]->enabled, 0);
    EXPECT_EQ(back.engines[1]->urlBase, "http://f/");
    EXPECT_EQ(back.engines[1]->enabled, 1);
}

TEST(EngineTable, SavingReplacesTheWholeSection)
{
    MemoryProfile file;
    file.WriteString("Searcher", "Searcher1", "Old|\"o\"||1");
    file.WriteString("Searcher", "Searcher2", "Old2|\"o\"||1");
    OptionRecord o;
    o.engines.push_back(std::make_unique<LinkEntry>("New", "n%s", "", 1));
    SaveEngines(o, file);
    EXPECT_EQ(file.KeyCount("Searcher"), 1u);
}

TEST(EngineTable, NoSectionGivesNoEngines)
{
    MemoryProfile file;
    OptionRecord o;
    o.engines.push_back(std::make_unique<LinkEntry>("Stale", "", "", 1));
    LoadEngines(o, file);
    EXPECT_TRUE(o.engines.empty());
}

TEST(EngineTable, GarbageValuesArePassedOverAndAMissingKeyEndsTheTable)
{
    MemoryProfile file;
    file.WriteString("Searcher", "Searcher1", "A|\"a%s\"|http://a/|1");
    file.WriteString("Searcher", "Searcher2", "");
    file.WriteString("Searcher", "Searcher3", "|||");
    file.WriteString("Searcher", "Searcher4", "\x01\x02\xFF garbage without bars");
    file.WriteString("Searcher", "Searcher5", ("Long|\"" + std::string(3000, 'x') + "\"|b|1").c_str());
    file.WriteString("Searcher", "Searcher7", "Unreachable|\"u\"||1");
    LinkList engines;
    LoadEngines(engines, file);
    ASSERT_EQ(engines.size(), 3u);
    EXPECT_EQ(engines[0]->name, "A");
    EXPECT_EQ(engines[1]->name, "\x01\x02\xFF garbage without bars");
    EXPECT_EQ(engines[2]->name, "Long");
    EXPECT_EQ(engines[2]->urlString, std::string(2047 - 6, 'x'));   // value read into 2048
    EXPECT_EQ(engines[2]->urlBase, "");
}

TEST(EngineTable, AtMost499EnginesAreRead)
{
    MemoryProfile file;
    for (int i = 1; i <= 510; ++i)
        file.WriteString("Searcher", ("Searcher" + std::to_string(i)).c_str(), ("E" + std::to_string(i)).c_str());
    LinkList engines;
    LoadEngines(engines, file);
    ASSERT_EQ(engines.size(), 499u);
    EXPECT_EQ(engines.back()->name, "E499");
}

TEST(EngineTable, WorkingCopyIsAppliedOnlyOnApply)
{
    MemoryProfile file;
    OptionRecord o;
    o.engines.push_back(std::make_unique<LinkEntry>("Kept", "k%s", "", 1));
    OpenEnginesWorkingCopy(o);
    ASSERT_EQ(o.enginesWork.size(), 1u);
    o.enginesWork[0]->name = "Edited";
    o.enginesWork.push_back(std::make_unique<LinkEntry>("Added", "a%s", "", 1));
    EXPECT_EQ(o.engines[0]->name, "Kept");   // a cancelled sheet leaves the engines alone

    ApplyEnginesWorkingCopy(o, file);
    ASSERT_EQ(o.engines.size(), 2u);
    EXPECT_EQ(o.engines[0]->name, "Edited");
    EXPECT_NE(o.engines[0].get(), o.enginesWork[0].get());   // copies, not shared records
    EXPECT_EQ(file.KeyCount("Searcher"), 2u);
}

} // namespace
