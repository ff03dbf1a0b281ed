// The events of a date as values: their kinds, instants and clock minutes agree with each
// other and with the texts made from them; the time scales convert back and forth.
#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "SunPosition.h"
#include "TimeScale.h"

#include "ObserverAt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace crescendar;

namespace {

// The clock minute of the local date that a universal instant reads as: half a minute added,
// seconds rounded up (the program's clock rounding).
int ClockMinute(UniversalTime t, const TDateTimeRecord& date, int offset) {
    const LocalTime local = ToLocal(t, offset);
    const double minutes = (local.JD - DateToJulianDay(date)) * 1440.0 + 31.0 / 60.0;
    return static_cast<int>(std::floor(minutes));
}

void ExpectConsistent(const TBodyEvents& e, const TDateTimeRecord& date, int offset,
                      const char* what) {
    for (const TCrossing* c : {&e.Rise, &e.Transit, &e.Set}) {
        if (!c->Happens()) {
            EXPECT_EQ(c->Minute, -1) << what;
            continue;
        }
        EXPECT_GE(c->Minute, 0) << what;
        EXPECT_LT(c->Minute, 1440) << what;
        EXPECT_EQ(ClockMinute(c->Instant, date, offset), c->Minute) << what;
    }
    // "None" comes in pairs; the transit is never "None".
    const bool riseNone =
        e.Rise.Kind == TCrossingKind::AlwaysAbove || e.Rise.Kind == TCrossingKind::AlwaysBelow;
    const bool setNone =
        e.Set.Kind == TCrossingKind::AlwaysAbove || e.Set.Kind == TCrossingKind::AlwaysBelow;
    EXPECT_EQ(riseNone, setNone) << what;
    if (riseNone) {
        EXPECT_EQ(e.Rise.Kind, e.Set.Kind) << what;
    }
    EXPECT_TRUE(e.Transit.Kind == TCrossingKind::At ||
                e.Transit.Kind == TCrossingKind::NeighbouringDate)
        << what;
}

} // namespace

TEST(DayEvents, ValuesAgreeWithThemselvesAndWithTheTexts) {
    const Observer places[] = {At(51.48, 0, 0, 60), At(-33.45, 70.67, -240), At(68.96, -33.08, 180),
                               At(27.7, -85.3, 345), At(-36.85, -174.76, 720)};
    for (const Observer& o : places) {
        for (int day = 0; day < 365; day += 9) {
            const TDateTimeRecord date = JulianDayToDate(MakeDate(2025, 1, 1).JD + day);
            const int offset = o.TotalOffset();
            const TDayEvents e = DayEvents(date, o);
            ExpectConsistent(e.Moon, date, offset, "Moon");
            ExpectConsistent(e.Sun, date, offset, "Sun");
            ExpectConsistent(e.CivilTwilight, date, offset, "civil");
            ExpectConsistent(e.NauticalTwilight, date, offset, "nautical");
            ExpectConsistent(e.AstronomicalTwilight, date, offset, "astronomical");

            const TRiseSet moon = MoonRiseSet(date, o);
            const TRiseSet moonText = RiseSetText(e.Moon);
            EXPECT_EQ(moonText.RiseText, moon.RiseText);
            EXPECT_EQ(moonText.TransitText, moon.TransitText);
            EXPECT_EQ(moonText.SetText, moon.SetText);
            EXPECT_EQ(e.MoonIlluminatedPercent, moon.IlluminatedPercent);
            const TRiseSet nautical = SunRiseSet(date, kNauticalTwilightAltitude, o);
            EXPECT_EQ(RiseSetText(e.NauticalTwilight).RiseText, nautical.RiseText);
            EXPECT_EQ(RiseSetText(e.NauticalTwilight).SetText, nautical.SetText);
        }
    }
}

