// Every crossing of the horizon (or of a twilight altitude) appears exactly once in the
// day-by-day tables, on the date its time falls on after rounding to the minute, and no date
// shows a time that is not a crossing of its own. The crossings are found independently of the
// tables, by stepping through the year with the Moon's and the Sun's positions.
#include "Calendar.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "Nutation.h"
#include "RiseSet.h"
#include "SunPosition.h"

#include "ObserverAt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace crescendar;

namespace {

struct Place {
    const char* Name;
    double Lat, LonWest;
    int Zone;
};

// A dozen places from 70 S to 70 N, east and west, with the zones their clocks keep.
const Place kPlaces[] = {
    {"70S", -70.0, -11.0, 0},
    {"Ushuaia", -54.8, 68.3, -180},
    {"Santiago", -33.4489, 70.6693, -240},
    {"Sydney", -33.8688, -151.2093, 600},
    {"Quito", -0.18, 78.47, -300},
    {"Kathmandu", 27.7, -85.3, 345},
    {"Honolulu", 21.3, 157.86, -600},
    {"Auckland-ish", 36.8, -174.8, 720},
    {"Greenwich", 51.4769, 0.0, 0},
    {"Reykjavik", 64.15, 21.94, 0},
    {"Murmansk", 68.9585, -33.0827, 180},
    {"70N", 70.0, 20.0, -60},
};

// The altitude of the body (degrees) and its crossing altitude at universal time jd. The
// tables evaluate the positions at their universal day numbers and apply Delta T in the
// interpolation, so the positions here are taken at jd + Delta T as well.
struct Sample {
    double Altitude;
    double H0;
};
using Sky = std::function<Sample(double)>;

Sky MoonSky(const Observer& o) {
    return [o](double jd) {
        TMoonState m;
        TSunPosition s;
        MoonPosition(UniversalTime{jd + DeltaT(2025) / 86400.0}, o, m, s);
        const double alt =
            EquatorialToHorizontal(UniversalTime{jd}, m.Equatorial.RA, m.Equatorial.Dec, o)
                .Altitude;
        return Sample{alt, 0.7275 * m.Parallax - 0.5667};
    };
}

Sky SunSky(const Observer& o) {
    return [o](double jd) {
        const TSunPosition s = SunPosition(UniversalTime{jd + DeltaT(2025) / 86400.0}, o);
        return Sample{
            EquatorialToHorizontal(UniversalTime{jd}, s.Equatorial.RA, s.Equatorial.Dec, o)
                .Altitude,
            0};
    };
}

constexpr double kStep = 15.0 / 1440.0;

struct Crossing {
    double JD; // universal time
    bool Rising;
    double Rate; // degrees an hour
};

// Crossings of the altitude h0 (or of the body's own crossing altitude when h0 is NaN) between
// samples taken every kStep days from `from`, refined by bisection.
std::vector<Crossing> Crossings(const Sky& sky, const std::vector<Sample>& samples, double from,
                                double h0) {
    const auto height = [&](const Sample& s) { return s.Altitude - (std::isnan(h0) ? s.H0 : h0); };
    std::vector<Crossing> found;
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        const double ha = height(samples[i]);
        const double hb = height(samples[i + 1]);
        if ((ha < 0) == (hb < 0)) continue;
        double lo = from + static_cast<double>(i) * kStep, hi = lo + kStep;
        for (int n = 0; n < 30; ++n) {
            const double mid = (lo + hi) / 2;
            ((height(sky(mid)) < 0) == (ha < 0) ? lo : hi) = mid;
        }
        found.push_back({lo, hb > ha, std::fabs(hb - ha) / (kStep * 24)});
    }
    return found;
}

struct Shown {
    double JD; // universal time of the shown minute
    bool Rising;
    std::string Where;
};

bool IsClock(const std::string& t) {
    return t.size() == 5 && t[2] == ':';
}

