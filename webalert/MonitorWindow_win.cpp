// The monitor window: the watched pages with their change state, a toolbar, a context menu and
// the tools that act on one page. One window at most, owned by the main window; its handle is
// Windows().webAlert while it is open.
#include "webalert/MonitorWindow_win.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/LauncherHost_win.h"
#include "app/MainWindow_win.h"
#include "app/MessageBox_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/Win32Profile_win.h"
#include "app/WinHandles_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/CaptionButtons_win.h"
#include "chrome/Skin_win.h"
#include "launcher/LauncherTree_win.h"
#include "resources/ResourceIds.h"
#include "webalert/LinkDialog_win.h"
#include "webalert/MonitorRules.h"
#include "webalert/PageRows_win.h"
#include "webalert/PageTools_win.h"
#include "webalert/WebAlert_win.h"

namespace {

const PageColumn kColumns[kMonitorColumns] = {{IDS_COL_NAME, 160},    {IDS_COL_LINK, 260}, {IDS_COL_DATE, 90},
                                              {IDS_COL_TIME, 60},     {IDS_COL_UPDATED, 60},
                                              {IDS_COL_ENABLE, 60}};

// Layout, in pixels.
constexpr int kListMarginX = 40;
constexpr int kListMarginY = 116;
constexpr int kToolbarX = 190;
constexpr int kToolbarY = 5;
constexpr int kToolbarHeight = 27;
constexpr int kMinTrackWidth = 480;
constexpr int kMinTrackHeight = 160;

struct ToolButton {
    int command;   // 0: a separator
    int image;
    UINT tip;
};
const ToolButton kToolbar[] = {
    {IDM_WA_OPEN, 4, IDS_TIP_OPEN_LINK},
    {IDM_WA_CHECK_ALL, 1, IDS_TIP_CHECK_NOW},
    {0, 0, 0},
    {IDM_WA_MARK, 6, IDS_TIP_MARK},
    {IDM_WA_CHECK_ONE, 2, IDS_TIP_CHECK_LINK},
    {IDM_WA_PROPERTIES, 5, IDS_TIP_PROPERTIES},
    {IDM_WA_STOP_SUPERVISE, 0, IDS_TIP_STOP_SUPERVISE},
    {IDM_WA_DELETE, 8, IDS_TIP_DELETE_LINK},
    {0, 0, 0},
    {IDM_GO_DLG, 7, IDS_TIP_SHOW_HIDE_MAIN},
    {IDM_GO_MINIBROWSER, 9, IDS_TIP_ACTIVATE_MINIBROWSER},
    {0, 0, 0},
    {IDM_WA_VIEWMODE, 3, IDS_TIP_VIEW_MODE},
    {0, 0, 0},
    {IDM_WA_MAIL, 10, IDS_TIP_SEND_MAIL},
};
// The buttons that act on the selected page.
const int kPageButtons[] = {IDM_WA_OPEN, IDM_WA_MARK, IDM_WA_DELETE, IDM_WA_STOP_SUPERVISE,
                            IDM_WA_PROPERTIES, IDM_WA_CHECK_ONE, IDM_WA_MAIL};
// The menu commands greyed without a selection: all that act on the selected page.
const int kPageCommands[] = {IDM_WA_OPEN,       IDM_WA_MARK,     IDM_WA_DELETE, IDM_WA_STOP_SUPERVISE,
                             IDM_WA_PROPERTIES, IDM_WA_CHECK_ONE, IDM_WA_OPEN_NEW, IDM_WA_RENAME,
                             IDM_WA_COMPARE,    IDM_WA_MAIL,     IDM_WA_SOURCE, IDM_WA_COPY};

int ViewCommandOf(LONG_PTR viewBits)
{
    switch (viewBits & LVS_TYPEMASK) {
    case LVS_ICON: return IDM_WA_LARGE_ICONS;
    case LVS_SMALLICON: return IDM_WA_SMALL_ICONS;
    case LVS_LIST: return IDM_WA_LIST;
    default: return IDM_WA_DETAILS;
    }
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        auto* areas = reinterpret_cast<std::vector<ScreenRect>*>(data);
        const ScreenRect area{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            areas->insert(areas->begin(), area);
        else
            areas->push_back(area);
    }
    return TRUE;
}

std::vector<ScreenRect> WorkAreas()
{
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

// The page icons and the toolbar's pictures, made at the first opening and kept for the
// program's life: the window is opened and closed often, and making them is a good part of
// an opening's cost. Neither the list (shared image lists) nor the toolbar destroys them.
struct Images {
    HIMAGELIST small = nullptr;
    HIMAGELIST large = nullptr;
    HIMAGELIST tools = nullptr;
};

const Images& TheImages()
{
    static const Images images = [] {
        Images made;
        made.small = CreatePageImages(16);
        made.large = CreatePageImages(32);
        made.tools = ImageList_Create(16, 15, ILC_COLOR24 | ILC_MASK, 11, 0);
        if (made.tools) {
            UniqueBitmap strip(static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_MONITOR_TOOLBAR),
                                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
            if (strip)
                ImageList_AddMasked(made.tools, strip.Get(), RGB(255, 0, 255));
        }
        return made;
    }();
    return images;
}

class MonitorWindow : public Dialog {
public:
    MonitorWindow() : Dialog(IDD_MONITOR) {}

    // ---- what the rest of the page monitor asks ----
    void AddRows()
    {
        const Marks marks = KeepMarks();
        // Rows of pages that left the list (the settings were read again) go.
        rows_.erase(std::remove_if(rows_.begin(), rows_.end(),
                                   [](PageId id) { return !WebAlertPages().Contains(id); }),
                    rows_.end());
        const std::set<PageId> shown(rows_.begin(), rows_.end());
        const OptionRecord& o = Options();
        // Pages are added and removed on this thread only, so the two calls see the same list.
        const std::vector<PageId> ids = WebAlertPages().Ids();
        const std::vector<MonitoredPage> pages = WebAlertPages().Copies();
        for (std::size_t i = 0; i < ids.size() && i < pages.size(); ++i) {
            if (!shown.count(ids[i]) && MonitorRowAdmitted(pages[i], o.WebAlertShowDisable != 0, o.WebAlertShowUpdated != 0))
                rows_.push_back(ids[i]);
        }
        ShowRows(marks);
    }

    void AddRowIfMissing(int index, PageId id)
    {
        if (RowOf(id) >= 0)
            return;
        MonitoredPage page;
        const OptionRecord& o = Options();
        if (!WebAlertPages().CopyOf(id, page) ||
            !MonitorRowAdmitted(page, o.WebAlertShowDisable != 0, o.WebAlertShowUpdated != 0))
            return;
        const Marks marks = KeepMarks();
        const int count = static_cast<int>(rows_.size());
        rows_.insert(rows_.begin() + (index < 0 || index > count ? count : index), id);
        ShowRows(marks);
    }

    void Redraw()
    {
        ListView_RedrawItems(List(), 0, 999);
        InvalidateRect(List(), nullptr, FALSE);
        UpdateButtons();
    }

    void ProgressBegin(int count)
    {
        SendDlgItemMessageA(Window(), IDC_MONITOR_PROGRESS, PBM_SETRANGE32, 0, count);
        SendDlgItemMessageA(Window(), IDC_MONITOR_PROGRESS, PBM_SETPOS, 0, 0);
        SetDlgItemTextA(Window(), IDC_MONITOR_STATUS, "");
        ShowWindow(Item(IDC_MONITOR_PROGRESS), SW_SHOWNA);
        ShowWindow(Item(IDC_MONITOR_STATUS), SW_SHOWNA);
    }

    void ProgressStep(int taken, const std::string& link)
    {
        SendDlgItemMessageA(Window(), IDC_MONITOR_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(taken), 0);
        if (!link.empty())
            SetDlgItemTextA(Window(), IDC_MONITOR_STATUS, link.c_str());
    }

    void ProgressEnd()
    {
        ShowWindow(Item(IDC_MONITOR_PROGRESS), SW_HIDE);
        ShowWindow(Item(IDC_MONITOR_STATUS), SW_HIDE);
    }

protected:
    bool OnInit() override
    {
        SkinLayout layout;
        layout.captionLine = true;
        layout.tabText = IDS_WEBALERT_TITLE;
        layout.closeButton = true;
        layout.extraButtons = true;
        layout.onTop = [] { return Options().WebAlertOnTop != 0; };
        ApplySkin(Window(), layout);
        SetWindowTextA(Window(), LoadText(IDS_WEBALERT_TITLE).c_str());

        CreateToolbar();
        HWND list = List();
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT | LVS_EX_FLATSB |
                                                    LVS_EX_UNDERLINEHOT);
        const Images& images = TheImages();
        if (images.small)
            ListView_SetImageList(list, images.small, LVSIL_SMALL);
        if (images.large)
            ListView_SetImageList(list, images.large, LVSIL_NORMAL);
        AddPageColumns(list, kColumns, kMonitorColumns);
        AddRows();

        const OptionRecord& o = Options();
        if (o.WebAlertPos[3] != 0) {
            ScreenRect stored{o.WebAlertPos[0], o.WebAlertPos[1], o.WebAlertPos[0] + o.WebAlertPos[2],
                              o.WebAlertPos[1] + o.WebAlertPos[3]};
            stored.right = std::max(stored.right, stored.left + kMinTrackWidth);
            stored.bottom = std::max(stored.bottom, stored.top + kMinTrackHeight);
            const ScreenRect placed = BringOnScreen(stored, WorkAreas());
            SetWindowPos(Window(), nullptr, placed.left, placed.top, placed.right - placed.left,
                         placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            Layout();
            PlaceBottomRight(Window());
        }
        Layout();
        if (o.WebAlertOnTop)
            SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetViewMode(o.WebAlertViewMode);
        UpdateButtons();
        return true;
    }

    bool OnCommand(int id, int code, HWND control) override
    {
        (void)code;
        (void)control;
        switch (id) {
        case IDCANCEL:
            CloseWithSave();
            return true;
        case IDHELP:
            OpenHelpPage("webalert", "");
            return true;
        case kToggleOnTopCommand:
            ToggleOnTop();
            return true;
        case IDM_WA_OPEN:
            OpenSelected(false);
            return true;
        case IDM_WA_OPEN_NEW:
            OpenSelected(true);
            return true;
        case IDM_WA_OPEN_ALL:
            OpenAllModified();
            return true;
        case IDM_WA_CHECK_ONE:
            if (PageId page = Selected())
                StartPageCheck(Windows().main, page);
            return true;
        case IDM_WA_CHECK_ALL:
            StartPageCheck(Windows().main, nullptr);
            return true;
        case IDM_WA_COMPARE:
        case IDM_WA_MAIL:
        case IDM_WA_SOURCE:
        case IDM_WA_COPY:
            PageTool(id);
            return true;
        case IDM_WA_MARK:
            ToggleReadMark();
            return true;
        case IDM_WA_DELETE:
            DeleteSelected();
            return true;
        case IDM_WA_RENAME:
            if (Selected()) {
                SetFocus(List());
                ListView_EditLabel(List(), ListView_GetNextItem(List(), -1, LVNI_SELECTED));
            }
            return true;
        case IDM_WA_STOP_SUPERVISE:
            if (PageId page = Selected()) {
                WebAlertPages().Update(page, [](MonitoredPage& p) { p.enabled = p.enabled ? 0 : 1; });
                SaveWebAlertPages();
                Redraw();
            }
            return true;
        case IDM_DISABLE_WEBALERT:
            Flags().WebAlertDisabled = !Flags().WebAlertDisabled;
            return true;
        case IDM_WA_LARGE_ICONS:
            SetViewMode(LVS_ICON);
            return true;
        case IDM_WA_SMALL_ICONS:
            SetViewMode(LVS_SMALLICON);
            return true;
        case IDM_WA_LIST:
            SetViewMode(LVS_LIST);
            return true;
        case IDM_WA_DETAILS:
            SetViewMode(LVS_REPORT);
            return true;
        case IDM_WA_SHOW_DISABLED:
        case IDM_WA_SHOW_UPDATED: {
            OptionRecord& o = Options();
            int& filter = id == IDM_WA_SHOW_DISABLED ? o.WebAlertShowDisable : o.WebAlertShowUpdated;
            filter = filter ? 0 : 1;
            Settings().WriteInt("Options", id == IDM_WA_SHOW_DISABLED ? "WebAlertShowDisable" : "WebAlertShowUpdated",
                                filter);
            rows_.clear();
            AddRows();
            return true;
        }
        case IDM_WA_PROPERTIES:
            EditSelected();
            return true;
        case IDM_GO_DLG:
            if (LauncherVisible())
                HideLauncher();
            else
                OpenLauncher();
            return true;
        case IDM_GO_MINIBROWSER:
            if (HWND main = Windows().main)
                PostMessageA(main, WM_COMMAND, IDM_STARTMINIBROWSER, 0);
            return true;
        case IDM_WA_VIEWMODE:
            return true;   // only its arrow acts
        default:
            return false;
        }
    }

    INT_PTR OnNotify(NMHDR* header) override
    {
        if (header->hwndFrom == List())
            return OnListNotify(header);
        if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW) {
            ToolTip(header);
            return 0;
        }
        if (header->code == TBN_DROPDOWN && header->hwndFrom == toolbar_) {
            auto* press = reinterpret_cast<NMTOOLBARA*>(header);
            RECT button = {};
            SendMessageA(toolbar_, TB_GETRECT, static_cast<WPARAM>(press->iItem), reinterpret_cast<LPARAM>(&button));
            MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&button), 2);
            TrackMenu(true, {button.left, button.bottom});
            return TBDDRET_DEFAULT;
        }
        return 0;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override
    {
        switch (message) {
        case UM_TRAYICON:
            AddRows();
            result = TRUE;
            return true;
        case UM_CLOSELAUNCHER:
            CloseWithSave();
            result = TRUE;
            return true;
        case WM_SYSCOMMAND:
            if (wParam != SC_HIDELAUNCHER)
                return false;
            // To the tray without keeping the place: the next opening finds the stored one.
            HideToTray(Window());
            DestroyWindow(Window());
            result = TRUE;
            return true;
        case WM_SIZE:
            Layout();
            return false;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize.x = kMinTrackWidth;
            limits->ptMinTrackSize.y = kMinTrackHeight;
            result = TRUE;
            return true;
        }
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) != List())
                return false;
            {
                POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                if (lParam == -1) {
                    // From the keyboard: under the selected row, else at the list's corner.
                    RECT row = {};
                    const int selected = ListView_GetNextItem(List(), -1, LVNI_SELECTED);
                    if (selected < 0 || !ListView_GetItemRect(List(), selected, &row, LVIR_LABEL))
                        row = {};
                    at = {row.left, row.bottom};
                    ClientToScreen(List(), &at);
                }
                TrackMenu(false, at);
            }
            result = TRUE;
            return true;
        default:
            return false;
        }
    }

    void OnDestroy() override
    {
        if (Windows().webAlert == Window())
            Windows().webAlert = nullptr;
        HWND list = List();
        ListView_SetImageList(list, nullptr, LVSIL_SMALL);
        ListView_SetImageList(list, nullptr, LVSIL_NORMAL);
        if (toolbar_)
            SendMessageA(toolbar_, TB_SETIMAGELIST, 0, 0);
    }

