// Rise, transit and set of the Sun and the Moon, and the Sun's twilight crossings, by
// interpolation between three daily positions and iterative correction of each time
// (Meeus, Astronomical Algorithms, chapter 15).
#include "RiseSet.h"
#include "Calendar.h"
#include "MoonPosition.h"
#include "Nutation.h"
#include "SunPosition.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace crescendar {

namespace {

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

// The clock texts add half a minute and drop the seconds after rounding them up, so a time
// from hh:mm:29 on reads as the next minute: 31 seconds, in minutes.
constexpr double kRoundingMinutes = 31.0 / 60.0;

// The local clock minute (0 = 00:00 of the date) that event time m reads as; it belongs to
// the date when it lies in [0, 1440).
long MinuteOfDate(double m, double offsetMinutes) {
    const double minutes = m * 1440.0 + offsetMinutes + kRoundingMinutes;
    if (!std::isfinite(minutes) || std::fabs(minutes) > 1e6) return -1;
    return static_cast<long>(std::floor(minutes));
}

bool OnDate(double m, double offsetMinutes) {
    const long minute = MinuteOfDate(m, offsetMinutes);
    return minute >= 0 && minute < 1440;
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

TBodyEvents RiseTransitSet(const std::array<TEquatorialPosition, 3>& positions, UniversalTime jd0,
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

    // The offset in force at event time m (days from 0h universal time), minutes: a date on
    // which the clocks change has 23 or 25 hours, and each event is read with its own offset.
    const auto offsetAt = [&](double m) { return observer.OffsetAt(jd0 + m); };
    // The offsets at the date's local midnight and at the next one.
    const double startOffset = observer.OffsetAt(observer.ToUniversal(LocalTime{jd0.JD}));
    const double endOffset = observer.OffsetAt(observer.ToUniversal(LocalTime{jd0.JD + 1.0}));
    // The local date, after rounding to the minute, runs from 31 seconds before its midnight
    // to 31 seconds before the next one, in days from 0h universal time.
    const double from = -startOffset / 1440.0 - kRoundingMinutes / 1440.0;
    const double to = 1.0 - endOffset / 1440.0 - kRoundingMinutes / 1440.0;
    const auto onDate = [&](double m) { return OnDate(m, offsetAt(m)); };
    const auto at = [&](double m) {
        return TCrossing{TCrossingKind::At, jd0 + m,
                         static_cast<int>(MinuteOfDate(m, offsetAt(m)))};
    };

    const double transit0 = ReduceDay((f.RA[1] + f.Lo - f.Theta0) / 360.0);
    const double cosH0 = (SinD(h0) - SinD(f.Phi) * SinD(f.Dec[1])) / (CosD(f.Phi) * CosD(f.Dec[1]));
    // Not finite at the poles, where the body keeps its altitude all day.
    const bool crosses = std::fabs(cosH0) < 1.0;
    const double halfArc = crosses ? AcosD(cosH0) / 360.0 : 0.0;

    // Each event is refined from its first estimate and, should that land on another local
    // date, from the estimate a day earlier and a day later. The first that settles on the
    // date is taken; there is no more than one transit on a date.
    constexpr double kShifts[] = {0.0, -1.0, 1.0};
    TBodyEvents r;
    for (const double shift : kShifts) {
        double m = transit0 + shift;
        if (Settle(m, [&](double x) { return TransitCorrection(x, f); }) && onDate(m)) {
            r.Transit = at(m);
            break;
        }
    }

    // A rise or set counts only if it settled on a crossing in its own direction: from a start
    // near culmination the corrections can also lead to the other kind of crossing. When no
    // refined time lies on the date (the declination at 0h says there is no crossing, the
    // corrections did not settle, or they led to another date), the crossing is looked for
    // directly over the local date, where the body's declination may differ enough to decide
    // otherwise. Either way a crossing is shown only on the date its rounded minute falls on.
    const auto crossing = [&](double estimate, bool rising) -> double {
        if (crosses) {
            for (const double shift : kShifts) {
                double m = ReduceDay(estimate) + shift;
                if (Settle(m, [&](double x) { return CrossingCorrection(x, f); }) &&
                    IsRising(m, f) == rising && onDate(m))
                    return m;
            }
        }
        const double m = FindCrossing(from, to, rising, f);
        return std::isfinite(m) && onDate(m) ? m : std::numeric_limits<double>::quiet_NaN();
    };
    const double rise = crossing(transit0 - halfArc, true);
    const double set = crossing(transit0 + halfArc, false);
    if (std::isnan(rise) && std::isnan(set)) {
        // The body does not cross the altitude at all on this date: its side of it in the
        // middle of the date is its side all day.
        const TCrossingKind kind = AltitudeAt((from + to) / 2.0, f) > h0
                                       ? TCrossingKind::AlwaysAbove
                                       : TCrossingKind::AlwaysBelow;
        r.Rise.Kind = kind;
        r.Set.Kind = kind;
    } else {
        if (!std::isnan(rise)) r.Rise = at(rise);
        if (!std::isnan(set)) r.Set = at(set);
    }
    return r;
}

TBodyEvents SunEvents(TDateTimeRecord date, double h0, const Observer& observer) {
    date.Hour = 0;
    date.Minute = 0;
    date.Second = 0;
    // 0h of the local date taken as universal time: the three positions the interpolation
    // runs between.
    const UniversalTime jd0{DateToJulianDay(date)};
    const std::array<TEquatorialPosition, 3> positions = {
        SunPosition(jd0 - 1.0, observer).Equatorial, SunPosition(jd0, observer).Equatorial,
        SunPosition(jd0 + 1.0, observer).Equatorial};
    return RiseTransitSet(positions, jd0, h0, DeltaT(date.Year), observer);
}

TBodyEvents MoonEvents(TDateTimeRecord date, const Observer& observer,
                       std::int32_t* illuminatedPercent) {
    date.Hour = 0;
    date.Minute = 0;
    date.Second = 0;
    const UniversalTime jd0{DateToJulianDay(date)};
    TMoonState before, today, after;
    TSunPosition sun;
    MoonPosition(jd0 - 1.0, observer, before, sun);
    MoonPosition(jd0, observer, today, sun);
    MoonPosition(jd0 + 1.0, observer, after, sun);
    const double h0 = MoonRiseAltitude(today.Parallax);
    if (illuminatedPercent) *illuminatedPercent = today.IlluminatedPercent;
    return RiseTransitSet({before.Equatorial, today.Equatorial, after.Equatorial}, jd0, h0,
                          DeltaT(date.Year), observer);
}

} // namespace crescendar
