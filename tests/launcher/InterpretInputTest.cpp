#include "launcher/InterpretInput.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/OptionRecord.h"
#include "launcher/LinkEntry.h"

namespace {

const char kBrowser[] = "C:\\Program Files\\Browser\\browser.exe";
const char kGoogle[] = "http://www.google.com/search?q=";
const char kYahoo[] = "http://search.yahoo.com/search?p=";

// Engines in table order: an unused one first, so "first in-use engine" is tested too.
void AddEngines(OptionRecord& o)
{
    o.engines.push_back(std::make_unique<LinkEntry>("Unused", "http://unused.example/?q=%s", "http://unused.example/", 0));
    o.engines.push_back(std::make_unique<LinkEntry>("Google", std::string(kGoogle) + "%s", "http://www.google.com/", 1));
    o.engines.push_back(std::make_unique<LinkEntry>("Yahoo", std::string(kYahoo) + "%s&fr=qv", "http://www.yahoo.com/", 1));
}

// The browser gets the address as one quoted argument (none of these addresses holds a quote
// or a backslash).
std::string Quoted(const std::string& address)
{
    return address.empty() ? address : "\"" + address + "\"";
}
LaunchDecision Browser(const std::string& address, int show = kShowNormal)
{
    return LaunchDecision::Launch("open", kBrowser, Quoted(address), show);
}
LaunchDecision Shell(const std::string& verb, const std::string& file, int show = kShowNormal)
{
    return LaunchDecision::Launch(verb, file, "", show);
}
LaunchDecision Mini(const std::string& address, int cache)
{
    return LaunchDecision::MiniBrowser(address, cache);
}

struct Case {
    const char* what;
    std::string text;
    bool allEngines;
    std::function<void(OptionRecord&)> options;
    int routed;
    std::vector<LaunchDecision> launches;
};

// Options as a user without a mini browser set them; each case changes what it tests.
void Plain(OptionRecord& o)
{
    o.UseMiniBrowserSearch = 0;
    o.UseMiniBrowserLink = 0;
    o.UseCurrentBrowser = 0;
    o.StartBrowserMode = 1015;
    o.Favorite.clear();
}

std::vector<Case> Cases()
{
    const std::string longText(2000, 'a');
    return {
        {"http address to a new browser", "http://example.com/a?b=c", false, Plain, 1,
         {Browser("http://example.com/a?b=c")}},
        {"https address, current browser", "https://example.com/", false,
         [](OptionRecord& o) { Plain(o); o.UseCurrentBrowser = 1; }, 1, {Shell("open", "https://example.com/")}},
        {"www host with path, any case", "WWW.Example.com/path", false, Plain, 1,
         {Browser("WWW.Example.com/path")}},
        {"typed address in the mini browser", "www.example.com", false,
         [](OptionRecord& o) { Plain(o); o.UseMiniBrowserLink = 1; o.UseMiniBrowserSearch = 1; }, 1,
         {Mini("www.example.com", 0)}},
        {"bare host is searched", "example.com", false, Plain, 0,
         {Browser(std::string(kGoogle) + "example.com")}},
        {"FIND: in capitals", "FIND:C:\\Docs", false, Plain, 1, {Shell("find", "C:\\Docs")}},
        {"find: in small letters", "find:C:\\Docs", false, Plain, 1, {Shell("find", "C:\\Docs")}},
        {"edit: opens the editor", "edit:C:\\notes.txt", false, Plain, 1, {Shell("edit", "C:\\notes.txt")}},
        {"exe: starts shown normally whatever the browser mode", "Exe:notepad", false,
         [](OptionRecord& o) { Plain(o); o.StartBrowserMode = 1016; }, 1, {Shell("open", "notepad")}},
        {"drive path is explored in the browser mode", "d:\\Music\\2004", false,
         [](OptionRecord& o) { Plain(o); o.StartBrowserMode = 1017; }, 1,
         {Shell("explore", "d:\\Music\\2004", kShowMinimized)}},
        {"blanks only search for nothing", "    ", false, Plain, 0, {Browser(kGoogle)}},
        {"search text is encoded", " l'\xE9t\xE9 2-3 ", false, Plain, 0,
         {Browser(std::string(kGoogle) + "l%27%C3%A9t%C3%A9+2%2D3")}},
        {"2000 characters: the address is cut at 1023", longText, false, Plain, 0,
         {Browser((std::string(kGoogle) + longText).substr(0, 1023))}},
        {"maximized browser mode", "word", false, [](OptionRecord& o) { Plain(o); o.StartBrowserMode = 1016; }, 0,
         {Browser(std::string(kGoogle) + "word", kShowMaximized)}},
        {"single search in the mini browser may use the cache", "word", false,
         [](OptionRecord& o) { Plain(o); o.UseMiniBrowserSearch = 1; }, 0, {Mini(std::string(kGoogle) + "word", 1)}},
        {"single search, current browser", "word", false,
         [](OptionRecord& o) { Plain(o); o.UseCurrentBrowser = 1; }, 0, {Shell("open", std::string(kGoogle) + "word")}},
        {"favorite named in other letter case", "word", false,
         [](OptionRecord& o) { Plain(o); o.Favorite = "yAHOO"; }, 0, {Browser(std::string(kYahoo) + "word&fr=qv")}},
        {"favorite naming an unused engine opens nothing", "word", false,
         [](OptionRecord& o) { Plain(o); o.Favorite = "Unused"; }, 0, {}},
        {"favorite naming no engine opens nothing", "word", false,
         [](OptionRecord& o) { Plain(o); o.Favorite = "Nowhere"; }, 0, {}},
        {"all engines: one new browser per in-use engine, whatever the options", "word", true,
         [](OptionRecord& o) {
             Plain(o);
             o.UseCurrentBrowser = 1;
             o.UseMiniBrowserSearch = 1;
             o.Favorite = "Yahoo";
         },
         0, {Browser(std::string(kGoogle) + "word"), Browser(std::string(kYahoo) + "word&fr=qv")}},
        {"all engines with an address still opens the address once", "http://a.example/", true, Plain, 1,
         {Browser("http://a.example/")}},
    };
}

TEST(InterpretInput, DecidesTheExactLaunchesForEachInputAndOptionSet)
{
    for (const Case& c : Cases()) {
        OptionRecord o;
        AddEngines(o);
        c.options(o);
        LaunchContext context{o, kBrowser};
        InterpretResult r = InterpretInput(c.text, c.allEngines, nullptr, context);
        EXPECT_EQ(r.routed, c.routed) << c.what;
        EXPECT_EQ(r.launches, c.launches) << c.what;
        // Only a search that found no engine asks for the engines page.
        EXPECT_EQ(r.noEngine, r.routed == 0 && c.launches.empty()) << c.what;
    }
}

TEST(InterpretInput, ANamedEngineSearchesEvenWhenNotInUse)
{
    OptionRecord o;
    AddEngines(o);
    Plain(o);
    o.Favorite = "Google";
    LaunchContext context{o, kBrowser};
    InterpretResult r = InterpretInput("word", false, o.engines[0].get(), context);
    EXPECT_EQ(r.routed, 0);
    EXPECT_EQ(r.launches, std::vector<LaunchDecision>{Browser("http://unused.example/?q=word")});

    o.UseMiniBrowserSearch = 1;
    r = InterpretInput("word", true, o.engines[2].get(), context);   // the named engine wins over "all"
    EXPECT_EQ(r.launches, std::vector<LaunchDecision>{Mini(std::string(kYahoo) + "word&fr=qv", 1)});
}

TEST(InterpretInput, AnEmptyEngineTableSearchesNothing)
{
    OptionRecord o;
    LaunchContext context{o, kBrowser};
    EXPECT_TRUE(InterpretInput("word", false, nullptr, context).launches.empty());
    EXPECT_TRUE(InterpretInput("word", true, nullptr, context).noEngine);
    EXPECT_FALSE(InterpretInput("www.example.com", false, nullptr, context).noEngine);
    EXPECT_FALSE(InterpretInput("exe:notepad", true, nullptr, context).noEngine);
}

TEST(InterpretInput, TheAddressTestSeesOnlyTheStartOfTheText)
{
    OptionRecord o;
    AddEngines(o);
    Plain(o);
    LaunchContext context{o, kBrowser};
    // An address further in is a search text.
    EXPECT_EQ(InterpretInput("see http://example.com", false, nullptr, context).routed, 0);
    // A long address is routed, cut to the 1023 characters of the work buffer.
    std::string longAddress = "http://example.com/" + std::string(1500, 'x');
    InterpretResult r = InterpretInput(longAddress, false, nullptr, context);
    ASSERT_EQ(r.launches.size(), 1u);
    EXPECT_EQ(r.launches[0].parameters, Quoted(longAddress.substr(0, 1023)));
}

TEST(InterpretInput, PatternsAreNeverFormats)
{
    OptionRecord o;
    Plain(o);
    o.engines.push_back(std::make_unique<LinkEntry>("Odd", "http://x/?a=%n&b=%d&q=%s&again=%s&pct=100%%&sp=%20", "", 1));
    LaunchContext context{o, kBrowser};
    InterpretResult r = InterpretInput("word", false, nullptr, context);
    EXPECT_EQ(r.launches, std::vector<LaunchDecision>{Browser("http://x/?a=%n&b=%d&q=word&again=%s&pct=100%&sp=%20")});
}

TEST(SearchClipboardText, TakesAtMost1023CharactersOfTheClipboard)
{
    OptionRecord o;
    Plain(o);
    o.engines.push_back(std::make_unique<LinkEntry>("E", "%s", "", 1));
    LaunchContext context{o, kBrowser};
    std::string clip = std::string(1023, 'b') + "TAIL";
    InterpretResult r = SearchClipboardText(clip, context);
    ASSERT_EQ(r.launches.size(), 1u);
    EXPECT_EQ(r.launches[0].parameters, Quoted(std::string(1023, 'b')));
    EXPECT_EQ(ClipboardTextForUse(clip).size(), 1023u);
}

// The eight rules of a command text, first match wins.
TEST(RunCommand, AppliesTheEightRulesInOrder)
{
    OptionRecord o;
    o.StartBrowserMode = 1016;   // browser starts maximized; commands show normally
    LaunchContext context{o, kBrowser};
    const int browserShow = kShowMaximized;

    o.UseCurrentBrowser = 0;
    EXPECT_EQ(RunCommand("", context), LaunchDecision::Launch("open", kBrowser, "", browserShow));            // 1
    EXPECT_EQ(RunCommand("mailto:a@b.example/x", context),
              LaunchDecision::Launch("open", kBrowser, "\"mailto:a@b.example/x\"", browserShow));           // 3
    EXPECT_EQ(RunCommand("find:c:/docs", context),                                                            // "/" first
              LaunchDecision::Launch("open", kBrowser, "\"find:c:/docs\"", browserShow));
    o.UseCurrentBrowser = 1;
    EXPECT_EQ(RunCommand("", context), LaunchDecision::Launch("open", kBrowser, "", browserShow));            // 1
    EXPECT_EQ(RunCommand("http://q.example/", context), Shell("open", "http://q.example/", browserShow));     // 2

    EXPECT_EQ(RunCommand("FiNd:C:\\Docs", context), Shell("find", "C:\\Docs"));                               // 4
    EXPECT_EQ(RunCommand("EDIT:C:\\a.txt", context), Shell("edit", "C:\\a.txt"));                             // 5
    EXPECT_EQ(RunCommand("exe:calc", context), Shell("open", "calc"));                                        // 6
    EXPECT_EQ(RunCommand("exe:", context), Shell("open", ""));
    EXPECT_EQ(RunCommand("c:\\", context), Shell("explore", "c:\\", browserShow));                            // 7
    EXPECT_EQ(RunCommand("x:\\anything at all", context), Shell("explore", "x:\\anything at all", browserShow));
    EXPECT_EQ(RunCommand("mailto:someone@example.com", context),
              Shell("open", "mailto:someone@example.com", browserShow));                                      // 8
    EXPECT_EQ(RunCommand("C:\\x", context).verb, "explore");
    EXPECT_EQ(RunCommand("C:x", context), Shell("open", "C:x", browserShow));                                 // 8
}

TEST(OpenAddress, UsesTheMiniBrowserOnlyWhenItsFlagIsSet)
{
    OptionRecord o;
    o.UseCurrentBrowser = 0;
    LaunchContext context{o, kBrowser};
    EXPECT_EQ(OpenAddress("http://a.example/", 1, context), Mini("http://a.example/", 0));
    EXPECT_EQ(OpenAddress("http://a.example/", 0, context), Browser("http://a.example/"));
    o.UseCurrentBrowser = 1;
    EXPECT_EQ(OpenAddress("http://a.example/", 0, context), Shell("open", "http://a.example/"));
}

TEST(LaunchDecision, BrowserShowModeAndDefaultProgram)
{
    EXPECT_EQ(BrowserShowMode(1015), kShowNormal);
    EXPECT_EQ(BrowserShowMode(1016), kShowMaximized);
    EXPECT_EQ(BrowserShowMode(1017), kShowMinimized);
    EXPECT_EQ(BrowserShowMode(0), kShowNormal);
    EXPECT_EQ(BrowserProgramOrDefault(""), "iexplore.exe");
    EXPECT_EQ(BrowserProgramOrDefault(std::string(300, 'p')).size(), 255u);
}

} // namespace
