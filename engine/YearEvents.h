// The Moon's and the Sun's events of a range of years as values on universal time: the
// principal phases, the lunar and solar eclipses, perigee and apogee, the equinoxes and
// solstices.
// Shared by the calendar export of the command line and of the program.
#pragma once

#include "Eclipse.h"
#include "Equinox.h"
#include "Records.h"
#include "SolarEclipse.h"
#include "TimeScale.h"

#include <memory>
#include <string>
#include <vector>

namespace crescendar {

// Eclipse is a lunar eclipse; a solar one is SolarEclipse.
enum class TYearEventKind { Phase, Eclipse, Perigee, Apogee, Season, SolarEclipse };

// Which kinds of event to gather.
struct TYearEventKinds {
    bool Phases = true;
    bool Eclipses = true; // lunar and solar
    bool Apsides = true;  // perigee and apogee
    bool Seasons = true;
};

struct TYearEvent {
    TYearEventKind Kind = TYearEventKind::Phase;
    // Universal time. A lunar eclipse lasts from its first to its last penumbral contact, a
    // solar one the place sees from its first to its last contact there (C1 to C4); every
    // other event, and a solar eclipse the place does not see, is an instant, its Start and
    // End equal (at greatest eclipse).
    UniversalTime Start;
    UniversalTime End;
    // The instant the event is dated by: greatest eclipse (worldwide for a solar one, the
    // same for every observer), or Start.
    UniversalTime Instant;
    TPhaseKind Phase = TPhaseKind::NewMoon;           // phases
    bool BlueMoon = false;                            // phases
    double DistanceKm = 0.0;                          // perigee and apogee: the Moon's distance, km
    TSeasonEvent Season = TSeasonEvent::MarchEquinox; // seasons
    TEclipseResult Eclipse; // lunar eclipses: magnitudes, local texts and visibility at the place
    // Solar eclipses: the eclipse worldwide and at the place; null for every other kind. Held
    // apart, as few events are solar eclipses and the record is large.
    std::shared_ptr<const TSolarEclipseAtPlace> SolarEclipse;
};

// The events of the years fromYear to toYear, in time order (by Instant): the phases,
// eclipses (lunar and solar) and apsides whose local civil instant (the observer's clock)
// falls in those years, as the month calendar and the eclipse finders count them, and the
// equinoxes and solstices of those years. Years outside 1..9999 are left out; empty when
// toYear < fromYear. Eclipses and seasons are turned to universal time with Delta T of their
// year, as the windows show them.
std::vector<TYearEvent> YearEvents(int fromYear, int toYear, const Observer& observer,
                                   const TYearEventKinds& kinds = {});

} // namespace crescendar
