#include "translator/TranslatorSettings.h"

#include "app/Profile.h"
#include "translator/LanguagePair.h"
#include "translator/ServiceHosts.h"

namespace {

constexpr int kServicesWithAll = kTranslationServiceCount + 1;

int Within(int value, int count)
{
    return value >= 0 && value < count ? value : 0;
}

}  // namespace

TranslatorSettings& Translator()
{
    static TranslatorSettings settings;
    return settings;
}

void LoadTranslatorSettings(const Profile& profile, TranslatorSettings& settings)
{
    settings.lastLanguage = Within(profile.ReadInt(kTranslatorSection, "LastLanguage", 0), kLanguagePairCount);
    settings.lastTranslator = Within(profile.ReadInt(kTranslatorSection, "LastTranslator", 0), kServicesWithAll);
    settings.closeAfterCommand = profile.ReadInt(kTranslatorSection, "CloseAfterCommand", 0);
    settings.closeAfterCommand2 = profile.ReadInt(kTranslatorSection, "CloseAfterCommand2", 0);
}

void SaveTranslatorSettings(Profile& profile, const TranslatorSettings& settings)
{
    profile.WriteInt(kTranslatorSection, "LastLanguage", settings.lastLanguage);
    profile.WriteInt(kTranslatorSection, "LastTranslator", settings.lastTranslator);
    profile.WriteInt(kTranslatorSection, "CloseAfterCommand", settings.closeAfterCommand);
    profile.WriteInt(kTranslatorSection, "CloseAfterCommand2", settings.closeAfterCommand2);
}
