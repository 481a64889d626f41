#include "web/HtmlText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "ReferenceText.h"

namespace {

std::string ToText(std::string html)
{
    HtmlToText(html);
    return html;
}

std::string Collapsed(std::string text)
{
    CollapseLines(text);
    return text;
}

}  // namespace

TEST(ReplaceAllNoCase, NeverReplacesItsOwnOutput)
{
    EXPECT_EQ(ReplaceAllNoCase("a&b&c", "&", "%26"), "a%26b%26c");
    EXPECT_EQ(ReplaceAllNoCase("%26&", "&", "%26"), "%26%26");
    EXPECT_EQ(ReplaceAllNoCase("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAllNoCase("abab", "ab", "xab"), "xabxab");
    EXPECT_EQ(ReplaceAllNoCase("aaaa", "aa", "a"), "aa");   // no re-match across the join
}

TEST(ReplaceAllNoCase, MatchesAnyCaseAndKeepsTheCaseOfTheRest)
{
    EXPECT_EQ(ReplaceAllNoCase("One &AMP; Two &amp; Three", "&amp;", "&"), "One & Two & Three");
    EXPECT_EQ(ReplaceAllNoCase("KeepCase", "xyz", "q"), "KeepCase");
    EXPECT_EQ(ReplaceAllNoCase("", "a", "b"), "");
    EXPECT_EQ(ReplaceAllNoCase("abc", "", "x"), "abc");      // an empty find replaces nothing
    EXPECT_EQ(ReplaceAllNoCase("abc", "abc", ""), "");
    EXPECT_EQ(ReplaceAllNoCase(std::string("a\0&\0", 4), "&", "%26"), std::string("a\0%26\0", 6));
}

TEST(ReplaceAllNoCase, IsLinearInTheNumberOfMatches)
{
    // 1 MB with 100,000 matches: a copy of the text per match would move 100 GB.
    std::string page;
    while (page.size() < 1000000)
        page += "abcdefghi&";
    auto start = std::chrono::steady_clock::now();
    std::string out = ReplaceAllNoCase(page, "&", "%26");
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(out.size(), page.size() + 2 * 100000);
    EXPECT_LT(seconds, 2.0);
}

TEST(RemoveScripts, DropsScriptElementsInAnyCase)
{
    EXPECT_EQ(RemoveScriptElements("a<script>x()</script>b<SCRIPT src=y>z</Script>c"), "abc");
    EXPECT_EQ(RemoveScriptElements("a<ScRiPt>q</sCrIpT>b"), "ab");
    // Any tag whose name begins with "script" opens an element.
    EXPECT_EQ(RemoveScriptElements("a<scripts>b</script>c"), "ac");
    EXPECT_EQ(RemoveScriptElements("a<scripts>b</scripts>c"), "a");   // "</scripts>" does not close
    // The end marker is "/script>" without "<".
    EXPECT_EQ(RemoveScriptElements("a<script>x/script>b"), "ab");
    // Text between elements keeps its line breaks and tags.
    EXPECT_EQ(RemoveScriptElements("<p>\r\n<script>1</script>\n<b>x</b>"), "<p>\r\n\n<b>x</b>");
}

TEST(RemoveScripts, EndsOfThePage)
{
    EXPECT_EQ(RemoveScriptElements("before<script>x</script>"), "before");
    EXPECT_EQ(RemoveScriptElements("before<script>never closed</p>"), "before");
    EXPECT_EQ(RemoveScriptElements("before<script"), "before");
    EXPECT_EQ(RemoveScriptElements("<script>x</script>"), "");
    EXPECT_EQ(RemoveScriptElements("no scripts here"), "no scripts here");
    EXPECT_EQ(RemoveScriptElements(""), "");
    EXPECT_EQ(RemoveScriptElements("x"), "x");
    EXPECT_EQ(RemoveScriptElements("</script>a"), "</script>a");
}

TEST(CollapseLines, TrimsAndTurnsLineFeedsIntoBlanks)
{
    EXPECT_EQ(Collapsed("first\r\nsecond"), "first\r second");
    EXPECT_EQ(Collapsed(" \t\r\n\v\f line one\nline two \n\r\t"), "line one line two");
    EXPECT_EQ(Collapsed("a\n\n  b"), "a    b");   // runs of blanks are not shortened
    EXPECT_EQ(Collapsed(" \r\n\t "), "");
    EXPECT_EQ(Collapsed(""), "");
    EXPECT_EQ(Collapsed(std::string("\0\n", 2)), std::string("\0", 1));   // NUL is no white space
}

TEST(HtmlToText, StripsTagsAsTheyStand)
{
    EXPECT_EQ(ToText("a<b>b</b>c"), "abc");
    EXPECT_EQ(ToText("x < y"), "x  y");           // a lone "<" goes, the blanks stay
    EXPECT_EQ(ToText("a > b"), "a > b");          // a ">" outside a tag stays
    EXPECT_EQ(ToText("<a title=\"x>y\">z</a>"), "y\">z");   // a quoted ">" ends the tag
    EXPECT_EQ(ToText("<<b>>"), ">");
    EXPECT_EQ(ToText("text<unclosed tag and more"), "textunclosed tag and more");
    EXPECT_EQ(ToText("<!-- a comment -->kept"), "kept");
    EXPECT_EQ(ToText("<"), "");
    EXPECT_EQ(ToText("<>"), "");
    EXPECT_EQ(ToText(""), "");
}

TEST(HtmlToText, ReplacesTheTenEntitiesInTheirOrder)
{
    EXPECT_EQ(ToText("caf&eacute;"), "caf");
    EXPECT_EQ(ToText("a&nbsp;b&amp;c"), "a b&c");
    EXPECT_EQ(ToText("&aring;&auml;&eacute;&iacute;&igrave;&ograve;&ouml;&szlig;!"), "!");
    EXPECT_EQ(ToText("&amp;nbsp;"), "&nbsp;");    // "&nbsp;" ran before "&amp;"
    EXPECT_EQ(ToText("&amp;eacute;"), "");        // the letters run after "&amp;"
    EXPECT_EQ(ToText("&amp;amp;"), "&amp;");      // one step replaces once
    EXPECT_EQ(ToText("&au&aring;ml;"), "");       // a removal can form a later entity
    EXPECT_EQ(ToText("&ar&auml;ing;"), "&aring;");   // but not an earlier one
    EXPECT_EQ(ToText("&lt;&quot;&#233;"), "&lt;&quot;&#233;");
    EXPECT_EQ(ToText("&nbsp"), "&nbsp");
}

TEST(HtmlToText, UpperCaseEntitiesOnlyBesideTheLowerCaseSpelling)
{
    EXPECT_EQ(ToText("&NBSP;"), "&NBSP;");
    EXPECT_EQ(ToText("&NBSP;x&nbsp;"), " x ");
    EXPECT_EQ(ToText("&Eacute;t&eacute;"), "t");
    EXPECT_EQ(ToText("&AMP;"), "&AMP;");
    EXPECT_EQ(ToText("&AMP;<b>&amp;</b>"), "&&");
    // A lower-case spelling that only forms after tag stripping counts.
    EXPECT_EQ(ToText("&NBSP;&nb<i>sp;"), "  ");
}

TEST(TextOperations, AgreeWithTheLiteralAlgorithmsOnRandomPages)
{
    std::mt19937 random(2024);
    // Pieces that crowd "&" together (where one entity step can form the next entity) and
    // pieces that keep them apart, with long text runs and long tags so that the result
    // trails the page by more than a block.
    const std::string pieces[] = {
        "<", ">", "&", ";", "a", "A", " ", "\n", "\r", std::string(1, '\0'),
        "&nbsp;", "&NBSP;", "&amp;", "&AmP;", "&aring;", "&Auml;", "&eacute;", "&EACUTE;",
        "&iacute;", "&igrave;", "&ograve;", "&ouml;", "&szlig;", "&nb", "sp;", "amp;", "&au",
        "ml;", "<b>", "</b>", "<script>", "<SCRIPT", "/script>", "</ScRiPt>", "scri", "pt>",
        "\xC9", "\xE9", "plain text run of some length ", "<a href=\"/x?a=1&amp;b=2\" class=k>",
        "<!-- a longer comment that is a tag -->", "0123456789", "         ",
    };
    const std::size_t count = sizeof pieces / sizeof pieces[0];
    for (int round = 0; round < 6000; ++round) {
        std::string page;
        std::size_t parts = random() % (round % 3 == 0 ? 120 : 30);
        for (std::size_t i = 0; i < parts; ++i)
            page += pieces[random() % count];
        std::string text = page;
        HtmlToText(text);
        ASSERT_EQ(text, reference::HtmlToText(page)) << "page: " << page;
        ASSERT_EQ(RemoveScriptElements(page), reference::RemoveScripts(page)) << "page: " << page;
        ASSERT_EQ(ReplaceAllNoCase(page, "&Amp;", "&"), reference::ReplaceAllNoCase(page, "&Amp;", "&"))
            << "page: " << page;
        ASSERT_EQ(ReplaceAllNoCase(page, "a", "aA"), reference::ReplaceAllNoCase(page, "a", "aA"))
            << "page: " << page;
    }
}

TEST(TextOperations, CopeWithHugeAndBinaryPages)
{
    std::string page;
    std::mt19937 random(99);
    page.resize(3 * 1024 * 1024);
    for (char& c : page)
        c = static_cast<char>(random());
    std::string text = page;
    HtmlToText(text);
    EXPECT_LE(text.size(), page.size());
    EXPECT_LE(RemoveScriptElements(page).size(), page.size());
    std::string collapsed = page;
    CollapseLines(collapsed);
    EXPECT_EQ(collapsed.find('\n'), std::string::npos);
}
