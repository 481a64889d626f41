// Every text of every dialog template, in English and in French, fits its control: each
// dialog is built hidden from its template, and each static text, button, check box, radio
// button and group box is measured with the control's own font against its client area.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);

struct Template {
    UINT id;
    LANGID language;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR name, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<Template>*>(param)->push_back(
        {static_cast<UINT>(reinterpret_cast<UINT_PTR>(name)), language});
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    if (IS_INTRESOURCE(name))
        EnumResourceLanguagesA(module, type, name, AddLanguage, param);
    return TRUE;
}

std::vector<Template> DialogTemplates()
{
    std::vector<Template> all;
    EnumResourceNamesA(GetModuleHandleA(nullptr), RT_DIALOG, AddName, reinterpret_cast<LONG_PTR>(&all));
    return all;
}

// A copy of the template without WS_VISIBLE, so that nothing shows while it is measured.
std::vector<BYTE> HiddenCopy(const Template& t)
{
    HRSRC found = FindResourceExA(GetModuleHandleA(nullptr), RT_DIALOG, MAKEINTRESOURCEA(t.id), t.language);
    if (!found)
        return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleA(nullptr), found)));
    std::vector<BYTE> copy(data, data + SizeofResource(GetModuleHandleA(nullptr), found));
    const bool extended = copy.size() >= 4 && copy[0] == 1 && copy[1] == 0 && copy[2] == 0xFF && copy[3] == 0xFF;
    const std::size_t styleAt = extended ? 12 : 0;
    DWORD style = 0;
    std::memcpy(&style, copy.data() + styleAt, sizeof style);
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    // A property page is its sheet's child; measured alone it stands as a pop-up.
    if (style & WS_CHILD)
        style = (style & ~static_cast<DWORD>(WS_CHILD)) | WS_POPUP;
    std::memcpy(copy.data() + styleAt, &style, sizeof style);
    return copy;
}

INT_PTR CALLBACK QuietProc(HWND, UINT, WPARAM, LPARAM) noexcept
{
    return FALSE;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// What one control needs beside its text, and how its text is laid out.
struct Need {
    bool measured = false;
    int extraWidth = 0;    // the glyph of a check box, the frame of a button
    bool wraps = false;
    UINT prefix = 0;       // DT_NOPREFIX when "&" is shown as it is
};

Need NeedOf(HWND control, HDC dc)
{
    Need need;
    const std::string cls = ClassOf(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (lstrcmpiA(cls.c_str(), "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE)
            return need;
        if (style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS))
            return need;   // cut on purpose, with an ellipsis
        need.measured = true;
        need.wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
        need.prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        return need;
    }
    if (lstrcmpiA(cls.c_str(), "Button") != 0)
        return need;
    const LONG type = style & BS_TYPEMASK;
    need.wraps = (style & BS_MULTILINE) != 0;
    SIZE zero = {};
    GetTextExtentPoint32A(dc, "0", 1, &zero);
    switch (type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_OWNERDRAW:
        // The face's edges and the focus rectangle inside them.
        need.measured = true;
        need.extraWidth = 2 * (GetSystemMetrics(SM_CXEDGE) + 2);
        break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        // The box or circle, then a gap of half a digit before the text.
        const int glyph = GetSystemMetrics(SM_CXMENUCHECK) > 13 ? GetSystemMetrics(SM_CXMENUCHECK) : 13;
        need.measured = true;
        need.extraWidth = glyph + (zero.cx / 2 > 3 ? zero.cx / 2 : 3);
        break;
    }
    case BS_GROUPBOX:
        // The frame's line runs a few pixels on each side of the title.
        need.measured = true;
        need.extraWidth = 2 * zero.cx;
        need.wraps = false;
        break;
    default:
        break;
    }
    return need;
}

// Empty when the text fits, else what is wrong.
std::string Clipping(HWND control, bool& measured)
{
    measured = false;
    const std::string text = TextOf(control);
    if (text.empty())
        return std::string();
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    const Need need = NeedOf(control, dc);
    std::string problem;
    measured = need.measured;
    if (need.measured) {
        RECT client = {};
        GetClientRect(control, &client);
        const int room = client.right - need.extraWidth;
        RECT calc = {0, 0, room > 1 ? room : 1, 0};
        const UINT flags = DT_CALCRECT | DT_EXPANDTABS | need.prefix | (need.wraps ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextA(dc, text.c_str(), -1, &calc, flags);
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        if (calc.right > room) {
            problem = "needs " + std::to_string(calc.right + need.extraWidth) + " px across, has " +
                      std::to_string(client.right);
        } else if (need.wraps && calc.bottom > client.bottom) {
            problem = "needs " + std::to_string(calc.bottom) + " px down, has " + std::to_string(client.bottom);
        }
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return problem;
}

// The family of the font file that draws the window's text (a substituted name such as
// "MS Shell Dlg" is not it).
std::string FamilyOf(HWND window)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    std::string family;
    UINT size = GetOutlineTextMetricsA(dc, 0, nullptr);
    if (size > 0) {
        std::vector<char> buffer(size);
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
        if (GetOutlineTextMetricsA(dc, size, metrics))
            family = buffer.data() + reinterpret_cast<UINT_PTR>(metrics->otmpFamilyName);
    }
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return family;
}

int CALLBACK NoteFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const char* face)
{
    LOGFONTA look = {};
    look.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(look.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &look, NoteFont, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

TEST(DialogTexts, EveryTextOfEveryTemplateFitsItsControlInBothLanguages)
{
    // The measures mean something only with the fonts the program is seen with: the system's
    // caption buttons are Marlett glyphs, and the dialogs' shell font is Tahoma.
    EXPECT_TRUE(FontInstalled("Marlett")) << "caption buttons would show letters";
    EXPECT_TRUE(FontInstalled("Tahoma"));

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const std::vector<Template> templates = DialogTemplates();
    int english = 0, french = 0, measured = 0;
    for (const Template& t : templates) {
        english += t.language == kEnglish;
        french += t.language == kFrench;
        const std::string where = "dialog " + std::to_string(t.id) + (t.language == kFrench ? " (French)" : " (English)");
        std::vector<BYTE> copy = HiddenCopy(t);
        ASSERT_FALSE(copy.empty()) << where;
        HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()),
                                                 nullptr, QuietProc, 0);
        ASSERT_NE(dialog, nullptr) << where << ": error " << GetLastError();
        EXPECT_EQ(FamilyOf(dialog), "Tahoma") << where;
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            bool wasMeasured = false;
            const std::string problem = Clipping(control, wasMeasured);
            measured += wasMeasured ? 1 : 0;
            EXPECT_EQ(problem, "") << where << ", control " << GetDlgCtrlID(control) << " \"" << TextOf(control)
                                   << "\" is clipped";
        }
        DestroyWindow(dialog);
    }
    EXPECT_GE(english, 7);
    EXPECT_EQ(english, french) << "every template exists in both languages";
    EXPECT_GT(measured, 50) << "the texts were found and measured";
}

} // namespace
