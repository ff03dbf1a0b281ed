// Calendar, time and angle helpers used by every part of the program.
#pragma once

#include "Records.h"
#include "Words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace crescendar {

// The month and day names and separators of the user's region, and the words of the engine's
// texts. English by default; the program replaces them once at start-up with those of the
// language in force.
struct TRegionalNames {
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 12> ShortMonthNames; // "Jan"; "janv.", "juin", "juil." in French
    std::array<std::string, 7> LongDayNames;  // Sunday first
    std::array<std::string, 7> ShortDayNames; // Sunday first
    std::string DateSeparator = "/";
    std::string DecimalSeparator = ".";
    TWords Words = EnglishWords();
};

TRegionalNames EnglishRegionalNames();
const TRegionalNames& RegionalNames();
void SetRegionalNames(const TRegionalNames& names);

// Long month name of month 1..12 (empty outside that range).
const std::string& LongMonthName(int month);
// Short month name of month 1..12 (empty outside that range).
const std::string& ShortMonthName(int month);

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
// True when a date pattern holds a day ("d" or "dd"), a month ("m" or "mm") and a year
// ("yy" to "yyyy") field, letters read without regard to case.
bool IsDatePattern(const std::string& pattern);
// Number of characters (code points) of a UTF-8 text.
std::size_t TextLength(const std::string& s);

// Two-digit (at least) decimal text of a non-negative number.
std::string TwoDigits(long long n);

// The Julian Day of a calendar date and time of day (Meeus, Astronomical Algorithms,
// chapter 7): dates before 15 October 1582 are read in the Julian calendar, later ones in the
// Gregorian. The scale is the record's own (a local date gives a local-time Julian Day);
// milliseconds are not counted. Years 1..9999.
double DateToJulianDay(TDateTimeRecord d);
// The calendar date and time of a Julian Day (Julian calendar before JD 2299160.5), with the
// seconds rounded to whole ones (a 60th second carries into the minute, hour and date) and JD
// set to jd (0 for a value that is not finite).
TDateTimeRecord JulianDayToDate(double jd);
// True for dates before 15 October 1582, which the program reads in the Julian calendar.
bool IsJulianCalendarDate(int year, int month, int day);
// Degrees to radians and back.
double DegToRad(double x);
double RadToDeg(double x);

// The observer keeps its longitude in radians, west positive (the astronomical formulas'
// sign); the gazetteer, the command line and the files give degrees east positive. The one
// conversion each way:
double WestLongitudeRadians(double eastDegrees);
double EastLongitudeDegrees(const Observer& observer);
// An angle in degrees reduced to [0, 360] (a negative whole number of turns gives 360; 0
// for a value that is not finite), in one step.
double NormaliseDegrees(double x);
// An angle in degrees (any sign; 0 when not finite) as sign, degrees, minutes and seconds
// texts, the seconds rounded up (a 60th second carries into the minutes and degrees).
TAngleText DegreesToDMS(double x);
// An angle reduced to [0, 360): like NormaliseDegrees, but never exactly 360.
double OneTurn(double deg);
// Hours of a clock-like quantity in [0, 24) as texts; a time rounded up to the 24th hour
// reads 00.
TAngleText HoursText(double hours);
// "hh:mm:ss  dd Month yyyy" with the regional month name.
std::string DateTimeToText(TDateTimeRecord d);
// The Julian Day of 1 January 0h of a year, on the program's calendar.
double JulianDayOfYearStart(std::uint16_t year);
// Number of the month's last day: February has 29 in every fourth year up to 1582 (the
// Julian rule) and in the Gregorian leap years after. October 1582 ends on the 31st although
// it has only 21 days; see MonthDays.
std::uint8_t DaysInMonth(std::uint16_t month, std::uint16_t year);
// True when year (1..9999), month and day name a day of the program's calendar. The ten days
// 5-14 October 1582, dropped by the calendar reform, are no dates.
bool IsCalendarDate(int year, int month, int day);
// The day numbers of the month in order: 1..DaysInMonth, without 5-14 October 1582 (so that
// October 1582 has 21 days). Empty for a month outside 1..12.
std::vector<std::uint16_t> MonthDays(std::uint16_t month, std::uint16_t year);
// A day brought into the month: a day past the month's end becomes its last day, a day of
// the 1582 gap becomes 15 October, a day below 1 becomes 1.
std::uint16_t CalendarDay(std::uint16_t month, std::uint16_t year, std::uint16_t day);
// The date `months` calendar months after d (before, when negative): its day kept, or the
// month's last day, its time of day kept, its JD set. Nothing outside the years 1 to 9999.
std::optional<TDateTimeRecord> MonthsFrom(const TDateTimeRecord& d, int months);
// Day of the week of a date of the program's calendar (Julian before the reform), 0 Sunday to
// 6 Saturday.
int DayOfWeek(int year, int month, int day);
// Day of the week of the calendar day that contains a Julian Day (any time scale; the day
// starts at JD .5), 0 Sunday to 6 Saturday.
int DayOfWeekOfJulianDay(double jd);
// Delta T = dynamical time - universal time, in seconds, for a year: the long-term parabola
// 0.00225 (year - 1810)^2 - 15 s (-15 s in 1810, 66.2 s in 2000). A smooth estimate of the
// Earth's slowing rotation: within about half a minute of the measured values from 1600 to
// today, and an extrapolation of growing uncertainty before and after (it gives about 2 hours
// for year 1 and 42 hours for year 9999). Valid input: years 1 to 9999, computed in 64 bits
// so that it never overflows. The eclipses, equinoxes and solstices subtract it from their
// dynamical instants; the daily rise and set use it in their interpolation; the Moon's position,
// the phases and the apsides do not use it (their series are evaluated at universal time as given).
double DeltaT(std::uint16_t year);

// A date record for a day at midnight, with JD filled.
TDateTimeRecord MakeDate(int year, int month, int day, int hour = 0, int minute = 0,
                         int second = 0);

} // namespace crescendar
