// Not a test: opens the options sheet in English and French and saves a picture (BMP) of each
// page, of the tray-click dialog, the engine editor and the link dialog into the folder given
// as the argument. scripts/screenshots.sh options runs it under Wine and makes the PNG files of docs/.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <thread>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/Startup_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"

namespace {

// The enabled dialog of the thread: the sheet, or a dialog over it.
HWND TopDialog(DWORD thread)
{
    return wt::FindThreadDialog(thread, [](HWND w) { return IsWindowEnabled(w) != FALSE; }, 5000);
}

// Opens the dialog a page's button shows, takes its picture and closes it.
void ShootDialogOf(HWND page, int button, DWORD ui, const std::string& path)
{
    PostMessageA(page, WM_COMMAND, static_cast<WPARAM>(button), 0);
    Sleep(300);
    HWND dialog = TopDialog(ui);
    Sleep(500);
    wt::SaveWindowBmp(dialog, path);
    std::printf("%s\n", path.c_str());
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Sleep(300);
}

void Shoot(const std::string& language, const std::string& out)
{
    DWORD ui = GetCurrentThreadId();
    std::thread driver([&] {
        HWND sheet = TopDialog(ui);
        if (!sheet)
            return;
        SetForegroundWindow(sheet);
        const char* names[] = {"options-main-", "options-engines-", "options-minibrowser-", "webalert-options-"};
        for (int index = 0; index < 4; ++index) {
            SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
            HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            // The engines' and the watched pages' lists with a row selected.
            for (int list : {IDC_ENG_LIST, IDC_WA_PAGES})
                if (GetDlgItem(page, list))
                    ListView_SetItemState(GetDlgItem(page, list), index == 1 ? 0 : 1, LVIS_SELECTED | LVIS_FOCUSED,
                                          LVIS_SELECTED | LVIS_FOCUSED);
            Sleep(600);
            const std::string path = out + "\\" + names[index] + language + ".bmp";
            wt::SaveWindowBmp(sheet, path);
            std::printf("%s\n", path.c_str());
            const int dialogs[] = {IDC_OPT_ADVANCED, IDC_ENG_EDIT, 0, IDC_WA_EDIT};
            const char* dialogNames[] = {"options-advanced-", "engine-editor-", "", "link-dialog-"};
            if (dialogs[index])
                ShootDialogOf(page, dialogs[index], ui, out + "\\" + dialogNames[index] + language + ".bmp");
        }
        SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    OpenOptionsSheet(Windows().main, 0);
    driver.join();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: options_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    wt::WriteProgramSettings(
        "[Options]\r\nWelCome=1\r\nWebAlertSound=1\r\nLanguage=2\r\nStartOnLog=1\r\nCloseAfter=0\r\nhideCorner=2\r\nHotkey=577\r\n"
        "HotkeyClipboard=1602\r\nHotkeyTranslate=1604\r\nFavorite=Google\r\n"
        "TranslateURL=http://translate.example/\r\nUrlMiniBrowserUrl=http://www.example.com/\r\n"
        "[Searcher]\r\n"
        "Searcher1=Google|\"http://www.google.com/search?q=%s\"|http://www.google.com/|1\r\n"
        "Searcher2=AltaVista|\"http://www.altavista.com/web/results?q=%s\"|http://www.altavista.com/|1\r\n"
        "Searcher3=Yahoo!|\"http://search.yahoo.com/search?p=%s\"|http://www.yahoo.com/|1\r\n"
        "Searcher4=Wikipedia|\"http://en.wikipedia.org/wiki/%s\"|http://www.wikipedia.org/|0\r\n"
        "[WebAlertUrl]\r\nWebAlertUrl1=News|\"http://news.example/\"||1|0|0|0|||0\r\n"
        "WebAlertUrl2=Prices|\"http://shop.example/catalogue?page=2\"||1|0|1|0|||0\r\n"
        "WebAlertUrl3=Old|\"http://old.example/\"||0|0|0|0|||0\r\n");
    if (!ProgramStart(GetModuleHandleA(nullptr), ""))
        return 1;
    Shoot("en", argv[1]);
    ApplyLanguage(1, true);
    Shoot("fr", argv[1]);
    DestroyWindow(Windows().main);
    return 0;
}
