#include "FrontLanguage.h"

#include <string>

namespace crescendar::front {

namespace {

// A locale name without its UTF-8 code set; C for the POSIX names.
std::string Plain(std::string name) {
    for (const char* suffix : {".UTF-8", ".utf8"})
        if (name.size() > std::string(suffix).size() &&
            name.compare(name.size() - std::string(suffix).size(), std::string::npos, suffix) == 0)
            name.resize(name.size() - std::string(suffix).size());
    return name == "POSIX" ? "C" : name;
}

} // namespace

const TFrontLanguage* LanguageOf(const std::function<const char*(const char*)>& getenv) {
    static const char* const kVariables[] = {"LC_ALL",     "LC_MESSAGES", "LC_TIME",
                                             "LC_NUMERIC", "LC_MONETARY", "LC_MEASUREMENT",
                                             "LC_COLLATE", "LANG"};
    std::string locale;
    for (const char* variable : kVariables) {
        const char* value = getenv(variable);
        if (!value || !*value) continue;
        std::string name = Plain(value);
        if (name == "en_US") name = "C"; // English as the C locale gives it
        if (!locale.empty() && name != locale) return nullptr;
        locale = name;
    }
    if (locale.empty()) locale = "C";
    const TFrontLanguage* found = nullptr;
    for (std::size_t i = 0; i < kFrontLanguageCount; ++i)
        if (locale == kFrontLanguages[i].Locale) found = &kFrontLanguages[i];
    if (!found) return nullptr;
    // The languages of the user's interface, first the preferred: each must be this one.
    const std::string language = locale == "C" ? "en" : locale.substr(0, 2);
    const char* languages = getenv("LANGUAGE");
    if (languages && *languages) {
        const std::string list = std::string(languages) + ":";
        for (std::size_t at = 0, end; (end = list.find(':', at)) != std::string::npos;
             at = end + 1) {
            const std::string one = Plain(list.substr(at, end - at));
            if (one != language && one != (locale == "C" ? "en_US" : locale)) return nullptr;
        }
    }
    return found;
}

TRegionalNames RegionalNamesOf(const TFrontLanguage& language) {
    TRegionalNames names;
    for (std::size_t m = 0; m < 12; ++m) {
        names.LongMonthNames[m] = language.LongMonths[m];
        names.ShortMonthNames[m] = language.ShortMonths[m];
    }
    for (std::size_t d = 0; d < 7; ++d) {
        names.LongDayNames[d] = language.LongDays[d];
        names.ShortDayNames[d] = language.ShortDays[d];
    }
    names.DateSeparator = language.DateSeparator;
    names.DecimalSeparator = language.DecimalSeparator;
    for (std::size_t w = 0; w < kWordCount; ++w) names.Words[w] = language.Words[w];
    return names;
}

} // namespace crescendar::front
