#include "launcher/SavedList.h"

#include <algorithm>

#include "app/Profile.h"
#include "app/TextUtil.h"

namespace {
// Numbers are read into 64 characters.
constexpr std::size_t kNumberChars = 63;

std::string Key(const char* middle, std::size_t index)
{
    return std::string(SavedList::KeyPrefix()) + middle + std::to_string(index);
}

std::string Shorten(const std::string& text)
{
    if (text.size() <= kDescribeShortChars)
        return text;
    return text.substr(0, kDescribeShortChars) + "...";
}
} // namespace

int ServiceNameString(int service)
{
    static const int kServiceStrings[] = {1045, 1046, 1066, 1067, 1068};
    if (service < 0 || service >= 5)
        return 0;
    return kServiceStrings[service];
}

SavedList::SavedList(Kind kind, StringLookup strings) : kind_(kind), strings_(std::move(strings)) {}

const char* SavedList::Section() const
{
    return kind_ == Kind::SearchHistory ? "SaveExpr" : "SaveTrad";
}

int SavedList::Category() const
{
    return kind_ == Kind::SearchHistory ? kSearchHistoryCategory : kTranslationHistoryCategory;
}

void SavedList::Load(const Profile& profile)
{
    entries_.clear();
    const char* section = Section();
    for (std::size_t i = 1; i <= kSavedListLoadMax; ++i) {
        std::string text = profile.ReadString(section, Key("", i).c_str(), "", kSavedTextChars);
        if (text.empty())
            break;
        auto entry = std::make_unique<SavedEntry>();
        entry->text = std::move(text);
        entry->secondText = profile.ReadString(section, Key("Str", i).c_str(), "", kSavedTextChars);
        entry->value = LeadingInt(profile.ReadString(section, Key("Val", i).c_str(), "0", kNumberChars).c_str());
        entry->valueExt =
            LeadingInt(profile.ReadString(section, Key("ValExt", i).c_str(), "0", kNumberChars).c_str());
        entries_.push_back(std::move(entry));
    }
}

void SavedList::Save(Profile& profile) const
{
    const char* section = Section();
    profile.DeleteSection(section);
    std::size_t i = 1;
    for (const auto& entry : entries_) {
        profile.WriteString(section, Key("", i).c_str(), entry->text.c_str());
        profile.WriteString(section, Key("Str", i).c_str(), entry->secondText.c_str());
        if (entry->value != 0)
            profile.WriteInt(section, Key("Val", i).c_str(), entry->value);
        if (entry->valueExt != 0)
            profile.WriteInt(section, Key("ValExt", i).c_str(), entry->valueExt);
        ++i;
    }
}

SavedEntry& SavedList::Add(Profile& profile, const std::string& text, const std::string& secondText, int value,
                           int valueExt)
{
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const std::unique_ptr<SavedEntry>& e) {
        return e->Matches(text, secondText, value, valueExt);
    });
    std::unique_ptr<SavedEntry> entry;
    if (found != entries_.end()) {
        entry = std::move(*found);
        entries_.erase(found);
        if (observer_)
            observer_->EntryRemoved(Category(), *entry);
    } else {
        entry = std::make_unique<SavedEntry>();
        entry->text = text;
        entry->secondText = secondText;
        entry->value = value;
        entry->valueExt = valueExt;
    }
    entries_.insert(entries_.begin(), std::move(entry));
    SavedEntry& top = *entries_.front();
    if (observer_)
        observer_->EntryInsertedFirst(Category(), top, Describe(0));
    Save(profile);
    return top;
}

bool SavedList::Remove(Profile& profile, const SavedEntry& entry)
{
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const std::unique_ptr<SavedEntry>& e) { return e.get() == &entry; });
    if (found == entries_.end())
        return false;
    std::unique_ptr<SavedEntry> removed = std::move(*found);
    entries_.erase(found);
    if (observer_)
        observer_->EntryRemoved(Category(), *removed);
    Save(profile);
    return true;
}

std::string SavedList::String(int id) const
{
    return strings_ && id != 0 ? strings_(id) : std::string();
}

std::string SavedList::Describe(std::size_t index) const
{
    if (index >= entries_.size())
        return std::string();
    const SavedEntry& entry = *entries_[index];
    if (kind_ == Kind::SearchHistory)
        return entry.text;
    return DescribeTranslation(entry);
}

std::string SavedList::DescribeTranslation(const SavedEntry& entry) const
{
    // A pair number outside the table would name an unrelated string; show no pair instead.
    std::string pair = entry.value >= 0 && entry.value < kLanguagePairCount
                           ? String(kLanguagePairFirstString + entry.value)
                           : std::string();
    return "{" + Shorten(entry.text) + "}   " + pair + "   {" + Shorten(entry.secondText) + "}   " +
           String(kWithString) + "   {" + String(ServiceNameString(entry.valueExt)) + "}";
}
