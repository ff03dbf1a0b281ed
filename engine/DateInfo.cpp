// Facts about one calendar day for the date information window.
#include "DateInfo.h"
#include "Calendar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace crescendar {

namespace {

// Day of the week, Monday = 1 ... Sunday = 7, of the day that holds a Julian Day.
int IsoWeekday(double jd) {
    const int sunday0 = DayOfWeekOfJulianDay(jd);
    return sunday0 == 0 ? 7 : sunday0;
}

// Whole days from a to b; both share their time of day, so the difference is integral up to
// rounding (the spacing of doubles changes at JD 2^21, in the year 1029).
int DaysBetween(double a, double b) {
    return static_cast<int>(std::llround(b - a));
}

TDateTimeRecord InRange(TDateTimeRecord d) {
    d.Year = std::clamp<std::uint16_t>(d.Year, 1, 9999);
    d.Month = std::clamp<std::uint16_t>(d.Month, 1, 12);
    d.Day = CalendarDay(d.Month, d.Year, d.Day);
    d.Hour = std::min<std::uint16_t>(d.Hour, 23);
    d.Minute = std::min<std::uint16_t>(d.Minute, 59);
    d.Second = std::min<std::uint16_t>(d.Second, 59);
    d.JD = DateToJulianDay(d);
    return d;
}

} // namespace

TDateInfo DateInfo(TDateTimeRecord date) {
    TDateInfo r;
    r.Date = InRange(date);
    // The facts are of the date: its Julian Day is that of its 0h, on the scale of the date
    // (0h universal time of a universal date), whatever the time of day of the record.
    TDateTimeRecord d = r.Date;
    d.Hour = d.Minute = d.Second = d.MSec = 0;
    d.JD = DateToJulianDay(d);
    r.JulianDay = d.JD;

    TDateTimeRecord yearStart = d;
    yearStart.Day = 1;
    yearStart.Month = 1;
    r.DayNumber = DaysBetween(DateToJulianDay(yearStart), r.JulianDay) + 1;

    // A week belongs to the year of its Thursday and is counted from the week that holds
    // that year's first Thursday. Counting in Julian Days keeps this right across the ten
    // days dropped in 1582 and in the Julian calendar before it.
    r.Weekday = IsoWeekday(r.JulianDay);
    const double thursday = r.JulianDay + (4 - r.Weekday);
    const TDateTimeRecord thursdayDate = JulianDayToDate(std::floor(thursday - 0.5) + 0.5);
    TDateTimeRecord weekYearStart = d;
    weekYearStart.Day = 1;
    weekYearStart.Month = 1;
    weekYearStart.Year = thursdayDate.Year;
    r.WeekYear = thursdayDate.Year;
    r.Week = DaysBetween(DateToJulianDay(weekYearStart), thursday) / 7 + 1;

    TDateTimeRecord xmas = d;
    xmas.Day = 25;
    xmas.Month = 12;
    r.DaysTillXmas = DaysBetween(r.JulianDay, DateToJulianDay(xmas));
    if (r.DaysTillXmas < 0) {
        ++xmas.Year;
        r.DaysTillXmas = DaysBetween(r.JulianDay, DateToJulianDay(xmas));
    }

    return r;
}

} // namespace crescendar
