#pragma once
// A mini browser frame: a borderless, resizable window whose caption tool bar sits above the
// view, the child window that hosts the page control. The main frame lives from start-up to
// shut-down and is only shown and hidden; further frames are destroyed when closed. The
// window owns its object: it is deleted with the window.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "minibrowser/BrowserEvents_win.h"
#include "minibrowser/BrowserHost_win.h"
#include "minibrowser/CaptionToolBar_win.h"
#include "minibrowser/FrameGeometry.h"
#include "minibrowser/PageGestures_win.h"

constexpr char kMiniBrowserFrameClass[] = "QuorvaneMiniBrowser";
constexpr char kMiniBrowserViewClass[] = "QuorvaneMiniBrowserView";
// Posted to a frame: close every frame (a gesture, which must not destroy the page under it).
constexpr UINT kCloseAllMessage = WM_APP + 0x4D1;

class MiniBrowserFrame final : public BrowserEvents, public GestureTarget {
public:
    // A hidden frame with its tool bar, view and page control at box. A frame whose control
    // cannot be made still opens (its page stays empty).
    static MiniBrowserFrame* Create(bool secondary, const minibrowser::FrameBox& box);
    // The frame a window belongs to (the frame itself or any of its children), or null.
    static MiniBrowserFrame* FromWindow(HWND window);

    MiniBrowserFrame(const MiniBrowserFrame&) = delete;
    MiniBrowserFrame& operator=(const MiniBrowserFrame&) = delete;

    HWND Window() const { return window_; }
    HWND View() const { return view_; }
    HWND LinkLabel() const { return linkLabel_; }
    CaptionToolBar& ToolBar() { return toolBar_; }
    BrowserHost& Host() { return host_; }
    bool Secondary() const { return secondary_; }
    bool OnTop() const { return onTop_; }
    const std::string& CurrentAddress() const { return currentAddress_; }
    const std::string& Title() const { return title_; }
    const std::vector<std::string>& FavoriteAddresses() const { return favorites_; }
    bool Offline() const { return offline_; }

    // The address of the page: the current one, else what the control reports.
    std::string PageAddress() const;
    // The address the control itself reports (the attempted one under Wine); empty without one.
    std::string ControlAddress() const;
    void SetCurrentAddress(const std::string& address);
    void SetOnTop(bool onTop);
    void ApplyOnTop();
    // The page zoom the first time, the translucency whenever the option changed.
    void ApplyLooks();

    // Makes the control silent, sets the offline state from the cache flag, then goes to the
    // address, or home when it is empty.
    void Navigate(const std::string& address, int cacheFlag);
    void GoHome();
    // Hides the main frame toward the tray; destroys a further one.
    void Close();
    // New-window choices 0 (blank) to 3 (the clipboard's text).
    void OpenNewWindow(int choice);
    void OpenInDefaultBrowser();
    // F7.
    void PlaceDefault();
    void ShowAddressBar(bool dropped);
    // Fills a favorites menu and keeps the addresses of its items.
    void FillFavoritesMenu(HMENU menu);
    void OnCommand(int id);
    // A key of the frame's table in a message bound for this frame: done, true.
    bool TakeKey(const MSG& msg);

    // BrowserEvents
    void OnStatusText(const std::string& text) override;
    void OnProgress(long progress, long maximum) override;
    void OnTitle(const std::string& title) override;
    void OnNewWindow(IDispatch** browser, VARIANT_BOOL* cancel) override;
    void OnNavigateComplete(IDispatch* which, const std::string& address) override;
    void OnDocumentComplete(IDispatch* which, const std::string& address) override;
    void OnWindowClosing(bool isChildWindow, VARIANT_BOOL* cancel) override;
    void OnWindowSet(long dispid, long value) override;
    void OnClientToHost(long* width, long* height) override;

    // GestureTarget
    bool GesturesEnabled() const override;
    void OnGesture(minibrowser::Gesture gesture) override;
    void OnClickNavigation(minibrowser::ClickAction action) override;

private:
    explicit MiniBrowserFrame(bool secondary);
    ~MiniBrowserFrame() = default;
    friend struct std::default_delete<MiniBrowserFrame>;

    static bool RegisterClasses();
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void Layout();
    void OnDestroy();
    bool IsTopLevelPage(IDispatch* which) const;
    void ShowLink(const std::string& text);
    void AttachGesturesToDocument();
    void MoveFrame(const minibrowser::FrameBox& box);
    minibrowser::FrameBox Box() const;
    void Zoom(int zoom);
    void Print();

    HWND window_ = nullptr;
    HWND view_ = nullptr;
    HWND linkLabel_ = nullptr;
    HWND document_ = nullptr;
    CaptionToolBar toolBar_;
    BrowserHost host_;
    bool secondary_;
    bool ownedByWindow_ = false;
    bool onTop_ = false;
    bool zoomApplied_ = false;
    int translucencyApplied_ = -1;
    bool offline_ = false;
    std::string currentAddress_;
    std::string title_;
    std::vector<std::string> favorites_;
};

// Whether a key message for a mini browser frame is one of the frame's own (for the control's
// accelerators and the message loop).
bool IsMiniBrowserKey(HWND window, const MSG& msg);
