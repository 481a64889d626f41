#include "web/NoCaseSearch.h"

#include <cstring>

#include "app/TextUtil.h"

namespace {

// Folding is looked up per byte in the hot loop, so it is tabled once.
struct FoldTable {
    unsigned char lower[256];
    FoldTable()
    {
        for (int b = 0; b < 256; ++b)
            lower[b] = static_cast<unsigned char>(ToLowerAnsi(static_cast<char>(b)));
    }
};
const FoldTable kFold;

unsigned char Fold(char c)
{
    return kFold.lower[static_cast<unsigned char>(c)];
}

// The other letter case of a folded byte, or the byte itself when it has none.
unsigned char OtherCase(unsigned char folded)
{
    unsigned char upper = static_cast<unsigned char>(ToUpperAnsi(static_cast<char>(folded)));
    return Fold(static_cast<char>(upper)) == folded ? upper : folded;
}

}  // namespace

NoCaseFinder::NoCaseFinder(std::string_view needle)
    : folded_(ToLowerAnsi(needle)), fail_(folded_.size(), 0)
{
    for (std::size_t i = 1, k = 0; i < folded_.size(); ++i) {
        while (k > 0 && folded_[i] != folded_[k])
            k = fail_[k - 1];
        if (folded_[i] == folded_[k])
            ++k;
        fail_[i] = k;
    }
    if (!folded_.empty()) {
        firstLower_ = static_cast<unsigned char>(folded_[0]);
        firstUpper_ = OtherCase(firstLower_);
    }
}

std::size_t NoCaseFinder::NextFirst(const char* text, std::size_t size, std::size_t from) const
{
    if (firstLower_ == firstUpper_) {
        const void* hit = std::memchr(text + from, firstLower_, size - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text) : npos;
    }
    for (std::size_t i = from; i < size; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == firstLower_ || c == firstUpper_)
            return i;
    }
    return npos;
}

std::size_t NoCaseFinder::FindIn(std::string_view text, std::size_t start) const
{
    const std::size_t n = text.size();
    const std::size_t m = folded_.size();
    if (start > n)
        return npos;
    if (m == 0)
        return start;
    const char* s = text.data();
    std::size_t i = start;
    std::size_t j = 0;   // needle characters matched so far
    while (i < n) {
        if (j == 0) {
            i = NextFirst(s, n, i);
            if (i == npos)
                return npos;
            j = 1;
            ++i;
        } else {
            char c = static_cast<char>(Fold(s[i]));
            while (j > 0 && c != folded_[j])
                j = fail_[j - 1];
            if (c == folded_[j])
                ++j;
            ++i;
        }
        if (j == m)
            return i - m;
    }
    return npos;
}

std::ptrdiff_t FindNoCase(std::string_view text, std::string_view needle, std::ptrdiff_t start)
{
    if (start < 0)
        return -1;
    std::size_t hit = NoCaseFinder(needle).FindIn(text, static_cast<std::size_t>(start));
    return hit == NoCaseFinder::npos ? -1 : static_cast<std::ptrdiff_t>(hit);
}
