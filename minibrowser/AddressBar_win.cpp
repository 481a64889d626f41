#include "minibrowser/AddressBar_win.h"

#include <commctrl.h>

#include "launcher/AddressText.h"
#include "launcher/LauncherLists_win.h"
#include "minibrowser/AddressBarRules.h"
#include "minibrowser/MiniBrowserFrame_win.h"
#include "resources/ResourceIds.h"

namespace {

constexpr UINT_PTR kEditSubclassId = 1001;
// Addresses are read from the bar into this many characters.
constexpr int kAddressChars = 4096;
// The height of the bar with its dropped list.
constexpr int kListHeight = 240;

std::string WindowText(HWND window)
{
    std::string text(kAddressChars, '\0');
    int length = GetWindowTextA(window, &text[0], kAddressChars);
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

bool KeyHeld(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

} // namespace

bool AddressBar::Visible() const
{
    return combo_ && IsWindowVisible(combo_);
}

HWND AddressBar::Edit() const
{
    return combo_ ? FindWindowExA(combo_, nullptr, "Edit", nullptr) : nullptr;
}

void AddressBar::Show(HWND toolBar, MiniBrowserFrame* frame, const RECT& place, const std::string& address, bool dropped)
{
    frame_ = frame;
    if (!combo_) {
        combo_ = CreateWindowExA(0, WC_COMBOBOXA, "",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                 place.left, place.top, place.right - place.left, kListHeight, toolBar,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MB_ADDRESS)),
                                 GetModuleHandleA(nullptr), nullptr);
        if (!combo_)
            return;
        LOGFONTA lf = {};
        if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf))
            font_.Reset(CreateFontIndirectA(&lf));
        if (font_)
            SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        SendMessageA(combo_, CB_LIMITTEXT, kAddressChars - 1, 0);
        if (HWND edit = Edit())
            SetWindowSubclass(edit, EditProc, kEditSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    // The launcher and other frames add typed addresses meanwhile.
    Refill();
    Place(place);
    completing_ = true;
    SetWindowPos(combo_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetFocus(combo_);
    busy_ = true;
    SetWindowTextA(combo_, address.c_str());
    busy_ = false;
    const minibrowser::Selection selection = minibrowser::InitialSelection(address);
    SendMessageA(combo_, CB_SETEDITSEL, 0, MAKELPARAM(selection.start, selection.end));
    if (dropped)
        SendMessageA(combo_, CB_SHOWDROPDOWN, TRUE, 0);
}

void AddressBar::Hide()
{
    if (!combo_ || busy_)
        return;
    busy_ = true;
    SendMessageA(combo_, CB_SHOWDROPDOWN, FALSE, 0);
    const bool hadFocus = IsChild(combo_, GetFocus()) || GetFocus() == combo_;
    ShowWindow(combo_, SW_HIDE);
    if (hadFocus && frame_)
        SetFocus(frame_->View());
    busy_ = false;
}

void AddressBar::Place(const RECT& place)
{
    if (combo_)
        MoveWindow(combo_, place.left, place.top, place.right - place.left, kListHeight, TRUE);
}

void AddressBar::Refill()
{
    if (!combo_)
        return;
    SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    const TypedAddressList& list = TypedAddresses();
    for (std::size_t i = 0; i < list.Size(); ++i)
        SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.AddressAt(i).c_str()));
}

void AddressBar::Complete()
{
    if (!combo_ || busy_ || !completing_)
        return;
    const std::string typed = WindowText(combo_);
    if (typed.empty())
        return;
    DWORD start = 0, end = 0;
    SendMessageA(combo_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const LRESULT found = SendMessageA(combo_, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(typed.c_str()));
    if (found == CB_ERR)
        return;
    const LRESULT length = SendMessageA(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(found), 0);
    if (length == CB_ERR || length <= 0)
        return;
    std::string item(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo_, CB_GETLBTEXT, static_cast<WPARAM>(found), reinterpret_cast<LPARAM>(&item[0]));
    item.resize(static_cast<std::size_t>(length));
    const minibrowser::Selection selection = minibrowser::CompletionSelection(
        typed, {static_cast<int>(start), static_cast<int>(end)}, item);
    busy_ = true;
    if (selection.end == static_cast<int>(item.size()) && item.size() >= typed.size())
        SetWindowTextA(combo_, item.c_str());
    SendMessageA(combo_, CB_SETEDITSEL, 0, MAKELPARAM(selection.start, selection.end));
    busy_ = false;
}

void AddressBar::Go(const std::string& text, int convertKeys)
{
    if (!frame_ || busy_)
        return;
    std::string address = text;
    if (convertKeys >= 0 && !address.empty())
        address = CompleteAddress(address, convertKeys);
    MiniBrowserFrame* frame = frame_;
    Hide();
    frame->Navigate(address, 0);
    if (!text.empty()) {
        TypedAddresses().Add(TypedAddressRegistry(), address);
        Refill();
    }
}

void AddressBar::OnNotification(WORD code)
{
    switch (code) {
    case CBN_EDITCHANGE:
        Complete();
        break;
    case CBN_DROPDOWN:
        dropped_ = true;
        break;
    case CBN_CLOSEUP:
        dropped_ = false;
        break;
    case CBN_SELENDOK: {
        if (!dropped_ || busy_ || !Visible())
            break;
        const LRESULT index = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
        const LRESULT length = index == CB_ERR ? CB_ERR : SendMessageA(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == CB_ERR || length < 0)
            break;
        std::string item(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item[0]));
        item.resize(static_cast<std::size_t>(length));
        dropped_ = false;
        Go(item, -1);
        break;
    }
    case CBN_KILLFOCUS:
        Hide();
        break;
    default:
        break;
    }
}

LRESULT CALLBACK AddressBar::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) noexcept
{
    auto* bar = reinterpret_cast<AddressBar*>(data);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_DELETE || wParam == VK_BACK) {
            bar->completing_ = false;
        } else {
            bar->completing_ = true;
            if (wParam == VK_RETURN) {
                int keys = -1;
                if (KeyHeld(VK_SHIFT))
                    keys = kCompletionShift;
                else if (KeyHeld(VK_MENU))
                    keys = kCompletionAlt;
                else if (KeyHeld(VK_CONTROL))
                    keys = kCompletionCtrl;
                try {
                    bar->Go(WindowText(bar->combo_), keys);
                } catch (...) {
                    // Out of memory for the address: nothing is opened.
                }
                return 0;
            }
            if (wParam == VK_ESCAPE)
                return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_RETURN) {
            try {
                bar->Go(WindowText(bar->combo_), kCompletionAlt);
            } catch (...) {
            }
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wParam == VK_ESCAPE) {
            bar->Hide();
            return 0;
        }
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
        // Enter and Esc were acted on as keys; their characters would only beep.
        if (wParam == '\r' || wParam == 27 || wParam == '\n')
            return 0;
        break;
    case WM_RBUTTONDOWN:
        MessageBeep(0);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, EditProc, kEditSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
