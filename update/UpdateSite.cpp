#include "update/UpdateSite.h"

#include <cstdio>

#include "app/Profile.h"
#include "app/TextUtil.h"

namespace {

constexpr const char kSection[] = "Version";

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool KeepInName(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    switch (c) {
    case '-': case '_': case '.': case '~': case '/': case '$': case '+': case '(': case ')':
        return true;
    default:
        return false;
    }
}

} // namespace

std::int64_t ParseInstallerSize(std::string_view text)
{
    std::string value = Trim(text);
    if (value.empty())
        return 0;
    std::int64_t size = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            break;   // like the profile's numbers: the leading digits count
        size = size * 10 + (c - '0');
        if (size > kMaxInstallerBytes)
            return 0;
    }
    return size;
}

std::vector<unsigned char> ParseSha256(std::string_view text)
{
    std::string hex = Trim(text);
    if (hex.size() != 64)
        return {};
    std::vector<unsigned char> bytes(32);
    for (std::size_t i = 0; i < 32; ++i) {
        int high = HexDigit(hex[2 * i]);
        int low = HexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return {};
        bytes[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return bytes;
}

UpdateDescription ReadDescription(const Profile& description)
{
    UpdateDescription d;
    d.version = description.ReadString(kSection, "Version", "", kRemoteVersionChars);
    d.file = description.ReadString(kSection, "File1", "", kFileNameChars);
    d.size = ParseInstallerSize(description.ReadString(kSection, "Size1", "", 31));
    d.sha256 = ParseSha256(description.ReadString(kSection, "Sha256_1", "", 127));
    return d;
}

NewsText ReadNews(const Profile& description, int contentLanguage)
{
    NewsText news;
    const char* prefix = contentLanguage == 1 ? "FR" : "EN";
    news.version = description.ReadString(kSection, "Version", "", kRemoteVersionChars);
    int count = description.ReadInt(kSection, (std::string(prefix) + "NewsLine").c_str(), 0);
    if (count <= 0)
        return news;
    if (count > kMaxNewsLines)
        count = kMaxNewsLines;
    news.text.reserve(static_cast<std::size_t>(count) * 64);
    char key[32];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(key, sizeof key, "%sNews%i", prefix, i);
        news.text += "\r\n";
        news.text += description.ReadString(kSection, key, "", kNewsLineChars);
    }
    news.count = count;
    return news;
}

std::string SiteAddress(std::string_view url, std::string_view name)
{
    while (!url.empty() && url.back() == '/')
        url.remove_suffix(1);
    std::string address(url);
    address += '/';
    static const char kHex[] = "0123456789ABCDEF";
    for (char ch : name) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (KeepInName(c)) {
            address += ch;
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 15];
        }
    }
    return address;
}

std::string CompressedName(std::string_view name)
{
    std::string result(name);
    std::size_t dot = result.rfind('.');
    if (dot != std::string::npos && dot + 1 < result.size())
        result[dot + 1] = '_';
    else if (dot == std::string::npos)
        result += "._";
    else
        result += '_';
    return result;
}

UpdateFiles UpdateFilesIn(std::string_view folder)
{
    std::string base(folder);
    while (!base.empty() && (base.back() == '\\' || base.back() == '/'))
        base.pop_back();
    base += '\\';
    UpdateFiles files;
    files.description = base + kDescriptionName;
    files.signedDescription = base + kSignedDescriptionName;
    files.signature = base + kSignatureName;
    files.installer = base + kInstallerName;
    files.compressed = base + CompressedName(kInstallerName);
    files.updater = base + kUpdaterName;
    return files;
}
