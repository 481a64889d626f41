#include "mail/MailText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

const char kHex[] = "0123456789ABCDEF";

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Characters that stand for themselves in a "Q" encoded word anywhere it may appear
// (RFC 2047 5(3), the strictest rule: inside a phrase).
bool PlainInEncodedWord(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '!' ||
           c == '*' || c == '+' || c == '-' || c == '/';
}

void AppendHex(std::string& out, unsigned char c)
{
    out += '=';
    out += kHex[c >> 4];
    out += kHex[c & 15];
}

// Encoded words for text; the first begins at startColumn, the others on continuation lines
// of their own (CRLF and one blank), each word at most 75 characters.
std::string EncodedWords(std::string_view text, std::string_view charset, std::size_t startColumn)
{
    const std::string open = "=?" + std::string(charset) + "?Q?";
    const std::string close = "?=";
    const std::size_t wordMax = 75;
    std::string out;
    std::string word;
    auto flush = [&]() {
        if (word.empty())
            return;
        if (!out.empty())
            out += "\r\n ";
        out += open + word + close;
        word.clear();
    };
    for (unsigned char c : text) {
        std::string piece;
        if (c == ' ')
            piece = "_";
        else if (PlainInEncodedWord(c))
            piece = std::string(1, static_cast<char>(c));
        else
            AppendHex(piece, c);
        // A line holding encoded words keeps within 76 characters (RFC 2047 2); a word
        // within 75. The first word shares its line with the field's name.
        std::size_t room = wordMax;
        if (out.empty())
            room = startColumn + 20 < 76 ? std::min(wordMax, 76 - startColumn) : 20;
        if (open.size() + word.size() + piece.size() + close.size() > room && !word.empty())
            flush();
        word += piece;
    }
    flush();
    return out;
}

}  // namespace

UtcTime UtcFromUnixSeconds(long long seconds)
{
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Civil date of a day count (the inverse of DaysFromCivil).
    long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    UtcTime t;
    t.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yearOfEra + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

UtcTime CurrentUtcTime()
{
    using namespace std::chrono;
    return UtcFromUnixSeconds(duration_cast<seconds>(system_clock::now().time_since_epoch()).count());
}

std::string Rfc5322Date(const UtcTime& t)
{
    static const char* const kDays[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = t.month >= 1 && t.month <= 12 ? t.month : 1;
    long days = DaysFromCivil(t.year, month, t.day);
    long weekday = ((days % 7) + 7) % 7;   // 1970-01-01 was a Thursday
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d +0000", kDays[weekday], t.day,
                  kMonths[month - 1], t.year, t.hour, t.minute, t.second);
    return text;
}

std::string MimeCharsetOfCodePage(unsigned codePage)
{
    if (codePage == 874 || (codePage >= 1250 && codePage <= 1258))
        return "windows-" + std::to_string(codePage);
    switch (codePage) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "EUC-KR";
    case 950: return "Big5";
    case 65001: return "UTF-8";
    default: return "windows-1252";
    }
}

bool IsAscii(std::string_view text)
{
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

std::string HeaderSafe(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return out;
}

std::string EncodeHeaderText(std::string_view text, std::string_view charset, std::size_t startColumn)
{
    std::string safe = HeaderSafe(text);
    // "=?" in plain text would read as the start of an encoded word.
    if (IsAscii(safe) && safe.find("=?") == std::string::npos)
        return safe;
    return EncodedWords(safe, charset, startColumn);
}

std::string DisplayNamePhrase(std::string_view name, std::string_view charset, std::size_t startColumn)
{
    std::string safe = HeaderSafe(name);
    if (!IsAscii(safe) || safe.find("=?") != std::string::npos)
        return EncodedWords(safe, charset, startColumn);
    std::string out = "\"";
    for (char c : safe) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

std::string CrlfLines(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 32 + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string QuotedPrintable(std::string_view text)
{
    const std::string lines = CrlfLines(text);
    const std::size_t maxLine = 76;
    std::string out;
    out.reserve(lines.size() + lines.size() / 8 + 8);
    std::size_t pos = 0;
    while (pos <= lines.size()) {
        std::size_t end = lines.find("\r\n", pos);
        bool hasBreak = end != std::string::npos;
        if (!hasBreak)
            end = lines.size();
        std::size_t column = 0;
        for (std::size_t i = pos; i < end; ++i) {
            unsigned char c = static_cast<unsigned char>(lines[i]);
            bool lastOfLine = i + 1 == end;
            std::string piece;
            if (c == '=' || c >= 0x7F || (c < 0x20 && c != '\t') || ((c == ' ' || c == '\t') && lastOfLine))
                AppendHex(piece, c);
            else
                piece = std::string(1, static_cast<char>(c));
            // Room for the piece and, unless it ends the line, a soft break's "=".
            std::size_t limit = lastOfLine ? maxLine : maxLine - 1;
            if (column + piece.size() > limit) {
                out += "=\r\n";
                column = 0;
            }
            out += piece;
            column += piece.size();
        }
        if (!hasBreak)
            break;
        out += "\r\n";
        pos = end + 2;
    }
    return out;
}

std::string DataStream(std::string_view message)
{
    const std::string lines = CrlfLines(message);
    std::string out;
    out.reserve(lines.size() + 16);
    bool lineStart = true;
    for (char c : lines) {
        if (lineStart && c == '.')
            out += '.';
        out += c;
        lineStart = c == '\n';
    }
    if (!lines.empty() && !lineStart)
        out += "\r\n";
    out += ".\r\n";
    return out;
}
