#include "launcher/LauncherTree_win.h"

#include <vector>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LauncherTreeModel.h"
#include "launcher/LauncherWindow_win.h"
#include "resources/ResourceIds.h"
#include "webalert/WebAlert_win.h"

namespace {

constexpr int kImageSize = 18;
constexpr COLORREF kTreeBackground = RGB(220, 227, 245);
// Items that stand for a folder of favorites carry no record.
constexpr LPARAM kNoRecord = 0;

template <class List>
auto FindRecord(List& entries, const void* record) -> decltype(entries.front().get())
{
    for (auto& entry : entries)
        if (entry.get() == record)
            return entry.get();
    return nullptr;
}

HTREEITEM ItemOf(TreeItemHandle handle)
{
    return static_cast<HTREEITEM>(handle);
}

} // namespace

LauncherTree::LauncherTree(HWND tree) : tree_(tree)
{
    images_ = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24, 4, 1);
    if (images_) {
        if (HBITMAP strip = static_cast<HBITMAP>(
                LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_TREE_IMAGES), IMAGE_BITMAP, 0, 0, 0))) {
            ImageList_Add(images_, strip, nullptr);
            DeleteObject(strip);
        }
        TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    }
    TreeView_SetBkColor(tree_, kTreeBackground);
}

LauncherTree::~LauncherTree()
{
    SearchHistory().SetObserver(nullptr);
    TranslationHistory().SetObserver(nullptr);
    TypedAddresses().SetObserver(nullptr);
    for (HTREEITEM& root : App().treeRoots)
        root = nullptr;
    if (IsWindow(tree_))
        TreeView_SetImageList(tree_, nullptr, TVSIL_NORMAL);
    if (images_)
        ImageList_Destroy(images_);
}

HTREEITEM LauncherTree::Insert(HTREEITEM parent, HTREEITEM after, const std::string& text, LPARAM param, int image,
                               bool bold)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = param;
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.stateMask = TVIS_BOLD;
    insert.item.state = bold ? TVIS_BOLD : 0;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM LauncherTree::InsertRootOf(int group, HTREEITEM after)
{
    HTREEITEM root = Insert(nullptr, after, LoadText(TreeRootTextId(group)), group, group);
    roots_[group] = root;
    App().treeRoots[group] = root;
    return root;
}

void LauncherTree::FillGroup(int group)
{
    HTREEITEM root = roots_[group];
    switch (group) {
    case kTreeGroupSearched:
    case kTreeGroupTranslated: {
        SavedList& list = group == kTreeGroupSearched ? SearchHistory() : TranslationHistory();
        for (std::size_t i = 0; i < list.Size(); ++i)
            Insert(root, TVI_LAST, list.Describe(i), reinterpret_cast<LPARAM>(&list.At(i)), group);
        break;
    }
    case kTreeGroupEngines: {
        const OptionRecord& o = Options();
        for (const auto& engine : o.engines)
            Insert(root, TVI_LAST, engine->name, reinterpret_cast<LPARAM>(engine.get()), group,
                   !o.Favorite.empty() && engine->name == o.Favorite);
        break;
    }
    case kTreeGroupTyped: {
        TypedAddressList& list = TypedAddresses();
        for (std::size_t i = 0; i < list.Size(); ++i)
            Insert(root, TVI_LAST, list.AddressAt(i), reinterpret_cast<LPARAM>(&list.At(i)), group);
        break;
    }
    case kTreeGroupWebAlert: {
        // Unread pages are bold.
        const std::vector<PageId> ids = WebAlertPages().Ids();
        for (PageId id : ids) {
            MonitoredPage page;
            if (WebAlertPages().CopyOf(id, page))
                Insert(root, TVI_LAST, page.name, reinterpret_cast<LPARAM>(id), group, page.Modified());
        }
        break;
    }
    default:
        // Favorites come from their folder walk.
        break;
    }
}

