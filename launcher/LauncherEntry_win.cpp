// The launcher's side of the main window's requests: the tray's submenus and the commands
// that open addresses, help pages, the clipboard's text and engine home pages.
#include "app/Subsystems_win.h"

#include <string>

#include "app/AppContext_win.h"
#include "app/MessageBox_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "launcher/ClipboardText_win.h"
#include "launcher/FavoritesMenu_win.h"
#include "launcher/HelpPage.h"
#include "launcher/InterpretInput.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LocalHelp_win.h"
#include "launcher/Openers.h"
#include "launcher/ProgramLaunchExecutor_win.h"
#include "resources/ResourceIds.h"

namespace {
// The addresses of the tray's last favorites menu, by command id.
FavoritesMenu& TrayFavorites()
{
    static FavoritesMenu menu;
    return menu;
}
} // namespace

void AppendTypedAddressMenu(HMENU menu)
{
    for (const TypedAddressMenuItem& item : TypedAddressMenuLayout(TypedAddresses())) {
        UINT flags = MF_STRING | (item.columnBreak ? MF_MENUBARBREAK : 0);
        AppendMenuA(menu, flags, static_cast<UINT_PTR>(item.commandId), item.text.c_str());
    }
}

void AppendFavoritesMenu(HMENU menu)
{
    // The commands of the menu shown last are the ones that can arrive.
    TrayFavorites() = AppendFavoritesFolderMenu(menu, kFavoriteLastTrayCommand);
}

void OpenTypedAddressCommand(unsigned id)
{
    const LinkEntry* entry = TypedAddresses().ByCommandId(static_cast<int>(id));
    if (!entry)
        return;
    Perform(OpenAddress(entry->urlBase, Options().UseMiniBrowserLink, FreshLaunchContext()), ProgramExecutor());
}

void OpenFavoriteCommand(unsigned id)
{
    const std::string* url = TrayFavorites().UrlByCommandId(static_cast<int>(id));
    if (!url)
        return;
    Perform(OpenFavoriteMenuUrl(*url, FreshLaunchContext()), ProgramExecutor());
}

void OpenEngineHome(unsigned index)
{
    const LinkList& engines = Options().engines;
    if (index >= engines.size())
        return;
    Perform(OpenAddress(engines[index]->urlBase, Options().UseMiniBrowserEngine, FreshLaunchContext()),
            ProgramExecutor());
}

void RunCommandText(const char* text)
{
    Perform(RunCommand(text ? text : "", FreshLaunchContext()), ProgramExecutor());
}

void OpenHelpPage(const char* page, const char* anchor)
{
    // The copy beside the program when it has the page, else the web site's.
    LocalHelp local = ProgramLocalHelp();
    Perform(OpenHelpPage(page ? page : "", anchor ? anchor : "", FreshLaunchContext(), UiLocale(), &local),
            ProgramExecutor());
}

void SearchClipboard()
{
    std::string text;
    if (!ReadClipboardText(text, kClipboardChars)) {
        HWND owner = App().launcherWindow ? App().launcherWindow : Windows().main;
        MessageBoxById(owner, IDS_NO_CLIPBOARD_TEXT, MB_ICONINFORMATION);
        return;
    }
    Perform(SearchClipboardText(text, FreshLaunchContext()).launches, ProgramExecutor());
}

void OpenFavoriteEngineHome()
{
    Perform(OpenFavoriteEngineHome(FreshLaunchContext()), ProgramExecutor());
}
