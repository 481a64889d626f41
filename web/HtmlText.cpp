#include "web/HtmlText.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "web/NoCaseSearch.h"

namespace {

// Scanning 16 bytes at a time: the index of the first byte equal to a or b in p[0..16), or
// 16 when there is none. GCC's vector types make this a few SSE2 instructions where the
// target has them and plain integer code elsewhere; the result is the same.
constexpr std::size_t kBlock = 16;
typedef unsigned char Block __attribute__((vector_size(kBlock)));

inline std::size_t FirstOf(const char* p, unsigned char a, unsigned char b)
{
    Block bytes;
    std::memcpy(&bytes, p, kBlock);
    Block hits = reinterpret_cast<Block>((bytes == a) | (bytes == b));
    std::uint64_t low, high;
    std::memcpy(&low, &hits, 8);
    std::memcpy(&high, reinterpret_cast<const char*>(&hits) + 8, 8);
    if ((low | high) == 0)
        return kBlock;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    return low ? static_cast<std::size_t>(__builtin_ctzll(low)) >> 3
               : 8 + (static_cast<std::size_t>(__builtin_ctzll(high)) >> 3);
#else
    std::size_t i = 0;
    while (static_cast<unsigned char>(p[i]) != a && static_cast<unsigned char>(p[i]) != b)
        ++i;
    return i;
#endif
}

// Copies len bytes down to dst (dst <= src; the ranges may overlap). When dst trails src by
// a block or more, it copies whole blocks and may write up to a block past dst + len: those
// bytes lie in what was already read and are overwritten by whatever comes next. It never
// reads at or beyond limit.
inline void MoveDown(char* dst, const char* src, std::size_t len, const char* limit)
{
    if (dst == src || len == 0)
        return;
    if (static_cast<std::size_t>(src - dst) >= kBlock) {
        const char* end = src + len;
        const std::ptrdiff_t block = static_cast<std::ptrdiff_t>(kBlock);
        for (; src < end && limit - src >= block; src += kBlock, dst += kBlock)
            std::memcpy(dst, src, kBlock);
        while (src < end)
            *dst++ = *src++;
    } else {
        std::memmove(dst, src, len);
    }
}

// Removes the tags in place (the text only shrinks, so the write position never passes the
// read position) and notes where each "&" of the result stands.
std::size_t StripTags(char* s, std::size_t n, std::vector<std::size_t>& amps)
{
    std::size_t r = 0, w = 0;
    for (;;) {
        // Outside a tag: copy up to the next "<", noting each "&".
        for (;;) {
            std::size_t run;
            if (r + kBlock <= n) {
                run = FirstOf(s + r, '<', '&');
            } else {
                run = 0;
                while (r + run < n && s[r + run] != '<' && s[r + run] != '&')
                    ++run;
            }
            MoveDown(s + w, s + r, run, s + n);
            r += run;
            w += run;
            if (r >= n)
                return w;
            if (run == kBlock)
                continue;
            if (s[r] == '<')
                break;
            amps.push_back(w);
            s[w++] = s[r++];
        }

        // Inside a tag: skip to the next ">".
        std::size_t open = r++;
        for (;;) {
            std::size_t run;
            if (r + kBlock <= n) {
                run = FirstOf(s + r, '>', '>');
            } else {
                run = 0;
                while (r + run < n && s[r + run] != '>')
                    ++run;
            }
            r += run;
            if (run < kBlock || r >= n)
                break;
        }
        if (r < n) {
            ++r;
            continue;
        }

        // No ">" after it: the "<" alone is dropped and the rest is kept as it stands.
        for (r = open + 1; r < n; ++r) {
            if (s[r] == '&')
                amps.push_back(w);
            s[w++] = s[r];
        }
        return w;
    }
}

struct Entity {
    std::string_view spelling;      // lower case, as the presence test wants it
    std::string_view replacement;   // never longer than the spelling
};

// The order matters: "&amp;" runs after "&nbsp;" and before the letters, so "&amp;nbsp;" ends
// as "&nbsp;" while "&amp;eacute;" ends removed.
constexpr int kEntityCount = 10;
constexpr int kAmpEntity = 1;            // the only one that leaves an "&" behind
constexpr int kFirstLetterEntity = 2;    // from here on the entities are removed
constexpr std::size_t kLongestEntity = 8;
const Entity kEntities[kEntityCount] = {
    {"&nbsp;", " "},   {"&amp;", "&"},    {"&aring;", ""},  {"&auml;", ""},  {"&eacute;", ""},
    {"&iacute;", ""},  {"&igrave;", ""},  {"&ograve;", ""}, {"&ouml;", ""},  {"&szlig;", ""},
};

bool SpelledAt(const std::string& text, std::size_t at, std::string_view spelling)
{
    return text.size() - at >= spelling.size() &&
           std::memcmp(text.data() + at, spelling.data(), spelling.size()) == 0;
}

// Entity spellings are ASCII, so only A-Z need folding to compare with them.
inline char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Whether the text after an "&" (at tail, avail bytes left) spells entity k without regard
// to case; exact tells whether it is the lower-case spelling itself. The "&" is not compared.
bool TailMatches(const char* tail, std::size_t avail, int k, bool& exact)
{
    std::string_view rest = kEntities[k].spelling.substr(1);
    if (avail < rest.size())
        return false;
    exact = true;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (FoldAscii(tail[i]) != rest[i])
            return false;
        exact = exact && tail[i] == rest[i];
    }
    return true;
}

