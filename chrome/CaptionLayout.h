#pragma once
// The small buttons of the caption the program draws itself: their places in the top-right
// corner of the client area, what a press and a release over them do, and their theme states.
#include "chrome/ChromeGeometry.h"

namespace chrome {

enum class CaptionButton { None, Close, Hide, Help, Pin };

struct CaptionMetrics {
    int clientWidth = 0;
    int buttonWidth = 0;    // SM_CXSMSIZE
    int buttonHeight = 0;   // SM_CYSMSIZE
};

// What the window offers: with extra buttons the hide, help and pin buttons stand left of the
// close button; the icon menu is the launcher's program icon in the top-left corner.
struct CaptionSetup {
    bool extraButtons = false;
    bool iconMenu = false;
    bool hasTarget = false;   // another window (a frame) receives the requests
};

constexpr int kCaptionButtonMargin = 2;

Rect CaptionButtonRect(CaptionButton button, const CaptionMetrics& metrics);
// The button under p; only the close button without extra buttons.
CaptionButton CaptionButtonAt(Point p, const CaptionMetrics& metrics, bool extraButtons);
// The icon square: x and y up to 16.
bool InIconSquare(Point p);

enum class CaptionPress { Nothing, MoveWindow };
CaptionPress PressAt(Point p, const CaptionMetrics& metrics, const CaptionSetup& setup);

enum class CaptionRequest {
    None,
    CancelCommand,   // WM_COMMAND IDCANCEL to the window
    CloseMessage,    // WM_CLOSE to the target
    HideCommand,     // WM_SYSCOMMAND SC_HIDELAUNCHER to the window
    MinimizeTarget,  // WM_SYSCOMMAND SC_MINIMIZE to the target
    HelpCommand,     // WM_COMMAND 9
    ToggleOnTop,     // WM_COMMAND 32790
    TrayMenu,        // UM_TRAYICON with WM_RBUTTONUP to the main window
};
struct CaptionRelease {
    CaptionRequest request = CaptionRequest::None;
    bool toTarget = false;   // sent to the target window rather than the window itself
};
CaptionRelease ReleaseAt(Point p, const CaptionMetrics& metrics, const CaptionSetup& setup);

// Visual-style parts and states used when a theme is active.
constexpr int kThemeCloseButtonPart = 18;   // class "WINDOW"
constexpr int kThemeHideButtonPart = 15;
constexpr int kThemeHelpButtonPart = 23;
constexpr int kThemePinPart = 3;            // class "EXPLORERBAR"
constexpr int kThemeCaptionPart = 1;        // class "EXPLORERBAR", state 5
constexpr int kThemeCaptionState = 5;
constexpr int kThemeRimPart = 2;            // class "TASKBAND", state 5
int CaptionButtonThemeState(bool underMouse);
int PinThemeState(bool on, bool underMouse);

} // namespace chrome
