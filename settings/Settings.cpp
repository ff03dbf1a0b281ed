#include "Settings.h"

#include "fGlobals.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace crescendar {

namespace {

constexpr const char* kGroup = "HKEY_CRESCENDAR";
constexpr const char* kVersion = "V2.40";
constexpr const char* kDefaultPrinter = "Laser";

// The values written when the key is first created, in the order they are written.
struct NamedText {
    const char* Name;
    const char* Text;
};
constexpr std::array<NamedText, 22> kDefaultValues = {{
    {"Version", kVersion},
    {"LatDeg", "00"},
    {"LatMin", "00"},
    {"LatSec", "00"},
    {"LongDeg", "000"},
    {"LongMin", "00"},
    {"LongSec", "00"},
    {"LatDir", "North"},
    {"LongDir", "West"},
    {"Location", ""},
    {"DayOrder", "0"},
    {"DateLayoutIdx", "0"},
    {"DateFormat", "dd/mm/yyyy"},
    {"DaylightSavings", "False"},
    {"TimeZone", "12"},
    {"PhaseDensity", "75"},
    {"PhasePrintout", "3"},
    {"PrintDailyPhases", "True"},
    {"PrintMajorPhases", "True"},
    {"PrintLunarTimes", "True"},
    {"PrintSunTimes", "True"},
    {"PrinterType", kDefaultPrinter},
}};

// Stored "TimeZone" values further than a day from GMT are treated as unreadable: they
// have no meaning and would overflow the minute offsets derived from them.
constexpr double kMinTimeZoneValue = -12.0;
constexpr double kMaxTimeZoneValue = 36.0;
constexpr double kDefaultTimeZoneValue = 12.0;

QString ToQ(const std::string& s) {
    return QString::fromStdString(s);
}

// A hand-edited INI value with an unquoted comma is parsed by QSettings as a list;
// joining it back gives the text as it stands in the file (less blanks around commas).
std::string TextOf(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

std::optional<long long> DecimalInteger(const std::string& text) {
    bool ok = false;
    const long long n = ToQ(text).trimmed().toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return n;
}

// Integers stored in one byte keep their low 8 bits; unreadable text gives the fallback.
std::uint8_t ByteValue(const std::string& text, std::uint8_t fallback) {
    const std::optional<long long> n = DecimalInteger(text);
    return n ? static_cast<std::uint8_t>(static_cast<unsigned long long>(*n)) : fallback;
}

// "TimeZone" with either "." or "," (or the user's own separator) as decimal separator.
std::optional<double> TimeZoneValue(const std::string& text) {
    QString t = ToQ(text).trimmed();
    const QString userSeparator = ToQ(RegionalNames().DecimalSeparator);
    if (!userSeparator.isEmpty() && userSeparator != ".") t.replace(userSeparator, ".");
    t.replace(',', '.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < kMinTimeZoneValue || v > kMaxTimeZoneValue) {
        return std::nullopt;
    }
    return v;
}

// A coordinate component; empty or non-numeric text counts as 0.
double CoordinatePart(const std::string& text) {
    return static_cast<double>(DecimalInteger(text).value_or(0));
}

double Degrees(const std::string& deg, const std::string& min, const std::string& sec) {
    return CoordinatePart(deg) + CoordinatePart(min) / 60.0 + CoordinatePart(sec) / 3600.0;
}

bool IsBlank(const std::string& s) {
    for (unsigned char c : s)
        if (c > ' ') return false;
    return true;
}

bool IsValueName(const std::string& name) {
    // QSettings reads '/' and '\' as group separators, which would leave the key.
    return !name.empty() && name.find_first_of("/\\") == std::string::npos;
}

// QSettings caches parsed files by path and does not parse an unchanged file again, so a
// second open of a damaged file reports no error and would write over it. Parsing a fresh
// copy under a new name gives the file's real state.
bool CopyParsesCleanly(const QString& path) {
    QFile file(path);
    if (!file.open(QFile::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) return false;

    QTemporaryDir dir;
    QFile copy(dir.filePath("check.ini"));
    if (!dir.isValid() || !copy.open(QFile::WriteOnly) || copy.write(bytes) != bytes.size()) {
        return true; // cannot check; rely on the status of the store itself
    }
    copy.close();
    const QSettings check(copy.fileName(), QSettings::IniFormat);
    check.allKeys(); // sections are parsed, and their errors found, only when first read
    return check.status() == QSettings::NoError;
}

// True when the store's file, if there is one, was read and parsed without error.
bool IsSound(const QSettings& store, const QString& path) {
    store.allKeys();
    return store.status() == QSettings::NoError &&
           (!QFileInfo::exists(path) || CopyParsesCleanly(path));
}

// Reads every value of the open group into a record; a blank printer reads as "Laser".
TSettings ReadFields(const QSettings& store) {
    const auto text = [&store](const char* name) { return TextOf(store.value(name)); };
    const auto flag = [&text](const char* name) { return text(name) == "True"; };

    TSettings s;
    s.Version = CutText(text("Version"), 6);
    s.LatDeg = CutText(text("LatDeg"), 3);
    s.LatMin = CutText(text("LatMin"), 2);
    s.LatSec = CutText(text("LatSec"), 2);
    s.LatDir = CutText(text("LatDir"), 5);
    s.LongDeg = CutText(text("LongDeg"), 3);
    s.LongMin = CutText(text("LongMin"), 2);
    s.LongSec = CutText(text("LongSec"), 2);
    s.LongDir = CutText(text("LongDir"), 5);
    s.Location = CutText(text("Location"), 64);
    s.DayOrder = ByteValue(text("DayOrder"), 0);
    s.DateLayoutIdx = ByteValue(text("DateLayoutIdx"), 0);
    s.DateFormat = CutText(text("DateFormat"), 12);
    s.DaylightSavings = flag("DaylightSavings");
    s.TimeZoneIdx =
        std::trunc(TimeZoneValue(text("TimeZone")).value_or(kDefaultTimeZoneValue) * 2) + 0.0;
    s.PhaseDensity = ByteValue(text("PhaseDensity"), 75);
    s.PrintDailyPhases = flag("PrintDailyPhases");
    s.PrintMajorPhases = flag("PrintMajorPhases");
    s.PrintLunarTimes = flag("PrintLunarTimes");
    s.PrintSunTimes = flag("PrintSunTimes");
    s.PrinterType = CutText(text("PrinterType"), 15);
    if (IsBlank(s.PrinterType)) s.PrinterType = kDefaultPrinter;
    return s;
}

} // namespace

TSettings& settings() {
    static TSettings record = DefaultSettings();
    return record;
}

TSettings DefaultSettings() {
    TSettings s;
    s.Version = kVersion;
    s.LatDeg = "00";
    s.LatMin = "00";
    s.LatSec = "00";
    s.LongDeg = "000";
    s.LongMin = "00";
    s.LongSec = "00";
    s.LatDir = "North";
    s.LongDir = "West";
    s.Location = "";
    s.DayOrder = 0;
    s.DateLayoutIdx = 0;
    s.DateFormat = "dd/mm/yyyy";
    s.DaylightSavings = false;
    s.TimeZoneIdx = 24;
    s.PhaseDensity = 75;
    s.PrintDailyPhases = true;
    s.PrintMajorPhases = true;
    s.PrintLunarTimes = true;
    s.PrintSunTimes = true;
    s.PrinterType = kDefaultPrinter;
    return s;
}

int ZoneOffset(const TSettings& s) {
    return static_cast<int>(std::trunc(s.TimeZoneIdx - 24)) * 30;
}

int DaylightOffset(const TSettings& s) {
    return s.DaylightSavings ? 60 : 0;
}

double ObserverLongitude(const TSettings& s) {
    const double r = DegToRad(Degrees(s.LongDeg, s.LongMin, s.LongSec));
    return s.LongDir == "East" ? -r : r;
}

double ObserverLatitude(const TSettings& s) {
    const double r = DegToRad(Degrees(s.LatDeg, s.LatMin, s.LatSec));
    return s.LatDir == "South" ? -r : r;
}

Observer MakeObserver(const TSettings& s) {
    Observer o;
    o.Latitude = ObserverLatitude(s);
    o.Longitude = ObserverLongitude(s);
    o.ZoneOffset = ZoneOffset(s);
    o.DaylightOffset = DaylightOffset(s);
    return o;
}

std::string BoolText(bool b) {
    return b ? "True" : "False";
}

std::string TimeZoneText(double timeZoneIdx, const std::string& decimalSeparator) {
    double v = timeZoneIdx / 2.0;
    if (v == 0.0) v = 0.0; // no "-0"
    // Shortest fixed-notation text that reads back to the same value.
    std::array<char, 400> buf{};
    const auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    std::string text;
    for (const char* p = buf.data(); p != end; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else
            text += *p;
    }
    return text;
}

SettingsStore::SettingsStore()
    : path_(QSettings(QSettings::IniFormat, QSettings::UserScope, "Crescendar", "Crescendar")
                .fileName()
                .toStdString()) {}

SettingsStore::SettingsStore(std::string iniPath) : path_(std::move(iniPath)) {}

TSettings SettingsStore::Load() {
    firstRun_ = false;
    damaged_ = false;
    writeFailed_ = false;

    const QString path = ToQ(path_);
    QSettings store(path, QSettings::IniFormat);
    if (!IsSound(store, path)) {
        // The file exists but could not be read or parsed. Leave it alone: nothing is set,
        // so QSettings has nothing to write back.
        damaged_ = true;
        return DefaultSettings();
    }

    if (!store.childGroups().contains(kGroup)) {
        firstRun_ = true;
        store.beginGroup(kGroup);
        for (const NamedText& v : kDefaultValues) store.setValue(v.Name, QString(v.Text));
        store.endGroup();
    }

    store.beginGroup(kGroup);
    const bool printerMissing = IsBlank(TextOf(store.value("PrinterType")));
    TSettings s = ReadFields(store);
    if (printerMissing) store.setValue("PrinterType", QString(kDefaultPrinter));

    store.setValue("Version", QString(kVersion));
    s.Version = kVersion;
    store.endGroup();

    // A store that cannot be written keeps the values in memory; the caller is told.
    store.sync();
    writeFailed_ = store.status() != QSettings::NoError;
    return s;
}

bool SettingsStore::WriteValues(const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, text] : values)
        if (!IsValueName(name)) return false;

    // Never create the file or its folder: only an existing key is written.
    const QString path = ToQ(path_);
    if (!QFileInfo::exists(path)) return false;
    QSettings store(path, QSettings::IniFormat);
    if (!IsSound(store, path) || !store.childGroups().contains(kGroup)) return false;

    store.beginGroup(kGroup);
    for (const auto& [name, text] : values) store.setValue(ToQ(name), ToQ(text));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

TSettings SettingsStore::Peek() const {
    const QString path = ToQ(path_);
    if (!QFileInfo::exists(path)) return DefaultSettings();
    QSettings store(path, QSettings::IniFormat);
    if (!IsSound(store, path) || !store.childGroups().contains(kGroup)) return DefaultSettings();
    store.beginGroup(kGroup);
    return ReadFields(store);
}

std::string SettingsStore::ReadValue(const std::string& name) const {
    const QString path = ToQ(path_);
    if (!IsValueName(name) || !QFileInfo::exists(path)) return {};
    QSettings store(path, QSettings::IniFormat);
    if (!IsSound(store, path)) return {};
    store.beginGroup(kGroup);
    return TextOf(store.value(ToQ(name)));
}

} // namespace crescendar
