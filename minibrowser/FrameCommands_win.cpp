// A frame's commands: its tool bar and menus, the view's navigation, new windows.
#include "minibrowser/MiniBrowserFrame_win.h"

#include <docobj.h>
#include <exdisp.h>

#include "app/AppContext_win.h"
#include "app/LauncherHost_win.h"
#include "app/MessageBox_win.h"
#include "app/OptionRecord.h"
#include "app/Subsystems_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/CaptionButtons_win.h"
#include "launcher/AddressText.h"
#include "launcher/ClipboardText_win.h"
#include "launcher/FavoritesDialogs_win.h"
#include "launcher/FavoritesMenu_win.h"
#include "launcher/LaunchDecision.h"
#include "launcher/ProgramLaunchExecutor_win.h"
#include "minibrowser/MiniBrowserApp_win.h"
#include "minibrowser/ToolbarPlaces.h"
#include "resources/ResourceIds.h"
#include "webalert/LinkDialog_win.h"
#include "webalert/MonitorWindow_win.h"
#include "webalert/WebAlert_win.h"

namespace {

// The clipboard's text is taken into this many characters for an address.
constexpr std::size_t kClipboardAddressChars = 2047;
constexpr int kFirstPageCommand = static_cast<int>(kPagesMenuCommandBase);
constexpr int kLastPageCommand = 8191;

std::string Trim(const std::string& text)
{
    const char* space = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

minibrowser::ScreenFacts ScreenOf(HWND window)
{
    minibrowser::ScreenFacts s;
    s.width = GetSystemMetrics(SM_CXSCREEN);
    s.height = GetSystemMetrics(SM_CYSCREEN);
    s.fullScreenWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    const RECT work = WorkAreaOf(window);
    s.workLeft = work.left;
    s.workTop = work.top;
    s.workRight = work.right;
    s.workBottom = work.bottom;
    return s;
}

} // namespace

void MiniBrowserFrame::Zoom(int zoom)
{
    IWebBrowser2* browser = host_.Browser();
    if (!browser || zoom < 0)
        return;
    VARIANT in;
    VariantInit(&in);
    V_VT(&in) = VT_I4;
    V_I4(&in) = zoom;
    browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &in, nullptr);
}

void MiniBrowserFrame::Print()
{
    if (IWebBrowser2* browser = host_.Browser())
        browser->ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER, nullptr, nullptr);
}

void MiniBrowserFrame::OpenNewWindow(int choice)
{
    std::string address;
    switch (choice) {
    case 0:
        address = "about:blank";
        break;
    case 1:
        address = PageAddress();
        break;
    case 2:
        address = Options().UrlMiniBrowserUrl;
        break;
    case 3: {
        std::string text;
        if (ReadClipboardText(text, kClipboardAddressChars))
            text = Trim(text);
        if (text.empty()) {
            MessageBoxById(window_, IDS_NO_CLIPBOARD_TEXT, MB_ICONINFORMATION);
            return;
        }
        address = IsAddress(text) ? text : CompleteAddress(text, kCompletionCtrl);
        break;
    }
    default:
        return;
    }
    MiniBrowserApp::Get().OpenFurtherFrame(this, address);
}

void MiniBrowserFrame::OpenInDefaultBrowser()
{
    std::string address = ControlAddress();
    if (address.empty())
        address = currentAddress_;
    if (address.empty())
        return;
    Perform(RouteToBrowser(address, FreshLaunchContext()), ProgramExecutor());
    if (Options().UseMiniBrowserClose)
        PostMessageA(window_, WM_CLOSE, 0, 0);
}

void MiniBrowserFrame::PlaceDefault()
{
    MoveFrame(minibrowser::DefaultPlacement(Box().width, ScreenOf(window_)));
}

void MiniBrowserFrame::FillFavoritesMenu(HMENU menu)
{
    favorites_ = AppendFavoritesFolderMenu(menu, kFavoriteLastMiniBrowserCommand).urls;
}

void MiniBrowserFrame::OnCommand(int id)
{
    IWebBrowser2* browser = host_.Browser();
    const int zoom = minibrowser::ZoomOfCommand(id);
    if (zoom >= 0) {
        Zoom(zoom);
        return;
    }
    const int choice = minibrowser::NewWindowChoiceOf(id);
    if (choice >= 0) {
        OpenNewWindow(choice);
        return;
    }
    if (id >= kFavoriteFirstCommand && id <= kFavoriteLastMiniBrowserCommand) {
        const std::size_t index = static_cast<std::size_t>(id - kFavoriteFirstCommand);
        if (index < favorites_.size() && !favorites_[index].empty())
            Navigate(favorites_[index], 0);
        return;
    }
    if (id >= kFirstPageCommand && id <= kLastPageCommand) {
        MonitoredPage page;
        PageId pageId = nullptr;
        if (WebAlertPages().CopyAt(static_cast<std::size_t>(id - kFirstPageCommand), page, &pageId)) {
            Navigate(page.urlString, 0);
            WebAlertPages().Update(pageId, [](MonitoredPage& p) { p.SetModified(0); });
            SaveWebAlertPages();
            MonitorPageStateChanged(pageId, false);
        }
        return;
    }
    switch (id) {
    case ID_MB_BACK:
        if (browser)
            browser->GoBack();
        break;
    case ID_MB_FORWARD:
        if (browser)
            browser->GoForward();
        break;
    case ID_MB_SEARCH:
        if (browser)
            browser->GoSearch();
        break;
    case ID_MB_HOME:
        GoHome();
        break;
    case ID_MB_STOP:
        if (browser)
            browser->Stop();
        break;
    case ID_MB_REFRESH:
        if (browser)
            browser->Refresh();
        break;
    case ID_MB_LAUNCHER:
        if (LauncherVisible())
            HideLauncher();
        else
            OpenLauncher();
        break;
    case ID_MB_PRINT:
        Print();
        break;
    case ID_MB_DEFAULT_BROWSER:
        OpenInDefaultBrowser();
        break;
    case ID_MB_CLOSE:
        Close();
        break;
    case kHelpCommand:
        OpenHelpPage("minibrowser", "");
        break;
    case kToggleOnTopCommand:
        SetOnTop(!onTop_);
        break;
    case ID_MB_ADD_FAVORITE:
        AddFavorite(window_, title_.c_str(), PageAddress().c_str());
        break;
    case ID_MB_ORGANIZE_FAVORITES:
        OrganizeFavorites(window_);
        break;
    case ID_MB_ADD_WEBALERT: {
        MonitoredPage page(title_.empty() ? PageAddress() : title_, PageAddress());
        LinkDialog(window_, page, kLinkAddLive);
        break;
    }
    case ID_MB_CHECK_LINKS:
        StartCheck(window_);
        break;
    case ID_MB_OPEN_WEBALERT:
        OpenMonitorWindow(window_, 1);
        break;
    case IDM_END_CHECK_WEBALERT:
        if (AnyEnabledPageChanged() && Options().WebAlertShowDlg)
            OpenMonitorWindow(window_, 0);
        break;
    default:
        break;
    }
}
