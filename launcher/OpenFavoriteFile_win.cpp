#include "launcher/OpenFavoriteFile_win.h"

#include "app/Win32Profile_win.h"
#include "launcher/Openers.h"
#include "launcher/ProgramLaunchExecutor_win.h"

void OpenFavoriteFile(const std::string& path)
{
    Win32Profile shortcut(path);
    Perform(OpenInternetShortcut(path, shortcut, FreshLaunchContext()), ProgramExecutor());
}
