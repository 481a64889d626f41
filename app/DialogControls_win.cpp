#include "app/DialogControls_win.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "resources/ResourceIds.h"

void SetCheck(HWND dialog, int id, int value)
{
    CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

int GetCheck(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

void FillListFromStrings(HWND dialog, int id, std::initializer_list<UINT> strings, int selected)
{
    HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (UINT text : strings)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(text, 255).c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int GetListPosition(HWND dialog, int id, int fallback)
{
    LRESULT position = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? fallback : static_cast<int>(position);
}

void SetLimitedText(HWND dialog, int id, const std::string& text, std::size_t maxChars)
{
    HWND control = GetDlgItem(dialog, id);
    // A combo box with an edit takes the limit through CB_LIMITTEXT.
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "ComboBox") == 0)
        SendMessageA(control, CB_LIMITTEXT, maxChars, 0);
    else
        SendMessageA(control, EM_LIMITTEXT, maxChars, 0);
    SetWindowTextA(control, text.substr(0, maxChars).c_str());
}

std::string GetLimitedText(HWND dialog, int id, std::size_t maxChars)
{
    std::vector<char> buffer(maxChars + 1, '\0');
    GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

void SetSpinRange(HWND dialog, int id, int low, int high, int value)
{
    SendDlgItemMessageA(dialog, id, UDM_SETRANGE32, low, high);
    SendDlgItemMessageA(dialog, id, UDM_SETPOS32, 0, std::clamp(value, low, high));
}

void ShowListMenu(HWND owner, HWND list, LPARAM mousePosition)
{
    UniqueMenu menu(LoadMenuInLanguage(IDR_LIST_MENU));
    HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (!popup)
        return;
    const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    const UINT rowItems = MF_BYCOMMAND | (selected >= 0 ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(popup, ID_LIST_EDIT, rowItems);
    EnableMenuItem(popup, ID_LIST_DELETE, rowItems);
    POINT at = {static_cast<short>(LOWORD(mousePosition)), static_cast<short>(HIWORD(mousePosition))};
    if (mousePosition == -1) {
        RECT rect = {};
        if (selected < 0 || !ListView_GetItemRect(list, selected, &rect, LVIR_LABEL))
            rect = {};
        at = {rect.left + 8, rect.bottom};
        ClientToScreen(list, &at);
    }
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}
