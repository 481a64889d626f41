// A frame's keys, taken from the message loop before the page sees them.
#include "minibrowser/MiniBrowserFrame_win.h"

#include <exdisp.h>

#include "app/AppContext_win.h"
#include "app/LauncherHost_win.h"
#include "app/OptionRecord.h"
#include "app/Subsystems_win.h"
#include "minibrowser/MiniBrowserApp_win.h"
#include "minibrowser/MiniBrowserKeys.h"
#include "resources/ResourceIds.h"

namespace {

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool Held(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

minibrowser::KeyAction ActionOf(const MSG& msg)
{
    if (!IsKeyMessage(msg.message))
        return minibrowser::KeyAction::Pass;
    const minibrowser::KeyPhase phase =
        msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN ? minibrowser::KeyPhase::Down : minibrowser::KeyPhase::Up;
    const minibrowser::KeyState keys{Held(VK_CONTROL), Held(VK_SHIFT),
                                     Held(VK_MENU) || msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP};
    return minibrowser::KeyActionFor(phase, static_cast<unsigned>(msg.wParam), keys);
}

// Keys typed into the address bar are the bar's own.
bool InAddressBar(MiniBrowserFrame& frame, HWND window)
{
    HWND bar = frame.ToolBar().Address().Window();
    return bar && (window == bar || IsChild(bar, window));
}

} // namespace

bool IsMiniBrowserKey(HWND window, const MSG& msg)
{
    MiniBrowserFrame* frame = MiniBrowserFrame::FromWindow(window);
    return frame && !InAddressBar(*frame, msg.hwnd) && ActionOf(msg) != minibrowser::KeyAction::Pass;
}

bool MiniBrowserFrame::TakeKey(const MSG& msg)
{
    using minibrowser::KeyAction;
    if (InAddressBar(*this, msg.hwnd))
        return false;
    const KeyAction action = ActionOf(msg);
    IWebBrowser2* browser = host_.Browser();
    MiniBrowserApp& app = MiniBrowserApp::Get();
    switch (action) {
    case KeyAction::Pass:
        return false;
    case KeyAction::Swallow:
        break;
    case KeyAction::NewWindow:
        OpenNewWindow(Options().MiniBrowserCtrlN);
        break;
    case KeyAction::ShowAddressBar:
        ShowAddressBar(false);
        break;
    case KeyAction::Back:
        OnCommand(ID_MB_BACK);
        break;
    case KeyAction::Forward:
        OnCommand(ID_MB_FORWARD);
        break;
    case KeyAction::PreviousWindow:
        app.ActivateNeighbour(this, false);
        break;
    case KeyAction::NextWindow:
        app.ActivateNeighbour(this, true);
        break;
    case KeyAction::Close:
        if (IsWindowVisible(window_))
            Close();
        break;
    case KeyAction::Help:
        OnCommand(IDHELP);
        break;
    case KeyAction::DefaultBrowser:
        OpenInDefaultBrowser();
        break;
    case KeyAction::OpenLauncher:
        OpenLauncher();
        break;
    case KeyAction::CloseAll:
        app.CloseAll();
        break;
    case KeyAction::DropAddressBar:
        ShowAddressBar(true);
        break;
    case KeyAction::MinimiseAll:
        app.MinimiseAll();
        break;
    case KeyAction::Refresh:
        if (browser)
            browser->Refresh();
        break;
    case KeyAction::TogglePopupBlocking:
        Options().miniBrowserKillPopupNow = Options().miniBrowserKillPopupNow ? 0 : 1;
        break;
    case KeyAction::DefaultPlacement:
        PlaceDefault();
        break;
    }
    return true;
}

bool MiniBrowserTakesMessage(MSG& msg)
{
    if (!IsKeyMessage(msg.message))
        return false;
    MiniBrowserFrame* frame = MiniBrowserFrame::FromWindow(msg.hwnd);
    if (!frame)
        return false;
    if (frame->TakeKey(msg))
        return true;
    // The page's own keys (Tab between links, the clipboard's) come through the control.
    return !InAddressBar(*frame, msg.hwnd) && frame->Host().TranslateKey(msg);
}
