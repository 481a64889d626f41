// The options sheet's WebAlert page (dialog 187): the watched pages edited on copies, the
// schedule and the ways a change is told.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "app/AppContext_win.h"
#include "app/DialogControls_win.h"
#include "app/DialogTips_win.h"
#include "app/MessageBox_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Sound_win.h"
#include "app/Subsystems_win.h"
#include "app/SystemQueries_win.h"
#include "app/TextUtil.h"
#include "app/Win32Profile_win.h"
#include "resources/ResourceIds.h"
#include "webalert/CheckSchedule.h"
#include "webalert/LinkDialog_win.h"
#include "webalert/PageFiles.h"
#include "webalert/WebAlert_win.h"
#include "webalert/Win32PageFiles_win.h"
#include "webalert/WorkingPages.h"

namespace {

// The schedule modes in list order, which is also their stored number.
constexpr std::initializer_list<UINT> kModeTexts = {IDS_FREQ_MANUALLY, IDS_FREQ_ON_START, IDS_FREQ_MINUTES,
                                                    IDS_FREQ_HOURS, IDS_FREQ_EVERY_DAY, IDS_FREQ_EVERY_WEEK,
                                                    IDS_FREQ_EVERY_MONTH};
constexpr int kModeCount = static_cast<int>(kModeTexts.size());
constexpr std::size_t kSoundChars = 259;

class WebAlertOptionsPage : public PropertyPage {
public:
    WebAlertOptionsPage() : PropertyPage(IDD_WEBALERT_OPTIONS, IDS_PAGE_WEBALERT, "options4") {}

protected:
    bool OnInit() override
    {
        working_.CopyFrom(WebAlertPages());
        SetUpList();
        FillList(-1);

        const OptionRecord& o = Options();
        const int mode = o.WebAlertFreq >= 0 && o.WebAlertFreq < kModeCount ? o.WebAlertFreq : kScheduleMinutes;
        FillListFromStrings(Window(), IDC_WA_FREQUENCY, kModeTexts, mode);
        SendDlgItemMessageA(Window(), IDC_WA_INTERVAL, EM_LIMITTEXT, 2, 0);
        SetDlgItemInt(Window(), IDC_WA_INTERVAL, static_cast<UINT>(ClampInterval(mode, o.WebAlertFreqVal)), FALSE);
        ShowInterval();

        SetCheck(Window(), IDC_WA_ON_CONNECT, o.WebAlertOnConnect);
        SetCheck(Window(), IDC_WA_SHOW_LIST, o.WebAlertShowDlg);
        SetCheck(Window(), IDC_WA_SOUND, o.WebAlertSound);
        SetCheck(Window(), IDC_WA_TOOLTIP, o.WebAlertShowTip);
        SetCheck(Window(), IDC_WA_PROGRESS, o.WebAlertShowProgress);
        SetLimitedText(Window(), IDC_WA_SOUND_NAME, o.WebAlertSoundName, kSoundChars);
        SetButtonBitmap(Item(IDC_WA_BROWSE), IDB_BUTTON_BROWSE);
        SetButtonBitmap(Item(IDC_WA_TEST_SOUND), IDB_BUTTON_PLAY);
        AddTip(Window(), IDC_WA_BROWSE, IDS_TIP_BROWSE_SOUND);
        AddTip(Window(), IDC_WA_TEST_SOUND, IDS_TIP_TEST_SOUND);
        EnableSound();
        return true;
    }

    bool OnCommand(int id, int code, HWND) override
    {
        if (id == IDC_WA_FREQUENCY) {
            if (code == CBN_SELCHANGE)
                ShowInterval();
            return code == CBN_SELCHANGE;
        }
        if (code != BN_CLICKED)
            return false;
        switch (id) {
        case IDC_WA_SOUND:
            EnableSound();
            return true;
        case IDC_WA_BROWSE:
            BrowseSound();
            return true;
        case IDC_WA_TEST_SOUND:
            TestSound();
            return true;
        case IDC_WA_ADD:
        case ID_LIST_ADD:
            AddPage();
            return true;
        case IDC_WA_EDIT:
        case ID_LIST_EDIT:
            EditPage();
            return true;
        case IDC_WA_DELETE:
        case ID_LIST_DELETE:
            DeletePage();
            return true;
        case IDC_WA_ADVANCED:
            AdvancedDialog(Window());
            return true;
        case IDC_WA_SMTP:
            EditMailSettings(Window());
            return true;
        default:
            return false;
        }
    }

