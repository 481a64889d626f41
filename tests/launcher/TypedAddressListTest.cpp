#include "launcher/TypedAddressList.h"

#include <gtest/gtest.h>

#include "LauncherFakes.h"

namespace {

using Key = TypedAddressKey;

TEST(TypedAddressList, FirstRunSeedsFromInternetExplorerOnlyOnce)
{
    FakeTypedStore store;
    store.keys[Key::InternetExplorer] = {{"url1", "http://ie1.example/"}, {"url2", "http://ie2.example/"}};

    TypedAddressList list;
    list.Load(store);
    ASSERT_EQ(list.Size(), 2u);
    EXPECT_EQ(list.AddressAt(0), "http://ie1.example/");
    EXPECT_EQ(list.At(0).name, "");
    EXPECT_EQ(list.At(0).urlString, "");
    EXPECT_EQ(list.At(0).enabled, 1);

    list.Add(store, "http://mine.example/");
    ASSERT_TRUE(store.KeyExists(Key::Own));
    EXPECT_EQ(store.keys[Key::Own]["url1"], "http://mine.example/");
    EXPECT_EQ(store.keys[Key::Own]["url3"], "http://ie2.example/");

    // Internet Explorer's list changes and is never written, and no longer read.
    store.keys[Key::InternetExplorer]["url3"] = "http://ie3.example/";
    std::size_t ieValues = store.keys[Key::InternetExplorer].size();
    store.reads.clear();
    TypedAddressList restarted;
    restarted.Load(store);
    EXPECT_EQ(restarted.Size(), 3u);
    EXPECT_EQ(restarted.AddressAt(0), "http://mine.example/");
    EXPECT_EQ(store.reads[Key::InternetExplorer], 0);
    EXPECT_EQ(store.keys[Key::InternetExplorer].size(), ieValues);
}

TEST(TypedAddressList, AnEmptyOwnKeyHidesInternetExplorersList)
{
    FakeTypedStore store;
    store.keys[Key::Own];
    store.keys[Key::InternetExplorer] = {{"url1", "http://ie.example/"}};
    TypedAddressList list;
    list.Load(store);
    EXPECT_TRUE(list.Empty());
}

TEST(TypedAddressList, LoadingStopsAtAGapOrAnEmptyValueAndAt200)
{
    FakeTypedStore store;
    auto& own = store.keys[Key::Own];
    own = {{"url1", "a"}, {"url2", std::string(3000, 'l')}, {"url3", ""}, {"url4", "after"}};
    TypedAddressList list;
    list.Load(store);
    ASSERT_EQ(list.Size(), 2u);
    EXPECT_EQ(list.AddressAt(1).size(), 1023u);

    own.clear();
    for (int i = 1; i <= 250; ++i)
        own["url" + std::to_string(i)] = "http://a" + std::to_string(i) + ".example/";
    list.Load(store);
    EXPECT_EQ(list.Size(), 200u);
    EXPECT_EQ(list.AddressAt(199), "http://a200.example/");
}

TEST(TypedAddressList, TypingAnAddressAgainMovesItToTheTop)
{
    FakeTypedStore store;
    FakeTreeBranch<LinkEntry> tree;
    TypedAddressList list;
    list.SetObserver(&tree);
    list.Add(store, "http://a.example/");
    list.Add(store, "http://b.example/");
    list.Add(store, "http://A.example/");   // exact comparison: a different address
    LinkEntry& moved = list.Add(store, "http://a.example/");

    ASSERT_EQ(list.Size(), 3u);
    EXPECT_EQ(&list.At(0), &moved);
    EXPECT_EQ(list.AddressAt(1), "http://A.example/");
    EXPECT_EQ(list.AddressAt(2), "http://b.example/");
    ASSERT_EQ(tree.items.size(), 3u);
    EXPECT_EQ(tree.items[0].data, &moved);
    EXPECT_EQ(tree.items[0].text, "http://a.example/");
    EXPECT_EQ(tree.removalsOfUnknownItems, 0);
    EXPECT_EQ(tree.lastCategory, 0);
    EXPECT_EQ(store.keys[Key::Own].size(), 3u);
    EXPECT_EQ(store.keys[Key::Own]["url1"], "http://a.example/");
}

TEST(TypedAddressList, RemoveRewritesTheKeyWithoutTheAddress)
{
    FakeTypedStore store;
    FakeTreeBranch<LinkEntry> tree;
    TypedAddressList list;
    list.SetObserver(&tree);
    list.Add(store, "one");
    LinkEntry& two = list.Add(store, "two");
    list.Add(store, "three");
    EXPECT_TRUE(list.Remove(store, two));
    EXPECT_EQ(store.keys[Key::Own], (std::map<std::string, std::string>{{"url1", "three"}, {"url2", "one"}}));
    EXPECT_EQ(tree.items.size(), 2u);
}

TEST(TypedAddressList, CommandIdsMapToEntriesOfTheList)
{
    FakeTypedStore store;
    TypedAddressList list;
    list.Add(store, "second");
    list.Add(store, "first");
    EXPECT_EQ(list.ByCommandId(4024)->urlBase, "first");
    EXPECT_EQ(list.ByCommandId(4025)->urlBase, "second");
    EXPECT_EQ(list.ByCommandId(4026), nullptr);
    EXPECT_EQ(list.ByCommandId(4023), nullptr);
    EXPECT_EQ(list.ByCommandId(-2147483647 - 1), nullptr);
}

std::vector<std::size_t> BreakIndexes(std::size_t count)
{
    FakeTypedStore store;
    TypedAddressList list;
    for (std::size_t i = 0; i < count; ++i)
        list.Add(store, "http://a" + std::to_string(i) + ".example/");
    std::vector<std::size_t> breaks;
    std::vector<TypedAddressMenuItem> items = TypedAddressMenuLayout(list);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].columnBreak)
            breaks.push_back(i);
    return breaks;
}

TEST(TypedAddressMenu, ColumnBreaksAtMultiplesOfHalfTheList)
{
    EXPECT_EQ(BreakIndexes(10), (std::vector<std::size_t>{5}));   // two columns of five
    EXPECT_EQ(BreakIndexes(1), (std::vector<std::size_t>{}));
    EXPECT_EQ(BreakIndexes(0), (std::vector<std::size_t>{}));
    EXPECT_EQ(BreakIndexes(2), (std::vector<std::size_t>{1}));
    EXPECT_EQ(BreakIndexes(3), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(BreakIndexes(11), (std::vector<std::size_t>{5, 10}));
}

TEST(TypedAddressMenu, ShowsAtMost400AddressesWithTheirIds)
{
    FakeTypedStore store;
    TypedAddressList list;
    for (int i = 0; i < 450; ++i)
        list.Add(store, "a&b" + std::to_string(i));
    std::vector<TypedAddressMenuItem> items = TypedAddressMenuLayout(list);
    ASSERT_EQ(items.size(), 400u);
    EXPECT_EQ(items[0].commandId, 4024);
    EXPECT_EQ(items[399].commandId, 4423);
    EXPECT_EQ(items[0].text, "a&&b449");   // shown as typed, not as a mnemonic
    EXPECT_TRUE(items[225].columnBreak);
    EXPECT_EQ(list.ByCommandId(items[399].commandId), &list.At(399));
}

} // namespace
