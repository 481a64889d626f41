#include "launcher/EngineTable.h"

#include <string>

#include "app/OptionRecord.h"
#include "app/Profile.h"

namespace {
// Engine values are read into 2048 characters.
constexpr std::size_t kEngineValueChars = 2047;
// No settings value can hold this, so it tells a missing key from a present one.
const char kMissing[] = "\x01missing";
} // namespace

void LoadEngines(LinkList& engines, const Profile& profile)
{
    engines.clear();
    for (std::size_t i = 1; i <= kEngineLoadMax; ++i) {
        std::string key = kEngineSection + std::to_string(i);
        std::string value = profile.ReadString(kEngineSection, key.c_str(), kMissing, kEngineValueChars);
        if (value == kMissing)
            break;
        auto engine = std::make_unique<LinkEntry>();
        if (engine->Parse(value))
            engines.push_back(std::move(engine));
    }
}

void LoadEngines(OptionRecord& options, const Profile& profile)
{
    LoadEngines(options.engines, profile);
}

void SaveEngines(const OptionRecord& options, Profile& profile)
{
    profile.DeleteSection(kEngineSection);
    int i = 1;
    for (const auto& engine : options.engines)
        engine->Write(profile, kEngineSection, i++);
    profile.WriteString("Options", "Favorite", options.Favorite.c_str());
    profile.WriteString("Options", "TranslateURL", options.TranslateURL.c_str());
}

void OpenEnginesWorkingCopy(OptionRecord& options)
{
    CopyLinkList(options.engines, options.enginesWork);
}

void ApplyEnginesWorkingCopy(OptionRecord& options, Profile& profile)
{
    CopyLinkList(options.enginesWork, options.engines);
    SaveEngines(options, profile);
}
