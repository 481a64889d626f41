#pragma once
// A translation service: posts the service's own HTML form with the text and the language
// pair, and cuts the translated text out of the result page. The services derive from this
// and supply the address, the form body and the markers of their page.
#include <initializer_list>
#include <string>

#include "web/ResourceProvider.h"

class TranslationProvider : public ResourceProvider {
public:
    // sourceText is sent with every "&" as "%26" and nothing else escaped. addressBase is
    // "scheme://host[:port]" of the service's form.
    TranslationProvider(const std::string& sourceText, int languagePair, std::string addressBase);
    ~TranslationProvider() override;

    void GetUrl(std::string& url) override;
    bool UsesDirectRequest() override;
    void GetPostData(std::string& body) override;
    void ProcessContent() override;

    // The translated text after a successful run; empty before and after a failure.
    std::string Result() const { return result_; }
    const std::string& SourceText() const { return sourceText_; }
    int LanguagePair() const { return languagePair_; }
    const std::string& AddressBase() const { return addressBase_; }

protected:
    // The frame every service's parse shares: skips past each marker in turn, takes the text
    // up to the last marker as the result and cleans it to one line of plain text. On any
    // missing marker the provider stays failed with "Error parsing content".
    void ParseResult(std::initializer_list<const char*> skipMarkers, const char* endMarker);

private:
    std::string sourceText_;
    std::string result_;
    int languagePair_;
    std::string addressBase_;
};
