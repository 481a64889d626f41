#pragma once
// One page control (the system's web browser control) hosted in a window of ours: created,
// activated in place, sized, its events delivered, and released whole again.
#include <windows.h>
#include <ole2.h>
#include <exdisp.h>

#include "minibrowser/ComRef_win.h"

class BrowserEvents;
class BrowserSite;
class BrowserEventSink;

class BrowserHost {
public:
    BrowserHost() = default;
    ~BrowserHost() { Destroy(); }
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    // Creates the control in `host`'s client area; false (and nothing held) when the system
    // offers none. keyFilter tells the keys the control must leave alone.
    bool Create(HWND host, BrowserEvents* events, bool (*keyFilter)(HWND host, const MSG& msg));
    // Disconnects the events and releases every interface taken; the control's last reference
    // goes with it.
    void Destroy();
    void Resize(const RECT& area);
    // Gives the control the keyboard (its UI activation); false when there is none.
    bool TakeFocus();

    // Null when the control could not be made.
    IWebBrowser2* Browser() const { return browser_.Get(); }
    // The control's dispatch interface (what a new-window request hands back); null without one.
    IDispatch* Dispatch() const;
    // The event sink, as the control calls it.
    IDispatch* EventSink() const;
    // Offers a key message to the control (its Tab, clipboard and scroll keys); true when used.
    bool TranslateKey(MSG& msg) const;

private:
    HWND host_ = nullptr;
    ComRef<IOleObject> object_;
    ComRef<IWebBrowser2> browser_;
    ComRef<IConnectionPoint> events_;
    DWORD cookie_ = 0;
    BrowserSite* site_ = nullptr;
    BrowserEventSink* sink_ = nullptr;
};
