// The shown instant of the main window: the selected day at the clock's time of day, moved by
// the time offset. Every panel (clock strip, selected day in the grid, Moon panel, rise and set
// times, phases, perigee and apogee) describes this one instant; this unit keeps the selected
// day in step with it and redraws the panels whenever it changes.
#include "fMain.h"

#include "Calendar.h"

#include <cmath>

namespace crescendar {

namespace {

// The range the calendar can show, local civil time (Julian Days): from the first second of
// year 1 to the last second of year 9999.
double FirstShownJD() {
    return DateToJulianDay(MakeDate(1, 1, 1));
}
double LastShownJD() {
    return DateToJulianDay(MakeDate(9999, 12, 31, 23, 59, 59));
}

bool SameDay(const TDateTimeRecord& a, const TDateTimeRecord& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

// Julian Day of the start of a record's day.
double DayStart(TDateTimeRecord d) {
    d.Hour = d.Minute = d.Second = d.MSec = 0;
    return DateToJulianDay(d);
}

} // namespace

void TMain::AlignSelectedDay() {
    selected_.JD = DateToJulianDay(selected_);
    // The shown instant stops at either end of the calendar.
    const double shown = ShownJD();
    if (shown > LastShownJD())
        timeOffset_ = LastShownJD() - selected_.JD;
    else if (shown < FirstShownJD())
        timeOffset_ = FirstShownJD() - selected_.JD;

    // The date of the shown instant as the clock strip writes it (to the nearest second)
    // becomes the selected day; the offset gives back the whole days that the day moved, so
    // the shown instant itself does not change.
    const TDateTimeRecord day = JulianDayToDate(ShownJD());
    if (SameDay(day, selected_)) return;
    const double days = std::round(DayStart(day) - DayStart(selected_));
    selected_.Day = day.Day;
    selected_.Month = day.Month;
    selected_.Year = day.Year;
    selected_.JD = DateToJulianDay(selected_);
    timeOffset_ -= days;
}

void TMain::ShowInstant() {
    AlignSelectedDay();
    if (!SameDay(selected_, laidOut_)) LayOutMonth(selected_);
    DrawInstant();
}

void TMain::ShowSelectedMonth(TDateTimeRecord d) {
    // A day that the month lacks (the 31st of a 30-day month, say) becomes one it has, so
    // that a day is always selected.
    d.Day = CalendarDay(d.Month, d.Year, d.Day);
    LayOutMonth(d);
    ShowInstant();
}

void TMain::DateSelect(ClickRegion* cell) {
    if (SelectDay(cell)) ShowInstant();
}

} // namespace crescendar
