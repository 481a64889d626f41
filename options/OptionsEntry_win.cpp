// The options sheet: pages "Main", "Engines", "MiniBrowser" and the page monitor's own page.
#include <memory>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/Hotkeys_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "options/EnginesPage_win.h"
#include "options/MainPage_win.h"
#include "options/MiniBrowserPage_win.h"
#include "resources/ResourceIds.h"
#include "webalert/LinkDialog_win.h"

namespace {

// Tray clicks and hotkeys wait while the sheet is open, whatever way it ends.
class SheetOpenState {
public:
    SheetOpenState()
    {
        App().optionsOpen = 1;
        SetHotkeysEnabled(false);
    }
    ~SheetOpenState()
    {
        SetHotkeysEnabled(true);
        App().optionsOpen = 0;
    }
    SheetOpenState(const SheetOpenState&) = delete;
    SheetOpenState& operator=(const SheetOpenState&) = delete;
};

} // namespace

void OpenOptionsSheet(HWND owner, int startPage)
{
    MainPage mainPage;
    EnginesPage enginesPage;
    MiniBrowserPage miniBrowserPage;
    std::unique_ptr<PropertyPage> webAlertPage = CreateWebAlertOptionsPage();
    std::vector<PropertyPage*> pages = {&mainPage, &enginesPage, &miniBrowserPage};
    if (webAlertPage)
        pages.push_back(webAlertPage.get());

    INT_PTR result = 0;
    DWORD error = 0;
    {
        SheetOpenState open;
        std::string caption = LoadText(IDS_SETUP_CAPTION, 127);
        result = RunPropertySheet(owner, caption.c_str(), pages, startPage);
        error = GetLastError();
    }
    if (result < 0) {
        std::string text = LoadText(IDS_PROPSHEET_ERROR, 255);
        std::size_t code = text.find("%u");
        if (code != std::string::npos)
            text.replace(code, 2, std::to_string(error));
        MessageBoxA(GetFocus(), text.c_str(), nullptr, MB_OK | MB_ICONERROR);
    }
}
