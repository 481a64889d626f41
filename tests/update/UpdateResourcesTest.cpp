// Dialogs 151, 152, 172, 174 and 175 in both languages: the code addresses their controls by
// id, so both scripts hold the same controls, translated, with the ones the code uses.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

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

TEST(UpdateResources, DialogsInBothLanguagesWithTheControlsTheCodeUses)
{
    const std::map<std::string, std::vector<const char*>> used = {
        {"IDD_UPDATE_SETUP", {"IDC_UPD_FREQUENCY", "IDC_UPD_AUTO_INSTALL", "IDC_UPD_SHOW_NEWS", "IDC_UPD_HISTORY",
                              "IDC_UPD_URL", "IDC_UPD_DEFAULT_URL", "IDC_UPD_HELP"}},
        {"IDD_UPDATE_PROGRESS", {"IDC_UPD_VERSION", "IDC_UPD_STATUS", "IDC_UPD_PROGRESS", "IDC_UPD_VERSION_LABEL"}},
        {"IDD_UPDATE_READY", {"IDC_UPD_VERSION", "IDC_UPD_AUTO_INSTALL", "IDC_UPD_REMOVE", "IDC_UPD_HELP"}},
        {"IDD_UPDATE_FOUND", {"IDC_UPD_FOUND_VERSION", "IDC_UPD_FOUND_SIZE", "IDC_UPD_HELP"}},
        {"IDD_UPDATE_NEWS", {"IDC_NEWS_TEXT", "IDC_NEWS_VERSION", "IDC_NEWS_DONT_SHOW", "IDC_UPD_PROGRESS"}},
    };
    for (const auto& [name, controls] : used) {
        const Dialog* en = DialogOf(English(), name.c_str());
        const Dialog* fr = DialogOf(French(), name.c_str());
        ASSERT_NE(en, nullptr) << name;
        ASSERT_NE(fr, nullptr) << name;
        EXPECT_EQ(fr->w, en->w) << name;
        EXPECT_EQ(fr->h, en->h) << name;
        EXPECT_EQ(fr->styles, en->styles) << name;
        ASSERT_EQ(fr->controls.size(), en->controls.size()) << name;
        for (std::size_t i = 0; i < en->controls.size(); ++i) {
            const Control& e = en->controls[i];
            const Control& f = fr->controls[i];
            EXPECT_EQ(f.id, e.id) << name << " control " << i;
            EXPECT_EQ(f.kind, e.kind) << name << " control " << i;
            EXPECT_EQ(f.className, e.className) << name << " control " << i;
            if (!e.text.empty() && e.kind != "ICON" && e.text != "OK") {
                EXPECT_NE(f.text, e.text) << name << ": \"" << e.text << "\" is not translated";
            }
            std::string ansi;
            EXPECT_TRUE(ToCp1252(f.text, ansi)) << f.text;
            // Every control lies inside its dialog, below the title tab of the skinned ones.
            EXPECT_LE(e.x + e.w, en->w) << name << " " << e.text;
            EXPECT_LE(e.y + e.h, en->h) << name << " " << e.text;
        }
        for (const Script* script : {&English(), &French()}) {
            const Dialog& d = *DialogOf(*script, name.c_str());
            for (const char* control : controls)
                EXPECT_NE(Find(d, Id(control)), nullptr) << name << " " << control;
        }
    }
    // Skinned with a title tab: no system caption above the one the skin draws, and room for
    // the tab above the first control.
    for (const char* name : {"IDD_UPDATE_PROGRESS", "IDD_UPDATE_READY", "IDD_UPDATE_FOUND", "IDD_UPDATE_NEWS"}) {
        const Dialog& d = *DialogOf(English(), name);
        for (const std::string& style : d.styles)
            EXPECT_NE(style, "WS_CAPTION") << name;
        for (const Control& c : d.controls)
            EXPECT_GE(c.y, 20) << name << " " << c.text;
    }
    EXPECT_EQ(Find(*DialogOf(English(), "IDD_UPDATE_SETUP"), Id("IDC_UPD_HISTORY"))->className, "WC_LISTVIEW");
    EXPECT_EQ(DialogOf(English(), "IDD_UPDATE_SETUP")->caption, "Auto-Update setup");
}

} // namespace
} // namespace rc
