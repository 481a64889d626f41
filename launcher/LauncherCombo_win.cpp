#include "launcher/LauncherCombo_win.h"

#include <commctrl.h>

#include <vector>

#include "launcher/ComboFill_win.h"
#include "launcher/LauncherLists_win.h"
#include "launcher/LauncherWindow_win.h"

namespace {

constexpr UINT_PTR kTypingSubclassId = 0x5459;

HWND EditOf(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo, &info) && info.hwndItem)
        return info.hwndItem;
    return GetWindow(combo, GW_CHILD);
}

std::string ReadText(HWND window)
{
    std::vector<char> buffer(kLauncherTextChars + 1, '\0');
    int got = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

std::string ListText(HWND combo, int index)
{
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR || got < 0 ? 0 : static_cast<std::size_t>(got));
    return text;
}

LRESULT CALLBACK TypingProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept
{
    LauncherWindow& launcher = *reinterpret_cast<LauncherWindow*>(data);
    switch (message) {
    case WM_KEYDOWN:
        launcher.typing = !KeyEndsCompletion(static_cast<unsigned>(wParam));
        // Not every system turns F1 into a help request for the dialog.
        if (wParam == VK_F1)
            PostMessageA(launcher.Window(), WM_COMMAND, IDHELP, 0);
        break;
    case WM_CHAR:
        // Characters may arrive without their key (pasted by input methods or other programs).
        if (CharacterEndsCompletion(static_cast<unsigned>(wParam)))
            launcher.typing = false;
        else if (wParam >= 0x20)
            launcher.typing = true;
        break;
    case WM_SYSKEYUP:
        // The release of Alt+F1 reaches the focused control, not the dialog.
        if (wParam == VK_F1)
            PostMessageA(launcher.Window(), WM_COMMAND, IDHELP, 0);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, TypingProc, kTypingSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void FillLauncherCombo(HWND combo)
{
    FillComboWithSavedList(combo, SearchHistory());
    AddTypedAddressesToCombo(combo, TypedAddresses(), false);
}

ComboText ReadComboText(HWND combo)
{
    ComboText t;
    t.text = ReadText(combo);
    DWORD start = 0, end = 0;
    if (SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)) != CB_ERR) {
        t.hasSelection = true;
        t.selection = {static_cast<int>(start), static_cast<int>(end)};
    }
    return t;
}

std::string LauncherText(HWND combo)
{
    return ReadText(combo);
}

void PutComboText(HWND combo, const std::string& text, const EditSelection* selection)
{
    SetWindowTextA(combo, text.c_str());
    if (selection)
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(selection->start, selection->end));
}

void WatchTyping(LauncherWindow& launcher)
{
    if (HWND edit = EditOf(launcher.TextBox()))
        SetWindowSubclass(edit, TypingProc, kTypingSubclassId, reinterpret_cast<DWORD_PTR>(&launcher));
}

void CompleteTypedText(LauncherWindow& launcher)
{
    if (!launcher.typing || launcher.completing)
        return;
    HWND combo = launcher.TextBox();
    const ComboText typed = ReadComboText(combo);
    if (!CompletesText(typed.text))
        return;
    LRESULT found = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(typed.text.c_str()));
    if (found == CB_ERR)
        return;
    const std::string entry = ListText(combo, static_cast<int>(found));
    const EditSelection select = CompletedSelection(typed.text, typed.hasSelection ? &typed.selection : nullptr, entry);
    launcher.completing = true;
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(select.start, select.end));
    launcher.completing = false;
}
