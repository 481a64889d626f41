#include "launcher/LauncherTooltips_win.h"

#include <commctrl.h>

#include <string>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "resources/ResourceIds.h"

namespace {

struct Tip {
    int control;
    UINT text;
};

constexpr Tip kTips[] = {
    {IDOK, IDS_TIP_GO},
    {IDC_LAUNCHER_GO_WITH, IDS_TIP_GO_WITH},
    {IDC_LAUNCHER_ALL, IDS_TIP_ALL},
    {IDC_LAUNCHER_GO_TO, IDS_TIP_GO_TO},
    {IDC_LAUNCHER_SETUP, IDS_TIP_SETUP},
    {IDC_LAUNCHER_BROWSER, IDS_TIP_BROWSER},
    {IDC_LAUNCHER_CLOSE_OWN, IDS_TIP_CLOSE_OWN},
    {IDC_LAUNCHER_CLOSE_ALL, IDS_TIP_CLOSE_ALL},
    {IDC_LAUNCHER_GO_TO_URL, IDS_TIP_GO_TO_URL},
    {IDC_LAUNCHER_TRANSLATE, IDS_TIP_TRANSLATE},
    {IDC_LAUNCHER_WEBALERT, IDS_TIP_WEBALERT},
};

TOOLINFOA ToolOf(HWND dialog, HWND control)
{
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

} // namespace

void AddLauncherTooltips(HWND dialog)
{
    HWND tooltip = Windows().tooltip;
    if (!tooltip)
        return;
    for (const Tip& tip : kTips) {
        HWND control = GetDlgItem(dialog, tip.control);
        if (!control)
            continue;
        std::string text = LoadText(tip.text);
        TOOLINFOA tool = ToolOf(dialog, control);
        tool.lpszText = text.data();
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void RemoveLauncherTooltips(HWND dialog)
{
    HWND tooltip = Windows().tooltip;
    if (!tooltip)
        return;
    for (const Tip& tip : kTips) {
        if (HWND control = GetDlgItem(dialog, tip.control)) {
            TOOLINFOA tool = ToolOf(dialog, control);
            SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}
