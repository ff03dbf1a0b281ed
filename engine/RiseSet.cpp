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
#include <optional>
#include <utility>

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

// A table with the sine and cosine of the latitude worked out once: every altitude needs them.
struct Frame : TRiseSetFrame {
    explicit Frame(const TRiseSetFrame& f)
        : TRiseSetFrame(f), SinPhi(SinD(f.Phi)), CosPhi(CosD(f.Phi)) {}
    double SinPhi;
    double CosPhi;
};

struct HourAngleAndDec {
    double H;
    double Dec;
};

// The body's hour angle and declination at time m (days from 0h universal time).
HourAngleAndDec AtTime(double m, const Frame& f) {
    const double theta = NormaliseDegrees(f.Theta0 + 360.985647 * m);
    const double n = m + f.DeltaT / 86400.0;
    const double alpha = Interpolate3(f.RA[0], f.RA[1], f.RA[2], n);
    const double delta = Interpolate3(f.Dec[0], f.Dec[1], f.Dec[2], n);
    return {ReduceHourAngle(theta - f.Lo - alpha), delta};
}

double Altitude(const HourAngleAndDec& p, const Frame& f) {
    return AsinD(f.SinPhi * SinD(p.Dec) + f.CosPhi * CosD(p.Dec) * CosD(p.H));
}

double AltitudeAt(double m, const Frame& f) {
    return Altitude(AtTime(m, f), f);
}

// Correction to a rise or set time; not finite where sin H or cos phi is 0.
double CrossingCorrection(double m, const Frame& f) {
    const HourAngleAndDec p = AtTime(m, f);
    return (Altitude(p, f) - f.H0) / (360.0 * CosD(p.Dec) * f.CosPhi * SinD(p.H));
}

double TransitCorrection(double m, const Frame& f) {
    return -AtTime(m, f).H / 360.0;
}

enum class TSettling { Settled, LeftTheTable, Swinging };

// Applies corrections to one time until one is below the tolerance, at most
// kMaxRefineRounds times. Near lower or upper culmination, where a crossing may not exist,
// the corrections can swing back and forth for ever.
template <typename Correction> TSettling Settling(double& m, Correction correction) {
    for (int round = 0; round < kMaxRefineRounds; ++round) {
        const double dm = correction(m);
        // Far from the three tabulated days the interpolation means nothing.
        if (!std::isfinite(dm) || std::fabs(m + dm) > kFarthestTime) return TSettling::LeftTheTable;
        m += dm;
        if (std::fabs(dm) < kRefineTolerance) return TSettling::Settled;
    }
    return TSettling::Swinging;
}

template <typename Correction> bool Settle(double& m, Correction correction) {
    return Settling(m, correction) == TSettling::Settled;
}

bool IsRising(double m, const Frame& f) {
    return AltitudeAt(m + kSlopeStep, f) > AltitudeAt(m - kSlopeStep, f);
}

