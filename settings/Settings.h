// The user's preferences, their text forms in the per-user store, and the
// quantities derived from them.
#pragma once

#include "Calendar.h"
#include "Records.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QSettings;

namespace crescendar {

// The side of the equator and of the prime meridian the place lies on, and the kind of printer
// whose colours the printouts take.
enum class TNorthSouth : std::uint8_t { North, South };
enum class TEastWest : std::uint8_t { West, East };
enum class TPrinterType : std::uint8_t { Laser, BWInkjet, ColourInkjet };

// The word that stands for a value in the settings file (and on the configuration window).
std::string Word(TNorthSouth v);
std::string Word(TEastWest v);
std::string Word(TPrinterType v);
// The value a word stands for; nothing for any other text.
template <class E> std::optional<E> FromWord(const std::string& word);

// The settings as the program uses them. Their names, defaults, ranges and stored texts are
// in the settings table (SettingsTable.h); DefaultSettings() gives the defaults.
struct TSettings {
    std::string Version; // at most 6 characters
    std::string LatDeg;  // 3
    std::string LatMin;  // 2
    std::string LatSec;  // 2
    TNorthSouth LatDir{};
    std::string LongDeg; // 3
    std::string LongMin; // 2
    std::string LongSec; // 2
    TEastWest LongDir{};
    std::string Location; // 64
    std::uint8_t DayOrder = 0;
    std::uint8_t DateLayoutIdx = 0;
    std::string DateFormat; // 12
    bool DaylightSavings = false;
    double TimeZoneIdx = 0; // 0..48, 24 is GMT
    std::uint8_t PhaseDensity = 0;
    bool PrintDailyPhases = false;
    bool PrintMajorPhases = false;
    bool PrintLunarTimes = false;
    bool PrintSunTimes = false;
    TPrinterType PrinterType{};
    // An IANA zone name ("Europe/London") whose rules give the offset at every instant, or
    // "": the fixed TimeZoneIdx and DaylightSavings. Stored only once the user has chosen one.
    std::string ZoneName;
    // The language of the windows: "System" (the computer's own, when the program has it) or
    // one of LanguageWords(). Stored only once the user has chosen one.
    std::string Language;

    friend bool operator==(const TSettings&, const TSettings&) = default;
};

// The languages the program's windows are written in besides "System", English first.
std::span<const char* const> LanguageWords();
// The Language setting that follows the computer's own language.
inline constexpr const char* kSystemLanguage = "System"; // not user text

// The one process-wide settings record that every window reads.
TSettings& settings();

// The record as a first run leaves it.
TSettings DefaultSettings();

// Derived quantities.
int ZoneOffset(const TSettings& s);           // minutes
int DaylightOffset(const TSettings& s);       // minutes
double ObserverLongitude(const TSettings& s); // radians, west positive
double ObserverLatitude(const TSettings& s);  // radians, north positive
// The observer of the settings, with the zone rule of ZoneName when it names a known zone.
Observer MakeObserver(const TSettings& s);
// Whether the place is still the one a first run writes: latitude and longitude 0° 00′ 00″,
// no name and no zone name.
bool PlaceIsDefault(const TSettings& s);

// What a read of the store found that the user should be told about.
struct SettingsReport {
    std::string Path;                  // the settings file
    std::string Damage;                // why the file was not used at all; "" when it was
    std::vector<std::string> Rejected; // values not used, each as: name "text" (why)
    bool WriteFailed = false;          // the start-up write did not reach the file
    bool ReadOnly = false;             // the file is read-only: changes will not be saved

    bool Empty() const { return Damage.empty() && Rejected.empty() && !WriteFailed && !ReadOnly; }
    // The report in plain words, on one line; "" when there is nothing to tell.
    std::string Text() const;
};

// Text forms of stored values.
std::string BoolText(bool b); // "True" / "False"
// TimeZoneIdx / 2 in its shortest decimal form, with the given decimal separator.
std::string TimeZoneText(double timeZoneIdx, const std::string& decimalSeparator);

// The per-user settings store: one group "HKEY_CRESCENDAR" of text values in an INI file.
class SettingsStore {
  public:
    // The store in the user's configuration folder.
    SettingsStore();
    // A store in a given INI file (tests, and callers that choose the place).
    explicit SettingsStore(std::string iniPath);

    const std::string& Path() const { return path_; }

    // Start-up load: creates the key with the defaults on a first run, reads every value,
    // repairs "PrinterType", updates "Version"; the file is written only when one of these
    // changes it, and then only those lines change (every other byte is kept). A file that is not a
    // regular file, is larger than 1 MB, cannot be read or parsed, or holds a value running on over
    // several lines is damaged: it is never written, and the defaults are returned. A value out of
    // its range is not used: its default takes its place in the record, and the file keeps it.
    // LastReport() says what happened.
    TSettings Load();

    // The saved settings, read without writing anything, checked as Load checks them: the
    // defaults when there is no key or the file is damaged. The report, when asked for,
    // says what was wrong (nothing when there is no file).
    TSettings Peek(SettingsReport* report = nullptr) const;

    // Saves the record: writes, through the settings table, the values that differ from
    // `previous` (the record as the file was last read or written) and those the file does not
    // hold in a usable form (missing, blank or refused); a value the user did not change keeps
    // its text, and an empty zone name is not added to a file without one. Writes as
    // WriteValues does.
    bool WriteSettings(const TSettings& record, const TSettings& previous);

    // Opens the existing key (never creates it) and writes those of the values that differ
    // from the file's, each in place, the rest of the file kept byte for byte; nothing is
    // written when none differs.
    // Returns false, with LastWriteError() saying why, when the file or its key does not
    // exist, the file is damaged, or it cannot be written.
    bool WriteValues(const std::vector<std::pair<std::string, std::string>>& values);

    // Text of one value of the existing key ("" when missing).
    std::string ReadValue(const std::string& name) const;

    // Window positions, kept in a group "MovedWindows" of their own in the same file: the
    // top-left corner of a window the user moved, in screen pixels, by the window's name
    // (letters and digits).
    // ReadWindowPosition: nothing when none is stored, the file is damaged or the value is not
    // two integers "left,top" within 100000 pixels of the origin. WriteWindowPosition writes to an
    // existing, sound file only (never creating it) and leaves every other value as it was; false,
    // with LastWriteError() saying why, when it could not.
    std::optional<std::pair<int, int>> ReadWindowPosition(const std::string& window) const;
    bool WriteWindowPosition(const std::string& window, int left, int top);

    // What the last Load found.
    bool LastLoadWasFirstRun() const { return firstRun_; }
    bool LastLoadFileDamaged() const { return damaged_; }
    // Whether the last Load, WriteSettings or WriteValues failed to write.
    bool LastWriteFailed() const { return writeFailed_; }
    // Why the last WriteValues failed, in plain words naming the file; "" after success.
    const std::string& LastWriteError() const { return writeError_; }
    const SettingsReport& LastReport() const { return report_; }

  private:
    // The values to write, chosen with the file's group open.
    using ValuePicker =
        std::function<std::vector<std::pair<std::string, std::string>>(const QSettings&)>;
    // Writes the picked values into `group` of the existing, sound file (never creating it),
    // all other values left as they were; with settingsRequired, only when the file holds the
    // settings group. Sets writeFailed_/writeError_.
    bool WriteGroup(const char* group, const ValuePicker& pick, bool settingsRequired);

    std::string path_;
    bool firstRun_ = false;
    bool damaged_ = false;
    bool writeFailed_ = false;
    std::string writeError_;
    SettingsReport report_;
};

} // namespace crescendar
