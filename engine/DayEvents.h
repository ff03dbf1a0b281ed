// The events of one local date: the Moon's rise, transit and set, and the Sun's crossings of
// the altitudes the program shows.
#pragma once

#include "Records.h"
#include "RiseSet.h"

#include <cstdint>

namespace crescendar {

// Whether a local date exists at a place: a zone that moves across the date line skips a
// date (Samoa went from 29 to 31 December 2011) or has one twice (4 July 1892 at Apia).
enum class TDateKind : std::uint8_t { Ordinary, Skipped, Repeated };

// The kind of the observer's local date (only Day, Month and Year count), from the universal
// instants of its midnight and of the next: a date of 12 hours or less on the clocks is one
// they skip, one of 36 hours or more one they repeat.
TDateKind LocalDateKind(TDateTimeRecord date, const Observer& observer);

struct TDayEvents {
    // A skipped date has no events (every crossing NeighbouringDate); a repeated one has
    // those of both its days, the second of a kind as the second crossing.
    TDateKind Kind = TDateKind::Ordinary;
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
// The same, keeping the Sun's and the Moon's daily places in `places` for the next date: a
// table of consecutive dates passes one set.
TDayEvents DayEvents(TDateTimeRecord date, const Observer& observer, TDailyPlaces& places);

} // namespace crescendar
