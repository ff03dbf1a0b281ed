#include "EventText.h"

#include "Calendar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace crescendar {

namespace {

const std::string kNoText;

// A length in hundredths of a day in its shortest decimal form: 92.75, 92.7 or 93.
std::string LengthText(std::int64_t hundredths) {
    std::string s = std::to_string(hundredths / 100);
    const std::int64_t fraction = hundredths % 100;
    if (fraction != 0) {
        s += RegionalNames().DecimalSeparator;
        s += fraction % 10 == 0 ? std::to_string(fraction / 10) : TwoDigits(fraction);
    }
    return Phrase(TWord::DaysLength, {s});
}

// General form of a double: up to 15 significant digits, trailing zeros dropped.
std::string GeneralText(double x) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15).ptr;
    std::string s(buffer, end);
    const auto point = s.find('.');
    if (point != std::string::npos) s.replace(point, 1, RegionalNames().DecimalSeparator);
    return s;
}

// "dd Mon": the day and the short month name, which tells June from July in every language.
std::string DayMonthText(const TDateTimeRecord& d) {
    return TwoDigits(d.Day) + " " + ShortMonthName(d.Month);
}

} // namespace

const std::string& PrincipalPhaseName(TPhaseKind kind, bool blue) {
    switch (kind) {
    case TPhaseKind::NewMoon:
        return Word(TWord::NewMoon);
    case TPhaseKind::FirstQuarter:
        return Word(TWord::FirstQuarter);
    case TPhaseKind::FullMoon:
        return Word(blue ? TWord::BlueMoon : TWord::FullMoon);
    case TPhaseKind::LastQuarter:
        return Word(TWord::LastQuarter);
    }
    return kNoText;
}

namespace {

// The word of an eclipse kind among three consecutive words (penumbral, partial, total).
const std::string& EclipseWord(TEclipseKind type, TWord penumbral) {
    if (type < kPenumbralEclipse || type > kTotalEclipse) return kNoText;
    return Word(static_cast<TWord>(
        static_cast<std::size_t>(penumbral) +
        (static_cast<std::size_t>(type) - static_cast<std::size_t>(kPenumbralEclipse))));
}

const std::string& SeasonName(TSeasonEvent e) {
    switch (e) {
    case TSeasonEvent::MarchEquinox:
        return Word(TWord::MarchEquinox);
    case TSeasonEvent::JuneSolstice:
        return Word(TWord::JuneSolstice);
    case TSeasonEvent::SeptemberEquinox:
        return Word(TWord::SeptemberEquinox);
    case TSeasonEvent::DecemberSolstice:
        return Word(TWord::DecemberSolstice);
    }
    return kNoText;
}

} // namespace

std::string YearEventName(const TYearEvent& e) {
    switch (e.Kind) {
    case TYearEventKind::Phase:
        return PrincipalPhaseName(e.Phase, e.BlueMoon);
    case TYearEventKind::Eclipse:
        return LunarEclipseName(e.Eclipse.EclipseType);
    case TYearEventKind::Perigee:
        return Word(TWord::Perigee);
    case TYearEventKind::Apogee:
        return Word(TWord::Apogee);
    case TYearEventKind::Season:
        return SeasonName(e.Season);
    case TYearEventKind::SolarEclipse:
        // What the place sees of it, or the worldwide kind where it sees none.
        return e.SolarEclipse ? SolarEclipseName(ShownKind(*e.SolarEclipse)) : std::string();
    }
    return {};
}

std::string ClockText(int minute) {
    return TwoDigits(minute / 60) + ":" + TwoDigits(minute % 60);
}

std::string ClockText(LocalTime t) {
    return WhenTexts(JulianDayToDate(t.JD)).Clock;
}

TWhenTexts WhenTexts(const TDateTimeRecord& d) {
    const std::string text = DateTimeToText(d);
    return {text.substr(0, 5), CutText(text.substr(10), 40)};
}

std::string CrossingText(const TCrossing& c) {
    switch (c.Kind) {
    case TCrossingKind::At:
        return ClockText(c.Minute);
    case TCrossingKind::AlwaysAbove:
    case TCrossingKind::AlwaysBelow:
        return Word(TWord::NoCrossing);
    case TCrossingKind::NeighbouringDate:
        break;
    }
    return "*****";
}

