#include "app/Dates.h"

#include <string>

#include "app/TextUtil.h"

namespace {
int Field(std::string_view text, std::size_t start, std::size_t length)
{
    if (start >= text.size())
        return 0;
    return LeadingInt(std::string(text.substr(start, length)).c_str());
}
} // namespace

YearMonthDay ParseDate(std::string_view text)
{
    YearMonthDay date;
    date.year = Field(text, 0, 4);
    date.month = Field(text, 4, 2);
    date.day = Field(text, 6, 2);
    return date;
}

int DaysInMonth(int year, int month)
{
    switch (month) {
    case 2:
        return (year % 400 == 0 || (year % 4 == 0 && year % 100 != 0)) ? 29 : 28;
    case 4: case 6: case 9: case 11:
        return 30;
    default:
        return 31;
    }
}

int DayNumber(int day, int month, int year)
{
    int y = year - 1;
    int number = y * 365 + y / 4 - y / 100 + y / 400 + 1;
    for (int m = 1; m < month && m <= 12; ++m)
        number += DaysInMonth(year, m);
    return number + day - 1;
}

int SecondsOfTime(std::string_view text)
{
    int parts[3] = {0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 3 && start <= text.size(); ++i) {
        std::size_t colon = text.find(':', start);
        std::string_view part = text.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start);
        parts[i] = LeadingInt(std::string(part).c_str());
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
    }
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}
