// What a frame does on its page's events, and on the gestures in its page.
#include "minibrowser/MiniBrowserFrame_win.h"

#include <exdisp.h>
#include <exdispid.h>

#include "app/AppContext_win.h"
#include "app/LauncherHost_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "minibrowser/MiniBrowserApp_win.h"
#include "minibrowser/PageRules.h"
#include "resources/ResourceIds.h"

namespace {

// The page's document window, where the mouse goes: the deepest child of the control's
// windows whose class is the document's.
HWND FindDocumentWindow(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpA(name, "Internet Explorer_Server") == 0)
            return child;
        if (HWND inner = FindDocumentWindow(child))
            return inner;
    }
    return nullptr;
}

} // namespace

bool MiniBrowserFrame::IsTopLevelPage(IDispatch* which) const
{
    IDispatch* own = host_.Dispatch();
    if (!which || !own)
        return true;
    IUnknown* a = nullptr;
    IUnknown* b = nullptr;
    bool same = false;
    if (SUCCEEDED(which->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a))) &&
        SUCCEEDED(own->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b))))
        same = a == b;
    if (a)
        a->Release();
    if (b)
        b->Release();
    return same;
}

void MiniBrowserFrame::ShowLink(const std::string& text)
{
    if (!view_)
        return;
    if (!linkLabel_) {
        linkLabel_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_BORDER | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, view_, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        if (!linkLabel_)
            return;
        SendMessageA(linkLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    SIZE size = {};
    HDC dc = GetDC(linkLabel_);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(linkLabel_, dc);
    const int width = size.cx + 2 * GetSystemMetrics(SM_CXBORDER);
    const int height = size.cy + 2 * GetSystemMetrics(SM_CYBORDER);
    RECT view = {};
    GetClientRect(view_, &view);
    SetWindowTextA(linkLabel_, text.c_str());
    SetWindowPos(linkLabel_, HWND_TOP, 0, view.bottom - height, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void MiniBrowserFrame::OnStatusText(const std::string& text)
{
    if (Options().MiniBrowserPrintLink && minibrowser::StatusTextIsLink(text)) {
        ShowLink(text);
        return;
    }
    if (linkLabel_)
        ShowWindow(linkLabel_, SW_HIDE);
}

void MiniBrowserFrame::OnProgress(long progress, long maximum)
{
    toolBar_.SetProgress(progress, maximum);
}

void MiniBrowserFrame::OnTitle(const std::string& title)
{
    title_ = title;
    SetWindowTextA(window_, minibrowser::FrameTitle(title, LoadText(IDS_MINIBROWSER_TITLE)).c_str());
}

void MiniBrowserFrame::OnNewWindow(IDispatch** browser, VARIANT_BOOL* cancel)
{
    const OptionRecord& o = Options();
    if (!o.MiniBrowserOpenLink)
        return;   // the control opens the window itself, in the system's browser
    long ready = READYSTATE_UNINITIALIZED;
    if (IWebBrowser2* own = host_.Browser()) {
        READYSTATE state = READYSTATE_UNINITIALIZED;
        if (SUCCEEDED(own->get_ReadyState(&state)))
            ready = state;
    }
    if (minibrowser::BlocksPopup(o.MiniBrowserKillPopup != 0, o.miniBrowserKillPopupNow != 0, ready)) {
        *cancel = VARIANT_TRUE;
        return;
    }
    MiniBrowserFrame* frame = MiniBrowserApp::Get().OpenFurtherFrame(this, std::string());
    IDispatch* dispatch = frame ? frame->host_.Dispatch() : nullptr;
    if (!dispatch) {
        *cancel = VARIANT_TRUE;
        return;
    }
    dispatch->AddRef();
    *browser = dispatch;
}

void MiniBrowserFrame::OnNavigateComplete(IDispatch* which, const std::string& address)
{
    if (IsTopLevelPage(which) && !address.empty())
        SetCurrentAddress(address);
}

void MiniBrowserFrame::OnDocumentComplete(IDispatch* which, const std::string& address)
{
    if (!IsTopLevelPage(which))
        return;
    if (!address.empty())
        SetCurrentAddress(address);
    toolBar_.SetProgress(0, 0);
    if (offline_) {
        if (IWebBrowser2* browser = host_.Browser())
            browser->put_Offline(VARIANT_FALSE);
        offline_ = false;
    }
    AttachGesturesToDocument();
}

void MiniBrowserFrame::AttachGesturesToDocument()
{
    if (document_ && IsWindow(document_))
        return;
    document_ = view_ ? FindDocumentWindow(view_) : nullptr;
    if (document_)
        AttachPageGestures(document_, this);
}

void MiniBrowserFrame::OnWindowClosing(bool isChildWindow, VARIANT_BOOL* cancel)
{
    if (!isChildWindow)
        return;
    *cancel = VARIANT_TRUE;
    PostMessageA(window_, WM_CLOSE, 0, 0);
}

void MiniBrowserFrame::OnWindowSet(long dispid, long value)
{
    minibrowser::FrameBox box = Box();
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // A page may ask for anything; the frame stays within reach and of a usable size.
    auto clamp = [](long v, long low, long high) { return static_cast<int>(v < low ? low : v > high ? high : v); };
    switch (dispid) {
    case DISPID_WINDOWSETLEFT:
        box.left = clamp(value, -box.width + 50, screenWidth - 50);
        break;
    case DISPID_WINDOWSETTOP:
        box.top = clamp(value, 0, screenHeight - 50);
        break;
    case DISPID_WINDOWSETWIDTH:
        box.width = clamp(value, 0, 4L * screenWidth) + GetSystemMetrics(SM_CXFRAME);
        break;
    case DISPID_WINDOWSETHEIGHT:
        box.height = clamp(value, 0, 4L * screenHeight) + 2 * GetSystemMetrics(SM_CYFRAME);
        break;
    default:
        return;
    }
    MoveFrame(box);
}

void MiniBrowserFrame::OnClientToHost(long* width, long* height)
{
    const long maxWidth = 4L * GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const long maxHeight = 4L * GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const int w = static_cast<int>(*width < 0 ? 0 : *width > maxWidth ? maxWidth : *width);
    const int h = static_cast<int>(*height < 0 ? 0 : *height > maxHeight ? maxHeight : *height);
    RECT bar = {};
    GetClientRect(toolBar_.Window(), &bar);
    const minibrowser::FrameBox box = minibrowser::ClientToHostBox(Box(), w, h, bar.bottom, GetSystemMetrics(SM_CXFRAME),
                                                                   GetSystemMetrics(SM_CYFRAME));
    *width = box.width;
    *height = box.height;
    MoveFrame(box);
}

bool MiniBrowserFrame::GesturesEnabled() const
{
    return Options().MiniBrowserNavClic != 0;
}

void MiniBrowserFrame::OnGesture(minibrowser::Gesture gesture)
{
    using minibrowser::Gesture;
    switch (gesture) {
    case Gesture::Back: OnCommand(ID_MB_BACK); break;
    case Gesture::Forward: OnCommand(ID_MB_FORWARD); break;
    case Gesture::Minimise: ShowWindow(window_, SW_MINIMIZE); break;
    case Gesture::NewWindow: OpenNewWindow(Options().MiniBrowserCtrlN); break;
    case Gesture::CloseAll: PostMessageA(window_, kCloseAllMessage, 0, 0); break;
    case Gesture::CloseFrame: PostMessageA(window_, WM_CLOSE, 0, 0); break;
    case Gesture::DefaultBrowser: OpenInDefaultBrowser(); break;
    case Gesture::ToggleLauncher: OnCommand(ID_MB_LAUNCHER); break;
    case Gesture::None: break;
    }
}

void MiniBrowserFrame::OnClickNavigation(minibrowser::ClickAction action)
{
    if (action == minibrowser::ClickAction::Back)
        OnCommand(ID_MB_BACK);
    else if (action == minibrowser::ClickAction::Forward)
        OnCommand(ID_MB_FORWARD);
}
