// Facts about one calendar day: Julian Day, day of the year, ISO 8601 week, days till
// Christmas.
#pragma once

#include "Records.h"

#include <cstdint>
#include <string>

namespace crescendar {

struct TDateInfo {
    TDateTimeRecord Date; // the day examined, fields brought into range, JD filled
    double JulianDay = 0; // time of day included, no zone applied
    int DayNumber = 0;    // 1 on 1 January; the 1582 reform year has 355 days
    int Week = 0;         // ISO 8601 week 1..53
    int WeekYear = 0;     // the year the ISO week belongs to (may be the year before or after)
    int Weekday = 0;      // Monday = 1 ... Sunday = 7
    int DaysTillXmas = 0; // 0 on 25 December
    std::string DateText; // "05 February 2003"
    std::string JulianDayText;
    std::string DayNumberText;
    std::string WeekText; // "6  (2003-W6-3)"
    std::string DaysTillXmasText;
};

// Julian Day and day number follow the program's calendar (Julian before 15 October 1582);
// week, weekday and week year are those of ISO 8601 on the Gregorian calendar. Fields out of
// range are clamped: year 1..9999, month 1..12, day 1..days in the month, time 23:59:59.
TDateInfo DateInfo(TDateTimeRecord date);

} // namespace crescendar
