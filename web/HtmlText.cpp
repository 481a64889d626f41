#include "web/HtmlText.h"

#include <cstring>
#include <vector>

#include "app/TextUtil.h"
#include "web/NoCaseSearch.h"

namespace {

const char* Find(const char* from, const char* end, char c)
{
    return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(end - from)));
}

struct Entity {
    std::string_view spelling;      // lower case, as the presence test wants it
    std::string_view replacement;   // never longer than the spelling
};

// The order matters: "&amp;" runs after "&nbsp;" and before the letters, so "&amp;nbsp;" ends
// as "&nbsp;" while "&amp;eacute;" ends removed.
const Entity kEntities[] = {
    {"&nbsp;", " "},   {"&amp;", "&"},    {"&aring;", ""},  {"&auml;", ""},  {"&eacute;", ""},
    {"&iacute;", ""},  {"&igrave;", ""},  {"&ograve;", ""}, {"&ouml;", ""},  {"&szlig;", ""},
};

bool SpelledAt(const std::string& text, std::size_t at, std::string_view spelling)
{
    return text.size() - at >= spelling.size() &&
           std::memcmp(text.data() + at, spelling.data(), spelling.size()) == 0;
}

bool MatchesNoCaseAt(const std::string& text, std::size_t at, std::string_view spelling)
{
    if (text.size() - at < spelling.size())
        return false;
    for (std::size_t i = 0; i < spelling.size(); ++i)
        if (ToLowerAnsi(text[at + i]) != spelling[i])
            return false;
    return true;
}

// Every entity begins with "&" and holds no other, so the steps only ever look at the places
// of "&" (kept up to date as the text shrinks) and a step costs one compaction of the text.
void ReplaceEntities(std::string& text)
{
    std::vector<std::size_t> amps;
    const char* begin = text.data();
    const char* end = begin + text.size();
    for (const char* p = Find(begin, end, '&'); p; p = Find(p + 1, end, '&'))
        amps.push_back(static_cast<std::size_t>(p - begin));

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
        for (std::size_t at : amps) {
            if (MatchesNoCaseAt(text, at, entity.spelling)) {
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
    char* begin = &text[0];
    char* end = begin + text.size();
    for (char* p = begin; (p = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))));)
        *p++ = ' ';
}

void HtmlToText(std::string& text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* open = Find(begin, end, '<');
    if (open) {
        std::string out;
        out.reserve(text.size());
        const char* from = begin;
        while (open) {
            out.append(from, static_cast<std::size_t>(open - from));
            from = open + 1;
            const char* close = Find(open + 1, end, '>');
            if (!close)
                break;
            from = close + 1;
            open = Find(from, end, '<');
        }
        out.append(from, static_cast<std::size_t>(end - from));
        text.swap(out);
    }
    ReplaceEntities(text);
}
