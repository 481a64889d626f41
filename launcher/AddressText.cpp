#include "launcher/AddressText.h"

#include "app/TextUtil.h"

namespace {
bool IsSchemeChar(char c, bool first)
{
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (first)
        return letter;
    return letter || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// Length of a leading "scheme://", 0 when the text has none.
std::size_t SchemeLength(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSchemeChar(text[i], i == 0))
        ++i;
    if (i == 0 || text.substr(i, 3) != "://")
        return 0;
    return i + 3;
}

const char* SuffixFor(int keys)
{
    if (keys & kCompletionShift)
        return ".net";
    if (keys & kCompletionAlt)
        return ".fr";
    return ".com";
}
} // namespace

bool IsAddress(std::string_view text)
{
    std::string head = ToLowerAnsi(text.substr(0, kAddressTestChars));
    return StartsWith(head, "http://") || StartsWith(head, "https://") || StartsWith(head, "www.");
}

std::string CompleteAddress(std::string_view text, int keys)
{
    std::string copy = ToLowerAnsi(text.substr(0, kCompletionChars));
    std::size_t schemeLength = SchemeLength(copy);
    std::string_view rest = std::string_view(copy).substr(schemeLength);

    std::string result = schemeLength ? copy.substr(0, schemeLength) : std::string("http://");
    if (rest.find("www.") == std::string_view::npos)
        result += "www.";
    result.append(rest);

    // A suffix is added when the name has no dot of its own: none at all, or only the one
    // that ends a "www.". A name such as "slow.net" keeps its own ending.
    std::size_t lastDot = rest.rfind('.');
    bool onlyWwwDot = lastDot != std::string_view::npos && lastDot >= 3 &&
                      rest.substr(lastDot - 3, 4) == "www.";
    if (lastDot == std::string_view::npos || onlyWwwDot)
        result += SuffixFor(keys);
    return result;
}
