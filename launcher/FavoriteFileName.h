#pragma once
// The file name proposed when a page is added to the favorites.
#include <string>
#include <string_view>

// The add-to-favorites dialog takes the title in 260 characters.
constexpr std::size_t kFavoriteTitleChars = 259;

// The page title made safe as a file name: "/" and ":" become "-"; ".", "*", "\", "?", double
// quote, "<", ">", "|" and "+" become a blank. Cut at 259 characters.
std::string SafeFavoriteFileName(std::string_view title);
