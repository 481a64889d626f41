#include "chrome/SkinButtons_win.h"

#include <commctrl.h>

#include <string>

#include "app/Visuals_win.h"
#include "chrome/ButtonLook.h"
#include "chrome/GdiTools_win.h"
#include "chrome/SkinColours.h"
#include "chrome/Skin_win.h"

namespace {

constexpr UINT_PTR kHoverSubclassId = 0x5148;   // the hover procedure's subclass
const char kHoveredProperty[] = "Quorvane.HoveredButton";

HWND HoveredOf(HWND dialog) { return static_cast<HWND>(GetPropA(dialog, kHoveredProperty)); }

void SetHovered(HWND dialog, HWND button)
{
    if (button)
        SetPropA(dialog, kHoveredProperty, button);
    else
        RemovePropA(dialog, kHoveredProperty);
}

void Repaint(HWND button)
{
    InvalidateRect(button, nullptr, FALSE);
}

void OnButtonMouseMove(HWND button)
{
    HWND dialog = GetParent(button);
    HWND hovered = HoveredOf(dialog);
    if (hovered == button)
        return;
    // Straight from one button to the next: the first one's highlight ends here.
    if (hovered)
        Repaint(hovered);
    SetHovered(dialog, button);
    Repaint(button);
    // The highlight also ends when the mouse leaves for another control or another window.
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, button, 0};
    TrackMouseEvent(&track);
}

void OnButtonMouseLeave(HWND button)
{
    HWND dialog = GetParent(button);
    if (HoveredOf(dialog) == button) {
        SetHovered(dialog, nullptr);
        Repaint(button);
    }
}

LRESULT CALLBACK HoverProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) noexcept
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
    case WM_MOUSEMOVE:
        OnButtonMouseMove(button);
        break;
    case WM_MOUSELEAVE:
        OnButtonMouseLeave(button);
        break;
    case WM_NCDESTROY:
        OnButtonMouseLeave(button);
        RemoveWindowSubclass(button, HoverProc, kHoverSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

bool IsButton(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "button") == 0;
}

BOOL CALLBACK SkinOneButton(HWND child, LPARAM) noexcept
{
    if (IsButton(child) && chrome::TakesHoverTracking(static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE))))
        SetWindowSubclass(child, HoverProc, kHoverSubclassId, 0);
    return TRUE;
}

BOOL CALLBACK OwnerDrawOne(HWND child, LPARAM) noexcept
{
    if (IsButton(child) && chrome::IsPlainPushButton(static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE))))
        SendMessageA(child, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
    return TRUE;
}

std::string TextOf(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    int got = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

RECT ToRect(const chrome::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

} // namespace

void SkinButtons(HWND dialog)
{
    ForgetHoveredButton(dialog);
    EnumChildWindows(dialog, SkinOneButton, 0);
}

void MakePushButtonsOwnerDrawn(HWND dialog)
{
    EnumChildWindows(dialog, OwnerDrawOne, 0);
}

HWND HoveredButton(HWND dialog)
{
    return HoveredOf(dialog);
}

void ForgetHoveredButton(HWND dialog)
{
    HWND hovered = HoveredOf(dialog);
    if (!hovered)
        return;
    SetHovered(dialog, nullptr);
    Repaint(hovered);
}

bool DrawSkinButton(const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_BUTTON)
        return false;
    HWND button = item.hwndItem;
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    chrome::ButtonState state;
    state.hovered = HoveredOf(GetParent(button)) == button;
    state.pressed = (item.itemState & ODS_SELECTED) != 0;
    state.disabled = (item.itemState & ODS_DISABLED) != 0;
    state.focused = (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0;
    const chrome::ButtonLook look = chrome::LookOf(state);

    // The rounded corners show what lies behind the button.
    PaintBackgroundBehind(button, dc, r);

    UniquePen outline(CreatePen(PS_SOLID, 1, ToColorRef(look.outline)));
    UniqueBrush face(CreateSolidBrush(ToColorRef(look.face)));
    {
        SelectInScope usePen(dc, outline.Get());
        SelectInScope useBrush(dc, face.Get());
        RoundRect(dc, r.left, r.top, r.right, r.bottom, chrome::kCornerEllipse, chrome::kCornerEllipse);
    }

    HBITMAP bitmap = reinterpret_cast<HBITMAP>(SendMessageA(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    if (bitmap) {
        DrawBitmapCentred(dc, bitmap, r);
    } else {
        const chrome::Rect bounds{r.left, r.top, r.right, r.bottom};
        RECT textRect = ToRect(chrome::TextRectOf(bounds, look));
        std::string text = TextOf(button);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
        HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
        int oldMode = SetBkMode(dc, TRANSPARENT);
        COLORREF oldColour = SetTextColor(dc, look.greyText ? ToColorRef(chrome::kDisabledText) : GetSysColor(COLOR_BTNTEXT));
        UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (item.itemState & ODS_NOACCEL)
            format |= DT_HIDEPREFIX;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, format);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
        if (oldFont)
            SelectObject(dc, oldFont);
    }
    if (look.focusRect) {
        RECT focus = ToRect(chrome::FocusRectOf({r.left, r.top, r.right, r.bottom}));
        DrawFocusRect(dc, &focus);
    }
    return true;
}
