// The settings file shipped for new users: read as the program reads it, every engine searches
// where it should, the favorite is one of them, and the file holds nothing the defaults give.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/OptionRecord.h"
#include "app/TextUtil.h"
#include "launcher/EngineTable.h"
#include "launcher/InterpretInput.h"
#include "launcher/LinkEntry.h"
#include "tests/support/MemoryProfile.h"

namespace {

std::string ReadShipped()
{
    std::ifstream in(std::string(QV_SOURCE_DIR) + "/resources/Quorvane.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The file as the profile functions see it: "[section]" lines, then "key=value" lines with
// blanks around key and value dropped.
MemoryProfile Parse(const std::string& text)
{
    MemoryProfile profile;
    std::string section;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string t = Trim(line);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
            section = t.substr(1, t.size() - 2);
            continue;
        }
        std::size_t eq = t.find('=');
        if (eq == std::string::npos || section.empty())
            continue;
        profile.WriteString(section.c_str(), Trim(t.substr(0, eq)).c_str(), Trim(t.substr(eq + 1)).c_str());
    }
    return profile;
}

TEST(FirstSettings, EveryEngineSearchesWhereItShouldAndTheFavoriteIsGoogle)
{
    const std::string text = ReadShipped();
    ASSERT_FALSE(text.empty()) << "resources/Quorvane.ini";
    // The profile functions read the file in the ANSI code page: é is one byte, 0xE9, and no
    // line ends in a bare line feed that an editor on Windows would show as one long line.
    EXPECT_EQ(text.find("\xC3\xA9"), std::string::npos) << "UTF-8 in a cp1252 file";
    EXPECT_NE(text.find("Wikip\xE9" "dia FR"), std::string::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "line ending at byte " << i;
        }
    }

    MemoryProfile file = Parse(text);
    OptionRecord options;
    LoadOptions(options, file);
    LoadEngines(options, file);

    struct Expected {
        const char* name;
        int enabled;
        const char* search;   // the address of a search for "a b"
        const char* home;
    };
    const Expected expected[] = {
        {"Google", 1, "https://www.google.com/search?q=a+b", "https://www.google.com/"},
        {"Bing", 1, "https://www.bing.com/search?q=a+b", "https://www.bing.com/"},
        {"DuckDuckGo", 1, "https://duckduckgo.com/?q=a+b", "https://duckduckgo.com/"},
        {"Wikipedia", 1, "https://en.wikipedia.org/w/index.php?search=a+b", "https://en.wikipedia.org/"},
        {"Qwant", 1, "https://www.qwant.com/?q=a+b", "https://www.qwant.com/"},
        {"Google France", 0, "https://www.google.fr/search?q=a+b&hl=fr", "https://www.google.fr/"},
        {"Bing France", 0, "https://www.bing.com/search?q=a+b&cc=fr&setlang=fr",
         "https://www.bing.com/?cc=fr&setlang=fr"},
        {"DuckDuckGo France", 0, "https://duckduckgo.com/?q=a+b&kl=fr-fr", "https://duckduckgo.com/?kl=fr-fr"},
        {"Wikip\xE9" "dia FR", 0, "https://fr.wikipedia.org/w/index.php?search=a+b", "https://fr.wikipedia.org/"},
    };
    ASSERT_EQ(options.engines.size(), std::size(expected));

    // Searches open in the user's browser here, so that the address is the launch's parameter.
    options.UseMiniBrowserSearch = 0;
    options.UseCurrentBrowser = 0;
    LaunchContext context{options, "browser.exe"};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const LinkEntry& engine = *options.engines[i];
        SCOPED_TRACE(engine.name);
        EXPECT_EQ(engine.name, expected[i].name);
        EXPECT_EQ(engine.enabled, expected[i].enabled);
        EXPECT_EQ(engine.urlBase, expected[i].home);
        InterpretResult result = InterpretInput("a b", false, &engine, context);
        ASSERT_EQ(result.launches.size(), 1u);
        EXPECT_EQ(result.launches[0].parameters, expected[i].search);
        // Written back by the options sheet, the engine reads the same.
        MemoryProfile again;
        engine.Write(again, kEngineSection, 1);
        LinkEntry reread;
        ASSERT_TRUE(reread.Read(again, kEngineSection, 1));
        EXPECT_EQ(reread.Format(), engine.Format());
    }

    // A plain search goes to the favorite; the All button to the five engines in use.
    EXPECT_EQ(options.Favorite, "Google");
    InterpretResult single = InterpretInput("a b", false, nullptr, context);
    ASSERT_EQ(single.launches.size(), 1u);
    EXPECT_EQ(single.launches[0].parameters, "https://www.google.com/search?q=a+b");
    EXPECT_EQ(InterpretInput("a b", true, nullptr, context).launches.size(), 5u);

    // Only what the defaults do not give: the favorite, the translation page and the engines.
    ASSERT_EQ(file.sections.size(), 2u);
    EXPECT_EQ(file.KeyCount("Options"), 2u);
    EXPECT_TRUE(file.Has("Options", "Favorite"));
    EXPECT_EQ(options.TranslateURL, "https://translate.google.com/");
}

} // namespace
