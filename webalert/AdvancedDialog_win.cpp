// The comparison options (dialog 194, "Advanced"), saved at once on OK.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/OptionRecord.h"
#include "app/Win32Profile_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"
#include "webalert/LinkDialog_win.h"

namespace {

constexpr int kToleranceMin = 1;
constexpr int kToleranceMax = 10240;

class CompareOptionsDialog : public Dialog {
public:
    CompareOptionsDialog() : Dialog(IDD_COMPARE_OPTIONS, "options4", "compare") {}

protected:
    bool OnInit() override
    {
        ApplyDialogSkin(Window());
        const OptionRecord& o = Options();
        CheckDlgButton(Window(), IDC_CMP_STRICT, o.WebAlertCMPStrict ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(Window(), IDC_CMP_IMAGE, o.WebAlertCMPImage ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(Window(), IDC_CMP_NOSCRIPT, o.WebAlertCMPNoScript ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(Window(), IDC_CMP_SIZE, o.WebAlertCMPSize ? BST_CHECKED : BST_UNCHECKED);
        SendDlgItemMessageA(Window(), IDC_CMP_TOLERANCE, EM_LIMITTEXT, 5, 0);
        SendDlgItemMessageA(Window(), IDC_CMP_TOLERANCE_SPIN, UDM_SETRANGE32, kToleranceMin, kToleranceMax);
        SendDlgItemMessageA(Window(), IDC_CMP_TOLERANCE_SPIN, UDM_SETPOS32, 0,
                            std::clamp(o.WebAlertCMPSizeTol, kToleranceMin, kToleranceMax));
        UpdateEnabling();
        return true;
    }

    bool OnCommand(int id, int code, HWND) override
    {
        if (code != BN_CLICKED)
            return false;
        switch (id) {
        case IDC_CMP_STRICT:
        case IDC_CMP_SIZE:
            UpdateEnabling();
            return true;
        default:
            return false;
        }
    }

private:
    bool Checked(int id) const { return IsDlgButtonChecked(Window(), id) == BST_CHECKED; }

    // A strict comparison looks at every byte, so the size rule has no say then.
    void UpdateEnabling()
    {
        const bool strict = Checked(IDC_CMP_STRICT);
        EnableWindow(Item(IDC_CMP_SIZE_GROUP), !strict);
        EnableWindow(Item(IDC_CMP_SIZE), !strict);
        const bool tolerance = !strict && Checked(IDC_CMP_SIZE);
        for (int id : {IDC_CMP_TOLERANCE_LABEL, IDC_CMP_TOLERANCE, IDC_CMP_TOLERANCE_SPIN})
            EnableWindow(Item(id), tolerance);
    }

    void OnOk() override
    {
        BOOL read = FALSE;
        const UINT typed = GetDlgItemInt(Window(), IDC_CMP_TOLERANCE, &read, FALSE);
        OptionRecord& o = Options();
        o.WebAlertCMPStrict = Checked(IDC_CMP_STRICT) ? 1 : 0;
        o.WebAlertCMPImage = Checked(IDC_CMP_IMAGE) ? 1 : 0;
        o.WebAlertCMPNoScript = Checked(IDC_CMP_NOSCRIPT) ? 1 : 0;
        o.WebAlertCMPSize = Checked(IDC_CMP_SIZE) ? 1 : 0;
        if (read)
            o.WebAlertCMPSizeTol = static_cast<int>(std::clamp<UINT>(typed, kToleranceMin, kToleranceMax));
        Win32Profile& file = Settings();
        file.WriteInt("Options", "WebAlertCMPStrict", o.WebAlertCMPStrict);
        file.WriteInt("Options", "WebAlertCMPImage", o.WebAlertCMPImage);
        file.WriteInt("Options", "WebAlertCMPNoScript", o.WebAlertCMPNoScript);
        file.WriteInt("Options", "WebAlertCMPSize", o.WebAlertCMPSize);
        file.WriteInt("Options", "WebAlertCMPSizeTol", o.WebAlertCMPSizeTol);
        End(IDOK);
    }
};

}  // namespace

INT_PTR AdvancedDialog(HWND owner)
{
    CompareOptionsDialog dialog;
    return dialog.RunModal(owner);
}