// Checks one place's table of one body over 2025 against the crossings found by stepping;
// for the Sun, at each of the four altitudes.
void CheckPlace(const Place& p, bool moon) {
    const Observer o = At(p.Lat, p.LonWest, p.Zone);
    const double start = MakeDate(2025, 1, 1).JD;
    const int days = 365;
    const double zone = p.Zone / 1440.0;
    const Sky sky = moon ? MoonSky(o) : SunSky(o);
    const double from = start - zone - 1;
    std::vector<Sample> samples;
    for (double jd = from; jd < start - zone + days + 1; jd += kStep) samples.push_back(sky(jd));

    for (const double h0 :
         moon ? std::vector<double>{NAN} : std::vector<double>{-0.8333, -6.0, -12.0, -18.0}) {
        const std::vector<Crossing> reference = Crossings(sky, samples, from, h0);
        std::vector<Shown> shown;
        for (int day = 0; day < days; ++day) {
            const TDateTimeRecord date = JulianDayToDate(start + day);
            const TRiseSet r = moon ? MoonRiseSet(date, o) : SunRiseSet(date, h0, o);
            for (const std::string* t :
                 {&r.RiseText, &r.SetText, &r.SecondRiseText, &r.SecondSetText}) {
                const bool rising = t == &r.RiseText || t == &r.SecondRiseText;
                if (!IsClock(*t)) continue;
                const int minutes = std::stoi(t->substr(0, 2)) * 60 + std::stoi(t->substr(3));
                std::ostringstream where;
                where << date.Year << "-" << date.Month << "-" << date.Day << " " << *t;
                shown.push_back({start + day + (minutes - p.Zone) / 1440.0, rising, where.str()});
            }
        }

        // The Sun's positions interpolate to within seconds; the Moon's, at most half a day
        // from the table's centre, to within a tenth of a degree.
        const double tolerance = moon ? 0.1 : 0.02; // degrees
        const auto window = [&](double rate) {
            return std::max(2.0, 60.0 * tolerance / rate) / 1440.0;
        };
        const std::string what =
            std::string(p.Name) + (moon ? " Moon" : " Sun at " + std::to_string(h0));

        for (const Crossing& c : reference) {
            const double local = c.JD + zone;
            if (local < start + 0.01 || local > start + days - 0.01) continue;
            int count = 0;
            for (const Shown& s : shown)
                if (s.Rising == c.Rising && std::fabs(s.JD - c.JD) <= window(c.Rate)) ++count;
            // A grazing crossing, where the body barely reaches the altitude, may be judged
            // either way by the interpolation.
            const bool grazing = c.Rate < 3 * tolerance;
            EXPECT_TRUE(count == 1 || (count == 0 && grazing))
                << what << ": the crossing at UT JD " << std::fixed << c.JD << " (rising "
                << c.Rising << ", " << c.Rate << " deg/h) is shown " << count << " times";
        }
        for (const Shown& s : shown) {
            bool real = false;
            for (const Crossing& c : reference)
                real |= s.Rising == c.Rising && std::fabs(s.JD - c.JD) <= window(c.Rate);
            // A time with no crossing near it must at least be where the body grazes the
            // altitude.
            const Sample at = sky(s.JD);
            const double off = at.Altitude - (std::isnan(h0) ? at.H0 : h0);
            EXPECT_TRUE(real || std::fabs(off) < tolerance)
                << what << ": " << s.Where << " is not a crossing of that date";
        }
    }
}

} // namespace

TEST(RiseSetDates, EveryMoonCrossingOfAYearAppearsOnceOnItsDate) {
    for (const Place& p : kPlaces) CheckPlace(p, true);
}

TEST(RiseSetDates, EverySunAndTwilightCrossingOfAYearAppearsOnceOnItsDate) {
    for (const Place& p : kPlaces) CheckPlace(p, false);
}

// The cases seen on screen: Santiago's moonset of 30 July 2025 at 23:59:43, and Murmansk's
// astronomical dusk, which moves past midnight at the end of March.
TEST(RiseSetDates, SantiagoMoonsetAndMurmanskDusk) {
    const Observer santiago = At(-33.4489, 70.6693, -240);
    const TRiseSet july30 = MoonRiseSet(MakeDate(2025, 7, 30), santiago);
    const TRiseSet july31 = MoonRiseSet(MakeDate(2025, 7, 31), santiago);
    EXPECT_EQ((july30.SetText == "*****") + (july31.SetText == "00:00"), 2)
        << july30.SetText << " " << july31.SetText;

    const Observer murmansk = At(68.9585, -33.0827, 180);
    const TRiseSet march25 = SunRiseSet(MakeDate(2025, 3, 25), -18, murmansk);
    const TRiseSet march26 = SunRiseSet(MakeDate(2025, 3, 26), -18, murmansk);
    EXPECT_NE(march26.SetText, march25.SetText);
    EXPECT_FALSE(march26.SetText.size() == 5 && march26.SetText.substr(0, 2) == "23")
        << march26.SetText;
}
