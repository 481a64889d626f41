#pragma once
// The favorites list of the launcher's tree: every file of the Favorites folder and its
// subfolders as a LinkEntry (name = file name without its extension, urlString = file name,
// urlBase = the folder holding it).
#include <string>

#include "launcher/LinkEntry.h"

class FolderReader;
struct OptionRecord;

// The launcher's tree as the favorites walk fills it. Item handles are the tree's own
// (HTREEITEM on Win32), passed through as they are.
using TreeItemHandle = void*;

class FavoritesTree {
public:
    virtual ~FavoritesTree() = default;
    // The "Favorites" root (string 121), at the top level, placed last; it becomes the root of
    // category 1.
    virtual TreeItemHandle InsertRoot() = 0;
    // A folder item, placed first under parent.
    virtual TreeItemHandle InsertFolderFirst(TreeItemHandle parent, const std::string& name) = 0;
    // A link item with the entry as item data, placed last under parent; text = entry.name.
    virtual void AppendLink(TreeItemHandle parent, LinkEntry& entry) = 0;
};

// Fills options.favorites from folder (the "Shell Folders" value). Without a tree, an already
// loaded list stays as it is. An empty folder leaves the list empty and not loaded. The caller
// expands the root afterwards when TVExpandFavorite says so.
void LoadFavorites(OptionRecord& options, const std::string& folder, const FolderReader& reader,
                   FavoritesTree* tree);

// The file a favorite entry stands for: urlBase + "\" + urlString.
std::string FavoritePath(const LinkEntry& favorite);
