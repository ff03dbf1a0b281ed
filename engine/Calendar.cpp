#include "Calendar.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <utility>

namespace crescendar {

namespace {

TRegionalNames& MutableRegionalNames() {
    static TRegionalNames names = EnglishRegionalNames();
    return names;
}

constexpr std::uint8_t kDaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr long double kPi = 3.1415926535897932385L;

// 5-14 October 1582: the days that the calendar reform dropped.
bool InReformGap(int year, int month, int day) {
    return year == 1582 && month == 10 && day > 4 && day < 15;
}

// Truncation toward zero to a 64-bit integer.
inline std::int64_t Trunc(long double x) {
    return static_cast<std::int64_t>(x);
}

} // namespace

TRegionalNames EnglishRegionalNames() {
    TRegionalNames n;
    n.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    for (std::size_t m = 0; m < 12; ++m) n.ShortMonthNames[m] = n.LongMonthNames[m].substr(0, 3);
    n.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    n.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    n.DateSeparator = "/";
    n.DecimalSeparator = ".";
    return n;
}

const TRegionalNames& RegionalNames() {
    return MutableRegionalNames();
}

void SetRegionalNames(const TRegionalNames& names) {
    MutableRegionalNames() = names;
}

namespace {

const std::string& MonthName(const std::array<std::string, 12>& names, int month) {
    static const std::string empty;
    if (month < 1 || month > 12) return empty;
    return names[static_cast<std::size_t>(month - 1)];
}

} // namespace

const std::string& LongMonthName(int month) {
    return MonthName(RegionalNames().LongMonthNames, month);
}

const std::string& ShortMonthName(int month) {
    return MonthName(RegionalNames().ShortMonthNames, month);
}

std::size_t TextLength(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string CutText(const std::string& s, std::size_t n) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (chars == n) return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

std::string SubText(const std::string& s, std::size_t from, std::size_t to) {
    if (from < 1 || to < from) return {};
    const std::string rest = s.substr(CutText(s, from - 1).size());
    return to == std::string::npos ? rest : CutText(rest, to - from + 1);
}

namespace {

// The letter (in lower case) at i of a date pattern and how many times it stands there in a
// row, without regard to case.
std::pair<char, std::size_t> PatternRun(const std::string& pattern, std::size_t i) {
    const auto lower = [&](std::size_t k) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[k])));
    };
    const char c = lower(i);
    std::size_t run = 1;
    while (i + run < pattern.size() && lower(i + run) == c) ++run;
    return {c, run};
}

} // namespace

std::string FormatDate(const std::string& pattern, const TDateTimeRecord& d) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const auto [c, run] = PatternRun(pattern, i);
        if (c == 'd' || c == 'm') {
            const int v = c == 'd' ? d.Day : d.Month;
            out += run >= 2 ? TwoDigits(v) : std::to_string(v);
        } else if (c == 'y') {
            std::string y = std::to_string(d.Year);
            if (run <= 2)
                y = TwoDigits(d.Year % 100);
            else if (y.size() < 4)
                y.insert(0, 4 - y.size(), '0');
            out += y;
        } else if (c == '/') {
            for (std::size_t k = 0; k < run; ++k) out += RegionalNames().DateSeparator;
        } else {
            out.append(pattern, i, run);
        }
        i += run;
    }
    return out;
}

bool IsDatePattern(const std::string& pattern) {
    bool day = false, month = false, year = false;
    for (std::size_t i = 0; i < pattern.size();) {
        const auto [c, run] = PatternRun(pattern, i);
        day = day || (c == 'd' && run <= 2);
        month = month || (c == 'm' && run <= 2);
        year = year || (c == 'y' && run >= 2 && run <= 4);
        i += run;
    }
    return day && month && year;
}

