// The reader and the text checks the resource tests rely on: if they misread a script, the
// comparisons above would pass on nothing.
#include <gtest/gtest.h>

#include "tests/resources/RcScript.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

Defines SampleIds() {
  return ReadDefines("#define IDS_A 10\n#define IDS_B 0x0B  // hex\n#define IDM_GO 32772\n"
                     "#define IDD_BOX 103\n#define IDC_LIST 1004\n#define NOT_A_NUMBER foo\n");
}

TEST(RcScript, ReadsDefinesInOrder) {
  Defines d = SampleIds();
  EXPECT_EQ(d.values.at("IDS_B"), 11);
  EXPECT_FALSE(d.Has("NOT_A_NUMBER"));
  EXPECT_EQ(d.order, (std::vector<std::string>{"IDS_A", "IDS_B", "IDM_GO", "IDD_BOX", "IDC_LIST"}));
}

TEST(RcScript, DecodesStringEscapesAndSkipsCommentsAndDirectives) {
  Script s = Parse("#pragma code_page(65001)\n// a comment \"not a string\"\n"
                   "STRINGTABLE\nBEGIN\n  IDS_A \"say \"\"hi\"\"\\nnow\"\n"
                   "  IDS_B, \"caf\xC3\xA9 //x\" /* block */\nEND\n",
                   SampleIds());
  ASSERT_TRUE(s.errors.empty()) << s.errors.front();
  ASSERT_EQ(s.strings.size(), 2u);
  EXPECT_EQ(s.strings[0].id, 10);
  EXPECT_EQ(s.strings[0].text, "say \"hi\"\nnow");
  EXPECT_EQ(s.strings[1].id, 11);
  EXPECT_EQ(s.strings[1].text, "caf\xC3\xA9 //x");
}

TEST(RcScript, ReadsATextSetByADefine) {
  Script s = Parse("STRINGTABLE\nBEGIN\n#ifndef TEXT_A\n#define TEXT_A \"1.01 03-05-2004\"  // default\n#endif\n"
                   "  IDS_A TEXT_A\nEND\n",
                   SampleIds());
  ASSERT_TRUE(s.errors.empty()) << s.errors.front();
  ASSERT_EQ(s.strings.size(), 1u);
  EXPECT_EQ(s.strings[0].text, "1.01 03-05-2004");
}

TEST(RcScript, ReportsUnknownIdsAndUnterminatedBlocks) {
  EXPECT_FALSE(Parse("STRINGTABLE\nBEGIN\n IDS_MISSING \"x\"\nEND\n", SampleIds()).errors.empty());
  EXPECT_FALSE(Parse("STRINGTABLE\nBEGIN\n IDS_A \"x\"\n", SampleIds()).errors.empty());
  EXPECT_FALSE(Parse("STRINGTABLE\nBEGIN\n IDS_A \"x\nEND\n", SampleIds()).errors.empty());
  EXPECT_FALSE(Parse("1 WHATEVER \"file\"\n", SampleIds()).errors.empty());
}

TEST(RcScript, ReadsNestedMenus) {
  Script s = Parse("LANGUAGE LANG_FRENCH, SUBLANG_FRENCH\n"
                   "5 MENU\nBEGIN\n POPUP \"&Top\"\n BEGIN\n  MENUITEM \"&Go\", IDM_GO\n"
                   "  MENUITEM SEPARATOR\n  POPUP \"Sub\"\n  BEGIN\n"
                   "   MENUITEM \"Header\", 7, GRAYED\n  END\n END\nEND\n",
                   SampleIds());
  ASSERT_TRUE(s.errors.empty()) << s.errors.front();
  EXPECT_EQ(s.languagePrimary, "LANG_FRENCH");
  ASSERT_EQ(s.menus.count(5), 1u);
  const MenuItem& top = s.menus.at(5).children.at(0);
  EXPECT_TRUE(top.popup);
  ASSERT_EQ(top.children.size(), 3u);
  EXPECT_EQ(top.children[0].id, 32772);
  EXPECT_TRUE(top.children[1].separator);
  EXPECT_EQ(top.children[2].children.at(0).flags, std::vector<std::string>{"GRAYED"});
}

TEST(RcScript, ReadsDialogsWithControlsOverSeveralLines) {
  Script s = Parse("IDD_BOX DIALOGEX 0, 0, 200, 100\nSTYLE DS_MODALFRAME | WS_POPUP\n"
                   "CAPTION \"Box\"\nFONT 8, \"MS Shell Dlg\", 0, 0, 0x1\nBEGIN\n"
                   "  ICON IDI_X, -1, 5, 5, 21, 20\n  LTEXT \"a\", -1, 1, 2, 3, 4\n"
                   "  CONTROL \"\", IDC_LIST, WC_LISTVIEW,\n     LVS_REPORT | WS_BORDER,\n"
                   "     10, 20, 30, 40\n  DEFPUSHBUTTON \"OK\", IDOK, 50, 60, 70, 14\nEND\n",
                   SampleIds());
  ASSERT_TRUE(s.errors.empty()) << s.errors.front();
  const Dialog& d = s.dialogs.at(103);
  EXPECT_EQ(d.caption, "Box");
  EXPECT_EQ(d.fontFace, "MS Shell Dlg");
  EXPECT_EQ(d.styles, (std::vector<std::string>{"DS_MODALFRAME", "WS_POPUP"}));
  ASSERT_EQ(d.controls.size(), 4u);
  EXPECT_EQ(d.controls[0].text, "IDI_X");
  EXPECT_EQ(d.controls[0].id, -1);
  EXPECT_EQ(d.controls[2].className, "WC_LISTVIEW");
  EXPECT_EQ(d.controls[2].id, 1004);
  EXPECT_EQ(d.controls[2].h, 40);
  EXPECT_EQ(d.controls[3].id, 1);
  EXPECT_EQ(d.controls[3].x, 50);
}

TEST(TextChecks, FindsPrintfConversionsInOrder) {
  EXPECT_EQ(PrintfConversions("Read %d bytes (%0.1f Kb/s)"),
            (std::vector<std::string>{"%d", "%0.1f"}));
  EXPECT_EQ(PrintfConversions("100%% done, %8.8X, %-5s %lu"),
            (std::vector<std::string>{"%8.8X", "%-5s", "%lu"}));
  EXPECT_TRUE(PrintfConversions("no conversion").empty());
  // A translation that lost its conversion letter must not compare equal to "%s".
  EXPECT_NE(PrintfConversions("%"), PrintfConversions("%s"));
}

TEST(TextChecks, ConvertsToWindows1252OrRefuses) {
  std::string out;
  EXPECT_TRUE(ToCp1252("\xC3\x80 propos \xE2\x80\x99\xE2\x82\xAC", out));  // À ’ €
  EXPECT_EQ(out, "\xC0 propos \x92\x80");
  EXPECT_FALSE(ToCp1252("narrow\xE2\x80\xAF" "blank", out));  // U+202F is not in cp1252
  EXPECT_FALSE(ToCp1252("\xC3", out));                        // cut sequence
  EXPECT_FALSE(ToCp1252("\xFF", out));
}

TEST(TextChecks, FindsTheMnemonic) {
  EXPECT_EQ(Mnemonic("T&ranslate"), "r");
  EXPECT_EQ(Mnemonic("Fish && &Chips"), "c");
  EXPECT_EQ(Mnemonic("Disable WebAlert"), "");
  EXPECT_EQ(Mnemonic("&\xC3\x89tat"), "\xC3\x89");
}

}  // namespace
}  // namespace rc
