// The launcher's layout for a client size, its limits and the remembered place, and the
// tree's groups.
#include <gtest/gtest.h>

#include <map>

#include "app/OptionRecord.h"
#include "launcher/LauncherLayout.h"
#include "launcher/LauncherTreeModel.h"

namespace {

std::map<int, LayoutBox> Places(int width, int height, bool tree, LauncherMetrics m = {})
{
    std::map<int, LayoutBox> byId;
    for (const ControlPlace& p : LauncherControlPlaces(width, height, tree, m)) {
        EXPECT_EQ(byId.count(p.id), 0u) << "control " << p.id << " placed twice";
        byId[p.id] = p.box;
    }
    return byId;
}

bool Overlap(const LayoutBox& a, const LayoutBox& b)
{
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

TEST(LauncherLayout, EveryControlHasItsPlaceAndNoneOverlapAtAnyWidth)
{
    for (bool tree : {false, true}) {
        for (int width : {249, 300, 354, 800}) {
            auto places = Places(width, 500, tree);
            EXPECT_EQ(places.size(), tree ? 13u : 12u);
            EXPECT_EQ(places.count(1016), tree ? 1u : 0u);
            for (const auto& [id, box] : places) {
                EXPECT_GE(box.left, kLayoutSideMargin) << id;
                EXPECT_LE(box.Right(), width - kLayoutSideMargin) << id << " at " << width;
                EXPECT_GT(box.width, 0) << id;
                for (const auto& [other, otherBox] : places) {
                    if (other != id) {
                        EXPECT_FALSE(Overlap(box, otherBox)) << id << " and " << other << " at " << width;
                    }
                }
            }
        }
    }
}

TEST(LauncherLayout, RowsLineUpOnTheRight)
{
    auto places = Places(354, 131, false);
    const int right = 354 - kLayoutSideMargin;
    EXPECT_EQ(places[1].Right(), right) << "Go";
    EXPECT_EQ(places[1012].Right(), right) << "Go To URL";
    EXPECT_EQ(places[203].Right(), right) << "close all";
    EXPECT_EQ(places[1000].left, places[1010].left);
    EXPECT_EQ(places[1010].left, places[200].left);
    EXPECT_LT(places[1000].Bottom(), places[1010].top);
    EXPECT_LT(places[1010].Bottom(), places[200].top);
    EXPECT_EQ(places[201].top, places[200].top);
}

TEST(LauncherLayout, TheTreeIsTheClientWidthLessFortyAndTakesTheRestOfTheHeight)
{
    LauncherMetrics m;
    for (int width : {300, 450}) {
        for (int height : {300, 600}) {
            LayoutBox tree = LauncherTreeBox(width, height, m);
            EXPECT_EQ(tree.left, 20);
            EXPECT_EQ(tree.width, width - 40);
            EXPECT_EQ(tree.Bottom(), height - kLayoutBottomMargin);
            EXPECT_EQ(Places(width, height, true)[1016].top, tree.top);
        }
    }
    EXPECT_GT(LauncherTreeBox(300, 300, m).top, Places(300, 300, true)[200].Bottom());
    // Too small a window gives an empty tree, never a negative size.
    EXPECT_EQ(LauncherTreeBox(10, 10, m).width, 0);
    EXPECT_EQ(LauncherTreeBox(10, 10, m).height, 0);
}

TEST(LauncherLayout, MinimumSizes)
{
    EXPECT_EQ(LauncherMinimumWidth(false, 6), 249) << "166 dialog units at 6 pixels a character";
    EXPECT_EQ(LauncherMinimumWidth(true, 6), 300);
    EXPECT_EQ(LauncherMinimumWidth(false, 8), 332);
    LauncherMetrics m;
    const int compact = LauncherMinimumClientHeight(false, m);
    EXPECT_EQ(compact, Places(300, 0, false)[200].Bottom() + kLayoutBottomMargin);
    EXPECT_EQ(LauncherTreeBox(300, LauncherMinimumClientHeight(true, m), m).height, kLayoutMinTreeHeight);
}

TEST(LauncherLayout, ThePlaceIsStoredPerLayoutOnly)
{
    OptionRecord o;
    StoreLauncherPlace(o, false, {10, 20, 300, 130});
    EXPECT_EQ(o.PosCX, 10);
    EXPECT_EQ(o.PosCY, 20);
    EXPECT_EQ(o.PosTCX, -999);
    EXPECT_EQ(o.TCX, -999);
    StoreLauncherPlace(o, true, {-5, 30, 320, 400});
    EXPECT_EQ(o.PosTCX, -5);
    EXPECT_EQ(o.PosTCY, 30);
    EXPECT_EQ(o.TCX, 320);
    EXPECT_EQ(o.TCY, 400);
    EXPECT_EQ(o.PosCX, 10) << "the compact layout's place stays";

    LayoutBox place;
    bool withSize = true;
    OptionRecord fresh;
    EXPECT_FALSE(RememberedLauncherPlace(fresh, false, place, withSize));
    EXPECT_FALSE(RememberedLauncherPlace(fresh, true, place, withSize));
    ASSERT_TRUE(RememberedLauncherPlace(o, false, place, withSize));
    EXPECT_FALSE(withSize);
    EXPECT_EQ(place.left, 10);
    ASSERT_TRUE(RememberedLauncherPlace(o, true, place, withSize));
    EXPECT_TRUE(withSize);
    EXPECT_EQ(place.width, 320);
    // A place without a size: moved, not sized.
    o.TCX = -999;
    ASSERT_TRUE(RememberedLauncherPlace(o, true, place, withSize));
    EXPECT_FALSE(withSize);
}

TEST(LauncherTree, RootsComeInTheirOrderWithTheirTextsAndExpandKeys)
{
    const int order[] = {2, 3, 4, 0, 1, 5};
    for (int i = 0; i < kTreeGroupCount; ++i)
        EXPECT_EQ(kTreeRootOrder[i], order[i]);
    EXPECT_EQ(TreeRootTextId(0), 125u);
    EXPECT_EQ(TreeRootTextId(1), 121u);
    EXPECT_EQ(TreeRootTextId(2), 126u);
    EXPECT_EQ(TreeRootTextId(3), 127u);
    EXPECT_EQ(TreeRootTextId(4), 1079u);
    EXPECT_EQ(TreeRootTextId(5), 1177u);
    EXPECT_EQ(TreeRootTextId(6), 0u);
    EXPECT_EQ(TreeRootTextId(-1), 0u);

    OptionRecord o;
    EXPECT_EQ(TreeExpandOption(o, 0), &o.TVExpandTyped);
    EXPECT_EQ(TreeExpandOption(o, 1), &o.TVExpandFavorite);
    EXPECT_EQ(TreeExpandOption(o, 2), &o.TVExpandSearched);
    EXPECT_EQ(TreeExpandOption(o, 3), &o.TVExpandEngine);
    EXPECT_EQ(TreeExpandOption(o, 4), &o.TVExpandTranslate);
    EXPECT_EQ(TreeExpandOption(o, 5), &o.TVExpandWebAlert);
    EXPECT_EQ(TreeExpandOption(o, 6), nullptr);
}

TEST(LauncherTree, ContextMenusByGroup)
{
    TreeMenuPlan typed = TreeMenuFor(0);
    EXPECT_TRUE(typed.addFavorite);
    EXPECT_FALSE(typed.deleteGreyed);
    TreeMenuPlan favorites = TreeMenuFor(1);
    EXPECT_TRUE(favorites.organizeFavorites);
    EXPECT_TRUE(favorites.deleteGreyed);
    TreeMenuPlan searched = TreeMenuFor(2);
    EXPECT_TRUE(searched.engineSubmenu);
    EXPECT_TRUE(searched.textToBox);
    EXPECT_FALSE(searched.deleteGreyed);
    EXPECT_TRUE(TreeMenuFor(3).deleteGreyed);
    TreeMenuPlan translated = TreeMenuFor(4);
    EXPECT_FALSE(translated.deleteGreyed);
    EXPECT_FALSE(translated.addFavorite || translated.organizeFavorites || translated.engineSubmenu ||
                 translated.readMark);
    TreeMenuPlan pages = TreeMenuFor(5);
    EXPECT_TRUE(pages.readMark);
    EXPECT_TRUE(pages.deleteGreyed);
    for (int group = 0; group < kTreeGroupCount; ++group)
        EXPECT_EQ(TreeGroupDeletes(group), !TreeMenuFor(group).deleteGreyed) << group;
}

} // namespace
