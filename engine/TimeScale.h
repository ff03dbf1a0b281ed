// Instants on the program's three time scales. Each scale is its own type, so that an
// instant of one scale can neither be compared with nor passed for an instant of another;
// every change of scale is a named function below.
#pragma once

#include <compare>
#include <cstdint>

namespace crescendar {

// A Julian Day (days, JD 2451545.0 = 1 January 2000 12h) on the time scale Scale.
template <typename Scale> struct TInstant {
    double JD = 0.0;

    friend auto operator<=>(const TInstant&, const TInstant&) = default;
    // The instant days later (earlier for a negative count).
    friend TInstant operator+(TInstant t, double days) { return TInstant{t.JD + days}; }
    friend TInstant operator-(TInstant t, double days) { return TInstant{t.JD - days}; }
    // Days from b to a.
    friend double operator-(TInstant a, TInstant b) { return a.JD - b.JD; }
};

struct TUniversalScale {};
struct TDynamicalScale {};
struct TLocalScale {};

// Universal time (UT1): the Earth's rotation; what clocks show at Greenwich.
using UniversalTime = TInstant<TUniversalScale>;
// Dynamical time (TT): the uniform time of the ephemerides, UT + Delta T.
using DynamicalTime = TInstant<TDynamicalScale>;
// Local civil time: universal time plus the observer's offset (zone and daylight saving).
using LocalTime = TInstant<TLocalScale>;

// Julian Day of 1970-01-01 0h UT, the epoch of system clocks.
inline constexpr double kUnixEpochJD = 2440587.5;

// A system clock's reading, milliseconds since 1970-01-01 0h UT, as universal time, and back
// (rounded to the millisecond).
constexpr UniversalTime FromUnixMilliseconds(std::int64_t ms) {
    return UniversalTime{kUnixEpochJD + static_cast<double>(ms) / 86400000.0};
}
inline std::int64_t ToUnixMilliseconds(UniversalTime t) {
    const double ms = (t.JD - kUnixEpochJD) * 86400000.0;
    return static_cast<std::int64_t>(ms < 0 ? ms - 0.5 : ms + 0.5);
}

// Universal time to dynamical time and back with Delta T in seconds (DeltaT in Calendar.h;
// the program takes Delta T of the calendar year it shows, not of the instant itself).
constexpr DynamicalTime ToDynamical(UniversalTime t, double deltaTSeconds) {
    return DynamicalTime{t.JD + deltaTSeconds / 86400.0};
}
constexpr UniversalTime ToUniversal(DynamicalTime t, double deltaTSeconds) {
    return UniversalTime{t.JD - deltaTSeconds / 86400.0};
}

// Universal time to local civil time and back, for an offset in minutes east of Greenwich.
constexpr LocalTime ToLocal(UniversalTime t, double offsetMinutes) {
    return LocalTime{t.JD + offsetMinutes / 1440.0};
}
constexpr UniversalTime ToUniversal(LocalTime t, double offsetMinutes) {
    return UniversalTime{t.JD - offsetMinutes / 1440.0};
}

// The program's two rules that cross scales without Delta T, named where they happen:
//
// The Moon's and the Sun's series, nutation and obliquity are evaluated at the universal
// instant as if it were dynamical time (Delta T, about a minute today, moves the Moon by
// about half a minute of arc), and a universal instant is compared with the instants of the
// phase series on that footing (the Moon's age, the lunation that holds an instant).
constexpr DynamicalTime SeriesArgument(UniversalTime t) {
    return DynamicalTime{t.JD};
}
// The instants of the phase and apsis series (dynamical time) are shown as civil time by
// adding the zone offset alone; they are compared with a local instant on that same footing.
constexpr LocalTime SeriesInstantAsLocal(DynamicalTime t, double offsetMinutes) {
    return LocalTime{t.JD + offsetMinutes / 1440.0};
}
constexpr DynamicalTime LocalAsSeriesInstant(LocalTime t, double offsetMinutes) {
    return DynamicalTime{t.JD - offsetMinutes / 1440.0};
}
// The same on universal time: the series instant read as universal time, so that the local
// time shown for it (universal time plus the offset) is the one the calendar and the Moon
// panel show; and a universal instant on the series' footing.
constexpr UniversalTime SeriesInstantAsUniversal(DynamicalTime t) {
    return UniversalTime{t.JD};
}
constexpr DynamicalTime UniversalAsSeriesInstant(UniversalTime t) {
    return DynamicalTime{t.JD};
}

// The instant on another scale whose clock reads the same: a local date's midnight from 0h
// universal time of the same date, and back. The day tables count the local date from the
// universal one this way.
constexpr LocalTime SameReadingAsLocal(UniversalTime t) {
    return LocalTime{t.JD};
}
constexpr UniversalTime SameReadingAsUniversal(LocalTime t) {
    return UniversalTime{t.JD};
}

} // namespace crescendar
