#include "Calendar.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "SunPosition.h"

#include "ObserverAt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace crescendar;

namespace {

struct MoonAndSun {
    TMoonState Moon;
    TSunPosition Sun;
};

MoonAndSun Compute(double jd, const Observer& o) {
    MoonAndSun r;
    MoonPosition(UniversalTime{jd}, o, r.Moon, r.Sun);
    return r;
}

constexpr double kApril1992 = 2448724.5;

} // namespace

// Meeus, Astronomical Algorithms, example 47.a: 1992 April 12, 0h.
TEST(MoonPosition, WorkedExampleGeocentric) {
    const TMoonState m = Compute(kApril1992, At(40, 0)).Moon;
    EXPECT_NEAR(RadToDeg(m.Longitude), 133.1627, 0.00005);
    EXPECT_NEAR(RadToDeg(m.Latitude), -3.2291, 0.00005);
    EXPECT_NEAR(m.Distance, 368409.7, 0.05);
    EXPECT_NEAR(m.Parallax, 0.99199, 0.000005);
    EXPECT_NEAR(RadToDeg(m.ApparentLongitude - m.Longitude) * 3600.0, 16.595, 0.001);
    EXPECT_NEAR(m.Equatorial.RA, 134.6885, 0.00005);
    EXPECT_NEAR(m.Equatorial.Dec, 13.7684, 0.00005);
    // The sums of that example (l = -1127527, b = -3229126, r = -16590875), to their last
    // digit: a term scaled by E when it should not be, or the reverse, shows here.
    EXPECT_NEAR(RadToDeg(m.Longitude), 133.162655, 0.000002);
    EXPECT_NEAR(RadToDeg(m.Latitude), -3.229126, 0.000002);
    EXPECT_NEAR(m.Distance, 368409.685, 0.002);
}

TEST(MoonPosition, WorkedExampleIllumination) {
    const MoonAndSun r = Compute(kApril1992, At(40, 0));
    EXPECT_NEAR(r.Moon.PhaseAngle, 69.0756, 0.00005);
    EXPECT_EQ(r.Moon.IlluminatedPercent, 68);
    EXPECT_NEAR(r.Moon.BrightLimbAngle, 285.04, 0.005);
    // The Sun is handed back as SunPosition gives it.
    const TSunPosition s = SunPosition(UniversalTime{kApril1992}, At(40, 0));
    EXPECT_DOUBLE_EQ(r.Sun.Equatorial.RA, s.Equatorial.RA);
    EXPECT_DOUBLE_EQ(r.Sun.Azimuth, s.Azimuth);
    EXPECT_DOUBLE_EQ(r.Sun.Distance, s.Distance);
}

TEST(MoonPosition, WorkedExampleTopocentric) {
    const TMoonState m = Compute(kApril1992, At(40, 0)).Moon;
    EXPECT_NEAR(m.TopoRA, 133.9701, 0.00005);
    EXPECT_NEAR(m.TopoDec, 13.2214, 0.00005);
    EXPECT_NEAR(m.Altitude, 27.2920, 0.00005);
    EXPECT_NEAR(m.Azimuth, 265.2193, 0.00005);
    EXPECT_NEAR(m.Semidiameter, 0.27241, 0.000005);
    // 8h 55m 52.8s; the seconds of the text are rounded up.
    EXPECT_EQ(RightAscensionText(m.TopoRA).Sign, " ");
    EXPECT_EQ(RightAscensionText(m.TopoRA).Deg + RightAscensionText(m.TopoRA).Min +
                  RightAscensionText(m.TopoRA).Sec,
              "085553");
    EXPECT_EQ(DeclinationText(m.TopoDec).Deg + DeclinationText(m.TopoDec).Min, "1313");
}

