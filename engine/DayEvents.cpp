#include "DayEvents.h"

#include "Calendar.h"
#include "SunPosition.h"

#include <array>

namespace crescendar {

TDayEvents DayEvents(TDateTimeRecord date, const Observer& observer) {
    TDayEvents e;
    e.Moon = MoonEvents(date, observer, &e.MoonIlluminatedPercent);

    const UniversalTime jd0{DateToJulianDay(MakeDate(date.Year, date.Month, date.Day))};
    const std::array<TEquatorialPosition, 3> sun = {SunPosition(jd0 - 1.0, observer).Equatorial,
                                                    SunPosition(jd0, observer).Equatorial,
                                                    SunPosition(jd0 + 1.0, observer).Equatorial};
    const double deltaT = DeltaT(date.Year);
    e.Sun = RiseTransitSet(sun, jd0, kSunriseAltitude, deltaT, observer);
    e.CivilTwilight = RiseTransitSet(sun, jd0, kCivilTwilightAltitude, deltaT, observer);
    e.NauticalTwilight = RiseTransitSet(sun, jd0, kNauticalTwilightAltitude, deltaT, observer);
    e.AstronomicalTwilight =
        RiseTransitSet(sun, jd0, kAstronomicalTwilightAltitude, deltaT, observer);
    return e;
}

} // namespace crescendar
