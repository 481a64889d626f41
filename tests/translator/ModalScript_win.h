#pragma once
// Drives modal dialogs from inside their own message loops: a thread timer plays steps, one
// after the other, on the test thread, so that the steps may check with gtest and touch the
// dialogs directly. A step returns true when it is done; until then it is asked again on the
// next tick. Actions that open further modal loops (a button that shows a message box or runs
// a translation) are posted, so that the step returns before the nested loop starts.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tt {

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The top-level windows of this thread.
inline std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

inline std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> windows;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

inline bool IsDialogWindow(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

class ModalScript {
public:
    using Step = std::function<bool()>;

    ModalScript& Then(Step step)
    {
        steps_.push_back(std::move(step));
        return *this;
    }

    // Runs open (which runs the modal loop) while the steps play. When they do not finish in
    // time the test fails and every dialog of the thread is cancelled.
    INT_PTR Run(const std::function<INT_PTR()>& open, DWORD timeoutMs = 30000)
    {
        Current() = this;
        started_ = GetTickCount();
        timeoutMs_ = timeoutMs;
        UINT_PTR timer = SetTimer(nullptr, 0, 40, Tick);
        INT_PTR result = open();
        KillTimer(nullptr, timer);
        Current() = nullptr;
        EXPECT_EQ(next_, steps_.size()) << "the script stopped at step " << next_;
        return result;
    }

    bool Finished() const { return next_ == steps_.size(); }

private:
    static ModalScript*& Current()
    {
        static ModalScript* current = nullptr;
        return current;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ModalScript* self = Current();
        if (!self || self->busy_)
            return;
        self->busy_ = true;
        while (self->next_ < self->steps_.size() && self->steps_[self->next_]())
            ++self->next_;
        if (self->next_ < self->steps_.size() && GetTickCount() - self->started_ > self->timeoutMs_) {
            if (!self->timedOut_)
                ADD_FAILURE() << "step " << self->next_ << " did not finish in time";
            self->timedOut_ = true;
            CancelAllDialogs();
        }
        self->busy_ = false;
    }

    static void CancelAllDialogs()
    {
        for (HWND window : ThreadWindows())
            if (IsDialogWindow(window))
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool busy_ = false;
    bool timedOut_ = false;
    DWORD started_ = 0;
    DWORD timeoutMs_ = 0;
};

inline std::string WindowString(HWND window)
{
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline std::string ItemString(HWND dialog, int id)
{
    return WindowString(GetDlgItem(dialog, id));
}

// A visible top-level dialog of this thread that holds a control with this id; null when none.
inline HWND DialogWithItem(int id, HWND except = nullptr)
{
    for (HWND window : ThreadWindows())
        if (window != except && IsWindowVisible(window) && GetDlgItem(window, id))
            return window;
    return nullptr;
}

inline int CountDialogsWithItem(int id)
{
    int count = 0;
    for (HWND window : ThreadWindows())
        count += GetDlgItem(window, id) ? 1 : 0;
    return count;
}

// A message box of this thread (a dialog with a child whose text is text); null when none.
inline HWND MessageBoxShowing(const std::string& text)
{
    for (HWND window : ThreadWindows()) {
        if (!IsDialogWindow(window) || !IsWindowVisible(window))
            continue;
        for (HWND child : ChildWindows(window))
            if (WindowString(child) == text)
                return window;
    }
    return nullptr;
}

inline void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Selects item index of a drop-down list as the user would, with the change notification.
inline void Choose(HWND dialog, int combo, int index)
{
    HWND box = GetDlgItem(dialog, combo);
    SendMessageA(box, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

inline int Selection(HWND dialog, int combo)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0));
}

inline std::string ListText(HWND list, int row, int column)
{
    char text[1024] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

inline std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<no clipboard>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

inline void SetClipboardText(const std::string& text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    if (!text.empty()) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        if (char* chars = static_cast<char*>(GlobalLock(memory))) {
            memcpy(chars, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            SetClipboardData(CF_TEXT, memory);
        }
    }
    CloseClipboard();
}

}  // namespace tt