    INT_PTR OnNotify(NMHDR* header) override
    {
        if (header->idFrom != IDC_WA_PAGES)
            return 0;
        if (header->code == NM_DBLCLK && reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0)
            EditPage();
        else if (header->code == LVN_ITEMCHANGED)
            EnableRowButtons();
        else if (header->code == LVN_KEYDOWN && reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_DELETE)
            DeletePage();
        return 0;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override
    {
        switch (message) {
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) != Item(IDC_WA_PAGES))
                return false;
            ShowListMenu(Window(), Item(IDC_WA_PAGES), lParam);
            result = TRUE;
            return true;
        case WM_ERASEBKGND: {
            // The program's dialog ground over the whole page.
            HBRUSH ground = App().backgroundBrush.Get();
            if (!ground)
                return false;
            RECT area = {};
            GetClientRect(Window(), &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, ground);
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // The program's dialog ground; the edit fields keep their own.
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(220, 227, 245));
            result = reinterpret_cast<INT_PTR>(App().backgroundBrush.Get());
            return App().backgroundBrush.Get() != nullptr;
        default:
            return false;
        }
    }

    bool OnApply() override
    {
        OptionRecord& o = Options();
        o.WebAlertShowDlg = GetCheck(Window(), IDC_WA_SHOW_LIST);
        o.WebAlertSound = GetCheck(Window(), IDC_WA_SOUND);
        o.WebAlertShowProgress = GetCheck(Window(), IDC_WA_PROGRESS);
        o.WebAlertShowTip = GetCheck(Window(), IDC_WA_TOOLTIP);
        o.WebAlertFreq = Mode();
        o.WebAlertOnConnect = GetCheck(Window(), IDC_WA_ON_CONNECT);
        BOOL read = FALSE;
        const UINT interval = GetDlgItemInt(Window(), IDC_WA_INTERVAL, &read, FALSE);
        if (read)
            o.WebAlertFreqVal = ClampInterval(o.WebAlertFreq, static_cast<int>(interval));
        o.WebAlertSoundName = GetLimitedText(Window(), IDC_WA_SOUND_NAME, kSoundChars);

        Win32Profile& file = Settings();
        file.WriteInt("Options", "WebAlertShowDlg", o.WebAlertShowDlg);
        file.WriteInt("Options", "WebAlertSound", o.WebAlertSound);
        file.WriteInt("Options", "WebAlertShowProgress", o.WebAlertShowProgress);
        file.WriteInt("Options", "WebAlertShowTip", o.WebAlertShowTip);
        file.WriteInt("Options", "WebAlertFreq", o.WebAlertFreq);
        file.WriteInt("Options", "WebAlertOnConnect", o.WebAlertOnConnect);
        file.WriteInt("Options", "WebAlertFreqVal", o.WebAlertFreqVal);
        file.WriteString("Options", "WebAlertSoundName", o.WebAlertSoundName.c_str());

        working_.ApplyTo(WebAlertPages());
        SaveWebAlertPages();
        if (HWND monitor = Windows().webAlert)
            SendMessageA(monitor, UM_TRAYICON, 0, 0);
        RemovePageTips();
        return true;
    }

    void OnCancel() override { RemovePageTips(); }

private:
    // The shared tooltip window would keep tools of the page's buttons after they are gone.
    void RemovePageTips() { RemoveTips(Window(), {IDC_WA_BROWSE, IDC_WA_TEST_SOUND}); }

    int Mode() const
    {
        const LRESULT mode = SendDlgItemMessageA(Window(), IDC_WA_FREQUENCY, CB_GETCURSEL, 0, 0);
        return mode >= 0 && mode < kModeCount ? static_cast<int>(mode) : kScheduleMinutes;
    }

    // The interval field belongs to the two modes that count in minutes or hours.
    void ShowInterval()
    {
        const int mode = Mode();
        const auto [low, high] = IntervalRange(mode);
        const bool shown = low != 0;
        if (shown) {
            BOOL read = FALSE;
            const UINT value = GetDlgItemInt(Window(), IDC_WA_INTERVAL, &read, FALSE);
            SetSpinRange(Window(), IDC_WA_INTERVAL_SPIN, low, high, read ? static_cast<int>(value) : high);
        }
        for (int id : {IDC_WA_INTERVAL, IDC_WA_INTERVAL_SPIN})
            ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
        ShowWindow(Item(IDC_WA_UNIT_MINUTES), mode == kScheduleMinutes ? SW_SHOW : SW_HIDE);
        ShowWindow(Item(IDC_WA_UNIT_HOURS), mode == kScheduleHours ? SW_SHOW : SW_HIDE);
    }

    void EnableSound()
    {
        const bool on = GetCheck(Window(), IDC_WA_SOUND) != 0;
        for (int id : {IDC_WA_SOUND_NAME, IDC_WA_BROWSE, IDC_WA_TEST_SOUND})
            EnableWindow(Item(id), on);
    }

