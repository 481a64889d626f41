// The settings file shipped for new users: read as the program reads it, every engine searches
// where it should, the favorite is one of them, and the file holds nothing the defaults give.
#include <gtest/gtest.h>

#include <algorithm>
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
    std::string section, line;
    for (std::istringstream lines(text); std::getline(lines, line);) {
        const std::string t = Trim(line);
        const std::size_t eq = t.find('=');
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
            section = t.substr(1, t.size() - 2);
        else if (eq != std::string::npos && !section.empty())
            profile.WriteString(section.c_str(), Trim(t.substr(0, eq)).c_str(), Trim(t.substr(eq + 1)).c_str());
    }
    return profile;
}

TEST(FirstSettings, EveryEngineSearchesWhereItShouldAndTheFavoriteIsGoogle)
{
    const std::string text = ReadShipped();
    // The profile functions read the file in the ANSI code page: é is one byte, 0xE9; and no
    // line ends in a bare line feed that an editor on Windows would show as one long line.
    EXPECT_EQ(text.find("\xC3\xA9"), std::string::npos) << "UTF-8 in a cp1252 file";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));

    MemoryProfile file = Parse(text);
    OptionRecord options;
    LoadOptions(options, file);
    LoadEngines(options, file);
    // Only what the defaults do not give: the favorite, the translation page and the engines.
    EXPECT_EQ(file.sections.size(), 2u);
    EXPECT_EQ(file.KeyCount("Options"), 2u);
    EXPECT_EQ(options.Favorite, "Google");
    EXPECT_EQ(options.TranslateURL, "https://translate.google.com/");

    const struct {
        const char* name;
        int enabled;
        const char* search;   // the address of a search for "a b"
    } expected[] = {
        {"Google", 1, "https://www.google.com/search?q=a+b"},
        {"Bing", 1, "https://www.bing.com/search?q=a+b"},
        {"DuckDuckGo", 1, "https://duckduckgo.com/?q=a+b"},
        {"Wikipedia", 1, "https://en.wikipedia.org/w/index.php?search=a+b"},
        {"Qwant", 1, "https://www.qwant.com/?q=a+b"},
        {"Google France", 0, "https://www.google.fr/search?q=a+b&hl=fr"},
        {"Bing France", 0, "https://www.bing.com/search?q=a+b&cc=fr&setlang=fr"},
        {"DuckDuckGo France", 0, "https://duckduckgo.com/?q=a+b&kl=fr-fr"},
        {"Wikip\xE9" "dia FR", 0, "https://fr.wikipedia.org/w/index.php?search=a+b"},
    };
    ASSERT_EQ(options.engines.size(), std::size(expected));
    options.UseMiniBrowserSearch = 0;
    options.UseCurrentBrowser = 0;
    LaunchContext context{options, "browser.exe"};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const LinkEntry& engine = *options.engines[i];
        EXPECT_EQ(engine.name, expected[i].name);
        EXPECT_EQ(engine.enabled, expected[i].enabled) << engine.name;
        EXPECT_EQ(InterpretInput("a b", false, &engine, context).launches.at(0).parameters,
                  "\"" + std::string(expected[i].search) + "\"");
    }
    // The All button searches the five engines in use.
    EXPECT_EQ(InterpretInput("a b", true, nullptr, context).launches.size(), 5u);
}

} // namespace
