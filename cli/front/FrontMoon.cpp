#include "FrontMoon.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"
#include "FrontJson.h"
#include "FrontRecords.h"
#include "FrontZone.h"
#include "MoonPosition.h"
#include "MoonView.h"
#include "PerigeeApogee.h"
#include "Phases.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace crescendar::front {

namespace {

bool IsDigits(const std::string& s, std::size_t from, std::size_t to) {
    if (from >= to) return false;
    for (std::size_t i = from; i < to; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// A number of the plain form "-12.5" within [lo, hi]; the Qt program reads it alike.
std::optional<double> PlainNumber(const std::string& text, double lo, double hi) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    const std::size_t whole = point == std::string::npos ? text.size() : point;
    if (text.size() > 24 || !IsDigits(text, start, whole) ||
        (point != std::string::npos && !IsDigits(text, point + 1, text.size())))
        return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

// "YYYY-MM-DD" and "HH:MM[:SS]" as the Qt program reads them; nullopt for what it refuses.
std::optional<TDateTimeRecord> ParseInstant(const std::string& date, const std::string& time) {
    int part[3] = {0, 0, 0};
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? date.find('-', at) : date.size();
        const std::size_t most = i == 0 ? 4 : 2;
        if (end == std::string::npos || end - at > most || !IsDigits(date, at, end))
            return std::nullopt;
        part[i] = std::atoi(date.substr(at, end - at).c_str());
        at = end + 1;
    }
    if (!IsCalendarDate(part[0], part[1], part[2])) return std::nullopt;
    int clock[3] = {0, 0, 0};
    at = 0;
    const int fields = time.size() > 5 ? 3 : 2;
    for (int i = 0; i < fields; ++i) {
        const std::size_t end = i + 1 < fields ? time.find(':', at) : time.size();
        if (end == std::string::npos || end - at > 2 || (i > 0 && end - at != 2) ||
            !IsDigits(time, at, end))
            return std::nullopt;
        clock[i] = std::atoi(time.substr(at, end - at).c_str());
        at = end + 1;
    }
    if (clock[0] > 23 || clock[1] > 59 || clock[2] > 59) return std::nullopt;
    return MakeDate(part[0], part[1], part[2], clock[0], clock[1], clock[2]);
}

// The proleptic Gregorian date (astronomical years) of a count of days since 1970-01-01.
struct TCivilDate {
    std::int64_t Year;
    int Month, Day;
};
TCivilDate CivilDate(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2), month, day};
}

// Days and the seconds or milliseconds left of a count, the rest never negative.
std::pair<std::int64_t, std::int64_t> SplitDays(std::int64_t count, std::int64_t perDay) {
    std::int64_t days = count / perDay, rest = count % perDay;
    if (rest < 0) {
        rest += perDay;
        --days;
    }
    return {days, rest};
}

// The observer's local date and time at an instant, as the Qt program's Now() reads its clock.
TDateTimeRecord LocalNow(std::int64_t nowMs, const Observer& obs) {
    const double offset = obs.OffsetAt(FromUnixMilliseconds(nowMs));
    const std::int64_t ms =
        nowMs + (std::isfinite(offset) ? std::llround(offset * 60.0) * 1000 : 0);
    const auto [days, rest] = SplitDays(ms, 86400000);
    const TCivilDate date = CivilDate(days);
    const int s = static_cast<int>(rest / 1000);
    return MakeDate(static_cast<int>(date.Year), date.Month, date.Day, s / 3600, s / 60 % 60,
                    s % 60);
}

// ----- instants as ISO 8601 texts, as cli/JsonValues writes them ------------------------------

std::string Padded(std::int64_t v, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, static_cast<long long>(v));
    return buf;
}

bool Finite(UniversalTime t) {
    return std::isfinite(t.JD) && std::fabs(t.JD) < 1e9;
}

std::int64_t UnixSeconds(UniversalTime t) {
    return static_cast<std::int64_t>(std::floor((t.JD - kUnixEpochJD) * 86400.0 + 0.5));
}

std::string CivilText(std::int64_t seconds) {
    const auto [days, rest] = SplitDays(seconds, 86400);
    const TCivilDate d = CivilDate(days);
    const std::string year = d.Year >= 0 && d.Year <= 9999 ? Padded(d.Year, 4)
                                                           : std::string(d.Year < 0 ? "-" : "+") +
                                                                 Padded(std::llabs(d.Year), 5);
    return year + "-" + Padded(d.Month, 2) + "-" + Padded(d.Day, 2) + "T" + Padded(rest / 3600, 2) +
           ":" + Padded(rest / 60 % 60, 2) + ":" + Padded(rest % 60, 2);
}