bool TailMatches(const char* tail, std::size_t avail, int k)
{
    bool exact;
    return TailMatches(tail, avail, k, exact);
}

// The entity an "&" starts, in any letter case, or -1. No entity is a prefix of another, so
// there is at most one.
int EntityAfterAmp(const char* tail, std::size_t avail, bool& exact)
{
    exact = false;
    if (avail == 0)
        return -1;
    static const signed char kCandidates[][3] = {
        // by the folded letter after "&"
        {0, -1, -1},   // n: nbsp
        {1, 2, 3},     // a: amp, aring, auml
        {4, -1, -1},   // e: eacute
        {5, 6, -1},    // i: iacute, igrave
        {7, 8, -1},    // o: ograve, ouml
        {9, -1, -1},   // s: szlig
    };
    int row;
    switch (FoldAscii(tail[0])) {
    case 'n': row = 0; break;
    case 'a': row = 1; break;
    case 'e': row = 2; break;
    case 'i': row = 3; break;
    case 'o': row = 4; break;
    case 's': row = 5; break;
    default: return -1;
    }
    for (signed char k : kCandidates[row])
        if (k >= 0 && TailMatches(tail, avail, k, exact))
            return k;
    return -1;
}

int EntityAfterAmp(const char* tail, std::size_t avail)
{
    bool exact;
    return EntityAfterAmp(tail, avail, exact);
}

// One entity step after another, each a compaction of the text over the places of "&" (kept
// up to date as the text shrinks). Exact in every case, including entities that only form
// once an earlier step has removed or replaced its neighbour.
void ReplaceEntitiesStepByStep(std::string& text, std::vector<std::size_t>& amps)
{
    for (const Entity& entity : kEntities) {
        if (amps.empty())
            return;
        bool present = false;
        for (std::size_t at : amps)
            if (SpelledAt(text, at, entity.spelling)) {
                present = true;
                break;
            }
        if (!present)
            continue;

        char* data = &text[0];
        std::size_t read = 0, write = 0, kept = 0;
        int k = static_cast<int>(&entity - kEntities);
        for (std::size_t at : amps) {
            if (TailMatches(data + at + 1, text.size() - at - 1, k)) {
                std::memmove(data + write, data + read, at - read);
                write += at - read;
                if (!entity.replacement.empty() && entity.replacement[0] == '&')
                    amps[kept++] = write;
                std::memcpy(data + write, entity.replacement.data(), entity.replacement.size());
                write += entity.replacement.size();
                read = at + entity.spelling.size();
            } else {
                amps[kept++] = write + (at - read);
            }
        }
        std::memmove(data + write, data + read, text.size() - read);
        write += text.size() - read;
        text.resize(write);
        amps.resize(kept);
    }
}

