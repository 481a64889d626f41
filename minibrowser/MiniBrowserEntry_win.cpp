// The mini browser's entry points for the rest of the program.
#include "app/Subsystems_win.h"

#include <ole2.h>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "launcher/Openers.h"
#include "launcher/ProgramLaunchExecutor_win.h"
#include "minibrowser/MiniBrowserApp_win.h"

bool CreateMiniBrowserFrame()
{
    return MiniBrowserApp::Get().CreateMainFrame();
}

void DestroyMiniBrowserWindows()
{
    MiniBrowserApp::Get().DestroyAll();
}

bool MiniBrowserExists()
{
    return MiniBrowserApp::Get().Opened();
}

std::string MiniBrowserCurrentAddress()
{
    return MiniBrowserApp::Get().CurrentAddress();
}

void BringMiniBrowserToFront()
{
    MiniBrowserApp::Get().Activate();
}

namespace {

// Without a main frame (it could not be made, or the program is ending) an address meant for
// the mini browser opens in the user's browser rather than nowhere.
void OpenInUsersBrowser(const char* address)
{
    Perform(LaunchBrowserWith(App().BrowserProgram, address ? address : "", BrowserShowMode(Options().StartBrowserMode)),
            ProgramExecutor());
}

} // namespace

void ShowInMiniBrowser(const char* address, int cacheFlag)
{
    if (!MiniBrowserApp::Get().MainFrame()) {
        OpenInUsersBrowser(address);
        return;
    }
    MiniBrowserApp::Get().Show(address ? address : "", cacheFlag);
}

void OpenMiniBrowserHome()
{
    Perform(OpenMiniBrowserHome(FreshLaunchContext(), MiniBrowserExists()), ProgramExecutor());
}

void ShowInNewMiniBrowser(const char* address)
{
    if (!MiniBrowserApp::Get().MainFrame()) {
        OpenInUsersBrowser(address);
        return;
    }
    MiniBrowserApp::Get().OpenFurtherFrame(nullptr, address ? address : "");
}
