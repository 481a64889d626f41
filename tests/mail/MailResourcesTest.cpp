// Dialog 196 in both resource scripts: the code reaches its controls by id, so both languages
// must hold the same ones, translated, inside the dialog and clear of each other.
#include <gtest/gtest.h>

#include <string>

#include "tests/resources/ResourceFiles.h"
#include "tests/resources/TextChecks.h"

namespace rc {
namespace {

long Id(const char* name) { return Ids().values.at(name); }

const Dialog& Smtp(const Script& script)
{
    static const Dialog none;
    auto it = script.dialogs.find(Id("IDD_SMTP_PARAMETERS"));
    return it == script.dialogs.end() ? none : it->second;
}

TEST(MailResources, SmtpParametersInBothLanguages)
{
    EXPECT_EQ(Id("IDD_SMTP_PARAMETERS"), 196);
    const Dialog& en = Smtp(English());
    const Dialog& fr = Smtp(French());
    EXPECT_EQ(en.caption, "SMTP Parameters");
    EXPECT_EQ(fr.caption, "Paramètres SMTP");
    ASSERT_EQ(en.controls.size(), fr.controls.size());
    ASSERT_FALSE(en.controls.empty());
    for (std::size_t i = 0; i < en.controls.size(); ++i) {
        const Control& e = en.controls[i];
        const Control& f = fr.controls[i];
        EXPECT_EQ(f.id, e.id) << e.text;
        EXPECT_EQ(f.kind, e.kind) << e.text;
        EXPECT_TRUE(f.x == e.x && f.y == e.y && f.w == e.w && f.h == e.h) << e.text;
        if (!e.text.empty() && e.text != "OK") {
            EXPECT_NE(f.text, e.text) << "\"" << e.text << "\" is not translated";
        }
        std::string ansi;
        EXPECT_TRUE(ToCp1252(f.text, ansi)) << f.text;
    }
    struct {
        const char* name;
        long id;
        const char* kind;
        const char* english;
    } expected[] = {
        {"IDC_SMTP_SERVER", 1008, "EDITTEXT", nullptr},  {"IDC_SMTP_SENDER", 1009, "EDITTEXT", nullptr},
        {"IDC_SMTP_TO", 1010, "EDITTEXT", nullptr},      {"IDC_SMTP_CC", 1011, "EDITTEXT", nullptr},
        {"IDC_SMTP_MESSAGE", 1012, "EDITTEXT", nullptr}, {"IDC_SMTP_BRIEF", 1003, "AUTOCHECKBOX", "Send brief message"},
        {"IDC_SMTP_DEFAULT_ACCOUNT", 1002, "PUSHBUTTON", "Default account"},
        {"IDC_SMTP_HELP", 9, "PUSHBUTTON", "Help"},
    };
    for (const auto& x : expected) {
        EXPECT_EQ(Id(x.name), x.id) << x.name;
        const Control* found = nullptr;
        for (const Control& c : en.controls)
            found = c.id == x.id ? &c : found;
        ASSERT_NE(found, nullptr) << x.name;
        EXPECT_EQ(found->kind, x.kind) << x.name;
        if (x.english) {
            EXPECT_EQ(found->text, x.english);
        }
    }
    std::string labels;
    for (const Control& c : en.controls)
        labels += c.text + "|";
    for (const char* label : {"SMTP Server: (", "|Sender:|", "|To: (one or more recipients)|", "|Cc:|", "|Message text|"})
        EXPECT_NE(labels.find(label), std::string::npos) << label;

    for (const Dialog* d : {&en, &fr}) {
        for (std::size_t i = 0; i < d->controls.size(); ++i) {
            const Control& a = d->controls[i];
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= d->w && a.y + a.h <= d->h) << a.text;
            if (a.kind == "PUSHBUTTON" || a.kind == "DEFPUSHBUTTON" || a.kind == "LTEXT" || a.kind == "AUTOCHECKBOX") {
                std::string ansi;
                ToCp1252(a.text, ansi);
                EXPECT_LE(static_cast<double>(ansi.size()) * 3.5, a.w - 4.0) << a.text;
            }
            for (std::size_t j = i + 1; j < d->controls.size(); ++j) {
                const Control& b = d->controls[j];
                if (a.kind == "GROUPBOX" || b.kind == "GROUPBOX")
                    continue;
                bool overlap = a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
                EXPECT_FALSE(overlap) << "\"" << a.text << "\" overlaps \"" << b.text << "\"";
            }
        }
    }
}

}  // namespace
}  // namespace rc
