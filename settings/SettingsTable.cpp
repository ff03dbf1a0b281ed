#include "SettingsTable.h"
#include "TimeZoneRule.h"

#include "Calendar.h"
#include "Version.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

namespace crescendar {

namespace {

// Why a stored text is refused, in the language in force; %1 is the number given.
std::string Why(const char* text) {
    return QCoreApplication::translate("Settings", text).toStdString();
}
std::string Why(const char* text, int number) {
    return QCoreApplication::translate("Settings", text).arg(number).toStdString();
}

// ----- words --------------------------------------------------------------------------------

// The words of an enum's values, in the enum's order.
constexpr std::array<const char*, 2> kNorthSouth = {"North", "South"};  // not user text
constexpr std::array<const char*, 2> kEastWest = {"West", "East"};      // not user text
constexpr std::array<const char*, 3> kPrinters = {"Laser", "BW Inkjet", // not user text
                                                  "Colour Inkjet"};     // not user text
constexpr std::array<const char*, 4> kLanguages = {"en", "de", "fr", "es"};

std::span<const char* const> WordsOf(TNorthSouth) {
    return kNorthSouth;
}
std::span<const char* const> WordsOf(TEastWest) {
    return kEastWest;
}
std::span<const char* const> WordsOf(TPrinterType) {
    return kPrinters;
}

// ----- reading texts ------------------------------------------------------------------------

bool IsBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return c <= ' '; });
}

std::optional<long long> DecimalInteger(const std::string& text) {
    bool ok = false;
    const long long n = QString::fromStdString(text).trimmed().toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return n;
}

