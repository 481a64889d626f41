#include "minibrowser/BrowserHost_win.h"

#include <ocidl.h>

#include "minibrowser/BrowserSite_win.h"

bool BrowserHost::Create(HWND host, BrowserEvents* events, bool (*keyFilter)(HWND, const MSG&))
{
    Destroy();
    host_ = host;
    site_ = new BrowserSite(host);
    site_->SetKeyFilter(keyFilter);
    sink_ = new BrowserEventSink(events);
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.OutVoid())) ||
        !object_) {
        Destroy();
        return false;
    }
    object_->SetClientSite(site_->ClientSite());
    OleSetContainedObject(object_.Get(), TRUE);
    RECT area = {};
    GetClientRect(host, &area);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_->ClientSite(), 0, host, &area)) ||
        FAILED(object_->QueryInterface(IID_IWebBrowser2, browser_.OutVoid())) || !browser_) {
        Destroy();
        return false;
    }
    ComRef<IConnectionPointContainer> container;
    if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, container.OutVoid())) && container &&
        SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.Out())) && events_) {
        if (FAILED(events_->Advise(sink_->AsDispatch(), &cookie_))) {
            cookie_ = 0;
            events_.Reset();
        }
    }
    Resize(area);
    return true;
}

void BrowserHost::Destroy()
{
    if (events_ && cookie_)
        events_->Unadvise(cookie_);
    cookie_ = 0;
    events_.Reset();
    if (sink_) {
        sink_->Detach();
        sink_->Release();
        sink_ = nullptr;
    }
    if (browser_) {
        browser_->Stop();
        browser_.Reset();
    }
    if (site_)
        site_->Detach();   // lets go of the active object before the control closes
    if (object_) {
        ComRef<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.OutVoid())) && inPlace)
            inPlace->InPlaceDeactivate();
        inPlace.Reset();
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        OleSetContainedObject(object_.Get(), FALSE);
        object_.Reset();
    }
    if (site_) {
        site_->Release();
        site_ = nullptr;
    }
    host_ = nullptr;
}

void BrowserHost::Resize(const RECT& area)
{
    if (!object_)
        return;
    ComRef<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.OutVoid())) && inPlace)
        inPlace->SetObjectRects(&area, &area);
}

bool BrowserHost::TakeFocus()
{
    if (!object_ || !site_ || !host_)
        return false;
    RECT area = {};
    GetClientRect(host_, &area);
    return SUCCEEDED(object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_->ClientSite(), 0, host_, &area));
}

IDispatch* BrowserHost::Dispatch() const
{
    return browser_ ? static_cast<IDispatch*>(browser_.Get()) : nullptr;
}

IDispatch* BrowserHost::EventSink() const
{
    return sink_ ? sink_->AsDispatch() : nullptr;
}

bool BrowserHost::TranslateKey(MSG& msg) const
{
    IOleInPlaceActiveObject* active = site_ ? site_->ActiveObject() : nullptr;
    return active && active->TranslateAccelerator(&msg) == S_OK;
}
