#pragma once
// The program started inside the test process with its mini browser's main frame, the
// stand-in registered as the user's browser, and helpers that speak to frames as the control
// and the user would.
// The launcher's headers come first: one of their names is also a class of <exdisp.h>.
#include "tests/launcher/LauncherWinFixture_win.h"

#include <windows.h>
#include <ole2.h>
#include <exdisp.h>
#include <exdispid.h>

#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/Subsystems_win.h"
#include "minibrowser/MiniBrowserApp_win.h"
#include "minibrowser/MiniBrowserFrame_win.h"
#include "tests/support/HttpPeer_win.h"

namespace mbt {

using wt::HttpPeer;

class MiniBrowserWin : public lt::LauncherWin {
protected:
    void SetUp() override
    {
        lt::LauncherWin::SetUp();
        HttpPeer::Reset();
    }

    void TearDown() override
    {
        DestroyMiniBrowserWindows();
        lt::LauncherWin::TearDown();
    }

    // Starts the program with these Options lines and makes the main frame.
    void StartBrowser(const std::string& optionLines = std::string())
    {
        ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\nUrlMiniBrowserUrl=" + HttpPeer::Url("/home") + "\r\n" +
                                      optionLines));
        ASSERT_TRUE(CreateMiniBrowserFrame());
        ASSERT_NE(Main(), nullptr);
    }

    static MiniBrowserApp& App_() { return MiniBrowserApp::Get(); }
    static MiniBrowserFrame* Main() { return MiniBrowserApp::Get().MainFrame(); }
    static std::size_t FurtherCount() { return MiniBrowserApp::Get().FurtherFrames().size(); }

    // Waits until the loopback peer has seen a request for path.
    static bool PeerSaw(const std::string& path, DWORD timeoutMs = 10000)
    {
        std::string last;
        bool seen = wt::WaitUntil([&] {
            last = HttpPeer::Last().path;
            return last == path;
        }, timeoutMs);
        if (!seen)
            ADD_FAILURE() << "the peer's last request was \"" << last << "\", not \"" << path << "\"";
        return seen;
    }

    static RECT RectOf(HWND window)
    {
        RECT r = {};
        GetWindowRect(window, &r);
        return r;
    }

    // A key as the message loop would hand it to the frame, with the modifiers held.
    static bool Key(MiniBrowserFrame* frame, UINT message, WPARAM key, bool ctrl = false, bool shift = false)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_MENU] = 0;
        SetKeyboardState(state);
        MSG msg = {frame->View(), message, key, 0, 0, {0, 0}};
        bool taken = MiniBrowserTakesMessage(msg);
        state[VK_CONTROL] = 0;
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
        return taken;
    }
    static bool Press(MiniBrowserFrame* frame, WPARAM key, bool ctrl = false, bool shift = false)
    {
        Key(frame, WM_KEYDOWN, key, ctrl, shift);
        return Key(frame, WM_KEYUP, key, ctrl, shift);
    }

    // The control's event as the control fires it: through the sink's Invoke, arguments last
    // to first.
    static void Fire(MiniBrowserFrame* frame, DISPID id, std::vector<VARIANT> argsInOrder)
    {
        std::vector<VARIANT> reversed(argsInOrder.rbegin(), argsInOrder.rend());
        DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        IDispatch* sink = frame->Host().EventSink();
        ASSERT_NE(sink, nullptr);
        sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    static VARIANT Text(BSTR text)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = text;
        return v;
    }
    static VARIANT Long(long value)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_I4;
        V_I4(&v) = value;
        return v;
    }
    static VARIANT LongRef(long* value)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BYREF | VT_I4;
        V_I4REF(&v) = value;
        return v;
    }
    static VARIANT Bool(bool value)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BOOL;
        V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
        return v;
    }
    static VARIANT BoolRef(VARIANT_BOOL* value)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BYREF | VT_BOOL;
        V_BOOLREF(&v) = value;
        return v;
    }
    static VARIANT Dispatch(IDispatch* value)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_DISPATCH;
        V_DISPATCH(&v) = value;
        return v;
    }
    static VARIANT DispatchRef(IDispatch** value)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BYREF | VT_DISPATCH;
        V_DISPATCHREF(&v) = value;
        return v;
    }
    static VARIANT VariantRef(VARIANT* value)
    {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&v) = value;
        return v;
    }

    // DocumentComplete of the frame's own page (or of another control, a frame in the page).
    static void DocumentComplete(MiniBrowserFrame* frame, const wchar_t* url, IDispatch* which = nullptr)
    {
        BSTR text = SysAllocString(url);
        VARIANT address = Text(text);
        Fire(frame, DISPID_DOCUMENTCOMPLETE, {Dispatch(which ? which : frame->Host().Dispatch()), VariantRef(&address)});
        SysFreeString(text);
    }

    // The new-window request: what the frame answered.
    struct NewWindowAnswer {
        bool cancelled = false;
        bool browserGiven = false;
    };
    static NewWindowAnswer NewWindow(MiniBrowserFrame* frame)
    {
        IDispatch* browser = nullptr;
        VARIANT_BOOL cancel = VARIANT_FALSE;
        Fire(frame, DISPID_NEWWINDOW2, {DispatchRef(&browser), BoolRef(&cancel)});
        NewWindowAnswer answer{cancel != VARIANT_FALSE, browser != nullptr};
        if (browser)
            browser->Release();
        return answer;
    }

    static std::string LocationOf(MiniBrowserFrame* frame)
    {
        std::string address;
        IWebBrowser2* browser = frame->Host().Browser();
        BSTR url = nullptr;
        if (browser && SUCCEEDED(browser->get_LocationURL(&url)) && url) {
            char text[6000] = {};
            WideCharToMultiByte(CP_ACP, 0, url, -1, text, sizeof text - 1, nullptr, nullptr);
            address = text;
        }
        if (url)
            SysFreeString(url);
        return address;
    }
};

} // namespace mbt
