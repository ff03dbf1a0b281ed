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
    TDateTimeRecord selected = session_->SelectedDateTime();
    double offset = session_->TimeOffset();
    selected.JD = DateToJulianDay(selected);
    // The shown instant stops at either end of the calendar.
    const double shown = selected.JD + offset;
    if (shown > LastShownJD())
        offset = LastShownJD() - selected.JD;
    else if (shown < FirstShownJD())
        offset = FirstShownJD() - selected.JD;

    // The date of the shown instant as the clock strip writes it (to the nearest second)
    // becomes the selected day; the offset gives back the whole days that the day moved, so
    // the shown instant itself does not change.
    const TDateTimeRecord day = JulianDayToDate(selected.JD + offset);
    if (!SameDay(day, selected)) {
        const double days = std::round(DayStart(day) - DayStart(selected));
        selected.Day = day.Day;
        selected.Month = day.Month;
        selected.Year = day.Year;
        selected.JD = DateToJulianDay(selected);
        offset -= days;
    }
    session_->SetInstant(selected, offset);
}

void TMain::ShowInstant() {
    AlignSelectedDay();
    const TDateTimeRecord& selected = session_->SelectedDateTime();
    if (!SameDay(selected, laidOut_)) LayOutMonth(selected);
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
