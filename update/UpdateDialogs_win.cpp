#include "update/UpdateDialogs_win.h"

#include <commctrl.h>

#include <cstdio>

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/DialogTips_win.h"
#include "app/MessageBox_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"

namespace {

constexpr UINT_PTR kNewsTimer = 1;
constexpr int kNewsSeconds = 60;
UINT g_newsSecondMs = 1000;

void SkinWithTab(HWND window, UINT tabText)
{
    SkinLayout layout;
    layout.tabText = tabText;
    layout.closeButton = true;
    layout.ownerDrawPushButtons = true;
    ApplySkin(window, std::move(layout));
}

void SetCheck(HWND dialog, int id, bool on)
{
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Checked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// ---- 174 ----
class FoundDialog : public Dialog {
public:
    FoundDialog(const std::string& version, std::int64_t size) : Dialog(IDD_UPDATE_FOUND), version_(version), size_(size) {}

protected:
    bool OnInit() override
    {
        SkinWithTab(Window(), IDS_CLASS_NAME);
        SetDlgItemTextA(Window(), IDC_UPD_FOUND_VERSION, version_.c_str());
        std::string size = FormatNumbers(LoadText(IDS_UPDATE_SIZE_KB), {size_ / 1024});
        SetDlgItemTextA(Window(), IDC_UPD_FOUND_SIZE, size.c_str());
        MessageBeep(MB_OK);
        return true;
    }

    bool OnCommand(int id, int, HWND) override
    {
        if (id == IDOK || id == IDCANCEL) {
            End(id);
            return true;
        }
        if (id == IDC_UPD_HELP) {
            OpenHelpPage("autoupdateexe", "found");
            return true;
        }
        return false;
    }

private:
    std::string version_;
    std::int64_t size_;
};

// ---- 172 ----
class ReadyDialog : public Dialog {
public:
    ReadyDialog(const std::string& version, int autoInstall)
        : Dialog(IDD_UPDATE_READY), version_(version), autoInstall_(autoInstall) {}
    int AutoInstall() const { return autoInstall_; }

protected:
    bool OnInit() override
    {
        SkinWithTab(Window(), IDS_CLASS_NAME);
        SetDlgItemTextA(Window(), IDC_UPD_VERSION, version_.c_str());
        SetCheck(Window(), IDC_UPD_AUTO_INSTALL, autoInstall_ != 0);
        MessageBeep(MB_OK);
        return true;
    }

    bool OnCommand(int id, int, HWND) override
    {
        switch (id) {
        case IDOK:
        case IDCANCEL:
            Finish(id == IDOK ? ReadyChoice::Install : ReadyChoice::Later);
            return true;
        case IDC_UPD_REMOVE:
            if (MessageBoxById(Window(), IDS_UPDATE_CONFIRM_REMOVE, MB_YESNO | MB_ICONQUESTION) == IDYES)
                Finish(ReadyChoice::Remove);
            return true;
        case IDC_UPD_HELP:
            OpenHelpPage("autoupdateexe", "ask");
            return true;
        default:
            return false;
        }
    }

public:
    ReadyChoice choice = ReadyChoice::Later;

private:
    void Finish(ReadyChoice chosen)
    {
        // The check box counts however the dialog ends.
        autoInstall_ = Checked(Window(), IDC_UPD_AUTO_INSTALL) ? 1 : 0;
        choice = chosen;
        End(IDOK);
    }

    std::string version_;
    int autoInstall_;
};

// ---- 175 ----
class NewsDialog : public Dialog {
public:
    NewsDialog(const NewsText& news, bool automatic, int showNews)
        : Dialog(IDD_UPDATE_NEWS), news_(news), automatic_(automatic), showNews_(showNews) {}
    int ShowNews() const { return showNews_; }

protected:
    bool OnInit() override
    {
        HWND w = Window();
        SkinWithTab(w, IDS_NEWS_TITLE);
        SetDlgItemTextA(w, IDC_NEWS_VERSION, news_.version.c_str());
        SendDlgItemMessageA(w, IDC_NEWS_TEXT, EM_SETLIMITTEXT, 0, 0);
        SetDlgItemTextA(w, IDC_NEWS_TEXT, news_.text.c_str());
        SetCheck(w, IDC_NEWS_DONT_SHOW, showNews_ == 0);
        AddTip(w, IDOK, IDS_TIP_CLOSE_NEWS);
        HWND bar = GetDlgItem(w, IDC_UPD_PROGRESS);
        if (automatic_) {
            SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, kNewsSeconds));
            SendMessageA(bar, PBM_SETPOS, 0, 0);
            PlaceBottomRight(w);
            ForceForeground(w);
            SetTimer(w, kNewsTimer, g_newsSecondMs, nullptr);
        } else {
            ShowWindow(bar, SW_HIDE);
        }
        SetFocus(GetDlgItem(w, IDOK));
        return false;
    }

