#include "webalert/CheckProgress_win.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "app/Dialog_win.h"
#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"
#include "webalert/PageRows_win.h"

namespace {

const PageColumn kColumns[] = {{IDS_COL_NAME, 160}, {IDS_COL_LINK, 200}};

// Messages posted by the run.
constexpr UINT UM_PROGRESS_BEGIN = WM_APP + 11;   // wParam: the range
constexpr UINT UM_PROGRESS_STEP = WM_APP + 12;    // lParam: StepNews*, owned by the message
constexpr UINT UM_PROGRESS_REDRAW = WM_APP + 13;  // lParam: PageId
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kShowEveryMs = 50;

struct StepNews {
    int taken = 0;
    PageId id = nullptr;
    std::string name;
    std::string link;
};

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
        images_ = CreatePageImages(16);
        if (images_)
            ListView_SetImageList(list, images_, LVSIL_SMALL);
        AddPageColumns(list, kColumns, 2);
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

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override
    {
        switch (message) {
        case UM_PROGRESS_BEGIN:
            SendDlgItemMessageA(Window(), IDC_CHECK_BAR, PBM_SETRANGE32, 0, static_cast<LPARAM>(wParam));
            SendDlgItemMessageA(Window(), IDC_CHECK_BAR, PBM_SETPOS, 0, 0);
            PlaceBottomRight(Window());
            ShowWindow(Window(), SW_SHOWNOACTIVATE);
            SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            UpdateWindow(Window());
            SetTimer(Window(), kShowTimer, kShowEveryMs, nullptr);
            break;
        case UM_PROGRESS_STEP:
            pending_.emplace_back(reinterpret_cast<StepNews*>(lParam));
            break;
        case UM_PROGRESS_REDRAW: {
            auto row = rows_.find(reinterpret_cast<PageId>(lParam));
            if (row != rows_.end())
                ListView_RedrawItems(Item(IDC_CHECK_PAGES), row->second, row->second);
            break;
        }
        case WM_TIMER:
            if (wParam != kShowTimer)
                return false;
            Show();
            break;
        default:
            return false;
        }
        result = 0;
        return true;
    }

    INT_PTR OnNotify(NMHDR* header) override
    {
        if (header->idFrom != IDC_CHECK_PAGES || header->code != NM_CUSTOMDRAW)
            return 0;
        return painter_.CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header), list_);
    }

    void OnDestroy() override
    {
        KillTimer(Window(), kShowTimer);
        if (images_) {
            ListView_SetImageList(Item(IDC_CHECK_PAGES), nullptr, LVSIL_SMALL);
            ImageList_Destroy(images_);
            images_ = nullptr;
        }
    }

private:
    // The rows that arrived since the last showing, added without drawing in between; the bar
    // at the last page; only the last row selected, focused and in view.
    void Show()
    {
        if (pending_.empty())
            return;
        HWND list = Item(IDC_CHECK_PAGES);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        int last = -1;
        for (const auto& news : pending_) {
            if (news->link.empty())
                continue;   // pages without an address are not shown
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
            item.iItem = ListView_GetItemCount(list);
            item.pszText = const_cast<char*>(news->name.c_str());
            item.lParam = reinterpret_cast<LPARAM>(news->id);
            const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            if (row < 0)
                continue;
            LVITEMA link = {};
            link.iSubItem = 1;
            link.pszText = const_cast<char*>(news->link.c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&link));
            rows_[news->id] = row;
            last = row;
        }
        SendDlgItemMessageA(Window(), IDC_CHECK_BAR, PBM_SETPOS, static_cast<WPARAM>(pending_.back()->taken), 0);
        pending_.clear();
        if (last >= 0) {
            if (selected_ >= 0)
                ListView_SetItemState(list, selected_, 0, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_SetItemState(list, last, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            selected_ = last;
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        if (last >= 0)
            ListView_EnsureVisible(list, last, FALSE);
        InvalidateRect(list, nullptr, FALSE);
    }

    MonitoredPageList& list_;
    std::atomic<bool>& cancel_;
    HIMAGELIST images_ = nullptr;
    PageRowPainter painter_;
    std::vector<std::unique_ptr<StepNews>> pending_;
    std::map<PageId, int> rows_;
    int selected_ = -1;
};

} // namespace

struct CheckProgressWindow::Impl {
    Impl(MonitoredPageList& list, std::atomic<bool>& cancel) : dialog(list, cancel) {}
    ProgressDialog dialog;
    // Set once by Create, before the run reports anything.
    HWND window = nullptr;
};

CheckProgressWindow::CheckProgressWindow(MonitoredPageList& list, std::atomic<bool>& cancel)
    : impl_(std::make_unique<Impl>(list, cancel))
{
}

CheckProgressWindow::~CheckProgressWindow()
{
    // Steps still posted are freed with their messages.
    if (impl_->window) {
        MSG message;
        while (PeekMessageA(&message, impl_->window, UM_PROGRESS_STEP, UM_PROGRESS_STEP, PM_REMOVE))
            delete reinterpret_cast<StepNews*>(message.lParam);
    }
}

bool CheckProgressWindow::Create()
{
    // No owner: the window belongs to the check thread, and an owner on the user-interface
    // thread would tie the two threads' input together.
    impl_->window = impl_->dialog.CreateModeless(nullptr);
    return impl_->window != nullptr;
}

void CheckProgressWindow::Begin(int count)
{
    PostMessageA(impl_->window, UM_PROGRESS_BEGIN, static_cast<WPARAM>(count), 0);
}

void CheckProgressWindow::Step(int taken, PageId id, const MonitoredPage& page)
{
    auto* news = new StepNews{taken, id, page.name, page.urlString};
    if (!PostMessageA(impl_->window, UM_PROGRESS_STEP, 0, reinterpret_cast<LPARAM>(news)))
        delete news;
}

void CheckProgressWindow::Redraw(PageId id)
{
    PostMessageA(impl_->window, UM_PROGRESS_REDRAW, 0, reinterpret_cast<LPARAM>(id));
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
