// The texts of the Moon view that do not depend on any window: the phase name from the
// lunation percentage, the Moon's age in days, hours and minutes, the local sidereal time.
#pragma once

#include "Records.h"
#include "TimeScale.h"

#include <array>
#include <string>

namespace crescendar {

// The Moon's age (days) at a universal instant and the lunation that holds it.
double MoonAge(UniversalTime ut, TLunationBracket& bounds);

// The phase name for an age within a lunation. The full moon reads "Full (Blue) Moon" when
// the month's list holds five phases ending in a full moon that has begun by the selected
// local instant.
std::string PhaseName(const TLunationBracket& bounds, double age, int month, const TPhaseList& list,
                      int count, LocalTime selected);

// The age as "05d", "18h", "00m".
std::array<std::string, 3> MoonAgeTexts(double age);

// Local apparent sidereal time of the local instant d as "hh:mm:ss".
std::string LocalSiderealTime(TDateTimeRecord d, const Observer& observer);

} // namespace crescendar
