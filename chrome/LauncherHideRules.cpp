#include "chrome/LauncherHideRules.h"

namespace chrome {

LauncherExit AfterAction(bool onTop, bool closeAfter)
{
    return onTop ? LauncherExit::Stay : OnCloseRequest(false, closeAfter);
}

LauncherExit OnCloseRequest(bool force, bool closeAfter)
{
    return !force && !closeAfter ? LauncherExit::SlideAway : LauncherExit::Close;
}

LauncherExit OnHideCommand(bool closeAfter)
{
    return closeAfter ? LauncherExit::ZoomToTray : LauncherExit::SlideAway;
}

LauncherReturn OnOpen(bool dockedAway)
{
    return dockedAway ? LauncherReturn::SlideBack : LauncherReturn::ShowFromTray;
}

} // namespace chrome
