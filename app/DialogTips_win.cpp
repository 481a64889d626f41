#include "app/DialogTips_win.h"

#include <commctrl.h>

#include <string>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"

void AddTip(HWND dialog, int control, UINT stringId)
{
    HWND tip = Windows().tooltip;
    HWND item = GetDlgItem(dialog, control);
    if (!tip || !item)
        return;
    std::string text = LoadText(stringId);
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(item);
    tool.lpszText = &text[0];
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void RemoveTips(HWND dialog, std::initializer_list<int> controls)
{
    HWND tip = Windows().tooltip;
    if (!tip)
        return;
    for (int control : controls) {
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, control));
        SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
