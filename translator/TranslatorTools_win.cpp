#include "translator/TranslatorTools_win.h"

#include <commctrl.h>

#include <cstdarg>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "app/TextUtil.h"
#include "launcher/InterpretInput.h"
#include "launcher/LaunchDecision.h"
#include "launcher/ProgramLaunchExecutor_win.h"

std::string ItemText(HWND dialog, int id, std::size_t maxChars)
{
    std::vector<char> buffer(maxChars + 1, '\0');
    UINT length = GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length);
}

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

std::string FormatText(UINT id, ...)
{
    std::string format = LoadText(id);
    char buffer[1024];
    std::va_list arguments;
    va_start(arguments, id);
    int written = std::vsnprintf(buffer, sizeof buffer, format.c_str(), arguments);
    va_end(arguments);
    return written < 0 ? std::string() : std::string(buffer);
}

void CopyEditText(HWND edit)
{
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_COPY, 0, 0);
}

void FocusAtStart(HWND dialog, int id)
{
    HWND edit = GetDlgItem(dialog, id);
    if (!edit)
        return;
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void SearchWithText(const std::string& text)
{
    Perform(SearchText(text, FreshLaunchContext()).launches, ProgramExecutor());
}

std::string SelectedOrWholeText(HWND edit, std::size_t maxChars)
{
    std::vector<char> buffer(maxChars + 1, '\0');
    int length = GetWindowTextA(edit, buffer.data(), static_cast<int>(buffer.size()));
    std::string text(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0u);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (end > start && start < text.size())
        return text.substr(start, end - start);
    return text;
}
