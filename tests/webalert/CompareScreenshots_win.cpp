// Not a test: opens the comparison window on a small page with a changed, an added and a
// removed line, in English and in French, and saves a picture of each (BMP) into the folder
// given as the argument. scripts/screenshots.sh compare runs it under Wine and turns the
// pictures into the PNG files of docs/.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"
#include "webalert/CompareWindow_win.h"

namespace {

struct Copies {
    LANGID language;
    const char* suffix;
    const char* pageName;
    const char* previous;
    const char* current;
};

const Copies kCopies[] = {
    {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), "en", "Market fruit",
     "<html><head><title>Fruit</title></head><body>\n<h1>Prices &amp; offers</h1>\n<p>Apples 2 euros</p>\n"
     "<p>Pears 3 euros</p>\n<p>Old offer: lemons</p>\n<p>Plums 4 euros</p>\n</body></html>\n",
     "<html><head><title>Fruit</title></head><body>\n<h1>Prices &amp; offers</h1>\n<p>Apples 2 euros</p>\n"
     "<p>Pears 5 euros</p>\n<p>Plums 4 euros</p>\n<p>New: cherries 6 euros</p>\n</body></html>\n"},
    {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), "fr", "Fruits du march\xe9",
     "<html><body>\n<h1>Prix &amp; offres</h1>\n<p>Pommes 2 euros</p>\n<p>Poires 3 euros</p>\n"
     "<p>Ancienne offre : citrons</p>\n<p>Prunes 4 euros</p>\n</body></html>\n",
     "<html><body>\n<h1>Prix &amp; offres</h1>\n<p>Pommes 2 euros</p>\n<p>Poires 5 euros</p>\n"
     "<p>Prunes 4 euros</p>\n<p>Nouveau : cerises 6 euros</p>\n</body></html>\n"},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string out = argv[1];
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    AppContext& app = App();
    app.instance = GetModuleHandleA(nullptr);
    app.smallIcon = static_cast<HICON>(LoadImageA(app.instance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON, 16, 16, 0));
    app.largeIcon = static_cast<HICON>(LoadImageA(app.instance, MAKEINTRESOURCEA(IDI_LARGE), IMAGE_ICON, 32, 32, 0));
    int failures = 0;
    for (const Copies& copies : kCopies) {
        SetUiLanguage(copies.language);
        const std::string previous = out + "\\urBackup.html", current = out + "\\url.html";
        wt::WriteFileText(previous, copies.previous);
        wt::WriteFileText(current, copies.current);
        HWND window = ShowPageComparison(nullptr, copies.pageName, previous, current);
        if (!window) {
            ++failures;
            continue;
        }
        SetWindowPos(window, HWND_TOP, 40, 40, 760, 380, SWP_SHOWWINDOW);
        wt::PumpMessages(500);
        if (!wt::SaveWindowBmp(window, out + "\\compare-window-" + copies.suffix + ".bmp"))
            ++failures;
        DestroyWindow(window);
        DeleteFileA(previous.c_str());
        DeleteFileA(current.c_str());
    }
    return failures;
}
