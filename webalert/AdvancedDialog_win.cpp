// The comparison options (dialog 194, "Advanced"), saved at once on OK.
#include <windows.h>

#include <algorithm>

#include "app/AppContext_win.h"
#include "app/DialogControls_win.h"
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
        SetCheck(Window(), IDC_CMP_STRICT, o.WebAlertCMPStrict);
        SetCheck(Window(), IDC_CMP_IMAGE, o.WebAlertCMPImage);
        SetCheck(Window(), IDC_CMP_NOSCRIPT, o.WebAlertCMPNoScript);
        SetCheck(Window(), IDC_CMP_SIZE, o.WebAlertCMPSize);
        SendDlgItemMessageA(Window(), IDC_CMP_TOLERANCE, EM_LIMITTEXT, 5, 0);
        SetSpinRange(Window(), IDC_CMP_TOLERANCE_SPIN, kToleranceMin, kToleranceMax, o.WebAlertCMPSizeTol);
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
    // A strict comparison looks at every byte, so the size rule has no say then.
    void UpdateEnabling()
    {
        const bool strict = GetCheck(Window(), IDC_CMP_STRICT) != 0;
        EnableWindow(Item(IDC_CMP_SIZE_GROUP), !strict);
        EnableWindow(Item(IDC_CMP_SIZE), !strict);
        const bool tolerance = !strict && GetCheck(Window(), IDC_CMP_SIZE) != 0;
        for (int id : {IDC_CMP_TOLERANCE_LABEL, IDC_CMP_TOLERANCE, IDC_CMP_TOLERANCE_SPIN})
            EnableWindow(Item(id), tolerance);
    }

    void OnOk() override
    {
        BOOL read = FALSE;
        const UINT typed = GetDlgItemInt(Window(), IDC_CMP_TOLERANCE, &read, FALSE);
        OptionRecord& o = Options();
        o.WebAlertCMPStrict = GetCheck(Window(), IDC_CMP_STRICT);
        o.WebAlertCMPImage = GetCheck(Window(), IDC_CMP_IMAGE);
        o.WebAlertCMPNoScript = GetCheck(Window(), IDC_CMP_NOSCRIPT);
        o.WebAlertCMPSize = GetCheck(Window(), IDC_CMP_SIZE);
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
