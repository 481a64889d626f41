#pragma once
// A translation direction: index 0 to 11 in the order the translation window lists them, each
// named by string 1047 + index. Every service spells the pair its own way; an empty code
// means the service has no such pair (the form is still sent, and its answer fails to parse).

constexpr int kLanguagePairCount = 12;
constexpr int kLanguagePairFirstNameId = 1047;   // "English to German" ... "Portuguese to English"

bool IsLanguagePair(int index);
// The string id of the pair's name; 0 for an index outside 0 to 11.
int LanguagePairNameId(int index);

// The codes of each service; "" for a pair it lacks and for an index outside 0 to 11.
const char* BabelFishPairCode(int index);         // "en_de"
const char* FreeTranslationPairName(int index);   // "English/German"
const char* GooglePairCode(int index);            // "en|de" (Portuguese is "po")
const char* VoilaPairCode(int index);             // "en_de" (Portuguese is "pt")
