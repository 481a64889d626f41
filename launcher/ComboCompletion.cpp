#include "launcher/ComboCompletion.h"

#include "app/TextUtil.h"

namespace {
constexpr unsigned kBackspace = 0x08;
constexpr unsigned kReturn = 0x0D;
constexpr unsigned kEscape = 0x1B;
constexpr unsigned kDeleteKey = 0x2E;

constexpr std::string_view kWebPrefix = "http://www.";
// "ht" + these many characters is "http://www.".
constexpr int kWebPrefixRest = 9;
} // namespace

bool KeyEndsCompletion(unsigned virtualKey)
{
    return virtualKey == kBackspace || virtualKey == kReturn || virtualKey == kEscape || virtualKey == kDeleteKey;
}

bool CharacterEndsCompletion(unsigned character)
{
    return character == kBackspace || character == kReturn || character == kEscape;
}

bool CompletesText(std::string_view typed)
{
    return !typed.empty();
}

EditSelection CompletedSelection(std::string_view typed, const EditSelection* previous, std::string_view entry)
{
    const int typedLength = static_cast<int>(typed.size());
    const int entryLength = static_cast<int>(entry.size());
    if (previous && previous->end < typedLength)
        return *previous;
    int start = typedLength;
    if (typed.size() <= 2 && StartsWithNoCase(typed, "ht") && StartsWithNoCase(entry, kWebPrefix))
        start = typedLength + kWebPrefixRest;
    if (start > entryLength)
        start = entryLength;
    return {start, entryLength};
}