// Where the Sun does not cross an altitude all day, the kind says on which side it stays:
// checked against its altitude at local noon.
TEST(DayEvents, AlwaysAboveAndAlwaysBelowAtHighLatitudes) {
    const Observer tromso = At(69.65, -18.96, 60);
    const TDayEvents june = DayEvents(MakeDate(2025, 6, 21), tromso);
    EXPECT_EQ(june.Sun.Rise.Kind, TCrossingKind::AlwaysAbove);
    EXPECT_EQ(june.AstronomicalTwilight.Set.Kind, TCrossingKind::AlwaysAbove);
    EXPECT_EQ(CrossingText(june.Sun.Rise), "None");
    const TDayEvents december = DayEvents(MakeDate(2025, 12, 21), tromso);
    EXPECT_EQ(december.Sun.Rise.Kind, TCrossingKind::AlwaysBelow);
    EXPECT_EQ(december.CivilTwilight.Rise.Kind, TCrossingKind::At);

    for (int day = 0; day < 365; ++day) {
        const TDateTimeRecord date = JulianDayToDate(MakeDate(2025, 1, 1).JD + day);
        const TDayEvents e = DayEvents(date, tromso);
        const UniversalTime noon =
            ToUniversal(LocalTime{DateToJulianDay(date) + 0.5}, tromso.TotalOffset());
        const double altitude = SunPosition(noon, tromso).Altitude;
        if (e.Sun.Rise.Kind == TCrossingKind::AlwaysAbove) {
            EXPECT_GT(altitude, kSunriseAltitude);
        } else if (e.Sun.Rise.Kind == TCrossingKind::AlwaysBelow) {
            EXPECT_LT(altitude, kSunriseAltitude);
        }
    }
}

// A zone that crosses the date line skips a date or has one twice: Samoa went from 29 to 31
// December 2011 (UTC-10 to UTC+14); Apia had 4 July 1892 twice (+12:33 to -11:27).
TEST(DayEvents, SkippedAndRepeatedDates) {
    Observer samoa = At(-13.83, 171.76);
    samoa.Zone = std::make_shared<OneChange>(-600, 840, MakeDate(2011, 12, 30, 10).JD);
    EXPECT_EQ(LocalDateKind(MakeDate(2011, 12, 29), samoa), TDateKind::Ordinary);
    EXPECT_EQ(LocalDateKind(MakeDate(2011, 12, 30), samoa), TDateKind::Skipped);
    EXPECT_EQ(LocalDateKind(MakeDate(2011, 12, 31), samoa), TDateKind::Ordinary);
    const TDayEvents skipped = DayEvents(MakeDate(2011, 12, 30), samoa);
    for (const TBodyEvents* b : {&skipped.Moon, &skipped.Sun, &skipped.CivilTwilight})
        EXPECT_FALSE(b->Rise.Happens() || b->Transit.Happens() || b->Set.Happens());
    EXPECT_TRUE(DayTexts(skipped).Skipped);
    EXPECT_EQ(MoonRiseSet(MakeDate(2011, 12, 30), samoa).RiseText, "*****");

    Observer apia = At(-13.83, 171.76);
    apia.Zone = std::make_shared<OneChange>(753, -687, MakeDate(1892, 7, 4, 11, 27).JD);
    EXPECT_EQ(LocalDateKind(MakeDate(1892, 7, 4), apia), TDateKind::Repeated);
    const TDayEvents twice = DayEvents(MakeDate(1892, 7, 4), apia);
    ASSERT_TRUE(twice.Sun.Rise.Happens() && twice.Sun.SecondRise.Happens());
    EXPECT_NEAR(twice.Sun.SecondRise.Instant.JD - twice.Sun.Rise.Instant.JD, 1.0, 0.01);
    EXPECT_TRUE(twice.Sun.SecondTransit.Happens() && twice.Sun.SecondSet.Happens());
}

TEST(TimeScale, ConversionsRoundTripAndKeepTheirScale) {
    const UniversalTime ut{2460000.25};
    EXPECT_DOUBLE_EQ(ToUniversal(ToLocal(ut, 345), 345).JD, ut.JD);
    EXPECT_NEAR(ToLocal(ut, -300).JD, ut.JD - 300 / 1440.0, 1e-9);
    const DynamicalTime tt = ToDynamical(ut, DeltaT(2023));
    EXPECT_NEAR((tt.JD - ut.JD) * 86400.0, DeltaT(2023), 1e-4);
    EXPECT_DOUBLE_EQ(ToUniversal(tt, DeltaT(2023)).JD, ut.JD);
    // The series are read at the universal instant as given; a series instant is shown by
    // adding the zone offset alone, and read back the same way.
    EXPECT_EQ(SeriesArgument(ut).JD, ut.JD);
    const LocalTime shown = SeriesInstantAsLocal(tt, 60);
    EXPECT_DOUBLE_EQ(LocalAsSeriesInstant(shown, 60).JD, tt.JD);
    EXPECT_NEAR(shown - LocalTime{tt.JD}, 60 / 1440.0, 1e-9);
}
