#include "translator/TranslationRun.h"

#include "launcher/SavedList.h"
#include "translator/TranslationProvider.h"

const SavedEntry* StoredTranslation(const SavedList& history, const std::string& text, int pair, int service)
{
    if (service == kAllServices)
        return nullptr;
    for (const auto& entry : history.Entries())
        if (entry->text == text && entry->value == pair && entry->valueExt == service)
            return entry.get();
    return nullptr;
}

TranslationOutcome RunTranslation(const TranslationRunHooks& hooks, const std::string& text, int pair, int service)
{
    TranslationOutcome outcome;
    bool all = service == kAllServices;
    int first = all ? 0 : service;
    int last = all ? kAllServices - 1 : service;
    for (int s = first; s <= last; ++s) {
        std::string name = hooks.serviceName ? hooks.serviceName(s) : std::string();
        if (hooks.beforeService)
            hooks.beforeService(s, name);
        std::unique_ptr<TranslationProvider> provider = hooks.makeProvider(s, text, pair);
        TranslationResult result;
        result.serviceName = name;
        if (provider)
            provider->Run();
        result.failed = !provider || provider->Failed();
        result.text = result.failed ? hooks.failureText : provider->Result();
        outcome.lastFailed = result.failed;
        outcome.lastText = result.text;
        outcome.results.push_back(std::move(result));
    }
    return outcome;
}

bool StoreTranslation(SavedList& history, Profile& profile, const std::string& text, int pair, int service,
                      const TranslationOutcome& outcome)
{
    if (outcome.results.empty() || outcome.lastFailed)
        return false;
    history.Add(profile, text, outcome.lastText, pair, service);
    return true;
}
