#include "launcher/SubmitText_win.h"

#include "app/AppContext_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/AddressText.h"
#include "launcher/InterpretInput.h"
#include "launcher/LauncherLists_win.h"

void RecordTypedText(const std::string& text)
{
    if (IsAddress(text))
        TypedAddresses().Add(TypedAddressRegistry(), text);
    else
        SearchHistory().Add(Settings(), text);
}

int InterpretAndLaunch(std::string_view text, bool allEngines, const LinkEntry* engine, LaunchExecutor& executor,
                       bool* noEngine)
{
    InterpretResult result = InterpretInput(text, allEngines, engine, FreshLaunchContext());
    Perform(result.launches, executor);
    if (noEngine)
        *noEngine = result.noEngine;
    return result.routed;
}

int RecordAndLaunch(const std::string& text, bool allEngines, LaunchExecutor& executor)
{
    RecordTypedText(text);
    return InterpretAndLaunch(text, allEngines, nullptr, executor);
}
