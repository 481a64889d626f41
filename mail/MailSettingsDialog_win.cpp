// The "SMTP Parameters" dialog (196) over the mail settings, with the detection of the
// default Outlook Express account.
#include <windows.h>

#include <string>

#include "app/Dialog_win.h"
#include "app/DialogControls_win.h"
#include "app/Registry_win.h"
#include "app/Subsystems_win.h"
#include "app/TextUtil.h"
#include "chrome/Skin_win.h"
#include "mail/DefaultAccount.h"
#include "mail/MailSettings_win.h"
#include "resources/ResourceIds.h"

namespace {

// Texts are read with a 1024-character buffer.
constexpr std::size_t kFieldChars = 1023;

std::string FieldText(HWND dialog, int id)
{
    return GetLimitedText(dialog, id, kFieldChars);
}

// The message goes into one line of the settings file: a line break there would cut it off
// and start a new key with the rest.
std::string OneLine(std::string text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

// Fills the dialog from the default account. The fields keep their texts from the first value
// missing on.
void DetectDefaultAccount(HWND dialog)
{
    DefaultAccount account = ReadDefaultAccount([](const std::string& key, const char* name, std::string& out) {
        return RegReadString(HKEY_CURRENT_USER, key.c_str(), name, out);
    });
    if (!account.server.empty())
        SetDlgItemTextA(dialog, IDC_SMTP_SERVER, account.server.c_str());
    if (!account.complete)
        return;
    SetDlgItemTextA(dialog, IDC_SMTP_SENDER, account.address.c_str());
    SetDlgItemTextA(dialog, IDC_SMTP_TO, account.address.c_str());
}

class SmtpParametersDialog : public Dialog {
public:
    SmtpParametersDialog() : Dialog(IDD_SMTP_PARAMETERS, "options4", "smtp") {}

protected:
    bool OnInit() override
    {
        ApplyDialogSkin(Window());
        const MailSettings s = CurrentMailSettings();
        for (int id : {IDC_SMTP_SERVER, IDC_SMTP_SENDER, IDC_SMTP_MESSAGE})
            SendDlgItemMessageA(Window(), id, EM_LIMITTEXT, kFieldChars, 0);
        // Typing stops where the mail stops reading the recipient lists.
        for (int id : {IDC_SMTP_TO, IDC_SMTP_CC})
            SendDlgItemMessageA(Window(), id, EM_LIMITTEXT, kMailListChars, 0);
        SetDlgItemTextA(Window(), IDC_SMTP_SERVER, s.server.c_str());
        SetDlgItemTextA(Window(), IDC_SMTP_SENDER, s.sender.c_str());
        SetDlgItemTextA(Window(), IDC_SMTP_TO, s.to.c_str());
        SetDlgItemTextA(Window(), IDC_SMTP_CC, s.cc.c_str());
        SetDlgItemTextA(Window(), IDC_SMTP_MESSAGE, s.message.c_str());
        SetCheck(Window(), IDC_SMTP_BRIEF, s.brief);
        return true;
    }

    bool OnCommand(int id, int code, HWND) override
    {
        if (code != BN_CLICKED)
            return false;
        switch (id) {
        case IDC_SMTP_DEFAULT_ACCOUNT:
            DetectDefaultAccount(Window());
            return true;
        default:
            return false;
        }
    }

private:
    void OnOk() override
    {
        // A server and a sender are needed; blanks alone are none.
        for (int id : {IDC_SMTP_SERVER, IDC_SMTP_SENDER}) {
            if (Trim(FieldText(Window(), id)).empty()) {
                MessageBeep(0);
                SetFocus(Item(id));
                return;
            }
        }
        MailSettings s;
        s.server = FieldText(Window(), IDC_SMTP_SERVER);
        s.sender = FieldText(Window(), IDC_SMTP_SENDER);
        s.to = FieldText(Window(), IDC_SMTP_TO);
        s.cc = FieldText(Window(), IDC_SMTP_CC);
        s.message = OneLine(FieldText(Window(), IDC_SMTP_MESSAGE));
        s.brief = GetCheck(Window(), IDC_SMTP_BRIEF) != 0;
        StoreMailSettings(s);
        End(IDOK);
    }
};

}  // namespace

void EditMailSettings(HWND owner)
{
    SmtpParametersDialog dialog;
    dialog.RunModal(owner);
}
