// The help pages shipped beside the program: every page and anchor the program opens exists in
// both languages, every link between the pages lands on a page and an anchor that exist, the
// pages need nothing from outside, and the French pages are French.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "launcher/HelpPage.h"

namespace fs = std::filesystem;

namespace {

const fs::path kHelp = fs::path(QV_SOURCE_DIR) / "resources" / "help";
const char* const kLanguages[] = {"helpen", "helpfr"};

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern, int group = 1)
{
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        found.insert((*it)[group].str());
    return found;
}

std::set<std::string> Ids(const std::string& html)
{
    return Matches(html, std::regex(R"re(\sid="([^"]+)")re"));
}

// The help topics the program's code opens, read from its sources: a page and an anchor, each a
// string literal or a named constant of the same file.
std::set<std::pair<std::string, std::string>> TopicsInCode()
{
    std::set<std::pair<std::string, std::string>> topics;
    const std::regex call(R"re(OpenHelpPage\(\s*(?:"([^"]*)"|(\w+))\s*,\s*(?:"([^"]*)"|(\w+))\s*\))re");
    for (const char* folder : {"app", "launcher", "options", "translator", "webalert", "mail", "minibrowser",
                               "update", "chrome"}) {
        fs::path dir = fs::path(QV_SOURCE_DIR) / folder;
        if (!fs::exists(dir))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
                continue;
            std::string code = Read(entry.path());
            // A name that is no constant of the file (a parameter handed on) is the caller's
            // topic, found at the caller.
            auto value = [&](const std::smatch& m, int literal, int name, bool& known) {
                if (m[literal].matched)
                    return m[literal].str();
                std::smatch c;
                std::regex constant(m[name].str() + R"re(\[\]\s*=\s*"([^"]*)")re");
                if (std::regex_search(code, c, constant))
                    return c[1].str();
                known = false;
                return std::string();
            };
            for (std::sregex_iterator it(code.begin(), code.end(), call), end; it != end; ++it) {
                bool known = true;
                std::pair<std::string, std::string> topic{value(*it, 1, 2, known), value(*it, 3, 4, known)};
                if (known)
                    topics.insert(topic);
            }
        }
    }
    return topics;
}

TEST(HelpPages, EveryTopicTheProgramOpensExistsInBothLanguages)
{
    std::set<std::pair<std::string, std::string>> listed;
    for (const HelpTopic& topic : kHelpTopics)
        listed.insert({topic.page, topic.anchor});
    auto inCode = TopicsInCode();
    EXPECT_GE(inCode.size(), 5u) << "the calls of the launcher, the tray and the translator";
    for (const auto& topic : inCode)
        EXPECT_TRUE(listed.count(topic)) << "opened by the code but not in kHelpTopics: " << topic.first << "#"
                                         << topic.second;

    for (const char* language : kLanguages) {
        for (const HelpTopic& topic : kHelpTopics) {
            fs::path page = kHelp / language / (std::string(topic.page) + ".htm");
            ASSERT_TRUE(fs::exists(page)) << page;
            if (*topic.anchor) {
                EXPECT_TRUE(Ids(Read(page)).count(topic.anchor)) << page << "#" << topic.anchor;
            }
        }
    }
}

TEST(HelpPages, LinksResolveAndNothingComesFromOutside)
{
    const std::regex link(R"re((?:href|src)="([^"]*)")re");
    int internalLinks = 0;
    for (const char* language : kLanguages) {
        for (const auto& entry : fs::directory_iterator(kHelp / language)) {
            const fs::path& file = entry.path();
            std::string html = Read(file);
            SCOPED_TRACE(file.string());
            if (file.extension() == ".css") {
                EXPECT_EQ(html.find("url("), std::string::npos) << "no pictures or fonts from elsewhere";
                EXPECT_EQ(html.find("@import"), std::string::npos);
                continue;
            }
            ASSERT_EQ(file.extension(), ".htm");
            EXPECT_EQ(html.find("<script"), std::string::npos);
            EXPECT_EQ(html.find("<iframe"), std::string::npos);
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
            EXPECT_NE(html.find("<title>"), std::string::npos);

            std::set<std::string> ids = Ids(html);
            EXPECT_EQ(Matches(html, std::regex(R"re(\sid="([^"]+)")re"), 0).size(), ids.size()) << "an id twice";
            for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it) {
                std::string target = (*it)[1].str();
                bool isSrc = it->str().rfind("src", 0) == 0;
                if (target.rfind("http://", 0) == 0 || target.rfind("https://", 0) == 0 ||
                    target.rfind("mailto:", 0) == 0) {
                    EXPECT_FALSE(isSrc) << "an outside resource: " << target;
                    continue;
                }
                ++internalLinks;
                std::size_t hash = target.find('#');
                std::string path = target.substr(0, hash);
                std::string anchor = hash == std::string::npos ? "" : target.substr(hash + 1);
                fs::path landing = path.empty() ? file : file.parent_path() / path;
                ASSERT_TRUE(fs::exists(landing)) << target;
                EXPECT_TRUE(fs::canonical(landing).string().rfind(fs::canonical(kHelp).string(), 0) == 0) << target;
                if (!anchor.empty()) {
                    EXPECT_TRUE(Ids(Read(landing)).count(anchor)) << target;
                }
            }
        }
    }
    EXPECT_GT(internalLinks, 100) << "the pages link to each other";
}

TEST(HelpPages, TheFrenchPagesAreTheEnglishPagesInFrench)
{
    std::set<std::string> english, french;
    for (const auto& entry : fs::directory_iterator(kHelp / "helpen"))
        english.insert(entry.path().filename().string());
    for (const auto& entry : fs::directory_iterator(kHelp / "helpfr"))
        french.insert(entry.path().filename().string());
    EXPECT_EQ(english, french);

    for (const std::string& name : english) {
        if (fs::path(name).extension() != ".htm")
            continue;
        SCOPED_TRACE(name);
        std::string en = Read(kHelp / "helpen" / name);
        std::string fr = Read(kHelp / "helpfr" / name);
        EXPECT_NE(en, fr);
        EXPECT_NE(en.find("<html lang=\"en\">"), std::string::npos);
        EXPECT_NE(fr.find("<html lang=\"fr\">"), std::string::npos);
        // The same anchors, so that a link or a window opens the same place in either language.
        EXPECT_EQ(Ids(en), Ids(fr));
        // Real pages, not stubs; and French text, with its accents written in UTF-8.
        EXPECT_GT(en.size(), 1500u);
        EXPECT_GT(fr.size(), 1500u);
        EXPECT_TRUE(fr.find("\xC3\xA9") != std::string::npos || fr.find("\xC3\xA8") != std::string::npos);
        for (const char* word : {" the ", " and ", " you "})
            EXPECT_EQ(fr.find(word), std::string::npos) << "English left in the French page: " << word;
        for (const char* word : {" le ", " la ", " et ", " vous "})
            EXPECT_EQ(en.find(word), std::string::npos) << "French in the English page: " << word;
    }
}

} // namespace