    bool OnCommand(int id, int, HWND) override
    {
        if (id == IDOK || id == IDCANCEL) {
            Close();
            return true;
        }
        return false;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override
    {
        if (message != WM_TIMER || wParam != kNewsTimer)
            return false;
        if (++seconds_ >= kNewsSeconds) {
            Close();
        } else {
            SendDlgItemMessageA(Window(), IDC_UPD_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(seconds_), 0);
        }
        result = TRUE;
        return true;
    }

private:
    void Close()
    {
        HWND w = Window();
        KillTimer(w, kNewsTimer);
        showNews_ = Checked(w, IDC_NEWS_DONT_SHOW) ? 0 : 1;
        RemoveTips(w, {IDOK});
        if (automatic_)
            HideToTray(w);
        End(IDOK);
    }

    NewsText news_;
    bool automatic_;
    int showNews_;
    int seconds_ = 0;
};

// ---- 151 ----
class SettingsDialog : public Dialog {
public:
    SettingsDialog(const UpdateSettings& settings, const std::vector<InstalledVersion>& history, int language)
        : Dialog(IDD_UPDATE_SETUP), settings_(settings), history_(history), language_(language) {}
    const UpdateSettings& Settings() const { return settings_; }

protected:
    bool OnInit() override
    {
        HWND w = Window();
        ApplyDialogSkin(w);
        SetWindowTextA(w, WindowCaption().c_str());
        HWND frequency = GetDlgItem(w, IDC_UPD_FREQUENCY);
        const UINT names[] = {IDS_UPDATE_MANUAL, IDS_UPDATE_ON_START, IDS_UPDATE_EACH_DAY, IDS_UPDATE_EACH_WEEK,
                              IDS_UPDATE_EACH_MONTH};
        for (UINT name : names)
            SendMessageA(frequency, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(name).c_str()));
        SendMessageA(frequency, CB_SETCURSEL, static_cast<WPARAM>(settings_.CheckEvery), 0);
        SetCheck(w, IDC_UPD_AUTO_INSTALL, settings_.AutoInstall != 0);
        SetCheck(w, IDC_UPD_SHOW_NEWS, settings_.ShowNews != 0);
        SendDlgItemMessageA(w, IDC_UPD_URL, EM_SETLIMITTEXT, kUpdateUrlChars, 0);
        SetDlgItemTextA(w, IDC_UPD_URL, settings_.Url.c_str());
        FillHistoryList(GetDlgItem(w, IDC_UPD_HISTORY), history_, language_);
        return true;
    }

    bool OnCommand(int id, int, HWND) override
    {
        HWND w = Window();
        switch (id) {
        case IDC_UPD_DEFAULT_URL:
            SetDlgItemTextA(w, IDC_UPD_URL, kDefaultUpdateUrl);
            return true;
        case IDOK: {
            LRESULT every = SendDlgItemMessageA(w, IDC_UPD_FREQUENCY, CB_GETCURSEL, 0, 0);
            if (every != CB_ERR)
                settings_.CheckEvery = static_cast<int>(every);
            settings_.AutoInstall = Checked(w, IDC_UPD_AUTO_INSTALL) ? 1 : 0;
            settings_.ShowNews = Checked(w, IDC_UPD_SHOW_NEWS) ? 1 : 0;
            char url[kUpdateUrlChars + 1] = {};
            GetDlgItemTextA(w, IDC_UPD_URL, url, sizeof url);
            settings_.Url = url;
            End(IDOK);
            return true;
        }
        case IDCANCEL:
            End(IDCANCEL);
            return true;
        case IDC_UPD_HELP:
            OpenHelpPage("autoupdate", "");
            return true;
        default:
            return false;
        }
    }

private:
    std::string WindowCaption() const
    {
        char text[256] = {};
        GetWindowTextA(Window(), text, sizeof text);
        return text;
    }

    UpdateSettings settings_;
    std::vector<InstalledVersion> history_;
    int language_;
};

} // namespace

