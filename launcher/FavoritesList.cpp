#include "launcher/FavoritesList.h"

#include "app/OptionRecord.h"
#include "launcher/FolderReader.h"

namespace {
std::string WithoutExtension(const std::string& fileName)
{
    std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

void WalkFolder(const std::string& folder, const FolderReader& reader, LinkList& favorites, FavoritesTree* tree,
                TreeItemHandle parent, int depth, WalkBudget& budget)
{
    std::vector<FolderEntry> entries = reader.List(folder);
    if (!budget.Take(entries.size()))
        return;
    for (const FolderEntry& e : entries) {
        if (e.name.empty())
            continue;
        if (e.isDirectory) {
            if (e.name[0] == '.' || !WalkEnters(folder, e, depth))
                continue;
            TreeItemHandle item = tree ? tree->InsertFolderFirst(parent, e.name) : nullptr;
            WalkFolder(JoinPath(folder, e.OpenName()), reader, favorites, tree, item, depth + 1, budget);
            if (budget.Spent())
                return;
            continue;
        }
        // The entry keeps the name that opens the file; the tree shows the enumeration's name.
        favorites.push_back(std::make_unique<LinkEntry>(WithoutExtension(e.name), e.OpenName(), folder, 1));
        if (tree)
            tree->AppendLink(parent, *favorites.back());
    }
}
} // namespace

void LoadFavorites(OptionRecord& options, const std::string& folder, const FolderReader& reader,
                   FavoritesTree* tree)
{
    if (options.favoritesLoaded && !tree)
        return;
    options.favorites.clear();
    if (folder.empty())
        return;
    TreeItemHandle root = tree ? tree->InsertRoot() : nullptr;
    WalkBudget budget;
    WalkFolder(NormalizedFolder(folder), reader, options.favorites, tree, root, 0, budget);
    options.favoritesLoaded = true;
}

std::string FavoritePath(const LinkEntry& favorite)
{
    return JoinPath(favorite.urlBase, favorite.urlString);
}
