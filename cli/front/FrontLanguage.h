// The languages the front speaks: for each, the texts it writes, the engine's words and the
// month and day names, as the Qt program has them in that language (written by the build from
// the translations and Qt's locales: FrontWordsTool.cpp).
#pragma once

#include "Calendar.h"
#include "FrontTexts.h"

#include <functional>

namespace crescendar::front {

struct TFrontLanguage {
    const char* Locale; // "C" (English), "de_DE", ...
    const char* Texts[kCliTextCount];
    const char* LongMonths[12];
    const char* ShortMonths[12];
    const char* LongDays[7]; // Sunday first
    const char* ShortDays[7];
    const char* DateSeparator;
    const char* DecimalSeparator;
    const char* Words[kWordCount];
};

// The table the build writes, English first.
extern const TFrontLanguage kFrontLanguages[];
extern const std::size_t kFrontLanguageCount;

// The language the Qt program speaks in the environment's locale, when it is one of the table
// and every locale variable names it alike (unset, C, POSIX or en_US for English; "de_DE",
// "de_DE.UTF-8" for German; LANGUAGE, when set, only that language); null otherwise. LC_CTYPE,
// which Qt's locale does not read, may differ (Python sets it to C.UTF-8 for its children).
const TFrontLanguage* LanguageOf(const std::function<const char*(const char*)>& getenv);

// The month and day names, separators and words of a language, for the engine.
TRegionalNames RegionalNamesOf(const TFrontLanguage& language);

} // namespace crescendar::front
