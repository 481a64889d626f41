#pragma once
// The address bar: a combo box on the caption tool bar, made on first use, filled from the
// typed addresses, completing what the user types from them; Enter goes to the address.
#include <windows.h>

#include <string>

#include "app/WinHandles_win.h"

class MiniBrowserFrame;

class AddressBar {
public:
    AddressBar() = default;
    AddressBar(const AddressBar&) = delete;
    AddressBar& operator=(const AddressBar&) = delete;

    HWND Window() const { return combo_; }
    bool Visible() const;
    // Creates the bar on first use, then shows it over place with address, selected as the
    // rules say, the focus in it; dropped opens its list.
    void Show(HWND toolBar, MiniBrowserFrame* frame, const RECT& place, const std::string& address, bool dropped);
    void Hide();
    void Place(const RECT& place);
    // Refills the list from the typed addresses.
    void Refill();
    // The combo box's notifications (WM_COMMAND from id 1001 to the tool bar).
    void OnNotification(WORD code);
    // Enter: convert with Ctrl, Shift or Alt held (the CompletionKeys of the launcher), or -1.
    void Go(const std::string& text, int convertKeys);

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR data) noexcept;
    void Complete();
    HWND Edit() const;

    HWND combo_ = nullptr;
    MiniBrowserFrame* frame_ = nullptr;
    UniqueFont font_;
    bool completing_ = true;
    bool busy_ = false;
    bool dropped_ = false;
};
