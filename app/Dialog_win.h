#pragma once
// Base of the program's dialogs: one static procedure stores the object at WM_INITDIALOG and
// hands the messages to virtual handlers. Dialogs come from the interface language's template.
// Cancel (also Escape and the caption's close button) ends the dialog; a dialog given a help
// page opens it from its Help button (IDHELP) and from F1 or the caption's question mark.
#include <windows.h>

class Dialog {
public:
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Modal: returns the EndDialog result, or -1 when the template is missing.
    INT_PTR RunModal(HWND owner);
    // Modeless: returns the window, or null.
    HWND CreateModeless(HWND owner);

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }

protected:
    explicit Dialog(UINT templateId, const char* helpPage = nullptr, const char* helpAnchor = "")
        : templateId_(templateId), helpPage_(helpPage), helpAnchor_(helpAnchor) {}

    virtual bool OnInit() { return true; }
    // true when the command was handled; what it leaves goes to OnOk, Cancel and Help.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // OK (also Enter): check and store what the dialog shows, then End(IDOK).
    virtual void OnOk() {}
    virtual INT_PTR OnNotify(NMHDR* /*header*/) { return 0; }
    // Any other message; return true and set result when handled.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) { return false; }
    virtual void OnDestroy() {}

    void End(INT_PTR result) { EndDialog(window_, result); }

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    const char* helpPage_;
    const char* helpAnchor_;
    HWND window_ = nullptr;
};
