#pragma once
// When the schedule starts a check: seven modes over the clock, the date of the last
// scheduled check and the minute of the day of the last scheduled start, and optionally the
// moment the machine comes online.
#include <functional>
#include <string>

#include "webalert/MonitoredPage.h"

enum ScheduleMode {
    kScheduleManually = 0,
    kScheduleOnStart = 1,
    kScheduleMinutes = 2,
    kScheduleHours = 3,
    kScheduleEveryDay = 4,
    kScheduleEveryWeek = 5,
    kScheduleEveryMonth = 6,
};

struct ScheduleOptions {
    int mode = kScheduleMinutes;     // WebAlertFreq
    int interval = 30;               // WebAlertFreqVal: minutes or hours
    bool onConnect = false;          // WebAlertOnConnect
};

struct ScheduleState {
    std::string lastCheckDate;       // "%04i%02i%02i", empty before the first scheduled check
    int referenceMinute = 0;         // minute of the day of the last scheduled start
    bool wasConnected = false;       // the connection state at the previous tick
};

// The interval as the mode uses it, in minutes: minutes 2 to 60, hours 1 to 24 (a value out of
// range from a hand-edited file is brought into it, so that 0 never means "every second").
int ScheduleIntervalMinutes(int mode, int interval);

// One tick. connected is asked only when onConnect is set. When a check is due, the state
// takes today's date and the current minute (the caller stores the date and starts the check)
// and true is returned.
bool ScheduleTickDue(const ScheduleOptions& options, ScheduleState& state, const LocalTime& now,
                     bool atStart, const std::function<bool()>& connected);
