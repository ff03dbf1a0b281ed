// The Moon's and the Sun's events of a range of years as values on universal time: the
// principal phases, the lunar eclipses, perigee and apogee, the equinoxes and solstices.
// Shared by the calendar export of the command line and of the program.
#pragma once

#include "Eclipse.h"
#include "Equinox.h"
#include "Records.h"
#include "TimeScale.h"

#include <string>
#include <vector>

namespace crescendar {

enum class TYearEventKind { Phase, Eclipse, Perigee, Apogee, Season };

// Which kinds of event to gather.
struct TYearEventKinds {
    bool Phases = true;
    bool Eclipses = true;
    bool Apsides = true; // perigee and apogee
    bool Seasons = true;
};

struct TYearEvent {
    TYearEventKind Kind = TYearEventKind::Phase;
    // Universal time. An eclipse lasts from its first to its last penumbral contact; every
    // other event is an instant, its Start and End equal.
    UniversalTime Start;
    UniversalTime End;
    // The instant the event is dated by: greatest eclipse, or Start.
    UniversalTime Instant;
    TPhaseKind Phase = TPhaseKind::NewMoon;           // phases
    bool BlueMoon = false;                            // phases
    double DistanceKm = 0.0;                          // perigee and apogee: the Moon's distance, km
    TSeasonEvent Season = TSeasonEvent::MarchEquinox; // seasons
    TEclipseResult Eclipse; // eclipses: magnitudes, local texts and visibility at the place
};

// The events of the years fromYear to toYear, in time order (by Instant): the phases,
// eclipses and apsides whose local civil instant (the observer's clock) falls in those years,
// as the month calendar and the eclipse finder count them, and the equinoxes and solstices
// of those years. Years outside 1..9999 are left out; empty when toYear < fromYear. Eclipses
// and seasons are turned to universal time with Delta T of their year, as the windows show
// them.
std::vector<TYearEvent> YearEvents(int fromYear, int toYear, const Observer& observer,
                                   const TYearEventKinds& kinds = {});

} // namespace crescendar