// The first crossing of h0 in the given direction within [from, to], by stepping and
// bisection; NaN if there is none.
double FindCrossing(double from, double to, bool rising, const Frame& f) {
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

// Whether the body cannot reach h0 at any time m in [lo, hi] (days from the table's 0h):
// whatever its hour angle, its altitude lies between -90 + |phi + dec| (lower culmination)
// and 90 - |phi - dec| (upper culmination), and its declination over the part lies between
// the extremes of the interpolating parabola there. The margin keeps the bound true against
// the rounding of the altitudes the search would compute.
bool CannotCross(double lo, double hi, const Frame& f) {
    constexpr double kMargin = 1e-4; // degrees
    const double shift = f.DeltaT / 86400.0;
    const double n1 = lo + shift;
    const double n2 = hi + shift;
    const auto dec = [&](double n) { return Interpolate3(f.Dec[0], f.Dec[1], f.Dec[2], n); };
    double decLow = std::min(dec(n1), dec(n2));
    double decHigh = std::max(dec(n1), dec(n2));
    const double p = f.Dec[1] - f.Dec[0];
    const double q = f.Dec[2] - f.Dec[1];
    const double r = q - p;
    if (r != 0.0) {
        const double vertex = -(p + q) / (2.0 * r);
        if (vertex > n1 && vertex < n2) {
            decLow = std::min(decLow, dec(vertex));
            decHigh = std::max(decHigh, dec(vertex));
        }
    }
    if (!std::isfinite(decLow) || !std::isfinite(decHigh)) return false;
    // The least distance from x to a declination in [decLow, decHigh].
    const auto nearest = [&](double x) {
        return x < decLow ? decLow - x : (x > decHigh ? x - decHigh : 0.0);
    };
    const double highest = 90.0 - nearest(f.Phi);
    const double lowest = -90.0 + nearest(-f.Phi);
    return highest < f.H0 - kMargin || lowest > f.H0 + kMargin;
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

TEventConvergence RefineEventTimes(TEventTimes& m, const TRiseSetFrame& table) {
    const Frame frame(table);
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

namespace {

// Crossing times in days from 0h universal time of the local date; a date holds few of one
// kind, so a fixed array does.
struct TTimes {
    std::array<double, 6> M{};
    std::size_t Count = 0;

    // Adds m in time order unless a time within a minute of it is there already: the tables
    // of two neighbouring universal days may both find a crossing near the midnight between
    // them.
    void Add(double m) {
        for (std::size_t i = 0; i < Count; ++i)
            if (std::fabs(M[i] - m) < 1.0 / 1440.0) return;
        if (Count == M.size()) return;
        std::size_t i = Count++;
        for (; i > 0 && M[i - 1] > m; --i) M[i] = M[i - 1];
        M[i] = m;
    }
};

struct TDayCrossings {
    TTimes Transits, Rises, Sets;
};

// Every crossing that the table of one universal day finds within [lo, hi] (days from the
// table's 0h), added to `into` with `base` (the table's 0h in days from the local date's)
// added. Each time is refined from its first estimates (Meeus); the part of the day is
// searched directly when the refinement is in doubt there: the declination at 0h says there
// is no crossing, a refinement did not settle, or the crossings found do not account for the
// body's side of the altitude at the two ends of the part.
void CrossingsOfDay(const Frame& f, double lo, double hi, double base, TDayCrossings& into) {
    constexpr double kShifts[] = {0.0, -1.0, 1.0};
    const auto within = [&](double m) { return m >= lo && m <= hi; };

    // A first estimate this far outside the part does not lead into it (should it, the check
    // of the sides below has the part searched).
    constexpr double kEstimateReach = 0.3;
    const auto worthRefining = [&](double m) {
        return m >= lo - kEstimateReach && m <= hi + kEstimateReach;
    };
    const double transit0 = ReduceDay((f.RA[1] + f.Lo - f.Theta0) / 360.0);
    for (const double shift : kShifts) {
        double m = transit0 + shift;
        if (worthRefining(m) && Settle(m, [&](double x) { return TransitCorrection(x, f); }) &&
            within(m))
            into.Transits.Add(m + base);
    }

    const double cosH0 = (SinD(f.H0) - f.SinPhi * SinD(f.Dec[1])) / (f.CosPhi * CosD(f.Dec[1]));
    // Not finite at the poles, where the body keeps its altitude all day.
    bool doubt = !(std::fabs(cosH0) < 1.0);
    TTimes rises, sets;
    if (!doubt) {
        const double halfArc = AcosD(cosH0) / 360.0;
        for (const bool rising : {true, false}) {
            for (const double shift : kShifts) {
                double m = ReduceDay(transit0 + (rising ? -halfArc : halfArc)) + shift;
                if (!worthRefining(m)) continue;
                const TSettling settling =
                    Settling(m, [&](double x) { return CrossingCorrection(x, f); });
                // From a start near culmination the corrections can also lead to the other
                // kind of crossing, or swing for ever.
                if (settling == TSettling::Settled && IsRising(m, f) == rising) {
                    if (within(m)) (rising ? rises : sets).Add(m);
                } else if (settling != TSettling::LeftTheTable) {
                    doubt = true;
                }
            }
        }
    }
    // The crossings found must alternate, beginning with a rise when the body starts the part
    // below the altitude, and leave it on the side it ends on.
    if (!doubt) {
        bool below = AltitudeAt(lo, f) < f.H0;
        std::size_t r = 0, s = 0;
        while (!doubt && (r < rises.Count || s < sets.Count)) {
            const bool nextIsRise = s == sets.Count || (r < rises.Count && rises.M[r] < sets.M[s]);
            doubt = nextIsRise != below;
            (nextIsRise ? r : s) += 1;
            below = !below;
        }
        doubt = doubt || below != (AltitudeAt(hi, f) < f.H0);
    }
    if (doubt) {
        rises = {};
        sets = {};
        // A search for crossings the body cannot make would find none.
        if (CannotCross(lo, hi, f)) doubt = false;
    }
    if (doubt) {
        for (const bool rising : {true, false})
            for (double m = lo; m < hi;) {
                m = FindCrossing(m, hi, rising, f);
                if (std::isnan(m)) break;
                (rising ? rises : sets).Add(m);
                m += kScanStep;
            }
    }
    for (std::size_t i = 0; i < rises.Count; ++i) into.Rises.Add(rises.M[i] + base);
    for (std::size_t i = 0; i < sets.Count; ++i) into.Sets.Add(sets.M[i] + base);
}

// Rise, transit and set on a local date from interpolation tables centred on 0h universal
// time of successive days: each crossing is taken from the table centred on the 0h nearest
// to it, so that it does not depend on the zone the date is read in, and no table is used
// more than half a day from its centre. frameOn(k) gives the table centred k days after the
// date's number taken as 0h universal time (jd0), k from -1 to 2, and that centre in days
// from jd0.
template <typename FrameOn>
TBodyEvents LocalDateEvents(const FrameOn& frameOn, UniversalTime jd0, const Observer& observer) {
    // The offset in force at event time m (days from 0h universal time), minutes: a date on
    // which the clocks change has 23 or 25 hours, and each event is read with its own offset.
    const auto offsetAt = [&](double m) { return observer.OffsetAt(jd0 + m); };
    // The local date, after rounding to the minute, runs from 31 seconds before its midnight
    // to 31 seconds before the next one, in days from 0h universal time. (A midnight the
    // clocks skip is the instant they jump.)
    const double from =
        (observer.ToUniversal(SameReadingAsLocal(jd0)) - jd0) - kRoundingMinutes / 1440.0;
    const double to =
        (observer.ToUniversal(SameReadingAsLocal(jd0) + 1.0) - jd0) - kRoundingMinutes / 1440.0;
    const auto onDate = [&](double m) { return OnDate(m, offsetAt(m)); };
    const auto at = [&](double m) {
        return TCrossing{TCrossingKind::At, jd0 + m,
                         static_cast<int>(MinuteOfDate(m, offsetAt(m)))};
    };
    // A date the clocks skip has no events (the same measure as LocalDateKind's).
    if (LocalDateHours(jd0, observer) <= 12.0) return {};

    // A part of a table's day shorter than this is left to the neighbouring table, which
    // reaches that far past its own half days.
    constexpr double kReach = 1.0 / 1440.0;
    TDayCrossings found;
    std::optional<std::pair<Frame, double>> middleFrame;
    const double middle = (from + to) / 2.0;
    const int firstDay = std::clamp(static_cast<int>(std::floor(from + 0.5)), -1, 2);
    const int lastDay = std::clamp(static_cast<int>(std::floor(to + 0.5)), -1, 2);
    for (int k = firstDay; k <= lastDay; ++k) {
        const double lo = std::max(from, k - 0.5);
        const double hi = std::min(to, k + 0.5);
        const bool holdsMiddle = middle >= k - 0.5 && middle < k + 0.5;
        if (hi - lo < kReach && !holdsMiddle) continue;
        const auto [frame, base] = frameOn(k);
        CrossingsOfDay(frame, lo - base - kReach, hi - base + kReach, base, found);
        if (holdsMiddle || !middleFrame) middleFrame.emplace(frame, base);
    }

    const auto onDateOnly = [&](const TTimes& times) {
        TTimes kept;
        for (std::size_t i = 0; i < times.Count; ++i)
            if (onDate(times.M[i])) kept.Add(times.M[i]);
        return kept;
    };
    // The first two crossings of each kind on the date.
    const auto fill = [&](const TTimes& times, TCrossing& first, TCrossing& second) {
        if (times.Count > 0) first = at(times.M[0]);
        if (times.Count > 1) second = at(times.M[1]);
    };
    TBodyEvents r;
    fill(onDateOnly(found.Transits), r.Transit, r.SecondTransit);
    const TTimes rises = onDateOnly(found.Rises);
    const TTimes sets = onDateOnly(found.Sets);
    if (rises.Count == 0 && sets.Count == 0) {
        // The body does not cross the altitude at all on this date: its side of it in the
        // middle of the date is its side all day.
        TCrossingKind kind = TCrossingKind::AlwaysBelow;
        if (middleFrame) {
            const Frame& f = middleFrame->first;
            if (AltitudeAt(middle - middleFrame->second, f) > f.H0)
                kind = TCrossingKind::AlwaysAbove;
        }
        r.Rise.Kind = kind;
        r.Set.Kind = kind;
    } else {
        fill(rises, r.Rise, r.SecondRise);
        fill(sets, r.Set, r.SecondSet);
    }
    return r;
}

Frame MakeFrame(const TPlaceAt0h& before, const TPlaceAt0h& day, const TPlaceAt0h& after,
                UniversalTime jd0, double h0, double deltaT, const Observer& observer) {
    TRiseSetFrame f;
    const TPlaceAt0h* p[] = {&before, &day, &after};
    for (std::size_t i = 0; i < 3; ++i) {
        f.RA[i] = p[i]->RA;
        f.Dec[i] = p[i]->Dec;
    }
    if (f.RA[1] < f.RA[0]) f.RA[1] += 360.0;
    if (f.RA[2] < f.RA[1]) f.RA[2] += 360.0;
    f.Theta0 = GreenwichMeanSiderealTime(jd0);
    f.Lo = RadToDeg(observer.Longitude);
    f.Phi = RadToDeg(observer.Latitude);
    f.H0 = h0;
    f.DeltaT = deltaT;
    return Frame(f);
}

TPlaceAt0h PlaceOf(const TEquatorialPosition& p) {
    return {p.RA, p.Dec, 0.0, 0};
}

} // namespace

double LocalDateHours(UniversalTime jd0, const Observer& observer) {
    return (observer.ToUniversal(SameReadingAsLocal(jd0) + 1.0) -
            observer.ToUniversal(SameReadingAsLocal(jd0))) *
           24.0;
}

TBodyEvents RiseTransitSet(const std::array<TEquatorialPosition, 3>& positions, UniversalTime jd0,
                           double h0, double deltaT, const Observer& observer) {
    const Frame f = MakeFrame(PlaceOf(positions[0]), PlaceOf(positions[1]), PlaceOf(positions[2]),
                              jd0, h0, deltaT, observer);
    return LocalDateEvents([&](int) { return std::make_pair(f, 0.0); }, jd0, observer);
}

template <typename Compute>
TPlaceAt0h TDailyPlaces::Find(TRing& ring, UniversalTime day, Compute compute) {
    for (const TEntry& e : ring.Entries)
        if (e.JD == day.JD) return e.Place;
    TEntry& e = ring.Entries[ring.Next];
    ring.Next = (ring.Next + 1) % ring.Entries.size();
    e = {day.JD, compute()};
    return e.Place;
}

TPlaceAt0h TDailyPlaces::Moon(UniversalTime day) {
    return Find(moon_, day, [this, day] {
        TMoonState m;
        TSunPosition sun;
        MoonPosition(day, Observer{}, m, sun);
        // The Moon's position works out the Sun's at the same instant, as Sun() would: keep it.
        Find(sun_, day, [&] { return PlaceOf(sun.Equatorial); });
        return TPlaceAt0h{m.Equatorial.RA, m.Equatorial.Dec, m.Parallax, m.IlluminatedPercent};
    });
}

TPlaceAt0h TDailyPlaces::Sun(UniversalTime day) {
    return Find(sun_, day, [day] { return PlaceOf(SunPosition(day, Observer{}).Equatorial); });
}

TBodyEvents SunEvents(TDateTimeRecord date, double h0, const Observer& observer,
                      TDailyPlaces* places) {
    TDailyPlaces own;
    TDailyPlaces& p = places ? *places : own;
    const UniversalTime jd0{DateToJulianDay(MakeDate(date.Year, date.Month, date.Day))};
    const double deltaT = DeltaT(date.Year);
    return LocalDateEvents(
        [&](int k) {
            return std::make_pair(MakeFrame(p.Sun(jd0 + (k - 1)), p.Sun(jd0 + k),
                                            p.Sun(jd0 + (k + 1)), jd0 + k, h0, deltaT, observer),
                                  static_cast<double>(k));
        },
        jd0, observer);
}

TBodyEvents MoonEvents(TDateTimeRecord date, const Observer& observer,
                       std::int32_t* illuminatedPercent, TDailyPlaces* places) {
    TDailyPlaces own;
    TDailyPlaces& p = places ? *places : own;
    const UniversalTime jd0{DateToJulianDay(MakeDate(date.Year, date.Month, date.Day))};
    if (illuminatedPercent) *illuminatedPercent = p.Moon(jd0).IlluminatedPercent;
    const double deltaT = DeltaT(date.Year);
    return LocalDateEvents(
        [&](int k) {
            const TPlaceAt0h day = p.Moon(jd0 + k);
            return std::make_pair(MakeFrame(p.Moon(jd0 + (k - 1)), day, p.Moon(jd0 + (k + 1)),
                                            jd0 + k, MoonRiseAltitude(day.Parallax), deltaT,
                                            observer),
                                  static_cast<double>(k));
        },
        jd0, observer);
}

} // namespace crescendar
