// Solar eclipses: every eclipse of a range of years with its kind, the instant of greatest
// eclipse, gamma and the greatest magnitude, and the circumstances at an observer's place.
//
// Method. The candidates are the new moons near a node: the quick test of Meeus, Astronomical
// Algorithms, chapter 54 (|sin F| and the estimate of gamma) rules out most new moons before
// any position is computed. For each candidate the Besselian elements (Explanatory Supplement
// to the Astronomical Almanac, 1961 and 1992, the chapters on solar eclipses) are made from the
// engine's own apparent geocentric Sun (truncated VSOP87, Meeus chapter 25) and Moon (Meeus
// chapter 47, 60 terms) at four instants (Chebyshev nodes over +-4 hours of dynamical time)
// and interpolated by cubics in time. Greatest eclipse is the instant the shadow's axis passes
// closest to the Earth's centre; gamma is that least distance in equatorial Earth radii, north
// positive. The local circumstances follow from the polynomials by Newton iteration: maximum
// where the observer is closest to the axis, contacts where that distance equals the radius of
// the penumbra (C1, C4) or of the umbra or antumbra (C2, C3) in the observer's plane. The Earth
// is the ellipsoid of flattening 1/298.257 (observer from geodetic latitude and height);
// Earth radius 6378.14 km, Moon radius 0.2725076 Earth radii, Sun radius 959.63" at 1 au.
//
// Time scales. The positions are evaluated at dynamical time; Delta T of the calendar year of
// greatest eclipse (DeltaT in Calendar.h) turns the instants into universal time, which also
// sets the Earth's rotation. Instants are given in universal time and in the observer's civil time.
//
// Accuracy. The interpolation moves the shadow by less than a metre. Against modern
// ephemerides the contacts agree within about half a minute from 1900 to 2100 (the Moon's
// truncated series errs by up to about 10", the Delta T parabola by about 20 s today),
// obscurations within 0.005. Far from the present the Delta T estimate dominates: hours in the
// first and last millennia, which moves the tracks by many degrees of longitude; the kinds,
// gammas and magnitudes stay sound, being independent of the Earth's rotation.
#pragma once

#include "Eclipse.h"
#include "Records.h"
#include "TimeScale.h"

#include <array>
#include <cstdint>
#include <vector>

