// Menu 109: the code takes the tray menu's submenus by position and appends run-time items
// behind fixed headers, so the structure is part of the contract in both languages.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

long Id(const char* name) { return Ids().values.at(name); }

const MenuItem* TrayMenu(const Script& script) {
  auto it = script.menus.find(Id("IDR_TRAY_MENU"));
  return it == script.menus.end() ? nullptr : &it->second;
}

// A description of the structure without the texts: "P(" ... ")" for popups, "-" for
// separators, the id otherwise, and "g" for grayed items.
std::string Shape(const MenuItem& item) {
  if (item.separator) return "-";
  std::string s;
  if (item.popup) {
    s = "P(";
    for (const MenuItem& child : item.children) s += Shape(child) + " ";
    s += ")";
  } else {
    s = std::to_string(item.id);
  }
  for (const std::string& f : item.flags) s += f == "GRAYED" ? "g" : "[" + f + "]";
  return s;
}

void CollectIds(const MenuItem& item, std::vector<long>& ids) {
  if (!item.popup && !item.separator) ids.push_back(item.id);
  for (const MenuItem& child : item.children) CollectIds(child, ids);
}

void CollectTexts(const MenuItem& item, std::vector<std::string>& texts) {
  if (!item.separator && !item.text.empty()) texts.push_back(item.text);
  for (const MenuItem& child : item.children) CollectTexts(child, texts);
}

TEST(TrayMenu, ExistsInBothLanguagesWithTheSameStructure) {
  const MenuItem* en = TrayMenu(English());
  const MenuItem* fr = TrayMenu(French());
  ASSERT_NE(en, nullptr);
  ASSERT_NE(fr, nullptr);
  EXPECT_EQ(Shape(*fr), Shape(*en));
}

TEST(TrayMenu, FirstPopupHasItsItemsAtTheirPositions) {
  for (const Script* script : {&English(), &French()}) {
    const MenuItem* menu = TrayMenu(*script);
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(menu->children.size(), 2u);
    const std::vector<MenuItem>& tray = menu->children[0].children;
    ASSERT_EQ(tray.size(), 16u);
    const long expected[16] = {Id("IDM_OPEN"), Id("IDM_TRANSLATE"), Id("IDM_STARTMINIBROWSER"),
                               -1, Id("IDM_OPEN_WEBALERT"), Id("IDM_CHECK_LINKS"),
                               Id("IDM_DISABLE_WEBALERT"), -1, Id("IDM_SETUP"), -2, -2, -2, -1,
                               -2, -1, Id("IDM_EXIT")};
    for (std::size_t i = 0; i < 16; ++i) {
      if (expected[i] == -1) {
        EXPECT_TRUE(tray[i].separator) << "position " << i;
      } else if (expected[i] == -2) {
        EXPECT_TRUE(tray[i].popup) << "position " << i;
      } else {
        EXPECT_FALSE(tray[i].popup || tray[i].separator) << "position " << i;
        EXPECT_EQ(tray[i].id, expected[i]) << "position " << i;
      }
    }
    EXPECT_EQ(Id("TRAY_POS_TYPED_URLS"), 9);
    EXPECT_EQ(Id("TRAY_POS_ENGINES"), 10);
    EXPECT_EQ(Id("TRAY_POS_FAVORITES"), 11);
    EXPECT_EQ(Id("TRAY_POS_HELP"), 13);
    std::vector<long> help;
    for (const MenuItem& item : tray[13].children) help.push_back(item.separator ? -1 : item.id);
    EXPECT_EQ(help, (std::vector<long>{Id("IDM_HELP_CONTENT"), Id("IDM_HOME_PAGE"),
                                       Id("IDM_NEWS_PAGE"), Id("IDM_FORUMS"),
                                       Id("IDM_REPORT_BUG"), -1, Id("IDM_CHECK_UPDATES"), -1,
                                       Id("IDM_ABOUT")}));
  }
}

TEST(TrayMenu, RunTimeSubmenusStartWithAGrayedHeaderAndASeparator) {
  // Favorites are numbered from the count of items already there: the first gets 3586.
  for (const Script* script : {&English(), &French()}) {
    const MenuItem* menu = TrayMenu(*script);
    ASSERT_NE(menu, nullptr);
    const std::vector<MenuItem>& tray = menu->children[0].children;
    ASSERT_EQ(tray.size(), 16u);
    for (std::size_t pos : {9u, 10u, 11u}) {
      const std::vector<MenuItem>& sub = tray[pos].children;
      ASSERT_EQ(sub.size(), 2u) << "position " << pos;
      EXPECT_FALSE(sub[0].separator || sub[0].popup) << "position " << pos;
      EXPECT_EQ(sub[0].flags, std::vector<std::string>{"GRAYED"}) << "position " << pos;
      EXPECT_NE(sub[0].id, 0) << "header at " << pos << " needs an id of its own";
      EXPECT_TRUE(sub[1].separator) << "position " << pos;
    }
  }
}

