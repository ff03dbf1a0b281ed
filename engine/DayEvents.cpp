#include "DayEvents.h"

#include "Calendar.h"

namespace crescendar {

TDateKind LocalDateKind(TDateTimeRecord date, const Observer& observer) {
    if (!observer.Zone) return TDateKind::Ordinary;
    const double hours = LocalDateHours(
        UniversalTime{DateToJulianDay(MakeDate(date.Year, date.Month, date.Day))}, observer);
    if (hours <= 12.0) return TDateKind::Skipped;
    if (hours >= 36.0) return TDateKind::Repeated;
    return TDateKind::Ordinary;
}

TDayEvents DayEvents(TDateTimeRecord date, const Observer& observer, TDailyPlaces& places) {
    TDayEvents e;
    e.Kind = LocalDateKind(date, observer);
    if (e.Kind == TDateKind::Skipped) return e;
    e.Moon = MoonEvents(date, observer, &e.MoonIlluminatedPercent, &places);
    e.Sun = SunEvents(date, kSunriseAltitude, observer, &places);
    e.CivilTwilight = SunEvents(date, kCivilTwilightAltitude, observer, &places);
    e.NauticalTwilight = SunEvents(date, kNauticalTwilightAltitude, observer, &places);
    e.AstronomicalTwilight = SunEvents(date, kAstronomicalTwilightAltitude, observer, &places);
    return e;
}

TDayEvents DayEvents(TDateTimeRecord date, const Observer& observer) {
    TDailyPlaces places;
    return DayEvents(date, observer, places);
}

} // namespace crescendar
