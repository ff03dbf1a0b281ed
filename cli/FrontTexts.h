// The texts crescendar-cli's front (cli/front) writes, in the Qt program's words (context
// "Cli"): the front has no Qt to translate them, so a tool of the build
// (front/FrontWordsTool.cpp) writes them out in each language the program ships, with the
// engine's words and the month and day names that language gives.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

#include <cstddef>

namespace crescendar::front {

enum TCliText : std::size_t {
    kDateLine,
    kVisible,
    kAge,
    kDistance,
    kRightAscension,
    kDeclination,
    kParallax,
    kDiameter,
    kApogee,
    kPerigee,
    kMoonAzimuth,
    kMoonAngles,
    kSunAzimuth,
    kSunPosition,
    kTimeZone,
    kHours,
    kWriteFailed,
    kNotStarted,
    kFullNotStarted,
    kCliTextCount
};

// In the order of TCliText.
inline constexpr const char* kCliSources[kCliTextCount] = {
    QT_TRANSLATE_NOOP("Cli", "%1 - %2    LST: %3"),
    QT_TRANSLATE_NOOP("Cli", "Visible:   %1%"),
    QT_TRANSLATE_NOOP("Cli", "Age:       %1 %2 %3"),
    QT_TRANSLATE_NOOP("Cli", "Distance:  %1 km"),
    QT_TRANSLATE_NOOP("Cli", "R.A.:      %1"),
    QT_TRANSLATE_NOOP("Cli", "Dec.:      %1"),
    QT_TRANSLATE_NOOP("Cli", "Parallax:  %1"),
    QT_TRANSLATE_NOOP("Cli", "Diameter:  %1"),
    QT_TRANSLATE_NOOP("Cli", "Apogee:    %1%2"),
    QT_TRANSLATE_NOOP("Cli", "Perigee:   %1%2"),
    QT_TRANSLATE_NOOP("Cli", "Moon  Az.: %1   Alt.: %2"),
    QT_TRANSLATE_NOOP("Cli", "      P.A.: %1  Ph.A: %2"),
    QT_TRANSLATE_NOOP("Cli", "Sun   Az.: %1   Alt.: %2"),
    QT_TRANSLATE_NOOP("Cli", "      R.A.: %1  Dec.: %2"),
    QT_TRANSLATE_NOOP("Cli", "Time zone: %1"),
    QT_TRANSLATE_NOOP("Cli", "%1h %2m %3s"),
    QT_TRANSLATE_NOOP("Cli", "the answer could not be written to standard output: %1"),
    QT_TRANSLATE_NOOP("Cli", "the program %1, which answers this command line, could not be "
                             "started: %2"),
    QT_TRANSLATE_NOOP("Cli", "the places and ics commands and --place need the program %1, which "
                             "could not be started: %2"),
};

} // namespace crescendar::front