int TimeOrder(const TCrossing& c) {
    switch (c.Kind) {
    case TCrossingKind::NeighbouringDate:
        return -1;
    case TCrossingKind::At:
        return c.Minute;
    case TCrossingKind::AlwaysAbove:
    case TCrossingKind::AlwaysBelow:
        break;
    }
    return 1440;
}

TRiseSet RiseSetText(const TBodyEvents& events) {
    TRiseSet r;
    r.RiseText = CrossingText(events.Rise);
    r.TransitText = CrossingText(events.Transit);
    r.SetText = CrossingText(events.Set);
    const auto second = [](const TCrossing& c) {
        return c.Happens() ? ClockText(c.Minute) : std::string();
    };
    r.SecondRiseText = second(events.SecondRise);
    r.SecondTransitText = second(events.SecondTransit);
    r.SecondSetText = second(events.SecondSet);
    return r;
}

TDayTexts DayTexts(const TDayEvents& e) {
    if (e.Kind == TDateKind::Skipped) {
        TDayTexts skipped;
        skipped.Skipped = true;
        return skipped;
    }
    TDayTexts t{RiseSetText(e.Moon), RiseSetText(e.Sun), RiseSetText(e.CivilTwilight),
                RiseSetText(e.NauticalTwilight), RiseSetText(e.AstronomicalTwilight)};
    t.Moon.IlluminatedPercent = e.MoonIlluminatedPercent;
    return t;
}

TRiseSet SunRiseSet(TDateTimeRecord date, double h0, const Observer& observer) {
    return RiseSetText(SunEvents(date, h0, observer));
}

TRiseSet MoonRiseSet(TDateTimeRecord date, const Observer& observer) {
    std::int32_t illuminated = 0;
    TRiseSet r = RiseSetText(MoonEvents(date, observer, &illuminated));
    r.IlluminatedPercent = illuminated;
    return r;
}

TApsisText ApsisText(DynamicalTime instant, double distanceKm, const Observer& observer) {
    // Half a minute added so that the cut seconds are rounded ones.
    const LocalTime local = SeriesInstantAsLocal(instant, observer) + 0.5 / 1440.0;
    const TDateTimeRecord date = JulianDayToDate(local.JD);
    const std::string full = CutText(DateTimeToText(date), 25);
    return {CutText(SubText(full, 1, 5) + "  " + DayMonthText(date) + "  ", 25),
            CutText(std::to_string(std::llrint(distanceKm)) + " km  ", 25)};
}

const std::string& EclipseTypeName(TEclipseKind type) {
    return EclipseWord(type, TWord::PenumbralEclipse);
}

const std::string& ShortEclipseTypeName(TEclipseKind type) {
    return EclipseWord(type, TWord::Penumbral);
}

const std::string& LunarEclipseName(TEclipseKind type) {
    return EclipseWord(type, TWord::PenumbralLunarEclipse);
}

const std::string& VisibilityText(TEclipseVisibility visibility) {
    switch (visibility) {
    case TEclipseVisibility::Visible:
        return Word(TWord::Visible);
    case TEclipseVisibility::PartlyVisible:
        return Word(TWord::PartiallyVisible);
    case TEclipseVisibility::NotVisible:
        break;
    }
    return Word(TWord::NotVisible);
}

TEclipseTexts EclipseTexts(const TEclipseResult& r) {
    TEclipseTexts t;
    if (r.EclipseType == kNoEclipse) return t;
    TWhenTexts when = WhenTexts(r.MaximumDate);
    t.MaximumText = std::move(when.Clock);
    t.DateText = std::move(when.Date);
    t.PenumbraStartText = ClockText(r.PenumbraStart);
    t.PenumbraEndText = ClockText(r.PenumbraEnd);
    if (r.EclipseType >= kPartialEclipse) {
        t.UmbraStartText = ClockText(r.UmbraStart);
        t.UmbraEndText = ClockText(r.UmbraEnd);
    }
    if (r.EclipseType == kTotalEclipse) {
        t.TotalityStartText = ClockText(r.TotalityStart);
        t.TotalityEndText = ClockText(r.TotalityEnd);
    }
    t.VisibilityText = VisibilityText(r.Visibility);
    return t;
}

