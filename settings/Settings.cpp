#include "Settings.h"
#include "IniText.h"
#include "TimeZoneRule.h"

#include "OutputFile.h"

#include "Calendar.h"
#include "Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace crescendar {

namespace {

constexpr const char* kGroup = "HKEY_CRESCENDAR";
constexpr const char* kVersion = "V" CRESCENDAR_VERSION;
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

// "TimeZone" with either "." or "," (or the user's own separator) as decimal separator.
std::optional<double> TimeZoneValue(const std::string& text) {
    QString t = ToQ(text).trimmed();
    const QString userSeparator = ToQ(RegionalNames().DecimalSeparator);
    if (!userSeparator.isEmpty() && userSeparator != ".") t.replace(userSeparator, ".");
    t.replace(',', '.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
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

// Files larger than this are not settings files: reading them would only waste memory.
constexpr std::int64_t kMaxFileBytes = 1024 * 1024;
constexpr const char* kMaxFileText = "1 MB";

// What inspecting the file found: whether it exists and, when it cannot be used, why; and,
// for a sound file, its bytes, whether it is read-only, and its size and modification time.
struct FileState {
    bool Exists = false;
    std::string Damage;
    QByteArray Data;
    bool ReadOnly = false;
    std::int64_t Size = 0;
    std::int64_t ModifiedMs = 0;
};

std::string LineText(int line) {
    return "line " + std::to_string(line);
}

// Checks the text of an INI file line by line, as QSettings splits it into logical lines.
// QSettings lets a quoted stretch or a backslash before the line end carry a value on into
// the following lines, so that one bad value swallows the keys after it, and writing the
// file back would lose them. Such a file, and the lines QSettings itself refuses, make the
// file damaged. Returns why, or "" for a sound file.
std::string CheckIniText(const QByteArray& data) {
    const qsizetype n = data.size();
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a UTF-8 byte-order mark
    int line = 1;
    const auto atLineEnd = [&data, n](qsizetype k) {
        return k < n && (data[k] == '\n' || data[k] == '\r');
    };
    // Steps over one line end ("\n", "\r", "\r\n"), counting it.
    const auto passLineEnd = [&](qsizetype& k) {
        if (data[k] == '\r' && k + 1 < n && data[k + 1] == '\n') ++k;
        ++k;
        ++line;
    };
    while (i < n) {
        const char first = data[i];
        if (atLineEnd(i)) {
            passLineEnd(i);
            continue;
        }
        if (first == ' ' || first == '\t' || first == '\f' || first == '\v') {
            ++i;
            continue;
        }
        bool inQuotes = false;
        bool hasEquals = false;
        bool sectionClosed = false;
        qsizetype k = i;
        while (k < n && !atLineEnd(k)) {
            const char c = data[k];
            if (c == '\\') {
                if (atLineEnd(k + 1))
                    return "the value on " + LineText(line) + " runs on to the next line";
                k += 2;
                continue;
            }
            if (c == '"') {
                inQuotes = !inQuotes;
            } else if (!inQuotes && c == '=') {
                hasEquals = true;
            } else if (!inQuotes && c == ']') {
                sectionClosed = true;
            } else if (!inQuotes && c == ';') {
                // The rest of the line is a comment.
                while (k < n && !atLineEnd(k)) ++k;
                break;
            }
            ++k;
        }
        if (inQuotes) return "a quotation mark on " + LineText(line) + " is not closed";
        if (first == '[') {
            if (!sectionClosed) return "the group name on " + LineText(line) + " has no closing ]";
        } else if (first != ';' && !hasEquals) {
            return LineText(line) + " is not a name=value line";
        }
        i = k;
    }
    return {};
}

FileState Damaged(std::string why) {
    FileState state;
    state.Exists = true;
    state.Damage = std::move(why);
    return state;
}

// Looks at the file without ever blocking: a FIFO opened for reading would wait for a
// writer, so the file is opened non-blocking and its type and size checked before a byte is
// read. At most kMaxFileBytes are read.
FileState InspectFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) return {};
        if (err == EISDIR) return Damaged("it is a folder, not a regular file");
        return Damaged(std::string("it cannot be read (") + std::strerror(err) + ")");
    }
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return Damaged(std::string("it cannot be read (") + std::strerror(errno) + ")");
    if (S_ISDIR(st.st_mode)) return Damaged("it is a folder, not a regular file");
    if (!S_ISREG(st.st_mode)) return Damaged("it is not a regular file");
    const std::string tooLarge = std::string("it is larger than ") + kMaxFileText;
    if (st.st_size > kMaxFileBytes) return Damaged(tooLarge);

