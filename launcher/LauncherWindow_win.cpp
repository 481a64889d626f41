#include "launcher/LauncherWindow_win.h"

#include "launcher/LauncherTree_win.h"

LauncherWindow::LauncherWindow(HWND window) : window_(window) {}

LauncherWindow::~LauncherWindow() = default;

HWND LauncherWindow::TextBox() const
{
    return Item(1000);
}

void LauncherWindow::SetTree(std::unique_ptr<LauncherTree> tree)
{
    tree_ = std::move(tree);
}

LauncherWindow* LauncherOf(HWND dialog)
{
    if (!dialog || !IsWindow(dialog))
        return nullptr;
    return reinterpret_cast<LauncherWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void AttachLauncher(HWND dialog, LauncherWindow* launcher)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(launcher));
}

void DetachLauncher(HWND dialog)
{
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
}
