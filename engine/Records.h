// Shared records of the astronomical engine. Plain structs passed by value.
#pragma once

#include "TimeScale.h"
#include "ZoneRule.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace crescendar {

// The observer: where and in which civil time the computations are made.
// Latitude and longitude in radians, north and west positive. The civil time is Zone's when
// the observer has one; otherwise the fixed zone and daylight offsets (minutes) of the old
// settings.
struct Observer {
    double Latitude = 0.0;
    double Longitude = 0.0;
    int ZoneOffset = 0;
    int DaylightOffset = 0;
    std::shared_ptr<const TZoneRule> Zone = nullptr;

    // The fixed offset of the settings, minutes east of Greenwich (without a zone rule).
    int TotalOffset() const { return ZoneOffset + DaylightOffset; }
    // Minutes to add to universal time t to get local civil time.
    double OffsetAt(UniversalTime t) const { return Zone ? Zone->OffsetAt(t) : TotalOffset(); }
    LocalTime ToLocal(UniversalTime t) const { return crescendar::ToLocal(t, OffsetAt(t)); }
    // The universal instant of a local clock reading (see LocalToUniversal for the hours
    // the clocks skip or repeat).
    UniversalTime ToUniversal(LocalTime t) const {
        return Zone ? LocalToUniversal(t, *Zone) : crescendar::ToUniversal(t, TotalOffset());
    }
    // The name of the civil time: the zone's, or "UTC+hh:mm" of the fixed offset.
    std::string ZoneName() const {
        return Zone ? Zone->Name() : TFixedOffset(TotalOffset()).Name();
    }
};

// Whether two observers stand at the same place with the same civil time.
inline bool SamePlaceAndTime(const Observer& a, const Observer& b) {
    return a.Latitude == b.Latitude && a.Longitude == b.Longitude && a.ZoneOffset == b.ZoneOffset &&
           a.DaylightOffset == b.DaylightOffset && (a.Zone == nullptr) == (b.Zone == nullptr) &&
           (!a.Zone || a.Zone->Name() == b.Zone->Name());
}

// A phase or apsis instant shown as the observer's civil time: the series instant plus the
// offset in force at it, without Delta T; and a local instant on the series' footing.
inline LocalTime SeriesInstantAsLocal(DynamicalTime t, const Observer& o) {
    return SeriesInstantAsLocal(t, o.OffsetAt(SeriesInstantAsUniversal(t)));
}
inline DynamicalTime LocalAsSeriesInstant(LocalTime t, const Observer& o) {
    return UniversalAsSeriesInstant(o.ToUniversal(t));
}

// A calendar instant. JD is kept by the owner of the record.
struct TDateTimeRecord {
    std::uint16_t Day = 1;
    std::uint16_t Month = 1;
    std::uint16_t Year = 2000;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t MSec = 0;
    double JD = 0.0;
};

// A record's Julian Day read on the scale its fields are written in: a local clock reading,
// or a universal one.
constexpr LocalTime LocalInstant(const TDateTimeRecord& d) {
    return LocalTime{d.JD};
}
constexpr UniversalTime UniversalInstant(const TDateTimeRecord& d) {
    return UniversalTime{d.JD};
}

// An angle (or an hour value) split into texts: sign, degrees, minutes, seconds.
struct TAngleText {
    std::string Sign; // " " or the en dash
    std::string Deg;  // at most 3 characters
    std::string Min;  // 2 characters
    std::string Sec;  // 2 characters
};

// Nutation in longitude and in obliquity, seconds of arc.
struct TNutation {
    double DeltaPsi = 0.0;
    double DeltaEps = 0.0;
};

struct TEquatorialPosition {
    double RA = 0.0;  // degrees, 0..360
    double Dec = 0.0; // degrees
};

struct TSunPosition {
    double ApparentLongitude = 0.0; // degrees, not reduced after nutation and aberration
    double Latitude = 0.0;          // degrees
    double Altitude = 0.0;          // degrees
    double Azimuth = 0.0;           // degrees, from north through east
    double Distance = 0.0;          // km
    TEquatorialPosition Equatorial;
};

struct TMoonState {
    double Latitude = 0.0;          // radians
    double Longitude = 0.0;         // radians, one turn
    double ApparentLongitude = 0.0; // radians
    double Distance = 0.0;          // km
    double Parallax = 0.0;          // degrees
    double Altitude = 0.0;          // degrees
    double Azimuth = 0.0;           // degrees
    double Semidiameter = 0.0;      // degrees
    double BrightLimbAngle = 0.0;   // degrees
    double PhaseAngle = 0.0;        // degrees
    TEquatorialPosition Equatorial;
    double TopoRA = 0.0;  // degrees, not reduced
    double TopoDec = 0.0; // degrees
    std::int32_t IlluminatedPercent = 0;
};

// Kinds of principal phase, numbered as the phase list numbers them.
enum class TPhaseKind : std::int32_t {
    NewMoon = 0,
    LastQuarter = 1,
    FullMoon = 2,
    FirstQuarter = 3
};

// T, T^2, T^3, T^4 of a lunation number, handed from MeanPhase to PhaseCorrection.
struct TPhasePowers {
    double T = 0.0;
    double T2 = 0.0;
    double T3 = 0.0;
    double T4 = 0.0;
};

struct TPhaseEntry {
    double K = 0.0;
    TPhaseKind Kind = TPhaseKind::NewMoon;
    LocalTime Instant; // the shown instant: the series instant plus the zone offset
    TDateTimeRecord Date;
};

// A calendar month holds at most five principal phases.
using TPhaseList = std::array<TPhaseEntry, 5>;

// The true new moons around an instant.
struct TLunationBracket {
    DynamicalTime PreviousNewMoon;
    DynamicalTime NextNewMoon;
};

// A perigee or apogee from the series (Meeus, Astronomical Algorithms, chapter 50): its
// instant (the program shows it as civil time by adding the zone offset alone, without
// Delta T: SeriesInstantAsLocal), the equatorial horizontal parallax (seconds of arc) and the
// distance derived from it (km).
struct TApsisEvent {
    DynamicalTime JDE;
    double Parallax = 0.0;
    double DistanceKm = 0.0;
};

// The next perigee and apogee after an instant (an instant that is not finite when the series
// gives none).
struct TPerigeeApogee {
    TApsisEvent Perigee;
    TApsisEvent Apogee;
};

} // namespace crescendar
