#include "minibrowser/CaptionToolBar_win.h"

#include <windowsx.h>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Visuals_win.h"
#include "chrome/CaptionButtons_win.h"
#include "chrome/SkinPainter_win.h"
#include "chrome/SkinResources_win.h"
#include "minibrowser/MiniBrowserFrame_win.h"
#include "minibrowser/ToolbarPlaces.h"
#include "resources/ResourceIds.h"
#include "webalert/WebAlert_win.h"

namespace {

constexpr UINT_PTR kBarSubclassId = 1;
constexpr int kImageSize = 17;
constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr WPARAM kMoveByCaption = 61458;   // SC_MOVE | HTCAPTION

UniqueImageList LoadImages(UINT bitmapId)
{
    UniqueImageList list(ImageList_Create(kImageSize, kImageSize, ILC_COLOR32 | ILC_MASK,
                                          static_cast<int>(minibrowser::kToolbarPlaceCount), 0));
    UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(ResourceModule(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (list && bitmap)
        ImageList_AddMasked(list.Get(), bitmap.Get(), kTransparent);
    return list;
}

CaptionOptions OptionsFor(const MiniBrowserFrame* frame)
{
    CaptionOptions options;
    options.extraButtons = true;
    options.target = frame ? frame->Window() : nullptr;
    options.pinOn = frame && frame->OnTop();
    return options;
}

} // namespace

CaptionToolBar::CaptionToolBar() = default;
CaptionToolBar::~CaptionToolBar() = default;

bool CaptionToolBar::Create(MiniBrowserFrame* frame)
{
    frame_ = frame;
    window_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP |
                                  CCS_NODIVIDER,
                              0, 0, 0, 0, frame->Window(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(0xE800)),   // the standard tool bar id
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        return false;
    const std::string title = LoadText(IDS_MINIBROWSER_TITLE);
    SetWindowTextA(frame->Window(), title.c_str());

    SendMessageA(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(window_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageA(window_, TB_SETBUTTONWIDTH, 0, MAKELPARAM(16, 150));
    images_ = LoadImages(IDB_MINIBROWSER_TOOLBAR);
    hotImages_ = LoadImages(IDB_MINIBROWSER_TOOLBAR_HOT);
    SendMessageA(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
    SendMessageA(window_, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages_.Get()));

    TBBUTTON buttons[minibrowser::kToolbarPlaceCount] = {};
    for (std::size_t i = 0; i < minibrowser::kToolbarPlaceCount; ++i) {
        const minibrowser::ToolbarPlace& place = minibrowser::kToolbarPlaces[i];
        TBBUTTON& b = buttons[i];
        b.idCommand = place.command;
        if (place.command == 0) {
            b.fsStyle = BTNS_SEP;
            b.iBitmap = 6;
            continue;
        }
        b.iBitmap = place.image;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = static_cast<BYTE>(place.dropDown ? BTNS_DROPDOWN : BTNS_BUTTON);
        b.iString = -1;
    }
    SendMessageA(window_, TB_ADDBUTTONSA, minibrowser::kToolbarPlaceCount, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(window_, TB_AUTOSIZE, 0, 0);

    progress_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 0, 0, 80, 12, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MB_PROGRESS)), GetModuleHandleA(nullptr),
                                nullptr);
    if (progress_)
        SendMessageA(progress_, PBM_SETRANGE32, 0, 100);

    LOGFONTA lf = {};
    HDC screen = GetDC(nullptr);
    lf.lfHeight = -MulDiv(7, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    lf.lfWeight = FW_BOLD;
    lstrcpynA(lf.lfFaceName, "Small Fonts", LF_FACESIZE);
    labelFont_.Reset(CreateFontIndirectA(&lf));
    skin_ = std::make_unique<SkinResources>();

    SetWindowSubclass(window_, BarProc, kBarSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

int CaptionToolBar::Height() const
{
    RECT r = {};
    if (window_)
        GetWindowRect(window_, &r);
    return r.bottom - r.top;
}

int CaptionToolBar::CaptionButtonsLeft() const
{
    if (!window_)
        return 0;
    return CaptionButtonRectOf(window_, chrome::CaptionButton::Pin).left;
}

int CaptionToolBar::CaptionLeft() const
{
    if (!window_)
        return kCaptionLeft;
    const LRESULT count = SendMessageA(window_, TB_BUTTONCOUNT, 0, 0);
    RECT last = {};
    if (count <= 0 || !SendMessageA(window_, TB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last)))
        return kCaptionLeft;
    return last.right + 4 > kCaptionLeft ? static_cast<int>(last.right) + 4 : kCaptionLeft;
}

RECT CaptionToolBar::AddressPlace() const
{
    const int left = CaptionLeft() + kAddressBarIndent;
    RECT place = {left, 2, left, 22};
    const int right = CaptionButtonsLeft() - 2;
    place.right = right > place.left ? right : place.left;
    return place;
}

void CaptionToolBar::Layout()
{
    if (!window_)
        return;
    SendMessageA(window_, TB_AUTOSIZE, 0, 0);
    RECT client = {};
    GetClientRect(window_, &client);
    if (progress_) {
        MoveWindow(progress_, client.right - 100, client.bottom - 12, 80, 12, TRUE);
        if (SendMessageA(progress_, PBM_GETPOS, 0, 0) == 0)
            ShowWindow(progress_, SW_HIDE);
    }
    if (address_.Window())
        address_.Place(AddressPlace());
    InvalidateRect(window_, nullptr, TRUE);
}

void CaptionToolBar::SetProgress(long progress, long maximum)
{
    if (!progress_)
        return;
    const bool shows = progress > 0 && maximum > 0;
    SendMessageA(progress_, PBM_SETRANGE32, 0, shows ? maximum : 100);
    SendMessageA(progress_, PBM_SETPOS, shows ? static_cast<WPARAM>(progress) : 0, 0);
    ShowWindow(progress_, shows ? SW_SHOWNA : SW_HIDE);
}

void CaptionToolBar::RepaintCaption()
{
    if (!window_)
        return;
    RECT client = {};
    GetClientRect(window_, &client);
    client.left = CaptionLeft();
    InvalidateRect(window_, &client, TRUE);
}

void CaptionToolBar::ShowAddressBar(const std::string& address, bool dropped)
{
    if (window_)
        address_.Show(window_, frame_, AddressPlace(), address, dropped);
}

void CaptionToolBar::PaintCaption(HDC dc)
{
    RECT client = {};
    GetClientRect(window_, &client);
    const int captionLeft = CaptionLeft();
    if (client.right <= captionLeft)
        return;
    RECT area = client;
    area.left = captionLeft;
    FillLikeActiveCaption(window_, dc, area, ThemeActive());

    const int buttonsLeft = CaptionButtonsLeft();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    const std::string label = LoadText(IDS_MINIBROWSER_LABEL);
    RECT labelRect = {captionLeft + 5, 0, captionLeft + 5, client.bottom};
    {
        SelectInScope font(dc, labelFont_ ? static_cast<HGDIOBJ>(labelFont_.Get()) : GetStockObject(DEFAULT_GUI_FONT));
        DrawTextA(dc, label.c_str(), -1, &labelRect, DT_CALCRECT | DT_NOPREFIX);
        const int height = labelRect.bottom - labelRect.top;
        OffsetRect(&labelRect, 0, (client.bottom - height) / 2);
        DrawTextA(dc, label.c_str(), -1, &labelRect, DT_NOPREFIX);
    }
    if (frame_) {
        RECT addressRect = {labelRect.right + 10, 0, buttonsLeft - 2, client.bottom};
        if (addressRect.right > addressRect.left) {
            SelectInScope font(dc, GetStockObject(DEFAULT_GUI_FONT));
            DrawTextA(dc, frame_->CurrentAddress().c_str(), -1, &addressRect,
                      DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        }
    }
    DrawCaptionButtons(window_, dc, OptionsFor(frame_), hot_, skin_.get());
    if (address_.Visible())
        RedrawWindow(address_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HMENU CaptionToolBar::PrepareMenu(HMENU menu180, int command)
{
    const minibrowser::ToolbarPlace* place = minibrowser::DropDownPlaceFor(command);
    if (!menu180 || !place)
        return nullptr;
    HMENU menu = GetSubMenu(menu180, place->submenu);
    if (!menu)
        return nullptr;
    switch (place->submenu) {
    case minibrowser::kFavoritesSubmenu:
        if (frame_)
            frame_->FillFavoritesMenu(menu);
        break;
    case minibrowser::kWebAlertSubmenu:
        BuildPagesMenu(menu);
        break;
    case minibrowser::kNewPageSubmenu:
        if (int item = minibrowser::DefaultNewWindowCommand(Options().MiniBrowserCtrlN))
            SetMenuDefaultItem(menu, static_cast<UINT>(item), FALSE);
        break;
    default:
        break;
    }
    return menu;
}

void CaptionToolBar::ShowDropDown(int command)
{
    UniqueMenu menu180(LoadMenuInLanguage(IDR_MINIBROWSER_MENU));
    HMENU menu = PrepareMenu(menu180.Get(), command);
    if (!menu || !frame_)
        return;
    RECT button = {};
    const LRESULT index = SendMessageA(window_, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0);
    SendMessageA(window_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    POINT at = {button.left, button.bottom};
    ClientToScreen(window_, &at);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, frame_->Window(), nullptr);
}

bool CaptionToolBar::OnNotify(const NMHDR* header, LRESULT& result)
{
    if (!header)
        return false;
    switch (header->code) {
    case TBN_DROPDOWN: {
        const auto* info = reinterpret_cast<const NMTOOLBARA*>(header);
        ShowDropDown(info->iItem);
        result = TBDDRET_DEFAULT;
        return true;
    }
    case TTN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(header));
        const unsigned id = minibrowser::ToolTipStringFor(static_cast<int>(header->idFrom));
        const std::string text = id ? LoadText(id, 79) : std::string();
        lstrcpynA(info->szText, text.c_str(), sizeof info->szText);
        info->lpszText = info->szText;
        info->hinst = nullptr;
        SetWindowPos(header->hwndFrom, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        result = 0;
        return true;
    }
    case TTN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(header));
        const unsigned id = minibrowser::ToolTipStringFor(static_cast<int>(header->idFrom));
        const std::string text = id ? LoadText(id, 79) : std::string();
        info->szText[0] = L'\0';
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info->szText, sizeof info->szText / sizeof info->szText[0]);
        info->szText[sizeof info->szText / sizeof info->szText[0] - 1] = L'\0';
        info->lpszText = info->szText;
        info->hinst = nullptr;
        SetWindowPos(header->hwndFrom, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

LRESULT CaptionToolBar::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT: {
        LRESULT r = DefSubclassProc(window_, message, wParam, lParam);
        HDC dc = GetDC(window_);
        PaintCaption(dc);
        ReleaseDC(window_, dc);
        return r;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_MB_ADDRESS) {
            address_.OnNotification(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (p.x >= CaptionLeft())
            hot_ = CaptionMouseMove(window_, p, OptionsFor(frame_), skin_.get());
        break;
    case WM_LBUTTONDOWN:
        if (p.x >= CaptionLeft() && p.x < CaptionButtonsLeft() && frame_) {
            SendMessageA(frame_->Window(), WM_SYSCOMMAND, kMoveByCaption, 0);
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (p.x >= CaptionLeft() && CaptionMouseUp(window_, p, OptionsFor(frame_))) {
            RepaintCaption();
            return 0;
        }
        break;
    case WM_RBUTTONUP:
        if (frame_) {
            frame_->ShowAddressBar(false);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK CaptionToolBar::BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR data) noexcept
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, BarProc, kBarSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    auto* bar = reinterpret_cast<CaptionToolBar*>(data);
    try {
        return bar->Handle(message, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
}
