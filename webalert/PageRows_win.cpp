#include "webalert/PageRows_win.h"

#include <string>

#include "app/ResourceLoader_win.h"
#include "resources/ResourceIds.h"
#include "webalert/MonitorRules.h"

namespace {

constexpr COLORREF kChangedThisRun = RGB(128, 128, 0);
constexpr COLORREF kUnread = RGB(0, 102, 153);
constexpr COLORREF kDisabled = RGB(192, 192, 192);

} // namespace

HIMAGELIST CreatePageImages(int size)
{
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (!images)
        return nullptr;
    const UINT id = size > 16 ? IDI_WEBALERT_LARGE : IDI_WEBALERT_SMALL;
    if (HICON icon = static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0))) {
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
    return images;
}

void AddPageColumns(HWND list, const PageColumn* columns, int count)
{
    for (int i = 0; i < count; ++i) {
        std::string title = LoadText(columns[i].title);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = columns[i].width;
        column.pszText = const_cast<char*>(title.c_str());
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
}

LRESULT PageRowPainter::CustomDraw(NMLVCUSTOMDRAW* draw, const MonitoredPageList& pages)
{
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    return DrawRow(draw, pages, reinterpret_cast<PageId>(draw->nmcd.lItemlParam));
}

LRESULT PageRowPainter::DrawRow(NMLVCUSTOMDRAW* draw, const MonitoredPageList& pages, PageId id)
{
    MonitoredPage page;
    if (!pages.CopyOf(id, page))
        return CDRF_DODEFAULT;
    switch (RowLookOf(page)) {
    case RowLook::ChangedThisRun:
    case RowLook::Unread:
        draw->clrText = RowLookOf(page) == RowLook::ChangedThisRun ? kChangedThisRun : kUnread;
        if (HFONT bold = BoldFont(draw->nmcd.hdc))
            SelectObject(draw->nmcd.hdc, bold);
        return CDRF_NEWFONT;
    case RowLook::Disabled:
        draw->clrText = kDisabled;
        return CDRF_NEWFONT;
    case RowLook::Plain:
        break;
    }
    return CDRF_DODEFAULT;
}

HFONT PageRowPainter::BoldFont(HDC dc)
{
    if (!bold_) {
        LOGFONTA font = {};
        if (GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font)) {
            font.lfWeight = FW_BOLD;
            bold_.Reset(CreateFontIndirectA(&font));
        }
    }
    return bold_.Get();
}
