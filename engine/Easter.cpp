// Easter Sunday by the Gregorian computus in the integer form of Meeus, Astronomical
// Algorithms, chapter 8. Every quantity stays non-negative for years 0..65535.
#include "fEaster.h"
#include "fGlobals.h"

#include <cstdint>

namespace crescendar {

TDateTimeRecord EasterSunday(std::uint16_t year) {
    const std::uint32_t x = year;
    const std::uint32_t a = x % 19;
    const std::uint32_t b = x / 100;
    const std::uint32_t c = x % 100;
    const std::uint32_t d = b / 4;
    const std::uint32_t e = b % 4;
    const std::uint32_t f = (b + 8) / 25;
    const std::uint32_t g = (b - f + 1) / 3;
    const std::uint32_t h = (19 * a + b - d - g + 15) % 30;
    const std::uint32_t i = c / 4;
    const std::uint32_t k = c % 4;
    const std::uint32_t l = (32 + 2 * e + 2 * i - h - k) % 7;
    const std::uint32_t m = (a + 11 * h + 22 * l) / 451;
    const std::uint32_t n = h + l - 7 * m + 114;
    return MakeDate(year, static_cast<int>(n / 31), static_cast<int>(n % 31 + 1));
}

std::string Sunday(std::uint16_t year) {
    const TDateTimeRecord easter = EasterSunday(year);
    return CutText(std::to_string(easter.Day) + " " + LongMonthName(easter.Month) + " " +
                       std::to_string(year),
                   60);
}

} // namespace crescendar
