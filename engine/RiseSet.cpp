// Rise, transit and set of the Sun and the Moon, and the Sun's twilight crossings, by
// interpolation between three daily positions and iterative correction of each time
// (Meeus, Astronomical Algorithms, chapter 15).
#include "fGlobals.h"
#include "fMoonCalcs.h"
#include "fRiseSet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace crescendar {

namespace {

constexpr double kHalfMinuteHours = 0.008333333333333333;
constexpr double kRefineTolerance = 1e-9;

double SinD(double x) {
    return std::sin(DegToRad(x));
}
double CosD(double x) {
    return std::cos(DegToRad(x));
}
double AsinD(double x) {
    return RadToDeg(std::asin(std::clamp(x, -1.0, 1.0)));
}
double AcosD(double x) {
    return RadToDeg(std::acos(std::clamp(x, -1.0, 1.0)));
}

// Into [0, 1] (0 and 1 themselves are kept).
double ReduceDay(double m) {
    while (m < 0.0) m += 1.0;
    while (m > 1.0) m -= 1.0;
    return m;
}

// An hour angle into [-180, 180]. The interpolated right ascension may exceed 360 after
// unwrapping, so one turn either way is not always enough.
double ReduceHourAngle(double h) {
    h = NormaliseDegrees(h);
    return h > 180.0 ? h - 360.0 : h;
}

struct HourAngleAndDec {
    double H;
    double Dec;
};

HourAngleAndDec AtTime(double m, const TRiseSetFrame& f) {
    const double theta = NormaliseDegrees(f.Theta0 + 360.985647 * m);
    const double n = m + f.DeltaT / 86400.0;
    const double alpha = Interpolate3(f.RA[0], f.RA[1], f.RA[2], n);
    const double delta = Interpolate3(f.Dec[0], f.Dec[1], f.Dec[2], n);
    return {ReduceHourAngle(theta - f.Lo - alpha), delta};
}

// Correction to a rise or set time; not finite where the crossing is tangential.
double CrossingCorrection(double m, const TRiseSetFrame& f) {
    const HourAngleAndDec p = AtTime(m, f);
    const double h = AsinD(SinD(f.Phi) * SinD(p.Dec) + CosD(f.Phi) * CosD(p.Dec) * CosD(p.H));
    return (h - f.H0) / (360.0 * CosD(p.Dec) * CosD(f.Phi) * SinD(p.H));
}

double TransitCorrection(double m, const TRiseSetFrame& f) {
    return -AtTime(m, f).H / 360.0;
}

// Applies corrections to one time until one is below the tolerance, at most
// kMaxRefineRounds times. Returns whether it settled.
template <typename Correction> bool Settle(double& m, Correction correction) {
    static bool dbg = std::getenv("RSDBG") != nullptr;
    if (dbg) std::printf("settle from %.6f:", m);
    for (int round = 0; round < kMaxRefineRounds; ++round) {
        const double dm = correction(m);
        if (dbg && round < 12) std::printf(" %.6f", m + dm);
        if (!std::isfinite(dm)) return false;
        m += dm;
        if (std::fabs(dm) < kRefineTolerance) { if (dbg) std::printf(" ok\n"); return true; }
    }
    if (dbg) std::printf(" FAIL\n");
    return false;
}

// Local clock text of event time m. Past midnight (including a time that would round up to
// 24:00) a crossing of a negative altitude is wrapped into the day; anything else is "*****".
std::string TimeText(double m, double offsetMinutes, bool wrap) {
    double t = 24.0 * m + kHalfMinuteHours + offsetMinutes / 60.0;
    if (wrap) {
        if (t < 0.0) t += 24.0;
        if (t > 24.0) t -= 24.0;
    }
    if (!(t >= 0.0 && t <= 24.0)) return "*****";
    const TAngleText a = DegreesToDMS(t);
    if (a.Deg == "24") return wrap ? "00:00" : "*****";
    return a.Deg + ":" + a.Min;
}

} // namespace

double Interpolate3(double y1, double y2, double y3, double n) {
    const double p = y2 - y1;
    const double q = y3 - y2;
    const double r = q - p;
    return y2 + n / 2.0 * (p + q + n * r);
}

TEventConvergence RefineEventTimes(TEventTimes& m, const TRiseSetFrame& frame) {
    TEventConvergence c;
    c.Transit = Settle(m.Transit, [&](double x) { return TransitCorrection(x, frame); });
    c.Rise = Settle(m.Rise, [&](double x) { return CrossingCorrection(x, frame); });
    c.Set = Settle(m.Set, [&](double x) { return CrossingCorrection(x, frame); });
    return c;
}

