// Dialog 103, the About box, in both languages: the code addresses its controls by id and
// takes the link buttons' captions as the addresses to open.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

long Id(const char* name) { return Ids().values.at(name); }

const Dialog* About(const Script& script) {
  auto it = script.dialogs.find(Id("IDD_ABOUT"));
  return it == script.dialogs.end() ? nullptr : &it->second;
}

const Control* Find(const Dialog& d, long id) {
  for (const Control& c : d.controls)
    if (c.id == id) return &c;
  return nullptr;
}

std::multiset<long> ControlIds(const Dialog& d) {
  std::multiset<long> ids;
  for (const Control& c : d.controls) ids.insert(c.id);
  return ids;
}

TEST(AboutDialog, BothLanguagesHoldTheSameControls) {
  const Dialog* en = About(English());
  const Dialog* fr = About(French());
  ASSERT_NE(en, nullptr);
  ASSERT_NE(fr, nullptr);
  EXPECT_EQ(ControlIds(*fr), ControlIds(*en));
  ASSERT_EQ(fr->controls.size(), en->controls.size());
  for (std::size_t i = 0; i < en->controls.size(); ++i) {
    EXPECT_EQ(fr->controls[i].kind, en->controls[i].kind) << "control " << i;
    EXPECT_EQ(fr->controls[i].className, en->controls[i].className) << "control " << i;
  }
  EXPECT_EQ(fr->w, en->w);
  EXPECT_EQ(fr->h, en->h);
  EXPECT_EQ(fr->styles, en->styles);
}

TEST(AboutDialog, HasEveryControlTheCodeUses) {
  for (const Script* script : {&English(), &French()}) {
    const Dialog* d = About(*script);
    ASSERT_NE(d, nullptr);
    for (const char* name : {"IDC_ABOUT_SITE", "IDC_ABOUT_FORUMS", "IDC_ABOUT_HISTORY",
                             "IDC_ABOUT_CONTACT", "IDC_ABOUT_VERSION", "IDC_ABOUT_CHECK_UPDATES",
                             "IDC_ABOUT_NEWS"}) {
      EXPECT_NE(Find(*d, Id(name)), nullptr) << name;
    }
    EXPECT_NE(Find(*d, 1), nullptr) << "OK button";
    const Control* history = Find(*d, Id("IDC_ABOUT_HISTORY"));
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->className, "WC_LISTVIEW");
    const Control* icon = nullptr;
    for (const Control& c : d->controls)
      if (c.kind == "ICON") icon = &c;
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->text, "IDI_LARGE");
    // Exactly one id per control the code addresses.
    std::multiset<long> ids = ControlIds(*d);
    for (long id : ids) {
      if (id != -1) {
        EXPECT_EQ(ids.count(id), 1u) << "control id " << id;
      }
    }
  }
}

