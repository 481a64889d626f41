#include "webalert/CompareWindow_win.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string_view>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/ResourceLoader_win.h"
#include "app/TextUtil.h"
#include "app/WinHandles_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"
#include "webalert/CompareText.h"
#include "webalert/LineDiff.h"

namespace {

// Copies are read up to the size the page fetch keeps; a longer file is compared cut.
constexpr DWORD kMaxCopyBytes = 16u << 20;

// Cell colours: the marked side of a row, and the empty side facing an added or removed line.
constexpr COLORREF kChangedBack = RGB(255, 240, 170);
constexpr COLORREF kAddedBack = RGB(200, 240, 200);
constexpr COLORREF kRemovedBack = RGB(255, 205, 205);
constexpr COLORREF kAbsentBack = RGB(236, 236, 236);

enum Column { kMarkColumn, kOldNumberColumn, kOldTextColumn, kNewNumberColumn, kNewTextColumn, kColumnCount };

// Shares everything, so that a check rotating the copies meanwhile is never held up.
bool ReadCopy(const std::string& path, std::string& bytes)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return false;
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size))
        return false;
    const DWORD wanted = static_cast<DWORD>(std::min<LONGLONG>(size.QuadPart, kMaxCopyBytes));
    bytes.assign(wanted, '\0');
    DWORD read = 0;
    if (wanted && !ReadFile(file.Get(), &bytes[0], wanted, &read, nullptr))
        return false;
    bytes.resize(read);
    return true;
}

class CompareWindow;
std::vector<CompareWindow*>& OpenWindows()
{
    static std::vector<CompareWindow*> windows;
    return windows;
}

// The program's message loop offers only the launcher to IsDialogMessage. While comparison
// windows are open, a message hook gives them their keyboard (Tab, Escape, the buttons' Alt
// keys) in every loop of this thread, modal ones included.
HHOOK gKeyboardHook = nullptr;

HWND CompareWindowOf(HWND window);

LRESULT CALLBACK DialogKeys(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    if (code >= 0 && wParam == PM_REMOVE) {
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
            HWND dialog = CompareWindowOf(msg->hwnd);
            if (dialog && IsDialogMessageA(dialog, msg)) {
                msg->message = WM_NULL;
                msg->wParam = 0;
                msg->lParam = 0;
            }
        }
    }
    return CallNextHookEx(gKeyboardHook, code, wParam, lParam);
}

class CompareWindow : public Dialog {
public:
    explicit CompareWindow(std::string pageName) : Dialog(IDD_PAGE_COMPARE), pageName_(std::move(pageName))
    {
        OpenWindows().push_back(this);
        if (!gKeyboardHook)
            gKeyboardHook = SetWindowsHookExA(WH_GETMESSAGE, DialogKeys, nullptr, GetCurrentThreadId());
    }
    ~CompareWindow() override
    {
        auto& open = OpenWindows();
        open.erase(std::remove(open.begin(), open.end(), this), open.end());
        if (open.empty() && gKeyboardHook) {
            UnhookWindowsHookEx(gKeyboardHook);
            gKeyboardHook = nullptr;
        }
    }

    const std::string& PageName() const { return pageName_; }

