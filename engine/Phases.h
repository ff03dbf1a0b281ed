// The Moon's principal phases and the lunation around an instant.
#pragma once

#include "Records.h"

namespace crescendar {

// Cycles of a lunar period (cyclesPerYear of them a year) from 2000.0 to the record's JD, as
// the first estimate of a lunation or anomalistic-month number: (JD - start of its year) /
// 365.25 + Year - 2000, times cyclesPerYear. A JD that is not a number counts as the record's
// own date; the result stays within +-1e7 so that it always fits an integer.
long double CycleEstimate(const TDateTimeRecord& date, long double cyclesPerYear);

// Principal phases.
double MeanPhase(double k, TPhasePowers& powers);
double PhaseCorrection(const TPhasePowers& powers, TPhaseKind kind, double k);
TPhaseKind PhaseKindOf(double k);
// True instant (dynamical time, no zone) of the phase with lunation number k.
double TruePhase(double k);
// Fills the phase list of the month of date.Month/date.Year; returns the count (3..5).
int MonthPhases(TDateTimeRecord date, const Observer& observer, TPhaseList& list);
// The true new moons before and after date.JD (as given; no zone applied).
TLunationBracket LunationBracket(TDateTimeRecord date);

} // namespace crescendar
