#include "minibrowser/MiniBrowserFrame_win.h"

#include <exdisp.h>

#include <memory>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/Visuals_win.h"
#include "app/Win32Profile_win.h"
#include "app/WindowPlacement_win.h"
#include "minibrowser/MiniBrowserApp_win.h"
#include "minibrowser/ToolbarPlaces.h"

namespace {

std::wstring Wide(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    int chars = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &out[0], chars);
    return out;
}

void NavigateControl(IWebBrowser2* browser, const std::string& address)
{
    const std::wstring wide = Wide(address);
    BSTR url = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (!url)
        return;
    VARIANT target;
    VariantInit(&target);
    V_VT(&target) = VT_BSTR;
    V_BSTR(&target) = url;
    VARIANT empty;
    VariantInit(&empty);
    browser->Navigate2(&target, &empty, &empty, &empty, &empty);
    VariantClear(&target);
}

} // namespace

bool MiniBrowserFrame::RegisterClasses()
{
    static bool registered = false;
    if (registered)
        return true;
    WNDCLASSEXA frame = {};
    frame.cbSize = sizeof frame;
    frame.style = CS_DBLCLKS;
    frame.lpfnWndProc = FrameProc;
    frame.hInstance = GetModuleHandleA(nullptr);
    frame.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszClassName = kMiniBrowserFrameClass;
    frame.hIcon = App().largeIcon;
    frame.hIconSm = App().smallIcon;
    WNDCLASSEXA view = frame;
    view.lpszClassName = kMiniBrowserViewClass;
    view.lpfnWndProc = ViewProc;
    view.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    view.hIcon = nullptr;
    view.hIconSm = nullptr;
    registered = RegisterClassExA(&frame) != 0 && RegisterClassExA(&view) != 0;
    return registered;
}

MiniBrowserFrame::MiniBrowserFrame(bool secondary) : secondary_(secondary) {}

MiniBrowserFrame* MiniBrowserFrame::Create(bool secondary, const minibrowser::FrameBox& box)
{
    if (!RegisterClasses())
        return nullptr;
    std::unique_ptr<MiniBrowserFrame> frame(new MiniBrowserFrame(secondary));
    // Once made, the window owns the object and deletes it with itself.
    HWND window = CreateWindowExA(0, kMiniBrowserFrameClass, "", WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN | WS_SYSMENU |
                                                                     WS_MINIMIZEBOX,
                                  box.left, box.top, box.width, box.height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  frame.get());
    if (!window)
        return nullptr;
    frame->ownedByWindow_ = true;
    SetMenu(window, nullptr);
    return frame.release();
}