// ---- 152 ----
class UpdateProgress::Window152 : public Dialog {
public:
    Window152() : Dialog(IDD_UPDATE_PROGRESS) {}
    bool cancel = false;

protected:
    bool OnInit() override
    {
        SkinWithTab(Window(), IDS_UPDATE_TITLE);
        SetDlgItemTextA(Window(), IDC_UPD_VERSION_LABEL, LoadText(IDS_UPDATE_NEW_VERSION).c_str());
        SendDlgItemMessageA(Window(), IDC_UPD_PROGRESS, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        return false;
    }

    bool OnCommand(int id, int, HWND) override
    {
        if (id == IDCANCEL) {
            cancel = true;
            EnableWindow(GetDlgItem(Window(), IDCANCEL), FALSE);
            return true;
        }
        return false;
    }
};

UpdateProgress::UpdateProgress(HWND owner) : window_(std::make_unique<Window152>())
{
    HWND w = window_->CreateModeless(owner);
    if (!w)
        return;
    PlaceBottomRight(w);
    SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(w);
}

UpdateProgress::~UpdateProgress()
{
    if (HWND w = window_->Window())
        DestroyWindow(w);
}

HWND UpdateProgress::Window() const
{
    return window_->Window();
}

void UpdateProgress::SetStatus(const std::string& text)
{
    if (HWND w = Window()) {
        SetDlgItemTextA(w, IDC_UPD_STATUS, text.c_str());
        UpdateWindow(w);
    }
}

void UpdateProgress::SetVersion(const std::string& version)
{
    if (HWND w = Window()) {
        SetDlgItemTextA(w, IDC_UPD_VERSION, version.c_str());
        ShowWindow(GetDlgItem(w, IDC_UPD_VERSION_LABEL), SW_SHOWNA);
        ShowWindow(GetDlgItem(w, IDC_UPD_VERSION), SW_SHOWNA);
    }
}

void UpdateProgress::ShowBar(bool show)
{
    if (HWND w = Window())
        ShowWindow(GetDlgItem(w, IDC_UPD_PROGRESS), show ? SW_SHOWNA : SW_HIDE);
}

void UpdateProgress::SetBar(int percent)
{
    if (HWND w = Window())
        SendDlgItemMessageA(w, IDC_UPD_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

void UpdateProgress::Pump()
{
    HWND w = Window();
    if (!w)
        return;
    MSG msg;
    while (PeekMessageA(&msg, w, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(w, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool UpdateProgress::CancelRequested() const
{
    return window_->cancel;
}

bool AskToDownload(HWND owner, const std::string& version, std::int64_t size)
{
    FoundDialog dialog(version, size);
    return dialog.RunModal(owner) == IDOK;
}

ReadyChoice AskToInstall(HWND owner, const std::string& version, int& autoInstall)
{
    ReadyDialog dialog(version, autoInstall);
    if (dialog.RunModal(owner) != IDOK)
        return ReadyChoice::Later;
    autoInstall = dialog.AutoInstall();
    return dialog.choice;
}

void RunNewsWindow(HWND owner, const NewsText& news, bool automatic, int& showNews)
{
    NewsDialog dialog(news, automatic, showNews);
    if (dialog.RunModal(owner) == IDOK)
        showNews = dialog.ShowNews();
}

void SetNewsSecondForTests(UINT milliseconds)
{
    g_newsSecondMs = milliseconds ? milliseconds : 1000;
}

bool RunUpdateSettingsDialog(HWND owner, UpdateSettings& settings, const std::vector<InstalledVersion>& history,
                             int contentLanguage)
{
    SettingsDialog dialog(settings, history, contentLanguage);
    if (dialog.RunModal(owner) != IDOK)
        return false;
    settings = dialog.Settings();
    return true;
}

void FillHistoryList(HWND list, const std::vector<InstalledVersion>& history, int contentLanguage)
{
    if (!list)
        return;
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    HWND header = ListView_GetHeader(list);
    if (!header || Header_GetItemCount(header) == 0) {
        const struct {
            UINT title;
            int width;
        } columns[] = {{IDS_COL_INSTALLED_VERSION, 130}, {IDS_COL_DOWNLOAD_DATE, 120}, {IDS_COL_DOWNLOAD_TIME, 120}};
        int i = 0;
        for (const auto& c : columns) {
            std::string title = LoadText(c.title);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.cx = c.width;
            column.pszText = &title[0];
            column.iSubItem = i;
            SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
            ++i;
        }
    }
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const InstalledVersion& entry : history) {
        std::string texts[3] = {entry.version, HistoryDateText(entry.date, contentLanguage), entry.time};
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = &texts[0][0];
        int at = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        if (at < 0)
            continue;
        for (int column = 1; column < 3; ++column) {
            LVITEMA sub = {};
            sub.iSubItem = column;
            sub.pszText = &texts[column][0];
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
        }
        ++row;
    }
}
