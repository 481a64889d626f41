#include "app/Dialog_win.h"

#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"

INT_PTR Dialog::RunModal(HWND owner)
{
    return DialogBoxInLanguage(templateId_, owner, Proc, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HWND owner)
{
    return CreateDialogInLanguage(templateId_, owner, Proc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    // A handler that throws (out of memory for a text) loses its message, not the program.
    try {
        return Dispatch(window, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return self->OnInit() ? TRUE : FALSE;
    }
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (self->OnCommand(id, code, reinterpret_cast<HWND>(lParam)))
            return TRUE;
        if (id == IDCANCEL) {
            // Escape and the caption's close button of a modal dialog.
            self->End(IDCANCEL);
            return TRUE;
        }
        // Skinned push buttons are owner-drawn and also tell double clicks: one click, one action.
        if (code != BN_CLICKED)
            return FALSE;
        if (id == IDOK) {
            self->OnOk();
            return TRUE;
        }
        if (id == IDHELP && self->helpPage_) {
            OpenHelpPage(self->helpPage_, self->helpAnchor_);
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        INT_PTR result = self->OnNotify(reinterpret_cast<NMHDR*>(lParam));
        SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_DESTROY:
        self->OnDestroy();
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return FALSE;
    default: {
        INT_PTR result = 0;
        if (self->OnMessage(message, wParam, lParam, result))
            return result;
        if (message == WM_HELP && self->helpPage_) {
            OpenHelpPage(self->helpPage_, self->helpAnchor_);
            return TRUE;
        }
        return FALSE;
    }
    }
}
