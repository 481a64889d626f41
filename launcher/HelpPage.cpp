#include "launcher/HelpPage.h"

#include "app/Language.h"
#include "app/OptionRecord.h"

namespace {

const char* LanguagePart(int contentLanguage)
{
    return contentLanguage == 1 ? "fr" : "en";
}

bool KeptInFileUrl(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/';
}

void AppendEncoded(std::string& out, std::string_view text)
{
    static const char kHex[] = "0123456789ABCDEF";
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (KeptInFileUrl(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
}

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

int ContentLanguage(int languageOption, int threadLocale)
{
    if (languageOption != 0)
        return languageOption;
    return IsFrenchLocale(threadLocale) ? 1 : 2;
}

std::string HelpPageAddress(std::string_view page, std::string_view anchor, int contentLanguage)
{
    std::string address = kHelpBaseAddress;
    address += LanguagePart(contentLanguage);
    address += '/';
    address.append(page);
    address += ".htm";
    if (!anchor.empty()) {
        address += '#';
        address.append(anchor);
    }
    return address;
}

std::string LocalHelpPath(std::string_view folder, std::string_view page, int contentLanguage)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/')
        path += '\\';
    path += "help";
    path += LanguagePart(contentLanguage);
    path += '\\';
    path.append(page);
    path += ".htm";
    return path;
}

std::string FileUrl(std::string_view windowsPathUtf8)
{
    std::string path(windowsPathUtf8);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    std::string url = "file://";
    if (path.size() >= 2 && path[0] == '/' && path[1] == '/') {
        // A share: the server takes the place of the host.
        AppendEncoded(url, std::string_view(path).substr(2));
        return url;
    }
    url += '/';
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
        url.append(path, 0, 2);   // the drive's colon stays as it is
        path.erase(0, 2);
    }
    AppendEncoded(url, path);
    return url;
}

std::string HelpAddress(std::string_view page, std::string_view anchor, int contentLanguage,
                        const LocalHelp* local)
{
    if (local && !local->folderUtf8.empty() && local->exists) {
        std::string path = LocalHelpPath(local->folderUtf8, page, contentLanguage);
        if (local->exists(path)) {
            std::string url = FileUrl(path);
            if (!anchor.empty()) {
                url += '#';
                url.append(anchor);
            }
            return url;
        }
    }
    return HelpPageAddress(page, anchor, contentLanguage);
}

LaunchDecision OpenHelpPage(std::string_view page, std::string_view anchor, const LaunchContext& context,
                            int threadLocale, const LocalHelp* local)
{
    int language = ContentLanguage(context.options.Language, threadLocale);
    return LaunchBrowserWith(context.browserProgram, HelpAddress(page, anchor, language, local), kShowNormal);
}
