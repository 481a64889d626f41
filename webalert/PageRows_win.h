#pragma once
// The rows of watched pages as the monitor window and the progress window show them: the
// page icon in both sizes, the columns, and each row's colour and weight by its state.
#include <windows.h>
#include <commctrl.h>

#include "app/WinHandles_win.h"
#include "webalert/MonitoredPageList.h"

struct PageColumn {
    UINT title;   // string id
    int width;    // pixels
};

// The page icon (resource 211 at 16, 210 at 32) in a new image list; null when it cannot be made.
HIMAGELIST CreatePageImages(int size);
// Inserts the columns, titles in the interface language.
void AddPageColumns(HWND list, const PageColumn* columns, int count);

// Answers the list's NM_CUSTOMDRAW for rows whose item data is a PageId of pages: unread
// pages in bold, olive when changed in this run, else blue; disabled ones in silver.
class PageRowPainter {
public:
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw, const MonitoredPageList& pages);
    // The same for a list that keeps no item data of its own: rowPage gives the row's page.
    template <typename RowPage>
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw, const MonitoredPageList& pages, RowPage rowPage)
    {
        if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
            return CustomDraw(draw, pages);
        return DrawRow(draw, pages, rowPage(static_cast<int>(draw->nmcd.dwItemSpec)));
    }

private:
    LRESULT DrawRow(NMLVCUSTOMDRAW* draw, const MonitoredPageList& pages, PageId id);
    HFONT BoldFont(HDC dc);
    UniqueFont bold_;
};