void LauncherTree::Build()
{
    OptionRecord& o = Options();
    for (int group : kTreeRootOrder) {
        if (group == kTreeGroupFavorites) {
            LoadFavoritesList(this);
            if (!roots_[group])
                InsertRoot();
            continue;
        }
        InsertRootOf(group, TVI_LAST);
        FillGroup(group);
    }
    for (int group : kTreeRootOrder) {
        const int* expand = TreeExpandOption(o, group);
        if (expand && *expand && roots_[group])
            TreeView_Expand(tree_, roots_[group], TVE_EXPAND);
    }
    SearchHistory().SetObserver(this);
    TranslationHistory().SetObserver(this);
    TypedAddresses().SetObserver(this);
}

HTREEITEM LauncherTree::Root(int group) const
{
    return group >= 0 && group < kTreeGroupCount ? roots_[group] : nullptr;
}

bool LauncherTree::IsRoot(HTREEITEM item) const
{
    return item && !TreeView_GetParent(tree_, item);
}

int LauncherTree::GroupOf(HTREEITEM item) const
{
    if (!item)
        return -1;
    HTREEITEM root = item;
    while (HTREEITEM parent = TreeView_GetParent(tree_, root))
        root = parent;
    for (int group = 0; group < kTreeGroupCount; ++group)
        if (roots_[group] == root)
            return group;
    return -1;
}

void* LauncherTree::RecordOf(HTREEITEM item) const
{
    if (!item || IsRoot(item))
        return nullptr;
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)))
        return nullptr;
    return reinterpret_cast<void*>(data.lParam);
}

std::string LauncherTree::TextOf(HTREEITEM item) const
{
    std::vector<char> text(1025, '\0');
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text.data();
    data.cchTextMax = static_cast<int>(text.size());
    if (!item || !SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)))
        return std::string();
    return text.data();
}

HTREEITEM LauncherTree::Selected() const
{
    return TreeView_GetSelection(tree_);
}

void LauncherTree::Select(HTREEITEM item)
{
    TreeView_SelectItem(tree_, item);
}

HTREEITEM LauncherTree::ItemAt(POINT screen, UINT hitParts) const
{
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(tree_, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree_, &hit);
    return item && (hit.flags & hitParts) ? item : nullptr;
}

bool LauncherTree::IsBold(HTREEITEM item) const
{
    return (TreeView_GetItemState(tree_, item, TVIS_BOLD) & TVIS_BOLD) != 0;
}

void LauncherTree::SetBold(HTREEITEM item, bool bold)
{
    TreeView_SetItemState(tree_, item, bold ? TVIS_BOLD : 0, TVIS_BOLD);
}

