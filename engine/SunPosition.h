// The Sun's position.
#pragma once

#include "Records.h"

namespace crescendar {

TSunPosition SunPosition(double jd, const Observer& observer);
// The same, with the nutation and the true obliquity (radians) of jd already at hand.
TSunPosition SunPosition(double jd, const Observer& observer, const TNutation& nutation,
                         double epsilon);

} // namespace crescendar