std::string TwoDigits(long long n) {
    if (n >= 0 && n < 100) {
        const char digits[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
        return std::string(digits, 2);
    }
    return std::to_string(n);
}

bool IsJulianCalendarDate(int year, int month, int day) {
    if (year < 1582) return true;
    if (year == 1582 && month < 10) return true;
    return year == 1582 && month == 10 && day < 15;
}

double DateToJulianDay(TDateTimeRecord d) {
    const long double f =
        static_cast<double>(d.Day + d.Hour / 24.0L + d.Minute / 1440.0L + d.Second / 86400.0L);
    std::int64_t y = d.Year;
    std::int64_t m = d.Month;
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    std::int64_t b = 0;
    if (!IsJulianCalendarDate(d.Year, d.Month, d.Day)) {
        const std::int64_t a = Trunc(y / 100.0L);
        b = 2 - a + Trunc(a / 4.0L);
    }
    const std::int64_t whole = Trunc(365.25L * (y + 4716)) + Trunc(30.6001L * (m + 1));
    return static_cast<double>(whole + f + b - 1524.5L);
}

namespace {

// Calendar date of the day number z (JD + 0.5 truncated).
void DayNumberToDate(std::int64_t z, TDateTimeRecord& r) {
    std::int64_t a = z;
    if (z >= 2299161) {
        const std::int64_t alpha = Trunc((z - 1867216.25L) / 36524.25L);
        a = z + 1 + alpha - alpha / 4;
    }
    const std::int64_t b = a + 1524;
    const std::int64_t k = Trunc((b - 122.1L) / 365.25L);
    const std::int64_t dd = Trunc(365.25L * k);
    const std::int64_t e = Trunc((b - dd) / 30.6001L);
    r.Day = static_cast<std::uint16_t>(b - dd - Trunc(30.6001L * e));
    r.Month = static_cast<std::uint16_t>(e < 14 ? e - 1 : e - 13);
    r.Year = static_cast<std::uint16_t>(r.Month > 2 ? k - 4716 : k - 4715);
}

} // namespace

TDateTimeRecord JulianDayToDate(double jd) {
    TDateTimeRecord r;
    if (!std::isfinite(jd)) jd = 0.0;
    const long double z1 = jd + 0.5L;
    const std::int64_t z = Trunc(z1);
    long double f = z1 - z;

    f *= 24;
    int hour = static_cast<int>(f);
    f = (f - hour) * 60;
    int minute = static_cast<int>(f);
    int second = static_cast<int>(std::nearbyint((f - minute) * 60));
    // A second that rounds up to 60 is carried through the minutes and hours into the date.
    std::int64_t day = z;
    if (second >= 60) {
        second -= 60;
        if (++minute == 60) {
            minute = 0;
            if (++hour == 24) {
                hour = 0;
                ++day;
            }
        }
    }
    DayNumberToDate(day, r);
    r.Hour = static_cast<std::uint16_t>(hour);
    r.Minute = static_cast<std::uint16_t>(minute);
    r.Second = static_cast<std::uint16_t>(second);
    r.MSec = 0;
    r.JD = jd;
    return r;
}

double DegToRad(double x) {
    return static_cast<double>(x * kPi / 180.0L);
}

double RadToDeg(double x) {
    return x * 57.295779513082320877;
}

double WestLongitudeRadians(double eastDegrees) {
    return -DegToRad(eastDegrees);
}

double EastLongitudeDegrees(const Observer& observer) {
    return -RadToDeg(observer.Longitude);
}

double NormaliseDegrees(double x) {
    if (!std::isfinite(x)) return 0.0;
    // The whole turns are those of the extended-precision quotient. Where the quotient in
    // double is more than 1e-9 from a whole number (and below a million turns, so that its
    // rounding error is smaller than that) both truncate alike, and the costly extended
    // division is skipped; that is nearly always.
    const double q = x / 360.0;
    const double whole = std::trunc(q);
    const double part = std::fabs(q - whole);
    const std::int64_t n = std::fabs(q) < 1e6 && part > 1e-9 && part < 1.0 - 1e-9
                               ? static_cast<std::int64_t>(whole)
                               : Trunc(x / 360.0L);
    const double r = x - static_cast<double>(360 * n);
    // Adding 0.0 turns a negative zero into zero.
    return (x >= 0 ? r : r + 360.0) + 0.0;
}

TAngleText DegreesToDMS(double x) {
    TAngleText t;
    if (!std::isfinite(x)) x = 0.0;
    if (x >= 0) {
        t.Sign = " ";
    } else {
        t.Sign = kMinusSign;
        x = -x;
    }
    std::int64_t d = static_cast<std::int64_t>(x);
    x = (x - static_cast<double>(d)) * 60;
    std::int64_t m = static_cast<std::int64_t>(x);
    x = (x - static_cast<double>(m)) * 60;
    std::int64_t s = static_cast<std::int64_t>(x + 1);
    // The seconds are rounded up; a 60th second is carried into the minutes and degrees.
    if (s >= 60) {
        s = 0;
        if (++m >= 60) {
            m = 0;
            ++d;
        }
    }
    t.Deg = CutText(TwoDigits(d), 3);
    t.Min = TwoDigits(m);
    t.Sec = TwoDigits(s);
    return t;
}

double OneTurn(double deg) {
    const double d = NormaliseDegrees(deg);
    return d >= 360.0 ? 0.0 : d;
}

TAngleText HoursText(double hours) {
    TAngleText t = DegreesToDMS(hours);
    if (t.Deg == "24") t.Deg = "00";
    return t;
}

std::string DateTimeToText(TDateTimeRecord d) {
    std::string s = TwoDigits(d.Hour) + ":" + TwoDigits(d.Minute) + ":" + TwoDigits(d.Second) +
                    "  " + TwoDigits(d.Day) + " " + LongMonthName(d.Month) + " " +
                    std::to_string(d.Year);
    return CutText(s, 60);
}

double JulianDayOfYearStart(std::uint16_t year) {
    return DateToJulianDay(MakeDate(year, 1, 1));
}

std::uint8_t DaysInMonth(std::uint16_t month, std::uint16_t year) {
    if (month < 1 || month > 12) return 0;
    std::uint8_t n = kDaysPerMonth[month - 1];
    // Up to 1582 the Julian calendar holds: every fourth year is a leap year.
    const bool leap =
        year <= 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && leap) ++n;
    return n;
}

