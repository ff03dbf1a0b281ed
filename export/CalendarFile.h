// The year's events as an iCalendar (RFC 5545) text: one VEVENT per event, its instants in
// UTC, a UID that names the event itself so that importing a later export again updates the
// events instead of adding them twice.
#pragma once

#include "Records.h"
#include "TimeScale.h"
#include "YearEvents.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace crescendar {

// The years a calendar can be exported for: libical writes no date after the year 3000, and
// the events of a local year can reach into the next one in UTC.
inline constexpr int kFirstCalendarYear = 1;
inline constexpr int kLastCalendarYear = 2999;

// The kinds of event by the names of the command line's --only: a comma-separated list of
// "phases", "eclipses", "apsides", "seasons" (blanks around the names ignored). nullopt when
// a name is unknown or the list names none; *unknown then holds the offending word.
std::optional<TYearEventKinds> ParseEventKinds(const std::string& list,
                                               std::string* unknown = nullptr);

// The event's UID: its kind and its UTC date, "phase-full-2026-01-03@crescendar". The same
// event has the same UID in every export, whatever the observer.
std::string EventUid(const TYearEvent& event);

// A UTC instant as "YYYY-MM-DD hh:mm:ss" on the Gregorian calendar (also before 1582, as
// iCalendar counts), rounded to the second.
std::string UtcText(UniversalTime t);

// The iCalendar text of the events of the years fromYear to toYear (within
// kFirstCalendarYear..kLastCalendarYear), for the observer's place
// (named in the eclipses' visibility) and civil time (the local times in the descriptions).
// stamp: the time of the export (DTSTAMP), universal time. Lines end in CR LF.
std::string CalendarText(const std::vector<TYearEvent>& events, int fromYear, int toYear,
                         const Observer& observer, UniversalTime stamp);

// The same text of the events of the years fromYear to toYear (YearEvents with kinds), made
// and handed to write a year at a time, so that a long range never stands whole in memory.
// write returns false when it could not take the text (a failed write): the calendar then
// stops there and WriteCalendar returns false.
bool WriteCalendar(int fromYear, int toYear, const Observer& observer, const TYearEventKinds& kinds,
                   UniversalTime stamp, const std::function<bool(const std::string& text)>& write);

} // namespace crescendar
