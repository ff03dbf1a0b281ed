#include "Session.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "Phases.h"

#include <QString>

#include <cmath>

#include <utility>

namespace crescendar {

namespace {

bool SameRecord(const TDateTimeRecord& a, const TDateTimeRecord& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.Hour == b.Hour &&
           a.Minute == b.Minute && a.Second == b.Second && a.MSec == b.MSec;
}

// The record with its Julian Day computed from its date and time (a record that names no
// month keeps the one it has).
TDateTimeRecord WithJulianDay(TDateTimeRecord d) {
    if (d.Month >= 1 && d.Month <= 12 && d.Day >= 1) d.JD = DateToJulianDay(d);
    return d;
}

} // namespace

TSession::TSession(std::string settingsPath, QObject* parent)
    : QObject(parent), settingsPath_(std::move(settingsPath)), settings_(DefaultSettings()),
      stored_(settings_), observer_(MakeObserver(settings_)) {}

SettingsStore TSession::Store() const {
    return settingsPath_.empty() ? SettingsStore() : SettingsStore(settingsPath_);
}

SettingsReport TSession::LoadSettings() {
    SettingsStore store = Store();
    stored_ = store.Load();
    ChangeSettings(stored_);
    firstRun_ = store.LastLoadWasFirstRun();
    placeUnchosen_ = !store.LastLoadFileDamaged() && PlaceIsDefault(settings_);
    return store.LastReport();
}

void TSession::ChangeSettings(const TSettings& changed) {
    settings_ = changed;
    const Observer observer = MakeObserver(settings_);
    const bool moved = !SamePlaceAndTime(observer, observer_);
    observer_ = observer;
    // The month's values depend on the observer and on the first weekday. Everything is
    // recomputed before any signal, so that a follower reads fresh values and writes nothing.
    const bool newMonth = UpdateMonth();
    const bool newDay = UpdateDay();
    emit settingsChanged();
    if (moved) emit observerChanged();
    if (newMonth) emit monthChanged();
    if (newDay) emit dayChanged();
}

bool TSession::SaveSettings(const TSettings& changed, std::string* error) {
    ChangeSettings(changed);
    SettingsStore store = Store();
    const bool saved = store.WriteSettings(changed, stored_);
    if (saved) stored_ = changed;
    if (error) *error = saved ? std::string() : store.LastWriteError();
    return saved;
}

QDateTime TSession::AtPlace(const QDateTime& instant) const {
    const QDateTime utc = instant.toUTC();
    const double minutes = observer_.OffsetAt(FromUnixMilliseconds(utc.toMSecsSinceEpoch()));
    return utc.toOffsetFromUtc(static_cast<int>(std::lround(minutes * 60.0)));
}

void TSession::SetSelectedDateTime(const TDateTimeRecord& d) {
    SetInstant(d, timeOffset_);
}

void TSession::SetTimeOffset(double days) {
    SetInstant(selected_, days);
}

void TSession::SetInstant(const TDateTimeRecord& d, double offsetDays) {
    TDateTimeRecord record = WithJulianDay(d);
    // A date the place's clocks skip cannot be selected: the selection passes over it, on in
    // the direction it was moving.
    for (int i = 0; i < 2 && IsCalendarDate(record.Year, record.Month, record.Day) &&
                    LocalDateKind(record, observer_) == TDateKind::Skipped;
         ++i)
        record = WithJulianDay(JulianDayToDate(record.JD + (record.JD < selected_.JD ? -1 : 1)));
    const bool moved =
        !SameRecord(record, selected_) || record.JD != selected_.JD || offsetDays != timeOffset_;
    selected_ = record;
    timeOffset_ = offsetDays;
    const bool newMonth = UpdateMonth();
    const bool newDay = UpdateDay();
    if (moved) emit instantChanged();
    if (newMonth) emit monthChanged();
    if (newDay) emit dayChanged();
}

bool TSession::UpdateDay() {
    const TDateTimeRecord& d = selected_;
    if (!IsCalendarDate(d.Year, d.Month, d.Day)) return false;
    if (eventsDate_.Day == d.Day && eventsDate_.Month == d.Month && eventsDate_.Year == d.Year &&
        SamePlaceAndTime(eventsObserver_, observer_))
        return false;
    eventsDate_ = d;
    eventsObserver_ = observer_;
    dayEvents_ = crescendar::DayEvents(d, observer_);
    return true;
}

bool TSession::UpdateMonth() {
    const TDateTimeRecord& d = selected_;
    if (d.Month < 1 || d.Month > 12) return false;
    const int dayOrder = settings_.DayOrder % 7;
    if (computedFor_.Month == d.Month && computedFor_.Year == d.Year &&
        computedFor_.DayOrder == dayOrder && SamePlaceAndTime(computedFor_.Obs, observer_))
        return false;
    computedFor_ = {d.Year, d.Month, dayOrder, observer_};
    ++monthComputations_;

    firstDayColumn_ = (DayOfWeek(d.Year, d.Month, 1) - dayOrder + 7) % 7;
    // The cells hold the month's days one after the other; October 1582 goes from the 4th
    // straight to the 15th.
    const std::vector<std::uint16_t> days = MonthDays(d.Month, d.Year);
    daysInMonth_ = static_cast<int>(days.size());
    for (int i = 0; i < 42; ++i) {
        const int k = i - firstDayColumn_;
        dayTable_[static_cast<std::size_t>(i)] =
            k < 0 || k >= daysInMonth_ ? 0 : days[static_cast<std::size_t>(k)];
    }

    phaseCount_ = MonthPhases(d, observer_, phaseList_);
    eclipses_ = CheckForEclipses(phaseList_, phaseCount_, d.Year, observer_);
    eclipseInfo_ = eclipses_.empty() ? TEclipseResult{} : eclipses_.front();
    // The year's solar eclipses (about 55 microseconds' work) whose greatest eclipse falls in
    // the month on the place's clock.
    solarEclipses_.clear();
    for (TSolarEclipseAtPlace& e : FindSolarEclipses(d.Year, d.Year, observer_))
        if (JulianDayToDate(observer_.ToLocal(e.Eclipse.Greatest).JD).Month == d.Month)
            solarEclipses_.push_back(std::move(e));
    return true;
}

void TSession::SelectMonth(std::uint16_t month, std::uint16_t year) {
    TDateTimeRecord d = selected_;
    d.Month = month;
    d.Year = year;
    d.Day = CalendarDay(d.Month, d.Year, d.Day);
    SetSelectedDateTime(d);
    emit daySelected();
}

bool TSession::StepMonth(int months) {
    const std::optional<TDateTimeRecord> d = MonthsFrom(selected_, months);
    if (!d) return false;
    SelectMonth(d->Month, d->Year);
    return true;
}

void TSession::SelectLocalMinute(const TDateTimeRecord& local) {
    TDateTimeRecord d = selected_;
    d.Month = local.Month;
    d.Year = local.Year;
    d.Day = CalendarDay(local.Month, local.Year, local.Day);
    const double offset = (local.Hour * 60 + local.Minute - d.Hour * 60 - d.Minute) / 1440.0;
    SetInstant(d, offset);
    emit daySelected();
}

} // namespace crescendar
