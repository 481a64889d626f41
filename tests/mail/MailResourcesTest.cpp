// Dialog 196 in both resource scripts: the code reaches its controls by id, so both languages
// must hold the same ones, in the same places, translated.
#include <gtest/gtest.h>

#include <string>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

TEST(MailResources, SmtpParametersInBothLanguages)
{
    const long id = Ids().values.at("IDD_SMTP_PARAMETERS");
    ASSERT_TRUE(English().dialogs.count(id) && French().dialogs.count(id));
    const Dialog& en = English().dialogs.at(id);
    const Dialog& fr = French().dialogs.at(id);
    EXPECT_EQ(fr.caption, "Paramètres SMTP");
    ASSERT_EQ(en.controls.size(), fr.controls.size());
    for (std::size_t i = 0; i < en.controls.size(); ++i) {
        const Control& e = en.controls[i];
        const Control& f = fr.controls[i];
        EXPECT_TRUE(f.id == e.id && f.kind == e.kind && f.x == e.x && f.y == e.y && f.w == e.w && f.h == e.h) << e.text;
        if (!e.text.empty() && e.text != "OK") {
            EXPECT_NE(f.text, e.text) << "\"" << e.text << "\" is not translated";
        }
        std::string ansi;
        EXPECT_TRUE(ToCp1252(f.text, ansi)) << f.text;
    }
    for (const char* name : {"IDC_SMTP_SERVER", "IDC_SMTP_SENDER", "IDC_SMTP_TO", "IDC_SMTP_CC", "IDC_SMTP_MESSAGE",
                             "IDC_SMTP_BRIEF", "IDC_SMTP_DEFAULT_ACCOUNT", "IDC_SMTP_HELP"}) {
        bool found = false;
        for (const Control& c : en.controls)
            found = found || c.id == Ids().values.at(name);
        EXPECT_TRUE(found) << name;
    }
}

}  // namespace
}  // namespace rc
