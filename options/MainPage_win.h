#pragma once
// Page "Main" of the options sheet (dialog 136): start at log-on, language, the launcher's
// layout and behaviour, the browser's start mode and the launcher's two hotkeys.
#include "app/PropertyPage_win.h"
#include "app/WinHandles_win.h"
#include "options/OptionsControls_win.h"

class MainPage : public PropertyPage {
public:
    MainPage();

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnApply() override;
    void OnCancel() override;

private:
    void ShowPreviews();

    int languageAtOpen_ = 0;
    PausedHotkeys hotkeys_;
    // Small and tree previews, then the four edges in list order.
    UniqueBitmap modePictures_[2];
    UniqueBitmap cornerPictures_[4];
};
