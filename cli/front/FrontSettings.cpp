#include "FrontSettings.h"

#include "FrontBase.h"

#include "Calendar.h"
#include "FrontZone.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>

namespace crescendar::front {

namespace {

constexpr const char* kGroup = "HKEY_CRESCENDAR"; // not user text

bool IsDigits(const std::string& s) {
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsKeyChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '-';
}

// A folder as Qt would take it unchanged: absolute, without "//", "/./", "/../" or a
// trailing "/".
bool IsCleanFolder(const std::string& folder) {
    if (folder.empty() || folder[0] != '/') return false;
    if (folder.size() > 1 && folder.back() == '/') return false;
    const std::string padded = folder + "/";
    return padded.find("//") == std::string::npos && padded.find("/./") == std::string::npos &&
           padded.find("/../") == std::string::npos;
}

// A value QSettings reads as it stands: printable, without quotes, escapes, comments, "=" or
// blanks at either end, not a typed "@" value. A comma makes it a list, which the Qt program
// joins back with commas: the same text when no blank stands beside a comma.
bool IsPlainValue(const std::string& v) {
    if (v.empty()) return true;
    if (v.front() == ' ' || v.back() == ' ' || v.front() == '@') return false;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto c = static_cast<unsigned char>(v[i]);
        if (c < 0x20 || c == 0x7F || c == '"' || c == '\\' || c == ';' || c == '=' || c == '#')
            return false;
        if (c == ',' && ((i > 0 && v[i - 1] == ' ') || (i + 1 < v.size() && v[i + 1] == ' ')))
            return false;
    }
    return true;
}

// A whole number 0..most as the settings table reads it, "" being blank (the default).
bool Number(const std::string& v, int most) {
    return v.empty() || (v.size() <= 9 && IsDigits(v) && std::atoi(v.c_str()) <= most);
}

// A coordinate part: digits only (none counts as 0), at most `length` of them, at most `most`.
bool Coordinate(const std::string& v, std::size_t length, long long most, long long* value) {
    if (v.size() > length || !IsDigits(v)) return false;
    *value = v.empty() ? 0 : std::atoll(v.c_str());
    return *value <= most;
}

} // namespace

std::string SettingsPath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (xdg && *xdg) {
        folder = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !IsCleanFolder(home)) return {};
        folder = std::string(home) + (std::string(home) == "/" ? "" : "/") + ".config";
    }
    if (!IsCleanFolder(folder)) return {};
    return folder + (folder == "/" ? "" : "/") + "Crescendar/Crescendar.ini";
}

