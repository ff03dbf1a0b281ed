// Rise, transit, set and twilight.
#pragma once

#include "Records.h"
#include "TimeScale.h"

#include <array>
#include <cstdint>
#include <string>

namespace crescendar {

// A crossing of an altitude (or of the meridian) on one local date.
enum class TCrossingKind : std::uint8_t {
    At,               // at Instant
    AlwaysAbove,      // no crossing of either kind that date: above the altitude all day
    AlwaysBelow,      // likewise below it all day
    NeighbouringDate, // this kind of crossing falls on the date before or after
};

struct TCrossing {
    TCrossingKind Kind = TCrossingKind::NeighbouringDate;
    UniversalTime Instant; // the crossing, when Kind is At
    // When Kind is At: the minute of the local date (0..1439) the crossing reads as on the
    // program's clock (half a minute added, seconds rounded up).
    int Minute = -1;

    bool Happens() const { return Kind == TCrossingKind::At; }
};

// Rise, transit and set of one body on one local date (for the twilight altitudes: the
// morning and the evening crossing).
struct TBodyEvents {
    TCrossing Rise;
    TCrossing Transit; // At or NeighbouringDate
    TCrossing Set;
    // A second crossing of the same kind on the same date, At or (mostly) NeighbouringDate:
    // near the polar circles, and on a date the clocks go back, a body can rise, transit or
    // set twice.
    TCrossing SecondRise;
    TCrossing SecondTransit;
    TCrossing SecondSet;
};

// Event times in days from 0h universal time of the date: m0, m1, m2.
struct TEventTimes {
    double Transit = 0.0;
    double Rise = 0.0;
    double Set = 0.0;
};

// Which event times the refinement settled to within 1e-9 day.
struct TEventConvergence {
    bool Transit = true;
    bool Rise = true;
    bool Set = true;
};

// Everything the refinement interpolates and measures from, in degrees.
struct TRiseSetFrame {
    std::array<double, 3> RA{};  // right ascensions at 0h of the day before, of the day and
                                 // of the day after, unwrapped so that they increase
    std::array<double, 3> Dec{}; // declinations at the same instants
    double Theta0 = 0.0;         // Greenwich mean sidereal time at 0h of the date
    double Lo = 0.0;             // observer longitude, west positive
    double Phi = 0.0;            // observer latitude
    double H0 = 0.0;             // altitude whose crossing is wanted
    double DeltaT = 0.0;         // seconds
};

// Rounds of the refinement after which an event that has not settled is given up.
inline constexpr int kMaxRefineRounds = 50;

// y2 + n/2 (p + q + n r) with p = y2 - y1, q = y3 - y2, r = q - p.
double Interpolate3(double y1, double y2, double y3, double n);

// Corrects each time until its correction is below 1e-9 day, at most kMaxRefineRounds
// rounds; tells which times settled.
TEventConvergence RefineEventTimes(TEventTimes& m, const TRiseSetFrame& frame);

// Rise, transit and set on the observer's local date from the body's equatorial positions
// at 0h universal time of the day before, of the date and of the day after (jd0 is 0h of the
// date, h0 the altitude in degrees, deltaT in seconds): by interpolation between the three
// positions and iterative correction of each time (Meeus, Astronomical Algorithms,
// chapter 15), a direct search over the date where that does not settle on it. This one table
// serves the whole local date; SunEvents and MoonEvents take each crossing from the table
// centred nearest to it.
TBodyEvents RiseTransitSet(const std::array<TEquatorialPosition, 3>& positions, UniversalTime jd0,
                           double h0, double deltaT, const Observer& observer);

// The altitudes (degrees) whose crossings by the Sun the program shows: its upper limb on the
// horizon, refraction included, for sunrise and sunset; its centre at the depressions that
// begin and end civil, nautical and astronomical twilight.
inline constexpr double kSunriseAltitude = -0.8333;
inline constexpr double kCivilTwilightAltitude = -6.0;
inline constexpr double kNauticalTwilightAltitude = -12.0;
inline constexpr double kAstronomicalTwilightAltitude = -18.0;

// The altitude (degrees) of the Moon's centre when it rises or sets, for its equatorial
// horizontal parallax (degrees): parallax, semidiameter and refraction together (Meeus,
// Astronomical Algorithms, chapter 15).
constexpr double MoonRiseAltitude(double parallax) {
    return 0.7275 * parallax - 0.5667;
}

class TDailyPlaces;

// The hours on the universal clock from the local date's midnight to the next (jd0: the
// date's number taken as 0h universal time): 24 mostly, 23 or 25 when the clocks change, about
// 0 or 48 where a zone crosses the date line. A midnight the clocks skip is the instant they
// jump.
double LocalDateHours(UniversalTime jd0, const Observer& observer);

// The Sun's crossings of altitude h0 (degrees; one of the constants above) on the local date.
// Only Day, Month and Year of date count. Each crossing comes from the interpolation table
// centred on the 0h universal time nearest to it, so that a crossing is the same instant
// whichever zone reads it.
// places, when given, keeps the places for the next call.
TBodyEvents SunEvents(TDateTimeRecord date, double h0, const Observer& observer,
                      TDailyPlaces* places = nullptr);

// Moonrise, transit and moonset on the local date; hands back the illuminated percentage at
// 0h universal time of the date when illuminatedPercent is not null.
TBodyEvents MoonEvents(TDateTimeRecord date, const Observer& observer,
                       std::int32_t* illuminatedPercent = nullptr, TDailyPlaces* places = nullptr);

// A body at 0h universal time of a day: what the rise-and-set tables interpolate.
struct TPlaceAt0h {
    double RA = 0.0;                     // degrees
    double Dec = 0.0;                    // degrees
    double Parallax = 0.0;               // degrees, the Moon's
    std::int32_t IlluminatedPercent = 0; // the Moon's
};

// The Moon's and the Sun's places at 0h universal time of days, each computed once: the
// dates of a table share most of the days their crossings are read from. The places are
// geocentric, so one set serves every observer.
class TDailyPlaces {
  public:
    TPlaceAt0h Moon(UniversalTime day);
    TPlaceAt0h Sun(UniversalTime day);

  private:
    struct TEntry {
        double JD = 0.0; // 0h of a day is never JD 0
        TPlaceAt0h Place;
    };
    struct TRing {
        std::array<TEntry, 8> Entries{};
        std::size_t Next = 0;
    };
    template <typename Compute> TPlaceAt0h Find(TRing& ring, UniversalTime day, Compute compute);
    TRing moon_, sun_;
};

} // namespace crescendar
