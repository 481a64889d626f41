#include "options/MiniBrowserPage_win.h"

#include "app/AppContext_win.h"
#include "app/Hotkeys_win.h"
#include "app/OptionRecord.h"
#include "app/Subsystems_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/LauncherLists_win.h"
#include "resources/ResourceIds.h"

namespace {

// The home page is kept in 512 characters.
constexpr std::size_t kHomePageChars = 511;

// The page's check boxes and the keys they edit.
struct CheckKey {
    int id;
    int OptionRecord::*field;
};
const CheckKey kChecks[] = {
    {IDC_MB_SEARCH, &OptionRecord::UseMiniBrowserSearch},
    {IDC_MB_ENGINE, &OptionRecord::UseMiniBrowserEngine},
    {IDC_MB_LINK, &OptionRecord::UseMiniBrowserLink},
    {IDC_MB_FAVORITES, &OptionRecord::UseMiniBrowserFavorites},
    {IDC_MB_WEBALERT, &OptionRecord::UseMiniBrowserWebAlert},
    {IDC_MB_USE_CACHE, &OptionRecord::MiniBrowserUseCache},
    {IDC_MB_OPEN_HOME, &OptionRecord::UseMiniBrowserUrl},
    {IDC_MB_CLOSE_ON_DEFAULT, &OptionRecord::UseMiniBrowserClose},
    {IDC_MB_SAVE_POS, &OptionRecord::MiniBrowserSavePos},
    {IDC_MB_ON_TOP, &OptionRecord::MiniBrowserOnTopSave},
    {IDC_MB_TRANSPARENT, &OptionRecord::MiniBrowserTrans},
    {IDC_MB_PRINT_LINK, &OptionRecord::MiniBrowserPrintLink},
    {IDC_MB_OPEN_LINK, &OptionRecord::MiniBrowserOpenLink},
    {IDC_MB_KILL_POPUP, &OptionRecord::MiniBrowserKillPopup},
    {IDC_MB_NAV_CLIC, &OptionRecord::MiniBrowserNavClic},
};

} // namespace

MiniBrowserPage::MiniBrowserPage() : PropertyPage(IDD_OPTIONS_MINIBROWSER, IDS_PAGE_MINIBROWSER, "options3") {}

bool MiniBrowserPage::OnInit()
{
    const OptionRecord& o = Options();
    HWND page = Window();
    for (const CheckKey& check : kChecks)
        SetCheck(page, check.id, o.*check.field);

    HWND home = Item(IDC_MB_HOME_PAGE);
    const TypedAddressList& typed = TypedAddresses();
    for (std::size_t i = 0; i < typed.Size(); ++i)
        SendMessageA(home, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(typed.AddressAt(i).c_str()));
    SetLimitedText(page, IDC_MB_HOME_PAGE, o.UrlMiniBrowserUrl, kHomePageChars);

    FillListFromStrings(page, IDC_MB_CTRL_N,
                        {IDS_CTRLN_BLANK, IDS_CTRLN_CURRENT_LINK, IDS_CTRLN_HOME_PAGE, IDS_CTRLN_CLIPBOARD},
                        o.MiniBrowserCtrlN);
    FillListFromStrings(page, IDC_MB_FONT,
                        {IDS_FONT_LARGEST, IDS_FONT_LARGE, IDS_FONT_MEDIUM, IDS_FONT_SMALL, IDS_FONT_SMALLEST},
                        o.UseMiniBrowserFont);
    SetHotkeyControl(page, IDC_MB_HOTKEY, o.HotkeyMiniBrowser);
    hotkeys_.Pause({{o.HotkeyMiniBrowser, 5, HOTKEY_MINIBROWSER}});
    return true;
}

bool MiniBrowserPage::OnCommand(int id, int, HWND)
{
    switch (id) {
    case IDC_MB_CURRENT_PAGE:
        SetLimitedText(Window(), IDC_MB_HOME_PAGE, MiniBrowserCurrentAddress(), kHomePageChars);
        return true;
    case IDC_MB_BLANK_PAGE:
        SetLimitedText(Window(), IDC_MB_HOME_PAGE, "about:blank", kHomePageChars);
        return true;
    default:
        return false;
    }
}

bool MiniBrowserPage::OnApply()
{
    OptionRecord& o = Options();
    HWND page = Window();
    for (const CheckKey& check : kChecks)
        o.*check.field = GetCheck(page, check.id);
    o.miniBrowserKillPopupNow = o.MiniBrowserKillPopup;
    o.UrlMiniBrowserUrl = GetLimitedText(page, IDC_MB_HOME_PAGE, kHomePageChars);
    o.MiniBrowserCtrlN = GetListPosition(page, IDC_MB_CTRL_N, o.MiniBrowserCtrlN);
    o.UseMiniBrowserFont = GetListPosition(page, IDC_MB_FONT, o.UseMiniBrowserFont);
    o.HotkeyMiniBrowser = GetHotkeyControl(page, IDC_MB_HOTKEY);
    hotkeys_.Resume(0, o.HotkeyMiniBrowser);
    SaveOptions(o, Settings());
    return true;
}

void MiniBrowserPage::OnCancel()
{
    hotkeys_.ResumeAsBefore();
}