namespace {

// The word of a solar kind from its list (partial, annular, total, hybrid); "" for none.
const std::string& SolarKindWord(TSolarEclipseKind kind, const std::array<TWord, 4>& words) {
    const auto i = static_cast<std::size_t>(kind);
    return i >= 1 && i <= words.size() ? Word(words[i - 1]) : kNoText;
}

} // namespace

const std::string& SolarEclipseName(TSolarEclipseKind kind) {
    return SolarKindWord(kind, {TWord::PartialSolarEclipse, TWord::AnnularSolarEclipse,
                                TWord::TotalSolarEclipse, TWord::HybridSolarEclipse});
}

const std::string& ShortSolarEclipseName(TSolarEclipseKind kind) {
    return SolarKindWord(kind, {TWord::Partial, TWord::Annular, TWord::Total, TWord::Hybrid});
}

std::string SunAltitudeText(double degrees) {
    if (!std::isfinite(degrees)) return {};
    const long long whole = std::llround(degrees);
    // llround gives an integer: no negative zero can come of it.
    return std::to_string(whole) + "\u00b0";
}

std::string ObscurationText(double fraction) {
    if (!std::isfinite(fraction)) return {};
    long long percent = std::llround(std::clamp(fraction, 0.0, 1.0) * 100.0);
    // A sliver of the Sun left, or a sliver covered, is not the whole nor nothing.
    if (fraction > 0.0 && fraction < 1.0) percent = std::clamp(percent, 1LL, 99LL);
    return Phrase(TWord::PercentValue, {std::to_string(percent)});
}

std::string DurationText(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0.0) return {};
    // Rounded as a whole first, so that 59.6 s becomes 1 min 0 s, never 60 s.
    const long long whole = std::llround(std::min(seconds, 1e9));
    return Phrase(TWord::MinutesSeconds, {std::to_string(whole / 60), std::to_string(whole % 60)});
}

namespace {

TSolarContactTexts ContactTexts(const TSolarContact& c) {
    if (!c.Happens) return {};
    return {ClockText(c.Local), SunAltitudeText(c.SunAltitude), c.SunUp};
}

// "dd Month yyyy" of a local instant.
std::string LocalDateText(LocalTime t) {
    return WhenTexts(JulianDayToDate(t.JD)).Date;
}

} // namespace

TSolarEclipseTexts SolarEclipseTexts(const TSolarEclipseAtPlace& e, const Observer& observer) {
    TSolarEclipseTexts t;
    const TSolarLocalCircumstances& l = e.Local;
    if (e.Eclipse.Kind == TSolarEclipseKind::None) return t;
    t.Title = SolarEclipseName(ShownKind(e)) + " (" + VisibilityText(l.Visibility) + ")";
    if (l.Kind != TSolarEclipseKind::None && l.Kind != e.Eclipse.Kind)
        t.WorldwideKind = SolarEclipseName(e.Eclipse.Kind);
    const LocalTime greatest = observer.ToLocal(e.Eclipse.Greatest);
    t.GreatestDateText = LocalDateText(greatest);
    t.GreatestText = ClockText(greatest);
    t.GreatestMagnitudeText = crescendar::MagnitudeText(e.Eclipse.Magnitude);
    t.DateText = LocalDateText(observer.ToLocal(ShownMaximum(e)));
    if (!SeenAtPlace(l)) return t;
    t.C1 = ContactTexts(l.C1);
    t.C2 = ContactTexts(l.C2);
    t.Maximum = ContactTexts(l.Maximum);
    t.C3 = ContactTexts(l.C3);
    t.C4 = ContactTexts(l.C4);
    if (l.Visibility == TEclipseVisibility::PartlyVisible) {
        if (!l.C1.SunUp) t.SunriseText = ClockText(observer.ToLocal(l.VisibleFrom));
        if (!l.C4.SunUp) t.SunsetText = ClockText(observer.ToLocal(l.VisibleTo));
    }
    t.MagnitudeText = crescendar::MagnitudeText(l.AtMaximum.Magnitude);
    t.ObscurationText = ObscurationText(l.AtMaximum.Obscuration);
    if (l.C2.Happens && l.C3.Happens) t.DurationText = DurationText(l.CentralDuration);
    return t;
}

