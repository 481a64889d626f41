#pragma once
// Literal, slow versions of the text operations, written step by step as the operations are
// defined (copy and shadow edited per match, one search per entity). The fast operations must
// give the same results on any input.
#include <string>
#include <string_view>

#include "app/TextUtil.h"

namespace reference {

inline std::ptrdiff_t FindNoCase(std::string_view text, std::string_view needle,
                                 std::ptrdiff_t start)
{
    if (start < 0 || static_cast<std::size_t>(start) > text.size())
        return -1;
    std::string lowNeedle = ToLowerAnsi(needle);
    for (std::size_t i = static_cast<std::size_t>(start); i + lowNeedle.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < lowNeedle.size() && ToLowerAnsi(text[i + k]) == lowNeedle[k])
            ++k;
        if (k == lowNeedle.size())
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

inline std::string ReplaceAllNoCase(std::string text, std::string_view find,
                                    std::string_view replacement)
{
    std::string shadow = ToLowerAnsi(text);
    std::string lowFind = ToLowerAnsi(find);
    std::size_t i = shadow.find(lowFind);
    while (i != std::string::npos) {
        text.erase(i, lowFind.size());
        text.insert(i, replacement);
        shadow.erase(i, lowFind.size());
        shadow.insert(i, replacement);
        i = shadow.find(lowFind, i + replacement.size());
    }
    return text;
}

inline std::string RemoveScripts(const std::string& content)
{
    std::size_t cursor = 0;
    std::string out;
    for (;;) {
        std::ptrdiff_t open = content.size() - cursor >= 2
                                  ? FindNoCase(content, "<script", static_cast<std::ptrdiff_t>(cursor))
                                  : -1;
        if (open < 0) {
            out += content.substr(cursor);
            return out;
        }
        out += content.substr(cursor, static_cast<std::size_t>(open) - cursor);
        cursor = static_cast<std::size_t>(open) + 7;
        std::ptrdiff_t close = FindNoCase(content, "/script>", static_cast<std::ptrdiff_t>(cursor));
        if (close < 0)
            return out;
        cursor = static_cast<std::size_t>(close) + 8;
    }
}

inline std::string HtmlToText(const std::string& text)
{
    std::string out;
    std::size_t from = 0;
    std::size_t a = text.find('<');
    while (a != std::string::npos) {
        out += text.substr(from, a - from);
        from = a + 1;
        std::size_t b = text.find('>', a + 1);
        if (b == std::string::npos)
            break;
        from = b + 1;
        a = text.find('<', from);
    }
    if (from < text.size())
        out += text.substr(from);
    static const char* const kEntities[][2] = {
        {"&nbsp;", " "}, {"&amp;", "&"}, {"&aring;", ""},  {"&auml;", ""},  {"&eacute;", ""},
        {"&iacute;", ""}, {"&igrave;", ""}, {"&ograve;", ""}, {"&ouml;", ""}, {"&szlig;", ""},
    };
    for (const auto& entity : kEntities)
        if (out.find(entity[0]) != std::string::npos)
            out = ReplaceAllNoCase(out, entity[0], entity[1]);
    return out;
}

}  // namespace reference
