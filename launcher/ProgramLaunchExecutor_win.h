#pragma once
// Carrying out the openers' decisions in the running program: shell starts are tracked, mini
// browser jobs go to the mini browser.
#include "launcher/LaunchDecision.h"

class ProgramLaunchExecutor : public LaunchExecutor {
public:
    void TrackedLaunch(const std::string& verb, const std::string& file, const std::string& parameters,
                       int showCommand) override;
    void ShowMiniBrowser(const std::string& address, int cacheFlag) override;
    void BringMiniBrowserToFront() override;
};

LaunchExecutor& ProgramExecutor();

// What a decision is taken on: the options, and the browser program asked of the system afresh
// (the user may have changed his browser since the last page was opened).
LaunchContext FreshLaunchContext();
