#pragma once
// The openers behind favorites, hotkeys and menu commands.
#include <string>
#include <string_view>
#include <vector>

#include "launcher/LaunchDecision.h"

class Profile;

// An Internet shortcut's address is read into 512 characters.
constexpr std::size_t kShortcutAddressChars = 511;

// The address of a favorite file: "URL" of section "InternetShortcut"; when that is present but
// empty, "URLBASE" of section "DEFAULT"; the file's own path wherever a value is missing, so a
// file that is no shortcut opens by its path. shortcutFile reads that one file.
std::string InternetShortcutAddress(std::string_view path, const Profile& shortcutFile);

// Opens a favorite with UseMiniBrowserFavorites.
LaunchDecision OpenInternetShortcut(std::string_view path, const Profile& shortcutFile,
                                    const LaunchContext& context);

// A favorite chosen from a favorites menu, by the address the menu stored for it (cut at 511
// characters, as when it is read from its file), with UseMiniBrowserFavorites.
LaunchDecision OpenFavoriteMenuUrl(std::string_view url, const LaunchContext& context);

// The home address of every in-use engine named Favorite (letter case ignored); none when
// Favorite is empty.
std::vector<LaunchDecision> OpenFavoriteEngineHome(const LaunchContext& context);

// The mini-browser command: only bring an existing mini browser forward when UseMiniBrowserUrl
// is zero; otherwise open UrlMiniBrowserUrl, else the favorite engine's home, else nothing.
LaunchDecision OpenMiniBrowserHome(const LaunchContext& context, bool miniBrowserExists);

// Whether the close-all-browsers command closes a top-level window: it has an instance handle,
// is visible, and its class name (read into 256 characters) is "IEFrame" in any letter case.
bool IsBrowserWindowToClose(bool hasInstance, bool visible, std::string_view className);
