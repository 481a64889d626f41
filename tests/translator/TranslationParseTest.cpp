// How each service's result page is read: the markers, each missing marker, several-line and
// marked-up results, failed fetches and hostile pages.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/web/FakeTransports.h"
#include "translator/TranslationServices.h"

using namespace std::string_literals;

namespace {

struct Outcome {
    bool failed;
    std::string error;
    std::string result;
};

Outcome Translate(int service, const std::string& page, int status = 200)
{
    FakeNetwork net;
    net.Answers(status, page);
    std::unique_ptr<TranslationProvider> p = CreateTranslationProvider(service, "source", 2, nullptr);
    p->SetTransportFactory(&net);
    p->Run();
    return {p->Failed(), p->ErrorText(), p->Result()};
}

void ExpectResult(int service, const std::string& page, const std::string& result)
{
    Outcome o = Translate(service, page);
    EXPECT_FALSE(o.failed) << page;
    EXPECT_EQ(o.error, "") << page;
    EXPECT_EQ(o.result, result) << page;
}

void ExpectParseError(int service, const std::string& page, int status = 200)
{
    Outcome o = Translate(service, page, status);
    EXPECT_TRUE(o.failed) << page;
    EXPECT_EQ(o.error, "Error parsing content") << page;
    EXPECT_EQ(o.result, "") << page;
}

const char* const kGoogle =
    "<html><form><TEXTAREA NAME=q rows=5>Bonjour le monde</textarea></form></html>";
const char* const kBabel =
    "<form><input type=hidden name=\"q\" VALUE=\"Bonjour le monde\"><input name=\"x\"></form>";
const char* const kFree =
    "<textarea name=\"srctext\">Hello</textarea><textarea name=\"dsttext\" cols=40>"
    "Bonjour le monde</TEXTAREA>";
const char* const kVoila =
    "<table><tr><td><b>Voici le r\xE9sultat de la traduction :</b></td></tr>"
    "<tr><TD VALIGN=TOP>Bonjour le monde</td></tr></table>";

}  // namespace

TEST(TranslationParse, EachServiceFindsItsResult)
{
    ExpectResult(0, kGoogle, "Bonjour le monde");
    ExpectResult(1, kBabel, "Bonjour le monde");
    ExpectResult(2, kFree, "Bonjour le monde");
    ExpectResult(3, kVoila, "Bonjour le monde");
}

TEST(TranslationParse, AnyMissingMarkerFails)
{
    // Google
    ExpectParseError(0, "<textarea name=x>Bonjour</textarea>");
    ExpectParseError(0, "<textarea name=q");
    ExpectParseError(0, "<textarea name=q>Bonjour");
    // Babel Fish
    ExpectParseError(1, "<input value=\"Bonjour\">");
    ExpectParseError(1, "<input name=\"q\" size=40>Bonjour");
    ExpectParseError(1, "<input name=\"q\" value=\"Bonjour\" >");
    // FreeTranslation
    ExpectParseError(2, "<textarea name=\"srctext\">Hello</textarea>");
    ExpectParseError(2, "<textarea name=\"dsttext\"");
    ExpectParseError(2, "<textarea name=\"dsttext\">Bonjour");
    // Voila: the heading alone is not enough.
    ExpectParseError(3, "<td valign=top>Bonjour</td>");
    ExpectParseError(3, "<b>Voici le r\xE9sultat");
    ExpectParseError(3, "<b>Voici le r\xE9sultat</b><td>Bonjour</td>");
    ExpectParseError(3, "<b>Voici le r\xE9sultat</b><td valign=top>Bonjour");
    // An empty page, as after a refused connection.
    for (int service = 0; service < 4; ++service)
        ExpectParseError(service, "");
}

TEST(TranslationParse, MarkersAreTakenInOrder)
{
    // The Voila cell must come after the heading; an earlier one does not count.
    ExpectResult(3, "<td valign=top>menu</td><b>Voici le r</b><td valign=top>oui</td>", "oui");
    // Babel Fish takes the first value after the field named q.
    ExpectResult(1, "<input value=\"no\"><input name=\"q\" value=\"yes\">", "yes");
}

TEST(TranslationParse, TheResultBecomesOneLineOfPlainText)
{
    ExpectResult(0, "<textarea name=q>\r\n  first line\r\nsecond line\nthird  \n</textarea>",
                 "first line\r second line third");
    ExpectResult(0, "<textarea name=q><b>caf&eacute;</b>&nbsp;cr&egrave;me &amp; co</textarea>",
                 "caf cr&egrave;me & co");
    ExpectResult(2, "<textarea name=\"dsttext\"></textarea>", "");
    ExpectResult(3, "<b>Voici le r</b><td valign=top>  <i>a</i> &lt;b&gt; </td>", "a &lt;b&gt;");
}

TEST(TranslationParse, AFailedFetchEndsAsAParseError)
{
    ExpectParseError(0, "<h1>Not Found</h1>", 404);
    ExpectParseError(1, "<h1>Service Unavailable</h1>", 503);
    // An error page that happens to hold the markers is read like any other.
    ExpectResult(0, kGoogle + ""s, "Bonjour le monde");
    Outcome o = Translate(0, kGoogle, 500);
    EXPECT_FALSE(o.failed);
    EXPECT_EQ(o.result, "Bonjour le monde");
}

TEST(TranslationParse, HostilePagesDoNotDerailTheParse)
{
    std::string binary;
    for (int i = 0; i < 100000; ++i)
        binary += static_cast<char>(i * 131 % 256);
    std::string page = binary + "\0<textarea name=q>Bon\0jour</textarea>"s + binary;
    ExpectResult(0, page, "Bon\0jour"s);   // NUL bytes neither end the page nor the result

    // A 10 MB answer with the result at its very end.
    std::string huge(10 * 1024 * 1024, 'x');
    for (std::size_t i = 0; i < huge.size(); i += 97)
        huge[i] = '<';
    ExpectResult(2, huge + "<textarea name=\"dsttext\">fin</textarea>", "fin");

    // Unclosed tags inside the result stay as text after the "<".
    ExpectResult(0, "<textarea name=q>a <b unclosed</textarea>", "a b unclosed");
    ExpectParseError(0, std::string(1024 * 1024, '<'));
}