std::string IsoUniversal(UniversalTime t) {
    return Finite(t) ? CivilText(UnixSeconds(t)) + "Z" : "";
}

std::string IsoLocal(UniversalTime t, const Observer& obs) {
    const double minutes = obs.OffsetAt(t);
    if (!Finite(t) || !std::isfinite(minutes)) return {};
    const auto offset = static_cast<std::int64_t>(std::llround(minutes * 60.0)); // seconds
    const std::int64_t a = offset < 0 ? -offset : offset;
    std::string zone =
        std::string(offset < 0 ? "-" : "+") + Padded(a / 3600, 2) + ":" + Padded(a / 60 % 60, 2);
    if (a % 60 != 0) zone += ":" + Padded(a % 60, 2);
    return CivilText(UnixSeconds(t) + offset) + zone;
}

TJson InstantJson(UniversalTime t, const Observer& obs) {
    return {{"UT", IsoUniversal(t)}, {"Local", IsoLocal(t, obs)}};
}

TJson Json(const TApsisEvent& a, const Observer& obs) {
    TJson o = InstantJson(SeriesInstantAsUniversal(a.JDE), obs);
    o.Set("JDE", a.JDE.JD);
    o.Set("DistanceKm", a.DistanceKm);
    return o;
}

TJson Json(const TPerigeeApogee& p, const Observer& obs) {
    const TPerigeeApogeeTexts t = PerigeeApogeeText(p, obs);
    TJson o{{"PerigeeDistanceText", t.PerigeeDistanceText},
            {"PerigeeDateText", t.PerigeeDateText},
            {"ApogeeDistanceText", t.ApogeeDistanceText},
            {"ApogeeDateText", t.ApogeeDateText}};
    if (std::isfinite(p.Perigee.JDE.JD)) o.Set("Perigee", Json(p.Perigee, obs));
    if (std::isfinite(p.Apogee.JDE.JD)) o.Set("Apogee", Json(p.Apogee, obs));
    return o;
}

// An angle as the Moon view writes it: degrees, minutes and seconds, or hours.
std::string Degrees(const TAngleText& a) {
    return (a.Sign == kMinusSign ? a.Sign : "") + a.Deg + "\u00B0 " + a.Min + "' " + a.Sec + "\"";
}
std::string Degrees(double x) {
    return Degrees(DegreesToDMS(x));
}
// A text with %1, %2 ... replaced in one pass, as QString::arg with several arguments does.
std::string Filled(const char* pattern, std::initializer_list<std::string> args) {
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' &&
            static_cast<std::size_t>(p[1] - '1') < args.size()) {
            out += args.begin()[p[1] - '1'];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

} // namespace

std::optional<TMoonRequest> ParseMoonCommand(const std::vector<std::string>& words) {
    TMoonRequest r;
    std::vector<std::string> positional;
    bool seen[7] = {};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() < 3 || w[0] != '-') {
            if (!w.empty() && w[0] == '-') return std::nullopt;
            positional.push_back(w);
            continue;
        }
        if (w[1] != '-') return std::nullopt;
        const std::size_t equals = w.find('=');
        const std::string name =
            w.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        static const char* const kOptions[7] = {"json", "dst",  "no-dst", "lat", // not user text
                                                "lon",  "zone", "tz"};           // not user text
        int option = -1;
        for (int k = 0; k < 7; ++k)
            if (name == kOptions[k]) option = k;
        if (option < 0 || seen[option]) return std::nullopt;
        seen[option] = true;
        if (option < 3) {
            if (equals != std::string::npos) return std::nullopt;
            (option == 0 ? r.Json : option == 1 ? r.Dst : r.NoDst) = true;
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = w.substr(equals + 1);
        } else {
            if (i + 1 >= words.size()) return std::nullopt;
            value = words[++i];
        }
        if (option == 3) r.Latitude = PlainNumber(value, -90, 90);
        if (option == 4) r.Longitude = PlainNumber(value, -180, 180);
        if (option == 5) r.ZoneHours = PlainNumber(value, -12, 12);
        if (option == 6) r.Zone = value;
        if ((option == 3 && !r.Latitude) || (option == 4 && !r.Longitude) ||
            (option == 5 && (!r.ZoneHours || std::fmod(*r.ZoneHours * 2, 1.0) != 0)))
            return std::nullopt;
    }
    if (r.Dst && r.NoDst) return std::nullopt;
    if (positional.empty() || positional[0] != "moon") return std::nullopt;
    if (positional.size() != 1 && positional.size() != 3) return std::nullopt;
    r.Date.assign(positional.begin() + 1, positional.end());
    return r;
}

std::string Filled(const char* pattern, const std::string& first, const std::string& second) {
    return Filled(pattern, {first, second});
}

