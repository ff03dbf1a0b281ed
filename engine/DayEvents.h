// The events of one local date: the Moon's rise, transit and set, and the Sun's crossings of
// the altitudes the program shows.
#pragma once

#include "Records.h"
#include "RiseSet.h"

#include <cstdint>

namespace crescendar {

struct TDayEvents {
    TBodyEvents Moon;                        // at MoonRiseAltitude of its parallax
    std::int32_t MoonIlluminatedPercent = 0; // at 0h universal time of the date
    TBodyEvents Sun;                         // kSunriseAltitude
    TBodyEvents CivilTwilight;               // kCivilTwilightAltitude
    TBodyEvents NauticalTwilight;            // kNauticalTwilightAltitude
    TBodyEvents AstronomicalTwilight;        // kAstronomicalTwilightAltitude
};

// Every event of the observer's local date (only Day, Month and Year of date count). The
// Sun's positions are computed once for its four altitudes.
TDayEvents DayEvents(TDateTimeRecord date, const Observer& observer);

} // namespace crescendar
