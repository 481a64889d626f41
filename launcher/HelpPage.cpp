#include "launcher/HelpPage.h"

#include "app/Language.h"
#include "app/OptionRecord.h"

int ContentLanguage(int languageOption, int threadLocale)
{
    if (languageOption != 0)
        return languageOption;
    return IsFrenchLocale(threadLocale) ? 1 : 2;
}

std::string HelpPageAddress(std::string_view page, std::string_view anchor, int contentLanguage)
{
    std::string address = kHelpBaseAddress;
    address += contentLanguage == 1 ? "fr" : "en";
    address += '/';
    address.append(page);
    address += ".htm";
    if (!anchor.empty()) {
        address += '#';
        address.append(anchor);
    }
    return address;
}

LaunchDecision OpenHelpPage(std::string_view page, std::string_view anchor, const LaunchContext& context,
                            int threadLocale)
{
    int language = ContentLanguage(context.options.Language, threadLocale);
    return LaunchBrowserWith(context.browserProgram, HelpPageAddress(page, anchor, language), kShowNormal);
}
