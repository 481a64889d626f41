#pragma once
// Addresses of the program's web site and its online help.
#include <string>
#include <string_view>

#include "launcher/LaunchDecision.h"

constexpr const char kWebSiteAddress[] = "http://www.quorvane.com/";
constexpr const char kHelpBaseAddress[] = "http://www.quorvane.com/help";

// The language of web content the program opens: Language when set (1 French, 2 English),
// else 1 for the French locales 1036, 2060, 3084, 4108, 5132, 6156 and 2 for any other.
int ContentLanguage(int languageOption, int threadLocale);

// "<help base><fr|en>/<page>.htm", then "#<anchor>" when an anchor is given.
std::string HelpPageAddress(std::string_view page, std::string_view anchor, int contentLanguage);

// Help pages always open in a new instance of the browser program, shown normally.
LaunchDecision OpenHelpPage(std::string_view page, std::string_view anchor, const LaunchContext& context,
                            int threadLocale);
