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

// The characters a query value may hold as they are (RFC 3986's unreserved set), less "-",
// which engines of old read as "without" and so has always gone escaped.
bool PassesAsTyped(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '~';
}
} // namespace

std::string EncodeSearchText(std::string_view text)
{
    // One pass over the typed text: an escape written here is never read again, so a "%" the
    // user typed and the "%" of an escape cannot be mistaken for each other.
    std::string trimmed = Trim(text);
    std::string out;
    out.reserve(trimmed.size() * 3);
    for (char c : trimmed) {
        unsigned char u = static_cast<unsigned char>(c);
        if (PassesAsTyped(u)) {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else if (u < 0x80) {
            AppendPercentByte(out, u);
        } else {
            for (char b : Utf8Bytes(Cp1252ToUnicode(u)))
                AppendPercentByte(out, static_cast<unsigned char>(b));
        }
    }
    return out;
}
