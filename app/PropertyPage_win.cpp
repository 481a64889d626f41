#include "app/PropertyPage_win.h"

#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"

bool PropertyPage::Describe(PROPSHEETPAGEA& page)
{
    const DLGTEMPLATE* dialog = DialogTemplateInLanguage(templateId_);
    if (!dialog)
        return false;
    title_ = LoadText(titleId_, 127);
    page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE | PSP_HASHELP | PSP_USECALLBACK;
    page.hInstance = ResourceModule();
    page.pResource = dialog;
    page.pszTitle = title_.c_str();
    page.pfnDlgProc = Proc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    page.pfnCallback = PageCallback;
    return true;
}

void PropertyPage::OnHelp()
{
    OpenHelpPage(helpPage_, "");
}

UINT CALLBACK PropertyPage::PageCallback(HWND, UINT message, LPPROPSHEETPAGEA page) noexcept
{
    // The sheet destroyed the page's window; the object outlives it.
    if (message == PSPCB_RELEASE && page)
        reinterpret_cast<PropertyPage*>(page->lParam)->window_ = nullptr;
    return 1;
}

INT_PTR CALLBACK PropertyPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    PropertyPage* self = nullptr;
    if (message == WM_INITDIALOG) {
        // lParam is the sheet's copy of the PROPSHEETPAGE; its lParam is the page object.
        self = reinterpret_cast<PropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        self->window_ = window;
        self->created_ = true;
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        try {
            return self->OnInit() ? TRUE : FALSE;
        } catch (...) {
            return TRUE;
        }
    }
    self = reinterpret_cast<PropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self)
        return FALSE;
    try {
        switch (message) {
        case WM_COMMAND:
            return self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case WM_NOTIFY: {
            NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
            INT_PTR result = 0;
            switch (header->code) {
            case PSN_APPLY:
                result = self->OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
                break;
            case PSN_RESET:
                self->OnCancel();
                break;
            case PSN_KILLACTIVE:
                result = FALSE;   // leaving a page is always allowed
                break;
            case PSN_HELP:
                self->OnHelp();
                break;
            default:
                result = self->OnNotify(header);
                break;
            }
            SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_HELP:
            self->OnHelp();
            return TRUE;
        case WM_DESTROY:
            SetWindowLongPtrA(window, DWLP_USER, 0);
            self->window_ = nullptr;
            return FALSE;
        default: {
            INT_PTR result = 0;
            if (self->OnMessage(message, wParam, lParam, result))
                return result;
            return FALSE;
        }
        }
    } catch (...) {
        return FALSE;
    }
}

INT_PTR RunPropertySheet(HWND owner, const char* caption, const std::vector<PropertyPage*>& pages, int startPage)
{
    std::vector<PROPSHEETPAGEA> described;
    for (PropertyPage* page : pages) {
        PROPSHEETPAGEA one;
        if (page->Describe(one))
            described.push_back(one);
    }
    if (described.empty()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP | PSH_USEHICON;
    header.hwndParent = owner;
    header.hInstance = ResourceModule();
    header.hIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    header.pszCaption = caption;
    header.nPages = static_cast<UINT>(described.size());
    header.nStartPage = static_cast<UINT>(startPage < static_cast<int>(described.size()) ? startPage : 0);
    header.ppsp = described.data();
    SetLastError(0);
    return PropertySheetA(&header);
}
