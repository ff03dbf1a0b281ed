// Lunar eclipses at the full moons of a month (Meeus, Astronomical Algorithms, chapter 54):
// kind, magnitudes, local clock times of maximum and contacts, visibility from the observer.
#pragma once

#include "Records.h"
#include "RiseSet.h"
#include "TimeScale.h"

#include <cstdint>
#include <string>
#include <vector>

namespace crescendar {

// Eclipse kinds, in order of depth: a partial eclipse and a total one both reach the umbra.
enum class TEclipseKind : std::uint8_t { None = 0, Penumbral = 1, Partial = 2, Total = 3 };
inline constexpr TEclipseKind kNoEclipse = TEclipseKind::None;
inline constexpr TEclipseKind kPenumbralEclipse = TEclipseKind::Penumbral;
inline constexpr TEclipseKind kPartialEclipse = TEclipseKind::Partial;
inline constexpr TEclipseKind kTotalEclipse = TEclipseKind::Total;

// The geometry of the full moon of lunation number k (an integer plus 0.5). When the Moon is
// too far from the node to be eclipsed (|sin F| > 0.36) only EclipseType (0) is filled.
// Semidurations are 0 for the phases the eclipse does not reach.
struct TEclipseElements {
    DynamicalTime JDE;  // greatest eclipse
    UniversalTime JD;   // greatest eclipse: JDE less Delta T of the year shown
    double Gamma = 0.0; // least distance of the Moon's centre from the shadow axis, Earth radii
    double U = 0.0;     // Meeus's u, on which the radii of the shadow depend, Earth radii
    double K = 0.0;     // the lunation number of the full moon
    double UmbralMagnitude = 0.0;
    double PenumbralMagnitude = 0.0;
    TEclipseKind EclipseType = kNoEclipse;
    double PenumbralSemiduration = 0.0; // days
    double PartialSemiduration = 0.0;   // days
    double TotalSemiduration = 0.0;     // days
};

// How much of the penumbral phase the Moon spends above the observer's horizon.
enum class TEclipseVisibility : std::uint8_t { Visible, PartlyVisible, NotVisible };

// One eclipse at the observer: the maximum and the contacts in local civil time, each with the
// offset in force at it (a contact may fall on the local date before or after that of the
// maximum). Contacts the kind does not reach are equal to the maximum.
struct TEclipseResult {
    LocalTime Maximum;
    LocalTime PenumbraStart; // first contact
    LocalTime PenumbraEnd;   // last contact
    LocalTime UmbraStart;    // partial and total eclipses
    LocalTime UmbraEnd;
    LocalTime TotalityStart; // total eclipses
    LocalTime TotalityEnd;
    double UmbralMagnitude = 0.0;
    double PenumbralMagnitude = 0.0;
    TEclipseKind EclipseType = kNoEclipse;
    TEclipseVisibility Visibility = TEclipseVisibility::NotVisible;
    TDateTimeRecord MaximumDate; // the maximum in local clock time; JD is local time too
    // The values the instants are made from: the instant of the maximum (universal time) and
    // the semidurations of each phase.
    TEclipseElements Elements;
};

// A point on the plane through the Moon perpendicular to the shadow's axis, Earth radii from
// the axis: x positive westwards, y northwards (the sky seen facing south: north up, east to
// the left).
struct TPlanePoint {
    double X = 0.0;
    double Y = 0.0;
};

// The Earth's shadow at the Moon's distance and the Moon's path through it, for the eclipse
// diagram. The Moon moves eastwards along Direction (a unit vector), passing the axis closest
// at Closest (gamma away from it); First and Last are its centre at the first and last contact
// with the penumbra.
struct TShadowGeometry {
    double PenumbraRadius = 0.0;
    double UmbraRadius = 0.0;
    double MoonRadius = 0.0;
    double Gamma = 0.0; // the least distance of the Moon's centre from the axis, north positive
    TPlanePoint Direction;
    TPlanePoint First;
    TPlanePoint Closest;
    TPlanePoint Last;
};
TShadowGeometry ShadowGeometry(const TEclipseElements& elements);

// year is the calendar year shown, for Delta T.
TEclipseElements EclipseElements(double k, std::uint16_t year);

// The eclipse at the full moon of entry (only its K is read). A result of type 0 means no
// eclipse; its other fields are then empty.
TEclipseResult EclipseCalcs(const TPhaseEntry& entry, std::uint16_t year, const Observer& observer);

// Every eclipsed full moon among the first count entries of a month's phase list, in list
// order (a month can hold two full moons, and both can be eclipsed).
std::vector<TEclipseResult> CheckForEclipses(const TPhaseList& list, int count, std::uint16_t year,
                                             const Observer& observer);

// The month's eclipse: the first eclipsed full moon of the list, or a result of type 0.
TEclipseResult CheckForEclipse(const TPhaseList& list, int count, std::uint16_t year,
                               const Observer& observer);

// Visibility from the Moon's rise and set of one local day and the first and last contacts
// (minutes of the day). A rise on the neighbouring date counts as 00:00 and a set there as the
// end of the day; a Moon that does not cross the horizon that day counts as down. A last
// contact earlier than the first means the eclipse runs past midnight; the next day is taken
// to repeat this one. A negative contact minute means no contact: not visible.
TEclipseVisibility CheckEclipseVisibility(const TCrossing& rise, const TCrossing& set, int p1,
                                          int p4);

// Every eclipse whose full moon falls, in local time, in the years fromYear to toYear, in time
// order. Years outside 1..9999 are left out; empty when toYear < fromYear.
std::vector<TEclipseResult> FindEclipses(int fromYear, int toYear, const Observer& observer);

} // namespace crescendar
