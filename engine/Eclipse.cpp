// Lunar eclipses (Meeus, Astronomical Algorithms, chapter 54) and their visibility from the
// observer's place, judged from the Moon's rise and set on the dates the eclipse touches.
#include "Eclipse.h"

#include "Calendar.h"
#include "EclipseSeries.h"
#include "MoonPosition.h"
#include "Phases.h"
#include "RiseSet.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

namespace crescendar {

namespace {

constexpr double kMinutesPerDay = 1440.0;

// How much of the penumbral phase the Moon spends above the horizon.
enum class TSight { None, Part, Whole };

TEclipseVisibility SightValue(TSight sight) {
    switch (sight) {
    case TSight::Whole:
        return TEclipseVisibility::Visible;
    case TSight::Part:
        return TEclipseVisibility::PartlyVisible;
    case TSight::None:
        break;
    }
    return TEclipseVisibility::NotVisible;
}

// A semiduration in days from the radius the Moon's centre must stay within; 0 when the
// Moon's path does not reach that radius.
double Semiduration(double radius, double gamma, double n) {
    const double d = radius * radius - gamma * gamma;
    return d > 0.0 ? 60.0 / n * std::sqrt(d) / kMinutesPerDay : 0.0;
}

// The full moon has lunation number k = integer + 0.5 exactly.
bool IsFullMoon(double k) {
    return std::fabs(k - std::trunc(k)) == 0.5;
}

// Stretches of time, in minutes from a local midnight, during which the Moon is up.
struct TSpan {
    double From = 0.0;
    double To = 0.0;
};
using TSpans = std::vector<TSpan>;

bool NoCrossing(const TCrossing& c) {
    return c.Kind == TCrossingKind::AlwaysAbove || c.Kind == TCrossingKind::AlwaysBelow;
}

// Adds the Moon's time above the horizon on the day that starts at minute base. A rise on
// another date means the Moon was already up at midnight, a set on another date that it is
// still up at the end of the day. No crossing that day: up all day exactly when upWhenNone.
void AddDay(const TCrossing& rise, const TCrossing& set, bool upWhenNone, double base, TSpans& up) {
    if (NoCrossing(rise) && NoCrossing(set)) {
        if (upWhenNone) up.push_back({base, base + kMinutesPerDay});
        return;
    }
    const double from = rise.Happens() ? rise.Minute : 0.0;
    const double to = set.Happens() ? set.Minute : kMinutesPerDay;
    if (to >= from) {
        up.push_back({base + from, base + to});
    } else {
        // Up after midnight until it sets, and again after it rises.
        up.push_back({base, base + to});
        up.push_back({base + from, base + kMinutesPerDay});
    }
}

// How much of the penumbral phase, from minute p1 to p4, the Moon spends above the horizon.
TSight Judge(const TSpans& up, double p1, double p4) {
    if (p4 <= p1) {
        for (const TSpan& s : up)
            if (p1 >= s.From && p1 <= s.To) return TSight::Whole;
        return TSight::None;
    }
    double covered = 0.0;
    for (const TSpan& s : up) {
        const double from = std::max(s.From, p1);
        const double to = std::min(s.To, p4);
        if (to > from) covered += to - from;
    }
    if (covered <= 0.0) return TSight::None;
    return covered >= p4 - p1 ? TSight::Whole : TSight::Part;
}

// Whether the Moon stands above its rising altitude at universal time ut.
bool MoonIsUp(UniversalTime ut, const Observer& observer) {
    TMoonState moon;
    TSunPosition sun;
    MoonPosition(ut, observer, moon, sun);
    return moon.Altitude > MoonRiseAltitude(moon.Parallax);
}

// Adds the Moon's time above the horizon on local date midnight + d (midnight: local JD of 0h
// of the date of the maximum), on the axis of minutes from that midnight, for the part of the
// penumbral phase p1..p4 that falls on that date. A Moon that neither rises nor sets that day
// keeps its side of the horizon all day: its altitude in the middle of that part decides.
void AddMoonDay(double midnight, int d, double p1, double p4, const Observer& observer,
                TSpans& up) {
    const TBodyEvents rs = MoonEvents(JulianDayToDate(midnight + d), observer);
    bool upAllDay = false;
    if (NoCrossing(rs.Rise) && NoCrossing(rs.Set)) {
        const double base = kMinutesPerDay * d;
        const double middle =
            (std::max(p1, base) + std::min(p4, base + kMinutesPerDay)) / 2 / kMinutesPerDay;
        upAllDay = MoonIsUp(observer.ToUniversal(LocalTime{midnight + middle}), observer);
    }
    AddDay(rs.Rise, rs.Set, upAllDay, kMinutesPerDay * d, up);
}

// Visibility of the penumbral phase from local instants jd1 to jd4, with the Moon's rise and
// set of every local date the phase touches: the date of the maximum and, when the phase runs
// across midnight, the date before or after it.
TSight Visibility(const TDateTimeRecord& maximum, double jd1, double jd4,
                  const Observer& observer) {
    const double midnight = DateToJulianDay(MakeDate(maximum.Year, maximum.Month, maximum.Day));
    const double p1 = (jd1 - midnight) * kMinutesPerDay;
    const double p4 = (jd4 - midnight) * kMinutesPerDay;
    TSpans up;
    AddMoonDay(midnight, 0, p1, p4, observer, up);
    const bool before = p1 < 0.0;
    const bool after = p4 > kMinutesPerDay;
    if (!before && !after) return Judge(up, p1, p4);

    // Across midnight: a phase partly seen on the date of the maximum is partly visible
    // whatever the other date holds; otherwise that date decides.
    if (Judge(up, std::max(p1, 0.0), std::min(p4, kMinutesPerDay)) == TSight::Part)
        return TSight::Part;
    if (before) AddMoonDay(midnight, -1, p1, p4, observer, up);
    if (after) AddMoonDay(midnight, 1, p1, p4, observer, up);
    return Judge(up, p1, p4);
}

} // namespace

TEclipseElements EclipseElements(double k, std::uint16_t year) {
    TEclipseElements el;
    if (!std::isfinite(k)) return el;
    el.K = k;
    const TSyzygyEclipse s = SyzygyEclipse(k);
    if (!s.NearNode) return el;
    el.JDE = s.JDE;
    el.JD = ToUniversal(el.JDE, DeltaT(year));
    el.Gamma = s.Gamma;
    el.U = s.U;
    const double mp = s.Arguments.Mp;

    const double g = std::fabs(el.Gamma);
    el.PenumbralMagnitude = (1.5573 + el.U - g) / 0.5450;
    el.UmbralMagnitude = (1.0128 - el.U - g) / 0.5450;
    if (el.UmbralMagnitude > 0)
        el.EclipseType = g < 0.4678 - el.U ? kTotalEclipse : kPartialEclipse;
    else if (el.PenumbralMagnitude > 0)
        el.EclipseType = kPenumbralEclipse;
    else
        return el;

    // Each semiduration only for a phase the eclipse reaches; the others have no real value.
    const double n = 0.5458 + 0.0400 * std::cos(mp);
    el.PenumbralSemiduration = Semiduration(1.5573 + el.U, el.Gamma, n);
    if (el.EclipseType >= kPartialEclipse)
        el.PartialSemiduration = Semiduration(1.0128 - el.U, el.Gamma, n);
    if (el.EclipseType == kTotalEclipse)
        el.TotalSemiduration = Semiduration(0.4678 - el.U, el.Gamma, n);
    return el;
}

TEclipseResult EclipseCalcs(const TPhaseEntry& entry, std::uint16_t year,
                            const Observer& observer) {
    TEclipseResult r;
    const TEclipseElements el = EclipseElements(entry.K, year);
    if (el.EclipseType == kNoEclipse) return r;

    r.Elements = el;
    r.EclipseType = el.EclipseType;
    r.UmbralMagnitude = el.UmbralMagnitude;
    r.PenumbralMagnitude = el.PenumbralMagnitude;

    const LocalTime jd = observer.ToLocal(el.JD);
    // A contact in local time, days from the maximum, with the offset in force at it.
    const double maximumOffset = observer.OffsetAt(el.JD);
    const auto contact = [&](double days) {
        return jd + (observer.OffsetAt(el.JD + days) - maximumOffset) / kMinutesPerDay + days;
    };
    r.Maximum = jd;
    r.MaximumDate = JulianDayToDate(jd.JD);
    r.PenumbraStart = r.UmbraStart = r.TotalityStart = r.Maximum;
    r.PenumbraEnd = r.UmbraEnd = r.TotalityEnd = r.Maximum;

    const double sdp = el.PenumbralSemiduration;
    r.PenumbraStart = contact(-sdp);
    r.PenumbraEnd = contact(sdp);
    if (r.EclipseType >= kPartialEclipse) {
        r.UmbraStart = contact(-el.PartialSemiduration);
        r.UmbraEnd = contact(el.PartialSemiduration);
    }
    if (r.EclipseType == kTotalEclipse) {
        r.TotalityStart = contact(-el.TotalSemiduration);
        r.TotalityEnd = contact(el.TotalSemiduration);
    }
    r.Visibility =
        SightValue(Visibility(r.MaximumDate, r.PenumbraStart.JD, r.PenumbraEnd.JD, observer));
    return r;
}

std::vector<TEclipseResult> CheckForEclipses(const TPhaseList& list, int count, std::uint16_t year,
                                             const Observer& observer) {
    std::vector<TEclipseResult> found;
    const int n = std::clamp(count, 0, static_cast<int>(list.size()));
    for (int i = 0; i < n; ++i) {
        const TPhaseEntry& entry = list[static_cast<std::size_t>(i)];
        if (!IsFullMoon(entry.K)) continue;
        TEclipseResult r = EclipseCalcs(entry, year, observer);
        if (r.EclipseType != kNoEclipse) found.push_back(std::move(r));
    }
    return found;
}

TEclipseResult CheckForEclipse(const TPhaseList& list, int count, std::uint16_t year,
                               const Observer& observer) {
    std::vector<TEclipseResult> found = CheckForEclipses(list, count, year, observer);
    return found.empty() ? TEclipseResult{} : std::move(found.front());
}

TEclipseVisibility CheckEclipseVisibility(const TCrossing& rise, const TCrossing& set, int p1,
                                          int p4) {
    const int start = p1;
    int end = p4;
    if (start < 0 || end < 0) return TEclipseVisibility::NotVisible;
    TSpans up;
    AddDay(rise, set, false, 0.0, up);
    if (end < start) {
        end += static_cast<int>(kMinutesPerDay);
        AddDay(rise, set, false, kMinutesPerDay, up);
    }
    return SightValue(Judge(up, start, end));
}

TShadowGeometry ShadowGeometry(const TEclipseElements& e) {
    // Meeus's radii at the Moon's distance: penumbra 1.2848 + u, umbra 0.7403 - u; the Moon's
    // radius is what separates them from the contact distances (1.5573 + u, 1.0128 - u).
    TShadowGeometry g;
    g.PenumbraRadius = 1.2848 + e.U;
    g.UmbraRadius = 0.7403 - e.U;
    g.MoonRadius = 1.5573 - 1.2848;
    g.Gamma = e.Gamma;
    // The path's tilt: the Moon's latitude changes at i cos F times the rate of F while its
    // longitude gains on the Sun's at about 12.19 degrees a day.
    const double f = NormaliseDegrees(160.7108 + 390.67050274 * e.K) * std::numbers::pi / 180.0;
    const double tilt = std::atan(5.145 * std::numbers::pi / 180.0 * 13.2293 / 12.19 * std::cos(f));
    g.Direction = {-std::cos(tilt), std::sin(tilt)};
    const TPlanePoint normal{std::sin(tilt), std::cos(tilt)};
    const double reach = std::sqrt(std::max(0.0, std::pow(1.5573 + e.U, 2) - e.Gamma * e.Gamma));
    g.Closest = {normal.X * e.Gamma, normal.Y * e.Gamma};
    g.First = {g.Closest.X - g.Direction.X * reach, g.Closest.Y - g.Direction.Y * reach};
    g.Last = {g.Closest.X + g.Direction.X * reach, g.Closest.Y + g.Direction.Y * reach};
    return g;
}

std::vector<TEclipseResult> FindEclipses(int fromYear, int toYear, const Observer& observer) {
    std::vector<TEclipseResult> all;
    const int from = std::max(fromYear, 1);
    const int to = std::min(toYear, 9999);
    if (to < from) return all;

    // The full moons are walked directly (lunation numbers n + 0.5) instead of month by month:
    // a full moon belongs to the local year its shown instant falls in, as on the month's phase
    // list, and that year is the one its Delta T is taken for. Most full moons are too far from
    // a node to be eclipsed; that test needs only the mean arguments, so the true instant is
    // computed for the few that pass it.
    const auto yearStart = [](int year) {
        return DateToJulianDay(MakeDate(static_cast<std::uint16_t>(year), 1, 1));
    };
    const double first = yearStart(from);
    const double end = yearStart(to + 1);
    // The mean full moon lies within about a day of the true one over the years 1..9999, and
    // the zone moves the shown instant by less than a day: two lunations either way suffice.
    double k = std::floor(LunationsSince2000(first)) - 2.0 + 0.5;
    int year = from;
    double nextYear = yearStart(year + 1);
    TPhasePowers p;
    for (; MeanPhase(k, p).JD < end + 2.0 * kSynodicMonth; k += 1.0) {
        if (FarFromNode(MeanArguments(k, p).F)) continue;
        const double local = SeriesInstantAsLocal(TruePhase(k), observer).JD;
        if (local < first) continue;
        if (local >= end) break;
        while (local >= nextYear) nextYear = yearStart(++year + 1);
        TPhaseEntry entry;
        entry.K = k;
        TEclipseResult r = EclipseCalcs(entry, static_cast<std::uint16_t>(year), observer);
        if (r.EclipseType != kNoEclipse) all.push_back(std::move(r));
    }
    return all;
}

} // namespace crescendar
