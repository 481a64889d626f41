// The launcher's dialogs 129 and 138, the close notice 159 and the tree's menu 140 in both
// languages: the code addresses every control by id and lays them out itself.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

long Id(const char* name) { return Ids().values.at(name); }

const Dialog* DialogOf(const Script& script, const char* name) {
  auto it = script.dialogs.find(Id(name));
  return it == script.dialogs.end() ? nullptr : &it->second;
}

const Control* Find(const Dialog& d, long id) {
  for (const Control& c : d.controls)
    if (c.id == id) return &c;
  return nullptr;
}

bool HasStyle(const Dialog& d, const char* style) {
  for (const std::string& s : d.styles)
    if (s == style) return true;
  return false;
}

// The controls of both layouts with their English captions ("" for the picture buttons).
const std::map<const char*, const char*>& LauncherControls() {
  static const std::map<const char*, const char*> controls = {
      {"IDOK", "&Go"},
      {"IDC_LAUNCHER_GO_WITH", "Go &With"},
      {"IDC_LAUNCHER_ALL", "&All"},
      {"IDC_LAUNCHER_GO_TO", "Go &To"},
      {"IDC_LAUNCHER_SETUP", "&Setup..."},
      {"IDC_LAUNCHER_GO_TO_URL", "Go To &URL"},
      {"IDC_LAUNCHER_TRANSLATE", "T&ranslate"},
      {"IDC_LAUNCHER_WEBALERT", "&WebAlert..."},
      {"IDC_LAUNCHER_BROWSER", ""},
      {"IDC_LAUNCHER_CLOSE_OWN", ""},
      {"IDC_LAUNCHER_CLOSE_ALL", ""},
  };
  return controls;
}

long ControlId(const char* name) { return std::string(name) == "IDOK" ? 1 : Id(name); }

TEST(LauncherDialogs, BothLayoutsHoldEveryControlInBothLanguages) {
  for (const Script* script : {&English(), &French()}) {
    for (const char* layout : {"IDD_LAUNCHER_SMALL", "IDD_LAUNCHER_TREE"}) {
      const Dialog* d = DialogOf(*script, layout);
      ASSERT_NE(d, nullptr) << layout;
      const Control* text = Find(*d, Id("IDC_LAUNCHER_TEXT"));
      ASSERT_NE(text, nullptr) << layout;
      EXPECT_EQ(text->kind, "COMBOBOX");
      for (const auto& [name, english] : LauncherControls()) {
        const Control* c = Find(*d, ControlId(name));
        ASSERT_NE(c, nullptr) << layout << " " << name;
        EXPECT_EQ(c->kind, "CONTROL") << name;
        EXPECT_EQ(c->className, "Button") << name;
        if (script == &English()) {
          EXPECT_EQ(c->text, english) << name;
        }
      }
      const Control* tree = Find(*d, Id("IDC_LAUNCHER_TREE"));
      if (std::string(layout) == "IDD_LAUNCHER_TREE") {
        ASSERT_NE(tree, nullptr);
        EXPECT_EQ(tree->className, "WC_TREEVIEW");
      } else {
        EXPECT_EQ(tree, nullptr) << "the compact bar has no tree";
      }
      EXPECT_EQ(d->controls.size(), LauncherControls().size() + (tree ? 2u : 1u)) << layout;
      // A resizable pop-up whose caption the program draws itself.
      EXPECT_TRUE(HasStyle(*d, "WS_POPUP")) << layout;
      EXPECT_TRUE(HasStyle(*d, "WS_THICKFRAME")) << layout;
      EXPECT_FALSE(HasStyle(*d, "WS_CAPTION")) << layout;
      // A CAPTION statement would give the window a system caption as well.
      EXPECT_TRUE(d->caption.empty()) << layout;
      // The text box comes first, so that the keyboard starts there.
      EXPECT_EQ(d->controls.front().id, Id("IDC_LAUNCHER_TEXT")) << layout;
    }
  }
}

