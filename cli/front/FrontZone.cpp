#include "FrontZone.h"

#include "FrontBase.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace crescendar::front {

namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, as Qt's dates count.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int DaysInMonth(std::int64_t y, int m) {
    return static_cast<int>(DaysFromCivil(m == 12 ? y + 1 : y, m == 12 ? 1 : m + 1, 1) -
                            DaysFromCivil(y, m, 1));
}

// The day (days since 1970) of a rule's "Mm.w.d" in a year: weekday d of week w of month m,
// week 5 the month's last.
std::int64_t RuleDay(const TFileZone::TRuleDay& r, std::int64_t year) {
    const std::int64_t first = DaysFromCivil(year, r.Month, 1);
    const int firstWeekday = static_cast<int>(((first + 4) % 7 + 7) % 7); // 1970-01-01: Thursday
    int day = 1 + (r.Day - firstWeekday + 7) % 7 + (r.Week - 1) * 7;
    while (day > DaysInMonth(year, r.Month)) day -= 7;
    return first + day - 1;
}

// ----- reading a POSIX TZ text -------------------------------------------------------------

struct TReader {
    std::string_view text;
    std::size_t at = 0;
    bool End() const { return at >= text.size(); }
    char Peek() const { return End() ? '\0' : text[at]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++at;
        return true;
    }
    // A whole number of at most `most` digits.
    bool Number(int* value, int most) {
        int digits = 0, v = 0;
        while (!End() && std::isdigit(static_cast<unsigned char>(Peek())) && digits < most) {
            v = v * 10 + (Peek() - '0');
            ++at;
            ++digits;
        }
        *value = v;
        return digits > 0;
    }
    // A zone abbreviation: three letters or more, or <...> of letters, digits, + and -.
    bool Name() {
        std::size_t n = 0;
        if (Take('<')) {
            while (!End() && Peek() != '>') {
                const char c = Peek();
                if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-')
                    return false;
                ++at;
                ++n;
            }
            return Take('>') && n >= 3;
        }
        while (!End() && std::isalpha(static_cast<unsigned char>(Peek()))) {
            ++at;
            ++n;
        }
        return n >= 3;
    }
    // hh[:mm[:ss]] as seconds, hours 0..24 (the forms Qt and the database both read alike).
    bool Clock(int* seconds) {
        int h = 0, m = 0, s = 0;
        if (!Number(&h, 2) || h > 24) return false;
        if (Take(':') && (!Number(&m, 2) || m > 59)) return false;
        if (Take(':') && (!Number(&s, 2) || s > 59)) return false;
        *seconds = h * 3600 + m * 60 + s;
        return true;
    }
    // An offset as written (west positive) into seconds east.
    bool Offset(int* east) {
        const bool minus = Take('-');
        if (!minus) Take('+');
        int s = 0;
        if (!Clock(&s)) return false;
        *east = minus ? s : -s;
        return true;
    }
    bool Day(TFileZone::TRuleDay* r) {
        if (!Take(',') || !Take('M')) return false; // only the month form
        if (!Number(&r->Month, 2) || r->Month < 1 || r->Month > 12) return false;
        if (!Take('.') || !Number(&r->Week, 1) || r->Week < 1 || r->Week > 5) return false;
        if (!Take('.') || !Number(&r->Day, 1) || r->Day > 6) return false;
        r->Time = 7200;
        if (Take('/') && (Peek() == '-' || !Clock(&r->Time))) return false;
        return true;
    }
};

std::uint32_t Be32(const unsigned char* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}
std::int64_t Be64(const unsigned char* p) {
    return static_cast<std::int64_t>((std::uint64_t(Be32(p)) << 32) | Be32(p + 4));
}

// A name of the tz database's form: letters, digits and "_+-" in parts separated by "/", none
// of them empty, "." or "..", so that it can name no file outside the database.
bool IsZoneName(const std::string& name) {
    if (name.empty() || name.size() > 64) return false;
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/') {
            const std::string_view part(name.data() + partStart, i - partStart);
            if (part.empty() || part == "." || part == "..") return false;
            partStart = i + 1;
            continue;
        }
        const auto c = static_cast<unsigned char>(name[i]);
        if (!(std::isalnum(c) || c == '_' || c == '+' || c == '-')) return false;
    }
    return true;
}

} // namespace

bool ParsePosixRule(std::string_view text, TFileZone::TPosixRule* rule) {
    TReader r{text};
    TFileZone::TPosixRule out;
    if (!r.Name() || !r.Offset(&out.Standard)) return false;
    if (!r.End()) {
        if (!r.Name()) return false;
        out.HasDaylight = true;
        out.Daylight = out.Standard + 3600;
        if (r.Peek() != ',' && !r.Offset(&out.Daylight)) return false;
        if (!r.Day(&out.Start) || !r.Day(&out.End)) return false;
    }
    if (!r.End()) return false;
    *rule = out;
    return true;
}

