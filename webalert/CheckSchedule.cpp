#include "webalert/CheckSchedule.h"

#include <cstdio>
#include <cstdlib>

#include "app/Dates.h"

int ScheduleIntervalMinutes(int mode, int interval)
{
    if (mode == kScheduleHours)
        return (interval < 1 ? 1 : interval > 24 ? 24 : interval) * 60;
    return interval < 2 ? 2 : interval > 60 ? 60 : interval;
}

namespace {
bool ModeDue(const ScheduleOptions& options, const ScheduleState& state, const LocalTime& now, bool atStart)
{
    const int today = DayNumber(now.day, now.month, now.year);
    auto daysSinceLast = [&]() {
        YearMonthDay last = ParseDate(state.lastCheckDate);
        return today - DayNumber(last.day, last.month, last.year);
    };
    switch (options.mode) {
    case kScheduleOnStart:
        return atStart;
    case kScheduleMinutes:
    case kScheduleHours: {
        const int minute = now.hour * 60 + now.minute;
        return std::abs(minute - state.referenceMinute) == ScheduleIntervalMinutes(options.mode, options.interval);
    }
    case kScheduleEveryDay:
        return state.lastCheckDate.empty() || daysSinceLast() > 0;
    case kScheduleEveryWeek:
        return state.lastCheckDate.empty() || daysSinceLast() >= 7;
    case kScheduleEveryMonth:
        return state.lastCheckDate.empty() || daysSinceLast() >= 30;
    default:
        return false;
    }
}
} // namespace

bool ScheduleTickDue(const ScheduleOptions& options, ScheduleState& state, const LocalTime& now,
                     bool atStart, const std::function<bool()>& connected)
{
    bool due = false;
    if (options.onConnect) {
        const bool online = connected && connected();
        due = online && !state.wasConnected;
        state.wasConnected = online;
    }
    if (!due)
        due = ModeDue(options, state, now, atStart);
    if (!due)
        return false;
    char date[16];
    std::snprintf(date, sizeof date, "%04i%02i%02i", now.year, now.month, now.day);
    state.lastCheckDate = date;
    state.referenceMinute = now.hour * 60 + now.minute;
    return true;
}