TRiseSet RiseTransitSet(const std::array<TEquatorialPosition, 3>& positions, double jd0,
                        double h0, double deltaT, const Observer& observer) {
    TRiseSetFrame f;
    for (std::size_t i = 0; i < 3; ++i) {
        f.RA[i] = positions[i].RA;
        f.Dec[i] = positions[i].Dec;
    }
    if (f.RA[1] < f.RA[0]) f.RA[1] += 360.0;
    if (f.RA[2] < f.RA[1]) f.RA[2] += 360.0;
    f.Theta0 = GreenwichMeanSiderealTime(jd0);
    f.Lo = RadToDeg(observer.Longitude);
    f.Phi = RadToDeg(observer.Latitude);
    f.H0 = h0;
    f.DeltaT = deltaT;

    const double offset = observer.TotalOffset();
    const bool wrap = h0 < 0.0;

    TEventTimes s;
    s.Transit = ReduceDay((f.RA[1] + f.Lo - f.Theta0) / 360.0);
    const double cosH0 =
        (SinD(h0) - SinD(f.Phi) * SinD(f.Dec[1])) / (CosD(f.Phi) * CosD(f.Dec[1]));
    const bool crosses = std::fabs(cosH0) < 1.0; // false for NaN too (the poles)
    const double halfArc = crosses ? AcosD(cosH0) / 360.0 : 0.0;
    s.Rise = ReduceDay(s.Transit - halfArc);
    s.Set = ReduceDay(s.Transit + halfArc);

    TEventTimes m = s;
    TEventConvergence c = RefineEventTimes(m, f);

    // Events that fall on the neighbouring local date are taken from the neighbouring
    // universal day instead.
    const double d = offset / 1440.0;
    const double shift = d >= 0.0 ? -1.0 : 1.0;
    const auto outside = [d](double x) { return d >= 0.0 ? x + d > 1.0 : x + d < 0.0; };
    if (outside(m.Transit)) {
        s.Transit += shift;
        if (std::getenv("NORED")) { s.Rise = s.Transit - halfArc; s.Set = s.Transit + halfArc; } else {
        s.Rise = ReduceDay(s.Transit - halfArc);
        s.Set = ReduceDay(s.Transit + halfArc);}
        m = s;
        c = RefineEventTimes(m, f);
    }
    if (crosses && outside(m.Rise)) {
        m = s;
        m.Rise += shift;
        s = m;
        c = RefineEventTimes(m, f);
    }
    if (crosses && outside(m.Set)) {
        m = s;
        m.Set += shift;
        c = RefineEventTimes(m, f);
    }

    TRiseSet r;
    r.TransitText = c.Transit ? TimeText(m.Transit, offset, wrap) : "*****";
    if (!crosses) {
        r.RiseText = "None";
        r.SetText = "None";
        return r;
    }
    r.RiseText = c.Rise ? TimeText(m.Rise, offset, wrap) : "?????";
    r.SetText = c.Set ? TimeText(m.Set, offset, wrap) : "?????";
    return r;
}

TRiseSet SunRiseSet(TDateTimeRecord date, double h0, const Observer& observer) {
    date.Hour = 0;
    date.Minute = 0;
    date.Second = 0;
    const double jd0 = DateToJulianDay(date);
    const std::array<TEquatorialPosition, 3> positions = {
        SunPosition(jd0 - 1.0, observer).Equatorial, SunPosition(jd0, observer).Equatorial,
        SunPosition(jd0 + 1.0, observer).Equatorial};
    return RiseTransitSet(positions, jd0, h0, DeltaT(date.Year), observer);
}

TRiseSet MoonRiseSet(TDateTimeRecord date, const Observer& observer) {
    date.Hour = 0;
    date.Minute = 0;
    date.Second = 0;
    const double jd0 = DateToJulianDay(date);
    TMoonState before, today, after;
    TSunPosition sun;
    MoonPosition(jd0 - 1.0, observer, before, sun);
    MoonPosition(jd0, observer, today, sun);
    MoonPosition(jd0 + 1.0, observer, after, sun);
    const double h0 = 0.7275 * today.Parallax - 0.5667;
    TRiseSet r = RiseTransitSet({before.Equatorial, today.Equatorial, after.Equatorial}, jd0, h0,
                                DeltaT(date.Year), observer);
    r.IlluminatedPercent = today.IlluminatedPercent;
    return r;
}

} // namespace crescendar
