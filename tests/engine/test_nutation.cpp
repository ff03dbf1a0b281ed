#include "Calendar.h"
#include "EventText.h"
#include "Nutation.h"

#include <gtest/gtest.h>

using namespace crescendar;

TEST(Nutation, WorkedExample1987) {
    const DynamicalTime jd{2446895.5};
    const TNutation n = Nutation(jd);
    EXPECT_NEAR(n.DeltaPsi, -3.788, 0.0005);
    EXPECT_NEAR(n.DeltaEps, 9.443, 0.0005);
    EXPECT_NEAR(MeanObliquity(jd), 23.440946, 0.0000005);
    TNutation handed;
    EXPECT_NEAR(RadToDeg(TrueObliquity(jd, &handed)), 23.443569, 0.0000005);
    EXPECT_DOUBLE_EQ(handed.DeltaPsi, n.DeltaPsi);
}

TEST(Nutation, ObliquityAndSiderealTimeAtJ2000) {
    EXPECT_DOUBLE_EQ(JulianCenturies(DynamicalTime{2451545.0}), 0.0);
    EXPECT_NEAR(MeanObliquity(DynamicalTime{2451545.0}), 23.4392911111, 1e-10);
    EXPECT_NEAR(GreenwichMeanSiderealTime(UniversalTime{2451544.5}), 99.9678, 0.00005);
}

TEST(Nutation, EclipticToEquatorialAtTheOrigin) {
    const TEquatorialPosition p = EclipticToEquatorial(0, 0, DegToRad(23.44));
    EXPECT_DOUBLE_EQ(p.RA, 0.0);
    EXPECT_DOUBLE_EQ(p.Dec, 0.0);
    EXPECT_EQ(RightAscensionText(p.RA).Deg, "00");
    EXPECT_EQ(RightAscensionText(p.RA).Min, "00");
    EXPECT_EQ(RightAscensionText(p.RA).Sec, "01");
    EXPECT_EQ(DeclinationText(p.Dec).Sign, " ");
}

TEST(Nutation, StaysSmallOverTheWholeRange) {
    for (int y = 1; y <= 9999; y += 7) {
        const DynamicalTime jd{JulianDayOfYearStart(static_cast<std::uint16_t>(y))};
        const TNutation n = Nutation(jd);
        ASSERT_LT(std::abs(n.DeltaPsi), 25.0) << y;
        ASSERT_LT(std::abs(n.DeltaEps), 15.0) << y;
        const double eps = RadToDeg(TrueObliquity(jd));
        ASSERT_GT(eps, 21.0) << y;
        ASSERT_LT(eps, 25.0) << y;
        const double gmst = GreenwichMeanSiderealTime(UniversalTime{jd.JD});
        ASSERT_GE(gmst, 0.0);
        ASSERT_LT(gmst, 360.0);
    }
}
