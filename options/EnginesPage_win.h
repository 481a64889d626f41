#pragma once
// Page "Engines" of the options sheet (dialog 135): the engine table, edited on a working
// copy until OK, the favorite engine and the translator's settings and hotkeys.
#include <string>

#include "app/PropertyPage_win.h"
#include "options/OptionsControls_win.h"

class EnginesPage : public PropertyPage {
public:
    EnginesPage();
    ~EnginesPage() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(NMHDR* header) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnApply() override;
    void OnCancel() override;

private:
    int Selected() const;
    void Refill(int select);
    void AddEngine();
    void EditSelected();
    void DeleteSelected();
    void EnableTranslateField();

    PausedHotkeys hotkeys_;
    HIMAGELIST images_ = nullptr;
};
