#pragma once
// A dialog for the chrome's Wine tests, built in memory: a resizable pop-up without a system
// caption, like the launcher, with owner-drawn, plain and picture buttons, a check box, a
// static text and an edit field. It records the requests it receives.
#include <windows.h>

#include <vector>

namespace chrome_test {

// Control ids.
constexpr int kGo = IDOK;
constexpr int kGoWith = 1010;
constexpr int kTranslate = 200;     // disabled
constexpr int kPicture = 201;
constexpr int kPlainPush = 1011;
constexpr int kCheck = 1003;
constexpr int kLabel = 1020;
constexpr int kTextBox = 1000;

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct TestDialogOptions {
    bool ownerDrawn = true;     // the buttons are owner-drawn (else plain push buttons)
    int width = 200;            // dialog units
    int height = 90;
};

class TestDialog {
public:
    explicit TestDialog(const TestDialogOptions& options = {});
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    // WM_COMMAND and WM_SYSCOMMAND requests that reached the dialog procedure.
    std::vector<Received> received;
    int Commands(WORD id) const;
    int SysCommands(WPARAM code) const;

private:
    static INT_PTR CALLBACK Proc(HWND, UINT, WPARAM, LPARAM) noexcept;
    HWND window_ = nullptr;
};

// A top-level window that records what is posted or sent to it (stands in for the main window).
class RecordingWindow {
public:
    RecordingWindow();
    ~RecordingWindow();
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;
    HWND Window() const { return window_; }
    std::vector<Received> received;
    int Count(UINT message, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM) noexcept;
    HWND window_ = nullptr;
};

} // namespace chrome_test
