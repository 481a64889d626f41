#include "chrome/SkinPainter_win.h"

#include <string>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Visuals_win.h"
#include "chrome/BackgroundLayout.h"
#include "chrome/CaptionButtons_win.h"
#include "chrome/GdiTools_win.h"
#include "chrome/SkinColours.h"
#include "chrome/SkinGlyphs_win.h"
#include "chrome/SkinResources_win.h"
#include "resources/ResourceIds.h"

namespace {

void RoundedFill(HDC dc, const chrome::Rect& r, COLORREF face, COLORREF outline)
{
    UniquePen pen(CreatePen(PS_SOLID, 1, outline));
    UniqueBrush brush(CreateSolidBrush(face));
    SelectInScope usePen(dc, pen.Get());
    SelectInScope useBrush(dc, brush.Get());
    RoundRect(dc, r.left, r.top, r.right, r.bottom, chrome::kCornerEllipse, chrome::kCornerEllipse);
}

void DrawStroke(HDC dc, const chrome::Stroke& s, COLORREF colour)
{
    UniquePen pen(CreatePen(PS_SOLID, s.width, colour));
    SelectInScope usePen(dc, pen.Get());
    MoveToEx(dc, s.from.x, s.from.y, nullptr);
    LineTo(dc, s.to.x, s.to.y);
}

SIZE TextExtent(HDC dc, HFONT font, const std::string& text)
{
    SIZE size = {};
    SelectInScope useFont(dc, font);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void DrawTextAt(HDC dc, HFONT font, const std::string& text, RECT rect, COLORREF colour, UINT format)
{
    SelectInScope useFont(dc, font);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, colour);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

// The launcher's caption line: icon, title, then the tagline, kept left of the buttons.
void DrawProgramCaption(HWND window, HDC dc, const chrome::BackgroundLayout& layout, const BackgroundOptions& o,
                        const SkinResources& res)
{
    if (HICON icon = App().smallIcon)
        DrawIconEx(dc, layout.icon.x, layout.icon.y, icon, 16, 16, 0, nullptr, DI_NORMAL);
    RECT text = {layout.captionText.left, layout.captionText.top, layout.captionText.right, layout.captionText.bottom};
    chrome::CaptionButton leftmost = o.extraButtons ? chrome::CaptionButton::Pin : chrome::CaptionButton::Close;
    if (o.closeButton || o.extraButtons)
        text.right = CaptionButtonRectOf(window, leftmost).left - 4;
    const COLORREF colour = GetSysColor(COLOR_CAPTIONTEXT);
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    std::string title = LoadText(IDS_TITLE_PREFIX);
    DrawTextAt(dc, res.CaptionFont(), title, text, colour, format);
    text.left += TextExtent(dc, res.CaptionFont(), title).cx;
    if (text.left < text.right)
        DrawTextAt(dc, res.TaglineFont(), LoadText(IDS_TAGLINE), text, colour, format);
}

void DrawTitleTab(HDC dc, const chrome::BackgroundLayout& layout, const std::string& text, const SkinResources& res)
{
    const COLORREF face = ToColorRef(chrome::kTabFace);
    // Outlined in the panel's colour, so that the tab stands out on any caption colour.
    const COLORREF outline = ToColorRef(chrome::kPanelColour);
    RoundedFill(dc, layout.tab, face, outline);
    RECT tab = {layout.tab.left, layout.tab.top, layout.tab.right, layout.tab.bottom};
    if (HBITMAP picture = res.TabPicture())
        DrawBitmapAt(dc, layout.tabPicture.x, layout.tabPicture.y, picture);
    else
        DrawTabFoot(dc, tab, layout.tabPicture.y, face, outline);
    RECT where = {layout.tabText.x, layout.tabText.y, tab.right, tab.bottom};
    DrawTextAt(dc, res.CaptionFont(), text, where, ToColorRef(chrome::kTabText), DT_LEFT | DT_TOP | DT_SINGLELINE);
}

} // namespace

void FillLikeActiveCaption(HWND window, HDC dc, const RECT& area, bool themed)
{
    if (themed && DrawThemedPart(window, dc, "EXPLORERBAR", chrome::kThemeCaptionPart, chrome::kThemeCaptionState, area))
        return;
    COLORREF from = GetSysColor(COLOR_ACTIVECAPTION);
    COLORREF to = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    TRIVERTEX vertices[2] = {};
    vertices[0].x = area.left;
    vertices[0].y = area.top;
    vertices[0].Red = static_cast<COLOR16>(GetRValue(from) << 8);
    vertices[0].Green = static_cast<COLOR16>(GetGValue(from) << 8);
    vertices[0].Blue = static_cast<COLOR16>(GetBValue(from) << 8);
    vertices[1].x = area.right;
    vertices[1].y = area.bottom;
    vertices[1].Red = static_cast<COLOR16>(GetRValue(to) << 8);
    vertices[1].Green = static_cast<COLOR16>(GetGValue(to) << 8);
    vertices[1].Blue = static_cast<COLOR16>(GetBValue(to) << 8);
    GRADIENT_RECT mesh = {0, 1};
    if (GradientFillOptional(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H))
        return;
    UniqueBrush plain(CreateSolidBrush(from));
    FillRect(dc, &area, plain.Get());
}

BOOL PaintBackground(HWND window, HDC dc, const BackgroundOptions& o, const SkinResources& res)
{
    RECT client = {};
    GetClientRect(window, &client);
    const bool themed = ThemeActive();
    FillLikeActiveCaption(window, dc, client, themed);

    std::string tabText = o.tabText ? LoadText(o.tabText) : std::string();
    SIZE tabSize = o.tabText ? TextExtent(dc, res.CaptionFont(), tabText) : SIZE{0, 0};
    chrome::BackgroundLayout layout = chrome::LayOutBackground(
        {client.right, client.bottom, o.captionLine, o.tabText != 0, static_cast<int>(tabSize.cx), static_cast<int>(tabSize.cy)});

    const COLORREF panel = ToColorRef(chrome::kPanelColour);
    const COLORREF shadow = ToColorRef(chrome::kShadowColour);
    RoundedFill(dc, layout.panel, panel, shadow);
    for (const chrome::Stroke& s : layout.shadow)
        DrawStroke(dc, s, shadow);
    for (const chrome::Stroke& s : layout.grip)
        DrawStroke(dc, s, shadow);

    CaptionOptions caption;
    caption.extraButtons = o.extraButtons;
    caption.pinOn = o.pinOn;
    if (o.closeButton || o.extraButtons)
        DrawCaptionButtons(window, dc, caption, o.hot, &res);
    if (layout.hasTab)
        DrawTitleTab(dc, layout, tabText, res);
    if (o.programCaption)
        DrawProgramCaption(window, dc, layout, o, res);
    return TRUE;
}

HBRUSH StaticColour(HDC dc)
{
    SetBkColor(dc, ToColorRef(chrome::kPanelColour));
    SetBrushOrgEx(dc, 0, 0, nullptr);
    return App().backgroundBrush.Get();
}