TEST(AboutDialog, VersionLineIsAFormatForOneText) {
  for (const Script* script : {&English(), &French()}) {
    const Control* version = Find(*About(*script), Id("IDC_ABOUT_VERSION"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(PrintfConversions(version->text), std::vector<std::string>{"%s"}) << version->text;
  }
}

TEST(AboutDialog, LinkCaptionsAreTheAddressesInBothLanguages) {
  const Dialog& en = *About(English());
  const Dialog& fr = *About(French());
  for (const char* name : {"IDC_ABOUT_SITE", "IDC_ABOUT_FORUMS", "IDC_ABOUT_CONTACT"}) {
    ASSERT_NE(Find(en, Id(name)), nullptr);
    ASSERT_NE(Find(fr, Id(name)), nullptr);
    EXPECT_EQ(Find(fr, Id(name))->text, Find(en, Id(name))->text) << name;
    EXPECT_EQ(Find(en, Id(name))->text.find('&'), std::string::npos) << name;
  }
  EXPECT_EQ(Find(en, Id("IDC_ABOUT_SITE"))->text, "http://www.quorvane.com/");
  EXPECT_EQ(Find(en, Id("IDC_ABOUT_FORUMS"))->text, "http://www.quorvane.com/phpBB2/index.php");
  std::string contact = Find(en, Id("IDC_ABOUT_CONTACT"))->text;
  EXPECT_NE(contact.find('@'), std::string::npos);
  EXPECT_EQ(contact.find(' '), std::string::npos);
}

TEST(AboutDialog, TextsAreTranslatedExceptAddresses) {
  const Dialog& en = *About(English());
  const Dialog& fr = *About(French());
  EXPECT_EQ(en.caption, "About Quorvane");
  EXPECT_NE(fr.caption, en.caption);
  EXPECT_EQ(en.fontFace, "MS Shell Dlg");
  EXPECT_EQ(en.fontSize, 8);
  EXPECT_EQ(fr.fontFace, en.fontFace);
  const std::set<long> addresses = {Id("IDC_ABOUT_SITE"), Id("IDC_ABOUT_FORUMS"),
                                    Id("IDC_ABOUT_CONTACT")};
  ASSERT_EQ(fr.controls.size(), en.controls.size());
  for (std::size_t i = 0; i < en.controls.size(); ++i) {
    const Control& e = en.controls[i];
    const Control& f = fr.controls[i];
    if (e.kind == "ICON" || e.text.empty() || addresses.count(e.id) || e.text == "OK") continue;
    EXPECT_NE(f.text, e.text) << "not translated: " << e.text;
    EXPECT_EQ(Mnemonic(f.text).empty(), Mnemonic(e.text).empty()) << e.text;
    std::string ansi;
    EXPECT_TRUE(ToCp1252(f.text, ansi)) << f.text;
  }
  std::string ansi;
  EXPECT_TRUE(ToCp1252(fr.caption, ansi));
}

TEST(AboutDialog, ControlsLieInsideTheDialogWithoutOverlapping) {
  for (const Script* script : {&English(), &French()}) {
    const Dialog& d = *About(*script);
    for (const Control& c : d.controls) {
      if (c.kind == "ICON") continue;  // sized by the icon itself
      EXPECT_GT(c.w, 0) << c.text;
      EXPECT_GT(c.h, 0) << c.text;
      EXPECT_GE(c.x, 0) << c.text;
      EXPECT_GE(c.y, 0) << c.text;
      EXPECT_LE(c.x + c.w, d.w) << c.text;
      EXPECT_LE(c.y + c.h, d.h) << c.text;
    }
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
      for (std::size_t j = i + 1; j < d.controls.size(); ++j) {
        const Control& a = d.controls[i];
        const Control& b = d.controls[j];
        long aw = a.kind == "ICON" ? 21 : a.w, ah = a.kind == "ICON" ? 20 : a.h;
        long bw = b.kind == "ICON" ? 21 : b.w, bh = b.kind == "ICON" ? 20 : b.h;
        bool overlap = a.x < b.x + bw && b.x < a.x + aw && a.y < b.y + bh && b.y < a.y + ah;
        EXPECT_FALSE(overlap) << "\"" << a.text << "\" overlaps \"" << b.text << "\"";
      }
    }
  }
}

TEST(AboutDialog, ButtonCaptionsFitTheirButtons) {
  // A rough width check: about 3.5 dialog units per character of MS Shell Dlg 8 text.
  for (const Script* script : {&English(), &French()}) {
    for (const Control& c : About(*script)->controls) {
      if (c.kind != "PUSHBUTTON" && c.kind != "DEFPUSHBUTTON") continue;
      std::string ansi;
      ASSERT_TRUE(ToCp1252(c.text, ansi));
      std::size_t chars = ansi.size() - CountOf(ansi, '&');
      EXPECT_LE(static_cast<double>(chars) * 3.5, c.w - 4.0) << c.text;
    }
  }
}

}  // namespace
}  // namespace rc