MiniBrowserFrame* MiniBrowserFrame::FromWindow(HWND window)
{
    if (!window)
        return nullptr;
    HWND root = GetAncestor(window, GA_ROOT);
    if (!root)
        return nullptr;
    char name[64] = {};
    GetClassNameA(root, name, sizeof name);
    if (lstrcmpA(name, kMiniBrowserFrameClass) != 0)
        return nullptr;
    return reinterpret_cast<MiniBrowserFrame*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

LRESULT CALLBACK MiniBrowserFrame::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    MiniBrowserFrame* frame = nullptr;
    if (message == WM_NCCREATE) {
        frame = static_cast<MiniBrowserFrame*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        frame->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    } else {
        frame = reinterpret_cast<MiniBrowserFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!frame)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        MiniBrowserApp::Get().Forget(frame);
        if (frame->ownedByWindow_)
            delete frame;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return frame->Handle(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK MiniBrowserFrame::ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_SIZE) {
        if (MiniBrowserFrame* frame = FromWindow(window)) {
            RECT area = {};
            GetClientRect(window, &area);
            frame->host_.Resize(area);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void MiniBrowserFrame::OnCreate()
{
    toolBar_.Create(this);
    view_ = CreateWindowExA(0, kMiniBrowserViewClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                            0, 0, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (view_) {
        Layout();
        host_.Create(view_, this, IsMiniBrowserKey);
    }
    Layout();
    if (Options().MiniBrowserTrans)
        ApplyLooks();
}

void MiniBrowserFrame::Layout()
{
    RECT client = {};
    GetClientRect(window_, &client);
    toolBar_.Layout();
    const int top = toolBar_.Height();
    if (view_)
        MoveWindow(view_, 0, top, client.right, client.bottom > top ? client.bottom - top : 0, TRUE);
}

void MiniBrowserFrame::OnDestroy()
{
    if (!secondary_) {
        OptionRecord& o = Options();
        if (o.MiniBrowserSavePos) {
            WINDOWPLACEMENT placement = {};
            placement.length = sizeof placement;
            RECT r = {};
            if (IsIconic(window_) && GetWindowPlacement(window_, &placement))
                r = placement.rcNormalPosition;
            else
                GetWindowRect(window_, &r);
            o.MiniBrowserPos[0] = r.left;
            o.MiniBrowserPos[1] = r.top;
            o.MiniBrowserPos[2] = r.right - r.left;
            o.MiniBrowserPos[3] = r.bottom - r.top;
            SaveLayout(o, Settings());
        }
    }
    if (document_) {
        DetachPageGestures(document_);
        document_ = nullptr;
    }
    host_.Destroy();
}

LRESULT MiniBrowserFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = minibrowser::MinimumFrameWidth(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CXSIZE));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            ApplyLooks();
        break;
    case WM_ERASEBKGND:
        ApplyLooks();
        break;
    case WM_SETFOCUS:
        // The page takes the keyboard, so that Tab, the arrows and its forms work at once.
        if (!host_.TakeFocus() && view_)
            SetFocus(view_);
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case kCloseAllMessage:
        MiniBrowserApp::Get().CloseAll();
        return 0;
    case WM_COMMAND:
        if (lParam == 0 || reinterpret_cast<HWND>(lParam) == toolBar_.Window()) {
            OnCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (toolBar_.OnNotify(reinterpret_cast<const NMHDR*>(lParam), result))
            return result;
        break;
    }
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

std::string MiniBrowserFrame::PageAddress() const
{
    return currentAddress_.empty() ? ControlAddress() : currentAddress_;
}

std::string MiniBrowserFrame::ControlAddress() const
{
    std::string address;
    if (IWebBrowser2* browser = host_.Browser()) {
        BSTR url = nullptr;
        if (SUCCEEDED(browser->get_LocationURL(&url)) && url) {
            int bytes = WideCharToMultiByte(CP_ACP, 0, url, -1, nullptr, 0, nullptr, nullptr);
            if (bytes > 1) {
                address.resize(static_cast<std::size_t>(bytes));
                WideCharToMultiByte(CP_ACP, 0, url, -1, &address[0], bytes, nullptr, nullptr);
                address.resize(static_cast<std::size_t>(bytes - 1));
            }
        }
        if (url)
            SysFreeString(url);
    }
    return address;
}

void MiniBrowserFrame::SetCurrentAddress(const std::string& address)
{
    if (address == currentAddress_)
        return;
    currentAddress_ = address;
    toolBar_.RepaintCaption();
}

void MiniBrowserFrame::SetOnTop(bool onTop)
{
    onTop_ = onTop;
    ApplyOnTop();
    toolBar_.RepaintCaption();
}

void MiniBrowserFrame::ApplyOnTop()
{
    SetWindowPos(window_, onTop_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MiniBrowserFrame::ApplyLooks()
{
    if (!zoomApplied_ && host_.Browser()) {
        zoomApplied_ = true;
        Zoom(minibrowser::ZoomOfFontOption(Options().UseMiniBrowserFont));
    }
    const int translucent = Options().MiniBrowserTrans ? 1 : 0;
    if (translucent != translucencyApplied_) {
        translucencyApplied_ = translucent;
        if (translucent)
            MakeTransparent(window_, 10);
        else
            MakeOpaque(window_);
    }
}

void MiniBrowserFrame::Navigate(const std::string& address, int cacheFlag)
{
    IWebBrowser2* browser = host_.Browser();
    if (!browser)
        return;
    browser->put_Silent(VARIANT_TRUE);
    const bool offline = cacheFlag != 0 && Options().MiniBrowserUseCache != 0;
    VARIANT_BOOL current = VARIANT_FALSE;
    if (FAILED(browser->get_Offline(&current)) || (current != VARIANT_FALSE) != offline)
        browser->put_Offline(offline ? VARIANT_TRUE : VARIANT_FALSE);
    offline_ = offline;
    if (address.empty())
        GoHome();
    else
        NavigateControl(browser, address);
}

void MiniBrowserFrame::GoHome()
{
    IWebBrowser2* browser = host_.Browser();
    if (!browser)
        return;
    const std::string& home = Options().UrlMiniBrowserUrl;
    if (!home.empty())
        NavigateControl(browser, home);
    else
        browser->GoHome();
}

void MiniBrowserFrame::Close()
{
    if (secondary_) {
        DestroyWindow(window_);
        return;
    }
    toolBar_.Address().Hide();
    if (IsWindowVisible(window_))
        HideToTray(window_);
}

minibrowser::FrameBox MiniBrowserFrame::Box() const
{
    RECT r = {};
    GetWindowRect(window_, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MiniBrowserFrame::MoveFrame(const minibrowser::FrameBox& box)
{
    SetWindowPos(window_, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MiniBrowserFrame::ShowAddressBar(bool dropped)
{
    toolBar_.ShowAddressBar(PageAddress(), dropped);
}
