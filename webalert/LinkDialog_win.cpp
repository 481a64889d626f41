// The Add/Edit link dialog (188).
#include "webalert/LinkDialog_win.h"

#include <string>

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/DialogControls_win.h"
#include "app/MessageBox_win.h"
#include "app/Messages.h"
#include "app/Subsystems_win.h"
#include "app/TextUtil.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"
#include "webalert/WebAlert_win.h"

namespace {

// The name is also the page folder's name; the edit field takes at most this much.
constexpr std::size_t kNameChars = 64;
// Texts of a watched page hold at most this much.
constexpr std::size_t kTextChars = 1023;

// Cleaning may leave a blank at the cut, which the second cleaning trims.
std::string CleanName(std::string_view name)
{
    return CleanPageName(Cut(CleanPageName(name), kNameChars));
}

bool LiveNameTaken(std::string_view name)
{
    for (const MonitoredPage& page : WebAlertPages().Copies())
        if (EqualsNoCase(page.name, name))
            return true;
    return false;
}

class LinkEditDialog : public Dialog {
public:
    LinkEditDialog(MonitoredPage& page, LinkDialogMode mode, std::function<bool(std::string_view)> nameTaken)
        : Dialog(IDD_LINK_EDIT, "options4", "addurl"), page_(page), mode_(mode), nameTaken_(std::move(nameTaken)) {}

protected:
    bool OnInit() override
    {
        ApplyDialogSkin(Window());
        SetLimitedText(Window(), IDC_LINK_NAME, CleanName(page_.name), kNameChars);
        SetLimitedText(Window(), IDC_LINK_ADDRESS, page_.urlString, kTextChars);
        SetCheck(Window(), IDC_LINK_ENABLE, page_.enabled);
        SetCheck(Window(), IDC_LINK_MAIL, page_.mailOnChange);
        SetCheck(Window(), IDC_LINK_OPEN, page_.openOnChange);
        return true;
    }

    bool OnCommand(int id, int code, HWND) override
    {
        if (id == IDC_LINK_NAME && code == EN_KILLFOCUS) {
            ShowCleanName();
            return true;
        }
        if (code != BN_CLICKED)
            return false;
        switch (id) {
        case IDC_LINK_CURRENT: {
            // Without a page in the mini browser the typed link stays.
            const std::string address = MiniBrowserCurrentAddress();
            if (!address.empty())
                SetDlgItemTextA(Window(), IDC_LINK_ADDRESS, Cut(address, kTextChars).c_str());
            return true;
        }
        default:
            return false;
        }
    }

private:
    std::string ShowCleanName()
    {
        const std::string typed = GetLimitedText(Window(), IDC_LINK_NAME, kNameChars);
        const std::string clean = CleanName(typed);
        // Rewriting an unchanged text would only move the caret.
        if (clean != typed)
            SetDlgItemTextA(Window(), IDC_LINK_NAME, clean.c_str());
        return clean;
    }

    bool NameTaken(const std::string& name) const
    {
        if (mode_ == kLinkEdit)
            return false;
        if (nameTaken_)
            return nameTaken_(name);
        return mode_ == kLinkAddLive && LiveNameTaken(name);
    }

    void OnOk() override
    {
        const std::string name = ShowCleanName();
        if (!name.empty() && NameTaken(name)) {
            MessageBoxById(Window(), IDS_DUPLICATE_LINK_NAME, MB_OK | MB_ICONERROR);
            SetFocus(Item(IDC_LINK_NAME));
            return;
        }
        const std::string link = GetLimitedText(Window(), IDC_LINK_ADDRESS, kTextChars);
        if (name.empty() || link.empty()) {
            MessageBeep(0);
            SetFocus(Item(name.empty() ? IDC_LINK_NAME : IDC_LINK_ADDRESS));
            return;
        }
        page_.name = name;
        page_.urlString = link;
        page_.urlBase = GetLimitedText(Window(), IDC_LINK_CURRENT, kTextChars);
        page_.enabled = GetCheck(Window(), IDC_LINK_ENABLE);
        page_.mailOnChange = GetCheck(Window(), IDC_LINK_MAIL);
        page_.openOnChange = GetCheck(Window(), IDC_LINK_OPEN);
        End(IDOK);
    }

    MonitoredPage& page_;
    LinkDialogMode mode_;
    std::function<bool(std::string_view)> nameTaken_;
};

}  // namespace

INT_PTR LinkDialog(HWND owner, MonitoredPage& page, LinkDialogMode mode)
{
    return LinkDialog(owner, page, mode, nullptr);
}

INT_PTR LinkDialog(HWND owner, MonitoredPage& page, LinkDialogMode mode,
                   const std::function<bool(std::string_view)>& nameTaken)
{
    LinkEditDialog dialog(page, mode, nameTaken);
    const INT_PTR result = dialog.RunModal(owner);
    if (result != IDOK || mode != kLinkAddLive)
        return result;
    WebAlertPages().Append(page);
    SaveWebAlertPages();
    // The monitor window adds the rows of pages it does not show yet.
    if (HWND monitor = Windows().webAlert)
        SendMessageA(monitor, UM_TRAYICON, 0, 0);
    return result;
}
