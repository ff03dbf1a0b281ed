// The engine's position records as the JSON answers give them, one set of keys shared by the
// front and the Qt program: the angles' texts, the equatorial position, the Moon's state and
// the Sun's position. Every angle of a key that names its unit is in degrees; the older keys
// beside them keep their units for the scripts that read them.
#pragma once

#include "FrontJson.h"

#include "MoonView.h"
#include "Records.h"

namespace crescendar::front {

TJson Json(const TAngleText& a);
TJson Json(const TEquatorialPosition& e);
TJson Json(const TMoonState& m);
TJson Json(const TSunPosition& s);

} // namespace crescendar::front
