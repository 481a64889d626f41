#include "chrome/CaptionButtons_win.h"

#include <memory>

#include "app/AppContext_win.h"
#include "app/Messages.h"
#include "app/Visuals_win.h"
#include "chrome/SkinButtons_win.h"
#include "chrome/SkinGlyphs_win.h"
#include "chrome/SkinResources_win.h"

using chrome::CaptionButton;

namespace {

const CaptionButton kAllButtons[] = {CaptionButton::Close, CaptionButton::Hide, CaptionButton::Help,
                                     CaptionButton::Pin};

RECT ToRect(const chrome::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

int ThemePart(CaptionButton button)
{
    switch (button) {
    case CaptionButton::Close: return chrome::kThemeCloseButtonPart;
    case CaptionButton::Hide: return chrome::kThemeHideButtonPart;
    case CaptionButton::Help: return chrome::kThemeHelpButtonPart;
    case CaptionButton::Pin: return chrome::kThemePinPart;
    case CaptionButton::None: break;
    }
    return 0;
}

UINT FrameGlyph(CaptionButton button)
{
    switch (button) {
    case CaptionButton::Hide: return DFCS_CAPTIONMIN;
    case CaptionButton::Help: return DFCS_CAPTIONHELP;
    default: return DFCS_CAPTIONCLOSE;
    }
}

bool DrawThemed(HWND window, HDC dc, CaptionButton button, bool hot, bool pinOn, const RECT& rect)
{
    if (button == CaptionButton::Pin)
        return DrawThemedPart(window, dc, "EXPLORERBAR", chrome::kThemePinPart, chrome::PinThemeState(pinOn, hot), rect);
    return DrawThemedPart(window, dc, "WINDOW", ThemePart(button), chrome::CaptionButtonThemeState(hot), rect);
}

void DrawClassic(HDC dc, CaptionButton button, bool hot, bool pinOn, const RECT& rect, const SkinResources& res)
{
    RECT r = rect;
    if (button != CaptionButton::Pin) {
        DrawFrameControl(dc, &r, DFC_CAPTION, FrameGlyph(button) | (hot ? DFCS_HOT : 0));
        return;
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (hot ? DFCS_HOT : 0));
    if (HBITMAP picture = res.PinPicture(pinOn))
        DrawBitmapCentred(dc, picture, rect);
    else
        DrawPinGlyph(dc, rect, pinOn);
}

void Deliver(HWND to, UINT message, WPARAM wParam, LPARAM lParam, bool post)
{
    if (!to)
        return;
    if (post)
        PostMessageA(to, message, wParam, lParam);
    else
        SendMessageA(to, message, wParam, lParam);
}

chrome::CaptionSetup SetupOf(const CaptionOptions& o)
{
    return {o.extraButtons, o.iconMenu, o.target != nullptr};
}

chrome::Point ToPoint(POINT p) { return {p.x, p.y}; }

void RedrawButtons(HWND window, const CaptionOptions& options, CaptionButton hot, const SkinResources* resources)
{
    HDC dc = GetDC(window);
    if (!dc)
        return;
    DrawCaptionButtons(window, dc, options, hot, resources);
    ReleaseDC(window, dc);
}

} // namespace

chrome::CaptionMetrics CaptionMetricsOf(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right - client.left, GetSystemMetrics(SM_CXSMSIZE), GetSystemMetrics(SM_CYSMSIZE)};
}

RECT CaptionButtonRectOf(HWND window, CaptionButton button)
{
    return ToRect(chrome::CaptionButtonRect(button, CaptionMetricsOf(window)));
}

void DrawCaptionButtons(HWND window, HDC dc, const CaptionOptions& options, CaptionButton hot,
                        const SkinResources* resources)
{
    std::unique_ptr<SkinResources> own;
    if (!resources) {
        own = std::make_unique<SkinResources>();
        resources = own.get();
    }
    const bool themed = ThemeActive();
    const chrome::CaptionMetrics metrics = CaptionMetricsOf(window);
    for (CaptionButton button : kAllButtons) {
        if (button != CaptionButton::Close && !options.extraButtons)
            break;
        RECT rect = ToRect(chrome::CaptionButtonRect(button, metrics));
        bool isHot = button == hot;
        if (!themed || !DrawThemed(window, dc, button, isHot, options.pinOn, rect))
            DrawClassic(dc, button, isHot, options.pinOn, rect, *resources);
        // Themes and the classic look may draw the state under the mouse alike.
        if (isHot)
            DrawHotOutline(dc, rect);
    }
}

CaptionButton CaptionMouseMove(HWND window, POINT p, const CaptionOptions& options, const SkinResources* resources)
{
    CaptionButton hot = chrome::CaptionButtonAt(ToPoint(p), CaptionMetricsOf(window), options.extraButtons);
    RedrawButtons(window, options, hot, resources);
    ForgetHoveredButton(window);
    return hot;
}

bool CaptionMouseDown(HWND window, POINT p, const CaptionOptions& options)
{
    if (chrome::PressAt(ToPoint(p), CaptionMetricsOf(window), SetupOf(options)) != chrome::CaptionPress::MoveWindow)
        return false;
    // The system's own move loop, as if the press were on a caption.
    SendMessageA(options.target ? options.target : window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    return true;
}

bool CaptionMouseUp(HWND window, POINT p, const CaptionOptions& options)
{
    chrome::CaptionRelease release = chrome::ReleaseAt(ToPoint(p), CaptionMetricsOf(window), SetupOf(options));
    HWND to = release.toTarget ? options.target : window;
    switch (release.request) {
    case chrome::CaptionRequest::None:
        return false;
    case chrome::CaptionRequest::CancelCommand:
        Deliver(to, WM_COMMAND, IDCANCEL, 0, true);
        break;
    case chrome::CaptionRequest::CloseMessage:
        Deliver(to, WM_CLOSE, 0, 0, true);
        break;
    case chrome::CaptionRequest::HideCommand:
        Deliver(to, WM_SYSCOMMAND, SC_HIDELAUNCHER, 0, false);
        break;
    case chrome::CaptionRequest::MinimizeTarget:
        Deliver(to, WM_SYSCOMMAND, SC_MINIMIZE, 0, false);
        break;
    case chrome::CaptionRequest::HelpCommand:
        Deliver(to, WM_COMMAND, kHelpCommand, 0, false);
        break;
    case chrome::CaptionRequest::ToggleOnTop:
        Deliver(to, WM_COMMAND, kToggleOnTopCommand, 0, false);
        break;
    case chrome::CaptionRequest::TrayMenu:
        Deliver(Windows().main, UM_TRAYICON, kTrayIconId, WM_RBUTTONUP, true);
        break;
    }
    return true;
}