// Every entity begins with "&" and holds no other. A step can make a new entity in two ways
// only: "&amp;" followed by the rest of a removed entity ("&amp;eacute;"), or a removed entity
// joining the text before it to the text after it, which needs another "&" at most seven
// characters before it. Without either, no step changes what a later step finds, each "&" is
// decided on its own, and one compaction does all ten steps.
void ReplaceEntities(std::string& text, std::vector<std::size_t>& amps)
{
    if (amps.empty())
        return;
    const char* data = text.data();
    const std::size_t size = text.size();
    std::vector<signed char> found(amps.size());
    bool present[kEntityCount] = {};
    bool anyPresent = false;
    for (std::size_t i = 0; i < amps.size(); ++i) {
        std::size_t at = amps[i];
        bool exact;
        int k = EntityAfterAmp(data + at + 1, size - at - 1, exact);
        found[i] = static_cast<signed char>(k);
        if (k < 0)
            continue;
        if (exact)
            present[k] = anyPresent = true;
        std::size_t after = at + kEntities[k].spelling.size();
        bool forms =
            (k == kAmpEntity && EntityAfterAmp(data + after, size - after) >= kFirstLetterEntity) ||
            (k >= kFirstLetterEntity && i > 0 && at - amps[i - 1] < kLongestEntity);
        if (forms) {
            ReplaceEntitiesStepByStep(text, amps);
            return;
        }
    }
    if (!anyPresent)
        return;

    char* out = &text[0];
    std::size_t read = 0, write = 0;
    for (std::size_t i = 0; i < amps.size(); ++i) {
        int k = found[i];
        if (k < 0 || !present[k])
            continue;
        std::size_t at = amps[i];
        MoveDown(out + write, out + read, at - read, out + size);
        write += at - read;
        std::memcpy(out + write, kEntities[k].replacement.data(), kEntities[k].replacement.size());
        write += kEntities[k].replacement.size();
        read = at + kEntities[k].spelling.size();
    }
    MoveDown(out + write, out + read, size - read, out + size);
    text.resize(write + size - read);
}

}  // namespace

std::string ReplaceAllNoCase(std::string_view text, std::string_view find,
                             std::string_view replacement)
{
    if (find.empty())
        return std::string(text);
    NoCaseFinder finder(find);
    std::string out;
    std::size_t from = 0;
    std::size_t hit = finder.FindIn(text, 0);
    if (hit == NoCaseFinder::npos)
        return std::string(text);
    out.reserve(text.size() + (replacement.size() > find.size() ? text.size() / 4 : 0));
    do {
        out.append(text.data() + from, hit - from);
        out.append(replacement.data(), replacement.size());
        from = hit + find.size();
        hit = finder.FindIn(text, from);
    } while (hit != NoCaseFinder::npos);
    out.append(text.data() + from, text.size() - from);
    return out;
}

std::string RemoveScriptElements(std::string_view text)
{
    static constexpr std::string_view kOpen = "<script";
    static constexpr std::string_view kClose = "/script>";
    const NoCaseFinder open(kOpen);
    const NoCaseFinder close(kClose);
    std::string out;
    out.reserve(text.size());
    std::size_t cursor = 0;
    for (;;) {
        std::size_t start = open.FindIn(text, cursor);
        if (start == NoCaseFinder::npos) {
            out.append(text.data() + cursor, text.size() - cursor);
            break;
        }
        out.append(text.data() + cursor, start - cursor);
        std::size_t stop = close.FindIn(text, start + kOpen.size());
        if (stop == NoCaseFinder::npos)
            break;
        cursor = stop + kClose.size();
    }
    return out;
}

void CollapseLines(std::string& text)
{
    static const char* const kWhite = " \t\r\n\v\f";
    std::size_t last = text.find_last_not_of(kWhite);
    if (last == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of(kWhite));
    char* p = &text[0];
    char* end = p + text.size();
    while ((p = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))))
        *p++ = ' ';
}

void HtmlToText(std::string& text)
{
    std::vector<std::size_t> amps;
    if (!text.empty())
        text.resize(StripTags(&text[0], text.size(), amps));
    ReplaceEntities(text, amps);
}
