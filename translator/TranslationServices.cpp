#include "translator/TranslationServices.h"

#include <utility>

#include "translator/LanguagePair.h"
#include "translator/ServiceHosts.h"

namespace {

std::string BaseOr(std::string addressBase, TranslationService service)
{
    return addressBase.empty() ? ServiceAddressBase(nullptr, service) : std::move(addressBase);
}

}  // namespace

// ---- Babel Fish: the value of the field named q.

BabelFishProvider::BabelFishProvider(const std::string& sourceText, int languagePair,
                                     std::string addressBase)
    : TranslationProvider(sourceText, languagePair,
                          BaseOr(std::move(addressBase), TranslationService::BabelFish))
{
}

BabelFishProvider::~BabelFishProvider() = default;

void BabelFishProvider::GetUrl(std::string& url)
{
    url = AddressBase() + "/babelfish/tr/";
}

void BabelFishProvider::GetPostData(std::string& body)
{
    body = "doit=none&intl=1&tt=urltext&lp=";
    body += BabelFishPairCode(LanguagePair());
    body += "&urltext=";
    body += SourceText();
}

void BabelFishProvider::ProcessContent()
{
    ParseResult({"name=\"q\"", "value=\""}, "\">");
}

// ---- FreeTranslation: the contents of the result text area.

FreeTranslationProvider::FreeTranslationProvider(const std::string& sourceText, int languagePair,
                                                 std::string addressBase)
    : TranslationProvider(sourceText, languagePair,
                          BaseOr(std::move(addressBase), TranslationService::FreeTranslation))
{
}

FreeTranslationProvider::~FreeTranslationProvider() = default;

void FreeTranslationProvider::GetUrl(std::string& url)
{
    url = AddressBase() + "/";
}

void FreeTranslationProvider::GetPostData(std::string& body)
{
    body = "Language=";
    body += FreeTranslationPairName(LanguagePair());
    body += "&Sequence=core";
    body += "&Mode=html";
    body += "&template=results_en-us.htm";
    body += "&SrcText=";
    body += SourceText();
}

void FreeTranslationProvider::ProcessContent()
{
    ParseResult({"<textarea name=\"dsttext\"", ">"}, "</textarea>");
}

// ---- Google: the contents of the text area named q.

GoogleProvider::GoogleProvider(const std::string& sourceText, int languagePair,
                               std::string addressBase)
    : TranslationProvider(sourceText, languagePair,
                          BaseOr(std::move(addressBase), TranslationService::Google))
{
}

GoogleProvider::~GoogleProvider() = default;

void GoogleProvider::GetUrl(std::string& url)
{
    url = AddressBase() + "/translate_t";
}

void GoogleProvider::GetPostData(std::string& body)
{
    body = "langpair=";
    body += GooglePairCode(LanguagePair());
    body += "&hl=en";
    body += "&safe=off";
    body += "&text=";
    body += SourceText();
}

void GoogleProvider::ProcessContent()
{
    ParseResult({"<textarea name=q", ">"}, "</textarea>");
}

// ---- Voila: the first top-aligned cell after the bold heading "Voici le r...".

VoilaProvider::VoilaProvider(const std::string& sourceText, int languagePair,
                             std::string addressBase)
    : TranslationProvider(sourceText, languagePair,
                          BaseOr(std::move(addressBase), TranslationService::Voila))
{
}

VoilaProvider::~VoilaProvider() = default;

void VoilaProvider::GetUrl(std::string& url)
{
    url = AddressBase() + "/voila";
}

void VoilaProvider::GetPostData(std::string& body)
{
    body = "systran_lp=";
    body += VoilaPairCode(LanguagePair());
    body += "&systran_id=Voila-fr";
    body += "&systran_text=";
    body += SourceText();
}

void VoilaProvider::ProcessContent()
{
    ParseResult({"<b>Voici le r", "</b>", "<td valign=top>"}, "</td>");
}

std::unique_ptr<TranslationProvider> CreateTranslationProvider(int serviceIndex,
                                                               const std::string& sourceText,
                                                               int languagePair,
                                                               const Profile* profile)
{
    switch (serviceIndex) {
    case 1:
        return std::make_unique<BabelFishProvider>(
            sourceText, languagePair, ServiceAddressBase(profile, TranslationService::BabelFish));
    case 2:
        return std::make_unique<FreeTranslationProvider>(
            sourceText, languagePair,
            ServiceAddressBase(profile, TranslationService::FreeTranslation));
    case 3:
        return std::make_unique<VoilaProvider>(
            sourceText, languagePair, ServiceAddressBase(profile, TranslationService::Voila));
    default:
        return std::make_unique<GoogleProvider>(
            sourceText, languagePair, ServiceAddressBase(profile, TranslationService::Google));
    }
}
