#pragma once
// Page "MiniBrowser" of the options sheet (dialog 182): what opens in the mini browser, its
// home page, window behaviour, Ctrl+N, font and hotkey.
#include "app/PropertyPage_win.h"
#include "options/OptionsControls_win.h"

class MiniBrowserPage : public PropertyPage {
public:
    MiniBrowserPage();

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnApply() override;
    void OnCancel() override;

private:
    PausedHotkeys hotkeys_;
};
