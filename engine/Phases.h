// The Moon's principal phases and the lunation around an instant.
#pragma once

#include "Records.h"
#include "TimeScale.h"

namespace crescendar {

// Cycles of a lunar period (cyclesPerYear of them a year) from 2000.0 to the record's JD, as
// the first estimate of a lunation or anomalistic-month number: (JD - start of its year) /
// 365.25 + Year - 2000, times cyclesPerYear. A JD that is not a number counts as the record's
// own date; the result stays within +-1e7 so that it always fits an integer.
long double CycleEstimate(const TDateTimeRecord& date, long double cyclesPerYear);

// Principal phases (Meeus, Astronomical Algorithms, chapter 49). k is the lunation number
// from the new moon of 6 January 2000: whole for a new moon, .25 first quarter, .5 full moon,
// .75 last quarter.
// The mean phase (equation 49.1); hands back the powers of T for the corrections.
DynamicalTime MeanPhase(double k, TPhasePowers& powers);

// Mean length of a lunation in days.
inline constexpr double kSynodicMonth = 29.530588853;

// Mean lunations from the new moon of 6 January 2000 (k = 0 of the phase series) to Julian
// Day jd: the k of the mean phase at jd, not rounded.
constexpr double LunationsSince2000(double jd) {
    return (jd - 2451550.09765) / kSynodicMonth;
}

// Whether entry `index` of a month's list of `count` principal phases is a Blue Moon: the
// month's fifth phase, a full moon (the month's second).
bool IsBlueMoon(const TPhaseList& list, int count, int index);
// The periodic and planetary corrections of the phase kind, days (tables of chapter 49).
double PhaseCorrection(const TPhasePowers& powers, TPhaseKind kind, double k);
// The kind of phase that k names.
TPhaseKind PhaseKindOf(double k);
// The true instant of the phase with lunation number k. The program shows it as local civil
// time by adding the zone offset alone, without Delta T (SeriesInstantAsLocal).
DynamicalTime TruePhase(double k);
// Fills the phase list of the local calendar month date.Month/date.Year: the phases whose shown
// instant (true instant plus the observer's zone offset) falls in that month, in time order;
// each entry's Instant is that shown local instant. Returns the count (3..5).
int MonthPhases(TDateTimeRecord date, const Observer& observer, TPhaseList& list);
// The true new moons before and after a universal instant, compared with the series' instants
// as given (SeriesArgument).
TLunationBracket LunationBracket(UniversalTime ut);

} // namespace crescendar