TPerigeeApogeeTexts PerigeeApogeeText(const TPerigeeApogee& apsides, const Observer& observer) {
    TPerigeeApogeeTexts t;
    if (std::isfinite(apsides.Perigee.JDE.JD)) {
        TApsisText text = ApsisText(apsides.Perigee.JDE, apsides.Perigee.DistanceKm, observer);
        t.PerigeeDateText = std::move(text.DateText);
        t.PerigeeDistanceText = std::move(text.DistanceText);
    }
    if (std::isfinite(apsides.Apogee.JDE.JD)) {
        TApsisText text = ApsisText(apsides.Apogee.JDE, apsides.Apogee.DistanceKm, observer);
        t.ApogeeDateText = std::move(text.DateText);
        t.ApogeeDistanceText = std::move(text.DistanceText);
    }
    return t;
}

std::string PhaseText(const TDateTimeRecord& date) {
    const std::string full = DateTimeToText(date);
    return CutText(SubText(full, 1, 5) + SubText(full, 9), 60);
}

TEquinoxTexts EquinoxTexts(const TEquinoxes& seasons) {
    TEquinoxTexts t;
    if (seasons.Year < 1 || seasons.Year > 9999) return t;
    for (std::size_t i = 0; i < 4; ++i) {
        t.EventTexts[i] = DateTimeToText(JulianDayToDate(seasons.Instants[i].JD));
        const std::string shown = DateTimeToText(seasons.Local[i]);
        t.DisplayTexts[i] = SubText(shown, 1, 5) + "   " + DayMonthText(seasons.Local[i]);
        t.LengthTexts[i] = LengthText(std::llround(seasons.Lengths[i] * 100.0));
    }
    for (std::size_t row = 0; row < 4; ++row) {
        const auto event = static_cast<std::size_t>(seasons.RowEvent[row]);
        t.RowTexts[row] = t.DisplayTexts[event];
        t.RowLengthTexts[row] = t.LengthTexts[event];
    }
    return t;
}

TDateInfoTexts DateInfoTexts(const TDateInfo& i) {
    TDateInfoTexts t;
    TDateTimeRecord day = i.Date;
    day.Hour = day.Minute = day.Second = day.MSec = 0;
    t.DateText = SubText(DateTimeToText(day), 11);
    t.JulianDayText = GeneralText(i.JulianDay);
    t.DayNumberText = std::to_string(i.DayNumber);
    t.WeekText = std::to_string(i.Week) + "  (" + std::to_string(i.WeekYear) + "-W" +
                 std::to_string(i.Week) + "-" + std::to_string(i.Weekday) + ")";
    t.DaysTillXmasText = std::to_string(i.DaysTillXmas);
    return t;
}

TAngleText RightAscensionText(double degrees) {
    return HoursText(OneTurn(degrees) / 15.0);
}

TAngleText DeclinationText(double degrees) {
    return DegreesToDMS(degrees);
}

std::string MagnitudeText(double magnitude, bool allDecimals, const std::string& separator) {
    double m = std::isfinite(magnitude) ? std::nearbyint(magnitude * 1000.0) / 1000.0 : 0.0;
    if (m == 0.0) m = 0.0; // no negative zero
    char buffer[64];
    const auto result =
        allDecimals ? std::to_chars(buffer, buffer + sizeof buffer, m, std::chars_format::fixed, 3)
                    : std::to_chars(buffer, buffer + sizeof buffer, m, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    if (const auto dot = text.find('.'); dot != std::string::npos && separator != ".")
        text.replace(dot, 1, separator);
    return text;
}

std::string MagnitudeText(double magnitude) {
    return MagnitudeText(magnitude, false, RegionalNames().DecimalSeparator);
}

} // namespace crescendar
