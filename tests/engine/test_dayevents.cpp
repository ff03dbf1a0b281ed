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
#include <cstdint>
#include <memory>
#include <utility>

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

// A table of consecutive dates shares the daily places: every crossing of every date must be
// the one the date finds alone, instant for instant, also where twilight lasts all night and
// the Sun or the Moon rises twice.
TEST(DayEvents, SharedPlacesGiveEachDateItsOwnEvents) {
    struct Month {
        Observer Where;
        int Year, Month;
    };
    Observer london = At(51.5, 0.12);
    london.Zone = std::make_shared<OneChange>(0, 60, MakeDate(2025, 3, 30, 1).JD);
    const Month months[] = {{london, 2025, 3},
                            {At(51.5, 0.12, 0, 60), 2025, 7},
                            {At(69.65, -18.96, 60), 2026, 6},
                            {At(66.56, -25.7, 0), 2024, 12},
                            {At(-66.6, -110.5, 420), 2025, 1},
                            {At(48.6, -2.3, 60), 2025, 6},
                            {At(78.2, -15.6, 60), 2025, 4},
                            {At(-33.87, -151.21, 600), 1900, 2}};
    const auto same = [](const TCrossing& a, const TCrossing& b) {
        return a.Kind == b.Kind && a.Instant.JD == b.Instant.JD && a.Minute == b.Minute;
    };
    for (const Month& m : months) {
        TDailyPlaces places;
        for (const std::uint16_t day :
             MonthDays(static_cast<std::uint16_t>(m.Month), static_cast<std::uint16_t>(m.Year))) {
            const TDateTimeRecord date = MakeDate(m.Year, m.Month, day);
            const TDayEvents shared = DayEvents(date, m.Where, places);
            const TDayEvents alone = DayEvents(date, m.Where);
            EXPECT_EQ(shared.MoonIlluminatedPercent, alone.MoonIlluminatedPercent);
            const std::pair<const TBodyEvents*, const TBodyEvents*> bodies[] = {
                {&shared.Moon, &alone.Moon},
                {&shared.Sun, &alone.Sun},
                {&shared.CivilTwilight, &alone.CivilTwilight},
                {&shared.NauticalTwilight, &alone.NauticalTwilight},
                {&shared.AstronomicalTwilight, &alone.AstronomicalTwilight}};
            for (const auto& [a, b] : bodies)
                EXPECT_TRUE(same(a->Rise, b->Rise) && same(a->Transit, b->Transit) &&
                            same(a->Set, b->Set) && same(a->SecondRise, b->SecondRise) &&
                            same(a->SecondTransit, b->SecondTransit) &&
                            same(a->SecondSet, b->SecondSet))
                    << RadToDeg(m.Where.Latitude) << " " << m.Year << "-" << m.Month << "-" << day;
        }
    }
}

// The days on which the Sun stays above an altitude all night come from a search that is
// skipped where the Sun's declination rules the altitude out: near the latitudes where the
// Sun only just reaches it at midsummer, a bound too loose or too tight moves the first and
// the last of those days.
TEST(DayEvents, NightsThatStayInTwilightBeginAndEndOnTheirDays) {
    struct Case {
        double Latitude;
        double Altitude;
        int Nights;      // in 2025 on which the Sun stays above the altitude
        int First, Last; // month * 100 + day
    };
    const Case cases[] = {
        {48.56, kAstronomicalTwilightAltitude, 0, 0, 0},
        {48.6, kAstronomicalTwilightAltitude, 7, 618, 624},
        {51.5, kAstronomicalTwilightAltitude, 59, 523, 720},
        {54.5, kNauticalTwilightAltitude, 0, 0, 0},
        {54.6, kNauticalTwilightAltitude, 7, 618, 624},
        {60.5, kCivilTwilightAltitude, 0, 0, 0},
        {60.6, kCivilTwilightAltitude, 7, 618, 624},
        {65.8, kSunriseAltitude, 9, 617, 625},
        {66.6, kSunriseAltitude, 32, 606, 707},
        {-48.6, kAstronomicalTwilightAltitude, 6, 1219, 1224},
    };
    for (const Case& c : cases) {
        const Observer o = At(c.Latitude, 0.12, 0, 60);
        int nights = 0, first = 0, last = 0;
        for (int month = 1; month <= 12; ++month) {
            TDailyPlaces places;
            for (const std::uint16_t day : MonthDays(static_cast<std::uint16_t>(month), 2025)) {
                const TDayEvents e = DayEvents(MakeDate(2025, month, day), o, places);
                const TBodyEvents& b = c.Altitude == kSunriseAltitude         ? e.Sun
                                       : c.Altitude == kCivilTwilightAltitude ? e.CivilTwilight
                                       : c.Altitude == kNauticalTwilightAltitude
                                           ? e.NauticalTwilight
                                           : e.AstronomicalTwilight;
                if (b.Rise.Kind != TCrossingKind::AlwaysAbove) continue;
                ++nights;
                last = month * 100 + day;
                if (first == 0) first = last;
            }
        }
        EXPECT_EQ(nights, c.Nights) << c.Latitude << " " << c.Altitude;
        EXPECT_EQ(first, c.First) << c.Latitude << " " << c.Altitude;
        EXPECT_EQ(last, c.Last) << c.Latitude << " " << c.Altitude;
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
