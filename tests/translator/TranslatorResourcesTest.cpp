// Dialogs 157, 162 and 163 and menu 164 in both languages: the code addresses their controls
// and commands by id, so both scripts must hold the same ones, in places that fit.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

long Id(const char* name) { return Ids().values.at(name); }

const Dialog* DialogOf(const Script& script, const char* name)
{
    auto it = script.dialogs.find(Id(name));
    return it == script.dialogs.end() ? nullptr : &it->second;
}

const Control* Find(const Dialog& d, long id)
{
    for (const Control& c : d.controls)
        if (c.id == id)
            return &c;
    return nullptr;
}

const char* const kDialogs[] = {"IDD_TRANSLATOR", "IDD_TRANSLATE_RESULTS", "IDD_TRANSLATE_ZOOM"};

TEST(TranslatorResources, BothLanguagesHoldTheSameDialogs)
{
    for (const char* name : kDialogs) {
        const Dialog* en = DialogOf(English(), name);
        const Dialog* fr = DialogOf(French(), name);
        ASSERT_NE(en, nullptr) << name;
        ASSERT_NE(fr, nullptr) << name;
        EXPECT_EQ(fr->w, en->w) << name;
        EXPECT_EQ(fr->h, en->h) << name;
        EXPECT_EQ(fr->styles, en->styles) << name;
        EXPECT_NE(fr->caption, en->caption) << name;
        ASSERT_EQ(fr->controls.size(), en->controls.size()) << name;
        for (std::size_t i = 0; i < en->controls.size(); ++i) {
            const Control& e = en->controls[i];
            const Control& f = fr->controls[i];
            EXPECT_EQ(f.id, e.id) << name << " control " << i;
            EXPECT_EQ(f.kind, e.kind) << name << " control " << i;
            EXPECT_EQ(f.className, e.className) << name << " control " << i;
            EXPECT_TRUE(f.x == e.x && f.y == e.y && f.w == e.w && f.h == e.h) << name << " " << e.text;
            if (!e.text.empty()) {
                EXPECT_NE(f.text, e.text) << name << ": \"" << e.text << "\" is not translated";
            }
            std::string ansi;
            EXPECT_TRUE(ToCp1252(f.text, ansi)) << f.text;
        }
    }
}

TEST(TranslatorResources, EveryControlTheCodeUsesIsThere)
{
    for (const Script* script : {&English(), &French()}) {
        const Dialog& window = *DialogOf(*script, "IDD_TRANSLATOR");
        for (const char* name : {"IDC_TR_SOURCE", "IDC_TR_PAIR", "IDC_TR_SERVICE", "IDC_TR_LOGO", "IDC_TR_NO_CACHE",
                                 "IDC_TR_PROGRESS", "IDC_TR_RESULT", "IDC_TR_COMMAND_LABEL", "IDC_TR_SEARCH",
                                 "IDC_TR_COPY", "IDC_TR_ZOOM", "IDC_TR_CLOSE_AFTER", "IDC_TR_HELP"})
            EXPECT_NE(Find(window, Id(name)), nullptr) << name;
        EXPECT_NE(Find(window, 1), nullptr) << "GO";
        EXPECT_NE(Find(window, 2), nullptr) << "Close";
        EXPECT_EQ(Find(window, Id("IDC_TR_PROGRESS"))->className, "PROGRESS_CLASS");

        const Dialog& results = *DialogOf(*script, "IDD_TRANSLATE_RESULTS");
        for (const char* name : {"IDC_RESULTS_LIST", "IDC_RESULTS_CLIPBOARD", "IDC_RESULTS_SOURCE", "IDC_RESULTS_COUNT",
                                 "IDC_RESULTS_PAIR", "IDC_TR_SEARCH", "IDC_TR_COPY", "IDC_TR_ZOOM",
                                 "IDC_TR_CLOSE_AFTER"})
            EXPECT_NE(Find(results, Id(name)), nullptr) << name;
        EXPECT_EQ(Find(results, Id("IDC_RESULTS_LIST"))->className, "WC_LISTVIEW");
        EXPECT_NE(Find(results, 2), nullptr);

        const Dialog& zoom = *DialogOf(*script, "IDD_TRANSLATE_ZOOM");
        for (const char* name : {"IDC_ZOOM_SERVICE", "IDC_ZOOM_TEXT", "IDC_ZOOM_STATUS"})
            EXPECT_NE(Find(zoom, Id(name)), nullptr) << name;
        EXPECT_NE(Find(zoom, 1), nullptr);
    }
}

