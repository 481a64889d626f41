#include "launcher/EnginePattern.h"

#include "app/TextUtil.h"

std::string FormatEngineAddress(std::string_view pattern, std::string_view encodedText)
{
    std::string out;
    out.reserve(pattern.size() + encodedText.size());
    bool textPlaced = false;
    for (std::size_t i = 0; i < pattern.size() && out.size() <= kAddressChars; ++i) {
        char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            char next = pattern[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next == 's' && !textPlaced) {
                out.append(encodedText.substr(0, kAddressChars + 1));
                textPlaced = true;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return Cut(out, kAddressChars);
}
