#include "webalert/CheckProgress_win.h"

#include <commctrl.h>

#include "app/Dialog_win.h"
#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"

namespace {

struct Column {
    UINT title;
    int width;
};
const Column kColumns[] = {{IDS_COL_NAME, 160}, {IDS_COL_LINK, 200}};

// Row colours of the monitor's lists.
constexpr COLORREF kChangedThisRun = RGB(128, 128, 0);
constexpr COLORREF kUnread = RGB(0, 102, 153);
constexpr COLORREF kDisabled = RGB(192, 192, 192);

class ProgressDialog : public Dialog {
public:
    ProgressDialog(MonitoredPageList& list, std::atomic<bool>& cancel)
        : Dialog(IDD_CHECK_PROGRESS), list_(list), cancel_(cancel)
    {
    }
    ~ProgressDialog() override
    {
        if (Window())
            DestroyWindow(Window());
    }

    void Step(int taken, PageId id, const MonitoredPage& page)
    {
        SendDlgItemMessageA(Window(), IDC_CHECK_BAR, PBM_SETPOS, static_cast<WPARAM>(taken), 0);
        if (page.urlString.empty())
            return;
        HWND list = Item(IDC_CHECK_PAGES);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
        item.iItem = ListView_GetItemCount(list);
        item.pszText = const_cast<char*>(page.name.c_str());
        item.lParam = reinterpret_cast<LPARAM>(id);
        item.iImage = 0;
        const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        if (row < 0)
            return;
        LVITEMA link = {};
        link.iSubItem = 1;
        link.pszText = const_cast<char*>(page.urlString.c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&link));
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, row, FALSE);
    }

    void Begin(int count)
    {
        SendDlgItemMessageA(Window(), IDC_CHECK_BAR, PBM_SETRANGE32, 0, count);
        SendDlgItemMessageA(Window(), IDC_CHECK_BAR, PBM_SETPOS, 0, 0);
    }

protected:
    bool OnInit() override
    {
        SkinLayout layout;
        layout.captionLine = true;
        layout.tabText = IDS_WEBALERT_TITLE;
        layout.ownerDrawPushButtons = true;
        ApplySkin(Window(), layout);
        SetWindowTextA(Window(), LoadText(IDS_WEBALERT_TITLE).c_str());

        HWND list = Item(IDC_CHECK_PAGES);
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
        images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
        if (images_) {
            if (HICON icon = static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_WEBALERT_SMALL),
                                                           IMAGE_ICON, 16, 16, 0))) {
                ImageList_AddIcon(images_, icon);
                DestroyIcon(icon);
            }
            ListView_SetImageList(list, images_, LVSIL_SMALL);
        }
        for (int i = 0; i < 2; ++i) {
            std::string title = LoadText(kColumns[i].title);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.cx = kColumns[i].width;
            column.pszText = const_cast<char*>(title.c_str());
            column.iSubItem = i;
            SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        }
        return false;
    }

    bool OnCommand(int id, int, HWND) override
    {
        if (id != IDCANCEL)
            return false;
        // The run stops after the page being fetched; the window goes with the run.
        cancel_.store(true);
        EnableWindow(Item(IDCANCEL), FALSE);
        return true;
    }

    INT_PTR OnNotify(NMHDR* header) override
    {
        if (header->idFrom != IDC_CHECK_PAGES || header->code != NM_CUSTOMDRAW)
            return 0;
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
        LRESULT result = CDRF_DODEFAULT;
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW;
        } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            MonitoredPage page;
            if (list_.CopyOf(reinterpret_cast<PageId>(draw->nmcd.lItemlParam), page)) {
                if (page.Modified()) {
                    draw->clrText = (page.state & kPageChangedThisRun) ? kChangedThisRun : kUnread;
                    if (HFONT bold = BoldFont(draw->nmcd.hdc))
                        SelectObject(draw->nmcd.hdc, bold);
                    result = CDRF_NEWFONT;
                } else if (!page.enabled) {
                    draw->clrText = kDisabled;
                    result = CDRF_NEWFONT;
                }
            }
        }
        return result;
    }

    void OnDestroy() override
    {
        if (images_) {
            ListView_SetImageList(Item(IDC_CHECK_PAGES), nullptr, LVSIL_SMALL);
            ImageList_Destroy(images_);
            images_ = nullptr;
        }
    }

private:
    HFONT BoldFont(HDC dc)
    {
        if (!bold_) {
            LOGFONTA font = {};
            if (GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font)) {
                font.lfWeight = FW_BOLD;
                bold_.Reset(CreateFontIndirectA(&font));
            }
        }
        return bold_.Get();
    }

    MonitoredPageList& list_;
    std::atomic<bool>& cancel_;
    HIMAGELIST images_ = nullptr;
    UniqueFont bold_;
};

} // namespace

struct CheckProgressWindow::Impl {
    Impl(MonitoredPageList& list, std::atomic<bool>& cancel) : dialog(list, cancel) {}
    ProgressDialog dialog;
};

CheckProgressWindow::CheckProgressWindow(MonitoredPageList& list, std::atomic<bool>& cancel)
    : impl_(std::make_unique<Impl>(list, cancel))
{
}

CheckProgressWindow::~CheckProgressWindow() = default;

bool CheckProgressWindow::Open(int count)
{
    // No owner: the window belongs to the check thread, and an owner on the user-interface
    // thread would tie the two threads' input together.
    HWND window = impl_->dialog.CreateModeless(nullptr);
    if (!window)
        return false;
    impl_->dialog.Begin(count);
    PlaceBottomRight(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(window);
    Pump();
    return true;
}

void CheckProgressWindow::Step(int taken, PageId id, const MonitoredPage& page)
{
    if (impl_->dialog.Window()) {
        impl_->dialog.Step(taken, id, page);
        Pump();
    }
}

void CheckProgressWindow::Redraw()
{
    if (HWND window = impl_->dialog.Window())
        InvalidateRect(GetDlgItem(window, IDC_CHECK_PAGES), nullptr, FALSE);
}

void CheckProgressWindow::Pump()
{
    HWND window = impl_->dialog.Window();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window && IsDialogMessageA(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

HWND CheckProgressWindow::Window() const
{
    return impl_->dialog.Window();
}
