#include "options/MainPage_win.h"

#include "app/AppContext_win.h"
#include "app/Hotkeys_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/Registry_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "app/TrayIcon_win.h"
#include "app/Visuals_win.h"
#include "app/Win32Profile_win.h"
#include "options/TrayClickDialog_win.h"
#include "resources/ResourceIds.h"

namespace {

constexpr char kRunValueName[] = "Quorvane";

HBITMAP LoadPicture(UINT id)
{
    return static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

int BrowserModeRadio(int stored)
{
    return stored == IDC_OPT_BROWSER_MAX || stored == IDC_OPT_BROWSER_MIN ? stored : IDC_OPT_BROWSER_NORMAL;
}

} // namespace

MainPage::MainPage() : PropertyPage(IDD_OPTIONS_MAIN, IDS_PAGE_MAIN, "options") {}

bool MainPage::OnInit()
{
    const OptionRecord& o = Options();
    HWND page = Window();
    SetCheck(page, IDC_OPT_START_ON_LOG, o.StartOnLog);
    languageAtOpen_ = o.Language >= 0 && o.Language <= 2 ? o.Language : 0;
    FillListFromStrings(page, IDC_OPT_LANGUAGE, {IDS_LANGUAGE_AUTOMATIC, IDS_LANGUAGE_FRENCH, IDS_LANGUAGE_ENGLISH},
                        languageAtOpen_);
    CheckRadioButton(page, IDC_OPT_MODE_SMALL, IDC_OPT_MODE_TREE, o.DialogMode == 1 ? IDC_OPT_MODE_TREE : IDC_OPT_MODE_SMALL);
    CheckRadioButton(page, IDC_OPT_BROWSER_NORMAL, IDC_OPT_BROWSER_MIN, BrowserModeRadio(o.StartBrowserMode));
    SetCheck(page, IDC_OPT_CURRENT_BROWSER, o.UseCurrentBrowser);
    SetCheck(page, IDC_OPT_CLOSE_OWNED, o.CloseOnlyOwnedWindow);
    CheckRadioButton(page, IDC_OPT_CLOSE_AFTER, IDC_OPT_AUTO_HIDE, o.CloseAfter ? IDC_OPT_CLOSE_AFTER : IDC_OPT_AUTO_HIDE);
    FillListFromStrings(page, IDC_OPT_CORNER, {IDS_CORNER_LEFT, IDS_CORNER_RIGHT, IDS_CORNER_TOP, IDS_CORNER_BOTTOM},
                        o.HideCorner >= 0 && o.HideCorner <= 3 ? o.HideCorner : 2);
    SetCheck(page, IDC_OPT_MOUSE_MOVE, o.OnMouseMove);
    SetCheck(page, IDC_OPT_ON_TOP, o.OnTop);
    SetCheck(page, IDC_OPT_TRANSPARENT, o.MainTrans);
    SetHotkeyControl(page, IDC_OPT_HOTKEY, o.Hotkey);
    SetHotkeyControl(page, IDC_OPT_HOTKEY_CLIP, o.HotkeyClipboard);
    hotkeys_.Pause({{o.Hotkey, 1, HOTKEY_OPEN_LAUNCHER}, {o.HotkeyClipboard, 2, HOTKEY_SEARCH_CLIPBOARD}});

    bool themed = ThemeActive();
    modePictures_[0].Reset(LoadPicture(themed ? IDB_PREVIEW_SMALL : IDB_PREVIEW_SMALL_CLASSIC));
    modePictures_[1].Reset(LoadPicture(themed ? IDB_PREVIEW_TREE : IDB_PREVIEW_TREE_CLASSIC));
    const UINT edges[4] = {IDB_EDGE_LEFT, IDB_EDGE_RIGHT, IDB_EDGE_TOP, IDB_EDGE_BOTTOM};
    for (int i = 0; i < 4; ++i)
        cornerPictures_[i].Reset(LoadPicture(edges[i]));
    ShowPreviews();
    return true;
}

void MainPage::ShowPreviews()
{
    HWND page = Window();
    bool tree = GetCheck(page, IDC_OPT_MODE_TREE) != 0;
    SendDlgItemMessageA(page, IDC_OPT_MODE_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(modePictures_[tree ? 1 : 0].Get()));
    bool autoHide = GetCheck(page, IDC_OPT_AUTO_HIDE) != 0;
    int corner = GetListPosition(page, IDC_OPT_CORNER, 2);
    SendDlgItemMessageA(page, IDC_OPT_CORNER_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(cornerPictures_[corner & 3].Get()));
    EnableWindow(Item(IDC_OPT_CORNER), autoHide);
    ShowWindow(Item(IDC_OPT_CORNER_PICTURE), autoHide ? SW_SHOW : SW_HIDE);
}

bool MainPage::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDC_OPT_MODE_SMALL:
    case IDC_OPT_MODE_TREE:
    case IDC_OPT_CLOSE_AFTER:
    case IDC_OPT_AUTO_HIDE:
        if (code == BN_CLICKED)
            ShowPreviews();
        return true;
    case IDC_OPT_CORNER:
        if (code == CBN_SELCHANGE)
            ShowPreviews();
        return true;
    case IDC_OPT_AUTO_UPDATE:
        UpdateSettingsDialog(Window());
        return true;
    case IDC_OPT_ADVANCED:
        ShowTrayClickDialog(Window());
        return true;
    default:
        return false;
    }
}

bool MainPage::OnApply()
{
    OptionRecord& o = Options();
    HWND page = Window();
    o.StartOnLog = GetCheck(page, IDC_OPT_START_ON_LOG);
    o.Language = GetListPosition(page, IDC_OPT_LANGUAGE, languageAtOpen_);
    o.DialogMode = GetCheck(page, IDC_OPT_MODE_TREE);
    o.StartBrowserMode = GetCheck(page, IDC_OPT_BROWSER_MAX)   ? IDC_OPT_BROWSER_MAX
                         : GetCheck(page, IDC_OPT_BROWSER_MIN) ? IDC_OPT_BROWSER_MIN
                                                               : IDC_OPT_BROWSER_NORMAL;
    o.UseCurrentBrowser = GetCheck(page, IDC_OPT_CURRENT_BROWSER);
    o.CloseOnlyOwnedWindow = GetCheck(page, IDC_OPT_CLOSE_OWNED);
    o.CloseAfter = GetCheck(page, IDC_OPT_CLOSE_AFTER);
    o.HideCorner = GetListPosition(page, IDC_OPT_CORNER, o.HideCorner);
    o.OnMouseMove = GetCheck(page, IDC_OPT_MOUSE_MOVE);
    o.OnTop = GetCheck(page, IDC_OPT_ON_TOP);
    o.MainTrans = GetCheck(page, IDC_OPT_TRANSPARENT);
    o.Hotkey = GetHotkeyControl(page, IDC_OPT_HOTKEY);
    o.HotkeyClipboard = GetHotkeyControl(page, IDC_OPT_HOTKEY_CLIP);

    if (o.Language != languageAtOpen_)
        ApplyLanguage(o.Language, true);
    SaveOptions(o, Settings());
    SetRunValue(o.StartOnLog != 0, kRunKey, kRunValueName, App().programPath.c_str());
    hotkeys_.Resume(0, o.Hotkey);
    hotkeys_.Resume(1, o.HotkeyClipboard);
    if (Windows().main)
        TrayNotify(Windows().main, NIM_MODIFY, kTrayIconId, App().smallIcon, TrayTipText(o.Hotkey).c_str());
    return true;
}

void MainPage::OnCancel()
{
    hotkeys_.ResumeAsBefore();
}