bool LauncherTree::Expanded(HTREEITEM item) const
{
    return item && (TreeView_GetItemState(tree_, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void LauncherTree::StoreExpandStates(OptionRecord& options) const
{
    for (int group = 0; group < kTreeGroupCount; ++group) {
        int* expand = TreeExpandOption(options, group);
        HTREEITEM root = roots_[group];
        if (!expand || !root || !TreeView_GetChild(tree_, root))
            continue;
        *expand = Expanded(root) ? 1 : 0;
    }
}

void LauncherTree::ReloadFavorites()
{
    HTREEITEM old = roots_[kTreeGroupFavorites];
    const bool open = Expanded(old);
    // The old items point at the records the walk is about to replace.
    if (old)
        TreeView_DeleteItem(tree_, old);
    roots_[kTreeGroupFavorites] = nullptr;
    App().treeRoots[kTreeGroupFavorites] = nullptr;
    LoadFavoritesList(this);
    if (!roots_[kTreeGroupFavorites])
        InsertRoot();
    if (open)
        TreeView_Expand(tree_, roots_[kTreeGroupFavorites], TVE_EXPAND);
}

HTREEITEM LauncherTree::ChildWith(int group, const void* record) const
{
    HTREEITEM root = Root(group);
    for (HTREEITEM child = root ? TreeView_GetChild(tree_, root) : nullptr; child;
         child = TreeView_GetNextSibling(tree_, child))
        if (RecordOf(child) == record)
            return child;
    return nullptr;
}

void LauncherTree::RemoveChildWith(int group, const void* record)
{
    if (HTREEITEM child = ChildWith(group, record))
        TreeView_DeleteItem(tree_, child);
}

void LauncherTree::InsertFirstChild(int group, const void* record, const std::string& text)
{
    HTREEITEM root = Root(group);
    if (!root)
        return;
    Insert(root, TVI_FIRST, text, reinterpret_cast<LPARAM>(record), group);
    TreeView_SelectItem(tree_, root);
}

void LauncherTree::EntryRemoved(int category, const SavedEntry& entry)
{
    RemoveChildWith(category, &entry);
}

void LauncherTree::EntryInsertedFirst(int category, SavedEntry& entry, const std::string& text)
{
    InsertFirstChild(category, &entry, text);
}

void LauncherTree::EntryRemoved(int category, const LinkEntry& entry)
{
    RemoveChildWith(category, &entry);
}

void LauncherTree::EntryInsertedFirst(int category, LinkEntry& entry, const std::string& text)
{
    InsertFirstChild(category, &entry, text);
}

TreeItemHandle LauncherTree::InsertRoot()
{
    // Below the typed addresses, above the monitored pages, when built and when read again.
    HTREEITEM after = roots_[kTreeGroupTyped] ? roots_[kTreeGroupTyped] : TVI_LAST;
    return InsertRootOf(kTreeGroupFavorites, after);
}

TreeItemHandle LauncherTree::InsertFolderFirst(TreeItemHandle parent, const std::string& name)
{
    return Insert(ItemOf(parent), TVI_FIRST, name, kNoRecord, kTreeGroupFavorites);
}

void LauncherTree::AppendLink(TreeItemHandle parent, LinkEntry& entry)
{
    Insert(ItemOf(parent), TVI_LAST, entry.name, reinterpret_cast<LPARAM>(&entry), kTreeGroupFavorites);
}

namespace {
void* RecordInGroup(const LauncherTree& tree, HTREEITEM item, int group)
{
    return tree.GroupOf(item) == group ? tree.RecordOf(item) : nullptr;
}
} // namespace

SavedEntry* SearchTextOf(const LauncherTree& tree, HTREEITEM item)
{
    void* record = RecordInGroup(tree, item, kTreeGroupSearched);
    return record ? FindRecord(SearchHistory().Entries(), record) : nullptr;
}

SavedEntry* TranslationOf(const LauncherTree& tree, HTREEITEM item)
{
    void* record = RecordInGroup(tree, item, kTreeGroupTranslated);
    return record ? FindRecord(TranslationHistory().Entries(), record) : nullptr;
}

LinkEntry* TypedAddressOf(const LauncherTree& tree, HTREEITEM item)
{
    void* record = RecordInGroup(tree, item, kTreeGroupTyped);
    return record ? FindRecord(TypedAddresses().Entries(), record) : nullptr;
}

LinkEntry* FavoriteOf(const LauncherTree& tree, HTREEITEM item)
{
    void* record = RecordInGroup(tree, item, kTreeGroupFavorites);
    return record ? FindRecord(Options().favorites, record) : nullptr;
}

LinkEntry* EngineOf(const LauncherTree& tree, HTREEITEM item)
{
    void* record = RecordInGroup(tree, item, kTreeGroupEngines);
    return record ? FindRecord(Options().engines, record) : nullptr;
}

const void* MonitoredPageOf(const LauncherTree& tree, HTREEITEM item)
{
    const auto* page = static_cast<PageId>(RecordInGroup(tree, item, kTreeGroupWebAlert));
    return page && WebAlertPages().Contains(page) ? page : nullptr;
}

void ShowMonitoredPageMark(const void* page, bool unread)
{
    LauncherWindow* launcher = App().launcherWindow ? LauncherOf(App().launcherWindow) : nullptr;
    LauncherTree* tree = launcher ? launcher->Tree() : nullptr;
    if (!tree)
        return;
    if (HTREEITEM item = tree->ChildWith(kTreeGroupWebAlert, page))
        tree->SetBold(item, unread);
}
