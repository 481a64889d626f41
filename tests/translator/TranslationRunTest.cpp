// One press of GO without the window: the history's answer, the run over one or all services,
// what the history keeps, and the window's remembered choices.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "launcher/SavedList.h"
#include "tests/support/MemoryProfile.h"
#include "tests/web/FakeTransports.h"
#include "translator/TranslationRun.h"
#include "translator/TranslationServices.h"
#include "translator/TranslatorSettings.h"

namespace {

const char* const kPages[] = {
    "<textarea name=q>G</textarea>",
    "<input name=\"q\" value=\"B\">",
    "<textarea name=\"dsttext\">F</textarea>",
    "<b>Voici le r\xE9sultat</b><td valign=top>V</td>",
};

// Services answer their page unless listed as failing; every service asked is noted.
struct Network {
    std::vector<bool> fails = {false, false, false, false};
    std::vector<int> asked;
    std::vector<std::unique_ptr<FakeNetwork>> fakes;

    TranslationRunHooks Hooks()
    {
        TranslationRunHooks hooks;
        hooks.failureText = "#ERROR";
        hooks.serviceName = [](int service) { return "S" + std::to_string(service); };
        hooks.beforeService = [this](int service, const std::string& name) {
            asked.push_back(service);
            EXPECT_EQ(name, "S" + std::to_string(service));
        };
        hooks.makeProvider = [this](int service, const std::string& text, int pair) {
            auto provider = CreateTranslationProvider(service, text, pair, nullptr);
            fakes.push_back(std::make_unique<FakeNetwork>());
            if (fails[static_cast<std::size_t>(service)])
                fakes.back()->Answers(500, "<html>Error</html>");
            else
                fakes.back()->Answers(200, kPages[service]);
            provider->SetTransportFactory(fakes.back().get());
            return provider;
        };
        return hooks;
    }
};

}  // namespace

TEST(TranslationRun, OneServiceIsAskedAndItsAnswerKept)
{
    Network net;
    TranslationOutcome out = RunTranslation(net.Hooks(), "x", 2, 3);
    EXPECT_EQ(net.asked, std::vector<int>{3});
    ASSERT_EQ(out.results.size(), 1u);
    EXPECT_EQ(out.results[0].serviceName, "S3");
    EXPECT_EQ(out.results[0].text, "V");
    EXPECT_FALSE(out.lastFailed);

    MemoryProfile profile;
    SavedList history(SavedList::Kind::TranslationHistory);
    EXPECT_TRUE(StoreTranslation(history, profile, "x", 2, 3, out));
    EXPECT_EQ(profile.ReadString("SaveTrad", "SearchStr1", "", 100), "V");
    EXPECT_EQ(profile.ReadString("SaveTrad", "SearchValExt1", "", 100), "3");
}

TEST(TranslationRun, AllServicesRunInOrderAndOnlyTheLastDecidesWhatIsStored)
{
    MemoryProfile profile;
    SavedList history(SavedList::Kind::TranslationHistory);

    Network voilaFails;
    voilaFails.fails = {false, false, false, true};
    TranslationOutcome out = RunTranslation(voilaFails.Hooks(), "x", 0, kAllServices);
    EXPECT_EQ(voilaFails.asked, (std::vector<int>{0, 1, 2, 3}));
    ASSERT_EQ(out.results.size(), 4u);
    EXPECT_EQ(out.results[1].text, "B");
    EXPECT_TRUE(out.results[3].failed);
    EXPECT_EQ(out.results[3].text, "#ERROR");
    EXPECT_FALSE(StoreTranslation(history, profile, "x", 0, kAllServices, out));
    EXPECT_TRUE(history.Empty());
    EXPECT_EQ(profile.writes, 0);

    Network googleFails;
    googleFails.fails = {true, false, false, false};
    out = RunTranslation(googleFails.Hooks(), "x", 0, kAllServices);
    EXPECT_TRUE(out.results[0].failed);
    EXPECT_TRUE(StoreTranslation(history, profile, "x", 0, kAllServices, out));
    EXPECT_EQ(history.At(0).secondText, "V");
    EXPECT_EQ(history.At(0).valueExt, kAllServices);
}

TEST(TranslationRun, TheHistoryAnswersOnlyTheSameTextPairAndServiceAndNeverAllServices)
{
    MemoryProfile profile;
    SavedList history(SavedList::Kind::TranslationHistory);
    history.Add(profile, "Hello", "Bonjour", 2, 0);
    history.Add(profile, "Hello", "Hallo", 0, 0);
    history.Add(profile, "Hello", "all", 2, kAllServices);

    const SavedEntry* hit = StoredTranslation(history, "Hello", 2, 0);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->secondText, "Bonjour");
    EXPECT_EQ(StoredTranslation(history, "hello", 2, 0), nullptr);
    EXPECT_EQ(StoredTranslation(history, "Hello ", 2, 0), nullptr);
    EXPECT_EQ(StoredTranslation(history, "Hello", 2, 1), nullptr);
    EXPECT_EQ(StoredTranslation(history, "Hello", 2, kAllServices), nullptr);
}

TEST(TranslatorSettings, RoundTripAndOutOfRangeChoices)
{
    MemoryProfile profile;
    TranslatorSettings saved;
    saved.lastLanguage = 11;
    saved.lastTranslator = 4;
    saved.closeAfterCommand = 1;
    saved.closeAfterCommand2 = 1;
    SaveTranslatorSettings(profile, saved);
    EXPECT_EQ(profile.ReadString("Translator", "LastLanguage", "", 10), "11");
    EXPECT_EQ(profile.ReadString("Translator", "CloseAfterCommand2", "", 10), "1");

    TranslatorSettings read;
    LoadTranslatorSettings(profile, read);
    EXPECT_EQ(read.lastLanguage, 11);
    EXPECT_EQ(read.lastTranslator, 4);
    EXPECT_EQ(read.closeAfterCommand, 1);
    EXPECT_EQ(read.closeAfterCommand2, 1);

    // A hand-edited file cannot leave the lists without a selection.
    profile.WriteString("Translator", "LastLanguage", "12");
    profile.WriteString("Translator", "LastTranslator", "-1");
    LoadTranslatorSettings(profile, read);
    EXPECT_EQ(read.lastLanguage, 0);
    EXPECT_EQ(read.lastTranslator, 0);

    MemoryProfile empty;
    LoadTranslatorSettings(empty, read);
    EXPECT_EQ(read.lastLanguage, 0);
    EXPECT_EQ(read.closeAfterCommand, 0);
}
