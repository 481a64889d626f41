// The page monitor's entry points for the main window and the start-up.
#include <windows.h>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/SystemQueries_win.h"
#include "app/Win32Profile_win.h"
#include "webalert/CheckSchedule.h"
#include "webalert/WebAlertRunner_win.h"
#include "webalert/WebAlert_win.h"

namespace {
// The connection state seen at the previous tick.
bool wasConnected = false;
} // namespace

MonitoredPageList& WebAlertPages()
{
    // Never destroyed: a run still fetching when the process ends holds on to it.
    static MonitoredPageList* pages = new MonitoredPageList;
    return *pages;
}

void SaveWebAlertPages()
{
    WebAlertPages().Save(Settings());
}

bool WebAlertFrench()
{
    return UiLocale() == 1036;
}

void LoadWebAlertList()
{
    WebAlertPages().Load(Settings());
    wasConnected = false;
    CreateCheckNotifier();
}

void StartCheck(HWND owner)
{
    StartPageCheck(owner, nullptr);
}

void StopWebAlertChecks()
{
    StopPageChecks();
}

void ScheduleTick(HWND owner, int atStart)
{
    OptionRecord& o = Options();
    ScheduleOptions options;
    options.mode = o.WebAlertFreq;
    options.interval = o.WebAlertFreqVal;
    options.onConnect = o.WebAlertOnConnect != 0;
    ScheduleState state;
    state.lastCheckDate = o.WebAlertLastCheckDate;
    state.referenceMinute = o.ReferenceMinute;
    state.wasConnected = wasConnected;
    const bool due = ScheduleTickDue(options, state, LocalNow(), atStart != 0, [] { return IsConnected(); });
    wasConnected = state.wasConnected;
    if (!due)
        return;
    o.WebAlertLastCheckDate = state.lastCheckDate;
    o.ReferenceMinute = state.referenceMinute;
    Settings().WriteString("Options", "WebAlertLastCheckDate", state.lastCheckDate.c_str());
    StartPageCheck(owner, nullptr);
}

bool AnyEnabledPageChanged()
{
    return WebAlertPages().CountEnabledWithState() > 0;
}
