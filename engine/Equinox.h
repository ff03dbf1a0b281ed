// Equinoxes and solstices of a year, named as the seasons of the observer's hemisphere.
#pragma once

#include "Records.h"
#include "TimeScale.h"

#include <array>
#include <cstdint>
#include <string>

namespace crescendar {

// The four events of a year, in calendar order; also the index of the season that each one
// begins (March→June is season 0).
enum class TSeasonEvent : int {
    MarchEquinox = 0,
    JuneSolstice = 1,
    SeptemberEquinox = 2,
    DecemberSolstice = 3
};

// The rows of the equinox window, always read as spring, summer, autumn, winter.
enum class TSeasonRow : int { Spring = 0, Summer = 1, Autumn = 2, Winter = 3 };

struct TEquinoxes {
    std::uint16_t Year = 0;
    // Dynamical time: March, June, September, December of the year, then the March equinox
    // of the following year. MeanJDE are the polynomial values, JDE the refined instants.
    std::array<DynamicalTime, 5> MeanJDE{};
    std::array<DynamicalTime, 5> JDE{};
    // Each event in the observer's civil time (universal time with Delta T of the year).
    std::array<LocalTime, 4> Instants{};
    // The local clock minute each event is shown at: 30 seconds added so that the cut minutes
    // are rounded ones.
    std::array<TDateTimeRecord, 4> Local{};
    // Days, cut (not rounded) to two decimals: March→June, June→September,
    // September→December, December→next March.
    std::array<double, 4> Lengths{};
    // Row r of the window shows event RowEvent[r] and the length of the season it begins.
    std::array<TSeasonEvent, 4> RowEvent{TSeasonEvent::MarchEquinox, TSeasonEvent::JuneSolstice,
                                         TSeasonEvent::SeptemberEquinox,
                                         TSeasonEvent::DecemberSolstice};
};

// The instant near jde at which the Sun's apparent longitude is longitudeDeg, refined from jde
// by steps of 58 days per radian of longitude error (Meeus, Astronomical Algorithms,
// chapter 27).
DynamicalTime SunLongitudeInstant(DynamicalTime jde, double longitudeDeg);

// The refined instants (dynamical time) of the March equinox, June solstice, September
// equinox and December solstice of the year, from the mean instants of the year.
std::array<DynamicalTime, 4> SeasonInstants(std::uint16_t year);

// Equinoxes and solstices of the year in the observer's local clock time (zone and daylight
// offsets). A negative latitude (also -0, a southern direction at the equator) names the
// seasons for the southern hemisphere. Years outside 1..9999, which the calendar cannot
// show, give an empty record.
TEquinoxes EquinoxesAndSolstices(std::uint16_t year, const Observer& observer);

} // namespace crescendar
