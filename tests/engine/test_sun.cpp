#include "Calendar.h"
#include "Nutation.h"
#include "SunPosition.h"

#include "ObserverAt.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace crescendar;

namespace {

// Angular difference folded into [0, 180].
double AngleApart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

} // namespace

// Meeus, Astronomical Algorithms, example 25.b: 1992 October 13, 0h.
TEST(SunPosition, WorkedExampleOctober1992) {
    const TSunPosition s = SunPosition(UniversalTime{2448908.5}, At(0, 0));
    EXPECT_NEAR(s.ApparentLongitude, 199.90606, 0.00002);
    // beta = +0.000179 before FK5; the correction takes cos and sin of the longitude in radians.
    EXPECT_NEAR(s.Latitude, 0.0001725, 0.000002);
    EXPECT_NEAR(s.Distance, 0.99760775 * 149597900.0, 1.0);
}

// The Sun that the Moon's worked example uses: 1992 April 12, 0h.
TEST(SunPosition, WorkedExampleApril1992) {
    const TSunPosition s = SunPosition(UniversalTime{2448724.5}, At(40, 0));
    EXPECT_NEAR(s.Equatorial.RA, 20.6578, 0.00005);
    EXPECT_NEAR(s.Equatorial.Dec, 8.6965, 0.00005);
    EXPECT_NEAR(s.Distance, 149971437.0, 1.0);
}

// March equinox 2000 fell at 07:35 UT (about 07:36 TT, the argument here). Ten minutes
// earlier the geometric longitude is just past 0 but the apparent one is still negative,
// and it is not wrapped to 360.
TEST(SunPosition, ApparentLongitudeNearTheEquinoxIsNotReduced) {
    const double equinox = 2451623.5 + (7 * 60 + 36) / 1440.0;
    EXPECT_NEAR(SunPosition(UniversalTime{equinox}, At(0, 0)).ApparentLongitude, 0.0, 0.002);
    const double before =
        SunPosition(UniversalTime{equinox - 10 / 1440.0}, At(0, 0)).ApparentLongitude;
    EXPECT_LT(before, 0.0);
    EXPECT_GT(before, -0.01);
}

// With the observer's longitude chosen so that the hour angle is 0, the Sun stands due south
// (or due north for an observer south of its declination) at altitude 90 - |phi - delta|.
TEST(SunPosition, OnTheMeridian) {
    const double jd = 2448908.5;
    const TSunPosition s0 = SunPosition(UniversalTime{jd}, At(0, 0));
    const double lonDeg = GreenwichMeanSiderealTime(UniversalTime{jd}) - s0.Equatorial.RA;
    const double dec = s0.Equatorial.Dec;

    const TSunPosition north = SunPosition(UniversalTime{jd}, At(45, lonDeg));
    EXPECT_NEAR(north.Azimuth, 180.0, 1e-5);
    EXPECT_NEAR(north.Altitude, 90.0 - (45 - dec), 1e-5);

    const TSunPosition south = SunPosition(UniversalTime{jd}, At(-45, lonDeg));
    EXPECT_NEAR(AngleApart(south.Azimuth, 0.0), 0.0, 1e-5);
    EXPECT_NEAR(south.Altitude, 90.0 - (dec + 45), 1e-5);

    // A longitude several turns away gives the same place in the sky.
    const TSunPosition turned = SunPosition(UniversalTime{jd}, At(45, lonDeg + 4 * 360.0));
    EXPECT_NEAR(turned.Azimuth, north.Azimuth, 1e-6);
    EXPECT_NEAR(turned.Altitude, north.Altitude, 1e-6);
}

// Years 1 to 9999, all latitudes including the poles: finite values within their ranges.
TEST(SunPosition, SweepOverYearsAndLatitudes) {
    const double first = DateToJulianDay(MakeDate(1, 1, 1));
    const double last = DateToJulianDay(MakeDate(9999, 12, 31));
    for (double jd = first; jd <= last; jd += 4987.37) {
        for (double lat = -90.0; lat <= 90.0; lat += 22.5) {
            const TSunPosition s = SunPosition(UniversalTime{jd}, At(lat, 2 * lat - 37.0));
            SCOPED_TRACE(::testing::Message() << "jd " << jd << " lat " << lat);
            ASSERT_TRUE(std::isfinite(s.ApparentLongitude));
            EXPECT_GT(s.ApparentLongitude, -1.0);
            EXPECT_LT(s.ApparentLongitude, 361.0);
            EXPECT_LT(std::fabs(s.Latitude), 0.001);
            EXPECT_GE(s.Altitude, -90.0);
            EXPECT_LE(s.Altitude, 90.0);
            EXPECT_GE(s.Azimuth, 0.0);
            EXPECT_LT(s.Azimuth, 360.0);
            EXPECT_GT(s.Distance, 0.98 * 149597900.0);
            EXPECT_LT(s.Distance, 1.02 * 149597900.0);
            EXPECT_LT(std::fabs(s.Equatorial.Dec), 24.5);
        }
    }
}
