// The user's preferences, their text forms in the per-user store, and the
// quantities derived from them.
#pragma once

#include "Records.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace crescendar {

struct TSettings {
    std::string Version;  // at most 6 characters
    std::string LatDeg;   // 3
    std::string LatMin;   // 2
    std::string LatSec;   // 2
    std::string LatDir;   // 5: "North" or "South"
    std::string LongDeg;  // 3
    std::string LongMin;  // 2
    std::string LongSec;  // 2
    std::string LongDir;  // 5: "East" or "West"
    std::string Location; // 64
    std::uint8_t DayOrder = 0;
    std::uint8_t DateLayoutIdx = 0;
    std::string DateFormat; // 12
    bool DaylightSavings = false;
    double TimeZoneIdx = 24; // 0..48, 24 is GMT
    std::uint8_t PhaseDensity = 75;
    bool PrintDailyPhases = true;
    bool PrintMajorPhases = true;
    bool PrintLunarTimes = true;
    bool PrintSunTimes = true;
    std::string PrinterType; // 15
};

// The one process-wide settings record that every window reads.
TSettings& settings();

// The record as a first run leaves it.
TSettings DefaultSettings();

// Derived quantities.
int ZoneOffset(const TSettings& s);     // minutes
int DaylightOffset(const TSettings& s); // minutes
double ObserverLongitude(const TSettings& s); // radians, west positive
double ObserverLatitude(const TSettings& s);  // radians, north positive
Observer MakeObserver(const TSettings& s);

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
    // repairs "PrinterType", rewrites "Version". Never overwrites a file that exists but
    // cannot be read or parsed; then the defaults are returned and nothing is written.
    TSettings Load();

    // The saved settings, read without writing anything: the defaults when there is no key
    // or the file cannot be read.
    TSettings Peek() const;

    // Opens the existing key (never creates it) and writes the values in the given order.
    // Returns false when the key does not exist or the store cannot be written.
    bool WriteValues(const std::vector<std::pair<std::string, std::string>>& values);

    // Text of one value of the existing key ("" when missing).
    std::string ReadValue(const std::string& name) const;

    // What the last Load found.
    bool LastLoadWasFirstRun() const { return firstRun_; }
    bool LastLoadFileDamaged() const { return damaged_; }
    bool LastWriteFailed() const { return writeFailed_; }

  private:
    std::string path_;
    bool firstRun_ = false;
    bool damaged_ = false;
    bool writeFailed_ = false;
};

} // namespace crescendar
