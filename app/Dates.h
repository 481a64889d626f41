#pragma once
// Date and time arithmetic on the settings file's text formats.
#include <string_view>

struct YearMonthDay {
    int year = 0;
    int month = 0;
    int day = 0;
};

// "%04i%02i%02i"; an empty text gives 0, 0, 0.
YearMonthDay ParseDate(std::string_view text);
int DaysInMonth(int year, int month);
// 1 January of year 1 is day 1.
int DayNumber(int day, int month, int year);
// "h:m:s", missing parts count as 0.
int SecondsOfTime(std::string_view text);