bool IsCalendarDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    if (day > DaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year)))
        return false;
    return !InReformGap(year, month, day);
}

std::vector<std::uint16_t> MonthDays(std::uint16_t month, std::uint16_t year) {
    std::vector<std::uint16_t> days;
    const int last = DaysInMonth(month, year);
    days.reserve(static_cast<std::size_t>(last));
    for (int d = 1; d <= last; ++d)
        if (!InReformGap(year, month, d)) days.push_back(static_cast<std::uint16_t>(d));
    return days;
}

std::uint16_t CalendarDay(std::uint16_t month, std::uint16_t year, std::uint16_t day) {
    const std::uint16_t last = DaysInMonth(month, year);
    if (day > last) day = last;
    if (day < 1) day = 1;
    if (InReformGap(year, month, day)) day = 15;
    return day;
}

int DayOfWeekOfJulianDay(double jd) {
    if (!std::isfinite(jd)) return 0;
    // JD 0.5 to 1.5 (2 January 4713 BC, Julian) is a Tuesday.
    const std::int64_t n = static_cast<std::int64_t>(std::floor(jd + 1.5));
    return static_cast<int>(((n % 7) + 7) % 7);
}

int DayOfWeek(int year, int month, int day) {
    return DayOfWeekOfJulianDay(DateToJulianDay(MakeDate(year, month, day)));
}

double DeltaT(std::uint16_t year) {
    const std::int64_t t = static_cast<std::int64_t>(year) - 1810;
    return static_cast<double>(0.00225L * (t * t) - 15);
}

TDateTimeRecord MakeDate(int year, int month, int day, int hour, int minute, int second) {
    TDateTimeRecord d;
    d.Year = static_cast<std::uint16_t>(year);
    d.Month = static_cast<std::uint16_t>(month);
    d.Day = static_cast<std::uint16_t>(day);
    d.Hour = static_cast<std::uint16_t>(hour);
    d.Minute = static_cast<std::uint16_t>(minute);
    d.Second = static_cast<std::uint16_t>(second);
    d.JD = DateToJulianDay(d);
    return d;
}

std::optional<TDateTimeRecord> MonthsFrom(const TDateTimeRecord& d, int months) {
    const int index = d.Year * 12 + (d.Month - 1) + months;
    const int year = index / 12;
    if (index < 0 || year < 1 || year > 9999) return std::nullopt;
    TDateTimeRecord r = d;
    r.Month = static_cast<std::uint16_t>(index % 12 + 1);
    r.Year = static_cast<std::uint16_t>(year);
    r.Day = CalendarDay(r.Month, r.Year, r.Day);
    r.JD = DateToJulianDay(r);
    return r;
}

} // namespace crescendar
