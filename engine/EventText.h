// The texts the windows, the printouts and the CLI show for event values: clock times of
// crossings, the records of rise and set, eclipse contacts and apsis lines. Every text of an
// event is made here, from its value.
#pragma once

#include "DateInfo.h"
#include "DayEvents.h"
#include "Eclipse.h"
#include "Equinox.h"
#include "Records.h"
#include "RiseSet.h"
#include "SolarEclipse.h"
#include "TimeScale.h"
#include "Words.h"
#include "YearEvents.h"

#include <array>
#include <cstdint>
#include <string>

namespace crescendar {

// Rise, transit and set of one body on one local date as texts. Each is a local clock time
// "hh:mm", "None" when the body does not cross the altitude that day (rise and set together),
// or "*****" when the event falls on the neighbouring date.
struct TRiseSet {
    std::string RiseText; // the morning crossing for the twilight altitudes
    std::string TransitText;
    std::string SetText;                 // the evening crossing for the twilight altitudes
    std::int32_t IlluminatedPercent = 0; // filled by MoonRiseSet only
    // "hh:mm" of a second crossing of the kind on the date, empty when there is none.
    std::string SecondRiseText;
    std::string SecondTransitText;
    std::string SecondSetText;

    bool HasSecond() const {
        return !SecondRiseText.empty() || !SecondTransitText.empty() || !SecondSetText.empty();
    }
    // The rise (0), transit (1) or set (2) text of the first crossings or of the second.
    enum TWhich { Rise, Transit, Set };
    const std::string& Text(TWhich which, bool second) const {
        if (second)
            return which == Rise      ? SecondRiseText
                   : which == Transit ? SecondTransitText
                                      : SecondSetText;
        return which == Rise ? RiseText : which == Transit ? TransitText : SetText;
    }
};

// "hh:mm" of a minute of the day, 0..1439.
std::string ClockText(int minute);

// "hh:mm" of a local instant, its seconds dropped after rounding them to whole seconds (a
// 60th second carries into the minute).
std::string ClockText(LocalTime t);

// A local date and time as the eclipse windows and lists write it: "hh:mm" and
// "dd Month yyyy".
struct TWhenTexts {
    std::string Clock;
    std::string Date;
};
TWhenTexts WhenTexts(const TDateTimeRecord& d);

// "hh:mm", "None" (never crosses that date) or "*****" (on the neighbouring date).
std::string CrossingText(const TCrossing& c);

TRiseSet RiseSetText(const TBodyEvents& events);

// A crossing's place when a day's events are listed in time order: one on the neighbouring
// date first (-1), then the minutes of the date, a date without crossings last (1440).
int TimeOrder(const TCrossing& c);

// The texts of a date's events: the Moon's (with its illuminated percentage), the Sun's and
// each twilight's.
struct TDayTexts {
    TRiseSet Moon, Sun, Civil, Nautical, Astronomical;
    bool Skipped = false; // a date the place's clocks skip: every text is empty