TEST(TranslatorResources, EnglishTextsAreTheSystemsOwn)
{
    const Dialog& w = *DialogOf(English(), "IDD_TRANSLATOR");
    EXPECT_EQ(Find(w, 1)->text, "&GO");
    EXPECT_EQ(Find(w, Id("IDC_TR_NO_CACHE"))->text, "Don't &use translate cache");
    EXPECT_EQ(Find(w, Id("IDC_TR_COMMAND_LABEL"))->text, "Command->");
    EXPECT_EQ(Find(w, Id("IDC_TR_SEARCH"))->text, "&Search...");
    EXPECT_EQ(Find(w, Id("IDC_TR_COPY"))->text, "&Copy");
    EXPECT_EQ(Find(w, Id("IDC_TR_ZOOM"))->text, "&Zoom...");
    EXPECT_EQ(Find(w, Id("IDC_TR_CLOSE_AFTER"))->text, "Close window after execute a command.");
    EXPECT_EQ(Find(w, Id("IDC_TR_HELP"))->text, "Help");
    EXPECT_EQ(DialogOf(English(), "IDD_TRANSLATE_RESULTS")->caption, "Translate Results");
    EXPECT_EQ(DialogOf(English(), "IDD_TRANSLATE_ZOOM")->caption, "Zoom");
}

TEST(TranslatorResources, ControlsFitTheirDialogsWithoutOverlapping)
{
    for (const Script* script : {&English(), &French()}) {
        for (const char* name : kDialogs) {
            const Dialog& d = *DialogOf(*script, name);
            std::vector<const Control*> shown;
            for (const Control& c : d.controls) {
                EXPECT_GT(c.w, 0) << name << " " << c.text;
                EXPECT_GE(c.x, 0) << name << " " << c.text;
                EXPECT_LE(c.x + c.w, d.w) << name << " " << c.text;
                EXPECT_LE(c.y + (c.kind == "COMBOBOX" ? 12 : c.h), d.h) << name << " " << c.text;
                // The hidden clipboard box lies under the list on purpose; a combo box's height
                // is that of its open list.
                if (c.id != Id("IDC_RESULTS_CLIPBOARD"))
                    shown.push_back(&c);
            }
            for (std::size_t i = 0; i < shown.size(); ++i)
                for (std::size_t j = i + 1; j < shown.size(); ++j) {
                    const Control& a = *shown[i];
                    const Control& b = *shown[j];
                    long ah = a.kind == "COMBOBOX" ? 12 : a.h, bh = b.kind == "COMBOBOX" ? 12 : b.h;
                    bool overlap = a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + bh && b.y < a.y + ah;
                    EXPECT_FALSE(overlap) << name << ": \"" << a.text << "\" overlaps \"" << b.text << "\"";
                }
        }
    }
}

TEST(TranslatorResources, ButtonAndBoxCaptionsFit)
{
    // About 3.5 dialog units per character of MS Shell Dlg 8, plus the box of a check box.
    for (const Script* script : {&English(), &French()}) {
        for (const char* name : kDialogs) {
            for (const Control& c : DialogOf(*script, name)->controls) {
                bool button = c.kind == "PUSHBUTTON" || c.kind == "DEFPUSHBUTTON";
                bool box = c.kind == "AUTOCHECKBOX";
                if (!button && !box)
                    continue;
                std::string ansi;
                ASSERT_TRUE(ToCp1252(c.text, ansi));
                double chars = static_cast<double>(ansi.size() - CountOf(ansi, '&'));
                EXPECT_LE(chars * 3.5 + (box ? 12 : 4), c.w) << c.text;
            }
        }
    }
}

TEST(TranslatorResources, ResultsMenuMatchesInBothLanguages)
{
    const long menuId = Id("IDR_RESULTS_MENU");
    ASSERT_EQ(English().menus.count(menuId), 1u);
    ASSERT_EQ(French().menus.count(menuId), 1u);
    const MenuItem& en = English().menus.at(menuId).children.at(0);
    const MenuItem& fr = French().menus.at(menuId).children.at(0);
    ASSERT_EQ(en.children.size(), fr.children.size());
    std::vector<long> ids;
    std::set<std::string> mnemonics;
    for (std::size_t i = 0; i < en.children.size(); ++i) {
        EXPECT_EQ(fr.children[i].id, en.children[i].id);
        EXPECT_EQ(fr.children[i].separator, en.children[i].separator);
        if (en.children[i].separator)
            continue;
        ids.push_back(en.children[i].id);
        EXPECT_NE(fr.children[i].text, en.children[i].text);
        std::string m = Mnemonic(fr.children[i].text);
        if (!m.empty()) {
            EXPECT_TRUE(mnemonics.insert(m).second) << "mnemonic " << m << " twice";
        }
    }
    EXPECT_EQ(ids, (std::vector<long>{32778, 32779, 32780, 32781}));
    EXPECT_EQ(en.children[0].text, "&Search with the current translated text...");
    EXPECT_EQ(en.children[1].text, "&Copy text in clipboard");
    EXPECT_EQ(en.children[2].text, "&Zoom...");
    EXPECT_EQ(en.children.back().text, "Close window");
}

}  // namespace
}  // namespace rc
