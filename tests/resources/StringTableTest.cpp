// The English and French string tables must carry the same entries, each translated, with
// the same placeholders, line breaks and separators, in texts the program can show.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

// Names, addresses, versions and words that French spells the same way.
const char* const kSameInBothLanguages[] = {
    "IDS_CLASS_NAME", "IDS_DISPLAY_NAME", "IDS_TITLE_PREFIX", "IDS_VERSION",
    "IDS_SERVICE_GOOGLE", "IDS_SERVICE_BABELFISH", "IDS_SERVICE_FREETRANSLATION",
    "IDS_SERVICE_VOILA", "IDS_PAGE_MINIBROWSER", "IDS_PAGE_WEBALERT", "IDS_WEBALERT_TITLE",
    "IDS_MINIBROWSER_TITLE", "IDS_MINIBROWSER_LABEL", "IDS_FREQ_MINUTES", "IDS_COL_DATE"};

std::map<long, std::string> Table(const Script& script) {
  std::map<long, std::string> table;
  for (const StringEntry& e : script.strings) table[e.id] = e.text;
  return table;
}

std::set<long> WhitelistedIds() {
  std::set<long> ids;
  for (const char* name : kSameInBothLanguages) {
    EXPECT_TRUE(Ids().Has(name)) << name << " is not defined";
    if (Ids().Has(name)) ids.insert(Ids().values.at(name));
  }
  return ids;
}

TEST(StringTables, ReadWithoutErrorsInTheirLanguage) {
  EXPECT_TRUE(English().errors.empty()) << English().errors.front();
  EXPECT_TRUE(French().errors.empty()) << French().errors.front();
  EXPECT_EQ(English().languagePrimary, "LANG_ENGLISH");
  EXPECT_EQ(English().languageSub, "SUBLANG_ENGLISH_US");
  EXPECT_EQ(French().languagePrimary, "LANG_FRENCH");
  EXPECT_EQ(French().languageSub, "SUBLANG_FRENCH");
  EXPECT_GT(English().strings.size(), 150u);
}

TEST(StringTables, NoIdTwiceInOneTable) {
  for (const Script* script : {&English(), &French()}) {
    std::map<long, int> seen;
    for (const StringEntry& e : script->strings) {
      auto [it, inserted] = seen.emplace(e.id, e.line);
      EXPECT_TRUE(inserted) << "string " << e.id << " on lines " << it->second << " and "
                            << e.line;
    }
  }
}

TEST(StringTables, BothLanguagesHoldTheSameIds) {
  std::map<long, std::string> en = Table(English()), fr = Table(French());
  for (const auto& [id, text] : en) EXPECT_TRUE(fr.count(id)) << "French lacks " << id << " \"" << text << "\"";
  for (const auto& [id, text] : fr) EXPECT_TRUE(en.count(id)) << "English lacks " << id << " \"" << text << "\"";
}

TEST(StringTables, EveryStringIdOfTheHeaderIsInBothTables) {
  std::map<long, std::string> en = Table(English()), fr = Table(French());
  for (const std::string& name : Ids().order) {
    if (name.rfind("IDS_", 0) != 0) continue;
    long id = Ids().values.at(name);
    EXPECT_TRUE(en.count(id)) << name << " (" << id << ") missing in English";
    EXPECT_TRUE(fr.count(id)) << name << " (" << id << ") missing in French";
  }
}

TEST(StringTables, FrenchIsTranslatedExceptNames) {
  std::map<long, std::string> fr = Table(French());
  std::set<long> same = WhitelistedIds();
  for (const auto& [id, text] : Table(English())) {
    if (!fr.count(id)) continue;
    if (same.count(id)) {
      EXPECT_EQ(fr[id], text) << "name " << id << " should stay as it is";
    } else {
      EXPECT_NE(fr[id], text) << "string " << id << " is not translated: \"" << text << "\"";
    }
  }
}

