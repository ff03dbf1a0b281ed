// Rise, transit and set of the Sun and the Moon, and the Sun's twilight crossings, by
// interpolation between three daily positions and iterative correction of each time
// (Meeus, Astronomical Algorithms, chapter 15).
#include "fGlobals.h"
#include "fMoonCalcs.h"
#include "fRiseSet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace crescendar {

namespace {

constexpr double kHalfMinuteHours = 0.008333333333333333;
constexpr double kRefineTolerance = 1e-9;
constexpr double kSlopeStep = 1e-5;       // days, to tell a rising crossing from a setting one
constexpr double kScanStep = 1.0 / 288.0; // days (five minutes)
constexpr double kFarthestTime = 2.0;     // days from 0h of the date

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

// The body's hour angle and declination at time m (days from 0h universal time).
HourAngleAndDec AtTime(double m, const TRiseSetFrame& f) {
    const double theta = NormaliseDegrees(f.Theta0 + 360.985647 * m);
    const double n = m + f.DeltaT / 86400.0;
    const double alpha = Interpolate3(f.RA[0], f.RA[1], f.RA[2], n);
    const double delta = Interpolate3(f.Dec[0], f.Dec[1], f.Dec[2], n);
    return {ReduceHourAngle(theta - f.Lo - alpha), delta};
}

double Altitude(const HourAngleAndDec& p, const TRiseSetFrame& f) {
    return AsinD(SinD(f.Phi) * SinD(p.Dec) + CosD(f.Phi) * CosD(p.Dec) * CosD(p.H));
}

double AltitudeAt(double m, const TRiseSetFrame& f) {
    return Altitude(AtTime(m, f), f);
}

// Correction to a rise or set time; not finite where sin H or cos phi is 0.
double CrossingCorrection(double m, const TRiseSetFrame& f) {
    const HourAngleAndDec p = AtTime(m, f);
    return (Altitude(p, f) - f.H0) / (360.0 * CosD(p.Dec) * CosD(f.Phi) * SinD(p.H));
}

double TransitCorrection(double m, const TRiseSetFrame& f) {
    return -AtTime(m, f).H / 360.0;
}

// Applies corrections to one time until one is below the tolerance, at most
// kMaxRefineRounds times. Near lower or upper culmination, where a crossing may not exist,
// the corrections can swing back and forth for ever. Returns whether the time settled.
template <typename Correction> bool Settle(double& m, Correction correction) {
    for (int round = 0; round < kMaxRefineRounds; ++round) {
        const double dm = correction(m);
        // Far from the three tabulated days the interpolation means nothing.
        if (!std::isfinite(dm) || std::fabs(m + dm) > kFarthestTime) return false;
        m += dm;
        if (std::fabs(dm) < kRefineTolerance) return true;
    }
    return false;
}

bool IsRising(double m, const TRiseSetFrame& f) {
    return AltitudeAt(m + kSlopeStep, f) > AltitudeAt(m - kSlopeStep, f);
}

// The first crossing of h0 in the given direction within [from, to], by stepping and
// bisection; NaN if there is none.
double FindCrossing(double from, double to, bool rising, const TRiseSetFrame& f) {
    const auto below = [&](double m) { return AltitudeAt(m, f) < f.H0; };
    double a = from;
    bool aBelow = below(a);
    while (a < to) {
        const double b = std::min(a + kScanStep, to);
        const bool bBelow = below(b);
        if (aBelow != bBelow && aBelow == rising) {
            double lo = a;
            double hi = b;
            for (int i = 0; i < 40; ++i) {
                const double mid = (lo + hi) / 2.0;
                (below(mid) == aBelow ? lo : hi) = mid;
            }
            return (lo + hi) / 2.0;
        }
        a = b;
        aBelow = bBelow;
    }
    return std::numeric_limits<double>::quiet_NaN();
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
    // A rise or set counts only if it settled on a crossing in its own direction: from a start
    // near culmination the corrections can also lead to the other kind of crossing.
    c.Rise = Settle(m.Rise, [&](double x) { return CrossingCorrection(x, frame); }) &&
             IsRising(m.Rise, frame);
    c.Set = Settle(m.Set, [&](double x) { return CrossingCorrection(x, frame); }) &&
            !IsRising(m.Set, frame);
    return c;
}

TRiseSet RiseTransitSet(const std::array<TEquatorialPosition, 3>& positions, double jd0, double h0,
                        double deltaT, const Observer& observer) {
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
    const double d = offset / 1440.0;
    // The Sun's times change little from one day to the next, so a crossing of a negative
    // altitude that falls just outside the date is shown wrapped into it.
    const bool wrap = h0 < 0.0;
    // Events that fall on the neighbouring local date are taken from the neighbouring
    // universal day instead; each change restarts from the unrefined times. A time that did
    // not settle says nothing about its date and is left to the search below.
    const double shift = d >= 0.0 ? -1.0 : 1.0;
    const auto outside = [d](double x) { return d >= 0.0 ? x + d > 1.0 : x + d < 0.0; };

    TEventTimes s;
    s.Transit = ReduceDay((f.RA[1] + f.Lo - f.Theta0) / 360.0);
    const double cosH0 = (SinD(h0) - SinD(f.Phi) * SinD(f.Dec[1])) / (CosD(f.Phi) * CosD(f.Dec[1]));
    // Not finite at the poles, where the body keeps its altitude all day.
    const bool crosses = std::fabs(cosH0) < 1.0;

    TEventTimes m = s;
    TEventConvergence c;
    if (crosses) {
        const double halfArc = AcosD(cosH0) / 360.0;
        s.Rise = ReduceDay(s.Transit - halfArc);
        s.Set = ReduceDay(s.Transit + halfArc);
        m = s;
        c = RefineEventTimes(m, f);
        if (c.Transit && outside(m.Transit)) {
            s.Transit += shift;
            s.Rise = ReduceDay(s.Transit - halfArc);
            s.Set = ReduceDay(s.Transit + halfArc);
            m = s;
            c = RefineEventTimes(m, f);
        }
        if (c.Rise && outside(m.Rise)) {
            m = s;
            m.Rise += shift;
            s = m;
            c = RefineEventTimes(m, f);
        }
        if (c.Set && outside(m.Set)) {
            m = s;
            m.Set += shift;
            c = RefineEventTimes(m, f);
        }
    } else {
        // No rise or set by the declination at 0h, but the transit still happens.
        const auto transit = [&](double x) { return TransitCorrection(x, f); };
        c.Transit = Settle(m.Transit, transit);
        if (c.Transit && outside(m.Transit)) {
            m.Transit = s.Transit + shift;
            c.Transit = Settle(m.Transit, transit);
        }
        c.Rise = false;
        c.Set = false;
    }

    TRiseSet r;
    r.TransitText = c.Transit ? TimeText(m.Transit, offset, wrap) : "*****";

    // A rise or set that found no time on the date (the declination at 0h says there is no
    // crossing, the corrections did not settle, or the crossing fell on the neighbouring
    // date) is looked for directly over the local date, where the body's declination may
    // differ enough to decide otherwise.
    enum class Found { Time, OtherDate, Nowhere };
    const auto resolve = [&](bool settled, double& time, bool rising, std::string& text) {
        if (settled) {
            text = TimeText(time, offset, wrap);
            if (text != "*****") return Found::Time;
        }
        time = FindCrossing(-d, 1.0 - d, rising, f);
        if (std::isfinite(time)) {
            // "*****" only when it rounds up to the next date's midnight.
            text = TimeText(time, offset, wrap);
            return text != "*****" ? Found::Time : Found::OtherDate;
        }
        text = "*****";
        return settled ? Found::OtherDate : Found::Nowhere;
    };
    const Found rise = resolve(c.Rise, m.Rise, true, r.RiseText);
    const Found set = resolve(c.Set, m.Set, false, r.SetText);
    if (rise == Found::Nowhere && set == Found::Nowhere) {
        // The body does not cross the altitude at all on this date.
        r.RiseText = "None";
        r.SetText = "None";
    }
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
