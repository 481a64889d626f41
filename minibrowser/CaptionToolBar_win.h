#pragma once
// The frame's only bar: navigation buttons on the left, and to their right the caption, painted
// with the product's label and the page's address, with the caption buttons, a small progress
// bar and the address bar. Dragging the caption moves the frame.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/WinHandles_win.h"
#include "chrome/CaptionLayout.h"
#include "minibrowser/AddressBar_win.h"

class MiniBrowserFrame;
class SkinResources;

struct DestroyImageListFn {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using UniqueImageList = UniqueWin<HIMAGELIST, DestroyImageListFn>;

// Where the caption starts on the bar at the least, and where the address bar goes from it:
// further right when the buttons need more room (larger system fonts and arrows).
constexpr int kCaptionLeft = 312;
constexpr int kAddressBarIndent = 4;

class CaptionToolBar {
public:
    CaptionToolBar();
    ~CaptionToolBar();
    CaptionToolBar(const CaptionToolBar&) = delete;
    CaptionToolBar& operator=(const CaptionToolBar&) = delete;

    bool Create(MiniBrowserFrame* frame);
    HWND Window() const { return window_; }
    HWND Progress() const { return progress_; }
    AddressBar& Address() { return address_; }
    int Height() const;

    // On the frame's size: the bar across the top, the progress and address bars in place.
    void Layout();
    void SetProgress(long progress, long maximum);
    void RepaintCaption();
    void ShowAddressBar(const std::string& address, bool dropped);
    // Tool tips and drop-down arrows (WM_NOTIFY to the frame); true when handled.
    bool OnNotify(const NMHDR* header, LRESULT& result);
    // Menu 180's submenu for a drop-down command, filled for this frame; the menu given owns it.
    HMENU PrepareMenu(HMENU menu180, int command);
    // The left edge of the leftmost caption button.
    int CaptionButtonsLeft() const;
    // Where the caption begins: at 312, or right of the last button when they reach further.
    int CaptionLeft() const;

private:
    static LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR data) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintCaption(HDC dc);
    void ShowDropDown(int command);
    RECT AddressPlace() const;

    MiniBrowserFrame* frame_ = nullptr;
    HWND window_ = nullptr;
    HWND progress_ = nullptr;
    AddressBar address_;
    UniqueImageList images_;
    UniqueImageList hotImages_;
    UniqueFont labelFont_;
    std::unique_ptr<SkinResources> skin_;
    chrome::CaptionButton hot_ = chrome::CaptionButton::None;
};
