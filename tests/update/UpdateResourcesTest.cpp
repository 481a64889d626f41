// Dialogs 151, 152, 172, 174 and 175 in both languages: the code addresses their controls by
// id, so both scripts hold the same controls, translated, with the ones the code uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

TEST(UpdateResources, DialogsInBothLanguagesWithTheControlsTheCodeUses)
{
    struct {
        const char* dialog;
        bool skinned;   // no system caption above the title tab the skin draws, room for it
        std::vector<const char*> controls;
    } dialogs[] = {
        {"IDD_UPDATE_SETUP", false, {"IDC_UPD_FREQUENCY", "IDC_UPD_AUTO_INSTALL", "IDC_UPD_SHOW_NEWS",
                                     "IDC_UPD_HISTORY", "IDC_UPD_URL", "IDC_UPD_DEFAULT_URL", "IDC_UPD_HELP"}},
        {"IDD_UPDATE_PROGRESS", true, {"IDC_UPD_VERSION", "IDC_UPD_STATUS", "IDC_UPD_PROGRESS", "IDC_UPD_VERSION_LABEL"}},
        {"IDD_UPDATE_READY", true, {"IDC_UPD_VERSION", "IDC_UPD_AUTO_INSTALL", "IDC_UPD_REMOVE", "IDC_UPD_HELP"}},
        {"IDD_UPDATE_FOUND", true, {"IDC_UPD_FOUND_VERSION", "IDC_UPD_FOUND_SIZE", "IDC_UPD_HELP"}},
        {"IDD_UPDATE_NEWS", true, {"IDC_NEWS_TEXT", "IDC_NEWS_VERSION", "IDC_NEWS_DONT_SHOW", "IDC_UPD_PROGRESS"}},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.dialog);
        const long id = Ids().values.at(d.dialog);
        ASSERT_TRUE(English().dialogs.count(id) && French().dialogs.count(id));
        const Dialog& en = English().dialogs.at(id);
        const Dialog& fr = French().dialogs.at(id);
        EXPECT_TRUE(fr.w == en.w && fr.h == en.h && fr.styles == en.styles);
        EXPECT_EQ(std::count(en.styles.begin(), en.styles.end(), "WS_CAPTION"), d.skinned ? 0 : 1);
        ASSERT_EQ(fr.controls.size(), en.controls.size());
        for (std::size_t i = 0; i < en.controls.size(); ++i) {
            const Control& e = en.controls[i];
            const Control& f = fr.controls[i];
            EXPECT_TRUE(f.id == e.id && f.kind == e.kind && f.className == e.className) << "control " << i;
            if (!e.text.empty() && e.kind != "ICON" && e.text != "OK") {
                EXPECT_NE(f.text, e.text) << "\"" << e.text << "\" is not translated";
            }
            std::string ansi;
            EXPECT_TRUE(ToCp1252(f.text, ansi)) << f.text;
            EXPECT_TRUE(e.x + e.w <= en.w && e.y + e.h <= en.h && (!d.skinned || e.y >= 20)) << e.text;
        }
        for (const char* control : d.controls)
            EXPECT_TRUE(std::any_of(en.controls.begin(), en.controls.end(),
                                    [&](const Control& c) { return c.id == Ids().values.at(control); }))
                << control;
    }
}

} // namespace
} // namespace rc
