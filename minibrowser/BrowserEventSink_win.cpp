// The control's events, unpacked from their dispatch arguments (given last to first).
#include <windows.h>
#include <ole2.h>
#include <exdisp.h>
#include <exdispid.h>

#include <string>

#include "minibrowser/BrowserEvents_win.h"
#include "minibrowser/BrowserSite_win.h"

namespace {

VARIANT* Arg(const DISPPARAMS* params, UINT index)
{
    if (!params || index >= params->cArgs || !params->rgvarg)
        return nullptr;
    VARIANT* v = &params->rgvarg[params->cArgs - 1 - index];
    while (v && V_VT(v) == (VT_BYREF | VT_VARIANT))
        v = V_VARIANTREF(v);
    return v;
}

std::string Narrow(const wchar_t* text)
{
    if (!text || !*text)
        return std::string();
    int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1)
        return std::string();
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], bytes, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(bytes - 1));
    return out;
}

std::string ArgText(const DISPPARAMS* params, UINT index)
{
    VARIANT* v = Arg(params, index);
    if (!v)
        return std::string();
    if (V_VT(v) == VT_BSTR)
        return Narrow(V_BSTR(v));
    if (V_VT(v) == (VT_BYREF | VT_BSTR) && V_BSTRREF(v))
        return Narrow(*V_BSTRREF(v));
    return std::string();
}

long ArgLong(const DISPPARAMS* params, UINT index)
{
    VARIANT* v = Arg(params, index);
    if (!v)
        return 0;
    VARIANT copy;
    VariantInit(&copy);
    long value = 0;
    if (SUCCEEDED(VariantChangeType(&copy, v, 0, VT_I4)))
        value = V_I4(&copy);
    VariantClear(&copy);
    return value;
}

long* ArgLongRef(const DISPPARAMS* params, UINT index)
{
    VARIANT* v = Arg(params, index);
    return v && V_VT(v) == (VT_BYREF | VT_I4) ? V_I4REF(v) : nullptr;
}

VARIANT_BOOL* ArgBoolRef(const DISPPARAMS* params, UINT index)
{
    VARIANT* v = Arg(params, index);
    return v && V_VT(v) == (VT_BYREF | VT_BOOL) ? V_BOOLREF(v) : nullptr;
}

IDispatch** ArgDispatchRef(const DISPPARAMS* params, UINT index)
{
    VARIANT* v = Arg(params, index);
    return v && V_VT(v) == (VT_BYREF | VT_DISPATCH) ? V_DISPATCHREF(v) : nullptr;
}

IDispatch* ArgDispatch(const DISPPARAMS* params, UINT index)
{
    VARIANT* v = Arg(params, index);
    if (!v)
        return nullptr;
    if (V_VT(v) == VT_DISPATCH)
        return V_DISPATCH(v);
    if (V_VT(v) == (VT_BYREF | VT_DISPATCH) && V_DISPATCHREF(v))
        return *V_DISPATCHREF(v);
    return nullptr;
}

void Dispatch(BrowserEvents& events, DISPID id, const DISPPARAMS* params)
{
    switch (id) {
    case DISPID_STATUSTEXTCHANGE:
        events.OnStatusText(ArgText(params, 0));
        break;
    case DISPID_PROGRESSCHANGE:
        events.OnProgress(ArgLong(params, 0), ArgLong(params, 1));
        break;
    case DISPID_TITLECHANGE:
        events.OnTitle(ArgText(params, 0));
        break;
    case DISPID_NEWWINDOW2: {
        IDispatch** browser = ArgDispatchRef(params, 0);
        VARIANT_BOOL* cancel = ArgBoolRef(params, 1);
        if (browser && cancel)
            events.OnNewWindow(browser, cancel);
        break;
    }
    case DISPID_NAVIGATECOMPLETE2:
        events.OnNavigateComplete(ArgDispatch(params, 0), ArgText(params, 1));
        break;
    case DISPID_DOCUMENTCOMPLETE:
        events.OnDocumentComplete(ArgDispatch(params, 0), ArgText(params, 1));
        break;
    case DISPID_WINDOWCLOSING: {
        VARIANT_BOOL* cancel = ArgBoolRef(params, 1);
        if (cancel)
            events.OnWindowClosing(ArgLong(params, 0) != 0, cancel);
        break;
    }
    case DISPID_WINDOWSETLEFT:
    case DISPID_WINDOWSETTOP:
    case DISPID_WINDOWSETWIDTH:
    case DISPID_WINDOWSETHEIGHT:
        events.OnWindowSet(id, ArgLong(params, 0));
        break;
    case DISPID_CLIENTTOHOSTWINDOW: {
        long* width = ArgLongRef(params, 0);
        long* height = ArgLongRef(params, 1);
        if (width && height)
            events.OnClientToHost(width, height);
        break;
    }
    default:
        break;
    }
}

} // namespace

BrowserEventSink::BrowserEventSink(BrowserEvents* events) : events_(events)
{
    CountComObject(1);
}

BrowserEventSink::~BrowserEventSink()
{
    CountComObject(-1);
}

STDMETHODIMP BrowserEventSink::QueryInterface(REFIID riid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, DIID_DWebBrowserEvents2)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) BrowserEventSink::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

STDMETHODIMP_(ULONG) BrowserEventSink::Release()
{
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP BrowserEventSink::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}

STDMETHODIMP BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** out)
{
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (!events_)
        return S_OK;
    // The handlers may destroy the frame that hosts this sink: keep the sink alive meanwhile.
    AddRef();
    try {
        Dispatch(*events_, id, params);
    } catch (...) {
        // Out of memory for a text: the event is dropped, the page goes on.
    }
    Release();
    return S_OK;
}
