// The launcher's command ranges and the engine entries of its menus.
#include <gtest/gtest.h>

#include "launcher/LauncherCommands.h"

namespace {

TEST(LauncherCommands, RangesAndTheirEdges)
{
    struct Case { int id; LauncherCommandKind kind; int index; };
    const Case cases[] = {
        {2023, LauncherCommandKind::Other, 0},          // "&Close list"
        {2024, LauncherCommandKind::EngineSearch, 0},
        {2074, LauncherCommandKind::EngineSearch, 50},
        {2075, LauncherCommandKind::Other, 0},          // engine 51 is listed but does nothing
        {3023, LauncherCommandKind::Other, 0},
        {3024, LauncherCommandKind::EngineHome, 0},
        {3074, LauncherCommandKind::EngineHome, 50},
        {3075, LauncherCommandKind::Other, 0},
        {3583, LauncherCommandKind::Other, 0},
        {3584, LauncherCommandKind::Favorite, 0},
        {4023, LauncherCommandKind::Favorite, 439},
        {4024, LauncherCommandKind::TypedAddress, 0},   // typed addresses win the overlap
        {4095, LauncherCommandKind::TypedAddress, 71},
        {4424, LauncherCommandKind::TypedAddress, 400},
        {4425, LauncherCommandKind::Other, 0},
        {32776, LauncherCommandKind::Other, 0},
        {1, LauncherCommandKind::Other, 0},
    };
    for (const Case& c : cases) {
        LauncherCommand command = ClassifyLauncherCommand(c.id);
        EXPECT_EQ(command.kind, c.kind) << c.id;
        if (c.kind != LauncherCommandKind::Other) {
            EXPECT_EQ(command.index, c.index) << c.id;
        }
    }
}

LinkList Engines(int count)
{
    LinkList engines;
    for (int i = 0; i < count; ++i)
        engines.push_back(std::make_unique<LinkEntry>("E" + std::to_string(i), "http://e/?q=%s",
                                                      "http://e" + std::to_string(i) + "/", i % 3 != 1));
    return engines;
}

TEST(LauncherCommands, EngineItemsListEngineInUseWithTheirTableIndex)
{
    LinkList engines = Engines(5);   // 1 and 4 are not in use
    std::vector<EngineMenuItem> search = EngineSearchItems(engines);
    ASSERT_EQ(search.size(), 3u);
    EXPECT_EQ(search[0].commandId, 2024);
    EXPECT_EQ(search[1].commandId, 2026) << "a disabled engine keeps the ids of the next ones";
    EXPECT_EQ(search[2].commandId, 2027);
    EXPECT_EQ(search[1].text, "E2");

    std::vector<EngineMenuItem> home = EngineHomeItems(engines);
    ASSERT_EQ(home.size(), 3u);
    EXPECT_EQ(home[1].commandId, 3026);
    EXPECT_EQ(home[1].text, "E2\thttp://e2/");
}

TEST(LauncherCommands, EngineItemsShowAmpersandsAsTyped)
{
    LinkList engines;
    engines.push_back(std::make_unique<LinkEntry>("Barnes & Noble", "x%s", "http://b.example/?a=1&b=2", 1));
    EXPECT_EQ(EngineSearchItems(engines)[0].text, "Barnes && Noble");
    EXPECT_EQ(EngineHomeItems(engines)[0].text, "Barnes && Noble\thttp://b.example/?a=1&&b=2");
}

TEST(LauncherCommands, EnginesPastTheRangeAreListedButDoNothing)
{
    LinkList engines = Engines(60);
    std::vector<EngineMenuItem> search = EngineSearchItems(engines);
    ASSERT_FALSE(search.empty());
    EXPECT_EQ(search.back().commandId, 2024 + 59);
    EXPECT_EQ(ClassifyLauncherCommand(search.back().commandId).kind, LauncherCommandKind::Other);
}

} // namespace
