#include "options/EnginesPage_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/AppContext_win.h"
#include "app/Hotkeys_win.h"
#include "app/MessageBox_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/EngineTable.h"
#include "options/EngineEditor_win.h"
#include "resources/ResourceIds.h"

namespace {

// Favorite and TranslateURL are kept in 128 characters.
constexpr std::size_t kShortTextChars = 127;

LinkList& Work()
{
    return Options().enginesWork;
}

} // namespace

EnginesPage::EnginesPage() : PropertyPage(IDD_OPTIONS_ENGINES, IDS_PAGE_ENGINES, "options2") {}

EnginesPage::~EnginesPage()
{
    if (images_)
        ImageList_Destroy(images_);
}

bool EnginesPage::OnInit()
{
    OptionRecord& o = Options();
    HWND page = Window();
    OpenEnginesWorkingCopy(o);

    HWND list = Item(IDC_ENG_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    const struct {
        UINT text;
        int width;
    } columns[] = {{IDS_COL_ENGINE_NAME, 90}, {IDS_COL_URL_STRING, 400}, {IDS_COL_URL_BASE, 250}, {IDS_COL_ENGINE_ENABLE, 50}};
    for (int i = 0; i < 4; ++i) {
        std::string title = LoadText(columns[i].text, 63);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(title.c_str());
        column.cx = columns[i].width;
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    UniqueIcon icon(static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_ENGINE), IMAGE_ICON, 16, 16, 0)));
    ImageList_AddIcon(images_, icon.Get());
    ListView_SetImageList(list, images_, LVSIL_SMALL);
    Refill(-1);

    SetLimitedText(page, IDC_ENG_FAVORITE, o.Favorite, kShortTextChars);
    SetLimitedText(page, IDC_ENG_TRANSLATE_URL, o.TranslateURL, kShortTextChars);
    CheckRadioButton(page, IDC_ENG_LOCAL_TRANSLATOR, IDC_ENG_TOOL_TRANSLATOR,
                     o.StartTranslator ? IDC_ENG_TOOL_TRANSLATOR : IDC_ENG_LOCAL_TRANSLATOR);
    EnableTranslateField();
    SetHotkeyControl(page, IDC_ENG_HOTKEY, o.HotkeyTranslate);
    SetHotkeyControl(page, IDC_ENG_HOTKEY_CLIP, o.HotkeyClipboardTranslate);
    hotkeys_.Pause({{o.HotkeyTranslate, 3, HOTKEY_TRANSLATE}, {o.HotkeyClipboardTranslate, 4, HOTKEY_TRANSLATE_CLIPBOARD}});
    return true;
}

int EnginesPage::Selected() const
{
    return static_cast<int>(SendMessageA(Item(IDC_ENG_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void EnginesPage::Refill(int select)
{
    HWND list = Item(IDC_ENG_LIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    const int count = static_cast<int>(Work().size());
    for (int i = 0; i < count; ++i) {
        // The texts come on demand (LVN_GETDISPINFO), straight from the working copy.
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = LPSTR_TEXTCALLBACKA;
        item.iImage = 0;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (select >= 0 && select < count) {
        ListView_SetItemState(list, select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, select, FALSE);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void EnginesPage::AddEngine()
{
    std::unique_ptr<LinkEntry> engine(new LinkEntry("", "", "", 1));
    if (EditEngine(Window(), *engine) != IDOK)
        return;
    Work().push_back(std::move(engine));
    Refill(static_cast<int>(Work().size()) - 1);
}

void EnginesPage::EditSelected()
{
    int selected = Selected();
    if (selected < 0 || selected >= static_cast<int>(Work().size()))
        return;
    if (EditEngine(Window(), *Work()[static_cast<std::size_t>(selected)]) == IDOK)
        Refill(selected);
}

void EnginesPage::DeleteSelected()
{
    int selected = Selected();
    if (selected < 0 || selected >= static_cast<int>(Work().size()))
        return;
    if (MessageBoxById(Window(), IDS_CONFIRM_DELETE_URL, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    Work().erase(Work().begin() + selected);
    Refill(selected < static_cast<int>(Work().size()) ? selected : selected - 1);
}

void EnginesPage::EnableTranslateField()
{
    EnableWindow(Item(IDC_ENG_TRANSLATE_URL), GetCheck(Window(), IDC_ENG_TOOL_TRANSLATOR) != 0);
}

bool EnginesPage::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDC_ENG_ADD:
    case ID_LIST_ADD:
        AddEngine();
        return true;
    case IDC_ENG_EDIT:
    case ID_LIST_EDIT:
        EditSelected();
        return true;
    case IDC_ENG_DELETE:
    case ID_LIST_DELETE:
        DeleteSelected();
        return true;
    case IDC_ENG_SET_DEFAULT: {
        int selected = Selected();
        if (selected < 0 || selected >= static_cast<int>(Work().size())) {
            MessageBeep(MB_OK);
            return true;
        }
        SetLimitedText(Window(), IDC_ENG_FAVORITE, Work()[static_cast<std::size_t>(selected)]->name, kShortTextChars);
        return true;
    }
    case IDC_ENG_LOCAL_TRANSLATOR:
    case IDC_ENG_TOOL_TRANSLATOR:
        if (code == BN_CLICKED)
            EnableTranslateField();
        return true;
    default:
        return false;
    }
}

INT_PTR EnginesPage::OnNotify(NMHDR* header)
{
    if (header->idFrom != IDC_ENG_LIST)
        return 0;
    switch (header->code) {
    case LVN_GETDISPINFOA: {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
        if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0 || item.iItem < 0 ||
            item.iItem >= static_cast<int>(Work().size()))
            return 0;
        const LinkEntry& engine = *Work()[static_cast<std::size_t>(item.iItem)];
        std::string text;
        switch (item.iSubItem) {
        case 0: text = engine.name; break;
        case 1: text = engine.urlString; break;
        case 2: text = engine.urlBase; break;
        default: text = LoadText(engine.enabled ? IDS_YES : IDS_NO, 31); break;
        }
        lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
        return 0;
    }
    case LVN_ITEMACTIVATE:
        EditSelected();
        return 0;
    default:
        return 0;
    }
}

bool EnginesPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    if (message != WM_CONTEXTMENU || reinterpret_cast<HWND>(wParam) != Item(IDC_ENG_LIST))
        return false;
    ShowListMenu(Window(), Item(IDC_ENG_LIST), lParam);
    result = TRUE;
    return true;
}

bool EnginesPage::OnApply()
{
    OptionRecord& o = Options();
    HWND page = Window();
    o.Favorite = GetLimitedText(page, IDC_ENG_FAVORITE, kShortTextChars);
    o.TranslateURL = GetLimitedText(page, IDC_ENG_TRANSLATE_URL, kShortTextChars);
    o.HotkeyTranslate = GetHotkeyControl(page, IDC_ENG_HOTKEY);
    o.HotkeyClipboardTranslate = GetHotkeyControl(page, IDC_ENG_HOTKEY_CLIP);
    o.StartTranslator = GetCheck(page, IDC_ENG_TOOL_TRANSLATOR);
    ApplyEnginesWorkingCopy(o, Settings());
    // The translator's keys live in section "Options": written here too, so that they are
    // not lost when the sheet is closed without the other pages ever being shown.
    SaveOptions(o, Settings());
    hotkeys_.Resume(0, o.HotkeyTranslate);
    hotkeys_.Resume(1, o.HotkeyClipboardTranslate);
    return true;
}

void EnginesPage::OnCancel()
{
    Options().enginesWork.clear();
    hotkeys_.ResumeAsBefore();
}
