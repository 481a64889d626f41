#pragma once
// Addresses of the program's web site and its help pages. The help ships beside the program
// ("helpen" and "helpfr" in its folder); a page missing there opens on the web site instead.
#include <functional>
#include <string>
#include <string_view>

#include "launcher/LaunchDecision.h"

constexpr const char kWebSiteAddress[] = "http://www.quorvane.com/";
constexpr const char kHelpBaseAddress[] = "http://www.quorvane.com/help";

// Every page and anchor the program's windows open. The help pages of both languages must
// have each of them (the help check of the tests reads this list).
struct HelpTopic {
    const char* page;
    const char* anchor;   // "" for the top of the page
};
inline constexpr HelpTopic kHelpTopics[] = {
    {"index", ""},         {"fenetre", ""},       {"options", ""},
    {"options2", ""},      {"options2", "addurl"},
    {"options3", ""},      {"options4", ""},      {"options4", "smtp"},
    {"options4", "addurl"}, {"options4", "compare"},
    {"traduction", ""},    {"traduction", "tradlist"}, {"traduction", "zoom"},
    {"minibrowser", ""},   {"webalert", ""},      {"autoupdate", ""},
    {"autoupdateexe", ""}, {"autoupdateexe", "ask"}, {"autoupdateexe", "found"},
};

// The language of web content the program opens: Language when set (1 French, 2 English),
// else 1 for the French locales 1036, 2060, 3084, 4108, 5132, 6156 and 2 for any other.
int ContentLanguage(int languageOption, int threadLocale);

// "<help base><fr|en>/<page>.htm", then "#<anchor>" when an anchor is given.
std::string HelpPageAddress(std::string_view page, std::string_view anchor, int contentLanguage);

// Where the local copy of a page lies: "<folder>help<en|fr>\<page>.htm".
std::string LocalHelpPath(std::string_view folder, std::string_view page, int contentLanguage);

// The file URL of a Windows path given in UTF-8: "file:///C:/My%20Programs/x.htm", or for a
// network share "file://server/share/x.htm". Every byte but letters, digits, "-._~" and the
// separators is percent-encoded, so blanks, "#", "%" and non-ASCII letters in folder names
// survive the browser's reading of the address.
std::string FileUrl(std::string_view windowsPathUtf8);

// The program's folder as the help opener looks into it: its path in UTF-8 (ending in a
// backslash) and the question whether a file, named by its UTF-8 path, is there.
struct LocalHelp {
    std::string folderUtf8;
    std::function<bool(const std::string& pathUtf8)> exists;
};

// The address a help page opens at: the local copy's file URL when there is one, else the
// web site's page; the anchor follows either.
std::string HelpAddress(std::string_view page, std::string_view anchor, int contentLanguage,
                        const LocalHelp* local);

// Help pages always open in a new instance of the browser program, shown normally.
LaunchDecision OpenHelpPage(std::string_view page, std::string_view anchor, const LaunchContext& context,
                            int threadLocale, const LocalHelp* local = nullptr);