// Total lunar eclipse of 2000 January 21 (04:44 UT) and total solar eclipse of 1999 August 11
// (11:03 UT): the Moon fully lit and fully dark.
TEST(MoonPosition, FullAndNewMoonAtEclipses) {
    const TMoonState full = Compute(2451564.5 + (4 * 60 + 44) / 1440.0, At(0, 0)).Moon;
    EXPECT_LT(full.PhaseAngle, 1.0);
    EXPECT_EQ(full.IlluminatedPercent, 100);
    const TMoonState dark = Compute(2451401.5 + (11 * 60 + 3) / 1440.0, At(0, 0)).Moon;
    EXPECT_GT(dark.PhaseAngle, 179.0);
    EXPECT_EQ(dark.IlluminatedPercent, 0);
}

// When the Moon is near 0h of right ascension the parallax shift can carry the topocentric
// value below 0 or past 360. The field keeps that; the text shows 23h or 00h, never -00h/24h.
TEST(MoonPosition, TopocentricRightAscensionAcrossZeroHours) {
    bool sawNegative = false;
    bool sawPast360 = false;
    const Observer equator = At(0, 0);
    for (double jd = 2451545.0; jd < 2451545.0 + 60 && !(sawNegative && sawPast360);
         jd += 1.0 / 48) {
        const TMoonState m = Compute(jd, equator).Moon;
        if (m.TopoRA < 0.0) {
            sawNegative = true;
            EXPECT_EQ(RightAscensionText(m.TopoRA).Sign, " ");
            EXPECT_EQ(RightAscensionText(m.TopoRA).Deg, "23");
        } else if (m.TopoRA >= 360.0) {
            sawPast360 = true;
            EXPECT_EQ(RightAscensionText(m.TopoRA).Deg, "00");
        }
    }
    EXPECT_TRUE(sawNegative);
    EXPECT_TRUE(sawPast360);
}

// Years 1 to 9999, latitudes from pole to pole: finite values within their ranges.
TEST(MoonPosition, SweepOverYearsAndLatitudes) {
    const double first = DateToJulianDay(MakeDate(1, 1, 1));
    const double last = DateToJulianDay(MakeDate(9999, 12, 31));
    for (double jd = first; jd <= last; jd += 3001.23) {
        for (double lat = -90.0; lat <= 90.0; lat += 30.0) {
            const TMoonState m = Compute(jd, At(lat, 140.0 - 3 * lat)).Moon;
            SCOPED_TRACE(::testing::Message() << "jd " << jd << " lat " << lat);
            for (double v : {m.Latitude, m.Longitude, m.ApparentLongitude, m.Distance, m.Parallax,
                             m.Altitude, m.Azimuth, m.Semidiameter, m.BrightLimbAngle, m.PhaseAngle,
                             m.Equatorial.RA, m.Equatorial.Dec, m.TopoRA, m.TopoDec})
                ASSERT_TRUE(std::isfinite(v));
            EXPECT_GT(m.Distance, 350000.0);
            EXPECT_LT(m.Distance, 410000.0);
            EXPECT_GE(m.Altitude, -90.0);
            EXPECT_LE(m.Altitude, 90.0);
            EXPECT_GE(m.Azimuth, 0.0);
            EXPECT_LT(m.Azimuth, 360.0);
            EXPECT_GE(m.BrightLimbAngle, 0.0);
            EXPECT_LT(m.BrightLimbAngle, 360.0);
            EXPECT_GE(m.PhaseAngle, 0.0);
            EXPECT_LE(m.PhaseAngle, 180.0);
            EXPECT_GE(m.IlluminatedPercent, 0);
            EXPECT_LE(m.IlluminatedPercent, 100);
            EXPECT_GT(m.Semidiameter, 0.24);
            EXPECT_LT(m.Semidiameter, 0.29);
            EXPECT_EQ(RightAscensionText(m.TopoRA).Sign, " ");
            const int hours = std::stoi(RightAscensionText(m.TopoRA).Deg);
            EXPECT_GE(hours, 0);
            EXPECT_LE(hours, 23);
        }
    }
}
