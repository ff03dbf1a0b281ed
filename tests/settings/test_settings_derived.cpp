#include "Settings.h"
#include "SettingsTable.h"

#include <gtest/gtest.h>

using namespace crescendar;

namespace {

TEST(SettingsDerived, TimeZoneTextIsShortestWithGivenSeparator) {
    EXPECT_EQ(TimeZoneText(11, "."), "5.5");
    EXPECT_EQ(TimeZoneText(35, ","), "17,5");
    EXPECT_EQ(TimeZoneText(24, "."), "12");
    EXPECT_EQ(TimeZoneText(48, "."), "24");
    EXPECT_EQ(TimeZoneText(0, "."), "0");
    EXPECT_EQ(TimeZoneText(-0.0, "."), "0");
    EXPECT_EQ(TimeZoneText(-1, "."), "-0.5");
}

TEST(SettingsDerived, ObserverFromCoordinateTexts) {
    TSettings s = DefaultSettings();
    s.LongDeg = "6";
    s.LongDir = TEastWest::East;
    s.LatDeg = "51";
    s.LatMin = "30";
    s.LatDir = TNorthSouth::South;
    s.TimeZoneIdx = 26;
    s.DaylightSavings = true;
    const Observer o = MakeObserver(s);
    EXPECT_NEAR(o.Longitude, -0.104720, 1e-6);
    EXPECT_NEAR(o.Latitude, -0.898845, 1e-6);
    EXPECT_EQ(o.ZoneOffset, 60);
    EXPECT_EQ(o.DaylightOffset, 60);

    // Only the exact direction words flip the sign.
    ReadSetting(*FindSetting("LongDir"), s, "east");
    ReadSetting(*FindSetting("LatDir"), s, "SOUTH");
    EXPECT_GT(ObserverLongitude(s), 0);
    EXPECT_GT(ObserverLatitude(s), 0);
}

TEST(SettingsDerived, UnreadableCoordinateTextCountsAsZero) {
    TSettings s = DefaultSettings();
    s.LongDeg = "";
    s.LongMin = "x";
    s.LongSec = "36";
    s.LatDeg = "1a";
    EXPECT_NEAR(ObserverLongitude(s), 0.01 * 3.14159265358979 / 180, 1e-12);
    EXPECT_EQ(ObserverLatitude(s), 0);
}

TEST(SettingsDerived, DefaultsAreGreenwichWithoutDaylightSaving) {
    const Observer o = MakeObserver(DefaultSettings());
    EXPECT_EQ(o.Latitude, 0);
    EXPECT_EQ(o.Longitude, 0);
    EXPECT_EQ(o.TotalOffset(), 0);
}

} // namespace
