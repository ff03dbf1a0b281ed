// The words and phrases the engine's texts are made of. English by default; the program puts
// the words of the language in force in their place at start-up, with the month and day names
// (see TRegionalNames). A phrase holds %1, %2 … where its arguments go, so that a language
// may order them as it needs.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>

namespace crescendar {

enum class TWord : std::size_t {
    // Principal phases and the phase of a given moment
    NewMoon,
    FirstQuarter,
    FullMoon,
    BlueMoon,
    LastQuarter,
    WaxingCrescent,
    WaxingGibbous,
    WaningGibbous,
    WaningCrescent,
    FullBlueMoon,  // "Full (Blue) Moon"
    NamedFullMoon, // "Full (%1) Moon", %1 one of the twelve names below
    WolfMoon,
    SnowMoon,
    WormMoon,
    PinkMoon,
    FlowerMoon,
    StrawberryMoon,
    BuckMoon,
    SturgeonMoon,
    HarvestMoon,
    HuntersMoon,
    BeaverMoon,
    ColdMoon,
    // Eclipses
    PenumbralLunarEclipse,
    PartialLunarEclipse,
    TotalLunarEclipse,
    PenumbralEclipse,
    PartialEclipse,
    TotalEclipse,
    Penumbral, // the kinds as a list's short column
    Partial,
    Total,
    Visible,
    PartiallyVisible,
    NotVisible,
    PartialSolarEclipse, // the solar kinds, then their short forms for a list's column
    AnnularSolarEclipse,
    TotalSolarEclipse,
    HybridSolarEclipse,
    Annular,
    Hybrid,
    // The year's events
    MarchEquinox,
    JuneSolstice,
    SeptemberEquinox,
    DecemberSolstice,
    Perigee,
    Apogee,
    // Times and lengths
    NoCrossing,  // "None": a body that does not cross an altitude on a date
    DaysLength,  // "%1 days"
    SkippedDate, // a date the clocks pass over
    AgeDays,     // "d", "h", "m": the units of the Moon's age
    AgeHours,
    AgeMinutes,
    MinutesSeconds, // "%1 min %2 s": the length of a total or annular phase
    PercentValue,   // "%1%"
    Count
};

inline constexpr std::size_t kWordCount = static_cast<std::size_t>(TWord::Count);
using TWords = std::array<std::string, kWordCount>;

// The English words, in the order of TWord.
const TWords& EnglishWords();

// The word in force.
const std::string& Word(TWord word);

// A phrase in force with %1, %2 … replaced by the arguments (a % before anything else, or a
// number without an argument, is kept as it stands).
std::string Phrase(TWord phrase, std::initializer_list<std::string> args);

} // namespace crescendar
