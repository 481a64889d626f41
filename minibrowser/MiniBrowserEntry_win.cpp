// The mini browser's entry points. Until its frame is built (its own issue), there is no
// frame to create or destroy, the main window's destruction ends the message loop, and an
// address meant for the mini browser opens in the user's browser.
#include "app/Subsystems_win.h"

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "launcher/Openers.h"
#include "launcher/ProgramLaunchExecutor_win.h"

bool CreateMiniBrowserFrame() { return true; }
void DestroyMiniBrowserWindows() {}

bool MiniBrowserExists() { return false; }
std::string MiniBrowserCurrentAddress() { return std::string(); }
void BringMiniBrowserToFront() {}

void ShowInMiniBrowser(const char* address, int)
{
    Perform(LaunchBrowserWith(App().BrowserProgram, address ? address : "", BrowserShowMode(Options().StartBrowserMode)),
            ProgramExecutor());
}

void OpenMiniBrowserHome()
{
    Perform(OpenMiniBrowserHome(FreshLaunchContext(), MiniBrowserExists()), ProgramExecutor());
}

void ShowInNewMiniBrowser(const char* address)
{
    ShowInMiniBrowser(address, 0);
}
