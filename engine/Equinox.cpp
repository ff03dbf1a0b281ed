// Equinoxes and solstices: the mean instants of Meeus, Astronomical Algorithms, chapter 27
// (the table for the years 1000 to 3000, used for every year), each refined until the Sun's
// apparent longitude is a multiple of 90 degrees.
#include "Equinox.h"
#include "Calendar.h"
#include "SunPosition.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace crescendar {

namespace {

// Coefficients of Y^0..Y^4, Y = (year - 2000) / 1000; March, June, September, December.
constexpr double kMeanTerms[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

// Refinement ends when a step is below about a millisecond; the Sun's motion makes every
// step some 30 times smaller than the last, so the cap is never reached by a finite start.
constexpr double kSmallestStep = 1e-8;
constexpr int kMaxRounds = 50;

// 30 seconds: the minutes shown are then rounded, not cut.
constexpr double kHalfMinute = 0.00034722222222222224;

double MeanInstant(int event, double y) {
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    const double* c = kMeanTerms[event];
    return c[0] + c[1] * y + c[2] * y2 + c[3] * y3 + c[4] * y4;
}

} // namespace

DynamicalTime SunLongitudeInstant(DynamicalTime instant, double longitudeDeg) {
    double jde = instant.JD;
    for (int round = 0; round < kMaxRounds && std::isfinite(jde); ++round) {
        const double lambda = SunApparentLongitude(DynamicalTime{jde});
        const double step = 58.0 * std::sin(DegToRad(longitudeDeg - lambda));
        if (!std::isfinite(step)) break;
        jde += step;
        if (std::fabs(step) < kSmallestStep) break;
    }
    return DynamicalTime{jde};
}

TEquinoxes EquinoxesAndSolstices(std::uint16_t year, const Observer& observer) {
    TEquinoxes r;
    r.Year = year;
    if (year < 1 || year > 9999) return r;

    const double y = (year - 2000) / 1000.0;
    for (int i = 0; i < 4; ++i)
        r.MeanJDE[static_cast<std::size_t>(i)] = DynamicalTime{MeanInstant(i, y)};
    // The next March equinox is refined too, so that all four lengths join refined instants.
    r.MeanJDE[4] = DynamicalTime{MeanInstant(0, (year - 1999) / 1000.0)};
    for (std::size_t i = 0; i < 5; ++i)
        r.JDE[i] = SunLongitudeInstant(r.MeanJDE[i], 90.0 * static_cast<double>(i % 4));

    for (std::size_t i = 0; i < 4; ++i) {
        r.Instants[i] = observer.ToLocal(ToUniversal(r.JDE[i], DeltaT(year)));
        r.Local[i] = JulianDayToDate((r.Instants[i] + kHalfMinute).JD);
        // Cut to two decimals, kept as whole hundredths over 100 so that a text made from it
        // carries no binary residue.
        const auto hundredths = static_cast<std::int64_t>((r.JDE[i + 1] - r.JDE[i]) * 100.0);
        r.Lengths[i] = static_cast<double>(hundredths) / 100.0;
    }

    if (std::signbit(observer.Latitude)) {
        r.RowEvent = {TSeasonEvent::SeptemberEquinox, TSeasonEvent::DecemberSolstice,
                      TSeasonEvent::MarchEquinox, TSeasonEvent::JuneSolstice};
    }
    return r;
}

} // namespace crescendar
