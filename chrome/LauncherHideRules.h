#pragma once
// What becomes of the launcher after an action, a close request, the hide command and an
// open request, from the options OnTop and CloseAfter.
namespace chrome {

enum class LauncherExit {
    Stay,        // stays in view
    SlideAway,   // slides into its screen edge and stays alive
    ZoomToTray,  // zooms into the notification area and is hidden, not destroyed
    Close,       // closed for good
};

// After an action that hides the launcher: OnTop keeps it in view; otherwise as a close
// request without the force flag.
LauncherExit AfterAction(bool onTop, bool closeAfter);
// UM_CLOSELAUNCHER: slides away only when neither CloseAfter nor the force flag is set.
LauncherExit OnCloseRequest(bool force, bool closeAfter);
// WM_SYSCOMMAND SC_HIDELAUNCHER (the caption's hide button, the main window).
LauncherExit OnHideCommand(bool closeAfter);

enum class LauncherReturn { SlideBack, ShowFromTray };
// Bringing an existing launcher forward. A launcher docked at its edge slides back whatever
// CloseAfter says now: the option may have changed while it waited there, and showing it in
// place would leave it off screen.
LauncherReturn OnOpen(bool dockedAway);

} // namespace chrome