namespace crescendar {

// Kinds of solar eclipse. A hybrid one is total along part of its track and annular along
// the rest; at one place an eclipse is None, Partial, Annular or Total.
enum class TSolarEclipseKind : std::uint8_t { None = 0, Partial, Annular, Total, Hybrid };

// A cubic a0 + a1 t + a2 t^2 + a3 t^3 in hours t.
using TCubic = std::array<double, 4>;

// The Besselian elements of one eclipse as cubics in hours of dynamical time from T0, sound
// within 4 hours of T0. x, y: the shadow axis in the fundamental plane (through the Earth's
// centre, perpendicular to the axis), Earth radii, x east, y north; d, mu: declination and
// Greenwich hour angle of the axis, degrees (mu not reduced to one turn); l1, l2: radii of the
// penumbral and umbral cones in the fundamental plane, Earth radii (l2 < 0: the umbra reaches
// past the plane, a total eclipse there); f1, f2: the cones' half angles.
struct TBesselianElements {
    DynamicalTime T0;
    double DeltaT = 0.0; // seconds: universal time = dynamical time - DeltaT
    TCubic X{}, Y{}, D{}, Mu{}, L1{}, L2{};
    double TanF1 = 0.0;
    double TanF2 = 0.0;
};

// The elements and their rates (per hour) at t hours from T0.
struct TBesselianState {
    double X = 0.0, Y = 0.0, D = 0.0, Mu = 0.0, L1 = 0.0, L2 = 0.0;
    double DX = 0.0, DY = 0.0, DD = 0.0, DMu = 0.0;
};
TBesselianState BesselianAt(const TBesselianElements& e, double hours);

// One solar eclipse seen from the whole Earth. Kind None: no eclipse at that new moon.
struct TSolarEclipse {
    double K = 0.0; // lunation number of the new moon (an integer)
    TSolarEclipseKind Kind = TSolarEclipseKind::None;
    DynamicalTime GreatestJDE; // greatest eclipse
    UniversalTime Greatest;    // the same less Delta T
    double Gamma = 0.0;        // Earth radii, north positive
    // Greatest magnitude: for a central eclipse the ratio of the Moon's apparent diameter to
    // the Sun's at the point of greatest eclipse; otherwise the fraction of the Sun's diameter
    // covered at the point of the Earth nearest to the axis.
    double Magnitude = 0.0;
    bool Central = false; // the shadow's axis meets the Earth
    TBesselianElements Elements;
};

// The eclipse at the new moon of lunation number k (an integer; Kind None for any other k).
TSolarEclipse SolarEclipseAt(double k);

// Every solar eclipse whose greatest eclipse falls, in universal time, in the years fromYear
// to toYear, in time order. Years outside 1..9999 are left out; empty when toYear < fromYear.
std::vector<TSolarEclipse> FindSolarEclipses(int fromYear, int toYear);

// The eclipse at the place at one instant.
struct TSolarAppearance {
    // Fraction of the Sun's diameter covered (above 1 in a total eclipse); 0 or less out of
    // the penumbra, where it measures how far the discs are apart.
    double Magnitude = 0.0;
    double Obscuration = 0.0;  // fraction of the Sun's disc covered, 0..1
    double MoonSunRatio = 0.0; // apparent diameters, Moon over Sun
    // Direction of the Moon's centre from the Sun's, degrees, counted the way position angles
    // are (north through east): from the north point of the Sun's disc, and from its highest
    // point (the one towards the zenith).
    double PositionAngle = 0.0;
    double ZenithAngle = 0.0;
    double SunAltitude = 0.0; // degrees, geometric, of the Sun's centre
    double SunAzimuth = 0.0;  // degrees, from north through east
    bool SunUp = false;       // the Sun is up as the sunrise and sunset times count it
};
TSolarAppearance SolarAppearanceAt(const TSolarEclipse& eclipse, const Observer& observer,
                                   UniversalTime ut, double heightMetres = 0.0);

// A contact or the maximum at the place: its instant and the Sun's place then.
struct TSolarContact {
    bool Happens = false;
    UniversalTime Instant;
    LocalTime Local;          // civil time, with the offset in force at the instant
    double SunAltitude = 0.0; // degrees, geometric, of the Sun's centre
    double SunAzimuth = 0.0;  // degrees, from north through east
    bool SunUp = false;       // above the horizon as the sunrise and sunset times count it
};

// The eclipse at the observer's place: the shadow's passage over it, whether or not the Sun
// is up, and how much of it the place sees. Kind is the deepest phase there (Total or Annular
// inside the track, where C2 and C3 happen); it is None when the penumbra misses the place
// (C1 to C4 do not happen, nothing else is filled) and also when the whole eclipse passes
// with the Sun below the horizon (the contacts are given, none with the Sun up). Magnitude,
// obscuration and the angles are those at the maximum. The visibility counts the time from
// C1 to C4 with the Sun up; VisibleFrom and VisibleTo bound it (when the Sun rises or sets
// during the eclipse, the instants it does so), equal to C1 and C4 when it is all visible.
struct TSolarLocalCircumstances {
    TSolarEclipseKind Kind = TSolarEclipseKind::None;
    TSolarContact C1, C2, Maximum, C3, C4;
    TSolarAppearance AtMaximum;
    double CentralDuration = 0.0; // seconds from C2 to C3; 0 without them
    TEclipseVisibility Visibility = TEclipseVisibility::NotVisible;
    UniversalTime VisibleFrom;
    UniversalTime VisibleTo;
};

// Whether the place sees any of the eclipse: the penumbra reaches it with the Sun up for some
// of the time. Where it does not, the contacts are the shadow's passage below the horizon (or
// through the Earth) and are not told.
inline bool SeenAtPlace(const TSolarLocalCircumstances& l) {
    return l.C1.Happens && l.Visibility != TEclipseVisibility::NotVisible;
}

// The place's latitude and longitude are the observer's (geodetic); its height above sea
// level in metres.
TSolarLocalCircumstances SolarLocalCircumstances(const TSolarEclipse& eclipse,
                                                 const Observer& observer,
                                                 double heightMetres = 0.0);

struct TSolarEclipseAtPlace {
    TSolarEclipse Eclipse;
    TSolarLocalCircumstances Local;
};

// What a place is told of an eclipse: the kind it sees, else the worldwide kind; and the
// instant the eclipse is dated by there, its maximum where the place sees it (C1 comes with
// the maximum and C4), else greatest eclipse.
inline TSolarEclipseKind ShownKind(const TSolarEclipseAtPlace& e) {
    return e.Local.Kind != TSolarEclipseKind::None ? e.Local.Kind : e.Eclipse.Kind;
}
inline UniversalTime ShownMaximum(const TSolarEclipseAtPlace& e) {
    return SeenAtPlace(e.Local) ? e.Local.Maximum.Instant : e.Eclipse.Greatest;
}

// Every solar eclipse whose greatest eclipse falls, in the observer's civil time, in the
// years fromYear to toYear, with its circumstances at the place, in time order. Years outside
// 1..9999 are left out; empty when toYear < fromYear.
std::vector<TSolarEclipseAtPlace>
FindSolarEclipses(int fromYear, int toYear, const Observer& observer, double heightMetres = 0.0);

} // namespace crescendar
