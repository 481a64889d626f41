#include "launcher/FavoritesMenu.h"

#include <algorithm>

#include "app/TextUtil.h"
#include "launcher/FolderReader.h"
#include "launcher/MenuText.h"

namespace {
bool LessNoCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(ToLowerAnsi(x)) < static_cast<unsigned char>(ToLowerAnsi(y));
    });
}

struct Link {
    std::string name;
    std::string url;
};

class MenuBuilder {
public:
    MenuBuilder(const FolderReader& reader, FavoritesMenu& menu, int lastNumber)
        : reader_(reader), menu_(menu), lastNumber_(lastNumber) {}

    // Fills items with the level of folder; numbers from next on. Returns the next free number.
    int BuildLevel(const std::string& folder, int depth, int next, std::vector<FavoritesMenuItem>& items)
    {
        // Once every command id is given, nothing further down could be opened.
        if (next > lastNumber_)
            return next;
        std::vector<FolderEntry> entries = reader_.List(folder);
        if (!budget_.Take(entries.size()))
            return next;

        // Links in name order; among equal names the enumeration's order holds.
        std::vector<Link> links;
        for (const FolderEntry& e : entries) {
            if (e.isDirectory || e.hidden || e.system || !EndsWith(e.name, ".url"))
                continue;
            Link link{e.name.substr(0, e.name.size() - 4),
                      reader_.ReadShortcutUrl(JoinPath(folder, e.OpenName()), kFavoriteUrlChars)};
            auto at = std::upper_bound(links.begin(), links.end(), link,
                                       [](const Link& a, const Link& b) { return LessNoCase(a.name, b.name); });
            links.insert(at, std::move(link));
        }
        std::vector<FavoritesMenuItem> linkItems;
        for (Link& link : links) {
            if (next > lastNumber_)
                break;
            FavoritesMenuItem item;
            item.text = MenuTextOf(link.name);
            item.commandId = kFavoriteFirstCommand + next;
            linkItems.push_back(std::move(item));
            SetUrl(next, std::move(link.url));
            ++next;
        }

        std::vector<std::pair<std::string, FavoritesMenuItem>> popups;
        for (const FolderEntry& e : entries) {
            if (!WalkEnters(folder, e, depth))
                continue;
            if (next > lastNumber_ || budget_.Spent())
                break;
            std::string sub = JoinPath(folder, e.OpenName());
            FavoritesMenuItem popup;
            popup.isPopup = true;
            popup.text = MenuTextOf(e.name);
            int before = next;
            next = BuildLevel(sub, depth + 1, next, popup.children);
            if (next > before)
                popups.emplace_back(e.name, std::move(popup));
        }
        std::stable_sort(popups.begin(), popups.end(),
                         [](const auto& a, const auto& b) { return LessNoCase(a.first, b.first); });

        for (auto& popup : popups)
            items.push_back(std::move(popup.second));
        for (auto& item : linkItems)
            items.push_back(std::move(item));
        return next;
    }

private:
    void SetUrl(int number, std::string url)
    {
        std::size_t index = static_cast<std::size_t>(number);
        if (menu_.urls.size() <= index)
            menu_.urls.resize(index + 1);
        menu_.urls[index] = std::move(url);
    }

    const FolderReader& reader_;
    FavoritesMenu& menu_;
    int lastNumber_;
    WalkBudget budget_;
};
} // namespace

const std::string* FavoritesMenu::UrlByCommandId(int commandId) const
{
    long long index = static_cast<long long>(commandId) - kFavoriteFirstCommand;
    if (index < firstNumber || static_cast<unsigned long long>(index) >= urls.size())
        return nullptr;
    return &urls[static_cast<std::size_t>(index)];
}

namespace {
std::size_t CountLinks(const std::vector<FavoritesMenuItem>& items)
{
    std::size_t n = 0;
    for (const FavoritesMenuItem& item : items)
        n += item.isPopup ? CountLinks(item.children) : 1;
    return n;
}
} // namespace

std::size_t FavoritesMenu::LinkCount() const
{
    return CountLinks(items);
}

FavoritesMenu BuildFavoritesMenu(const FolderReader& reader, const std::string& folder, int existingItemCount,
                                 int lastCommandId)
{
    FavoritesMenu menu;
    if (folder.empty())
        return menu;
    int first = existingItemCount < 0 ? 0 : existingItemCount;
    menu.firstNumber = first;
    MenuBuilder builder(reader, menu, lastCommandId - kFavoriteFirstCommand);
    builder.BuildLevel(NormalizedFolder(folder), 0, first, menu.items);
    return menu;
}
