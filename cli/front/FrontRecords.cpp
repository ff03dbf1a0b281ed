#include "FrontRecords.h"

#include "Calendar.h"
#include "EventText.h"

namespace crescendar::front {

TJson Json(const TAngleText& a) {
    return {{"Sign", a.Sign}, {"Deg", a.Deg}, {"Min", a.Min}, {"Sec", a.Sec}};
}

TJson Json(const TEquatorialPosition& e) {
    return {{"RAText", Json(RightAscensionText(e.RA))},
            {"DecText", Json(DeclinationText(e.Dec))},
            {"RA", e.RA},
            {"Dec", e.Dec},
            {"RightAscensionDegrees", e.RA},
            {"DeclinationDegrees", e.Dec}};
}

TJson Json(const TMoonState& m) {
    return {{"Latitude", m.Latitude},
            {"Longitude", m.Longitude},
            {"ApparentLongitude", m.ApparentLongitude},
            {"Distance", m.Distance},
            {"Parallax", m.Parallax},
            {"Altitude", m.Altitude},
            {"Azimuth", m.Azimuth},
            {"Semidiameter", m.Semidiameter},
            {"BrightLimbAngle", m.BrightLimbAngle},
            {"PhaseAngle", m.PhaseAngle},
            {"Equatorial", Json(m.Equatorial)},
            {"TopoRAText", Json(RightAscensionText(m.TopoRA))},
            {"TopoDecText", Json(DeclinationText(m.TopoDec))},
            {"TopoRA", m.TopoRA},
            {"TopoDec", m.TopoDec},
            {"IlluminatedPercent", m.IlluminatedPercent},
            // The Moon's ecliptic latitude and longitudes are kept in radians; every angle
            // of the unit-named keys is in degrees.
            {"LatitudeDegrees", RadToDeg(m.Latitude)},
            {"LongitudeDegrees", RadToDeg(m.Longitude)},
            {"ApparentLongitudeDegrees", RadToDeg(m.ApparentLongitude)},
            {"DistanceKm", m.Distance},
            {"ParallaxDegrees", m.Parallax},
            {"AltitudeDegrees", m.Altitude},
            {"AzimuthDegrees", m.Azimuth},
            {"SemidiameterDegrees", m.Semidiameter},
            {"BrightLimbAngleDegrees", m.BrightLimbAngle},
            {"PhaseAngleDegrees", m.PhaseAngle},
            {"TopocentricRightAscensionDegrees", m.TopoRA},
            {"TopocentricDeclinationDegrees", m.TopoDec}};
}

TJson Json(const TSunPosition& s) {
    return {{"ApparentLongitude", s.ApparentLongitude},
            {"Latitude", s.Latitude},
            {"Altitude", s.Altitude},
            {"Azimuth", s.Azimuth},
            {"Distance", s.Distance},
            {"Equatorial", Json(s.Equatorial)},
            {"ApparentLongitudeDegrees", s.ApparentLongitude},
            {"LatitudeDegrees", s.Latitude},
            {"AltitudeDegrees", s.Altitude},
            {"AzimuthDegrees", s.Azimuth},
            {"DistanceKm", s.Distance}};
}

} // namespace crescendar::front
