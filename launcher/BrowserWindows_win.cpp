// The close-all-browsers command: every visible Internet Explorer window, whoever opened it.
#include "app/Subsystems_win.h"

#include <vector>

#include "launcher/Openers.h"

namespace {
// Class names are read into 256 characters.
constexpr int kClassNameBuffer = 256;
// A browser that does not answer must not freeze the program.
constexpr UINT kCloseTimeoutMs = 2000;

BOOL CALLBACK CollectBrowserWindow(HWND window, LPARAM found) noexcept
{
    char className[kClassNameBuffer] = {};
    int length = GetClassNameA(window, className, kClassNameBuffer);
    bool hasInstance = GetWindowLongPtrA(window, GWLP_HINSTANCE) != 0;
    if (IsBrowserWindowToClose(hasInstance, IsWindowVisible(window) != FALSE,
                               std::string_view(className, length > 0 ? static_cast<std::size_t>(length) : 0)))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}
} // namespace

void CloseBrowserWindows()
{
    // Collected first: closing while the enumeration runs would change the list it walks.
    std::vector<HWND> windows;
    EnumWindows(CollectBrowserWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, kCloseTimeoutMs, &result);
    }
}