std::optional<std::string> MoonAnswer(const TMoonRequest& request, const Observer& saved,
                                      std::int64_t nowMs, const TFrontLanguage& language) {
    // Texts speak the language; JSON, which scripts read, keeps the engine's English words.
    SetRegionalNames(request.Json ? EnglishRegionalNames() : RegionalNamesOf(language));
    // The observer of the saved settings with the command line's overrides, as the Qt
    // program's MakeRunObserver makes it.
    Observer obs = saved;
    if (request.Latitude) obs.Latitude = DegToRad(*request.Latitude);
    if (request.Longitude) obs.Longitude = WestLongitudeRadians(*request.Longitude);
    if (request.ZoneHours) obs.ZoneOffset = static_cast<int>(std::lround(*request.ZoneHours * 60));
    if (request.Dst) obs.DaylightOffset = 60;
    if (request.NoDst) obs.DaylightOffset = 0;
    if (request.Zone) {
        obs.Zone = LoadZone(*request.Zone);
        if (!obs.Zone) return std::nullopt;
    } else if (request.ZoneHours || request.Dst || request.NoDst) {
        obs.Zone = nullptr;
    }

    TDateTimeRecord local = LocalNow(nowMs, obs);
    if (!request.Date.empty()) {
        const auto given = ParseInstant(request.Date[0], request.Date[1]);
        if (!given || LocalDateKind(MakeDate(given->Year, given->Month, given->Day), obs) ==
                          TDateKind::Skipped)
            return std::nullopt;
        local = *given;
    }
    // As the Qt program's Moon(): a reading the clocks skip is the instant an hour later.
    const UniversalTime ut = obs.ToUniversal(LocalInstant(local));
    if (obs.ToLocal(ut).JD != local.JD) local = JulianDayToDate(obs.ToLocal(ut).JD);
    TMoonState moon;
    TSunPosition sun;
    MoonPosition(ut, obs, moon, sun);
    TLunationBracket bounds;
    const double age = MoonAge(ut, bounds);
    TPhaseList list;
    const int count = MonthPhases(local, obs, list);
    const std::string name = PhaseName(bounds, age, local.Month, list, count, LocalInstant(local));
    const std::string lst = LocalSiderealTime(local, obs);
    const TPerigeeApogee pa = PerigeeApogee(local, obs);

    if (request.Json)
        return TJson{{"JD", ut.JD},
                     {"UT", IsoUniversal(ut)},
                     {"Local", IsoLocal(ut, obs)},
                     {"MoonState", Json(moon)},
                     {"SunPosition", Json(sun)},
                     {"Age", age},
                     {"AgeDays", age},
                     {"PhaseName", name},
                     {"LST", lst},
                     {"PerigeeApogee", Json(pa, obs)},
                     {"ZoneName", obs.ZoneName()}}
            .Document();

    const auto ageTexts = MoonAgeTexts(age);
    const TPerigeeApogeeTexts apsides = PerigeeApogeeText(pa, obs);
    const auto hours = [&language](const TAngleText& a) {
        return Filled(language.Texts[kHours], {a.Deg, a.Min, a.Sec});
    };
    std::string out;
    const auto line = [&](TCliText text, std::initializer_list<std::string> args) {
        out += Filled(language.Texts[text], args) + "\n";
    };
    line(kDateLine, {DateTimeToText(local), name, lst});
    out += "\n";
    line(kVisible, {std::to_string(moon.IlluminatedPercent)});
    line(kAge, {ageTexts[0], ageTexts[1], ageTexts[2]});
    line(kDistance, {std::to_string(static_cast<long long>(moon.Distance))});
    line(kRightAscension, {hours(RightAscensionText(moon.TopoRA))});
    line(kDeclination, {Degrees(DeclinationText(moon.TopoDec))});
    line(kParallax, {Degrees(moon.Parallax)});
    line(kDiameter, {Degrees(2 * moon.Semidiameter)});
    line(kApogee, {apsides.ApogeeDateText, apsides.ApogeeDistanceText});
    line(kPerigee, {apsides.PerigeeDateText, apsides.PerigeeDistanceText});
    out += "\n";
    line(kMoonAzimuth, {Degrees(moon.Azimuth), Degrees(moon.Altitude)});
    line(kMoonAngles, {Degrees(moon.BrightLimbAngle), Degrees(moon.PhaseAngle)});
    line(kSunAzimuth, {Degrees(sun.Azimuth), Degrees(sun.Altitude)});
    line(kSunPosition, {hours(RightAscensionText(sun.Equatorial.RA)),
                        Degrees(DeclinationText(sun.Equatorial.Dec))});
    line(kTimeZone, {obs.ZoneName()});
    return out;
}

} // namespace crescendar::front
