// The translator's entry points for the main window: the translate command and the
// translation of the clipboard's text.
#include "app/Subsystems_win.h"

#include <string>

#include "app/AppContext_win.h"
#include "app/MessageBox_win.h"
#include "app/WindowPlacement_win.h"
#include "launcher/ClipboardText_win.h"
#include "launcher/InterpretInput.h"
#include "launcher/SavedList.h"
#include "resources/ResourceIds.h"
#include "translator/TranslatorWindow_win.h"

void OpenTranslator(HWND owner)
{
    if (HWND open = Windows().translation) {
        ForceForeground(open);
        return;
    }
    OpenTranslationWindow(owner, nullptr);
}

void TranslateClipboard(HWND owner)
{
    std::string text;
    if (!ReadClipboardText(text, kClipboardChars)) {
        MessageBoxById(App().launcherWindow ? App().launcherWindow : Windows().main, IDS_NO_CLIPBOARD_TEXT,
                       MB_ICONINFORMATION);
        return;
    }
    SavedEntry request;
    request.text = ClipboardTextForUse(text);
    // A window that is open already takes the text; a second one would stack on the first.
    if (ShowTextInTranslationWindow(request.text))
        return;
    if (App().launcherWindow && LauncherDockedAway())
        SlideLauncherOut();
    OpenTranslationWindow(App().launcherWindow ? App().launcherWindow : owner, &request);
}
