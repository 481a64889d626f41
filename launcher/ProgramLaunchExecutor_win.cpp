#include "launcher/ProgramLaunchExecutor_win.h"

#include "app/AppContext_win.h"
#include "app/Subsystems_win.h"
#include "app/SystemQueries_win.h"

void ProgramLaunchExecutor::TrackedLaunch(const std::string& verb, const std::string& file,
                                          const std::string& parameters, int showCommand)
{
    App().launched.Launch(verb.c_str(), file.c_str(), parameters.c_str(), "", showCommand);
}

void ProgramLaunchExecutor::ShowMiniBrowser(const std::string& address, int cacheFlag)
{
    ShowInMiniBrowser(address.c_str(), cacheFlag);
}

void ProgramLaunchExecutor::BringMiniBrowserToFront()
{
    ::BringMiniBrowserToFront();
}

LaunchExecutor& ProgramExecutor()
{
    static ProgramLaunchExecutor executor;
    return executor;
}

LaunchContext FreshLaunchContext()
{
    App().BrowserProgram = BrowserProgramOrDefault();
    return LaunchContext{Options(), App().BrowserProgram};
}
