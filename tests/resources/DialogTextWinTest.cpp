// Every text of every dialog template, in English and in French, fits its control: each
// dialog is built from its template, and each static text, button, check box, radio
// button and group box is measured with the control's own font against its client area.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Template {
    UINT id;
    LANGID language;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR name, WORD language, LONG_PTR all)
{
    reinterpret_cast<std::vector<Template>*>(all)->push_back(
        {static_cast<UINT>(reinterpret_cast<UINT_PTR>(name)), language});
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR all)
{
    if (IS_INTRESOURCE(name))
        EnumResourceLanguagesA(module, type, name, AddLanguage, all);
    return TRUE;
}

INT_PTR CALLBACK QuietProc(HWND, UINT, WPARAM, LPARAM) noexcept
{
    return FALSE;
}

// The template built as it stands (shown, on the test's own display). A property page is its
// sheet's child; measured alone it stands as a pop-up.
HWND Create(const Template& t)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(t.id), t.language);
    if (!found)
        return nullptr;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    std::vector<BYTE> copy(data, data + SizeofResource(module, found));
    const bool extended = copy.size() >= 16 && copy[0] == 1 && copy[1] == 0 && copy[2] == 0xFF && copy[3] == 0xFF;
    DWORD style = 0;
    std::memcpy(&style, copy.data() + (extended ? 12 : 0), sizeof style);
    if (style & WS_CHILD)
        style = (style & ~static_cast<DWORD>(WS_CHILD)) | WS_POPUP;
    std::memcpy(copy.data() + (extended ? 12 : 0), &style, sizeof style);
    return CreateDialogIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), nullptr, QuietProc, 0);
}

// The window's font selected into dc, until the end of the scope.
struct WindowDc {
    explicit WindowDc(HWND w) : window(w), dc(GetDC(w))
    {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0));
        old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    }
    ~WindowDc()
    {
        SelectObject(dc, old);
        ReleaseDC(window, dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HWND window;
    HDC dc;
    HGDIOBJ old;
};

// Empty when the text fits (or the control is none of those measured), else what is wrong.
std::string Clipping(HWND control, int& measured)
{
    char cls[16] = {}, text[1024] = {};
    GetClassNameA(control, cls, sizeof cls);
    GetWindowTextA(control, text, sizeof text);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    WindowDc paint(control);
    SIZE zero = {};
    GetTextExtentPoint32A(paint.dc, "0", 1, &zero);
    int extra = 0;   // the glyph of a check box, the frame of a button
    bool wraps = (style & BS_MULTILINE) != 0;
    UINT prefix = 0;
    if (!*text) {
        return "";
    } else if (lstrcmpiA(cls, "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if ((type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) || (style & SS_ELLIPSISMASK))
            return "";   // no text, or cut on purpose with an ellipsis
        wraps = type <= SS_RIGHT;
        prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    } else if (lstrcmpiA(cls, "Button") != 0) {
        return "";
    } else if (const LONG type = style & BS_TYPEMASK; type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ||
                                                      type == BS_OWNERDRAW) {
        extra = 2 * (GetSystemMetrics(SM_CXEDGE) + 2);   // the face's edges and the focus rectangle
    } else if (type == BS_GROUPBOX) {
        extra = 2 * zero.cx;   // the frame's line runs a few pixels on each side of the title
        wraps = false;
    } else if (type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON && type != BS_USERBUTTON) {
        // The box or circle, then a gap of half a digit before the text.
        extra = (GetSystemMetrics(SM_CXMENUCHECK) > 13 ? GetSystemMetrics(SM_CXMENUCHECK) : 13) +
                (zero.cx / 2 > 3 ? zero.cx / 2 : 3);
    } else {
        return "";
    }
    ++measured;
    RECT client = {};
    GetClientRect(control, &client);
    const int room = client.right - extra;
    RECT need = {0, 0, room > 1 ? room : 1, 0};
    DrawTextA(paint.dc, text, -1, &need, DT_CALCRECT | DT_EXPANDTABS | prefix | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    if (need.right > room)
        return "needs " + std::to_string(need.right + extra) + " px across, has " + std::to_string(client.right);
    if (wraps && need.bottom > client.bottom)
        return "needs " + std::to_string(need.bottom) + " px down, has " + std::to_string(client.bottom);
    return "";
}

TEST(DialogTexts, EveryTextOfEveryTemplateFitsItsControlInBothLanguages)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<Template> templates;
    EnumResourceNamesA(GetModuleHandleA(nullptr), RT_DIALOG, AddName, reinterpret_cast<LONG_PTR>(&templates));
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const LANGID french = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
    int englishCount = 0, frenchCount = 0, measured = 0;
    for (const Template& t : templates) {
        englishCount += t.language == english;
        frenchCount += t.language == french;
        const std::string where = "dialog " + std::to_string(t.id) + (t.language == french ? " (French)" : " (English)");
        HWND dialog = Create(t);
        ASSERT_NE(dialog, nullptr) << where << ": error " << GetLastError();
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            char text[1024] = {};
            GetWindowTextA(control, text, sizeof text);
            EXPECT_EQ(Clipping(control, measured), "") << where << ", control " << GetDlgCtrlID(control) << " \""
                                                       << text << "\" is clipped";
        }
        DestroyWindow(dialog);
    }
    EXPECT_GE(englishCount, 7);
    EXPECT_EQ(englishCount, frenchCount) << "every template exists in both languages";
    EXPECT_GT(measured, 50) << "the texts were found and measured";
}

} // namespace
