// What each service sends: address, method, header and the exact form body, for every pair.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/MemoryProfile.h"
#include "tests/web/FakeTransports.h"
#include "translator/LanguagePair.h"
#include "translator/ServiceHosts.h"
#include "translator/TranslationServices.h"

namespace {

HttpRequest SentBy(TranslationProvider& provider)
{
    FakeNetwork net;
    net.Answers(200, "");
    provider.SetTransportFactory(&net);
    provider.Run();
    EXPECT_EQ(net.sent.size(), 1u);
    return net.sent.empty() ? HttpRequest() : net.sent[0];
}

HttpRequest SentBy(int service, const std::string& text, int pair, const Profile* profile = nullptr)
{
    std::unique_ptr<TranslationProvider> provider = CreateTranslationProvider(service, text, pair, profile);
    return SentBy(*provider);
}

void ExpectFormPost(const HttpRequest& r, const char* host, const char* path)
{
    EXPECT_EQ(r.verb, "POST");
    EXPECT_TRUE(r.post);
    EXPECT_EQ(r.host, host);
    EXPECT_EQ(r.port, 80);
    EXPECT_FALSE(r.secure);
    EXPECT_EQ(r.path, path);
    EXPECT_EQ(r.address, std::string("http://") + host + path);
    EXPECT_EQ(r.headers, "Content-Type: application/x-www-form-urlencoded");
}

}  // namespace

TEST(LanguagePair, NamesAndCodesOfEveryPair)
{
    const char* const babel[] = {"en_de", "en_es", "en_fr", "en_it", "", "de_en",
                                 "", "es_en", "fr_en", "", "it_en", ""};
    const char* const freeNames[] = {"English/German", "English/Spanish", "English/French",
                                "English/Italian", "", "German/English", "", "Spanish/English",
                                "French/English", "", "Italian/English", ""};
    const char* const google[] = {"en|de", "en|es", "en|fr", "en|it", "en|po", "de|en",
                                  "de|fr", "es|en", "fr|en", "fr|de", "it|en", "po|en"};
    const char* const voila[] = {"en_de", "en_es", "en_fr", "en_it", "en_pt", "de_en",
                                 "de_fr", "es_en", "fr_en", "fr_de", "it_en", "pt_en"};
    for (int i = 0; i < kLanguagePairCount; ++i) {
        EXPECT_EQ(LanguagePairNameId(i), 1047 + i);
        EXPECT_STREQ(BabelFishPairCode(i), babel[i]) << i;
        EXPECT_STREQ(FreeTranslationPairName(i), freeNames[i]) << i;
        EXPECT_STREQ(GooglePairCode(i), google[i]) << i;
        EXPECT_STREQ(VoilaPairCode(i), voila[i]) << i;
    }
    for (int bad : {-1, 12, 1000}) {
        EXPECT_FALSE(IsLanguagePair(bad));
        EXPECT_EQ(LanguagePairNameId(bad), 0);
        EXPECT_STREQ(GooglePairCode(bad), "");
        EXPECT_STREQ(VoilaPairCode(bad), "");
    }
}

TEST(TranslationRequest, EachServicePostsItsFormForEveryPair)
{
    for (int pair = 0; pair < kLanguagePairCount; ++pair) {
        HttpRequest g = SentBy(0, "Hello world", pair);
        ExpectFormPost(g, "translate.google.com", "/translate_t");
        EXPECT_EQ(g.body, std::string("langpair=") + GooglePairCode(pair) +
                              "&hl=en&safe=off&text=Hello world");

        HttpRequest b = SentBy(1, "Hello world", pair);
        ExpectFormPost(b, "babelfish.altavista.com", "/babelfish/tr/");
        EXPECT_EQ(b.body, std::string("doit=none&intl=1&tt=urltext&lp=") + BabelFishPairCode(pair) +
                              "&urltext=Hello world");

        HttpRequest f = SentBy(2, "Hello world", pair);
        ExpectFormPost(f, "ets.freetranslation.com", "/");
        EXPECT_EQ(f.body, std::string("Language=") + FreeTranslationPairName(pair) +
                              "&Sequence=core&Mode=html&template=results_en-us.htm"
                              "&SrcText=Hello world");

        HttpRequest v = SentBy(3, "Hello world", pair);
        ExpectFormPost(v, "trad.voila.fr", "/voila");
        EXPECT_EQ(v.body, std::string("systran_lp=") + VoilaPairCode(pair) +
                              "&systran_id=Voila-fr&systran_text=Hello world");
    }
    // Any other service index is Google.
    EXPECT_EQ(SentBy(4, "x", 0).path, "/translate_t");
    EXPECT_EQ(SentBy(-1, "x", 0).path, "/translate_t");
}

