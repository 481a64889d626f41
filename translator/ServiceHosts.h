#pragma once
// Where each translation service's form is posted: the service's historic host unless the
// settings file names another in section "Translator" (a key per service). The value is a
// host with an optional port ("127.0.0.1:8080") or a whole address base with its scheme
// ("https://mirror.example"); plain http is the default scheme.
#include <cstddef>
#include <string>

class Profile;

// The order of the translation window's service list.
enum class TranslationService { Google = 0, BabelFish = 1, FreeTranslation = 2, Voila = 3 };

constexpr int kTranslationServiceCount = 4;
constexpr const char* kTranslatorSection = "Translator";
// Longest host value read from the settings file; a longer one is cut.
constexpr std::size_t kServiceHostMaxChars = 255;

const char* DefaultServiceHost(TranslationService service);
const char* ServiceHostKey(TranslationService service);

// "scheme://host[:port]" without a trailing "/", from a settings value; empty when the value
// holds nothing but blanks and slashes.
std::string AddressBaseFromHost(const std::string& value);

// The address base to post to: the settings value when there is one, else the historic host.
std::string ServiceAddressBase(const Profile* profile, TranslationService service);
