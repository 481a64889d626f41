#pragma once
// The keys a mini browser frame takes before its page sees them.

namespace minibrowser {

enum class KeyAction {
    Pass,               // the page gets the key
    Swallow,            // the page must not see it (the press of a key acted on at release)
    NewWindow,          // Ctrl+N: by MiniBrowserCtrlN
    ShowAddressBar,     // Ctrl+U
    Back,               // Ctrl+Page Up
    Forward,            // Ctrl+Page Down
    PreviousWindow,     // Ctrl+Up
    NextWindow,         // Ctrl+Down
    Close,              // Esc
    Help,               // F1
    DefaultBrowser,     // F2
    OpenLauncher,       // F3
    CloseAll,           // Ctrl+Shift+F4
    DropAddressBar,     // F4: the address bar with its list dropped down
    MinimiseAll,        // Ctrl+Shift+F5
    Refresh,            // F5
    TogglePopupBlocking,// F6
    DefaultPlacement,   // F7
};

enum class KeyPhase { Down, Up };

struct KeyState {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// virtualKey is the key's VK_ code (letters as their capitals). The function keys and Esc act
// on release; their presses are swallowed so that the page does not act on them as well.
KeyAction KeyActionFor(KeyPhase phase, unsigned virtualKey, KeyState keys);

} // namespace minibrowser
