#include "YearEvents.h"

#include "Calendar.h"
#include "PerigeeApogee.h"
#include "Phases.h"

#include <algorithm>
#include <cmath>

namespace crescendar {

namespace {

TYearEvent Instant(TYearEventKind kind, UniversalTime t) {
    TYearEvent e;
    e.Kind = kind;
    e.Start = e.End = e.Instant = t;
    return e;
}

void AddPhases(int from, int to, const Observer& observer, std::vector<TYearEvent>& out) {
    for (int year = from; year <= to; ++year) {
        for (int month = 1; month <= 12; ++month) {
            TPhaseList list;
            const int count = MonthPhases(MakeDate(year, month, 1), observer, list);
            for (int i = 0; i < count; ++i) {
                const TPhaseEntry& p = list[static_cast<std::size_t>(i)];
                TYearEvent e =
                    Instant(TYearEventKind::Phase, SeriesInstantAsUniversal(TruePhase(p.K)));
                e.Phase = p.Kind;
                e.BlueMoon = IsBlueMoon(list, count, i);
                out.push_back(std::move(e));
            }
        }
    }
}

void AddEclipses(int from, int to, const Observer& observer, std::vector<TYearEvent>& out) {
    for (TEclipseResult& r : FindEclipses(from, to, observer)) {
        TYearEvent e;
        e.Kind = TYearEventKind::Eclipse;
        e.Instant = r.Elements.JD;
        e.Start = r.Elements.JD - r.Elements.PenumbralSemiduration;
        e.End = r.Elements.JD + r.Elements.PenumbralSemiduration;
        e.Eclipse = std::move(r);
        out.push_back(std::move(e));
    }
}

void AddSolarEclipses(int from, int to, const Observer& observer, std::vector<TYearEvent>& out) {
    for (TSolarEclipseAtPlace& s : FindSolarEclipses(from, to, observer)) {
        TYearEvent e = Instant(TYearEventKind::SolarEclipse, s.Eclipse.Greatest);
        const TSolarLocalCircumstances& l = s.Local;
        // Seen from the place, the eclipse lasts there from C1 to C4; otherwise it is dated by
        // greatest eclipse alone.
        if (SeenAtPlace(l)) {
            e.Start = l.C1.Instant;
            e.End = l.C4.Instant;
        }
        e.SolarEclipse = std::make_shared<const TSolarEclipseAtPlace>(std::move(s));
        out.push_back(std::move(e));
    }
}

void AddApsides(int from, int to, const Observer& observer, std::vector<TYearEvent>& out) {
    const LocalTime first{JulianDayOfYearStart(static_cast<std::uint16_t>(from))};
    const LocalTime end{to >= 9999 ? DateToJulianDay(MakeDate(9999, 12, 31, 23, 59, 59))
                                   : JulianDayOfYearStart(static_cast<std::uint16_t>(to + 1))};
    for (const bool perigee : {true, false}) {
        DynamicalTime query = LocalAsSeriesInstant(first, observer);
        // Perigees (and apogees) follow each other every 25 to 30 days; a search that finds
        // none (only beyond the series' reach) ends the walk.
        for (int guard = 0; guard < 20 * 9999; ++guard) {
            TDateTimeRecord at = JulianDayToDate(query.JD);
            at.JD = query.JD;
            const TApsisEvent a = NextApsis(query, CycleEstimate(at, 13.2555L), perigee);
            if (!std::isfinite(a.JDE.JD)) break;
            if (SeriesInstantAsLocal(a.JDE, observer) >= end) break;
            TYearEvent e = Instant(perigee ? TYearEventKind::Perigee : TYearEventKind::Apogee,
                                   SeriesInstantAsUniversal(a.JDE));
            e.DistanceKm = a.DistanceKm;
            out.push_back(std::move(e));
            query = a.JDE + 1.0;
        }
    }
}

void AddSeasons(int from, int to, std::vector<TYearEvent>& out) {
    for (int year = from; year <= to; ++year) {
        const auto y = static_cast<std::uint16_t>(year);
        // The instants alone: the window's local texts and season lengths are not needed.
        const std::array<DynamicalTime, 4> instants = SeasonInstants(y);
        for (std::size_t i = 0; i < 4; ++i) {
            const auto which = static_cast<TSeasonEvent>(i);
            TYearEvent e = Instant(TYearEventKind::Season, ToUniversal(instants[i], DeltaT(y)));
            e.Season = which;
            out.push_back(std::move(e));
        }
    }
}

} // namespace

std::vector<TYearEvent> YearEvents(int fromYear, int toYear, const Observer& observer,
                                   const TYearEventKinds& kinds) {
    std::vector<TYearEvent> events;
    const int from = std::max(fromYear, 1);
    const int to = std::min(toYear, 9999);
    if (to < from) return events;
    if (kinds.Phases) AddPhases(from, to, observer, events);
    if (kinds.Eclipses) {
        AddEclipses(from, to, observer, events);
        AddSolarEclipses(from, to, observer, events);
    }
    if (kinds.Apsides) AddApsides(from, to, observer, events);
    if (kinds.Seasons) AddSeasons(from, to, events);
    std::stable_sort(events.begin(), events.end(), [](const TYearEvent& a, const TYearEvent& b) {
        return a.Instant < b.Instant;
    });
    return events;
}

} // namespace crescendar
