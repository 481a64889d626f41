#pragma once
// The search history and the translation history: most recent first, no duplicates, kept in
// the settings file (sections "SaveExpr" and "SaveTrad", keys numbered behind "Search").
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "launcher/ListTreeObserver.h"
#include "translator/LanguagePair.h"

class Profile;

struct SavedEntry {
    std::string text;
    std::string secondText;   // translation history: the translated text
    int value = 0;            // translation history: language pair 0..11
    int valueExt = 0;         // translation history: service 0..4
    // Translation history, memory only: the translation window is to show the stored result.
    bool showResult = false;

    bool Matches(const std::string& text_, const std::string& secondText_, int value_, int valueExt_) const
    {
        return text == text_ && secondText == secondText_ && value == value_ && valueExt == valueExt_;
    }
};

using SavedListObserver = ListTreeObserver<SavedEntry>;

// A string-table text by id (the Win32 side passes the resource loader).
using StringLookup = std::function<std::string(int id)>;

// Launcher tree categories of the two lists.
constexpr int kSearchHistoryCategory = 2;
constexpr int kTranslationHistoryCategory = 4;

// Entries read back at start; writing has no cap.
constexpr std::size_t kSavedListLoadMax = 100;
// Saved texts are read into 1024 characters.
constexpr std::size_t kSavedTextChars = 1023;
// Translation texts longer than this are shortened in descriptions.
constexpr std::size_t kDescribeShortChars = 30;

class SavedList {
public:
    enum class Kind { SearchHistory, TranslationHistory };

    explicit SavedList(Kind kind, StringLookup strings = StringLookup());

    Kind GetKind() const { return kind_; }
    const char* Section() const;
    static const char* KeyPrefix() { return "Search"; }
    int Category() const;

    void SetStrings(StringLookup strings) { strings_ = std::move(strings); }
    // The launcher's tree while it exists; null otherwise.
    void SetObserver(SavedListObserver* observer) { observer_ = observer; }

    // Replaces the entries by those of the section, at most 100; an empty or missing text ends it.
    void Load(const Profile& profile);
    // Rewrites the whole section.
    void Save(Profile& profile) const;

    // Puts (text, secondText, value, valueExt) at the top: an equal entry (all four fields)
    // moves there, else a new one is made. The observer hears of both and the list is saved.
    SavedEntry& Add(Profile& profile, const std::string& text, const std::string& secondText = std::string(),
                    int value = 0, int valueExt = 0);
    // Takes the entry out (the observer hears of it) and saves; false when it is not in the list.
    bool Remove(Profile& profile, const SavedEntry& entry);

    // The text the launcher's tree shows for entry index.
    std::string Describe(std::size_t index) const;

    std::size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    SavedEntry& At(std::size_t index) { return *entries_[index]; }
    const SavedEntry& At(std::size_t index) const { return *entries_[index]; }
    const std::vector<std::unique_ptr<SavedEntry>>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::string String(int id) const;
    std::string DescribeTranslation(const SavedEntry& entry) const;

    Kind kind_;
    StringLookup strings_;
    SavedListObserver* observer_ = nullptr;
    std::vector<std::unique_ptr<SavedEntry>> entries_;
};

// Names of the translation history's fields in the string table.
constexpr int kLanguagePairFirstString = 1047;   // 1047 + pair, pairs 0..11
constexpr int kWithString = 1080;                // "with"
// The service's name by number 0..4 (1045, 1046, 1066, 1067, 1068); 0 for another number.
int ServiceNameString(int service);
