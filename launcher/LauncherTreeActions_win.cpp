#include "launcher/LauncherTreeActions_win.h"

#include <string>

#include "app/AppContext_win.h"
#include "app/MessageBox_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/FavoritesDialogs_win.h"
#include "launcher/FavoritesList.h"
#include "launcher/InterpretInput.h"
#include "launcher/LauncherActions_win.h"
#include "launcher/LauncherCombo_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LauncherMenus_win.h"
#include "launcher/LauncherTreeModel.h"
#include "launcher/LauncherTree_win.h"
#include "launcher/LauncherWindow_win.h"
#include "launcher/MenuText.h"
#include "launcher/OpenFavoriteFile_win.h"
#include "launcher/ProgramLaunchExecutor_win.h"
#include "launcher/SubmitText_win.h"
#include "resources/ResourceIds.h"
#include "translator/TranslatorWindow_win.h"
#include "webalert/WebAlert_win.h"

namespace {

POINT MessagePoint()
{
    DWORD at = GetMessagePos();
    return {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
}

void PutSearchTextInBox(LauncherWindow& launcher, const SavedEntry& entry)
{
    PutComboText(launcher.TextBox(), entry.text);
}

// A click on an item's label or icon selects it and opens it, once the tree has finished
// with the click (opening may take the item out of the tree).
void OnClick(LauncherWindow& launcher, LauncherTree& tree)
{
    HTREEITEM item = tree.ItemAt(MessagePoint(), TVHT_ONITEMLABEL | TVHT_ONITEMICON);
    if (!item)
        return;
    tree.Select(item);
    PostMessageA(launcher.Window(), WM_COMMAND, IDM_TREE_OPEN, 0);
}

void OnRightClick(LauncherWindow& launcher, LauncherTree& tree)
{
    const POINT at = MessagePoint();
    HTREEITEM item = tree.ItemAt(at, TVHT_ONITEM);
    if (!item)
        return;
    tree.Select(item);
    if (tree.IsRoot(item))
        return;
    const int group = tree.GroupOf(item);
    if (TreeMenuFor(group).textToBox)
        if (const SavedEntry* entry = SearchTextOf(tree, item))
            PutSearchTextInBox(launcher, *entry);
    TreeMenu menu = BuildTreeMenu(group);
    const HWND dialog = launcher.Window();
    UINT command = TrackLauncherMenu(dialog, menu.popup, at, TPM_RIGHTBUTTON);
    if (command)
        PostMessageA(dialog, WM_COMMAND, command, 0);
}

// The monitor window's list shows the read marks too.
void RedrawMonitorList()
{
    if (HWND monitor = Windows().webAlert)
        InvalidateRect(GetDlgItem(monitor, IDC_MONITOR_LIST), nullptr, FALSE);
}

bool Confirmed(HWND owner)
{
    return MessageBoxById(owner, IDS_CONFIRM_DELETE_VALUE, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace

TreeMenu BuildTreeMenu(int group)
{
    TreeMenu result;
    result.menu.Reset(LoadMenuInLanguage(IDR_TREE_MENU));
    if (!result.menu)
        return result;
    result.popup = GetSubMenu(result.menu.Get(), 0);
    if (!result.popup)
        return result;
    const TreeMenuPlan plan = TreeMenuFor(group);
    HMENU popup = result.popup;
    if (plan.deleteGreyed)
        EnableMenuItem(popup, IDM_TREE_DELETE, MF_BYCOMMAND | MF_GRAYED);
    auto append = [popup](UINT id, UINT textId) {
        AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(popup, MF_STRING, id, LoadText(textId).c_str());
    };
    if (plan.addFavorite)
        append(ID_ADD_FAVORITE, IDS_ADD_FAVORITE);
    if (plan.organizeFavorites)
        append(ID_ORGANIZE_FAVORITES, IDS_ORGANIZE_FAVORITES);
    if (plan.readMark)
        append(ID_TOGGLE_READ_MARK, IDS_TOGGLE_READ_MARK);
    if (plan.engineSubmenu) {
        AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        AppendEngineSearchSubmenu(popup);
    }
    return result;
}

bool TreeNotify(LauncherWindow& launcher, const NMHDR& header, LRESULT& result)
{
    LauncherTree* tree = launcher.Tree();
    if (!tree || header.hwndFrom != tree->Window())
        return false;
    switch (header.code) {
    case NM_CLICK:
        OnClick(launcher, *tree);
        result = 0;
        return true;
    case NM_RCLICK:
        OnRightClick(launcher, *tree);
        result = 1;   // no WM_CONTEXTMENU after the menu
        return true;
    case TVN_KEYDOWN:
        if (reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey == VK_DELETE) {
            PostMessageA(launcher.Window(), WM_COMMAND, IDM_TREE_DELETE, 0);
            result = 1;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void OpenSelectedItem(LauncherWindow& launcher)
{
    LauncherTree* tree = launcher.Tree();
    if (!tree)
        return;
    const HWND dialog = launcher.Window();
    HTREEITEM item = tree->Selected();
    const OptionRecord& o = Options();
    switch (tree->GroupOf(item)) {
    case kTreeGroupTyped:
        if (const LinkEntry* entry = TypedAddressOf(*tree, item)) {
            const std::string address = entry->urlBase;
            TypedAddresses().Add(TypedAddressRegistry(), address);
            HideAfterAction(dialog);
            Perform(OpenAddress(address, o.UseMiniBrowserLink, FreshLaunchContext()), ProgramExecutor());
        }
        break;
    case kTreeGroupFavorites:
        if (const LinkEntry* entry = FavoriteOf(*tree, item)) {
            const std::string path = FavoritePath(*entry);
            HideAfterAction(dialog);
            OpenFavoriteFile(path);
        }
        break;
    case kTreeGroupSearched:
        if (const SavedEntry* entry = SearchTextOf(*tree, item)) {
            const std::string text = entry->text;
            const HWND combo = launcher.TextBox();
            SearchHistory().Add(Settings(), text);
            FillLauncherCombo(combo);
            PutComboText(combo, text);
            HideAfterAction(dialog);
            InterpretAndLaunch(text, false, nullptr);
        }
        break;
    case kTreeGroupEngines:
        if (const LinkEntry* engine = EngineOf(*tree, item)) {
            const std::string home = engine->urlBase;
            HideAfterAction(dialog);
            if (o.UseMiniBrowserSearch)
                ShowInMiniBrowser(home.c_str(), 0);
            else
                Perform(OpenAddress(home, o.UseMiniBrowserEngine, FreshLaunchContext()), ProgramExecutor());
        }
        break;
    case kTreeGroupTranslated:
        if (SavedEntry* entry = TranslationOf(*tree, item)) {
            if (o.StartTranslator) {
                HideAfterAction(dialog);
                RunCommandText(o.TranslateURL.c_str());
            } else {
                entry->showResult = true;
                // The window shows a copy: the history may change while it is open.
                const SavedEntry shown = *entry;
                OpenTranslationWindow(dialog, &shown);
            }
        }
        break;
    case kTreeGroupWebAlert:
        if (const void* record = MonitoredPageOf(*tree, item)) {
            const PageId id = static_cast<PageId>(record);
            MonitoredPage page;
            WebAlertPages().Update(id, [&](MonitoredPage& p) {
                if (p.Modified())
                    p.SetModified(0);
                page = p;
            });
            tree->SetBold(item, false);
            SaveWebAlertPages();
            RedrawMonitorList();
            HideAfterAction(dialog);
            Perform(OpenAddress(page.urlString, o.UseMiniBrowserWebAlert, FreshLaunchContext()), ProgramExecutor());
        }
        break;
    default:
        // Roots and folders.
        break;
    }
}

void DeleteSelectedItem(LauncherWindow& launcher)
{
    LauncherTree* tree = launcher.Tree();
    if (!tree)
        return;
    HTREEITEM item = tree->Selected();
    const int group = tree->GroupOf(item);
    const void* record = tree->RecordOf(item);
    if (!TreeGroupDeletes(group) || tree->IsRoot(item) || !record)
        return;
    const std::string text = tree->TextOf(item);
    if (group == kTreeGroupSearched)
        if (const SavedEntry* entry = SearchTextOf(*tree, item))
            PutSearchTextInBox(launcher, *entry);
    const HWND dialog = launcher.Window();
    if (!Confirmed(dialog))
        return;
    // While the question was open the launcher may have closed, and the item may have gone (a
    // translation run from the hotkey rewrites the history) with its handle given to another
    // item: the item is looked up again by its record, which must still show the same text
    // (a new record may sit where the old one was).
    if (LauncherOf(dialog) != &launcher || !(tree = launcher.Tree()))
        return;
    item = tree->ChildWith(group, record);
    if (!item || tree->TextOf(item) != text)
        return;
    switch (group) {
    case kTreeGroupTyped:
        if (const LinkEntry* entry = TypedAddressOf(*tree, item))
            TypedAddresses().Remove(TypedAddressRegistry(), *entry);
        break;
    case kTreeGroupSearched:
        if (const SavedEntry* entry = SearchTextOf(*tree, item))
            SearchHistory().Remove(Settings(), *entry);
        break;
    case kTreeGroupTranslated:
        if (const SavedEntry* entry = TranslationOf(*tree, item))
            TranslationHistory().Remove(Settings(), *entry);
        break;
    default:
        break;
    }
}

void AddSelectedToFavorites(LauncherWindow& launcher)
{
    LauncherTree* tree = launcher.Tree();
    const LinkEntry* entry = tree ? TypedAddressOf(*tree, tree->Selected()) : nullptr;
    if (!entry)
        return;
    const std::string address = entry->urlBase;
    const HWND dialog = launcher.Window();
    if (AddFavorite(dialog, address.c_str(), address.c_str()) == 1 && LauncherOf(dialog) == &launcher)
        launcher.Tree()->ReloadFavorites();
}

void OrganizeFavoritesFromTree(LauncherWindow& launcher)
{
    if (!launcher.Tree())
        return;
    const HWND dialog = launcher.Window();
    OrganizeFavorites(dialog);
    // The shell's dialog is modal; the launcher may have closed meanwhile.
    if (LauncherOf(dialog) == &launcher)
        launcher.Tree()->ReloadFavorites();
}

void ToggleSelectedReadMark(LauncherWindow& launcher)
{
    LauncherTree* tree = launcher.Tree();
    HTREEITEM item = tree ? tree->Selected() : nullptr;
    const void* record = tree ? MonitoredPageOf(*tree, item) : nullptr;
    if (!record)
        return;
    bool unread = false;
    WebAlertPages().Update(static_cast<PageId>(record), [&](MonitoredPage& page) {
        page.SetModified(page.Modified() ? 0 : 1);
        unread = page.Modified();
    });
    tree->SetBold(item, unread);
    SaveWebAlertPages();
    RedrawMonitorList();
}