    void BrowseSound()
    {
        // The dialog opens in the folder of the file named now.
        std::string path = SoundFilePath(GetLimitedText(Window(), IDC_WA_SOUND_NAME, kSoundChars));
        if (!ChooseOpenFile(Window(), path, 1))
            return;
        SetDlgItemTextA(Window(), IDC_WA_SOUND_NAME, Cut(path, kSoundChars).c_str());
        SetFocus(Item(IDC_WA_SOUND_NAME));
    }

    void TestSound()
    {
        const std::string name = GetLimitedText(Window(), IDC_WA_SOUND_NAME, kSoundChars);
        // An asynchronous play may report success for a file it will never find.
        const DWORD attributes = GetFileAttributesA(SoundFilePath(name).c_str());
        const bool file = !name.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        if (!file || !PlayNotificationSound(name))
            MessageBeep(MB_ICONEXCLAMATION);
    }

    // ---- the list of pages ----

    void SetUpList()
    {
        HWND list = Item(IDC_WA_PAGES);
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
        struct Column { UINT text; int width; };
        const Column columns[] = {{IDS_COL_PAGE_NAME, 180}, {IDS_COL_PAGE_LINK, 200},
                                  {IDS_COL_PAGE_ENABLE, 50}, {IDS_COL_PAGE_MAIL, 50}};
        int index = 0;
        for (const Column& c : columns) {
            std::string text = LoadText(c.text);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.pszText = text.data();
            column.cx = c.width;
            column.iSubItem = index;
            SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
        }
        // The list view owns the image list and frees it with itself.
        const int size = GetSystemMetrics(SM_CXSMICON);
        HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 1);
        if (HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WEBALERT_SMALL),
                                                        IMAGE_ICON, size, size, LR_SHARED)))
            ImageList_AddIcon(images, icon);
        ListView_SetImageList(list, images, LVSIL_SMALL);
    }

    void SetCell(HWND list, int row, int column, const std::string& text)
    {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }

    void FillRow(HWND list, int row)
    {
        const MonitoredPage& page = working_.At(static_cast<std::size_t>(row));
        SetCell(list, row, 0, page.name);
        SetCell(list, row, 1, page.urlString);
        SetCell(list, row, 2, LoadText(page.enabled ? IDS_YES : IDS_NO));
        SetCell(list, row, 3, LoadText(page.mailOnChange ? IDS_YES : IDS_NO));
    }

    // Rows in working-list order; select is the row to select (-1: none).
    void FillList(int select)
    {
        HWND list = Item(IDC_WA_PAGES);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        ListView_DeleteAllItems(list);
        for (std::size_t i = 0; i < working_.Size(); ++i) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = static_cast<int>(i);
            item.pszText = const_cast<char*>("");
            item.iImage = 0;
            const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            if (row >= 0)
                FillRow(list, row);
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        if (select >= 0 && select < static_cast<int>(working_.Size())) {
            ListView_SetItemState(list, select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_EnsureVisible(list, select, FALSE);
        }
        EnableRowButtons();
    }

    int Selected() const
    {
        const int row = ListView_GetNextItem(Item(IDC_WA_PAGES), -1, LVNI_SELECTED);
        return row >= 0 && row < static_cast<int>(working_.Size()) ? row : -1;
    }

    void EnableRowButtons()
    {
        const bool any = Selected() >= 0;
        EnableWindow(Item(IDC_WA_EDIT), any);
        EnableWindow(Item(IDC_WA_DELETE), any);
    }

    void AddPage()
    {
        MonitoredPage page;
        if (LinkDialog(Window(), page, kLinkAddWorking,
                       [this](std::string_view name) { return working_.NameTaken(name); }) != IDOK)
            return;
        working_.Add(page);
        FillList(static_cast<int>(working_.Size()) - 1);
    }

    void EditPage()
    {
        const int row = Selected();
        if (row < 0)
            return;
        MonitoredPage page = working_.At(static_cast<std::size_t>(row));
        if (LinkDialog(Window(), page, kLinkEdit) != IDOK)
            return;
        working_.Replace(static_cast<std::size_t>(row), page);
        FillRow(Item(IDC_WA_PAGES), row);
    }

    void DeletePage()
    {
        const int row = Selected();
        if (row < 0 || MessageBoxById(Window(), IDS_CONFIRM_DELETE_LINK, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        const std::string folder = working_.Remove(static_cast<std::size_t>(row));
        // The stored copies go now, whatever becomes of the sheet.
        if (!folder.empty()) {
            Win32PageFiles files;
            PageFolders(files, App().dataFolder + "\\").DeletePageFiles(folder);
        }
        FillList(row < static_cast<int>(working_.Size()) ? row : row - 1);
    }

    WorkingPages working_;
};

}  // namespace

std::unique_ptr<PropertyPage> CreateWebAlertOptionsPage()
{
    return std::make_unique<WebAlertOptionsPage>();
}
