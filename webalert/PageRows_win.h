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

private:
    HFONT BoldFont(HDC dc);
    UniqueFont bold_;
};