    // Reads both copies and shows their difference; the window stays usable when a copy
    // cannot be read, with the reason in its summary line.
    void Load(const std::string& pageName, const std::string& previousPath, const std::string& currentPath)
    {
        pageName_ = pageName;
        SetWindowTextA(Window(), FillPlaceholders(LoadText(IDS_CMP_TITLE), {pageName_}).c_str());
        std::string summary;
        try {
            summary = Compare(previousPath, currentPath);
        } catch (const std::bad_alloc&) {
            // Two copies too big for the memory left: the window stays, empty, and says so.
            Clear();
            summary = FillPlaceholders(LoadText(IDS_CMP_UNREADABLE), {currentPath});
        }
        SetDlgItemTextA(Window(), IDC_CMP_SUMMARY, summary.c_str());
        HWND list = Item(IDC_CMP_ROWS);
        ListView_SetItemCountEx(list, static_cast<int>(view_.rows.size()), 0);
        EnableWindow(Item(IDC_CMP_PREVIOUS), !view_.changeStarts.empty());
        EnableWindow(Item(IDC_CMP_NEXT), !view_.changeStarts.empty());
        InvalidateRect(list, nullptr, TRUE);
        GoTo(NextChange(view_, kNoLine));
    }

protected:
    bool OnInit() override
    {
        ApplyDialogSkin(Window());
        SetWindowSubclass(Window(), DeleteOnDestroy, 0, reinterpret_cast<DWORD_PTR>(this));

        HWND list = Item(IDC_CMP_ROWS);
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        // Page text wants a fixed-pitch font, so that columns of a table stay in line.
        font_.Reset(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New"));
        if (font_)
            SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        const UINT titles[kColumnCount] = {0, IDS_CMP_COL_LINE, IDS_CMP_COL_PREVIOUS, IDS_CMP_COL_LINE,
                                           IDS_CMP_COL_CURRENT};
        for (int i = 0; i < kColumnCount; ++i) {
            std::string title = titles[i] ? LoadText(titles[i]) : std::string();
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
            column.fmt = (i == kOldNumberColumn || i == kNewNumberColumn) ? LVCFMT_RIGHT : LVCFMT_LEFT;
            column.cx = 40;
            column.pszText = const_cast<char*>(title.c_str());
            column.iSubItem = i;
            SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        }

        RECT client = {};
        GetClientRect(Window(), &client);
        RECT listRect = ChildRect(list);
        listMargin_ = {listRect.left, listRect.top, client.right - listRect.right, client.bottom - listRect.bottom};
        RECT window = {};
        GetWindowRect(Window(), &window);
        minSize_ = {(window.right - window.left) * 2 / 3, (window.bottom - window.top) / 2};
        buttonsFromBottom_ = client.bottom - ChildRect(Item(IDCANCEL)).top;
        closeFromRight_ = client.right - ChildRect(Item(IDCANCEL)).left;
        Layout();
        return true;
    }

    bool OnCommand(int id, int, HWND) override
    {
        switch (id) {
        case IDCANCEL:
            DestroyWindow(Window());
            return true;
        case IDC_CMP_NEXT:
            Move(true);
            return true;
        case IDC_CMP_PREVIOUS:
            Move(false);
            return true;
        default:
            return false;
        }
    }

    INT_PTR OnNotify(NMHDR* header) override
    {
        if (header->idFrom != IDC_CMP_ROWS)
            return 0;
        switch (header->code) {
        case LVN_GETDISPINFOA:
            FillCell(reinterpret_cast<NMLVDISPINFOA*>(header)->item);
            return 0;
        case NM_CUSTOMDRAW:
            return ColourCell(*reinterpret_cast<NMLVCUSTOMDRAW*>(header));
        case LVN_KEYDOWN: {
            const WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
            if (key == VK_F8)
                Move(GetKeyState(VK_SHIFT) >= 0);
            else if (key == VK_ESCAPE)
                PostMessageA(Window(), WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        default:
            return 0;
        }
    }

    bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override
    {
        switch (message) {
        case WM_SIZE:
            Layout();
            break;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = minSize_;
            break;
        }
        default:
            return false;
        }
        result = 0;
        return true;
    }

private:
    void Clear()
    {
        oldText_ = std::vector<std::string>();
        newText_ = std::vector<std::string>();
        view_ = CompareView();
    }

    // Fills the texts and rows; returns the summary line.
    std::string Compare(const std::string& previousPath, const std::string& currentPath)
    {
        Clear();
        std::string previousBytes;
        std::string currentBytes;
        if (!ReadCopy(previousPath, previousBytes))
            return FillPlaceholders(LoadText(IDS_CMP_UNREADABLE), {previousPath});
        if (!ReadCopy(currentPath, currentBytes))
            return FillPlaceholders(LoadText(IDS_CMP_UNREADABLE), {currentPath});
        oldText_ = PageTextLines(previousBytes);
        previousBytes = std::string();
        newText_ = PageTextLines(currentBytes);
        currentBytes = std::string();
        const std::vector<std::string_view> oldLines(oldText_.begin(), oldText_.end());
        const std::vector<std::string_view> newLines(newText_.begin(), newText_.end());
        view_ = ArrangeRows(DiffLines(oldLines, newLines));
        std::string summary = view_.changeStarts.empty()
                                  ? LoadText(IDS_CMP_NO_DIFFERENCE)
                                  : FillPlaceholders(LoadText(IDS_CMP_SUMMARY),
                                                     {std::to_string(view_.changed), std::to_string(view_.added),
                                                      std::to_string(view_.removed)});
        if (view_.cutShort)
            summary += " " + LoadText(IDS_CMP_CUT_SHORT);
        return summary;
    }

    static LRESULT CALLBACK DeleteOnDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data) noexcept
    {
        if (message != WM_NCDESTROY)
            return DefSubclassProc(window, message, wParam, lParam);
        RemoveWindowSubclass(window, DeleteOnDestroy, 0);
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        delete reinterpret_cast<CompareWindow*>(data);
        return result;
    }

    RECT ChildRect(HWND child) const
    {
        RECT r = {};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    void Layout()
    {
        HWND list = Item(IDC_CMP_ROWS);
        if (!list)
            return;
        RECT client = {};
        GetClientRect(Window(), &client);
        const int listWidth = std::max<int>(0, client.right - listMargin_.left - listMargin_.right);
        const int listHeight = std::max<int>(0, client.bottom - listMargin_.top - listMargin_.bottom);
        MoveWindow(list, listMargin_.left, listMargin_.top, listWidth, listHeight, TRUE);
        RECT summary = ChildRect(Item(IDC_CMP_SUMMARY));
        MoveWindow(Item(IDC_CMP_SUMMARY), summary.left, summary.top, listWidth, summary.bottom - summary.top, TRUE);
        const int buttonTop = client.bottom - buttonsFromBottom_;
        for (int id : {IDC_CMP_PREVIOUS, IDC_CMP_NEXT, IDCANCEL}) {
            RECT r = ChildRect(Item(id));
            const int left = id == IDCANCEL ? client.right - closeFromRight_ : r.left;
            MoveWindow(Item(id), left, buttonTop, r.right - r.left, r.bottom - r.top, TRUE);
        }
        // The two texts share the width left by the marks and line numbers.
        RECT inside = {};
        GetClientRect(list, &inside);
        const int mark = 22;
        const int number = 52;
        const int text = std::max<int>(80, (inside.right - mark - 2 * number) / 2);
        const int widths[kColumnCount] = {mark, number, text, number, text};
        for (int i = 0; i < kColumnCount; ++i)
            ListView_SetColumnWidth(list, i, widths[i]);
    }

    void FillCell(LVITEMA& item) const
    {
        if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
            return;
        item.pszText[0] = '\0';
        if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= view_.rows.size())
            return;
        const CompareRow& row = view_.rows[static_cast<std::size_t>(item.iItem)];
        // Numbers are short; a page's line may be megabytes long and is only cut, never copied.
        char number[24] = {};
        std::string_view cell;
        switch (item.iSubItem) {
        case kMarkColumn:
            cell = row.kind == RowKind::Changed ? "~" : row.kind == RowKind::Added ? "+" : row.kind == RowKind::Removed ? "-" : "";
            break;
        case kOldNumberColumn:
        case kNewNumberColumn: {
            const std::size_t line = item.iSubItem == kOldNumberColumn ? row.oldLine : row.newLine;
            if (line != kNoLine)
                cell = std::string_view(number, static_cast<std::size_t>(
                                                    wsprintfA(number, "%lu", static_cast<unsigned long>(line + 1))));
            break;
        }
        case kOldTextColumn:
            if (row.oldLine != kNoLine)
                cell = oldText_[row.oldLine];
            break;
        case kNewTextColumn:
            if (row.newLine != kNoLine)
                cell = newText_[row.newLine];
            break;
        default:
            break;
        }
        CopyCut(item.pszText, static_cast<std::size_t>(item.cchTextMax), cell);
    }

    LRESULT ColourCell(NMLVCUSTOMDRAW& draw) const
    {
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
            return CDRF_NOTIFYSUBITEMDRAW;
        if (draw.nmcd.dwDrawStage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM))
            return CDRF_DODEFAULT;
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
        draw.clrTextBk = GetSysColor(COLOR_WINDOW);
        // The selection shows in the mark column only, so that the colours of the selected
        // change stay readable.
        if (draw.iSubItem != kMarkColumn)
            draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
        if (draw.nmcd.dwItemSpec >= view_.rows.size())
            return CDRF_NEWFONT;
        const RowKind kind = view_.rows[draw.nmcd.dwItemSpec].kind;
        const bool oldSide = draw.iSubItem == kOldNumberColumn || draw.iSubItem == kOldTextColumn;
        const bool newSide = draw.iSubItem == kNewNumberColumn || draw.iSubItem == kNewTextColumn;
        switch (kind) {
        case RowKind::Changed:
            draw.clrTextBk = kChangedBack;
            break;
        case RowKind::Added:
            draw.clrTextBk = oldSide ? kAbsentBack : kAddedBack;
            break;
        case RowKind::Removed:
            draw.clrTextBk = newSide ? kAbsentBack : kRemovedBack;
            break;
        case RowKind::Same:
            break;
        }
        return CDRF_NEWFONT;
    }

