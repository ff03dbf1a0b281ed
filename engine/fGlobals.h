// Calendar, time and angle helpers used by every part of the program.
#pragma once

#include "Records.h"

#include <array>
#include <cstdint>
#include <string>

namespace crescendar {

// The month and day names and separators of the user's region. English by default;
// the program replaces them once at start-up from the system locale.
struct TRegionalNames {
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> LongDayNames;  // Sunday first
    std::array<std::string, 7> ShortDayNames; // Sunday first
    std::string DateSeparator = "/";
    std::string DecimalSeparator = ".";
};

TRegionalNames EnglishRegionalNames();
const TRegionalNames& RegionalNames();
void SetRegionalNames(const TRegionalNames& names);

// Long month name of month 1..12 (empty outside that range).
const std::string& LongMonthName(int month);

// The en dash that marks a negative angle text.
inline constexpr const char* kMinusSign = "\xE2\x80\x93";

// Cuts a UTF-8 text to at most n characters.
std::string CutText(const std::string& s, std::size_t n);
// Characters from..to (1-based, inclusive) of a UTF-8 text; to defaults to the end.
std::string SubText(const std::string& s, std::size_t from, std::size_t to = std::string::npos);
// A date written with a pattern whose letters are read without regard to case: "dd" two-digit
// day, "mm" two-digit month, "yyyy" four-digit year ("d", "m", "yy" the short forms); "/"
// stands for the regional date separator; other characters are copied.
std::string FormatDate(const std::string& pattern, const TDateTimeRecord& d);
// Number of characters (code points) of a UTF-8 text.
std::size_t TextLength(const std::string& s);

// Two-digit (at least) decimal text of a non-negative number.
std::string TwoDigits(long long n);

double DateToJulianDay(TDateTimeRecord d);
TDateTimeRecord JulianDayToDate(double jd);
bool IsJulianCalendarDate(int year, int month, int day);
double DegToRad(double x);
double RadToDeg(double x);
double NormaliseDegrees(double x);
TAngleText DegreesToDMS(double x);
// An angle reduced to [0, 360): like NormaliseDegrees, but never exactly 360.
double OneTurn(double deg);
// Hours of a clock-like quantity in [0, 24) as texts; a time rounded up to the 24th hour
// reads 00.
TAngleText HoursText(double hours);
std::string DateTimeToText(TDateTimeRecord d);
double JulianDayOfYearStart(std::uint16_t year);
std::uint8_t DaysInMonth(std::uint16_t month, std::uint16_t year);
double DeltaT(std::uint16_t year);

struct TColour {
    std::uint8_t Red, Green, Blue;
};
constexpr TColour StandardTextColour() {
    return {255, 255, 176};
}

// A date record for a day at midnight, with JD filled.
TDateTimeRecord MakeDate(int year, int month, int day, int hour = 0, int minute = 0,
                         int second = 0);

} // namespace crescendar
