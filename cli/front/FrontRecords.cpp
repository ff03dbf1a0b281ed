#include "FrontRecords.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "Phases.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace crescendar::front {

namespace {

std::string Padded(std::int64_t v, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, static_cast<long long>(v));
    return buf;
}

bool Finite(UniversalTime t) {
    return std::isfinite(t.JD) && std::fabs(t.JD) < 1e9;
}

std::int64_t UnixSeconds(UniversalTime t) {
    return static_cast<std::int64_t>(std::floor((t.JD - kUnixEpochJD) * 86400.0 + 0.5));
}

std::string CivilText(std::int64_t seconds) {
    const auto [days, rest] = SplitDays(seconds, 86400);
    const TCivilDate d = CivilDate(days);
    const std::string year = d.Year >= 0 && d.Year <= 9999 ? Padded(d.Year, 4)
                                                           : std::string(d.Year < 0 ? "-" : "+") +
                                                                 Padded(std::llabs(d.Year), 5);
    return year + "-" + Padded(d.Month, 2) + "-" + Padded(d.Day, 2) + "T" + Padded(rest / 3600, 2) +
           ":" + Padded(rest / 60 % 60, 2) + ":" + Padded(rest % 60, 2);
}

} // namespace

std::string IsoUniversal(UniversalTime t) {
    return Finite(t) ? CivilText(UnixSeconds(t)) + "Z" : "";
}

std::string IsoLocal(UniversalTime t, double minutes) {
    if (!Finite(t) || !std::isfinite(minutes)) return {};
    const auto offset = static_cast<std::int64_t>(std::llround(minutes * 60.0)); // seconds
    const std::int64_t a = offset < 0 ? -offset : offset;
    std::string zone =
        std::string(offset < 0 ? "-" : "+") + Padded(a / 3600, 2) + ":" + Padded(a / 60 % 60, 2);
    if (a % 60 != 0) zone += ":" + Padded(a % 60, 2);
    return CivilText(UnixSeconds(t) + offset) + zone;
}

std::string IsoLocal(UniversalTime t, const Observer& obs) {
    return IsoLocal(t, obs.OffsetAt(t));
}

TJson InstantJson(UniversalTime t, const Observer& obs) {
    return {{"UT", IsoUniversal(t)}, {"Local", IsoLocal(t, obs)}};
}

TJson DynamicalInstantJson(UniversalTime ut, DynamicalTime jde, const Observer& obs) {
    TJson o = InstantJson(ut, obs);
    o.Set("JDE", jde.JD);
    return o;
}

TJson SeriesInstantJson(DynamicalTime jde, const Observer& obs) {
    return DynamicalInstantJson(SeriesInstantAsUniversal(jde), jde, obs);
}

TJson Json(const TApsisEvent& a, const Observer& obs) {
    TJson o = SeriesInstantJson(a.JDE, obs);
    o.Set("DistanceKm", a.DistanceKm);
    return o;
}

TJson Json(const TPerigeeApogee& p, const Observer& obs) {
    const TPerigeeApogeeTexts t = PerigeeApogeeText(p, obs);
    TJson o{{"PerigeeDistanceText", t.PerigeeDistanceText},
            {"PerigeeDateText", t.PerigeeDateText},
            {"ApogeeDistanceText", t.ApogeeDistanceText},
            {"ApogeeDateText", t.ApogeeDateText}};
    if (std::isfinite(p.Perigee.JDE.JD)) o.Set("Perigee", Json(p.Perigee, obs));
    if (std::isfinite(p.Apogee.JDE.JD)) o.Set("Apogee", Json(p.Apogee, obs));
    return o;
}

TMoonReading ReadMoon(TDateTimeRecord local, const Observer& obs) {
    TMoonReading r;
    r.UT = obs.ToUniversal(LocalInstant(local));
    // A reading the clocks skip (the hour lost when they go forward) is the instant an hour
    // later on the clock; every figure is of that one instant, and shows its reading.
    if (obs.ToLocal(r.UT).JD != local.JD) local = JulianDayToDate(obs.ToLocal(r.UT).JD);
    r.Local = local;
    MoonPosition(r.UT, obs, r.Moon, r.Sun);
    TLunationBracket bounds;
    r.Age = MoonAge(r.UT, bounds);
    TPhaseList list;
    const int count = MonthPhases(local, obs, list);
    r.PhaseName = PhaseName(bounds, r.Age, local.Month, list, count, LocalInstant(local));
    r.Lst = LocalSiderealTime(local, obs);
    r.Apsides = PerigeeApogee(local, obs);
    return r;
}

TJson MoonJson(const TMoonReading& r, const Observer& obs) {
    return {{"JD", r.UT.JD}, // universal time
            {"UT", IsoUniversal(r.UT)},
            {"Local", IsoLocal(r.UT, obs)},
            {"MoonState", Json(r.Moon)},
            {"SunPosition", Json(r.Sun)},
            {"Age", r.Age},
            {"AgeDays", r.Age},
            {"PhaseName", r.PhaseName},
            {"LST", r.Lst},
            {"PerigeeApogee", Json(r.Apsides, obs)}};
}

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