std::unique_ptr<TFileZone> ParseZone(std::string_view name, std::string_view data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    const std::size_t size = data.size();
    const auto counts = [&](std::size_t at, std::uint32_t c[6]) {
        if (at + 44 > size || data.substr(at, 4) != "TZif") return false;
        for (int i = 0; i < 6; ++i) c[i] = Be32(bytes + at + 20 + 4 * i);
        return true;
    };
    std::uint32_t c[6]; // isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt
    if (!counts(0, c) || data[4] < '2' || data[4] > '4') return nullptr;
    const std::size_t v1 = 44 + std::size_t(c[3]) * 5 + std::size_t(c[4]) * 6 + c[5] +
                           std::size_t(c[2]) * 8 + c[1] + c[0];
    if (!counts(v1, c)) return nullptr;
    const std::uint32_t leaps = c[2], times = c[3], types = c[4];
    // Leap seconds ("right/" zones) are counted otherwise by Qt: such files are left to it.
    if (leaps != 0 || types == 0 || types > 256 || times > 100000) return nullptr;
    const std::size_t at = v1 + 44;
    const std::size_t typesAt = at + std::size_t(times) * 9;
    const std::size_t end = typesAt + std::size_t(types) * 6 + c[5] + c[1] + c[0];
    if (end > size) return nullptr;

    auto zone = std::make_unique<TFileZone>();
    zone->name_ = std::string(name);
    const auto offsetOf = [&](std::size_t type) {
        return static_cast<int>(static_cast<std::int32_t>(Be32(bytes + typesAt + type * 6)));
    };
    zone->firstOffset_ = offsetOf(0);
    for (std::uint32_t i = 0; i < times; ++i) {
        const std::int64_t when = Be64(bytes + at + std::size_t(i) * 8);
        const std::size_t type = bytes[at + std::size_t(times) * 8 + i];
        // Out of order, of no known type, or too far out for milliseconds: not read here.
        if (type >= types || std::abs(when) > (std::int64_t(1) << 42) ||
            (!zone->transitions_.empty() && when <= zone->transitions_.back().At))
            return nullptr;
        zone->transitions_.push_back({when, offsetOf(type)});
    }
    // The rule for the years after the data: "\n" TZ text "\n" at the end.
    if (end >= size || data[end] != '\n') return nullptr;
    const std::size_t close = data.find('\n', end + 1);
    if (close == std::string_view::npos || close + 1 != size) return nullptr;
    const std::string_view footer = data.substr(end + 1, close - end - 1);
    if (!footer.empty()) {
        if (!ParsePosixRule(footer, &zone->rule_)) return nullptr;
        zone->hasRule_ = true;
    }
    // Qt takes a zone with neither transitions nor a rule for no zone at all.
    if (zone->transitions_.empty() && !zone->hasRule_) return nullptr;
    return zone;
}

int TFileZone::OffsetSecondsAt(std::int64_t ms) const {
    const std::int64_t lastMs = transitions_.empty() ? INT64_MIN : transitions_.back().At * 1000;
    if (hasRule_ && (transitions_.empty() || lastMs < ms)) {
        if (!rule_.HasDaylight) return rule_.Standard;
        // The rule's changes in the instant's year and the years either side of it, after the
        // data's last transition; the latest at or before the instant gives the offset.
        const std::int64_t year = CivilDate(SplitDays(ms, 86400000).first).Year;
        bool found = false;
        std::int64_t latest = 0;
        int offset = 0;
        for (std::int64_t y = year - 1; y <= year + 1; ++y) {
            const std::int64_t start =
                (RuleDay(rule_.Start, y) * 86400 + rule_.Start.Time - rule_.Standard) * 1000;
            const std::int64_t end =
                (RuleDay(rule_.End, y) * 86400 + rule_.End.Time - rule_.Daylight) * 1000;
            for (const auto& [when, east] :
                 {std::pair{start, rule_.Daylight}, std::pair{end, rule_.Standard}}) {
                if ((transitions_.empty() || when > lastMs) && when <= ms &&
                    (!found || when >= latest)) {
                    found = true;
                    latest = when;
                    offset = east;
                }
            }
        }
        if (found) return offset;
    }
    const auto after =
        std::partition_point(transitions_.begin(), transitions_.end(),
                             [ms](const TTransition& t) { return t.At * 1000 <= ms; });
    return after == transitions_.begin() ? firstOffset_ : after[-1].Offset;
}

double TFileZone::OffsetAt(UniversalTime t) const {
    if (!std::isfinite(t.JD)) return 0.0;
    return OffsetSecondsAt(ToUnixMilliseconds(t)) / 60.0;
}

std::unique_ptr<TFileZone> LoadZone(const std::string& name) {
    if (!IsZoneName(name) || name.compare(0, 3, "UTC") == 0) return nullptr;
    // A database elsewhere, which the C library would read and Qt might not.
    if (const char* folder = std::getenv("TZDIR");
        folder && *folder && std::string(folder) + "/" != kZoneFolder)
        return nullptr;
    std::string data;
    if (ReadSmallFile(kZoneFolder + name, 1024 * 1024, &data) != TFileRead::Read) return nullptr;
    return ParseZone(name, data);
}

} // namespace crescendar::front
