#include "launcher/LauncherActions_win.h"

#include <string>

#include "app/AppContext_win.h"
#include "app/LauncherHost_win.h"
#include "app/MessageBox_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/Subsystems_win.h"
#include "app/Win32Profile_win.h"
#include "chrome/LauncherHideRules.h"
#include "chrome/Skin_win.h"
#include "launcher/AddressText.h"
#include "launcher/InterpretInput.h"
#include "launcher/LauncherClose_win.h"
#include "launcher/LauncherCombo_win.h"
#include "launcher/LauncherCommands.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LauncherMenus_win.h"
#include "launcher/LauncherTreeActions_win.h"
#include "launcher/LauncherWindow_win.h"
#include "launcher/Openers.h"
#include "launcher/ProgramLaunchExecutor_win.h"
#include "launcher/SubmitText_win.h"
#include "resources/ResourceIds.h"
#include "translator/TranslatorWindow_win.h"

namespace {

constexpr char kHelpPage[] = "fenetre";

bool KeyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

// The modifier that completes a bare name, or -1 when none is held.
int CompletionKeysHeld()
{
    if (KeyDown(VK_SHIFT))
        return kCompletionShift;
    if (KeyDown(VK_MENU))
        return kCompletionAlt;
    if (KeyDown(VK_CONTROL))
        return kCompletionCtrl;
    return -1;
}

// Lets the box show a changed text before the launch takes the time it takes.
void ShowNow(HWND combo)
{
    UpdateWindow(combo);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT))
        DispatchMessageA(&msg);
}

// Go (Enter) and All.
void Go(LauncherWindow& launcher, bool allEngines)
{
    const HWND dialog = launcher.Window();
    const HWND combo = launcher.TextBox();
    ComboText typed = ReadComboText(combo);
    if (typed.text.empty()) {
        ShowInMiniBrowser("", 0);
        return;
    }
    const int keys = allEngines ? -1 : CompletionKeysHeld();
    if (keys >= 0) {
        typed.text = CompleteAddress(typed.text, keys);
        SetWindowTextA(combo, typed.text.c_str());
        ShowNow(combo);
    }
    RecordTypedText(typed.text);
    FillLauncherCombo(combo);
    PutComboText(combo, typed.text, typed.hasSelection ? &typed.selection : nullptr);
    bool noEngine = false;
    InterpretAndLaunch(typed.text, allEngines, nullptr, ProgramExecutor(), &noEngine);
    if (noEngine) {
        // Nothing opened: say why, and offer the engines page. The launcher stays in view.
        if (MessageBoxById(dialog, IDS_NO_ENGINE_SET_UP, MB_YESNO | MB_ICONINFORMATION) == IDYES)
            PostMessageA(Windows().main, WM_COMMAND, IDM_SETUP, kSetupEnginesPage);
        return;
    }
    HideAfterAction(dialog);
}

// Command 2024 + index: the text searched with that engine.
void SearchWithEngine(LauncherWindow& launcher, int index)
{
    const LinkList& engines = Options().engines;
    if (index < 0 || static_cast<std::size_t>(index) >= engines.size())
        return;
    const HWND combo = launcher.TextBox();
    const std::string text = LauncherText(combo);
    if (text.empty()) {
        SetFocus(combo);
        MessageBeep(MB_OK);
        return;
    }
    SearchHistory().Add(Settings(), text);
    FillLauncherCombo(combo);
    PutComboText(combo, text);
    const LinkEntry* engine = engines[static_cast<std::size_t>(index)].get();
    HideAfterAction(launcher.Window());
    InterpretAndLaunch(text, false, engine);
}

void OpenEngineHomeAndHide(HWND dialog, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Options().engines.size())
        return;
    OpenEngineHome(static_cast<unsigned>(index));
    HideAfterAction(dialog);
}

void OpenTypedAddressAndHide(HWND dialog, int id)
{
    if (!TypedAddresses().ByCommandId(id))
        return;
    OpenTypedAddressCommand(static_cast<unsigned>(id));
    HideAfterAction(dialog);
}

void OpenMenuFavoriteAndHide(LauncherWindow& launcher, int id)
{
    const std::string* url = launcher.urlMenuFavorites.UrlByCommandId(id);
    if (!url)
        return;
    const std::string address = *url;
    const HWND dialog = launcher.Window();
    Perform(OpenFavoriteMenuUrl(address, FreshLaunchContext()), ProgramExecutor());
    HideAfterAction(dialog);
}