TEST(StringTables, FormatsLineBreaksAndSeparatorsAgree) {
  std::map<long, std::string> fr = Table(French());
  for (const auto& [id, en] : Table(English())) {
    if (!fr.count(id)) continue;
    const std::string& f = fr[id];
    if (en.empty() || f.empty()) {
      ADD_FAILURE() << "string " << id << " is empty";
      continue;
    }
    EXPECT_EQ(PrintfConversions(f), PrintfConversions(en)) << "conversions of " << id;
    EXPECT_EQ(CountOf(f, '\n'), CountOf(en, '\n')) << "line breaks of " << id;
    EXPECT_EQ(CountOf(f, '\t'), CountOf(en, '\t')) << "tabs of " << id;
    // Filters are split at '|'; "Quorvane | " is joined to a tagline.
    EXPECT_EQ(CountOf(f, '|'), CountOf(en, '|')) << "separators of " << id;
    EXPECT_EQ(Mnemonic(f).empty(), Mnemonic(en).empty()) << "mnemonic of " << id;
    // Texts are joined to others without a separator of their own.
    EXPECT_EQ(f.front() == ' ', en.front() == ' ') << "leading blank of " << id;
    EXPECT_EQ(f.back() == ' ', en.back() == ' ') << "trailing blank of " << id;
  }
}

TEST(StringTables, FilterStringsEndWithTheirSeparator) {
  for (const char* name : {"IDS_WAV_FILTER", "IDS_ALL_FILES_FILTER"}) {
    long id = Ids().values.at(name);
    for (const Script* script : {&English(), &French()}) {
      std::string text = Table(*script)[id];
      ASSERT_FALSE(text.empty()) << name;
      EXPECT_EQ(text.back(), '|') << name;
      EXPECT_EQ(CountOf(text, '|') % 2, 0u) << name << ": description and pattern in pairs";
    }
  }
}

TEST(StringTables, TextsFitTheAnsiCodePageAndTheLoadBuffer) {
  for (const Script* script : {&English(), &French()}) {
    for (const StringEntry& e : script->strings) {
      std::string ansi;
      EXPECT_TRUE(ToCp1252(e.text, ansi)) << "string " << e.id << " has a character outside "
                                          << "the Windows-1252 code page: " << e.text;
      EXPECT_FALSE(ansi.empty()) << "string " << e.id << " is empty";
      // Message boxes and balloons load at most 255 characters.
      EXPECT_LE(ansi.size(), 255u) << "string " << e.id;
    }
  }
}

TEST(StringTables, TrayTipWithAHotkeyFitsTheTrayLimit) {
  // The tray cuts its tip at 63 characters; the usual hotkey must survive in full.
  long tip = Ids().values.at("IDS_TRAY_TIP"), hotkey = Ids().values.at("IDS_TRAY_TIP_HOTKEY");
  for (const Script* script : {&English(), &French()}) {
    std::map<long, std::string> t = Table(*script);
    std::string format = t[hotkey];
    std::size_t first = format.find("%s");
    ASSERT_NE(first, std::string::npos);
    std::size_t second = format.find("%s", first + 2);
    ASSERT_NE(second, std::string::npos);
    std::string text = format.substr(0, first) + t[tip] +
                       format.substr(first + 2, second - first - 2) + "Ctrl+Shift+B" +
                       format.substr(second + 2);
    std::string ansi;
    ASSERT_TRUE(ToCp1252(text, ansi));
    EXPECT_LE(ansi.size(), 63u) << text;
  }
}

TEST(StringTables, MailTextsStayPlainAscii) {
  // The change mail is sent as US-ASCII text.
  for (const char* name : {"IDS_MAIL_DETAILED", "IDS_MAIL_BRIEF", "IDS_WEBALERT_TITLE"}) {
    long id = Ids().values.at(name);
    for (const Script* script : {&English(), &French()}) {
      std::string text = Table(*script)[id];
      ASSERT_FALSE(text.empty()) << name;
      for (char c : text) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << name;
    }
  }
}

TEST(StringTables, IndexedGroupsAreComplete) {
  // Language pairs are named by IDS_PAIR_FIRST + index, for the twelve pairs.
  std::map<long, std::string> en = Table(English());
  long first = Ids().values.at("IDS_PAIR_FIRST");
  for (long i = 0; i < 12; ++i) EXPECT_TRUE(en.count(first + i)) << "pair " << i;
  EXPECT_EQ(en[first], "English to German");
  EXPECT_EQ(en[first + 11], "Portuguese to English");
  // Fonts 1107 to 1111 and screen edges 128 to 131 are listed by position.
  for (long id = 1107; id <= 1111; ++id) EXPECT_TRUE(en.count(id)) << id;
  for (long id = 128; id <= 131; ++id) EXPECT_TRUE(en.count(id)) << id;
  for (long id = 142; id <= 145; ++id) EXPECT_TRUE(en.count(id)) << id;
}

}  // namespace
}  // namespace rc
