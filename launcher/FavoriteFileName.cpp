#include "launcher/FavoriteFileName.h"

#include <cstring>

std::string SafeFavoriteFileName(std::string_view title)
{
    std::string name(title.substr(0, kFavoriteTitleChars));
    for (char& c : name) {
        if (c == '/' || c == ':')
            c = '-';
        else if (c != '\0' && std::strchr(".*\\?\"<>|+", c))
            c = ' ';
    }
    return name;
}
