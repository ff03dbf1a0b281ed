#include "FrontMoon.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"
#include "FrontJson.h"
#include "FrontRecords.h"
#include "FrontZone.h"
#include "MoonView.h"

#include <charconv>
#include <cmath>

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
    const TMoonReading r = ReadMoon(local, obs);
    if (request.Json) {
        TJson o = MoonJson(r, obs);
        o.Set("ZoneName", obs.ZoneName());
        return o.Document();
    }

    const TMoonState& moon = r.Moon;
    const TSunPosition& sun = r.Sun;
    const auto ageTexts = MoonAgeTexts(r.Age);
    const TPerigeeApogeeTexts apsides = PerigeeApogeeText(r.Apsides, obs);
    const auto hours = [&language](const TAngleText& a) {
        return Filled(language.Texts[kHours], {a.Deg, a.Min, a.Sec});
    };
    std::string out;
    const auto line = [&](TCliText text, std::initializer_list<std::string> args) {
        out += Filled(language.Texts[text], args) + "\n";
    };
    line(kDateLine, {DateTimeToText(r.Local), r.PhaseName, r.Lst});
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
