#pragma once
// The state of one open launcher dialog (layout 129 or 138), kept with its window and freed
// when the window goes. The files of the launcher dialog share it: the dialog procedure, the
// text box, the menus, the tree, the layout and the close.
#include <windows.h>

#include <memory>

#include "launcher/FavoritesMenu.h"
#include "launcher/LauncherLayout.h"

class LauncherTree;

class LauncherWindow {
public:
    explicit LauncherWindow(HWND window);
    ~LauncherWindow();
    LauncherWindow(const LauncherWindow&) = delete;
    LauncherWindow& operator=(const LauncherWindow&) = delete;

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    // Control 1000, the text box (a drop-down combo box).
    HWND TextBox() const;
    // Layout 138: the tree of recent items; null in the compact layout.
    LauncherTree* Tree() const { return tree_.get(); }
    bool HasTree() const { return Item(kTreeId) != nullptr; }
    void SetTree(std::unique_ptr<LauncherTree> tree);

    // The text box's typing state: completion runs while the user types, not after he removed
    // text, and never inside its own change of the text.
    bool typing = false;
    bool completing = false;
    // Closing for good has begun.
    bool closing = false;
    // When the help page was last opened: F1 may reach the launcher twice (the key, and the
    // system's help request made of it).
    DWORD lastHelp = 0;
    bool helpOpened = false;
    // The controls' heights by their font, measured at creation.
    LauncherMetrics metrics;
    // The favorites of the last Go To URL menu, by command id.
    FavoritesMenu urlMenuFavorites;

private:
    static constexpr int kTreeId = 1016;
    HWND window_;
    std::unique_ptr<LauncherTree> tree_;
};

// The launcher state of a dialog window; null for another window or before its creation.
LauncherWindow* LauncherOf(HWND dialog);
void AttachLauncher(HWND dialog, LauncherWindow* launcher);
void DetachLauncher(HWND dialog);
