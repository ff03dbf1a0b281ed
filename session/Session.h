// What the windows of one run share: the preferences and their store, the observer derived
// from them, the selected date-time and time offset, and what is derived for the month shown.
// A plain model: no widgets and no timers. The main window writes the instant (its clock tick
// and editors); the other windows read the model and make their requests through it, and
// every window follows its signals, never another window.
#pragma once

// Qt first: moc cannot parse <compare> when it reaches it through the engine's headers first.
#include <QDateTime>
#include <QObject>

#include "Settings.h"

#include "DayEvents.h"
#include "Eclipse.h"
#include "Records.h"
#include "SolarEclipse.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace crescendar {

class TSession : public QObject {
    Q_OBJECT
  public:
    // settingsPath: the INI file of the settings store, "" for the user's own. The record
    // holds the defaults until LoadSettings.
    explicit TSession(std::string settingsPath = {}, QObject* parent = nullptr);

    // ----- preferences ----------------------------------------------------------------------

    const TSettings& Settings() const { return settings_; }
    const std::string& SettingsPath() const { return settingsPath_; }
    // The store at SettingsPath().
    SettingsStore Store() const;
    // Start-up: reads the store (creating its key with the defaults on a first run) and puts
    // the values in force. The report says what the user should be told (Empty(): nothing).
    SettingsReport LoadSettings();
    // Whether that load found no settings and wrote the defaults (the program's first run).
    bool FirstRun() const { return firstRun_; }
    // Whether the settings loaded, sound, still hold the first run's place (PlaceIsDefault):
    // no place has been saved yet.
    bool PlaceUnchosen() const { return placeUnchosen_; }
    // Puts a changed record in force for this run, without storing it.
    void ChangeSettings(const TSettings& changed);
    // Puts the record in force and saves it to the existing key of the store: the values
    // changed since the settings were loaded or last saved, and those the file does not hold
    // in a usable form (SettingsStore::WriteSettings). False, with *error (when given) saying
    // why in plain words, when they could not be written: the record is then in force for
    // this run only, and the next save writes its changes again.
    bool SaveSettings(const TSettings& changed, std::string* error = nullptr);

    // The observer of the settings: latitude and longitude in radians (north and west
    // positive), zone and daylight offsets in minutes.
    const Observer& GetObserver() const { return observer_; }

    // ----- the instant ----------------------------------------------------------------------

    // The selected day at the clock's time of day, local civil time; its JD always matches
    // the record.
    const TDateTimeRecord& SelectedDateTime() const { return selected_; }
    // Days added to the selected date-time to give the instant shown.
    double TimeOffset() const { return timeOffset_; }
    // The instant shown as a Julian Day, local civil time, and the same instant in universal
    // time (UT, without Delta T).
    LocalTime ShownJD() const { return LocalTime{selected_.JD + timeOffset_}; }
    UniversalTime ShownUT() const { return observer_.ToUniversal(ShownJD()); }
    // An instant (a reading of the computer's clock, in whatever zone) as the place's civil
    // time: the same instant with the offset in force at the place.
    QDateTime AtPlace(const QDateTime& instant) const;
    // Setters: a record of another month lays that month out (the month's values, once).
    void SetSelectedDateTime(const TDateTimeRecord& d);
    void SetTimeOffset(double days);
    void SetInstant(const TDateTimeRecord& d, double offsetDays);

    // ----- the month shown (the selected date-time's month) ---------------------------------

    // The grid column (0..6) of the month's first day for the settings' first weekday.
    int FirstDayColumn() const { return firstDayColumn_; }
    int DaysInMonth() const { return daysInMonth_; }
    // The day number each of the 42 grid cells shows (index 7 x row + column), 0 for a
    // blank; October 1582 runs 1-4 and then 15-31.
    const std::array<std::uint16_t, 42>& DayTable() const { return dayTable_; }
    // The principal phases whose local instant falls in the month, in time order.
    const TPhaseList& PhaseList() const { return phaseList_; }
    int PhaseCount() const { return phaseCount_; }
    // The month's lunar eclipses (none, one or two); EclipseInfo is the first or none.
    const std::vector<TEclipseResult>& Eclipses() const { return eclipses_; }
    const TEclipseResult& EclipseInfo() const { return eclipseInfo_; }
    // The month's solar eclipses (none, one or two): those whose greatest eclipse falls in
    // the month in the place's civil time, with their circumstances at the place.
    const std::vector<TSolarEclipseAtPlace>& SolarEclipses() const { return solarEclipses_; }
    // How many times the month's values have been computed (tests).
    int MonthComputations() const { return monthComputations_; }

    // ----- the selected day -----------------------------------------------------------------

    // The events of the selected local date (Moon rise, transit and set; the Sun at its four
    // altitudes), computed once for each date and observer.
    const TDayEvents& DayEvents() const { return dayEvents_; }

    // ----- requests that the main window carries out ---------------------------------------

    // Shows another month of the year given: the selected day stays where the month has it
    // (a later one becomes the month's last day; 5-14 October 1582 the 15th). daySelected.
    void SelectMonth(std::uint16_t month, std::uint16_t year);
    // Pages by whole months from the selected one (-1 the previous, 1 the next) through
    // SelectMonth; false, and nothing changes, when that month is outside years 1 to 9999.
    bool StepMonth(int months);
    // Selects the date and the clock minute of a local instant (a phase, an eclipse's
    // maximum): the selected day becomes its date and the time offset brings the shown
    // instant to its hour and minute (seconds dropped, as the phase and eclipse texts show
    // them). A day the month lacks becomes one it has. daySelected.
    void SelectLocalMinute(const TDateTimeRecord& local);

    // Every signal comes after the month's values and the day's events have been recomputed
    // for the change, so that a follower only reads.
  signals:
    void settingsChanged();
    void observerChanged();
    void instantChanged();
    // The month's values have been computed afresh (another month, observer or first weekday).
    void monthChanged();
    // The selected date's events have been computed afresh (another date or observer).
    void dayChanged();
    // Another window has chosen a day (and a time offset): the main window lays out its month
    // and shows it.
    void daySelected();

  private:
    // Recomputes the month's values when the month, the observer or the first weekday
    // differs from those they were computed for; true when it did.
    bool UpdateMonth();
    // Likewise for the selected date's events.
    bool UpdateDay();

    std::string settingsPath_;
    bool firstRun_ = false;
    bool placeUnchosen_ = false;
    TSettings settings_;
    TSettings stored_; // the record as the store was last read or written
    Observer observer_;
    TDateTimeRecord selected_;
    double timeOffset_ = 0.0;

    // What the month's values were computed for (Month 0: nothing yet).
    struct MonthKey {
        std::uint16_t Year = 0;
        std::uint16_t Month = 0;
        int DayOrder = 0;
        Observer Obs;
    };
    MonthKey computedFor_;
    int firstDayColumn_ = 0;
    int daysInMonth_ = 0;
    std::array<std::uint16_t, 42> dayTable_{};
    TPhaseList phaseList_{};
    int phaseCount_ = 0;
    std::vector<TEclipseResult> eclipses_;
    TEclipseResult eclipseInfo_;
    std::vector<TSolarEclipseAtPlace> solarEclipses_;
    int monthComputations_ = 0;
    TDateTimeRecord eventsDate_{.Day = 0}; // the date the events are for (Day 0: none yet)
    Observer eventsObserver_;
    TDayEvents dayEvents_;
};

} // namespace crescendar
