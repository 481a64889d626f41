#pragma once
// What the program fetches from its update site and where it keeps it.
//
// The site (the folder named by the setting AutoUpdate/Url, fetched with plain HTTP GETs as
// "<Url>/<name>"; any status other than 2xx is a failure) holds three files:
//
//   current.txt      the description, an INI file (ANSI code page, CRLF or LF):
//                      [Version]
//                      Version=1.02 14-06-2004      version text; the part before the first
//                                                   space, its first "." read as "0", is the
//                                                   number compared (1.02 -> 1002)
//                      File1=quorvane-102.ex_       the installer's name on the site (one name
//                                                   under Url; never a local name)
//                      Size1=123456                 exact byte size of File1 as served
//                      Sha256_1=<64 hex digits>     SHA-256 of the installer after expansion
//                                                   (the setup program itself), any case
//                      ENNewsLine=2                 number of English news lines, then
//                      ENNews1=...  ENNews2=...     the lines (up to 511 characters each)
//                      FRNewsLine=1                 the same in French
//                      FRNews1=...
//   current.txt.sig  the signature of current.txt exactly as served: RSA PKCS#1 v1.5 over
//                    SHA-256, raw big-endian bytes, as written by
//                      openssl dgst -sha256 -sign private.pem -out current.txt.sig current.txt
//                    checked against the public key built into the program.
//   <File1>          the installer compressed in the SZDD format of the Windows COMPRESS tool
//                    (e.g. "mscompress setup.exe" then rename), Size1 bytes long.
//
// Locally everything lives under fixed names in the program's folder, whatever the site says:
// "current.txt" (the description; after expansion its Size1 holds the expanded size),
// "current.signed.txt" and "current.txt.sig" (the description as served and its signature,
// checked again before a waiting download is installed), "version.$$$" (the installer) and
// "version._$$" (the compressed download while it is expanded).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Profile;

constexpr const char kDescriptionName[] = "current.txt";
constexpr const char kSignatureName[] = "current.txt.sig";
constexpr const char kSignedDescriptionName[] = "current.signed.txt";
constexpr const char kInstallerName[] = "version.$$$";
constexpr const char kUpdaterName[] = "AutoUpdate.EXE";

// Read limits of the description's values.
constexpr std::size_t kRemoteVersionChars = 63;
constexpr std::size_t kFileNameChars = 255;
constexpr std::size_t kNewsLineChars = 511;
// More news lines than this are not read: a count of millions would hold the program for
// minutes reading keys that are not there.
constexpr int kMaxNewsLines = 500;
// Largest installer the program accepts; a larger Size1 counts as no size at all.
constexpr std::int64_t kMaxInstallerBytes = 0x7FFFFFFF;
// Largest description and signature the program reads; a longer answer is a failed fetch.
constexpr std::int64_t kMaxDescriptionBytes = 4 * 1024 * 1024;
constexpr std::int64_t kMaxSignatureBytes = 16 * 1024;

struct UpdateDescription {
    std::string version;           // cut to kRemoteVersionChars
    std::string file;              // File1, cut to kFileNameChars; empty when missing
    std::int64_t size = 0;         // Size1; 0 when missing, not a number, negative or too large
    std::vector<unsigned char> sha256;   // 32 bytes, or empty when Sha256_1 is missing or malformed
};

UpdateDescription ReadDescription(const Profile& description);

// Size1 as the program takes it (see UpdateDescription::size).
std::int64_t ParseInstallerSize(std::string_view text);
// 64 hexadecimal digits (blanks around them allowed) as 32 bytes; empty otherwise.
std::vector<unsigned char> ParseSha256(std::string_view text);

struct NewsText {
    std::string version;
    int count = 0;          // lines read; 0 when there are none in that language
    std::string text;       // "\r\n" before every line
};

// The news in the content language (1 French, else English).
NewsText ReadNews(const Profile& description, int contentLanguage);

// "<url>/<name>": the file's address on the site. The name stays one path below Url: characters
// that would end the path or change its meaning ("\", "?", "#", "%", blanks, controls and
// 8-bit characters) are percent-encoded, so a File1 of "..\..\x.exe" or "C:\x.exe" names a
// file on the site and nothing else. Trailing slashes of url are dropped.
std::string SiteAddress(std::string_view url, std::string_view name);

// The compressed download's name: the character after the last "." replaced by "_"
// ("version.$$$" -> "version._$$").
std::string CompressedName(std::string_view name);

// The program's update files under folder (no trailing backslash).
struct UpdateFiles {
    std::string description;
    std::string signedDescription;
    std::string signature;
    std::string installer;
    std::string compressed;
    std::string updater;
};
UpdateFiles UpdateFilesIn(std::string_view folder);
