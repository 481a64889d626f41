#include "app/AboutDialog_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"

namespace {

std::string WindowText(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class AboutDialog : public Dialog {
public:
    AboutDialog() : Dialog(IDD_ABOUT) {}

protected:
    bool OnInit() override
    {
        App().optionsOpen = 1;
        ApplyDialogSkin(Window());
        HWND version = Item(IDC_ABOUT_VERSION);
        std::string format = WindowText(version);
        std::size_t at = format.find("%s");
        if (at != std::string::npos)
            SetWindowTextA(version, (format.substr(0, at) + App().versionText + format.substr(at + 2)).c_str());
        FillInstallHistory(Item(IDC_ABOUT_HISTORY));
        EnableWindow(Item(IDC_ABOUT_NEWS), NewsAvailable());
        return true;
    }

    bool OnCommand(int id, int, HWND control) override
    {
        HWND main = Windows().main;
        switch (id) {
        case IDOK:
        case IDCANCEL:
            Close(id);
            return true;
        case IDC_ABOUT_CHECK_UPDATES:
            Close(IDOK);
            PostMessageA(main, WM_COMMAND, IDM_CHECK_UPDATES, 0);
            return true;
        case IDC_ABOUT_NEWS:
            Close(IDOK);
            PostMessageA(main, WM_COMMAND, IDM_NEWS, 99);
            return true;
        case IDC_ABOUT_SITE:
        case IDC_ABOUT_FORUMS:
            RunCommandText(WindowText(control).c_str());
            Close(IDOK);
            return true;
        case IDC_ABOUT_CONTACT: {
            std::string mail = "mailto:" + WindowText(control) + "?subject=" + App().className + " ";
            ShellExecuteA(Window(), "open", mail.c_str(), nullptr, nullptr, SW_SHOW);
            Close(IDOK);
            return true;
        }
        default:
            return false;
        }
    }

private:
    void Close(int result)
    {
        App().optionsOpen = 0;
        End(result);
    }
};

} // namespace

void ShowAboutDialog(HWND owner)
{
    AboutDialog dialog;
    dialog.RunModal(owner);
    App().optionsOpen = 0;
}
