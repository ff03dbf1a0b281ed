#include "DayEvents.h"

#include "Calendar.h"

namespace crescendar {

TDateKind LocalDateKind(TDateTimeRecord date, const Observer& observer) {
    if (!observer.Zone) return TDateKind::Ordinary;
    const double midnight = DateToJulianDay(MakeDate(date.Year, date.Month, date.Day));
    const double hours = (observer.ToUniversal(LocalTime{midnight + 1.0}).JD -
                          observer.ToUniversal(LocalTime{midnight}).JD) *
                         24.0;
    if (hours <= 12.0) return TDateKind::Skipped;
    if (hours >= 36.0) return TDateKind::Repeated;
    return TDateKind::Ordinary;
}

TDayEvents DayEvents(TDateTimeRecord date, const Observer& observer) {
    TDayEvents e;
    e.Kind = LocalDateKind(date, observer);
    if (e.Kind == TDateKind::Skipped) return e;
    e.Moon = MoonEvents(date, observer, &e.MoonIlluminatedPercent);

    TSunDays sun(date, observer);
    e.Sun = sun.Events(kSunriseAltitude);
    e.CivilTwilight = sun.Events(kCivilTwilightAltitude);
    e.NauticalTwilight = sun.Events(kNauticalTwilightAltitude);
    e.AstronomicalTwilight = sun.Events(kAstronomicalTwilightAltitude);
    return e;
}

} // namespace crescendar
