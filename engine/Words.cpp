#include "Words.h"

#include "Calendar.h"

namespace crescendar {

const TWords& EnglishWords() {
    static const TWords words = {
        "New Moon",
        "First Quarter",
        "Full Moon",
        "Blue Moon",
        "Last Quarter",
        "Waxing Crescent",
        "Waxing Gibbous",
        "Waning Gibbous",
        "Waning Crescent",
        "Full (Blue) Moon",
        "Full (%1) Moon",
        "Wolf",
        "Snow",
        "Worm",
        "Pink",
        "Flower",
        "Strawberry",
        "Buck",
        "Sturgeon",
        "Harvest",
        "Hunter's",
        "Beaver",
        "Cold",
        "Penumbral Lunar Eclipse",
        "Partial Lunar Eclipse",
        "Total Lunar Eclipse",
        "Penumbral Eclipse",
        "Partial Eclipse",
        "Total Eclipse",
        "Penumbral",
        "Partial",
        "Total",
        "Visible",
        "Partially Visible",
        "Not Visible",
        "Partial Solar Eclipse",
        "Annular Solar Eclipse",
        "Total Solar Eclipse",
        "Hybrid Solar Eclipse",
        "Annular",
        "Hybrid",
        "March Equinox",
        "June Solstice",
        "September Equinox",
        "December Solstice",
        "Perigee",
        "Apogee",
        "None",
        "%1 days",
        "Skipped: the clocks passed over this date",
        "d",
        "h",
        "m",
        "%1 min %2 s",
        "%1%",
    };
    return words;
}

const std::string& Word(TWord word) {
    return RegionalNames().Words[static_cast<std::size_t>(word)];
}

std::string Phrase(TWord phrase, std::initializer_list<std::string> args) {
    const std::string& pattern = Word(phrase);
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace crescendar
