#include "Settings.h"
#include "IniText.h"
#include "SettingsTable.h"
#include "TimeZoneRule.h"

#include "OutputFile.h"

#include "Calendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
// The text the settings table gives a value on a first run.
std::string DefaultText(const char* name) {
    return FindSetting(name)->Default;
}

QString ToQ(const std::string& s) {
    return QString::fromStdString(s);
}

// A hand-edited INI value with an unquoted comma is parsed by QSettings as a list;
// joining it back gives the text as it stands in the file (less blanks around commas).
std::string TextOf(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

double Degrees(const std::string& deg, const std::string& min, const std::string& sec) {
    return static_cast<double>(CoordinateValue(deg)) + CoordinateValue(min) / 60.0 +
           CoordinateValue(sec) / 3600.0;
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

// A message in the language in force, its %1 (and %2) filled in.
std::string Message(const char* text, const std::string& first) {
    return QCoreApplication::translate("Settings", text).arg(ToQ(first)).toStdString();
}
std::string Message(const char* text, const std::string& first, const std::string& second) {
    return QCoreApplication::translate("Settings", text).arg(ToQ(first), ToQ(second)).toStdString();
}
std::string Message(const char* text) {
    return QCoreApplication::translate("Settings", text).toStdString();
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
                    return Message(QT_TRANSLATE_NOOP(
                                       "Settings", "the value on line %1 runs on to the next line"),
                                   std::to_string(line));
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
        if (inQuotes)
            return Message(
                QT_TRANSLATE_NOOP("Settings", "a quotation mark on line %1 is not closed"),
                std::to_string(line));
        if (first == '[') {
            if (!sectionClosed)
                return Message(
                    QT_TRANSLATE_NOOP("Settings", "the group name on line %1 has no closing ]"),
                    std::to_string(line));
        } else if (first != ';' && !hasEquals) {
            return Message(QT_TRANSLATE_NOOP("Settings", "line %1 is not a name=value line"),
                           std::to_string(line));
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

constexpr const char* kFolderText =
    QT_TRANSLATE_NOOP("Settings", "it is a folder, not a regular file");
constexpr const char* kUnreadableText = QT_TRANSLATE_NOOP("Settings", "it cannot be read (%1)");

// Looks at the file without ever blocking: a FIFO opened for reading would wait for a
// writer, so the file is opened non-blocking and its type and size checked before a byte is
// read. At most kMaxFileBytes are read.
FileState InspectFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) return {};
        if (err == EISDIR) return Damaged(Message(kFolderText));
        return Damaged(Message(kUnreadableText, std::strerror(err)));
    }
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) return Damaged(Message(kUnreadableText, std::strerror(errno)));
    if (S_ISDIR(st.st_mode)) return Damaged(Message(kFolderText));
    if (!S_ISREG(st.st_mode))
        return Damaged(Message(QT_TRANSLATE_NOOP("Settings", "it is not a regular file")));
    const std::string tooLarge =
        Message(QT_TRANSLATE_NOOP("Settings", "it is larger than %1"), kMaxFileText);
    if (st.st_size > kMaxFileBytes) return Damaged(tooLarge);

    // One byte more than the file had, to see it if it has grown past the bound since.
    QByteArray data(static_cast<qsizetype>(std::min<std::int64_t>(st.st_size, kMaxFileBytes)) + 1,
                    Qt::Uninitialized);
    qsizetype got = 0;
    while (got < data.size()) {
        const ssize_t r =
            ::read(fd, data.data() + got, static_cast<std::size_t>(data.size() - got));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return Damaged(Message(kUnreadableText, std::strerror(errno)));
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
// Returns why it could not, the file named `shown` in the message, or "".
std::string WriteIniFile(const QString& path, const std::string& shown, const FileState& file,
                         const char* group,
                         const std::vector<std::pair<std::string, std::string>>& values) {
    if (file.ReadOnly)
        return Message(
            QT_TRANSLATE_NOOP("Settings",
                              "the settings file %1 is read-only, so it cannot be written"),
            shown);
    if (!file.Exists && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return Message(QT_TRANSLATE_NOOP("Settings", "the settings file %1 could not be created: "
                                                     "its folder cannot be made"),
                       shown);
    const QByteArray text = SetIniValues(file.Data, group, values);
    OutputFile out(path);
    if (!out.Open() || !out.Write(text) || !out.Commit())
        return Message(
            QT_TRANSLATE_NOOP("Settings", "the settings file %1 could not be written (%2)"), shown,
            out.Error().toStdString());
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
    return store.status() == QSettings::AccessError
               ? Message(QT_TRANSLATE_NOOP("Settings", "it cannot be read"))
               : "";
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

// The values to write whatever the file holds.
auto Fixed(const std::vector<std::pair<std::string, std::string>>& values) {
    return [&values](const QSettings&) { return values; };
}

// Reads every value of the open group into a record through the settings table. A value not
// used is replaced by its default and noted in `rejected`; `unsettled` gets the names of the
// values the group does not hold in a usable form.
TSettings ReadFields(const QSettings& store, std::vector<std::string>& rejected,
                     std::vector<std::string>* unsettled = nullptr) {
    std::vector<TRefusal> refused;
    const TSettings s = ReadSettings(
        [&store](const char* name) -> std::optional<std::string> {
            if (!store.contains(QLatin1String(name))) return std::nullopt;
            return TextOf(store.value(QLatin1String(name)));
        },
        refused, unsettled);
    for (const TRefusal& r : refused)
        rejected.push_back(r.Text.empty()
                               ? r.Name + " (" + r.Why + ")"
                               : r.Name + " " + Quoted(Shown(r.Text)) + " (" + r.Why + ")");
    return s;
}

} // namespace

TSettings& settings() {
    static TSettings record = DefaultSettings();
    return record;
}

int ZoneOffset(const TSettings& s) {
    return static_cast<int>(std::trunc(s.TimeZoneIdx - 24)) * 30;
}

int DaylightOffset(const TSettings& s) {
    return s.DaylightSavings ? 60 : 0;
}

double ObserverLongitude(const TSettings& s) {
    const double r = DegToRad(Degrees(s.LongDeg, s.LongMin, s.LongSec));
    return s.LongDir == TEastWest::East ? -r : r;
}

double ObserverLatitude(const TSettings& s) {
    const double r = DegToRad(Degrees(s.LatDeg, s.LatMin, s.LatSec));
    return s.LatDir == TNorthSouth::South ? -r : r;
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
    return b ? "True" : "False"; // not user text
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
    const std::string file = Quoted(OneLine(Path));
    if (!Damage.empty()) {
        text = Message(QT_TRANSLATE_NOOP("Settings",
                                         "The settings file %1 could not be used: %2. Crescendar "
                                         "runs on the default settings and leaves that file as it "
                                         "is."),
                       file, OneLine(Damage));
    }
    if (!Rejected.empty()) {
        std::string list;
        for (const std::string& r : Rejected) list += (list.empty() ? "" : "; ") + OneLine(r);
        if (!text.empty()) text += " ";
        text +=
            Message(QT_TRANSLATE_NOOP("Settings", "Some values in the settings file %1 are not "
                                                  "used, and their defaults apply instead: %2."),
                    file, list);
    }
    if (ReadOnly) {
        if (!text.empty()) text += " ";
        text += Message(QT_TRANSLATE_NOOP("Settings", "The settings file %1 is read-only, so "
                                                      "changes made now will not be saved."),
                        file);
    } else if (WriteFailed) {
        if (!text.empty()) text += " ";
        text += Message(QT_TRANSLATE_NOOP("Settings",
                                          "The settings file %1 could not be written, so changes "
                                          "made now will be lost when Crescendar closes."),
                        file);
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
    const std::string version = DefaultText("Version"); // not user text
    if (!store.childGroups().contains(kGroup)) {
        firstRun_ = true;
        changes = FirstRunTexts();
    } else {
        store.beginGroup(kGroup);
        std::vector<std::string> unsettled;
        s = ReadFields(store, report_.Rejected, &unsettled);
        // A missing or blank printer type is written as the default.
        if (std::find(unsettled.begin(), unsettled.end(), "PrinterType") != unsettled.end())
            changes.emplace_back("PrinterType", DefaultText("PrinterType"));
        if (TextOf(store.value("Version")) != version) // not user text
            changes.emplace_back("Version", version);  // not user text
        store.endGroup();
    }
    s.Version = version;

    // Written only when a value changed; a store that cannot be written keeps the values in
    // memory, and the report says so. A read-only file is told whether or not it needed a
    // write: nothing changed now will be saved.
    report_.ReadOnly = file.ReadOnly;
    if (!changes.empty())
        writeFailed_ = !WriteIniFile(path, Quoted(path_), file, kGroup, changes).empty();
    report_.WriteFailed = writeFailed_;
    return s;
}

bool SettingsStore::WriteValues(const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, text] : values) {
        if (!IsValueName(name)) {
            writeFailed_ = true;
            writeError_ = Message(
                QT_TRANSLATE_NOOP("Settings", "the settings file %1 cannot hold a value named %2"),
                Quoted(path_), Quoted(Shown(name)));
            return false;
        }
    }
    return WriteGroup(kGroup, Fixed(values), true);
}

bool SettingsStore::WriteSettings(const TSettings& record, const TSettings& previous) {
    return WriteGroup(
        kGroup,
        [&](const QSettings& store) {
            std::vector<std::string> ignored, unsettled;
            ReadFields(store, ignored, &unsettled);
            const auto now = SettingTexts(record);
            const auto before = SettingTexts(previous);
            std::vector<std::pair<std::string, std::string>> values;
            for (std::size_t i = 0; i < now.size(); ++i) {
                const auto& [name, text] = now[i];
                const bool present = store.contains(ToQ(name));
                if (text.empty() && !present && FindSetting(name)->Optional) continue;
                if (text != before[i].second ||
                    std::find(unsettled.begin(), unsettled.end(), name) != unsettled.end())
                    values.emplace_back(name, text);
            }
            return values;
        },
        true);
}

bool SettingsStore::WriteGroup(const char* group, const ValuePicker& pick, bool settingsRequired) {
    writeFailed_ = false;
    writeError_.clear();
    const auto fail = [this](const std::string& message) {
        writeFailed_ = true;
        writeError_ = message;
        return false;
    };
    const auto damaged = [&](const std::string& why) {
        return fail(Message(QT_TRANSLATE_NOOP("Settings", "the settings file %1 is damaged: %2"),
                            Quoted(path_), why));
    };
    // Never create the file or its folder, and never write into a damaged one: its other
    // values would be lost.
    const QString path = ToQ(path_);
    const FileState file = InspectFile(path);
    if (!file.Exists)
        return fail(Message(QT_TRANSLATE_NOOP("Settings", "the settings file %1 no longer exists"),
                            Quoted(path_)));
    if (!file.Damage.empty()) return damaged(file.Damage);
    QSettings store(path, QSettings::IniFormat);
    if (const std::string error = ReadError(store); !error.empty()) return damaged(error);
    if (settingsRequired && !store.childGroups().contains(kGroup))
        return fail(Message(
            QT_TRANSLATE_NOOP("Settings", "the settings file %1 holds no Crescendar settings"),
            Quoted(path_)));

    // Only the values that change are written; when none does, the file is left alone.
    store.beginGroup(QString::fromLatin1(group));
    const auto changed = Changed(store, pick(store));
    store.endGroup();
    if (changed.empty()) return true;
    if (const std::string error = WriteIniFile(path, Quoted(path_), file, group, changed);
        !error.empty())
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
        writeError_ = Message(
            QT_TRANSLATE_NOOP("Settings", "the settings file %1 cannot hold a window named %2"),
            Quoted(path_), Quoted(Shown(window)));
        return false;
    }
    const std::vector<std::pair<std::string, std::string>> values = {
        {window, std::to_string(left) + "," + std::to_string(top)}};
    return WriteGroup(kWindowsGroup, Fixed(values), false);
}

} // namespace crescendar