TSettingsRead ObserverFromText(const std::string& text, Observer* observer) {
    // The lines: blank, "; comment", "[Group]" or "key=value", nothing else.
    std::map<std::string, std::string> values; // of the settings group
    bool inGroup = false;
    std::size_t at = 0;
    if (text.find('\r') != std::string::npos || text.find('\0') != std::string::npos)
        return TSettingsRead::NotSure;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line.size() < 3 || line.back() != ']') return TSettingsRead::NotSure;
            const std::string group = line.substr(1, line.size() - 2);
            for (const char c : group)
                if (!IsKeyChar(c) || c == '.' || c == '-') return TSettingsRead::NotSure;
            inGroup = group == kGroup;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == 0 || equals == std::string::npos) return TSettingsRead::NotSure;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        for (const char c : key)
            if (!IsKeyChar(c)) return TSettingsRead::NotSure;
        if (!IsPlainValue(value)) return TSettingsRead::NotSure;
        if (inGroup && !values.emplace(key, value).second) return TSettingsRead::NotSure;
    }
    const auto get = [&values](const char* key) {
        const auto it = values.find(key);
        return it == values.end() ? std::string() : it->second;
    };

    // Every value the settings table reads, checked as it checks them: one it would refuse
    // makes the Qt program report it.
    long long lat[3], lon[3];
    if (!Coordinate(get("LatDeg"), 3, 90, &lat[0]) || !Coordinate(get("LatMin"), 2, 59, &lat[1]) ||
        !Coordinate(get("LatSec"), 2, 59, &lat[2]) ||
        !Coordinate(get("LongDeg"), 3, 180, &lon[0]) ||
        !Coordinate(get("LongMin"), 2, 59, &lon[1]) || !Coordinate(get("LongSec"), 2, 59, &lon[2]))
        return TSettingsRead::NotSure;
    if ((lat[0] * 60 + lat[1]) * 60 + lat[2] > 90 * 3600LL ||
        (lon[0] * 60 + lon[1]) * 60 + lon[2] > 180 * 3600LL)
        return TSettingsRead::NotSure;
    const std::string latDir = get("LatDir"), lonDir = get("LongDir");
    if (!(latDir.empty() || latDir == "North" || latDir == "South") || // not user text
        !(lonDir.empty() || lonDir == "West" || lonDir == "East"))     // not user text
        return TSettingsRead::NotSure;
    if (!Number(get("DayOrder"), 6) || !Number(get("DateLayoutIdx"), 1) ||
        !Number(get("PhaseDensity"), 100))
        return TSettingsRead::NotSure;
    const std::string dateFormat = get("DateFormat");
    if (!dateFormat.empty() && (dateFormat.size() > 12 || !IsDatePattern(dateFormat)))
        return TSettingsRead::NotSure;
    const std::string language = get("Language");
    if (!(language.empty() || language == "System" || language == "en" || language == "de" ||
          language == "fr" || language == "es")) // not user text
        return TSettingsRead::NotSure;

    // Half hours from 0 to 48, written as hours with "." or ",".
    double timeZoneIdx = 24;
    if (std::string zone = get("TimeZone"); !zone.empty()) {
        const std::size_t comma = zone.find(',');
        if (comma != std::string::npos) zone[comma] = '.';
        const std::size_t point = zone.find('.');
        const std::string whole = zone.substr(0, point);
        const std::string part = point == std::string::npos ? "1" : zone.substr(point + 1);
        if (whole.empty() || whole.size() > 2 || !IsDigits(whole) || part.empty() ||
            part.size() > 9 || !IsDigits(part))
            return TSettingsRead::NotSure;
        double v = 0;
        std::from_chars(zone.data(), zone.data() + zone.size(), v);
        timeZoneIdx = std::trunc(v * 2) + 0.0;
        if (timeZoneIdx < 0 || timeZoneIdx > 48) return TSettingsRead::NotSure;
    }

    Observer o;
    const auto degrees = [](const long long parts[3]) {
        return static_cast<double>(parts[0]) + parts[1] / 60.0 + parts[2] / 3600.0;
    };
    const double latRad = DegToRad(degrees(lat));
    const double lonRad = DegToRad(degrees(lon));
    o.Latitude = latDir == "South" ? -latRad : latRad; // not user text
    o.Longitude = lonDir == "East" ? -lonRad : lonRad; // not user text
    o.ZoneOffset = static_cast<int>(std::trunc(timeZoneIdx - 24)) * 30;
    o.DaylightOffset = get("DaylightSavings") == "True" ? 60 : 0; // not user text
    if (const std::string zoneName = get("ZoneName"); !zoneName.empty()) {
        o.Zone = LoadZone(zoneName);
        if (!o.Zone) return TSettingsRead::NotSure;
    }
    *observer = o;
    return TSettingsRead::Read;
}

TSettingsRead ReadSavedObserver(const std::string& path, Observer* observer) {
    if (path.empty()) return TSettingsRead::NotSure;
    std::string text;
    switch (ReadSmallFile(path, 1024 * 1024, &text)) {
    case TFileRead::Read:
        return ObserverFromText(text, observer);
    case TFileRead::Missing:
        // The defaults: latitude and longitude 0, the zone GMT.
        return ObserverFromText("", observer);
    case TFileRead::NotSure:
        break;
    }
    return TSettingsRead::NotSure;
}

} // namespace crescendar::front