TEST(TranslationRequest, APairTheServiceLacksIsSentWithAnEmptyCode)
{
    EXPECT_EQ(SentBy(1, "text", 4).body, "doit=none&intl=1&tt=urltext&lp=&urltext=text");
    EXPECT_EQ(SentBy(2, "text", 6).body,
              "Language=&Sequence=core&Mode=html&template=results_en-us.htm&SrcText=text");
    EXPECT_EQ(SentBy(0, "text", 99).body, "langpair=&hl=en&safe=off&text=text");
}

TEST(TranslationRequest, OnlyTheAmpersandIsEscaped)
{
    EXPECT_EQ(SentBy(0, "Tom & Jerry&Co", 2).body,
              "langpair=en|fr&hl=en&safe=off&text=Tom %26 Jerry%26Co");
    // A text that already holds "%26" goes as it stands.
    EXPECT_EQ(SentBy(0, "50%26 off", 2).body, "langpair=en|fr&hl=en&safe=off&text=50%26 off");
    std::string raw = "a+b=c %41\r\nd\xE9";
    EXPECT_EQ(SentBy(3, raw, 8).body, "systran_lp=fr_en&systran_id=Voila-fr&systran_text=" + raw);
    GoogleProvider p("x&y", 0);
    EXPECT_EQ(p.SourceText(), "x%26y");
    EXPECT_EQ(p.Result(), "");
}

TEST(TranslationRequest, ALongTextIsSentWhole)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += (i % 100 == 0) ? '&' : static_cast<char>('a' + i % 26);
    HttpRequest r = SentBy(1, text, 0);
    std::string escaped = text;
    for (std::size_t at = escaped.find('&'); at != std::string::npos; at = escaped.find('&', at + 3))
        escaped.replace(at, 1, "%26");
    EXPECT_EQ(r.body, "doit=none&intl=1&tt=urltext&lp=en_de&urltext=" + escaped);
    EXPECT_EQ(r.body.size(), 45u + 2000u + 2u * 20u);
}

TEST(ServiceHosts, TheSettingsFileCanPointEachServiceElsewhere)
{
    MemoryProfile profile;
    profile.WriteString("Translator", "GoogleHost", "127.0.0.1:8080");
    profile.WriteString("Translator", "babelfishhost", " http://localhost:9000/ ");
    profile.WriteString("Translator", "FreeTranslationHost", "https://mirror.example");
    profile.WriteString("Translator", "VoilaHost", "   ");

    HttpRequest g = SentBy(0, "x", 0, &profile);
    EXPECT_EQ(g.address, "http://127.0.0.1:8080/translate_t");
    EXPECT_EQ(g.host, "127.0.0.1");
    EXPECT_EQ(g.port, 8080);
    EXPECT_FALSE(g.secure);

    HttpRequest b = SentBy(1, "x", 0, &profile);
    EXPECT_EQ(b.address, "http://localhost:9000/babelfish/tr/");

    HttpRequest f = SentBy(2, "x", 0, &profile);
    EXPECT_EQ(f.address, "https://mirror.example/");
    EXPECT_TRUE(f.secure);
    EXPECT_EQ(f.port, 443);

    EXPECT_EQ(SentBy(3, "x", 0, &profile).address, "http://trad.voila.fr/voila");   // blank: default
}

TEST(ServiceHosts, KeysAndAddressBases)
{
    EXPECT_STREQ(ServiceHostKey(TranslationService::Google), "GoogleHost");
    EXPECT_STREQ(ServiceHostKey(TranslationService::BabelFish), "BabelFishHost");
    EXPECT_STREQ(ServiceHostKey(TranslationService::FreeTranslation), "FreeTranslationHost");
    EXPECT_STREQ(ServiceHostKey(TranslationService::Voila), "VoilaHost");
    EXPECT_EQ(AddressBaseFromHost("h"), "http://h");
    EXPECT_EQ(AddressBaseFromHost("h:81//"), "http://h:81");
    EXPECT_EQ(AddressBaseFromHost("/"), "");
    EXPECT_EQ(AddressBaseFromHost(""), "");
}
