// The Sun's position.
#pragma once

#include "Records.h"
#include "TimeScale.h"

#include <array>

namespace crescendar {

// The Sun at universal time ut (the series evaluated at ut as given, without Delta T): apparent
// longitude and latitude (degrees), distance (km), apparent right ascension and declination, and
// altitude and azimuth (degrees) at the observer; from the truncated VSOP87 series of the Earth
// with the FK5 correction, nutation and aberration (Meeus, Astronomical Algorithms, chapter 25, the
// higher accuracy method).
TSunPosition SunPosition(UniversalTime ut, const Observer& observer);
// The same, with the nutation and the true obliquity (radians) of ut already at hand.
TSunPosition SunPosition(UniversalTime ut, const Observer& observer, const TNutation& nutation,
                         double epsilon);
// The Sun's apparent longitude, degrees (not reduced), with the series evaluated at the
// dynamical instant t.
double SunApparentLongitude(DynamicalTime t);

// The Sun's apparent longitude less the nutation in longitude, expanded in time about an
// instant: the series are summed once, with their first three derivatives, and then give the
// longitude and its rate at nearby instants for a few operations each. Within kReach days of
// the centre the expansion follows the full series to their rounding (a few 1e-9 degree, well
// under a millisecond of the Sun's motion, eight millennia from J2000.0). For searches of the
// instant at which the Sun reaches a longitude.
class TSunLongitudeNear {
  public:
    static constexpr double kReach = 0.02; // days

    explicit TSunLongitudeNear(DynamicalTime centre);
    DynamicalTime Centre() const { return centre_; }
    struct TValue {
        double Longitude; // degrees, not reduced: add the nutation in longitude of t
        double Rate;      // degrees per day, without the nutation's (a few parts in 100000)
    };
    TValue At(DynamicalTime t) const;

  private:
    DynamicalTime centre_;
    // L and R (units of 1e-8 radian and AU) as cubics in the Julian millennia from the centre.
    std::array<double, 4> l_{};
    std::array<double, 4> r_{};
};

} // namespace crescendar