TEST(TrayMenu, GoWithPopupStartsWithCloseList) {
  for (const Script* script : {&English(), &French()}) {
    const MenuItem* menu = TrayMenu(*script);
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(menu->children.size(), 2u);
    const std::vector<MenuItem>& goWith = menu->children[1].children;
    ASSERT_EQ(goWith.size(), 2u);
    EXPECT_EQ(goWith[0].id, Id("IDM_CLOSE_LIST"));
    EXPECT_TRUE(goWith[1].separator);
  }
  EXPECT_EQ(TrayMenu(English())->children[1].children[0].text, "&Close list");
}

TEST(TrayMenu, EveryCommandIdIsInTheMenuOnceAndClearOfRunTimeRanges) {
  std::vector<long> ids;
  CollectIds(*TrayMenu(English()), ids);
  std::set<long> unique(ids.begin(), ids.end());
  EXPECT_EQ(unique.size(), ids.size()) << "a command id is used twice";
  // Menu commands live in the tray menu or in the context menus of the launcher tree and of
  // the monitor window; three of the monitor's toolbar buttons have no menu item.
  std::set<long> everyMenu = unique;
  for (const char* other : {"IDR_TREE_MENU", "IDR_MONITOR_MENU"}) {
    auto menu = English().menus.find(Id(other));
    if (menu != English().menus.end()) {
      std::vector<long> menuIds;
      CollectIds(menu->second, menuIds);
      everyMenu.insert(menuIds.begin(), menuIds.end());
    }
  }
  for (const char* toolbarOnly : {"IDM_GO_DLG", "IDM_GO_MINIBROWSER", "IDM_WA_VIEWMODE"})
    everyMenu.insert(Id(toolbarOnly));
  for (const std::string& name : Ids().order) {
    if (name.rfind("IDM_", 0) == 0) {
      EXPECT_TRUE(everyMenu.count(Ids().values.at(name))) << name << " is in no menu item";
    }
  }
  // Engines (2024+, 3024+), favorites (3584+), typed addresses (4024+) and monitored pages
  // (4096+) get ids at run time; a fixed command there would be taken for one of them.
  for (long id : ids) {
    EXPECT_FALSE(id >= 2024 && id <= 2074) << id;
    EXPECT_FALSE(id >= 3024 && id <= 8191) << id;
    EXPECT_GT(id, 0);
  }
}

TEST(TrayMenu, EnglishTextsAreTheSystemsOwn) {
  const std::vector<MenuItem>& tray = TrayMenu(English())->children[0].children;
  ASSERT_EQ(tray.size(), 16u);
  EXPECT_EQ(tray[0].text, "&Open...");
  EXPECT_EQ(tray[1].text, "T&ranslate");
  EXPECT_EQ(tray[2].text, "Open &MiniBrowser...");
  EXPECT_EQ(tray[6].text, "Disable WebAlert");
  EXPECT_EQ(tray[9].text, "Go To Typed &Url");
  EXPECT_EQ(tray[10].text, "Go &To");
  EXPECT_EQ(tray[11].text, "Favorites");
  EXPECT_EQ(tray[15].text, "E&xit");
  EXPECT_EQ(tray[13].children.back().text, "About Quorvane...");
}

TEST(TrayMenu, FrenchTextsAreTranslatedWithTheirMnemonics) {
  std::vector<std::string> en, fr;
  CollectTexts(*TrayMenu(English()), en);
  CollectTexts(*TrayMenu(French()), fr);
  ASSERT_EQ(fr.size(), en.size());
  const std::set<std::string> names = {"&Quorvane"};
  for (std::size_t i = 0; i < en.size(); ++i) {
    if (names.count(en[i])) continue;
    EXPECT_NE(fr[i], en[i]) << "menu text not translated";
    EXPECT_EQ(Mnemonic(fr[i]).empty(), Mnemonic(en[i]).empty()) << en[i] << " / " << fr[i];
    EXPECT_EQ(CountOf(fr[i], '\t'), CountOf(en[i], '\t')) << en[i];
    std::string ansi;
    EXPECT_TRUE(ToCp1252(fr[i], ansi)) << fr[i];
  }
}

// Two items of one popup with the same mnemonic make the key choose the first only.
void ExpectUniqueMnemonics(const MenuItem& popup, const std::string& where) {
  std::map<std::string, std::string> seen;
  for (const MenuItem& item : popup.children) {
    std::string m = Mnemonic(item.text);
    if (!m.empty()) {
      auto [it, inserted] = seen.emplace(m, item.text);
      EXPECT_TRUE(inserted) << where << ": \"" << item.text << "\" and \"" << it->second
                            << "\" share the key " << m;
    }
    if (item.popup) ExpectUniqueMnemonics(item, where + " > " + item.text);
  }
}

TEST(TrayMenu, MnemonicsAreUniqueWithinEachPopup) {
  ExpectUniqueMnemonics(*TrayMenu(English()), "English");
  ExpectUniqueMnemonics(*TrayMenu(French()), "French");
}

}  // namespace
}  // namespace rc
