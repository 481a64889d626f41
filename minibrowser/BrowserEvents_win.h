#pragma once
// What a page's control tells the window that hosts it (the events of DWebBrowserEvents2 the
// mini browser acts on), already unpacked from their dispatch arguments.
#include <windows.h>
#include <ole2.h>

#include <string>

class BrowserEvents {
public:
    virtual void OnStatusText(const std::string& text) = 0;
    virtual void OnProgress(long progress, long maximum) = 0;
    virtual void OnTitle(const std::string& title) = 0;
    // The page opens a window: set *browser to the control that is to show it, or *cancel.
    virtual void OnNewWindow(IDispatch** browser, VARIANT_BOOL* cancel) = 0;
    // which: the control (or the frame of a page) the navigation belongs to.
    virtual void OnNavigateComplete(IDispatch* which, const std::string& address) = 0;
    virtual void OnDocumentComplete(IDispatch* which, const std::string& address) = 0;
    virtual void OnWindowClosing(bool isChildWindow, VARIANT_BOOL* cancel) = 0;
    // dispid: DISPID_WINDOWSETLEFT, ...TOP, ...WIDTH or ...HEIGHT.
    virtual void OnWindowSet(long dispid, long value) = 0;
    virtual void OnClientToHost(long* width, long* height) = 0;

protected:
    ~BrowserEvents() = default;
};

// Live COM objects of the mini browser's own making (sites and event sinks), for the tests'
// leak count.
long BrowserComObjectsAlive();
