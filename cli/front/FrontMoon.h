// The moon command of crescendar-cli without Qt: the command lines it reads exactly as the Qt
// program does, and its answer, byte for byte the Qt program's. Anything else is the Qt
// program's to answer (nullopt).
#pragma once

#include "FrontLanguage.h"
#include "Records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace crescendar::front {

// What a moon command line asks for.
struct TMoonRequest {
    bool Json = false;
    std::vector<std::string> Date;                        // none, or "YYYY-MM-DD" and "HH:MM[:SS]"
    std::optional<double> Latitude, Longitude, ZoneHours; // degrees east, hours
    bool Dst = false, NoDst = false;
    std::optional<std::string> Zone; // --tz
};

// The request of a command line (the words after the program's name); nullopt when it is not
// a moon command this program reads as the Qt program does (other commands, options and
// forms, and the mistakes the Qt program reports).
std::optional<TMoonRequest> ParseMoonCommand(const std::vector<std::string>& words);

// The answer to a request for the observer of the saved settings, at nowMs (milliseconds
// since 1970, universal time) when it names no instant, in a language (the JSON's words stay
// English); nullopt when the Qt program would refuse it (a zone it cannot find here, a date the
// clocks skipped).
std::optional<std::string> MoonAnswer(const TMoonRequest& request, const Observer& saved,
                                      std::int64_t nowMs, const TFrontLanguage& language);

// A text with %1, %2 ... replaced in one pass, as QString::arg with several arguments does.
std::string Filled(const char* pattern, const std::string& first, const std::string& second = {});

} // namespace crescendar::front
