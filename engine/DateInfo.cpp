// Facts about one calendar day for the date information window.
#include "fDateInfo.h"
#include "fGlobals.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace crescendar {

namespace {

// Day of the week on the Gregorian calendar, Monday = 1 ... Sunday = 7 (year >= 1).
int IsoWeekday(int year, int month, int day) {
    static constexpr int kMonthShift[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int y = month < 3 ? year - 1 : year;
    const int sunday0 = (y + y / 4 - y / 100 + y / 400 + kMonthShift[month - 1] + day) % 7;
    return sunday0 == 0 ? 7 : sunday0;
}

// Day of the Gregorian year, 1 on 1 January.
int GregorianOrdinal(int year, int month, int day) {
    int n = day;
    for (int m = 1; m < month; ++m)
        n += DaysInMonth(static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(year));
    return n;
}

// A year has 53 ISO weeks when it begins on a Thursday, or on a Wednesday in a leap year.
int IsoWeeksInYear(int year) {
    const int jan1 = IsoWeekday(year, 1, 1);
    const bool leap = DaysInMonth(2, static_cast<std::uint16_t>(year)) == 29;
    return jan1 == 4 || (leap && jan1 == 3) ? 53 : 52;
}

// Whole days from a to b; both share their time of day, so the difference is integral up to
// rounding (the spacing of doubles changes at JD 2^21, in the year 1029).
int DaysBetween(double a, double b) {
    return static_cast<int>(std::llround(b - a));
}

// General form of a double: up to 15 significant digits, trailing zeros dropped.
std::string GeneralText(double x) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15).ptr;
    std::string s(buffer, end);
    const auto point = s.find('.');
    if (point != std::string::npos) s.replace(point, 1, RegionalNames().DecimalSeparator);
    return s;
}

TDateTimeRecord InRange(TDateTimeRecord d) {
    d.Year = std::clamp<std::uint16_t>(d.Year, 1, 9999);
    d.Month = std::clamp<std::uint16_t>(d.Month, 1, 12);
    d.Day = std::clamp<std::uint16_t>(d.Day, 1, DaysInMonth(d.Month, d.Year));
    d.Hour = std::min<std::uint16_t>(d.Hour, 23);
    d.Minute = std::min<std::uint16_t>(d.Minute, 59);
    d.Second = std::min<std::uint16_t>(d.Second, 59);
    d.JD = DateToJulianDay(d);
    return d;
}

} // namespace

TDateInfo DateInfo(TDateTimeRecord date) {
    TDateInfo r;
    const TDateTimeRecord d = InRange(date);
    const int year = d.Year;
    r.Date = d;
    r.JulianDay = d.JD;

    TDateTimeRecord yearStart = d;
    yearStart.Day = 1;
    yearStart.Month = 1;
    r.DayNumber = DaysBetween(DateToJulianDay(yearStart), r.JulianDay) + 1;

    r.Weekday = IsoWeekday(year, d.Month, d.Day);
    r.WeekYear = year;
    r.Week = (GregorianOrdinal(year, d.Month, d.Day) - r.Weekday + 10) / 7;
    if (r.Week < 1) {
        r.WeekYear = year - 1;
        r.Week = IsoWeeksInYear(year - 1);
    } else if (r.Week > IsoWeeksInYear(year)) {
        r.WeekYear = year + 1;
        r.Week = 1;
    }

    TDateTimeRecord xmas = d;
    xmas.Day = 25;
    xmas.Month = 12;
    r.DaysTillXmas = DaysBetween(r.JulianDay, DateToJulianDay(xmas));
    if (r.DaysTillXmas < 0) {
        ++xmas.Year;
        r.DaysTillXmas = DaysBetween(r.JulianDay, DateToJulianDay(xmas));
    }

    const std::string full = DateTimeToText(d);
    r.DateText = SubText(full, 11);
    r.JulianDayText = GeneralText(r.JulianDay);
    r.DayNumberText = std::to_string(r.DayNumber);
    r.WeekText = std::to_string(r.Week) + "  (" + std::to_string(r.WeekYear) + "-W" +
                 std::to_string(r.Week) + "-" + std::to_string(r.Weekday) + ")";
    r.DaysTillXmasText = std::to_string(r.DaysTillXmas);
    return r;
}

} // namespace crescendar
