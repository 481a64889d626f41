#pragma once
// The wire forms of a mail's texts: the date line, header texts that may hold letters beyond
// ASCII, the body in quoted-printable, and the DATA stream with its line breaks and dots.
// Texts are 8-bit in the ANSI code page; the caller names that code page's MIME charset.
#include <string>
#include <string_view>

struct UtcTime {
    int year = 1970;
    int month = 1;   // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The civil time of a count of seconds since 1970-01-01 00:00 UTC, and of now.
UtcTime UtcFromUnixSeconds(long long seconds);
UtcTime CurrentUtcTime();

// "Tue, 08 Dec 2026 18:25:48 +0000": English names whatever the system's language.
std::string Rfc5322Date(const UtcTime& time);

// The MIME name of a Windows ANSI code page: "windows-1252" for 1252, the Central European,
// Cyrillic, ... pages by their numbers, the East Asian ones by their registered names;
// "windows-1252" for any other.
std::string MimeCharsetOfCodePage(unsigned codePage);

bool IsAscii(std::string_view text);

// Control characters (line breaks included) become blanks, so that a text can never end a
// header line or start a new one.
std::string HeaderSafe(std::string_view text);

// Unstructured header text (Subject): as is when plain ASCII, else RFC 2047 encoded words
// ("=?charset?Q?...?="), each at most 75 characters, folded onto continuation lines.
// startColumn is where the text begins on its line (after "Subject: ").
std::string EncodeHeaderText(std::string_view text, std::string_view charset, std::size_t startColumn);

// A display name before an address: a quoted string when ASCII (quotes and backslashes
// escaped), encoded words when not.
std::string DisplayNamePhrase(std::string_view name, std::string_view charset, std::size_t startColumn);

// Any line breaks (CRLF, lone LF, lone CR) made CRLF.
std::string CrlfLines(std::string_view text);

// Quoted-printable body (RFC 2045): bytes beyond ASCII, "=" and controls but tab as =XX,
// lines at most 76 characters with soft breaks, blanks at line ends encoded. The text's line
// breaks, whatever their form, become CRLF.
std::string QuotedPrintable(std::string_view text);

// The DATA stream of a message: CRLF line breaks, every line starting with "." given a
// second one, a final line break and the "." line that ends the data.
std::string DataStream(std::string_view message);
