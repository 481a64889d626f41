#include "options/TrayClickDialog_win.h"

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/OptionRecord.h"
#include "options/OptionsControls_win.h"
#include "resources/ResourceIds.h"

namespace {

// The click commands in their stored order (0 to 13).
void FillClickList(HWND dialog, int id, int selected)
{
    FillListFromStrings(dialog, id,
                        {IDS_CLICK_NONE, IDS_CLICK_OPEN_WINDOW, IDS_CLICK_OPEN_MENU, IDS_CLICK_TYPED_MENU,
                         IDS_CLICK_ENGINE_MENU, IDS_CLICK_TRANSLATE, IDS_CLICK_SEARCH_CLIPBOARD,
                         IDS_CLICK_FAVORITE_ENGINE, IDS_CLICK_FAVORITES_MENU, IDS_CLICK_CLOSE_ALL,
                         IDS_CLICK_CLOSE_OWN, IDS_CLICK_MINIBROWSER, IDS_CLICK_CHECK_LINKS,
                         IDS_CLICK_SHOW_WEBALERT},
                        selected);
}

class TrayClickDialog : public Dialog {
public:
    TrayClickDialog() : Dialog(IDD_TRAY_CLICKS, "options") {}

protected:
    bool OnInit() override
    {
        const OptionRecord& o = Options();
        HWND dialog = Window();
        SetCheck(dialog, IDC_CLICK_CLOSE_BUTTON, o.CloseButton);
        FillClickList(dialog, IDC_CLICK_PLAIN, o.CmdClic);
        FillClickList(dialog, IDC_CLICK_SHIFT, o.CmdShiftClic);
        FillClickList(dialog, IDC_CLICK_CTRL, o.CmdCtrlClic);
        FillClickList(dialog, IDC_CLICK_ALT, o.CmdAltClic);
        return true;
    }

    void OnOk() override
    {
        OptionRecord& o = Options();
        HWND dialog = Window();
        o.CloseButton = GetCheck(dialog, IDC_CLICK_CLOSE_BUTTON);
        o.CmdClic = GetListPosition(dialog, IDC_CLICK_PLAIN, o.CmdClic);
        o.CmdShiftClic = GetListPosition(dialog, IDC_CLICK_SHIFT, o.CmdShiftClic);
        o.CmdCtrlClic = GetListPosition(dialog, IDC_CLICK_CTRL, o.CmdCtrlClic);
        o.CmdAltClic = GetListPosition(dialog, IDC_CLICK_ALT, o.CmdAltClic);
        End(IDOK);
    }
};

} // namespace

INT_PTR ShowTrayClickDialog(HWND owner)
{
    TrayClickDialog dialog;
    return dialog.RunModal(owner);
}
