#include "app/Language.h"

bool IsFrenchLocale(int lcid)
{
    switch (lcid) {
    case 1036: case 2060: case 3084: case 4108: case 5132: case 6156:
        return true;
    default:
        return false;
    }
}

int LanguageIndexFor(int languageOption, int userLcid)
{
    int index = languageOption - 1;
    if (index == -1)
        return IsFrenchLocale(userLcid) ? 0 : 1;
    return index == 0 ? 0 : 1;
}

int LocaleForLanguageIndex(int index)
{
    static const int kLocales[] = {1036, 1033, 6153, 2057, 4105};
    if (index >= 0 && index < 5)
        return kLocales[index];
    return kLocaleEnglish;
}

int ContentLanguageFor(int languageOption, int uiLcid)
{
    if (languageOption != 0)
        return languageOption;
    return IsFrenchLocale(uiLcid) ? 1 : 2;
}
