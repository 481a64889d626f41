#include "translator/TranslationProvider.h"

#include <utility>

#include "web/HtmlText.h"

TranslationProvider::TranslationProvider(const std::string& sourceText, int languagePair,
                                         std::string addressBase)
    : sourceText_(ReplaceAllNoCase(sourceText, "&", "%26")),
      languagePair_(languagePair),
      addressBase_(std::move(addressBase))
{
}

TranslationProvider::~TranslationProvider() = default;

void TranslationProvider::GetUrl(std::string&) {}
bool TranslationProvider::UsesDirectRequest() { return true; }
void TranslationProvider::GetPostData(std::string&) {}
void TranslationProvider::ProcessContent() {}

void TranslationProvider::ParseResult(std::initializer_list<const char*> skipMarkers,
                                      const char* endMarker)
{
    SetFailed(true);
    SetErrorText("Error parsing content");
    result_.clear();
    for (const char* marker : skipMarkers)
        if (!SkipPast(marker))
            return;
    std::string piece;
    if (!ExtractUntil(endMarker, piece))
        return;
    CollapseLines(piece);
    HtmlToText(piece);
    result_ = std::move(piece);
    SetFailed(false);
    SetErrorText(std::string());
}
