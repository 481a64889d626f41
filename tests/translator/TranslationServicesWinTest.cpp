// The four translation services over the WinINet transport against a loopback server whose
// pages are shaped like each service's (tests/support/http_peer.py).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/HttpPeer_win.h"
#include "tests/support/MemoryProfile.h"
#include "translator/ServiceHosts.h"
#include "translator/TranslationServices.h"
#include "web/WinInetTransports_win.h"

namespace {

using wt::HttpPeer;

struct Service {
    int index;
    const char* hostKey;
    const char* path;
    const char* tag;       // how the peer marks its "translation"
    const char* pairCode;  // of pair 2, English to French
    const char* bodyBeforeText;
};

const Service kServices[] = {
    {0, "GoogleHost", "/translate_t", "google", "en|fr", "langpair=en|fr&hl=en&safe=off&text="},
    {1, "BabelFishHost", "/babelfish/tr/", "babelfish", "en_fr", "doit=none&intl=1&tt=urltext&lp=en_fr&urltext="},
    {2, "FreeTranslationHost", "/", "freetranslation", "English/French",
     "Language=English/French&Sequence=core&Mode=html&template=results_en-us.htm&SrcText="},
    {3, "VoilaHost", "/voila", "voila", "en_fr", "systran_lp=en_fr&systran_id=Voila-fr&systran_text="},
};

class Services : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(HttpPeer::Address().empty()) << "no HTTP peer runs beside the test (QV_HTTP_PEER)";
        HttpPeer::Reset();
        InstallWinInetTransports();
    }

    // Every service posts to the peer, behind an optional mode segment of its path.
    MemoryProfile Hosts(const std::string& mode = std::string(), const std::string& hostPort = HttpPeer::Address())
    {
        MemoryProfile profile;
        for (const Service& s : kServices)
            profile.WriteString("Translator", s.hostKey, (hostPort + mode).c_str());
        return profile;
    }

    std::unique_ptr<TranslationProvider> Run(const Service& s, const std::string& text, int pair,
                                             const Profile& hosts, TransportFactory* transports = nullptr)
    {
        std::unique_ptr<TranslationProvider> p = CreateTranslationProvider(s.index, text, pair, &hosts);
        if (transports)
            p->SetTransportFactory(transports);
        p->Run();
        return p;
    }
};

}  // namespace

TEST_F(Services, EachPostsItsFormAndCutsTheTranslationOutOfThePage)
{
    MemoryProfile hosts = Hosts();
    for (const Service& s : kServices) {
        auto p = Run(s, "Tom & Jerry", 2, hosts);
        EXPECT_FALSE(p->Failed()) << s.tag << ": " << p->ErrorText();
        // The peer decodes "%26" and escapes "&" in its page; the page's "&amp;" is read back.
        EXPECT_EQ(p->Result(), std::string(s.tag) + "[" + s.pairCode + "] Tom & Jerry");

        wt::PeerRequest got = HttpPeer::Last();
        ASSERT_TRUE(got.recorded);
        EXPECT_EQ(got.method, "POST") << s.tag;
        EXPECT_EQ(got.path, s.path);
        EXPECT_EQ(got.Header("Content-Type"), "application/x-www-form-urlencoded");
        EXPECT_EQ(got.body, std::string(s.bodyBeforeText) + "Tom %26 Jerry");
    }
    EXPECT_EQ(HttpPeer::Count(), 4);
}

TEST_F(Services, TextsAreSentAsTheyStandButForTheAmpersand)
{
    MemoryProfile hosts = Hosts();
    const Service& google = kServices[0];
    auto p = Run(google, "50%26 off caf\xE9 + more", 2, hosts);
    EXPECT_EQ(HttpPeer::Last().body, std::string(google.bodyBeforeText) + "50%26 off caf\xE9 + more");
    EXPECT_EQ(p->Result(), "google[en|fr] 50& off caf\xE9 + more");

    std::string longText;
    for (int i = 0; i < 2000; ++i)
        longText += static_cast<char>('a' + i % 26);
    p = Run(kServices[3], longText, 8, hosts);
    EXPECT_FALSE(p->Failed());
    EXPECT_EQ(HttpPeer::Last().body, "systran_lp=fr_en&systran_id=Voila-fr&systran_text=" + longText);
    EXPECT_EQ(p->Result(), "voila[fr_en] " + longText);
}

TEST_F(Services, ASeveralLineResultBecomesOneLine)
{
    MemoryProfile hosts = Hosts();
    auto p = Run(kServices[0], "first line\r\nsecond line\nthird", 5, hosts);
    EXPECT_FALSE(p->Failed());
    EXPECT_EQ(p->Result(), "google[de|en] first line\r second line third");
}

TEST_F(Services, APairTheServiceLacksFailsToParse)
{
    MemoryProfile hosts = Hosts();
    auto babel = Run(kServices[1], "text", 4, hosts);
    EXPECT_EQ(HttpPeer::Last().body, "doit=none&intl=1&tt=urltext&lp=&urltext=text");
    EXPECT_TRUE(babel->Failed());
    EXPECT_EQ(babel->ErrorText(), "Error parsing content");
    EXPECT_EQ(babel->Result(), "");
    auto freeTranslation = Run(kServices[2], "text", 9, hosts);
    EXPECT_TRUE(freeTranslation->Failed());
    // Voila knows Portuguese.
    auto voila = Run(kServices[3], "text", 4, hosts);
    EXPECT_FALSE(voila->Failed());
    EXPECT_EQ(voila->Result(), "voila[en_pt] text");
}

TEST_F(Services, ErrorPagesRefusalsAndSilenceFailAsParseErrors)
{
    MemoryProfile errors = Hosts("/status/500");
    MemoryProfile refused = Hosts("", HttpPeer::ClosedAddress());
    MemoryProfile silent = Hosts("/silent");
    WinInetTransports quick(1500);
    for (const Service& s : kServices) {
        auto e = Run(s, "text", 2, errors);
        EXPECT_TRUE(e->Failed()) << s.tag;
        EXPECT_EQ(e->ErrorText(), "Error parsing content");
        EXPECT_NE(e->Content().find("Error 500"), std::string::npos);

        auto r = Run(s, "text", 2, refused);
        EXPECT_TRUE(r->Failed()) << s.tag;
        EXPECT_EQ(r->ErrorText(), "Error parsing content");
        EXPECT_TRUE(r->Content().empty());

        DWORD started = GetTickCount();
        auto q = Run(s, "text", 2, silent, &quick);
        EXPECT_TRUE(q->Failed()) << s.tag;
        EXPECT_EQ(q->Result(), "");
        EXPECT_LT(GetTickCount() - started, 10000u);
    }
}

TEST_F(Services, HugeAnswersNulBytesAndMarkersSplitAcrossReads)
{
    for (const char* mode : {"/big", "/nul", "/split"}) {
        MemoryProfile hosts = Hosts(mode);
        for (const Service& s : kServices) {
            auto p = Run(s, "Hello", 2, hosts);
            EXPECT_FALSE(p->Failed()) << mode << " " << s.tag;
            EXPECT_EQ(p->Result(), std::string(s.tag) + "[" + s.pairCode + "] Hello") << mode;
        }
    }
    MemoryProfile big = Hosts("/big");
    auto p = Run(kServices[0], "Hello", 2, big);
    EXPECT_GT(p->Content().size(), 10u * 1024 * 1024);
}
