#pragma once
// The tree of recent items of layout 138: six groups under their roots (search texts,
// engines, translations, typed addresses, favorites, monitored pages). While it exists it
// hears of every change of the search and translation histories and the typed addresses, so
// that its items always stand for records that exist.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "launcher/FavoritesList.h"
#include "launcher/SavedList.h"
#include "launcher/TypedAddressList.h"

struct OptionRecord;

class LauncherTree final : public SavedListObserver, public TypedAddressObserver, public FavoritesTree {
public:
    explicit LauncherTree(HWND tree);
    // Stops listening to the lists and forgets the roots.
    ~LauncherTree() override;
    LauncherTree(const LauncherTree&) = delete;
    LauncherTree& operator=(const LauncherTree&) = delete;

    // Roots in their order with their items, expanded as the options remember, and the lists'
    // observer set to this tree.
    void Build();

    HWND Window() const { return tree_; }
    HTREEITEM Root(int group) const;
    bool IsRoot(HTREEITEM item) const;
    // The group of any item (that of its root); -1 for none.
    int GroupOf(HTREEITEM item) const;
    // The record an item stands for (SavedEntry or LinkEntry by group); null for roots and
    // folders.
    void* RecordOf(HTREEITEM item) const;
    std::string TextOf(HTREEITEM item) const;
    // The item of group that stands for record, found afresh; null when there is none. (An item
    // handle kept across a modal loop may have been deleted meanwhile, and even handed to a new
    // item.)
    HTREEITEM ChildWith(int group, const void* record) const;
    HTREEITEM Selected() const;
    void Select(HTREEITEM item);
    // The item at a screen point when the point lies on one of the hit parts; null otherwise.
    HTREEITEM ItemAt(POINT screen, UINT hitParts) const;
    bool IsBold(HTREEITEM item) const;
    void SetBold(HTREEITEM item, bool bold);

    // The expand state of each root into its TVExpand option. A root without items cannot
    // show itself expanded; its option keeps what it held.
    void StoreExpandStates(OptionRecord& options) const;
    // Reads the favorites folder again into the favorites branch, keeping it open or closed.
    void ReloadFavorites();

    // The lists' news.
    void EntryRemoved(int category, const SavedEntry& entry) override;
    void EntryInsertedFirst(int category, SavedEntry& entry, const std::string& text) override;
    void EntryRemoved(int category, const LinkEntry& entry) override;
    void EntryInsertedFirst(int category, LinkEntry& entry, const std::string& text) override;

    // The favorites walk.
    TreeItemHandle InsertRoot() override;
    TreeItemHandle InsertFolderFirst(TreeItemHandle parent, const std::string& name) override;
    void AppendLink(TreeItemHandle parent, LinkEntry& entry) override;

private:
    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const std::string& text, LPARAM param, int image,
                     bool bold = false);
    HTREEITEM InsertRootOf(int group, HTREEITEM after);
    void FillGroup(int group);
    void RemoveChildWith(int group, const void* record);
    void InsertFirstChild(int group, const void* record, const std::string& text);
    bool Expanded(HTREEITEM item) const;

    HWND tree_;
    HIMAGELIST images_ = nullptr;
    HTREEITEM roots_[6] = {};
};

// The records of a group's items, checked against the lists they belong to (null when the
// item's record is no longer there).
SavedEntry* SearchTextOf(const LauncherTree& tree, HTREEITEM item);
SavedEntry* TranslationOf(const LauncherTree& tree, HTREEITEM item);
LinkEntry* TypedAddressOf(const LauncherTree& tree, HTREEITEM item);
LinkEntry* FavoriteOf(const LauncherTree& tree, HTREEITEM item);
LinkEntry* EngineOf(const LauncherTree& tree, HTREEITEM item);
// The monitored page's identity (a MonitoredPage of the monitor's list), when it is still there.
const void* MonitoredPageOf(const LauncherTree& tree, HTREEITEM item);

// Draws the monitored page's item bold (unread) or not, in the open launcher's tree.
void ShowMonitoredPageMark(const void* page, bool unread);
