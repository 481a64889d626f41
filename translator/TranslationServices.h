#pragma once
// The four translation services. Each is made with the text and the language pair, and
// optionally the address base of its form (empty: the service's historic host).
#include <memory>
#include <string>

#include "translator/TranslationProvider.h"

class Profile;

class BabelFishProvider : public TranslationProvider {
public:
    BabelFishProvider(const std::string& sourceText, int languagePair,
                      std::string addressBase = "");
    ~BabelFishProvider() override;
    void GetUrl(std::string& url) override;
    void GetPostData(std::string& body) override;
    void ProcessContent() override;
};

class FreeTranslationProvider : public TranslationProvider {
public:
    FreeTranslationProvider(const std::string& sourceText, int languagePair,
                            std::string addressBase = "");
    ~FreeTranslationProvider() override;
    void GetUrl(std::string& url) override;
    void GetPostData(std::string& body) override;
    void ProcessContent() override;
};

class GoogleProvider : public TranslationProvider {
public:
    GoogleProvider(const std::string& sourceText, int languagePair, std::string addressBase = "");
    ~GoogleProvider() override;
    void GetUrl(std::string& url) override;
    void GetPostData(std::string& body) override;
    void ProcessContent() override;
};

class VoilaProvider : public TranslationProvider {
public:
    VoilaProvider(const std::string& sourceText, int languagePair, std::string addressBase = "");
    ~VoilaProvider() override;
    void GetUrl(std::string& url) override;
    void GetPostData(std::string& body) override;
    void ProcessContent() override;
};

// The provider of the translation window's service index (1 Babel Fish, 2 FreeTranslation,
// 3 Voila, any other Google), posting to the host the settings name for it, if any.
std::unique_ptr<TranslationProvider> CreateTranslationProvider(int serviceIndex,
                                                               const std::string& sourceText,
                                                               int languagePair,
                                                               const Profile* profile);
