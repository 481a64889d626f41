#include "chrome/Skin_win.h"

#include <commctrl.h>

#include <memory>
#include <utility>

#include "app/AppContext_win.h"
#include "app/SubclassLookup_win.h"
#include "chrome/CaptionButtons_win.h"
#include "chrome/GdiTools_win.h"
#include "chrome/SkinButtons_win.h"
#include "chrome/SkinColours.h"
#include "chrome/SkinPainter_win.h"
#include "chrome/SkinResources_win.h"

namespace {

constexpr UINT_PTR kSkinSubclassId = 0x534B;

struct SkinnedWindow {
    explicit SkinnedWindow(SkinLayout l) : layout(std::move(l)) {}
    SkinLayout layout;
    SkinResources resources;
    chrome::CaptionButton hot = chrome::CaptionButton::None;
    bool trackingLeave = false;
};

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept;

SkinnedWindow* SkinOf(HWND window)
{
    DWORD_PTR data = 0;
    if (!window || !FindWindowSubclass(window, SkinProc, kSkinSubclassId, &data))
        return nullptr;
    return reinterpret_cast<SkinnedWindow*>(data);
}

bool PinOn(const SkinLayout& layout)
{
    return layout.onTop && layout.onTop();
}

CaptionOptions CaptionOf(const SkinnedWindow& skin)
{
    CaptionOptions o;
    o.extraButtons = skin.layout.extraButtons;
    o.iconMenu = skin.layout.programCaption;
    o.target = skin.layout.target;
    o.pinOn = PinOn(skin.layout);
    return o;
}

BackgroundOptions BackgroundOf(const SkinnedWindow& skin)
{
    BackgroundOptions o;
    o.captionLine = skin.layout.captionLine;
    o.programCaption = skin.layout.programCaption;
    o.tabText = skin.layout.tabText;
    o.closeButton = skin.layout.closeButton;
    o.extraButtons = skin.layout.extraButtons;
    o.pinOn = PinOn(skin.layout);
    o.hot = skin.hot;
    return o;
}

bool HasCaptionButtons(const SkinnedWindow& skin)
{
    return skin.layout.closeButton || skin.layout.extraButtons;
}

void PaintClient(HWND window, SkinnedWindow& skin, HDC dc)
{
    RECT client = {};
    GetClientRect(window, &client);
    BackBuffer buffer(dc, client);
    PaintBackground(window, buffer.Dc(), BackgroundOf(skin), skin.resources);
}

// Dialogs rarely clip their children: the background painted over them must be followed by
// the children's own painting.
void RepaintAll(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

POINT PointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void OnMouseMove(HWND window, SkinnedWindow& skin, LPARAM lParam)
{
    POINT p = PointOf(lParam);
    chrome::CaptionButton hot = chrome::CaptionButton::None;
    if (HasCaptionButtons(skin))
        hot = chrome::CaptionButtonAt({p.x, p.y}, CaptionMetricsOf(window), skin.layout.extraButtons);
    // The buttons are drawn again only when the one under the mouse changes.
    if (hot != skin.hot)
        skin.hot = CaptionMouseMove(window, p, CaptionOf(skin), &skin.resources);
    else
        ForgetHoveredButton(window);
    if (!skin.trackingLeave) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        skin.trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
}

void OnMouseLeave(HWND window, SkinnedWindow& skin)
{
    skin.trackingLeave = false;
    if (skin.hot != chrome::CaptionButton::None) {
        skin.hot = chrome::CaptionButton::None;
        RepaintCaptionButtons(window);
    }
}

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept
{
    SkinnedWindow& skin = *reinterpret_cast<SkinnedWindow*>(data);
    switch (message) {
    case WM_ERASEBKGND:
        PaintClient(window, skin, reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_PRINTCLIENT:
        PaintClient(window, skin, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(StaticColour(reinterpret_cast<HDC>(wParam)));
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType == ODT_BUTTON && DrawSkinButton(*item))
            return TRUE;
        break;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(window, skin, lParam);
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave(window, skin);
        break;
    case WM_LBUTTONDOWN:
        if (!HasCaptionButtons(skin)) {
            SendMessageA(skin.layout.target ? skin.layout.target : window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
            return 0;
        }
        if (CaptionMouseDown(window, PointOf(lParam), CaptionOf(skin)))
            return 0;
        break;
    case WM_LBUTTONUP:
        if (HasCaptionButtons(skin) && CaptionMouseUp(window, PointOf(lParam), CaptionOf(skin))) {
            // The window may be gone (a posted close has not run yet, but a sent request may
            // have destroyed it).
            if (IsWindow(window))
                RepaintCaptionButtons(window);
            return 0;
        }
        break;
    case WM_SIZE:
        // The panel, its shadow and the caption buttons follow the size.
        RepaintAll(window);
        break;
    case WM_NCDESTROY: {
        RemoveWindowSubclass(window, SkinProc, kSkinSubclassId);
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        delete &skin;
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

void ApplySkin(HWND window, SkinLayout layout)
{
    if (!window)
        return;
    SkinnedWindow* skin = SkinOf(window);
    if (skin) {
        skin->layout = std::move(layout);
    } else {
        auto made = std::make_unique<SkinnedWindow>(std::move(layout));
        if (!SetWindowSubclass(window, SkinProc, kSkinSubclassId, reinterpret_cast<DWORD_PTR>(made.get())))
            return;
        skin = made.release();
    }
    if (skin->layout.ownerDrawPushButtons)
        MakePushButtonsOwnerDrawn(window);
    SkinButtons(window);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(App().largeIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(App().smallIcon));
    RepaintAll(window);
}

void ApplyDialogSkin(HWND dialog)
{
    SkinLayout layout;
    layout.ownerDrawPushButtons = true;
    ApplySkin(dialog, std::move(layout));
}

bool IsSkinned(HWND window)
{
    return SkinOf(window) != nullptr;
}

void PaintBackgroundBehind(HWND child, HDC dc, const RECT& rect)
{
    HWND parent = GetParent(child);
    SkinnedWindow* skin = SkinOf(parent);
    if (!skin) {
        UniqueBrush panel(CreateSolidBrush(ToColorRef(chrome::kPanelColour)));
        FillRect(dc, &rect, panel.Get());
        return;
    }
    // The parent's painting, shifted so that child's corner lands on (0, 0), clipped to rect.
    POINT offset = {0, 0};
    MapWindowPoints(child, parent, &offset, 1);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    POINT origin = {};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - offset.x, origin.y - offset.y, nullptr);
    PaintBackground(parent, dc, BackgroundOf(*skin), skin->resources);
    RestoreDC(dc, saved);
}

void RepaintCaptionButtons(HWND window)
{
    SkinnedWindow* skin = SkinOf(window);
    if (!skin || !HasCaptionButtons(*skin))
        return;
    HDC dc = GetDC(window);
    if (!dc)
        return;
    DrawCaptionButtons(window, dc, CaptionOf(*skin), skin->hot, &skin->resources);
    ReleaseDC(window, dc);
}
