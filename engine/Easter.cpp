// Easter Sunday in the integer forms of Meeus, Astronomical Algorithms, chapter 8: the Julian
// computus for the years of the Julian calendar (up to 1582), the Gregorian one after. Every
// quantity stays non-negative for years 0..65535.
#include "Easter.h"
#include "Calendar.h"

#include <cstdint>

namespace crescendar {

namespace {

// The last year whose Easter falls in the Julian calendar: the reform took effect in
// October 1582.
constexpr std::uint32_t kLastJulianEasterYear = 1582;

// n = 31 x month + day - 1 of Easter Sunday by the Julian computus.
std::uint32_t JulianEaster(std::uint32_t x) {
    const std::uint32_t a = x % 4;
    const std::uint32_t b = x % 7;
    const std::uint32_t c = x % 19;
    const std::uint32_t d = (19 * c + 15) % 30;
    const std::uint32_t e = (2 * a + 4 * b + 34 - d) % 7;
    return d + e + 114;
}

// The same by the Gregorian computus.
std::uint32_t GregorianEaster(std::uint32_t x) {
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
    return h + l - 7 * m + 114;
}

} // namespace

TDateTimeRecord EasterSunday(std::uint16_t year) {
    const std::uint32_t n =
        year <= kLastJulianEasterYear ? JulianEaster(year) : GregorianEaster(year);
    return MakeDate(year, static_cast<int>(n / 31), static_cast<int>(n % 31 + 1));
}

std::string Sunday(std::uint16_t year) {
    const TDateTimeRecord easter = EasterSunday(year);
    return CutText(std::to_string(easter.Day) + " " + LongMonthName(easter.Month) + " " +
                       std::to_string(year),
                   60);
}

} // namespace crescendar
