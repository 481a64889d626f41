#include "minibrowser/MiniBrowserKeys.h"

namespace minibrowser {

namespace {
constexpr unsigned kEscape = 0x1B;
constexpr unsigned kPageUp = 0x21;
constexpr unsigned kPageDown = 0x22;
constexpr unsigned kUp = 0x26;
constexpr unsigned kDown = 0x28;
constexpr unsigned kF1 = 0x70;
constexpr unsigned kF7 = 0x76;

KeyAction FunctionKey(unsigned virtualKey, KeyState keys)
{
    const bool ctrlShift = keys.ctrl && keys.shift;
    switch (virtualKey - kF1 + 1) {
    case 1: return KeyAction::Help;
    case 2: return KeyAction::DefaultBrowser;
    case 3: return KeyAction::OpenLauncher;
    case 4: return ctrlShift ? KeyAction::CloseAll : KeyAction::DropAddressBar;
    case 5: return ctrlShift ? KeyAction::MinimiseAll : KeyAction::Refresh;
    case 6: return KeyAction::TogglePopupBlocking;
    default: return KeyAction::DefaultPlacement;
    }
}
} // namespace

KeyAction KeyActionFor(KeyPhase phase, unsigned virtualKey, KeyState keys)
{
    const bool actsOnRelease = virtualKey == kEscape || (virtualKey >= kF1 && virtualKey <= kF7);
    if (actsOnRelease) {
        if (keys.alt)
            return KeyAction::Pass;
        if (phase == KeyPhase::Down)
            return KeyAction::Swallow;
        return virtualKey == kEscape ? KeyAction::Close : FunctionKey(virtualKey, keys);
    }
    if (phase != KeyPhase::Down || !keys.ctrl || keys.alt)
        return KeyAction::Pass;
    switch (virtualKey) {
    case 'N': return keys.shift ? KeyAction::Pass : KeyAction::NewWindow;
    case 'U': return keys.shift ? KeyAction::Pass : KeyAction::ShowAddressBar;
    case kPageUp: return KeyAction::Back;
    case kPageDown: return KeyAction::Forward;
    case kUp: return KeyAction::PreviousWindow;
    case kDown: return KeyAction::NextWindow;
    default: return KeyAction::Pass;
    }
}

} // namespace minibrowser