TEST(LauncherDialogs, FrenchCaptionsAreTranslatedWithOneKeyEach) {
  for (const char* layout : {"IDD_LAUNCHER_SMALL", "IDD_LAUNCHER_TREE"}) {
    const Dialog& en = *DialogOf(English(), layout);
    const Dialog& fr = *DialogOf(French(), layout);
    EXPECT_EQ(fr.w, en.w);
    EXPECT_EQ(fr.h, en.h);
    EXPECT_EQ(fr.styles, en.styles);
    std::map<std::string, std::string> keys;
    for (const auto& [name, english] : LauncherControls()) {
      const Control* c = Find(fr, ControlId(name));
      ASSERT_NE(c, nullptr);
      std::string ansi;
      EXPECT_TRUE(ToCp1252(c->text, ansi)) << c->text;
      if (std::string(english).empty() || std::string(english) == "&WebAlert...") continue;
      EXPECT_NE(c->text, english) << "not translated";
      std::string m = Mnemonic(c->text);
      ASSERT_FALSE(m.empty()) << c->text;
      auto [it, inserted] = keys.emplace(m, c->text);
      EXPECT_TRUE(inserted) << "\"" << c->text << "\" and \"" << it->second << "\" share the key " << m;
    }
    EXPECT_EQ(keys.count("w"), 0u) << "WebAlert keeps W";
  }
}

TEST(LauncherDialogs, ControlsOfTheFirstOpeningLieInsideWithoutOverlapping) {
  for (const Script* script : {&English(), &French()}) {
    for (const char* layout : {"IDD_LAUNCHER_SMALL", "IDD_LAUNCHER_TREE"}) {
      const Dialog& d = *DialogOf(*script, layout);
      for (const Control& a : d.controls) {
        // The combo box's height includes its list.
        long ah = a.kind == "COMBOBOX" ? 13 : a.h;
        EXPECT_LE(a.x + a.w, d.w) << layout << " " << a.id;
        EXPECT_LE(a.y + ah, d.h) << layout << " " << a.id;
        for (const Control& b : d.controls) {
          if (&a == &b) continue;
          long bh = b.kind == "COMBOBOX" ? 13 : b.h;
          bool overlap = a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + bh && b.y < a.y + ah;
          EXPECT_FALSE(overlap) << layout << ": " << a.id << " and " << b.id;
        }
      }
    }
  }
}

TEST(CloseNotice, HoldsItsTextsTheCheckBoxAndOk) {
  const Dialog* en = DialogOf(English(), "IDD_CLOSE_NOTICE");
  const Dialog* fr = DialogOf(French(), "IDD_CLOSE_NOTICE");
  ASSERT_NE(en, nullptr);
  ASSERT_NE(fr, nullptr);
  std::vector<std::string> texts;
  for (const Control& c : en->controls)
    if (c.kind == "LTEXT") texts.push_back(c.text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Quorvane will be minimized to your system tray and will still be running in the background.");
  EXPECT_EQ(texts[1], "To restore Quorvane window, right-click on the icon and select 'Open...'.");
  EXPECT_EQ(texts[2], "To exit Quorvane, right-click on the icon and select 'Exit'.");
  for (const Dialog* d : {en, fr}) {
    const Control* box = Find(*d, Id("IDC_DONT_SHOW_AGAIN"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->kind, "AUTOCHECKBOX");
    ASSERT_NE(Find(*d, 1), nullptr);
  }
  EXPECT_EQ(Find(*en, Id("IDC_DONT_SHOW_AGAIN"))->text, "Do not show this message again.");
  EXPECT_NE(Find(*fr, Id("IDC_DONT_SHOW_AGAIN"))->text, Find(*en, Id("IDC_DONT_SHOW_AGAIN"))->text);
  ASSERT_EQ(fr->controls.size(), en->controls.size());
  for (std::size_t i = 0; i < en->controls.size(); ++i) {
    EXPECT_EQ(fr->controls[i].id, en->controls[i].id);
    if (en->controls[i].kind == "LTEXT") {
      EXPECT_NE(fr->controls[i].text, en->controls[i].text);
    }
  }
}

TEST(TreeMenu, OpenSeparatorDeleteInBothLanguages) {
  for (const Script* script : {&English(), &French()}) {
    auto it = script->menus.find(Id("IDR_TREE_MENU"));
    ASSERT_NE(it, script->menus.end());
    ASSERT_FALSE(it->second.children.empty());
    const MenuItem& popup = it->second.children[0];
    ASSERT_EQ(popup.children.size(), 3u);
    EXPECT_EQ(popup.children[0].id, Id("IDM_TREE_OPEN"));
    EXPECT_TRUE(popup.children[1].separator);
    EXPECT_EQ(popup.children[2].id, Id("IDM_TREE_DELETE"));
    EXPECT_NE(Mnemonic(popup.children[0].text), Mnemonic(popup.children[2].text));
    if (script == &English()) {
      EXPECT_EQ(popup.children[0].text, "&Open...");
      EXPECT_EQ(popup.children[2].text, "&Delete...");
    }
  }
}

}  // namespace
}  // namespace rc