    // One byte more than the file had, to see it if it has grown past the bound since.
    QByteArray data(static_cast<qsizetype>(std::min<std::int64_t>(st.st_size, kMaxFileBytes)) + 1,
                    Qt::Uninitialized);
    qsizetype got = 0;
    while (got < data.size()) {
        const ssize_t r =
            ::read(fd, data.data() + got, static_cast<std::size_t>(data.size() - got));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return Damaged(std::string("it cannot be read (") + std::strerror(errno) + ")");
        if (r == 0) break;
        got += r;
    }
    if (got > kMaxFileBytes) return Damaged(tooLarge); // it grew since it was measured
    data.truncate(got);
    FileState state = Damaged(CheckIniText(data));
    state.Data = data;
    // Marked read-only (no write permission for anyone, which root honours too), or not
    // writable by this user.
    state.ReadOnly = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                     ::access(name.constData(), W_OK) != 0;
    state.Size = st.st_size;
    state.ModifiedMs = std::int64_t(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return state;
}

// Sets the values in `group` of the file as InspectFile found it, every other byte kept, and
// replaces the file whole or not at all (creating it, and its folder, when there was none).
// Returns why it could not, or "".
std::string WriteIniFile(const QString& path, const FileState& file, const char* group,
                         const std::vector<std::pair<std::string, std::string>>& values) {
    if (file.ReadOnly) return "is read-only, so it cannot be written";
    if (!file.Exists && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return "could not be created: its folder cannot be made";
    const QByteArray text = SetIniValues(file.Data, group, values);
    OutputFile out(path);
    if (!out.Open() || !out.Write(text) || !out.Commit())
        return "could not be written (" + out.Error().toStdString() + ")";
    // QSettings takes a file of the size and the modification time (in milliseconds) that it
    // read last as unchanged: a rewrite within the same millisecond is dated a millisecond on.
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (file.Exists && ::stat(name.constData(), &st) == 0 && st.st_size == file.Size &&
        std::int64_t(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000 <=
            file.ModifiedMs) {
        const std::int64_t ms = file.ModifiedMs + 1;
        const timespec times[2] = {{0, UTIME_OMIT}, {ms / 1000, (ms % 1000) * 1000000}};
        ::utimensat(AT_FDCWD, name.constData(), times, 0);
    }
    return {};
}

// The values whose text in the open group differs from the one given, or that it lacks.
std::vector<std::pair<std::string, std::string>>
Changed(const QSettings& store, const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::pair<std::string, std::string>> changed;
    for (const auto& value : values) {
        const QString name = ToQ(value.first);
        if (!store.contains(name) || TextOf(store.value(name)) != value.second)
            changed.push_back(value);
    }
    return changed;
}

// Why QSettings could not read a file that passed InspectFile, or "". (The format has been
// checked there; QSettings also reports a format error for a file that begins with a
// byte-order mark, which it reads correctly.)
std::string ReadError(const QSettings& store) {
    store.allKeys(); // sections are parsed, and their errors found, only when first read
    return store.status() == QSettings::AccessError ? "it cannot be read" : "";
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A text fit for a one-line message: control characters shown as "?".
std::string OneLine(const std::string& text) {
    std::string out;
    for (unsigned char c : text) out += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
    return out;
}

// A stored value as a message shows it: on one line, at most 24 characters.
std::string Shown(const std::string& text) {
    const std::string out = OneLine(text);
    return TextLength(out) > 24 ? CutText(out, 23) + "\xE2\x80\xA6" : out;
}

// Reads the values of the open group, checking each against its range; a value that is not
// used is replaced by its default and noted in `rejected`.
class FieldReader {
  public:
    FieldReader(const QSettings& store, std::vector<std::string>& rejected)
        : store_(store), rejected_(rejected) {}

    std::string Text(const char* name) const { return TextOf(store_.value(name)); }
    bool Flag(const char* name) const { return Text(name) == "True"; }

    void Reject(const std::string& name, const std::string& text, const std::string& why) {
        rejected_.push_back(text.empty() ? name + " (" + why + ")"
                                         : name + " " + Quoted(Shown(text)) + " (" + why + ")");
    }

    // A whole number from 0 to max; missing, unreadable or out-of-range text gives the
    // default. A missing value is not reported: the user set nothing that is now ignored.
    long long Number(const char* name, long long max, long long fallback) {
        const std::string text = Text(name);
        const std::optional<long long> n = DecimalInteger(text);
        if (!n) {
            if (!IsBlank(text)) Reject(name, text, "not a whole number");
            return fallback;
        }
        if (*n < 0 || *n > max) {
            Reject(name, text, "not from 0 to " + std::to_string(max));
            return fallback;
        }
        return *n;
    }

    // A coordinate part, as typed: digits only (empty counts as 0), at most max.
    std::string Coordinate(const char* name, std::size_t length, int max, const char* fallback) {
        const std::string text = Text(name);
        const std::string kept = CutText(text, length);
        const QString digits = ToQ(kept).trimmed();
        static const QRegularExpression onlyDigits(QStringLiteral("^[0-9]*$"));
        if (!onlyDigits.match(digits).hasMatch()) {
            Reject(name, text, "not a whole number");
            return fallback;
        }
        if (digits.toInt() > max) {
            Reject(name, text, "more than " + std::to_string(max));
            return fallback;
        }
        return kept;
    }

    // A word of two; empty text is kept (it means the first of the two).
    std::string Word(const char* name, const char* first, const char* second) {
        const std::string text = Text(name);
        const std::string kept = CutText(text, 5);
        if (kept.empty() || kept == first || kept == second) return kept;
        Reject(name, text, std::string("neither ") + first + " nor " + second);
        return first;
    }

  private:
    const QSettings& store_;
    std::vector<std::string>& rejected_;
};

// Seconds of arc of a coordinate held as texts (each part already checked).
long long ArcSeconds(const std::string& deg, const std::string& min, const std::string& sec) {
    return DecimalInteger(deg).value_or(0) * 3600 + DecimalInteger(min).value_or(0) * 60 +
           DecimalInteger(sec).value_or(0);
}

// Reads every value of the open group into a record; a blank printer reads as "Laser".
TSettings ReadFields(const QSettings& store, std::vector<std::string>& rejected) {
    FieldReader r(store, rejected);
    const TSettings d = DefaultSettings();

    TSettings s;
    s.Version = CutText(r.Text("Version"), 6);
    // Degrees, minutes and seconds of one coordinate; a whole angle beyond maxDegrees falls
    // back to the default as a whole.
    const auto angle = [&](const std::string& axis, int maxDegrees, const char* zero,
                           std::string TSettings::*deg, std::string TSettings::*min,
                           std::string TSettings::*sec) {
        s.*deg = r.Coordinate((axis + "Deg").c_str(), 3, maxDegrees, zero);
        s.*min = r.Coordinate((axis + "Min").c_str(), 2, 59, "00");
        s.*sec = r.Coordinate((axis + "Sec").c_str(), 2, 59, "00");
        if (ArcSeconds(s.*deg, s.*min, s.*sec) > maxDegrees * 3600) {
            r.Reject(axis + "Deg, " + axis + "Min, " + axis + "Sec",
                     s.*deg + " " + s.*min + " " + s.*sec,
                     "more than " + std::to_string(maxDegrees) + " degrees");
            s.*deg = d.*deg;
            s.*min = d.*min;
            s.*sec = d.*sec;
        }
    };
    angle("Lat", 90, "00", &TSettings::LatDeg, &TSettings::LatMin, &TSettings::LatSec);
    s.LatDir = r.Word("LatDir", "North", "South");
    angle("Long", 180, "000", &TSettings::LongDeg, &TSettings::LongMin, &TSettings::LongSec);
    s.LongDir = r.Word("LongDir", "West", "East");
    s.Location = CutText(r.Text("Location"), 64);
    s.DayOrder = static_cast<std::uint8_t>(r.Number("DayOrder", 6, d.DayOrder));
    s.DateLayoutIdx = static_cast<std::uint8_t>(r.Number("DateLayoutIdx", 1, d.DateLayoutIdx));
    const std::string pattern = r.Text("DateFormat");
    s.DateFormat = CutText(pattern, 12);
    if (!IsDatePattern(s.DateFormat)) {
        if (!IsBlank(pattern))
            r.Reject("DateFormat", pattern, "not a date with a day, a month and a year");
        s.DateFormat = d.DateFormat;
    }
    s.DaylightSavings = r.Flag("DaylightSavings");
    const std::string zone = r.Text("TimeZone");
    s.TimeZoneIdx = d.TimeZoneIdx;
    if (const std::optional<double> v = TimeZoneValue(zone); !v) {
        if (!IsBlank(zone)) r.Reject("TimeZone", zone, "not a number");
    } else if (const double idx = std::trunc(*v * 2) + 0.0; idx < 0 || idx > 48) {
        r.Reject("TimeZone", zone, "not from 0 to 24");
    } else {
        s.TimeZoneIdx = idx;
    }
    s.PhaseDensity = static_cast<std::uint8_t>(r.Number("PhaseDensity", 100, d.PhaseDensity));
    s.PrintDailyPhases = r.Flag("PrintDailyPhases");
    s.PrintMajorPhases = r.Flag("PrintMajorPhases");
    s.PrintLunarTimes = r.Flag("PrintLunarTimes");
    s.PrintSunTimes = r.Flag("PrintSunTimes");
    s.PrinterType = CutText(r.Text("PrinterType"), 15);
    if (IsBlank(s.PrinterType)) s.PrinterType = kDefaultPrinter;
    // Absent in files written before zones were named: the fixed offset, as always.
    const std::string zoneName = r.Text("ZoneName");
    if (!IsBlank(zoneName)) {
        if (TimeZoneRule(zoneName))
            s.ZoneName = zoneName;
        else
            r.Reject("ZoneName", zoneName, "not a time zone this computer knows");
    }
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

bool PlaceIsDefault(const TSettings& s) {
    return ObserverLatitude(s) == 0.0 && ObserverLongitude(s) == 0.0 &&
           s.Location.find_first_not_of(" \t") == std::string::npos && s.ZoneName.empty();
}

Observer MakeObserver(const TSettings& s) {
    Observer o;
    o.Latitude = ObserverLatitude(s);
    o.Longitude = ObserverLongitude(s);
    o.ZoneOffset = ZoneOffset(s);
    o.DaylightOffset = DaylightOffset(s);
    if (!s.ZoneName.empty()) o.Zone = TimeZoneRule(s.ZoneName);
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

std::string SettingsReport::Text() const {
    std::string text;
    const std::string file = "settings file " + Quoted(OneLine(Path));
    if (!Damage.empty()) {
        text = "The " + file + " could not be used: " + OneLine(Damage) +
               ". Crescendar runs on the default settings and leaves that file as it is.";
    }
    if (!Rejected.empty()) {
        std::string list;
        for (const std::string& r : Rejected) list += (list.empty() ? "" : "; ") + OneLine(r);
        if (!text.empty()) text += " ";
        text += "Some values in the " + file +
                " are not used, and their defaults apply instead: " + list + ".";
    }
    if (ReadOnly) {
        if (!text.empty()) text += " ";
        text += "The " + file + " is read-only, so changes made now will not be saved.";
    } else if (WriteFailed) {
        if (!text.empty()) text += " ";
        text += "The " + file +
                " could not be written, so changes made now will be lost when Crescendar closes.";
    }
    return text;
}

// Where QSettings keeps the user's INI file, found without opening it: a QSettings object
// reads its file as it is made, which blocks on a FIFO.
SettingsStore::SettingsStore()
    : path_(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                .filePath(QStringLiteral("Crescendar/Crescendar.ini"))
                .toStdString()) {}

SettingsStore::SettingsStore(std::string iniPath) : path_(std::move(iniPath)) {}

TSettings SettingsStore::Load() {
    firstRun_ = false;
    damaged_ = false;
    writeFailed_ = false;
    report_ = SettingsReport{};
    report_.Path = path_;

    const QString path = ToQ(path_);
    // Nothing is set on a damaged file, so QSettings has nothing to write back.
    const FileState file = InspectFile(path);
    if (!file.Damage.empty()) {
        damaged_ = true;
        report_.Damage = file.Damage;
        return DefaultSettings();
    }
    // Never written through QSettings, which would rewrite the whole file in its own form.
    QSettings store(path, QSettings::IniFormat);
    if (const std::string error = file.Exists ? ReadError(store) : ""; !error.empty()) {
        damaged_ = true;
        report_.Damage = error;
        return DefaultSettings();
    }

    std::vector<std::pair<std::string, std::string>> changes;
    TSettings s = DefaultSettings();
    if (!store.childGroups().contains(kGroup)) {
        firstRun_ = true;
        for (const NamedText& v : kDefaultValues) changes.emplace_back(v.Name, v.Text);
    } else {
        store.beginGroup(kGroup);
        const bool printerMissing = IsBlank(TextOf(store.value("PrinterType")));
        s = ReadFields(store, report_.Rejected);
        if (printerMissing) changes.emplace_back("PrinterType", kDefaultPrinter);
        if (TextOf(store.value("Version")) != kVersion) changes.emplace_back("Version", kVersion);
        store.endGroup();
    }
    s.Version = kVersion;

    // Written only when a value changed; a store that cannot be written keeps the values in
    // memory, and the report says so. A read-only file is told whether or not it needed a
    // write: nothing changed now will be saved.
    report_.ReadOnly = file.ReadOnly;
    if (!changes.empty()) writeFailed_ = !WriteIniFile(path, file, kGroup, changes).empty();
    report_.WriteFailed = writeFailed_;
    return s;
}

bool SettingsStore::WriteValues(const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, text] : values) {
        if (!IsValueName(name)) {
            writeFailed_ = true;
            writeError_ = "the settings file " + Quoted(path_) + " cannot hold a value named " +
                          Quoted(Shown(name));
            return false;
        }
    }
    return WriteGroup(kGroup, values, true);
}

bool SettingsStore::WriteGroup(const char* group,
                               const std::vector<std::pair<std::string, std::string>>& values,
                               bool settingsRequired) {
    writeFailed_ = false;
    writeError_.clear();
    const auto fail = [this](const std::string& why) {
        writeFailed_ = true;
        writeError_ = "the settings file " + Quoted(path_) + " " + why;
        return false;
    };
    // Never create the file or its folder, and never write into a damaged one: its other
    // values would be lost.
    const QString path = ToQ(path_);
    const FileState file = InspectFile(path);
    if (!file.Exists) return fail("no longer exists");
    if (!file.Damage.empty()) return fail("is damaged: " + file.Damage);
    QSettings store(path, QSettings::IniFormat);
    if (const std::string error = ReadError(store); !error.empty())
        return fail("is damaged: " + error);
    if (settingsRequired && !store.childGroups().contains(kGroup))
        return fail("holds no Crescendar settings");

    // Only the values that change are written; when none does, the file is left alone.
    store.beginGroup(QString::fromLatin1(group));
    const auto changed = Changed(store, values);
    store.endGroup();
    if (changed.empty()) return true;
    if (const std::string error = WriteIniFile(path, file, group, changed); !error.empty())
        return fail(error);
    return true;
}

TSettings SettingsStore::Peek(SettingsReport* report) const {
    SettingsReport found;
    found.Path = path_;
    const auto done = [&](const TSettings& s) {
        if (report) *report = found;
        return s;
    };
    const QString path = ToQ(path_);
    const FileState file = InspectFile(path);
    if (!file.Exists) return done(DefaultSettings());
    if (!file.Damage.empty()) {
        found.Damage = file.Damage;
        return done(DefaultSettings());
    }
    QSettings store(path, QSettings::IniFormat);
    if (const std::string error = ReadError(store); !error.empty()) {
        found.Damage = error;
        return done(DefaultSettings());
    }
    if (!store.childGroups().contains(kGroup)) return done(DefaultSettings());
    store.beginGroup(kGroup);
    return done(ReadFields(store, found.Rejected));
}

std::string SettingsStore::ReadValue(const std::string& name) const {
    const QString path = ToQ(path_);
    if (!IsValueName(name)) return {};
    const FileState file = InspectFile(path);
    if (!file.Exists || !file.Damage.empty()) return {};
    QSettings store(path, QSettings::IniFormat);
    if (!ReadError(store).empty()) return {};
    store.beginGroup(kGroup);
    return TextOf(store.value(ToQ(name)));
}

// ----- window positions --------------------------------------------------------------------

namespace {

// Positions of windows the user moved. (Earlier versions kept every window's last position in
// "Windows", placed or moved; those are no longer read.)
constexpr const char* kWindowsGroup = "MovedWindows";

bool IsWindowName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(),
                                        [](unsigned char c) { return std::isalnum(c) != 0; });
}

} // namespace

std::optional<std::pair<int, int>>
SettingsStore::ReadWindowPosition(const std::string& window) const {
    if (!IsWindowName(window)) return std::nullopt;
    const QString path = ToQ(path_);
    const FileState file = InspectFile(path);
    if (!file.Exists || !file.Damage.empty()) return std::nullopt;
    QSettings store(path, QSettings::IniFormat);
    if (!ReadError(store).empty()) return std::nullopt;
    store.beginGroup(kWindowsGroup);
    const QStringList parts = ToQ(TextOf(store.value(ToQ(window)))).split(QLatin1Char(','));
    if (parts.size() != 2) return std::nullopt;
    bool okLeft = false, okTop = false;
    const int left = parts[0].trimmed().toInt(&okLeft);
    const int top = parts[1].trimmed().toInt(&okTop);
    // No screen lies farther out; a value beyond would overflow the window's rectangle.
    constexpr int kFarthest = 100000;
    const auto near = [](int v) { return v >= -kFarthest && v <= kFarthest; };
    if (!okLeft || !okTop || !near(left) || !near(top)) return std::nullopt;
    return std::pair{left, top};
}

bool SettingsStore::WriteWindowPosition(const std::string& window, int left, int top) {
    if (!IsWindowName(window)) {
        writeFailed_ = true;
        writeError_ = "the settings file " + Quoted(path_) + " cannot hold a window named " +
                      Quoted(Shown(window));
        return false;
    }
    return WriteGroup(kWindowsGroup, {{window, std::to_string(left) + "," + std::to_string(top)}},
                      false);
}

} // namespace crescendar
