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

void ShowInMiniBrowser(const char* address, int cacheFlag)
{
    MiniBrowserApp::Get().Show(address ? address : "", cacheFlag);
}

void OpenMiniBrowserHome()
{
    Perform(OpenMiniBrowserHome(FreshLaunchContext(), MiniBrowserExists()), ProgramExecutor());
}

void ShowInNewMiniBrowser(const char* address)
{
    MiniBrowserApp::Get().OpenFurtherFrame(nullptr, address ? address : "");
}
