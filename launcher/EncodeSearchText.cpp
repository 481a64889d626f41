#include "launcher/EncodeSearchText.h"

#include "app/TextUtil.h"
#include "launcher/Cp1252.h"

namespace {
void AppendPercentByte(std::string& out, unsigned char byte)
{
    static const char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}
} // namespace

std::string EncodeSearchText(std::string_view text)
{
    // Every replacement is of one character and no replacement holds a character that
    // another one replaces, so one pass gives the same result as replacing step by step.
    std::string trimmed = Trim(text);
    std::string out;
    out.reserve(trimmed.size() * 3);
    for (char c : trimmed) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "%22"; break;
        case '+': out += "%2B"; break;
        case '-': out += "%2D"; break;
        case ' ': out += '+'; break;
        case '\'': out += "%27"; break;
        default:
            if (u < 0x80) {
                out += c;
            } else {
                for (char b : Utf8Bytes(Cp1252ToUnicode(u)))
                    AppendPercentByte(out, static_cast<unsigned char>(b));
            }
        }
    }
    return out;
}