    void Move(bool forward)
    {
        HWND list = Item(IDC_CMP_ROWS);
        const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
        const std::size_t from = selected < 0 ? kNoLine : static_cast<std::size_t>(selected);
        const std::size_t to = forward ? NextChange(view_, from) : PreviousChange(view_, from);
        if (to == kNoLine)
            MessageBeep(0);
        else
            GoTo(to);
    }

    // Selects the row and scrolls so that it stands near the top with a little of what comes
    // before it in view.
    void GoTo(std::size_t row)
    {
        if (row == kNoLine || row >= view_.rows.size())
            return;
        HWND list = Item(IDC_CMP_ROWS);
        const int index = static_cast<int>(row);
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        const int perPage = std::max(1, ListView_GetCountPerPage(list));
        const int last = static_cast<int>(view_.rows.size()) - 1;
        ListView_EnsureVisible(list, std::min(last, index + perPage - 3), FALSE);
        ListView_EnsureVisible(list, std::max(0, index - 2), FALSE);
        ListView_EnsureVisible(list, index, FALSE);
    }

    std::string pageName_;
    std::vector<std::string> oldText_;
    std::vector<std::string> newText_;
    CompareView view_;
    UniqueFont font_;
    RECT listMargin_ = {};
    POINT minSize_ = {};
    int buttonsFromBottom_ = 0;
    int closeFromRight_ = 0;
};

HWND CompareWindowOf(HWND window)
{
    for (CompareWindow* open : OpenWindows()) {
        HWND dialog = open->Window();
        if (dialog && (window == dialog || IsChild(dialog, window)))
            return dialog;
    }
    return nullptr;
}

} // namespace

HWND ShowPageComparison(HWND owner, const std::string& pageName, const std::string& previous,
                        const std::string& current)
{
    // One window per page: comparing a page again refreshes the window already open for it.
    CompareWindow* window = nullptr;
    for (CompareWindow* open : OpenWindows())
        if (open->Window() && EqualsNoCase(open->PageName(), pageName))
            window = open;
    if (!window) {
        auto made = std::make_unique<CompareWindow>(pageName);
        if (!made->CreateModeless(owner ? owner : Windows().main))
            return nullptr;
        window = made.release();  // deleted when its window goes
    }
    window->Load(pageName, previous, current);
    ShowWindow(window->Window(), IsIconic(window->Window()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window->Window());
    return window->Window();
}