// "TimeZone" with either "." or "," (or the user's own separator) as decimal separator.
std::optional<double> TimeZoneValue(const std::string& text) {
    QString t = QString::fromStdString(text).trimmed();
    const QString userSeparator = QString::fromStdString(RegionalNames().DecimalSeparator);
    if (!userSeparator.isEmpty() && userSeparator != ".") t.replace(userSeparator, ".");
    t.replace(',', '.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

// ----- text forms ---------------------------------------------------------------------------

template <auto F> using FieldOf = std::remove_cvref_t<decltype(std::declval<TSettings&>().*F)>;
using enum TTextUse;

// Any text, cut to its length in characters.
template <auto F, std::size_t Length> constexpr TSettingDef Text(const char* name, const char* d) {
    return {name, d,
            [](TSettings& s, const std::string& t, std::string&) {
                s.*F = CutText(t, Length);
                return Used;
            },
            [](const TSettings& s) { return s.*F; }, false};
}

// A coordinate part as typed: digits only (empty counts as 0), at most Max; kept as text.
template <auto F, std::size_t Length, int Max>
constexpr TSettingDef Coordinate(const char* name, const char* d) {
    return {name, d,
            [](TSettings& s, const std::string& t, std::string& why) {
                const std::string kept = CutText(t, Length);
                const QString digits = QString::fromStdString(kept).trimmed();
                static const QRegularExpression onlyDigits(QStringLiteral("^[0-9]*$"));
                if (!onlyDigits.match(digits).hasMatch()) {
                    why = Why(QT_TRANSLATE_NOOP("Settings", "not a whole number"));
                    return Refused;
                }
                if (digits.toInt() > Max) {
                    why = Why(QT_TRANSLATE_NOOP("Settings", "more than %1"), Max);
                    return Refused;
                }
                s.*F = kept;
                return Used;
            },
            [](const TSettings& s) { return s.*F; }, false};
}

// One of two direction words, cut to 5 characters; an empty text is the first.
template <auto F> constexpr TSettingDef Direction(const char* name, const char* d) {
    return {name, d,
            [](TSettings& s, const std::string& t, std::string& why) {
                const std::string kept = CutText(t, 5);
                const auto value =
                    kept.empty() ? std::optional(FieldOf<F>{}) : FromWord<FieldOf<F>>(kept);
                if (!value) {
                    const auto words = WordsOf(FieldOf<F>{});
                    why = QCoreApplication::translate("Settings", "neither %1 nor %2")
                              .arg(QLatin1String(words[0]), QLatin1String(words[1]))
                              .toStdString();
                    return Refused;
                }
                s.*F = *value;
                return Used;
            },
            [](const TSettings& s) { return Word(s.*F); }, false};
}

// A whole number from 0 to Max.
template <auto F, int Max> constexpr TSettingDef Number(const char* name, const char* d) {
    return {name, d,
            [](TSettings& s, const std::string& t, std::string& why) {
                const std::optional<long long> n = DecimalInteger(t);
                if (!n) {
                    why = Why(QT_TRANSLATE_NOOP("Settings", "not a whole number"));
                    return IsBlank(t) ? Blank : Refused;
                }
                if (*n < 0 || *n > Max) {
                    why = Why(QT_TRANSLATE_NOOP("Settings", "not from 0 to %1"), Max);
                    return Refused;
                }
                s.*F = static_cast<FieldOf<F>>(*n);
                return Used;
            },
            [](const TSettings& s) { return std::to_string(static_cast<int>(s.*F)); }, false};
}

// True for the exact text "True", false for any other (also none).
template <auto F> constexpr TSettingDef Flag(const char* name, const char* d) {
    return {name, d,
            [](TSettings& s, const std::string& t, std::string&) {
                s.*F = t == "True"; // not user text
                return Used;
            },
            [](const TSettings& s) { return BoolText(s.*F); }, false};
}

TTextUse ReadDateFormat(TSettings& s, const std::string& t, std::string& why) {
    const std::string pattern = CutText(t, 12);
    if (IsDatePattern(pattern)) {
        s.DateFormat = pattern;
        return Used;
    }
    why = Why(QT_TRANSLATE_NOOP("Settings", "not a date with a day, a month and a year"));
    return IsBlank(t) ? Blank : Refused;
}

// Half hours from 0 (GMT - 12) to 48 (GMT + 12), stored as hours from 0 to 24.
TTextUse ReadTimeZone(TSettings& s, const std::string& t, std::string& why) {
    const std::optional<double> v = TimeZoneValue(t);
    if (!v) {
        why = Why(QT_TRANSLATE_NOOP("Settings", "not a number"));
        return IsBlank(t) ? Blank : Refused;
    }
    const double idx = std::trunc(*v * 2) + 0.0;
    if (idx < 0 || idx > 48) {
        why = Why(QT_TRANSLATE_NOOP("Settings", "not from 0 to %1"), 24);
        return Refused;
    }
    s.TimeZoneIdx = idx;
    return Used;
}

// One of the printer words, cut to 15 characters; a word the program does not know prints as
// on a laser printer, and the file keeps it. A blank one is the default.
TTextUse ReadPrinterType(TSettings& s, const std::string& t, std::string&) {
    if (IsBlank(t)) return Blank;
    s.PrinterType = FromWord<TPrinterType>(CutText(t, 15)).value_or(TPrinterType::Laser);
    return Used;
}

// The name of a zone this computer knows, or none.
TTextUse ReadZoneName(TSettings& s, const std::string& t, std::string& why) {
    if (IsBlank(t)) {
        s.ZoneName.clear();
        return Used;
    }
    if (!TimeZoneRule(t)) {
        why = Why(QT_TRANSLATE_NOOP("Settings", "not a time zone this computer knows"));
        return Refused;
    }
    s.ZoneName = t;
    return Used;
}

// "System" or a language the program is written in. A blank or missing text is "System" and
// counts as set, so that saving the settings does not add the value to a file without it.
TTextUse ReadLanguage(TSettings& s, const std::string& t, std::string& why) {
    const std::string word = QString::fromStdString(t).trimmed().toStdString();
    if (word.empty() || word == kSystemLanguage ||
        std::find(kLanguages.begin(), kLanguages.end(), word) != kLanguages.end()) {
        s.Language = word.empty() ? kSystemLanguage : word;
        return Used;
    }
    why = Why(QT_TRANSLATE_NOOP("Settings",
                                "neither System nor a language of the program (en, de, fr, es)"));
    return Refused;
}

// ----- the table ----------------------------------------------------------------------------

using S = TSettings;

constexpr std::array kSettings = {
    Text<&S::Version, 6>("Version", "V" CRESCENDAR_VERSION), // not user text
    Coordinate<&S::LatDeg, 3, 90>("LatDeg", "00"),
    Coordinate<&S::LatMin, 2, 59>("LatMin", "00"),
    Coordinate<&S::LatSec, 2, 59>("LatSec", "00"),
    Coordinate<&S::LongDeg, 3, 180>("LongDeg", "000"),
    Coordinate<&S::LongMin, 2, 59>("LongMin", "00"),
    Coordinate<&S::LongSec, 2, 59>("LongSec", "00"),
    Direction<&S::LatDir>("LatDir", "North"),  // not user text
    Direction<&S::LongDir>("LongDir", "West"), // not user text
    Text<&S::Location, 64>("Location", ""),    // not user text
    Number<&S::DayOrder, 6>("DayOrder", "0"),
    Number<&S::DateLayoutIdx, 1>("DateLayoutIdx", "0"),
    TSettingDef{"DateFormat", "dd/mm/yyyy", ReadDateFormat, [](const S& s) { return s.DateFormat; },
                false},
    Flag<&S::DaylightSavings>("DaylightSavings", "False"), // not user text
    TSettingDef{
        "TimeZone", "12", ReadTimeZone,
        [](const S& s) { return TimeZoneText(s.TimeZoneIdx, RegionalNames().DecimalSeparator); },
        false},
    Number<&S::PhaseDensity, 100>("PhaseDensity", "75"),
    TSettingDef{"PhasePrintout", "3", nullptr, nullptr, false},
    Flag<&S::PrintDailyPhases>("PrintDailyPhases", "True"), // not user text
    Flag<&S::PrintMajorPhases>("PrintMajorPhases", "True"), // not user text
    Flag<&S::PrintLunarTimes>("PrintLunarTimes", "True"),   // not user text
    Flag<&S::PrintSunTimes>("PrintSunTimes", "True"),       // not user text
    TSettingDef{"PrinterType", "Laser", ReadPrinterType,    // not user text
                [](const S& s) { return Word(s.PrinterType); }, false},
    // Stored only once the user has chosen a zone: files without it keep the fixed offset.
    TSettingDef{"ZoneName", "", ReadZoneName, [](const S& s) { return s.ZoneName; }, true},
    // Stored only once the user has chosen a language: files without it follow the system.
    TSettingDef{"Language", kSystemLanguage,
                ReadLanguage, [](const S& s) { return s.Language; }, true},
};

// A whole angle within its parts' ranges can still lie beyond the pole or the date line: its
// three parts (degrees, minutes, seconds) then fall back to their defaults together.
struct Angle {
    int MaxDegrees;
    std::array<const char*, 3> Parts;
};
constexpr std::array<Angle, 2> kAngles = {{
    {90, {"LatDeg", "LatMin", "LatSec"}},
    {180, {"LongDeg", "LongMin", "LongSec"}},
}};

} // namespace

std::string Word(TNorthSouth v) {
    return WordsOf(v)[static_cast<std::size_t>(v)];
}
std::string Word(TEastWest v) {
    return WordsOf(v)[static_cast<std::size_t>(v)];
}
std::string Word(TPrinterType v) {
    return WordsOf(v)[static_cast<std::size_t>(v)];
}

template <class E> std::optional<E> FromWord(const std::string& word) {
    const auto words = WordsOf(E{});
    for (std::size_t i = 0; i < words.size(); ++i)
        if (word == words[i]) return static_cast<E>(i);
    return std::nullopt;
}
template std::optional<TNorthSouth> FromWord(const std::string&);
template std::optional<TEastWest> FromWord(const std::string&);
template std::optional<TPrinterType> FromWord(const std::string&);

std::span<const char* const> LanguageWords() {
    return kLanguages;
}

std::span<const TSettingDef> SettingDefs() {
    return kSettings;
}

const TSettingDef* FindSetting(std::string_view name) {
    for (const TSettingDef& def : kSettings)
        if (name == def.Name) return &def;
    return nullptr;
}

TTextUse ReadSetting(const TSettingDef& def, TSettings& s, const std::string& text,
                     std::string* why) {
    if (!def.Read) return TTextUse::Used;
    std::string reason;
    const TTextUse use = def.Read(s, text, reason);
    if (use != TTextUse::Used) def.Read(s, def.Default, reason);
    if (why) *why = use == TTextUse::Refused ? reason : std::string();
    return use;
}

TSettings DefaultSettings() {
    TSettings s;
    for (const TSettingDef& def : kSettings) ReadSetting(def, s, def.Default);
    return s;
}

TSettings ReadSettings(const std::function<std::optional<std::string>(const char*)>& textOf,
                       std::vector<TRefusal>& refused, std::vector<std::string>* unsettled) {
    const auto notUsed = [&](const char* name) {
        if (unsettled) unsettled->emplace_back(name);
    };
    TSettings s;
    for (const TSettingDef& def : kSettings) {
        if (!def.Read) continue;
        const std::optional<std::string> text = textOf(def.Name);
        std::string why;
        const TTextUse use = ReadSetting(def, s, text.value_or(""), &why);
        if (use == TTextUse::Refused) refused.push_back({def.Name, text.value_or(""), why});
        if (use != TTextUse::Used || (!text && !def.Optional)) notUsed(def.Name);
    }
    for (const Angle& a : kAngles) {
        std::string names, texts;
        long long arcSeconds = 0;
        for (const char* part : a.Parts) {
            const std::string text = FindSetting(part)->Write(s);
            names += (part == a.Parts[0] ? "" : ", ") + std::string(part);
            texts += (part == a.Parts[0] ? "" : " ") + text;
            arcSeconds = arcSeconds * 60 + CoordinateValue(text);
        }
        if (arcSeconds <= a.MaxDegrees * 3600LL) continue;
        refused.push_back(
            {names, texts,
             Why(QT_TRANSLATE_NOOP("Settings", "more than %1 degrees"), a.MaxDegrees)});
        for (const char* part : a.Parts) {
            const TSettingDef& def = *FindSetting(part);
            ReadSetting(def, s, def.Default);
            notUsed(def.Name);
        }
    }
    return s;
}

std::vector<std::pair<std::string, std::string>> SettingTexts(const TSettings& s) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const TSettingDef& def : kSettings)
        if (def.Write) texts.emplace_back(def.Name, def.Write(s));
    return texts;
}

std::vector<std::pair<std::string, std::string>> FirstRunTexts() {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const TSettingDef& def : kSettings)
        if (!def.Optional) texts.emplace_back(def.Name, def.Default);
    return texts;
}

long long CoordinateValue(const std::string& text) {
    return DecimalInteger(text).value_or(0);
}

} // namespace crescendar