    // Whether a body crosses an altitude twice in one direction on the date.
    bool HasSecond() const {
        return Moon.HasSecond() || Sun.HasSecond() || Civil.HasSecond() || Nautical.HasSecond() ||
               Astronomical.HasSecond();
    }
};
TDayTexts DayTexts(const TDayEvents& events);

// What a table shows for a date the place's clocks skip, in place of its events.
inline const std::string& SkippedDateText() {
    return Word(TWord::SkippedDate);
}

// The texts of SunEvents and MoonEvents (with the illuminated percentage).
TRiseSet SunRiseSet(TDateTimeRecord date, double h0, const Observer& observer);
TRiseSet MoonRiseSet(TDateTimeRecord date, const Observer& observer);

// The perigee or apogee line of the Moon panel in the observer's civil time:
// "hh:mm dd Month" and "356789 km", each with the two trailing blanks of the panel and at
// most 25 characters.
struct TApsisText {
    std::string DateText;
    std::string DistanceText;
};
// An eclipse magnitude rounded to thousandths (halves to even), never a negative zero, a value
// that is not finite as 0; with the fewest digits ("1.25", "1") or, with allDecimals, with all
// three ("1.250"), and the given decimal separator. The one-argument form is the windows':
// fewest digits, the regional separator.
std::string MagnitudeText(double magnitude, bool allDecimals, const std::string& separator);
std::string MagnitudeText(double magnitude);

TApsisText ApsisText(DynamicalTime instant, double distanceKm, const Observer& observer);

// The Moon panel's perigee and apogee lines; empty for an apsis the series does not give.
struct TPerigeeApogeeTexts {
    std::string PerigeeDistanceText;
    std::string PerigeeDateText;
    std::string ApogeeDistanceText;
    std::string ApogeeDateText;
};
TPerigeeApogeeTexts PerigeeApogeeText(const TPerigeeApogee& apsides, const Observer& observer);

// The texts of a year's equinoxes and solstices, in calendar order and as the window's rows
// (spring, summer, autumn, winter of the observer's hemisphere); empty for a year the calendar
// cannot show.
struct TEquinoxTexts {
    std::array<std::string, 4> EventTexts;     // the instant with its seconds
    std::array<std::string, 4> DisplayTexts;   // "hh:mm   dd Mon", the minute rounded
    std::array<std::string, 4> LengthTexts;    // "92.75 days"
    std::array<std::string, 4> RowTexts;       // the event label of each row
    std::array<std::string, 4> RowLengthTexts; // the length label of each row
};
TEquinoxTexts EquinoxTexts(const TEquinoxes& seasons);

// The date information window's texts of a day.
struct TDateInfoTexts {
    std::string DateText; // "05 February 2003"
    std::string JulianDayText;
    std::string DayNumberText;
    std::string WeekText; // "6  (2003-W6-3)"
    std::string DaysTillXmasText;
};
TDateInfoTexts DateInfoTexts(const TDateInfo& info);

// "New Moon", "First Quarter", "Full Moon" ("Blue Moon" for the second full moon of a local
// calendar month), "Last Quarter".
const std::string& PrincipalPhaseName(TPhaseKind kind, bool blue = false);

// A year event's name: its phase, "Total Lunar Eclipse", "Partial Lunar Eclipse",
// "Penumbral Lunar Eclipse", a solar eclipse's kind as the place sees it ("Partial Solar
// Eclipse"; the worldwide kind where the place sees none of it), "Perigee", "Apogee",
// "March Equinox", "June Solstice", "September Equinox" or "December Solstice".
std::string YearEventName(const TYearEvent& event);

// A principal phase's line of the phase list: "hh:mm  dd Month yyyy".
std::string PhaseText(const TDateTimeRecord& date);

// Right ascension (degrees, any turn) as hours, minutes, seconds; declination (degrees) as
// degrees, minutes, seconds.
TAngleText RightAscensionText(double degrees);
TAngleText DeclinationText(double degrees);

// "Penumbral Eclipse", "Partial Eclipse", "Total Eclipse"; "" for no eclipse.
const std::string& EclipseTypeName(TEclipseKind type);
// "Penumbral", "Partial", "Total"; "" for no eclipse.
const std::string& ShortEclipseTypeName(TEclipseKind type);
// "Penumbral Lunar Eclipse", "Partial Lunar Eclipse", "Total Lunar Eclipse"; "" for no
// eclipse: the name beside the solar ones in a list of both.
const std::string& LunarEclipseName(TEclipseKind type);

// "Visible", "Partially Visible" or "Not Visible".
const std::string& VisibilityText(TEclipseVisibility visibility);

// The texts of an eclipse at the observer: local clock times "hh:mm" of the maximum and the
// contacts (seconds dropped; empty for the phases the kind does not reach), the local date of
// the maximum "dd Month yyyy" and its visibility.
struct TEclipseTexts {
    std::string MaximumText;
    std::string PenumbraStartText;
    std::string PenumbraEndText;
    std::string UmbraStartText;
    std::string UmbraEndText;
    std::string TotalityStartText;
    std::string TotalityEndText;
    std::string DateText;
    std::string VisibilityText;
};
TEclipseTexts EclipseTexts(const TEclipseResult& eclipse);

// "Partial Solar Eclipse", "Annular Solar Eclipse", "Total Solar Eclipse", "Hybrid Solar
// Eclipse"; "" for none.
const std::string& SolarEclipseName(TSolarEclipseKind kind);
// "Partial", "Annular", "Total", "Hybrid"; "" for none.
const std::string& ShortSolarEclipseName(TSolarEclipseKind kind);

// The Sun's altitude in whole degrees, "58°"; "" for a value that is not finite.
std::string SunAltitudeText(double degrees);
// The part of the Sun's disc covered, in whole percent, "45%": a partial cover is never shown
// as 0% or 100%; "" for a value that is not finite.
std::string ObscurationText(double fraction);
// A length in whole seconds, "4 min 28 s"; "" for a length that is not finite or below 0.
std::string DurationText(double seconds);

// The texts of a solar eclipse at the observer's place, civil clock times "hh:mm" (seconds
// dropped). A contact's texts are empty where it does not happen.
struct TSolarContactTexts {
    std::string Time;
    std::string SunAltitude;
    bool SunUp = false;
};
struct TSolarEclipseTexts {
    // "Total Solar Eclipse (Visible)": the deepest phase at the place and how much of it the
    // place sees; the worldwide kind where the place sees none of it.
    std::string Title;
    // The worldwide kind where the place sees a lesser one ("Total Solar Eclipse"), else "".
    std::string WorldwideKind;
    // The date of the maximum at the place, "08 April 2024" (of greatest eclipse where the
    // shadow misses the place).
    std::string DateText;
    // Greatest eclipse worldwide in the place's civil time: its date, "08 April 2024", and
    // clock time; and the greatest magnitude.
    std::string GreatestDateText;
    std::string GreatestText;
    std::string GreatestMagnitudeText;
    TSolarContactTexts C1, C2, Maximum, C3, C4;
    // Where the Sun rises or sets between C1 and C4: the instant it does, else "".
    std::string SunriseText;
    std::string SunsetText;
    std::string MagnitudeText;
    std::string ObscurationText;
    std::string DurationText; // of totality or annularity; "" without it
};
TSolarEclipseTexts SolarEclipseTexts(const TSolarEclipseAtPlace& eclipse, const Observer& observer);

} // namespace crescendar
