#pragma once
// A thin layer over the common controls' property sheet: each page is an object whose static
// procedure stores it at WM_INITDIALOG and cracks the sheet's notifications into OnApply,
// OnCancel and OnHelp. Pages come from the interface language's templates.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

class PropertyPage {
public:
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    // Whether the sheet has created the page (only created pages hear OK and Cancel).
    bool Created() const { return created_; }

    // The sheet's description of this page; false when its template is missing.
    bool Describe(PROPSHEETPAGEA& page);

protected:
    // titleId: the tab's string; helpPage: the help page its Help button opens.
    PropertyPage(UINT templateId, UINT titleId, const char* helpPage)
        : templateId_(templateId), titleId_(titleId), helpPage_(helpPage) {}

    virtual bool OnInit() { return true; }
    // true when the command was handled.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // Notifications of the page's own controls (the sheet's are cracked below).
    virtual INT_PTR OnNotify(NMHDR* /*header*/) { return 0; }
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) { return false; }
    // OK: store the page's settings. Return false to keep the sheet open on this page.
    virtual bool OnApply() { return true; }
    // Cancel (also the caption's close button and Escape).
    virtual void OnCancel() {}
    virtual void OnHelp();

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static UINT CALLBACK PageCallback(HWND window, UINT message, LPPROPSHEETPAGEA page) noexcept;

    UINT templateId_;
    UINT titleId_;
    const char* helpPage_;
    std::string title_;
    HWND window_ = nullptr;
    bool created_ = false;
};

// Runs a modal sheet over the pages, with a Help button and no Apply button. Returns what
// PropertySheetA returned: positive after OK, 0 after Cancel, -1 when the sheet could not be
// made (GetLastError then tells why).
INT_PTR RunPropertySheet(HWND owner, const char* caption, const std::vector<PropertyPage*>& pages, int startPage = 0);
