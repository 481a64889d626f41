#include "translator/ZoomDialog_win.h"

#include "app/Dialog_win.h"
#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"
#include "translator/TranslatorTools_win.h"

namespace {

// The text shows at twice the dialog's font height.
constexpr int kZoomFactor = 2;

class ZoomDialog : public Dialog {
public:
    ZoomDialog(const std::string& name, const std::string& text, bool failed)
        : Dialog(IDD_TRANSLATE_ZOOM, "traduction", "zoom"), name_(name), text_(text), failed_(failed)
    {
    }

protected:
    bool OnInit() override
    {
        ApplyDialogSkin(Window());
        SetWindowTextA(Window(), LoadText(IDS_ZOOM_TITLE).c_str());
        SetDlgItemTextA(Window(), IDC_ZOOM_SERVICE, name_.c_str());
        SetDlgItemTextA(Window(), IDC_ZOOM_TEXT, text_.c_str());
        SetDlgItemTextA(Window(), IDC_ZOOM_STATUS, LoadText(failed_ ? IDS_STATUS_ERROR : IDS_STATUS_OK).c_str());
        EnlargeText();
        FocusAtStart(Window(), IDC_ZOOM_TEXT);
        return false;
    }

    bool OnCommand(int id, int, HWND) override
    {
        if (id != IDOK && id != IDCANCEL)
            return false;
        End(id);
        return true;
    }

private:
    void EnlargeText()
    {
        HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(Window(), WM_GETFONT, 0, 0));
        LOGFONTA look = {};
        if (!dialogFont || !GetObjectA(dialogFont, sizeof look, &look))
            return;
        look.lfHeight *= kZoomFactor;
        font_.Reset(CreateFontIndirectA(&look));
        if (font_)
            SendDlgItemMessageA(Window(), IDC_ZOOM_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }

    std::string name_;
    std::string text_;
    bool failed_;
    UniqueFont font_;
};

}  // namespace

void ShowZoom(HWND owner, const std::string& serviceName, const std::string& text, bool failed)
{
    ZoomDialog dialog(serviceName, text, failed);
    dialog.RunModal(owner);
}
