#include "translator/LanguagePair.h"

namespace {

struct PairCodes {
    const char* babelFish;
    const char* freeTranslation;
    const char* google;
    const char* voila;
};

const PairCodes kPairs[kLanguagePairCount] = {
    {"en_de", "English/German", "en|de", "en_de"},     // English to German
    {"en_es", "English/Spanish", "en|es", "en_es"},    // English to Spanish
    {"en_fr", "English/French", "en|fr", "en_fr"},     // English to French
    {"en_it", "English/Italian", "en|it", "en_it"},    // English to Italian
    {"", "", "en|po", "en_pt"},                        // English to Portuguese
    {"de_en", "German/English", "de|en", "de_en"},     // German to English
    {"", "", "de|fr", "de_fr"},                        // German to French
    {"es_en", "Spanish/English", "es|en", "es_en"},    // Spanish to English
    {"fr_en", "French/English", "fr|en", "fr_en"},     // French to English
    {"", "", "fr|de", "fr_de"},                        // French to German
    {"it_en", "Italian/English", "it|en", "it_en"},    // Italian to English
    {"", "", "po|en", "pt_en"},                        // Portuguese to English
};

const PairCodes kNoPair = {"", "", "", ""};

const PairCodes& Codes(int index)
{
    return IsLanguagePair(index) ? kPairs[index] : kNoPair;
}

}  // namespace

bool IsLanguagePair(int index)
{
    return index >= 0 && index < kLanguagePairCount;
}

int LanguagePairNameId(int index)
{
    return IsLanguagePair(index) ? kLanguagePairFirstNameId + index : 0;
}

const char* BabelFishPairCode(int index) { return Codes(index).babelFish; }
const char* FreeTranslationPairName(int index) { return Codes(index).freeTranslation; }
const char* GooglePairCode(int index) { return Codes(index).google; }
const char* VoilaPairCode(int index) { return Codes(index).voila; }
