#include "TestDialog_win.h"

#include <string>

namespace chrome_test {

namespace {

// DLGTEMPLATE and DLGITEMTEMPLATE records, word by word, DWORD-aligned items.
class TemplateWriter {
public:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d)
    {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const char* text)
    {
        for (const char* p = text; *p; ++p)
            Word(static_cast<WORD>(static_cast<unsigned char>(*p)));
        Word(0);
    }
    void Align()
    {
        if (words_.size() % 2)
            Word(0);
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom, const char* text)
    {
        Align();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word(static_cast<WORD>(x));
        Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);   // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

} // namespace

TestDialog::TestDialog(const TestDialogOptions& o)
{
    TemplateWriter t;
    t.Dword(DS_SETFONT | DS_3DLOOK | WS_POPUP | WS_THICKFRAME | WS_VISIBLE | WS_CLIPSIBLINGS);
    t.Dword(WS_EX_TOOLWINDOW);
    t.Word(8);   // items
    t.Word(10);
    t.Word(10);
    t.Word(static_cast<WORD>(o.width));
    t.Word(static_cast<WORD>(o.height));
    t.Word(0);   // no menu
    t.Word(0);   // standard class
    t.Text("Chrome test");
    t.Word(8);
    t.Text("MS Shell Dlg");
    const DWORD button = o.ownerDrawn ? BS_OWNERDRAW : BS_PUSHBUTTON;
    t.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 12, 36, 120, 12, kTextBox, kEditClass, "");
    t.Item((o.ownerDrawn ? BS_OWNERDRAW : BS_DEFPUSHBUTTON) | WS_TABSTOP, 140, 35, 48, 14, kGo, kButtonClass, "&Go");
    t.Item(button | WS_TABSTOP, 12, 54, 56, 14, kGoWith, kButtonClass, "Go &With");
    t.Item(button | WS_TABSTOP | WS_DISABLED, 72, 54, 56, 14, kTranslate, kButtonClass, "T&ranslate");
    t.Item(BS_OWNERDRAW | WS_TABSTOP, 132, 54, 20, 14, kPicture, kButtonClass, "");
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 156, 54, 32, 14, kPlainPush, kButtonClass, "&Setup");
    t.Item(BS_AUTOCHECKBOX | WS_TABSTOP, 12, 72, 100, 10, kCheck, kButtonClass, "Do not show again");
    t.Item(SS_LEFT, 116, 72, 72, 10, kLabel, kStaticClass, "A label");
    window_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.Get(), nullptr, Proc,
                                         reinterpret_cast<LPARAM>(this));
}

TestDialog::~TestDialog()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
}

int TestDialog::Commands(WORD id) const
{
    int n = 0;
    for (const Received& r : received)
        n += r.message == WM_COMMAND && LOWORD(r.wParam) == id;
    return n;
}

int TestDialog::SysCommands(WPARAM code) const
{
    int n = 0;
    for (const Received& r : received)
        n += r.message == WM_SYSCOMMAND && r.wParam == code;
    return n;
}

INT_PTR CALLBACK TestDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self)
        return FALSE;
    // Requests: commands (not the controls' focus and change notifications) and system commands.
    const bool request = (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ||
                         (message == WM_SYSCOMMAND && (wParam & 0xFFF0) != SC_MOVE);
    if (request) {
        self->received.push_back({message, wParam, lParam});
        return TRUE;
    }
    return FALSE;
}

RecordingWindow::RecordingWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ChromeTestRecorder";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RecordingWindow::~RecordingWindow()
{
    if (window_)
        DestroyWindow(window_);
}

int RecordingWindow::Count(UINT message, LPARAM lParam) const
{
    int n = 0;
    for (const Received& r : received)
        n += r.message == message && r.lParam == lParam;
    return n;
}

LRESULT CALLBACK RecordingWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message >= WM_USER)
        self->received.push_back({message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace chrome_test
