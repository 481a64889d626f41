// The help pages shipped beside the program: every page and anchor the program opens exists in
// both languages, the two languages hold the same pages and anchors, every link between the
// pages lands on a page and an anchor that exist, and nothing comes from outside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "launcher/HelpPage.h"

namespace fs = std::filesystem;

namespace {

const fs::path kHelp = fs::path(QV_SOURCE_DIR) / "resources" / "help";

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> Ids(const std::string& html)
{
    static const std::regex id(R"re(\sid="([^"]+)")re");
    std::set<std::string> found;
    for (std::sregex_iterator it(html.begin(), html.end(), id), end; it != end; ++it)
        found.insert((*it)[1].str());
    return found;
}

TEST(HelpPages, EveryTopicTheProgramOpensExistsInBothLanguages)
{
    std::set<std::pair<std::string, std::string>> listed;
    for (const HelpTopic& topic : kHelpTopics) {
        listed.insert({topic.page, topic.anchor});
        for (const char* language : {"helpen", "helpfr"}) {
            const fs::path page = kHelp / language / (std::string(topic.page) + ".htm");
            ASSERT_TRUE(fs::exists(page)) << page;
            EXPECT_TRUE(!*topic.anchor || Ids(Read(page)).count(topic.anchor)) << page << "#" << topic.anchor;
        }
    }
    // The calls in the code, each argument a string literal or a named constant of the same file
    // (a parameter handed on is the caller's topic, found at the caller).
    const std::regex call(R"re(OpenHelpPage\(\s*("[^"]*"|\w+)\s*,\s*("[^"]*"|\w+)\s*\))re");
    int calls = 0;
    for (const char* folder : {"app", "launcher", "options", "translator", "webalert", "mail", "update", "chrome"}) {
        if (!fs::exists(fs::path(QV_SOURCE_DIR) / folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(QV_SOURCE_DIR) / folder)) {
            const std::string code = Read(entry.path());
            for (std::sregex_iterator it(code.begin(), code.end(), call), end; it != end; ++it) {
                std::string topic[2];
                for (int i : {0, 1}) {
                    topic[i] = (*it)[i + 1].str();
                    std::smatch constant;
                    if (topic[i][0] == '"')
                        topic[i] = topic[i].substr(1, topic[i].size() - 2);
                    else if (std::regex_search(code, constant, std::regex(topic[i] + R"re(\[\]\s*=\s*"([^"]*)")re")))
                        topic[i] = constant[1].str();
                    else
                        topic[i] = "?";
                }
                if (topic[0] != "?" && topic[1] != "?") {
                    ++calls;
                    EXPECT_TRUE(listed.count({topic[0], topic[1]})) << entry.path() << ": " << topic[0] << "#" << topic[1];
                }
            }
        }
    }
    EXPECT_GE(calls, 5) << "the calls of the launcher, the tray and the translator";
}

TEST(HelpPages, BothLanguagesHoldTheSamePagesAndEveryLinkLands)
{
    const std::regex link(R"re((href|src)="([^"]*)")re");
    int internalLinks = 0;
    for (const auto& entry : fs::directory_iterator(kHelp / "helpen")) {
        const std::string name = entry.path().filename().string();
        const fs::path french = kHelp / "helpfr" / name;
        ASSERT_TRUE(fs::exists(french)) << name;
        if (entry.path().extension() == ".css") {
            EXPECT_EQ(Read(entry.path()).find("url("), std::string::npos) << "no pictures or fonts from elsewhere";
            continue;
        }
        const std::string en = Read(entry.path()), fr = Read(french);
        EXPECT_NE(en.find("<html lang=\"en\">"), std::string::npos) << name;
        EXPECT_NE(fr.find("<html lang=\"fr\">"), std::string::npos) << name;
        EXPECT_NE(fr.find('\xC3'), std::string::npos) << name << ": French text, its accents in UTF-8";
        EXPECT_EQ(Ids(en), Ids(fr)) << name << ": a link or a window opens the same place in either language";
        for (const fs::path& file : {entry.path(), french}) {
            const std::string html = Read(file);
            for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it) {
                const std::string target = (*it)[2].str();
                if (std::regex_search(target, std::regex("^(https?|mailto):"))) {
                    EXPECT_EQ((*it)[1].str(), "href") << file << ": an outside resource " << target;
                    continue;
                }
                ++internalLinks;
                const std::size_t hash = target.find('#');
                const fs::path landing = hash == 0 ? file : file.parent_path() / target.substr(0, hash);
                ASSERT_TRUE(fs::exists(landing)) << file << ": " << target;
                EXPECT_EQ(fs::canonical(landing).parent_path().parent_path(), fs::canonical(kHelp)) << target;
                EXPECT_TRUE(hash == std::string::npos || Ids(Read(landing)).count(target.substr(hash + 1)))
                    << file << ": " << target;
            }
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(kHelp / "helpen"), fs::directory_iterator()),
              std::distance(fs::directory_iterator(kHelp / "helpfr"), fs::directory_iterator()));
    EXPECT_GT(internalLinks, 100) << "the pages link to each other";
}

} // namespace
