#pragma once
// The launcher dialog opened inside the test process, with the stand-in browser as the user's
// browser: helpers to type into its text box, to read its controls, and to answer the modal
// windows (menus, questions, the close notice) it opens while a test waits for it.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/AppContext_win.h"
#include "app/LauncherHost_win.h"
#include "app/ResourceLoader_win.h"
#include "tests/launcher/LauncherWinFixture_win.h"

namespace lt {

// Two engines in use and one not; the second is the favorite.
constexpr char kDialogEngines[] =
    "[Searcher]\r\n"
    "Searcher1=First|\"http://first.example/?q=%s\"|http://first.example/|1\r\n"
    "Searcher2=Second|\"http://second.example/find?p=%s\"|http://second.example/|1\r\n"
    "Searcher3=Off|\"http://off.example/?q=%s\"|http://off.example/|0\r\n";

inline std::string WindowTextOf(HWND window)
{
    char text[1100] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline HWND EditOf(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    return info.hwndItem;
}

// Runs step on a timer until it says it is done: the way to act while the code under test
// sits in a modal loop (a menu, a message box, a dialog) that the test's call waits for.
class WhileModal {
public:
    explicit WhileModal(std::function<bool()> step)
    {
        Step() = std::move(step);
        Ticks() = 0;
        timer_ = SetTimer(nullptr, 0, 100, Tick);
    }
    ~WhileModal()
    {
        KillTimer(nullptr, timer_);
        Step() = nullptr;
    }
    WhileModal(const WhileModal&) = delete;
    WhileModal& operator=(const WhileModal&) = delete;

private:
    static std::function<bool()>& Step()
    {
        static std::function<bool()> step;
        return step;
    }
    static int& Ticks()
    {
        static int ticks = 0;
        return ticks;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        if (Step() && Step()())
            Step() = nullptr;
        // A step that never comes true must not leave the test waiting in the modal loop.
        if (Step() && ++Ticks() > kGiveUpTicks) {
            Step() = nullptr;
            EndMenu();
            for (HWND w : wt::WindowsOfProcess(GetCurrentProcessId())) {
                char name[16] = {};
                GetClassNameA(w, name, sizeof name);
                if (std::string(name) == "#32770" && w != App().launcherWindow && IsWindowEnabled(w))
                    PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            }
        }
        if (!Step())
            KillTimer(nullptr, id);
    }
    static constexpr int kGiveUpTicks = 80;
    UINT_PTR timer_ = 0;
};

// A dialog of this thread, other than the launcher, holding the control id.
inline HWND ModalWithControl(int id)
{
    for (HWND w : wt::WindowsOfProcess(GetCurrentProcessId())) {
        char name[16] = {};
        GetClassNameA(w, name, sizeof name);
        if (std::string(name) == "#32770" && w != App().launcherWindow && IsWindowVisible(w) && GetDlgItem(w, id))
            return w;
    }
    return nullptr;
}

class LauncherDialogTest : public LauncherWin {
protected:
    void TearDown() override
    {
        SetKeys({});
        LauncherWin::TearDown();
    }

    // Starts the program on these options (lines of section Options) and opens the launcher.
    HWND Open(const std::string& options = "")
    {
        if (!StartWithSettings("[Options]\r\nWelCome=1\r\nFavorite=Second\r\nUseMiniBrowserSearch=0\r\n" + options +
                               kDialogEngines))
            return nullptr;
        OpenLauncher();
        launcher_ = App().launcherWindow;
        wt::PumpMessages(50);
        return launcher_;
    }

    HWND Item(int id) const { return GetDlgItem(launcher_, id); }
    HWND Box() const { return Item(1000); }
    HWND Edit() const { return EditOf(Box()); }
    std::string BoxText() const { return WindowTextOf(Box()); }
    void Command(int id) { SendMessageA(launcher_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    // A key as the keyboard sends it to the focused edit field, with its character.
    void Key(UINT key, char character = 0)
    {
        SendMessageA(Edit(), WM_KEYDOWN, key, 1);
        if (character)
            SendMessageA(Edit(), WM_CHAR, static_cast<unsigned char>(character), 1);
        SendMessageA(Edit(), WM_KEYUP, key, 0xC0000001);
    }
    void Type(const std::string& text)
    {
        for (char c : text) {
            SHORT scan = VkKeyScanA(c);
            Key(static_cast<UINT>(scan & 0xFF), c);
        }
    }
    struct Sel { int start; int end; };
    Sel Selection() const
    {
        DWORD start = 0, end = 0;
        SendMessageA(Box(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }

    // The keys the program sees held (this thread's key state).
    static void SetKeys(const std::vector<int>& held)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LSHIFT, VK_LCONTROL, VK_LMENU})
            state[key] = 0;
        for (int key : held)
            state[key] = 0x80;
        SetKeyboardState(state);
    }

    // Runs the program's message loop for a while: the launcher's keys go through the dialog
    // manager first, as in the running program.
    static void RunLoop(DWORD forMs)
    {
        DWORD start = GetTickCount();
        do {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                HWND dialog = Windows().pretranslate;
                if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg))
                    continue;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        } while (GetTickCount() - start < forMs);
    }

    bool Gone() const { return !IsWindow(launcher_) && App().launcherWindow == nullptr; }

    HWND launcher_ = nullptr;
};

} // namespace lt
