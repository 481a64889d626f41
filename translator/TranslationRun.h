#pragma once
// One press of GO, apart from the window: the translation history's answer, the run of one
// service or of all four in turn, and what the history keeps of it.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Profile;
class SavedList;
struct SavedEntry;
class TranslationProvider;

// The service list's last item: every service in turn.
constexpr int kAllServices = 4;
// The source box takes 512 characters; its text is read into 1024.
constexpr std::size_t kSourceBoxChars = 512;
constexpr std::size_t kSourceReadChars = 1023;

// One answer of one service.
struct TranslationResult {
    std::string serviceName;
    std::string text;   // the translation, or the failure text
    bool failed = false;
};

// What a run needs of its window.
struct TranslationRunHooks {
    // The service's name as the service list shows it.
    std::function<std::string(int service)> serviceName;
    // Just before a service is asked (the window shows "Processing ..." and its progress).
    std::function<void(int service, const std::string& name)> beforeService;
    // The provider of a service; the window decides where it posts.
    std::function<std::unique_ptr<TranslationProvider>(int service, const std::string& text, int pair)>
        makeProvider;
    // What a failed service shows instead of a translation.
    std::string failureText;
};

struct TranslationOutcome {
    std::vector<TranslationResult> results;   // one per service asked, in order
    bool lastFailed = true;
    std::string lastText;                     // the last service's answer (or failure text)
};

// The history's entry for exactly this text, pair and service; null when there is none. The
// all-services choice is never answered from the history.
const SavedEntry* StoredTranslation(const SavedList& history, const std::string& text, int pair, int service);

// Asks service (or, with kAllServices, services 0 to 3 in turn) for text in pair.
TranslationOutcome RunTranslation(const TranslationRunHooks& hooks, const std::string& text, int pair, int service);

// A run whose last service succeeded goes to the top of the history (saved at once); false
// when nothing was stored.
bool StoreTranslation(SavedList& history, Profile& profile, const std::string& text, int pair, int service,
                      const TranslationOutcome& outcome);
