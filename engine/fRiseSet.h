// The Sun's position; rise, transit, set and twilight.
#pragma once

#include "Records.h"

namespace crescendar {

TSunPosition SunPosition(double jd, const Observer& observer);

} // namespace crescendar
