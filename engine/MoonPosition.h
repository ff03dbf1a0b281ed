// The Moon's position.
#pragma once

#include "Records.h"

namespace crescendar {

// The Moon at one instant (the JD is universal time); also hands back the Sun.
void MoonPosition(double jd, const Observer& observer, TMoonState& moon, TSunPosition& sun);

} // namespace crescendar