bool RangeCommand(LauncherWindow& launcher, int id)
{
    const LauncherCommand command = ClassifyLauncherCommand(id);
    switch (command.kind) {
    case LauncherCommandKind::EngineSearch:
        SearchWithEngine(launcher, command.index);
        return true;
    case LauncherCommandKind::EngineHome:
        OpenEngineHomeAndHide(launcher.Window(), command.index);
        return true;
    case LauncherCommandKind::TypedAddress:
        OpenTypedAddressAndHide(launcher.Window(), id);
        return true;
    case LauncherCommandKind::Favorite:
        OpenMenuFavoriteAndHide(launcher, id);
        return true;
    case LauncherCommandKind::Other:
        break;
    }
    return false;
}

void Setup(HWND dialog)
{
    SendMessageA(dialog, UM_CLOSELAUNCHER, 0, 1);
    PostMessageA(Windows().main, WM_COMMAND, IDM_SETUP, 0);
}

void Translate(HWND dialog)
{
    const OptionRecord& o = Options();
    if (o.StartTranslator) {
        RunCommandText(o.TranslateURL.c_str());
        HideAfterAction(dialog);
        return;
    }
    // The box's text, in the language and with the service the window used last.
    SavedEntry request;
    request.text = LauncherText(GetDlgItem(dialog, IDC_LAUNCHER_TEXT));
    const bool opened = OpenTranslationWindow(dialog, &request) != -1;
    // The window has had its turn; the launcher goes whatever OnTop says.
    if (opened && IsWindow(dialog))
        SendMessageA(dialog, UM_CLOSELAUNCHER, 1, 0);
}

void ToggleOnTop(HWND dialog)
{
    OptionRecord& o = Options();
    o.OnTop = o.OnTop ? 0 : 1;
    SetWindowPos(dialog, o.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RepaintCaptionButtons(dialog);
}

} // namespace

void OpenLauncherHelp(LauncherWindow& launcher)
{
    constexpr DWORD kSameKeyMs = 500;
    const DWORD now = GetTickCount();
    if (launcher.helpOpened && now - launcher.lastHelp < kSameKeyMs)
        return;
    launcher.helpOpened = true;
    launcher.lastHelp = now;
    OpenHelpPage(kHelpPage, "");
}

void HideAfterAction(HWND dialog)
{
    if (!IsWindow(dialog))
        return;
    const OptionRecord& o = Options();
    if (chrome::AfterAction(o.OnTop != 0, o.CloseAfter != 0) != chrome::LauncherExit::Stay)
        SendMessageA(dialog, UM_CLOSELAUNCHER, 1, 0);
}

bool HandleLauncherCommand(LauncherWindow& launcher, int id, int code)
{
    const HWND dialog = launcher.Window();
    if (id == IDC_LAUNCHER_TEXT) {
        if (code == CBN_EDITUPDATE)
            CompleteTypedText(launcher);
        return true;
    }
    if (RangeCommand(launcher, id))
        return true;
    switch (id) {
    case IDOK:
        Go(launcher, false);
        return true;
    case IDC_LAUNCHER_ALL:
        Go(launcher, true);
        return true;
    case IDC_LAUNCHER_GO_WITH:
        ShowLauncherPopup(launcher, LauncherPopup::GoWith);
        return true;
    case IDC_LAUNCHER_GO_TO:
        ShowLauncherPopup(launcher, LauncherPopup::GoTo);
        return true;
    case IDC_LAUNCHER_GO_TO_URL:
        ShowLauncherPopup(launcher, LauncherPopup::GoToUrl);
        return true;
    case IDM_CLOSE_LIST:
        return true;
    case IDC_LAUNCHER_SETUP:
        Setup(dialog);
        return true;
    case IDC_LAUNCHER_TRANSLATE:
        Translate(dialog);
        return true;
    case IDC_LAUNCHER_BROWSER:
        RunCommandText("");
        HideAfterAction(dialog);
        return true;
    case IDC_LAUNCHER_CLOSE_OWN:
        App().launched.CloseAll();
        return true;
    case IDC_LAUNCHER_CLOSE_ALL:
        App().launched.CloseAll();
        CloseBrowserWindows();
        return true;
    case IDC_LAUNCHER_WEBALERT:
        HideAfterAction(dialog);
        OpenMonitorWindow(Windows().main, 1);
        return true;
    case IDCANCEL:
        OnCancel(dialog);
        return true;
    case IDHELP:
        OpenLauncherHelp(launcher);
        return true;
    case ID_TOGGLE_ON_TOP:
        ToggleOnTop(dialog);
        return true;
    case IDM_TREE_OPEN:
        OpenSelectedItem(launcher);
        return true;
    case IDM_TREE_DELETE:
        DeleteSelectedItem(launcher);
        return true;
    case ID_ADD_FAVORITE:
        AddSelectedToFavorites(launcher);
        return true;
    case ID_ORGANIZE_FAVORITES:
        OrganizeFavoritesFromTree(launcher);
        return true;
    case ID_TOGGLE_READ_MARK:
        ToggleSelectedReadMark(launcher);
        return true;
    default:
        return false;
    }
}
