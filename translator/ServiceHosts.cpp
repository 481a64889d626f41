#include "translator/ServiceHosts.h"

#include "app/Profile.h"
#include "app/TextUtil.h"

const char* DefaultServiceHost(TranslationService service)
{
    switch (service) {
    case TranslationService::BabelFish: return "babelfish.altavista.com";
    case TranslationService::FreeTranslation: return "ets.freetranslation.com";
    case TranslationService::Voila: return "trad.voila.fr";
    case TranslationService::Google: break;
    }
    return "translate.google.com";
}

const char* ServiceHostKey(TranslationService service)
{
    switch (service) {
    case TranslationService::BabelFish: return "BabelFishHost";
    case TranslationService::FreeTranslation: return "FreeTranslationHost";
    case TranslationService::Voila: return "VoilaHost";
    case TranslationService::Google: break;
    }
    return "GoogleHost";
}

std::string AddressBaseFromHost(const std::string& value)
{
    std::string base = Trim(value);
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    if (base.empty())
        return base;
    if (base.find("://") == std::string::npos)
        base.insert(0, "http://");
    return base;
}

std::string ServiceAddressBase(const Profile* profile, TranslationService service)
{
    if (profile) {
        std::string configured = AddressBaseFromHost(profile->ReadString(
            kTranslatorSection, ServiceHostKey(service), "", kServiceHostMaxChars));
        if (!configured.empty())
            return configured;
    }
    return AddressBaseFromHost(DefaultServiceHost(service));
}