private:
    HWND List() const { return Item(IDC_MONITOR_LIST); }

    // The list keeps no rows of its own (it asks for each shown row's texts); rows_ holds the
    // pages in the order shown, so that adding and sorting 499 rows is a vector's work.
    PageId RowPage(int row) const
    {
        return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)] : nullptr;
    }

    int RowOf(PageId id) const
    {
        const auto found = std::find(rows_.begin(), rows_.end(), id);
        return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
    }

    // The list's own search, which it leaves to the window: by page, or by the name's first
    // letters as they are typed (without regard to case, from the given row on, round to the top).
    int FindRow(int from, UINT flags, LPARAM param, const std::string& typed) const
    {
        if (flags & LVFI_PARAM)
            return RowOf(reinterpret_cast<PageId>(param));
        if (!(flags & (LVFI_STRING | LVFI_PARTIAL)))
            return -1;
        const int count = static_cast<int>(rows_.size());
        const int start = from >= 0 && from < count ? from : 0;
        for (int step = 0; step < count; ++step) {
            const int row = start + step;
            if (row >= count && !(flags & LVFI_WRAP))
                break;
            MonitoredPage page;
            if (!WebAlertPages().CopyOf(RowPage(row % count), page))
                continue;
            const std::string name = flags & LVFI_PARTIAL ? page.name.substr(0, typed.size()) : page.name;
            if (lstrcmpiA(name.c_str(), typed.c_str()) == 0)
                return row % count;
        }
        return -1;
    }

    // The list keeps its selection and focus by row number: they are noted by page before the
    // rows move and put back on the same pages after.
    struct Marks {
        PageId selected = nullptr;
        PageId focused = nullptr;
    };

    Marks KeepMarks() const
    {
        HWND list = List();
        return {RowPage(ListView_GetNextItem(list, -1, LVNI_SELECTED)),
                RowPage(ListView_GetNextItem(list, -1, LVNI_FOCUSED))};
    }

    void ShowRows(const Marks& marks)
    {
        HWND list = List();
        const int selected = marks.selected ? RowOf(marks.selected) : -1;
        const int focused = marks.focused ? RowOf(marks.focused) : -1;
        const int before = ListView_GetNextItem(list, -1, LVNI_SELECTED);
        const int focusBefore = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
        // Telling the list its count again costs as much as a first filling: a sort keeps it.
        if (ListView_GetItemCount(list) != static_cast<int>(rows_.size()))
            ListView_SetItemCountEx(list, static_cast<int>(rows_.size()), LVSICF_NOSCROLL);
        if (selected != before || ListView_GetNextItem(list, -1, LVNI_SELECTED) != selected) {
            ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
            if (selected >= 0) {
                ListView_SetItemState(list, selected, LVIS_SELECTED, LVIS_SELECTED);
            }
        }
        if (focused != focusBefore || ListView_GetNextItem(list, -1, LVNI_FOCUSED) != focused) {
            if (focused >= 0) {
                ListView_SetItemState(list, focused, LVIS_FOCUSED, LVIS_FOCUSED);
            } else if (focusBefore >= 0 && focusBefore < static_cast<int>(rows_.size())) {
                ListView_SetItemState(list, focusBefore, 0, LVIS_FOCUSED);
            }
        }
        InvalidateRect(list, nullptr, FALSE);
        UpdateButtons();
    }

    // The selected row's page, when it is still in the list.
    PageId Selected() const
    {
        const int row = ListView_GetNextItem(List(), -1, LVNI_SELECTED);
        if (row < 0)
            return nullptr;
        const PageId id = RowPage(row);
        return WebAlertPages().Contains(id) ? id : nullptr;
    }

    void CreateToolbar()
    {
        toolbar_ = CreateWindowExA(WS_EX_CLIENTEDGE, TOOLBARCLASSNAMEA, "",
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS |
                                       CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                   kToolbarX, kToolbarY, 300, kToolbarHeight, Window(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MONITOR_TOOLBAR)),
                                   GetModuleHandleA(nullptr), nullptr);
        if (!toolbar_)
            return;
        SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageA(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        SendMessageA(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
        if (HIMAGELIST tools = TheImages().tools)
            SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tools));
        std::vector<TBBUTTON> buttons;
        for (const ToolButton& tool : kToolbar) {
            TBBUTTON button = {};
            button.iBitmap = tool.command ? tool.image : 8;
            button.idCommand = tool.command;
            button.fsState = tool.command ? TBSTATE_ENABLED : 0;
            button.fsStyle = static_cast<BYTE>(!tool.command ? BTNS_SEP
                                                               : (tool.command == IDM_WA_VIEWMODE ? BTNS_DROPDOWN
                                                                                                   : BTNS_BUTTON));
            buttons.push_back(button);
        }
        SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    }

    void ToolTip(NMHDR* header)
    {
        UINT tip = 0;
        for (const ToolButton& tool : kToolbar)
            if (tool.command && static_cast<UINT_PTR>(tool.command) == header->idFrom)
                tip = tool.tip;
        if (!tip)
            return;
        const std::string text = LoadText(tip, 79);
        if (header->code == TTN_GETDISPINFOA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
            lstrcpynA(info->szText, text.c_str(), sizeof info->szText);
            info->lpszText = info->szText;
            info->hinst = nullptr;
        } else {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
            MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info->szText, 80);
            info->szText[79] = 0;
            info->lpszText = info->szText;
            info->hinst = nullptr;
        }
    }

    // The layout for the client size: list, explanation, progress and status, toolbar.
    void Layout()
    {
        RECT client = {};
        GetClientRect(Window(), &client);
        const int width = client.right, height = client.bottom;
        HWND list = List();
        RECT at = {};
        GetWindowRect(list, &at);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&at), 2);
        const int listWidth = std::max(0, width - kListMarginX), listHeight = std::max(0, height - kListMarginY);
        MoveWindow(list, at.left, at.top, listWidth, listHeight, TRUE);
        MoveWindow(Item(IDC_MONITOR_TEXT), at.left, at.top - 17, listWidth, 15, TRUE);
        const int below = at.top + listHeight;
        MoveWindow(Item(IDC_MONITOR_PROGRESS), at.left, below + 10, listWidth, 14, TRUE);
        MoveWindow(Item(IDC_MONITOR_STATUS), at.left, below + 30, listWidth, 16, TRUE);
        if (toolbar_) {
            const RECT caption = CaptionButtonRectOf(Window(), chrome::CaptionButton::Pin);
            SIZE ideal = {};
            SendMessageA(toolbar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
            const int room = std::max(0, static_cast<int>(caption.left) - 8 - kToolbarX);
            const int reach = std::max(0, width - 195 - kToolbarX);
            const int toolbarWidth = std::min(static_cast<int>(ideal.cx) + 6, std::max(room, reach));
            MoveWindow(toolbar_, kToolbarX, kToolbarY, std::min(toolbarWidth, room), kToolbarHeight, TRUE);
        }
        InvalidateRect(Window(), nullptr, TRUE);
    }

    void SetViewMode(int bits)
    {
        HWND list = List();
        const LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
        const LONG_PTR wanted = bits & LVS_TYPEMASK;
        if ((style & LVS_TYPEMASK) != wanted) {
            SetWindowLongPtrA(list, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | wanted);
            ListView_Arrange(list, LVA_DEFAULT);
            InvalidateRect(list, nullptr, TRUE);
        }
    }

    void UpdateButtons()
    {
        if (!toolbar_)
            return;
        const bool selected = ListView_GetNextItem(List(), -1, LVNI_SELECTED) >= 0;
        for (int command : kPageButtons)
            SendMessageA(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(selected ? TRUE : FALSE, 0));
    }

    // The context menu (or only its View submenu, from the toolbar's arrow) as the selection
    // and the options stand; the chosen command is carried out here.
    void TrackMenu(bool viewOnly, POINT at)
    {
        UniqueMenu menu(LoadMenuInLanguage(IDR_MONITOR_MENU));
        if (!menu)
            return;
        HMENU popup = GetSubMenu(menu.Get(), 0);
        MonitoredPage page;
        const PageId id = Selected();
        const bool selected = id && WebAlertPages().CopyOf(id, page);
        for (int command : kPageCommands)
            EnableMenuItem(popup, static_cast<UINT>(command), MF_BYCOMMAND | (selected ? MF_ENABLED : MF_GRAYED));
        if (selected) {
            const std::string mark = LoadText(page.Modified() ? IDS_MARK_READ : IDS_MARK_UNREAD);
            ModifyMenuA(popup, IDM_WA_MARK, MF_BYCOMMAND | MF_STRING, IDM_WA_MARK, mark.c_str());
        }
        const OptionRecord& o = Options();
        UniqueBitmap on(static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_CHECK_ON), IMAGE_BITMAP, 0, 0, 0)));
        UniqueBitmap off(static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_CHECK_OFF), IMAGE_BITMAP, 0, 0, 0)));
        const struct {
            int command;
            bool checked;
        } marks[] = {{IDM_WA_SHOW_DISABLED, o.WebAlertShowDisable != 0},
                     {IDM_WA_SHOW_UPDATED, o.WebAlertShowUpdated != 0},
                     {IDM_WA_STOP_SUPERVISE, selected && !page.enabled},
                     {IDM_DISABLE_WEBALERT, Flags().WebAlertDisabled}};
        for (const auto& item : marks) {
            SetMenuItemBitmaps(popup, static_cast<UINT>(item.command), MF_BYCOMMAND, off.Get(), on.Get());
            CheckMenuItem(popup, static_cast<UINT>(item.command), MF_BYCOMMAND | (item.checked ? MF_CHECKED : MF_UNCHECKED));
        }
        const int view = ViewCommandOf(GetWindowLongPtrA(List(), GWL_STYLE));
        CheckMenuRadioItem(popup, IDM_WA_LARGE_ICONS, IDM_WA_DETAILS, static_cast<UINT>(view), MF_BYCOMMAND);
        HMENU shown = popup;
        if (viewOnly) {
            for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
                HMENU sub = GetSubMenu(popup, i);
                if (sub && GetMenuState(sub, IDM_WA_DETAILS, MF_BYCOMMAND) != static_cast<UINT>(-1))
                    shown = sub;
            }
        }
        SetForegroundWindow(Window());
        const int command = TrackPopupMenu(shown, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, at.x, at.y, 0, Window(), nullptr);
        PostMessageA(Window(), WM_NULL, 0, 0);
        if (command > 0)
            OnCommand(command, 0, nullptr);
    }

    INT_PTR OnListNotify(NMHDR* header)
    {
        switch (header->code) {
        case LVN_GETDISPINFOA: {
            auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
            const PageId id = RowPage(info->item.iItem);
            if (info->item.mask & LVIF_PARAM)
                info->item.lParam = reinterpret_cast<LPARAM>(id);
            if (info->item.mask & LVIF_IMAGE)
                info->item.iImage = 0;
            if (info->item.mask & LVIF_TEXT && info->item.pszText && info->item.cchTextMax > 0) {
                MonitoredPage page;
                text_.clear();
                if (WebAlertPages().CopyOf(id, page)) {
                    if (yes_.empty()) {
                        yes_ = LoadText(IDS_YES);
                        no_ = LoadText(IDS_NO);
                    }
                    text_ = MonitorColumnText(page, info->item.iSubItem, WebAlertFrench(), yes_, no_);
                }
                lstrcpynA(info->item.pszText, text_.c_str(), info->item.cchTextMax);
            }
            return 0;
        }
        case NM_CUSTOMDRAW:
            return painter_.CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header), WebAlertPages(),
                                       [this](int row) { return RowPage(row); });
        case LVN_ODFINDITEMA: {
            const auto* find = reinterpret_cast<NMLVFINDITEMA*>(header);
            return FindRow(find->iStart, find->lvfi.flags, find->lvfi.lParam, find->lvfi.psz ? find->lvfi.psz : "");
        }
        case LVN_ODFINDITEMW: {
            // Sent so by some list versions even to a window that asks for narrow notices.
            const auto* find = reinterpret_cast<NMLVFINDITEMW*>(header);
            char typed[260] = {};
            if (find->lvfi.psz)
                WideCharToMultiByte(CP_ACP, 0, find->lvfi.psz, -1, typed, sizeof typed - 1, nullptr, nullptr);
            return FindRow(find->iStart, find->lvfi.flags, find->lvfi.lParam, typed);
        }
        case LVN_COLUMNCLICK:
            SortBy(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
            return 0;
        case LVN_ITEMCHANGED:
            if (reinterpret_cast<NMLISTVIEW*>(header)->uChanged & LVIF_STATE)
                UpdateButtons();
            return 0;
        case NM_DBLCLK:
            if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0)
                OnCommand((GetKeyState(VK_SHIFT) & 0x8000) ? IDM_WA_PROPERTIES : IDM_WA_OPEN, 0, nullptr);
            return 0;
        case NM_RETURN:
            OnCommand((GetKeyState(VK_CONTROL) & 0x8000) ? IDM_WA_OPEN_NEW : IDM_WA_OPEN, 0, nullptr);
            return 0;
        case LVN_KEYDOWN:
            switch (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) {
            case VK_DELETE:
                PostMessageA(Window(), WM_COMMAND, IDM_WA_DELETE, 0);
                break;
            case VK_SPACE:
                OnCommand(IDM_WA_MARK, 0, nullptr);
                break;
            case VK_F2:   // as in the shell's own lists
                PostMessageA(Window(), WM_COMMAND, IDM_WA_RENAME, 0);
                break;
            default:
                break;
            }
            return 0;
        case LVN_BEGINLABELEDITA:
            return Selected() ? FALSE : TRUE;
        case LVN_ENDLABELEDITA:
            EndRename(reinterpret_cast<NMLVDISPINFOA*>(header));
            return FALSE;   // the row's text comes from the record
        default:
            return 0;
        }
    }

    struct SortContext {
        std::unordered_map<PageId, MonitoredPage> pages;
        int column = 0;
    };

    static int CompareRows(PageId a, PageId b, const SortContext& sort)
    {
        const auto x = sort.pages.find(a);
        const auto y = sort.pages.find(b);
        if (x == sort.pages.end() || y == sort.pages.end())
            return (x == sort.pages.end()) - (y == sort.pages.end());   // rows of gone pages last
        return CompareForColumn(x->second, y->second, sort.column);
    }

    void SortBy(int column)
    {
        SortContext sort;
        sort.column = column;
        // Pages are added and removed on this thread only, so the two calls see the same list.
        const std::vector<PageId> ids = WebAlertPages().Ids();
        std::vector<MonitoredPage> pages = WebAlertPages().Copies();
        if (ids.size() != pages.size())
            return;
        sort.pages.reserve(ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i)
            sort.pages.emplace(ids[i], std::move(pages[i]));
        const Marks marks = KeepMarks();
        // Stable, so that equal rows keep their order, as the list's own sorting did.
        std::stable_sort(rows_.begin(), rows_.end(),
                         [&sort](PageId a, PageId b) { return CompareRows(a, b, sort) < 0; });
        ShowRows(marks);
    }

    void MarkRead(PageId id, MonitoredPage* copy)
    {
        WebAlertPages().Update(id, [&](MonitoredPage& p) {
            p.SetModified(0);
            if (copy)
                *copy = p;
        });
        ShowMonitoredPageMark(id, false);
    }

    void OpenSelected(bool newWindow)
    {
        const PageId id = Selected();
        if (!id)
            return;
        MonitoredPage page;
        MarkRead(id, &page);
        SaveWebAlertPages();
        Redraw();
        OpenPageLink(page, newWindow);
    }

    void OpenAllModified()
    {
        for (PageId id : WebAlertPages().Ids()) {
            MonitoredPage page;
            if (!WebAlertPages().CopyOf(id, page) || !page.enabled || !page.Modified())
                continue;
            MarkRead(id, &page);
            OpenPageLink(page, true);
        }
        Redraw();
        SaveWebAlertPages();
    }

    void ToggleReadMark()
    {
        const PageId id = Selected();
        if (!id)
            return;
        bool unread = false;
        WebAlertPages().Update(id, [&](MonitoredPage& p) {
            p.SetModified(p.Modified() ? 0 : 1);
            unread = p.Modified();
        });
        ShowMonitoredPageMark(id, unread);
        SaveWebAlertPages();
        Redraw();
    }

    void DeleteSelected()
    {
        const PageId id = Selected();
        if (!id || MessageBoxById(Window(), IDS_CONFIRM_DELETE_LINK, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        // The folder and its copies stay: the page may be added again under its name.
        const int row = RowOf(id);
        if (row >= 0) {
            rows_.erase(rows_.begin() + row);
            ListView_DeleteItem(List(), row);
        }
        WebAlertPages().Remove(id);
        SaveWebAlertPages();
        Redraw();
    }

    void EditSelected()
    {
        const PageId id = Selected();
        MonitoredPage page;
        if (!id || !WebAlertPages().CopyOf(id, page))
            return;
        if (LinkDialog(Window(), page, kLinkEdit) != IDOK)
            return;
        WebAlertPages().Update(id, [&](MonitoredPage& p) { p = page; });
        SaveWebAlertPages();
        Redraw();
    }

    void EndRename(NMLVDISPINFOA* info)
    {
        if (!info->item.pszText)
            return;   // cancelled
        const PageId id = RowPage(info->item.iItem);
        MonitoredPage page;
        if (!WebAlertPages().CopyOf(id, page))
            return;
        const std::string cleaned = CleanPageName(info->item.pszText);
        std::vector<std::string> names;
        for (const MonitoredPage& other : WebAlertPages().Copies())
            names.push_back(other.name);
        switch (JudgeRename(names, page.name, cleaned)) {
        case RenameVerdict::Unchanged:
            return;
        case RenameVerdict::Refused:
            MessageBeep(0);
            return;
        case RenameVerdict::Rename:
            break;
        }
        if (!RenamePageCopies(Window(), page.name, cleaned))
            return;
        WebAlertPages().Update(id, [&](MonitoredPage& p) { p.name = cleaned; });
        SaveWebAlertPages();
        ListView_RedrawItems(List(), info->item.iItem, info->item.iItem);
    }

    void PageTool(int command)
    {
        const PageId id = Selected();
        MonitoredPage page;
        if (!id || !WebAlertPages().CopyOf(id, page))
            return;
        switch (command) {
        case IDM_WA_COMPARE: ComparePageCopies(Window(), page); break;
        case IDM_WA_MAIL: MailPageNotice(Window(), page); break;
        case IDM_WA_SOURCE: ShowPageSource(Window(), page); break;
        default: CopyPageLink(Window(), page); break;
        }
    }

    void ToggleOnTop()
    {
        OptionRecord& o = Options();
        o.WebAlertOnTop = o.WebAlertOnTop ? 0 : 1;
        Settings().WriteInt("Options", "WebAlertOnTop", o.WebAlertOnTop);
        SetWindowPos(Window(), o.WebAlertOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RepaintCaptionButtons(Window());
    }

    void CloseWithSave()
    {
        HWND window = Window();
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        RECT rect = {};
        // A minimised window keeps its normal place; that is the one to come back to.
        if (IsIconic(window) && GetWindowPlacement(window, &placement))
            rect = placement.rcNormalPosition;
        else
            GetWindowRect(window, &rect);
        OptionRecord& o = Options();
        o.WebAlertPos[0] = rect.left;
        o.WebAlertPos[1] = rect.top;
        o.WebAlertPos[2] = rect.right - rect.left;
        o.WebAlertPos[3] = rect.bottom - rect.top;
        if (Windows().webAlert == window)
            Windows().webAlert = nullptr;
        o.WebAlertViewMode = static_cast<int>(GetWindowLongPtrA(List(), GWL_STYLE) & LVS_TYPEMASK);
        DestroyWindow(window);
        char position[64];
        std::snprintf(position, sizeof position, "%i,%i,%i,%i", o.WebAlertPos[0], o.WebAlertPos[1], o.WebAlertPos[2],
                      o.WebAlertPos[3]);
        Settings().WriteString("Options", "WebAlertPos", position);
        Settings().WriteInt("Options", "WebAlertViewMode", o.WebAlertViewMode);
    }

    std::vector<PageId> rows_;
    HWND toolbar_ = nullptr;
    PageRowPainter painter_;
    std::string text_;
    std::string yes_;
    std::string no_;
};

// The open window's object; kept until the next opening, since the dialog procedure still
// uses it while the window is being destroyed.
std::unique_ptr<MonitorWindow>& TheMonitor()
{
    static std::unique_ptr<MonitorWindow> monitor;
    return monitor;
}

MonitorWindow* OpenMonitor()
{
    HWND window = Windows().webAlert;
    MonitorWindow* monitor = TheMonitor().get();
    if (!window || !IsWindow(window) || !monitor || monitor->Window() != window)
        return nullptr;
    return monitor;
}

} // namespace

void OpenMonitorWindow(HWND owner, int force)
{
    HWND window = Windows().webAlert;
    if (window && IsWindow(window)) {
        if (IsIconic(window))
            ShowWindow(window, SW_RESTORE);
    } else {
        Windows().webAlert = nullptr;
        if (!force && !Options().WebAlertShowDlg)
            return;
        auto monitor = std::make_unique<MonitorWindow>();
        window = monitor->CreateModeless(owner ? owner : Windows().main);
        if (!window)
            return;
        TheMonitor() = std::move(monitor);
        Windows().webAlert = window;
        ShowWindow(window, SW_SHOW);
    }
    ForceForeground(window);
}

void AddPageRowIfMissing(HWND list, int index, PageId page)
{
    MonitorWindow* monitor = OpenMonitor();
    if (monitor && list == GetDlgItem(monitor->Window(), IDC_MONITOR_LIST))
        monitor->AddRowIfMissing(index, page);
}

void BuildPagesMenu(HMENU menu)
{
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    const std::vector<MonitoredPage> pages = WebAlertPages().Copies();
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const MonitoredPage& page = pages[i];
            const bool unread = page.Modified();
            if (pass == 0 ? !unread : (unread || !page.enabled))
                continue;
            // "&" would underline the next letter; very long names are cut for the menu's width.
            std::string text;
            for (char c : page.name.substr(0, 100))
                text += c == '&' ? std::string("&&") : std::string(1, c);
            if (page.name.size() > 100)
                text += "...";
            MENUITEMINFOA item = {};
            item.cbSize = sizeof item;
            item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
            item.fType = MFT_STRING;
            item.fState = unread ? MFS_DEFAULT : 0;
            item.wID = kPagesMenuCommandBase + static_cast<UINT>(i);
            item.dwTypeData = const_cast<char*>(text.c_str());
            InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
        }
    }
}

void MonitorProgressBegin(int count)
{
    if (MonitorWindow* monitor = OpenMonitor())
        monitor->ProgressBegin(count);
}

void MonitorProgressStep(int taken, const std::string& link)
{
    if (MonitorWindow* monitor = OpenMonitor())
        monitor->ProgressStep(taken, link);
}

void MonitorProgressEnd()
{
    if (MonitorWindow* monitor = OpenMonitor())
        monitor->ProgressEnd();
}

void MonitorPageStateChanged(PageId page, bool becameModified)
{
    MonitorWindow* monitor = OpenMonitor();
    if (!monitor)
        return;
    if (becameModified)
        monitor->AddRowIfMissing(-1, page);
    monitor->Redraw();
}
