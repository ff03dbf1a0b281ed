// The principal phases of the Moon: mean and true instants (Meeus, Astronomical Algorithms,
// chapter 49), the phase list of a calendar month and the new moons around an instant.
#include "Phases.h"
#include "Calendar.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace crescendar {

namespace {

// Argument in degrees reduced to one turn, in radians.
double Arg(double degrees) {
    return DegToRad(NormaliseDegrees(degrees));
}

// Periodic terms of the true phase: the coefficient of each term for new moon, full moon and
// the quarters, with the power of E that multiplies it (0, 1 or 2) and the multiples of
// M, M', F and Omega in its argument.
struct TPhaseTerm {
    double New, Full, Quarter;
    int ENew, EFull, EQuarter;
    int M, Mp, F, Om;
};

constexpr TPhaseTerm kPhaseTerms[] = {
    {-0.40720, -0.40614, -0.62801, 0, 0, 0, 0, 1, 0, 0},
    {+0.17241, +0.17302, +0.17172, 1, 1, 1, 1, 0, 0, 0},
    {+0.01608, +0.01614, +0.00862, 0, 0, 0, 0, 2, 0, 0},
    {+0.01039, +0.01043, +0.00804, 0, 0, 0, 0, 0, 2, 0},
    {+0.00739, +0.00734, +0.00454, 1, 1, 1, -1, 1, 0, 0},
    {-0.00514, -0.00515, -0.01183, 1, 1, 1, 1, 1, 0, 0},
    {+0.00208, +0.00209, +0.00204, 2, 2, 2, 2, 0, 0, 0},
    {-0.00111, -0.00111, -0.00180, 0, 0, 0, 0, 1, -2, 0},
    {-0.00057, -0.00057, -0.00070, 0, 0, 0, 0, 1, 2, 0},
    {+0.00056, +0.00056, +0.00027, 1, 1, 1, 1, 2, 0, 0},
    {-0.00042, -0.00042, -0.00040, 0, 0, 0, 0, 3, 0, 0},
    {+0.00042, +0.00042, +0.00032, 1, 1, 1, 1, 0, 2, 0},
    {+0.00038, +0.00038, +0.00032, 1, 1, 1, 1, 0, -2, 0},
    {-0.00024, -0.00024, -0.00034, 1, 1, 1, -1, 2, 0, 0},
    {-0.00017, -0.00017, -0.00017, 0, 0, 0, 0, 0, 0, 1},
    {-0.00007, -0.00007, -0.00028, 0, 0, 2, 2, 1, 0, 0},
    {+0.00004, +0.00004, +0.00002, 0, 0, 0, 0, 2, -2, 0},
    {+0.00004, +0.00004, +0.00003, 0, 0, 0, 3, 0, 0, 0},
    {+0.00003, +0.00003, +0.00003, 0, 0, 0, 1, 1, -2, 0},
    {+0.00003, +0.00003, +0.00004, 0, 0, 0, 0, 2, 2, 0},
    {-0.00003, -0.00003, -0.00004, 0, 0, 0, 1, 1, 2, 0},
    {+0.00003, +0.00003, +0.00002, 0, 0, 0, -1, 1, 2, 0},
    {-0.00002, -0.00002, -0.00005, 0, 0, 0, -1, 1, -2, 0},
    {-0.00002, -0.00002, -0.00002, 0, 0, 0, 1, 3, 0, 0},
    {+0.00002, +0.00002, 0.0, 0, 0, 0, 0, 4, 0, 0},
    {0.0, 0.0, +0.00004, 0, 0, 0, -2, 1, 0, 0},
};

// Planetary arguments: constant and rate per lunation in degrees, and the coefficient in days.
struct TPlanetaryTerm {
    double A0, A1, Coefficient;
};

constexpr TPlanetaryTerm kPlanetaryTerms[] = {
    {299.77, 0.107408, 0.000325},  {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.000060},  {154.84, 7.30686, 0.000056},  {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042},  {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
    {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
};

// True phase instant of lunation step k, shown in the observer's local civil time.
LocalTime LocalPhase(double k, const Observer& observer) {
    return SeriesInstantAsLocal(TruePhase(k), observer);
}

} // namespace

DynamicalTime MeanPhase(double k, TPhasePowers& powers) {
    powers.T = static_cast<double>(k / 1236.85L);
    powers.T2 = powers.T * powers.T;
    powers.T3 = powers.T2 * powers.T;
    powers.T4 = powers.T3 * powers.T;
    return DynamicalTime{2451550.09765 + 29.530588853 * k + 0.0001337 * powers.T2 -
                         0.00000015 * powers.T3 + 0.00000000073 * powers.T4};
}

TPhaseKind PhaseKindOf(double k) {
    // The quarter step of the fraction of k, the same for negative k as for positive.
    const double quarter = std::nearbyint((k - std::floor(k)) * 4.0);
    switch (static_cast<int>(quarter) % 4) {
    case 1:
        return TPhaseKind::FirstQuarter;
    case 2:
        return TPhaseKind::FullMoon;
    case 3:
        return TPhaseKind::LastQuarter;
    default:
        return TPhaseKind::NewMoon;
    }
}

double PhaseCorrection(const TPhasePowers& powers, TPhaseKind kind, double k) {
    const double t2 = powers.T2;
    const double t3 = powers.T3;
    const double t4 = powers.T4;
    const double m = Arg(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3);
    const double mp =
        Arg(201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4);
    const double f =
        Arg(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 + 0.000000011 * t4);
    const double om = Arg(124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3);
    const double e = 1 - 0.002516 * powers.T - 0.0000074 * t2;
    const double ePower[3] = {1.0, e, e * e};

    const bool quarter = kind == TPhaseKind::FirstQuarter || kind == TPhaseKind::LastQuarter;
    double sum = 0.0;
    for (const TPhaseTerm& term : kPhaseTerms) {
        double c = term.New;
        int ep = term.ENew;
        if (kind == TPhaseKind::FullMoon) {
            c = term.Full;
            ep = term.EFull;
        } else if (quarter) {
            c = term.Quarter;
            ep = term.EQuarter;
        }
        if (c == 0.0) continue;
        sum += c * ePower[ep] * std::sin(term.M * m + term.Mp * mp + term.F * f + term.Om * om);
    }

    if (quarter) {
        const double w = 0.00306 - 0.00038 * e * std::cos(m) + 0.00026 * std::cos(mp) -
                         0.00002 * std::cos(mp - m) + 0.00002 * std::cos(mp + m) +
                         0.00002 * std::cos(2 * f);
        sum += kind == TPhaseKind::FirstQuarter ? w : -w;
    }

    double planetary = 0.0;
    for (std::size_t i = 0; i < std::size(kPlanetaryTerms); ++i) {
        const TPlanetaryTerm& term = kPlanetaryTerms[i];
        double a = term.A0 + term.A1 * k;
        if (i == 0) a -= 0.009173 * t2;
        planetary += term.Coefficient * std::sin(DegToRad(a));
    }
    return sum + planetary;
}

DynamicalTime TruePhase(double k) {
    TPhasePowers powers;
    const DynamicalTime mean = MeanPhase(k, powers);
    return mean + PhaseCorrection(powers, PhaseKindOf(k), k);
}

int MonthPhases(TDateTimeRecord date, const Observer& observer, TPhaseList& list) {
    const int year = date.Year;
    const int month = date.Month;
    const double jd0 = JulianDayOfYearStart(date.Year);
    // The month's bounds, local civil time.
    const LocalTime jd1{DateToJulianDay(MakeDate(year, month, 1))};
    const LocalTime jd2{month >= 12 ? JulianDayOfYearStart(static_cast<std::uint16_t>(year + 1))
                                    : DateToJulianDay(MakeDate(year, month + 1, 1))};

    // First estimate of the quarter step at the start of the month.
    const long double estimate = ((jd1.JD - jd0) / 365.25L + year - 2000) * 12.3685L;
    long double q = 4 * estimate;
    if (estimate < 0) q -= 1;
    double k = static_cast<double>(static_cast<std::int64_t>(q)) / 4.0;

    // The estimate drifts by days over the centuries (calendar year against lunations) and
    // the zone moves the local instants: step back to a phase before the month.
    for (int guard = 0; guard < 400 && LocalPhase(k, observer) >= jd1; ++guard) k -= 0.25;

    int count = 0;
    for (int guard = 0; guard < 400 && count < static_cast<int>(list.size()); ++guard) {
        const LocalTime local = LocalPhase(k, observer);
        if (local >= jd2) break;
        if (local >= jd1) {
            TPhaseEntry& entry = list[static_cast<std::size_t>(count)];
            entry.K = k;
            entry.Kind = PhaseKindOf(k);
            entry.Instant = local;
            entry.Date = JulianDayToDate(local.JD);
            ++count;
        }
        k += 0.25;
    }
    return count;
}

long double CycleEstimate(const TDateTimeRecord& date, long double cyclesPerYear) {
    double jd = date.JD;
    if (!std::isfinite(jd)) jd = DateToJulianDay(date);
    const long double estimate =
        ((jd - JulianDayOfYearStart(date.Year)) / 365.25L + date.Year - 2000) * cyclesPerYear;
    return std::clamp(estimate, -1e7L, 1e7L);
}

bool IsBlueMoon(const TPhaseList& list, int count, int index) {
    return index == 4 && count == 5 && list[4].Kind == TPhaseKind::FullMoon;
}

TLunationBracket LunationBracket(UniversalTime ut) {
    // Compared with the series' instants as given (the program's rule).
    const DynamicalTime jd = SeriesArgument(ut);
    TDateTimeRecord date = JulianDayToDate(ut.JD);
    date.JD = ut.JD;
    const double k = static_cast<double>(CycleEstimate(date, 12.3685L));
    double k0 = static_cast<double>(static_cast<std::int64_t>(k));
    if (k < 0) k0 -= 1;

    // The estimate can miss by a lunation (calendar drift); step until the pair brackets jd.
    DynamicalTime previous = TruePhase(k0);
    for (int guard = 0; guard < 100 && previous > jd; ++guard) {
        k0 -= 1;
        previous = TruePhase(k0);
    }
    DynamicalTime next = TruePhase(k0 + 1);
    for (int guard = 0; guard < 100 && next <= jd; ++guard) {
        k0 += 1;
        previous = next;
        next = TruePhase(k0 + 1);
    }
    return {previous, next};
}

} // namespace crescendar
