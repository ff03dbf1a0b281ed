// The Moon's perigee and apogee.
#pragma once

#include "Records.h"
#include "TimeScale.h"

namespace crescendar {

// The first perigee (or apogee) whose series instant is at or after from. estimate is a first
// guess of the step number (CycleEstimate with 13.2555 steps a year). All fields are NaN only
// if none is found within 400 steps.
TApsisEvent NextApsis(DynamicalTime from, long double estimate, bool perigee);

// The next perigee and apogee at or after the local civil instant date.JD, as texts in the
// observer's local time.
TPerigeeApogee PerigeeApogee(TDateTimeRecord date, const Observer& observer);

} // namespace crescendar
