// Facts about one calendar day: Julian Day, day of the year, ISO 8601 week, days till
// Christmas.
#pragma once

#include "Records.h"

#include <cstdint>

namespace crescendar {

struct TDateInfo {
    TDateTimeRecord Date; // the day examined, fields brought into range, JD filled
    double JulianDay = 0; // of the date at 0h (the time of day is not counted)
    int DayNumber = 0;    // 1 on 1 January; the 1582 reform year has 355 days
    int Week = 0;         // week 1..53 by the ISO 8601 rule
    int WeekYear = 0;     // the year the ISO week belongs to (may be the year before or after)
    int Weekday = 0;      // Monday = 1 ... Sunday = 7
    int DaysTillXmas = 0; // 0 on 25 December
};

// Everything follows the program's calendar (Julian before 15 October 1582): the weekday is
// the day's own, and weeks are counted by the ISO 8601 rule (Monday first; week 1 holds the
// year's first Thursday), which on Gregorian dates gives the ISO week. Fields out of range are
// brought into it: year 1..9999, month 1..12, day 1..the month's last day (a day of 5-14
// October 1582 becomes 15 October), time at most 23:59:59.
TDateInfo DateInfo(TDateTimeRecord date);

} // namespace crescendar
