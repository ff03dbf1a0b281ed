// The Moon's next perigee and apogee: instants and distances from the mean passages with the
// periodic terms of Meeus, Astronomical Algorithms, chapter 50.
#include "PerigeeApogee.h"
#include "Calendar.h"
#include "Phases.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace crescendar {

namespace {

// One periodic term: multiples of D, M and F in the argument, coefficient and its T rate.
struct TApsisTerm {
    int D, M, F;
    double Coefficient, TRate;
};

// Perigee time correction, days (sines).
constexpr TApsisTerm kPerigeeTime[] = {
    {2, 0, 0, -1.6769, 0},   {4, 0, 0, +0.4589, 0},         {6, 0, 0, -0.1856, 0},
    {8, 0, 0, +0.0883, 0},   {2, -1, 0, -0.0773, 0.00019},  {0, 1, 0, +0.0502, -0.00013},
    {10, 0, 0, -0.0460, 0},  {4, -1, 0, +0.0422, -0.00011}, {6, -1, 0, -0.0256, 0},
    {12, 0, 0, +0.0253, 0},  {1, 0, 0, +0.0237, 0},         {8, -1, 0, +0.0162, 0},
    {14, 0, 0, -0.0145, 0},  {0, 0, 2, +0.0129, 0},         {3, 0, 0, -0.0112, 0},
    {10, -1, 0, -0.0104, 0}, {16, 0, 0, +0.0086, 0},        {12, -1, 0, +0.0069, 0},
    {5, 0, 0, +0.0066, 0},   {2, 0, 2, -0.0053, 0},         {18, 0, 0, -0.0052, 0},
    {14, -1, 0, -0.0046, 0}, {7, 0, 0, -0.0041, 0},         {2, 1, 0, +0.0040, 0},
    {20, 0, 0, +0.0032, 0},  {1, 1, 0, -0.0032, 0},         {16, -1, 0, +0.0031, 0},
    {4, 1, 0, -0.0029, 0},   {9, 0, 0, +0.0027, 0},         {4, 0, 2, +0.0027, 0},
    {2, -2, 0, -0.0027, 0},  {4, -2, 0, +0.0024, 0},        {6, -2, 0, -0.0021, 0},
    {22, 0, 0, -0.0021, 0},  {18, -1, 0, -0.0021, 0},       {6, 1, 0, +0.0019, 0},
    {11, 0, 0, -0.0018, 0},  {8, 1, 0, -0.0014, 0},         {4, 0, -2, -0.0014, 0},
    {6, 0, 2, -0.0014, 0},   {3, 1, 0, +0.0014, 0},         {5, 1, 0, -0.0014, 0},
    {13, 0, 0, +0.0013, 0},  {20, -1, 0, +0.0013, 0},       {3, 2, 0, +0.0011, 0},
    {4, -2, 2, -0.0011, 0},  {1, 2, 0, -0.0010, 0},         {22, -1, 0, -0.0009, 0},
    {0, 0, 4, -0.0008, 0},   {6, 0, -2, +0.0008, 0},        {2, 1, -2, +0.0008, 0},
    {0, 2, 0, +0.0007, 0},   {0, -1, 2, +0.0007, 0},        {2, 0, 4, +0.0007, 0},
    {0, -2, 2, -0.0006, 0},  {2, 2, -2, -0.0006, 0},        {24, 0, 0, +0.0006, 0},
    {4, 0, -4, +0.0005, 0},  {2, 2, 0, +0.0005, 0},         {1, -1, 0, -0.0004, 0},
};

// Apogee time correction, days (sines).
constexpr TApsisTerm kApogeeTime[] = {
    {2, 0, 0, +0.4392, 0},         {4, 0, 0, +0.0684, 0},   {0, 1, 0, +0.0456, -0.00011},
    {2, -1, 0, +0.0426, -0.00011}, {0, 0, 2, +0.0212, 0},   {1, 0, 0, -0.0189, 0},
    {6, 0, 0, +0.0144, 0},         {4, -1, 0, +0.0113, 0},  {2, 0, 2, +0.0047, 0},
    {1, 1, 0, +0.0036, 0},         {8, 0, 0, +0.0035, 0},   {6, -1, 0, +0.0034, 0},
    {2, 0, -2, -0.0034, 0},        {2, -2, 0, +0.0022, 0},  {3, 0, 0, -0.0017, 0},
    {4, 0, 2, +0.0013, 0},         {8, -1, 0, +0.0011, 0},  {4, -2, 0, +0.0010, 0},
    {10, 0, 0, +0.0009, 0},        {3, 1, 0, +0.0007, 0},   {0, 2, 0, +0.0006, 0},
    {2, 1, 0, +0.0005, 0},         {2, 2, 0, +0.0005, 0},   {6, 0, 2, +0.0004, 0},
    {6, -2, 0, +0.0004, 0},        {10, -1, 0, +0.0004, 0}, {5, 0, 0, -0.0004, 0},
    {4, 0, -2, -0.0004, 0},        {0, 1, 2, +0.0003, 0},   {12, 0, 0, +0.0003, 0},
    {2, -1, 2, +0.0003, 0},        {1, -1, 0, -0.0003, 0},
};

// Perigee parallax, seconds of arc (cosines), added to 3629.215.
constexpr TApsisTerm kPerigeeParallax[] = {
    {2, 0, 0, +63.224, 0},      {4, 0, 0, -6.990, 0},   {2, -1, 0, +2.834, -0.0071},
    {6, 0, 0, +1.927, 0},       {1, 0, 0, -1.263, 0},   {8, 0, 0, -0.702, 0},
    {0, 1, 0, +0.696, -0.0017}, {0, 0, 2, -0.690, 0},   {4, -1, 0, -0.629, 0.0016},
    {2, 0, -2, -0.392, 0},      {10, 0, 0, +0.297, 0},  {6, -1, 0, +0.260, 0},
    {3, 0, 0, +0.201, 0},       {2, 1, 0, -0.161, 0},   {1, 1, 0, +0.157, 0},
    {12, 0, 0, -0.138, 0},      {8, -1, 0, -0.127, 0},  {2, 0, 2, +0.104, 0},
    {2, -2, 0, +0.104, 0},      {5, 0, 0, -0.079, 0},   {14, 0, 0, +0.068, 0},
    {10, -1, 0, +0.067, 0},     {4, 1, 0, +0.054, 0},   {12, -1, 0, -0.038, 0},
    {4, -2, 0, -0.038, 0},      {7, 0, 0, +0.037, 0},   {4, 0, 2, -0.037, 0},
    {16, 0, 0, -0.035, 0},      {3, 1, 0, -0.030, 0},   {1, -1, 0, +0.029, 0},
    {6, 1, 0, -0.025, 0},       {0, 2, 0, +0.023, 0},   {14, -1, 0, +0.023, 0},
    {2, 2, 0, -0.023, 0},       {6, -2, 0, +0.022, 0},  {2, -1, -2, -0.021, 0},
    {9, 0, 0, -0.020, 0},       {18, 0, 0, +0.019, 0},  {6, 0, 2, +0.017, 0},
    {0, -1, 2, +0.014, 0},      {16, -1, 0, -0.014, 0}, {4, 0, -2, +0.013, 0},
    {8, 1, 0, +0.012, 0},       {11, 0, 0, +0.011, 0},  {5, 1, 0, +0.010, 0},
    {20, 0, 0, -0.010, 0},
};

// Apogee parallax, seconds of arc (cosines), added to 3245.251.
constexpr TApsisTerm kApogeeParallax[] = {
    {2, 0, 0, -9.147, 0},  {1, 0, 0, -0.841, 0},  {0, 0, 2, +0.697, 0}, {0, 1, 0, -0.656, 0.0016},
    {4, 0, 0, +0.335, 0},  {2, -1, 0, +0.159, 0}, {1, 1, 0, +0.127, 0}, {4, -1, 0, +0.065, 0},
    {6, 0, 0, +0.052, 0},  {2, 1, 0, +0.043, 0},  {2, 0, 2, +0.031, 0}, {2, 0, -2, -0.023, 0},
    {2, -2, 0, +0.022, 0}, {2, 2, 0, +0.019, 0},  {0, 2, 0, -0.016, 0}, {6, -1, 0, +0.014, 0},
    {8, 0, 0, +0.010, 0},
};

struct TApsis {
    double JDE = 0.0;      // true instant, dynamical time
    double Parallax = 0.0; // seconds of arc
};

template <std::size_t N>
double SumTerms(const TApsisTerm (&terms)[N], double d, double m, double f, double t,
                double (*trig)(double)) {
    double sum = 0.0;
    for (const TApsisTerm& term : terms)
        sum += (term.Coefficient + term.TRate * t) * trig(term.D * d + term.M * m + term.F * f);
    return sum;
}

double Sine(double x) {
    return std::sin(x);
}
double Cosine(double x) {
    return std::cos(x);
}

double Arg(double degrees) {
    return DegToRad(NormaliseDegrees(degrees));
}

// The perigee (whole k) or apogee (k ending in .5) of step k.
TApsis Apsis(double k) {
    const double t = k / 1325.55;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double mean =
        2451534.6698 + 27.55454988 * k - 0.0006886 * t2 - 0.000001098 * t3 + 0.0000000052 * t4;
    const double d =
        Arg(171.9179 + 335.9106046 * k - 0.010025 * t2 - 0.00001156 * t3 + 0.000000055 * t4);
    const double m = Arg(347.3477 + 27.1577721 * k - 0.0008323 * t2 - 0.000001 * t3);
    const double f = Arg(316.6109 + 364.5287911 * k - 0.0125131 * t2 - 0.0000148 * t3);

    TApsis a;
    if (k == std::floor(k)) {
        a.JDE = mean + SumTerms(kPerigeeTime, d, m, f, t, Sine);
        a.Parallax = 3629.215 + SumTerms(kPerigeeParallax, d, m, f, t, Cosine);
    } else {
        a.JDE = mean + SumTerms(kApogeeTime, d, m, f, t, Sine);
        a.Parallax = 3245.251 + SumTerms(kApogeeParallax, d, m, f, t, Cosine);
    }
    return a;
}

} // namespace

TApsisEvent NextApsis(DynamicalTime from, long double estimate, bool perigee) {
    const double jd = from.JD;
    // The estimate drifts by weeks over the millennia; start from an event before jd so that
    // none at or after it is passed over.
    double k = static_cast<double>(static_cast<std::int64_t>(2 * estimate)) / 2.0;
    for (int guard = 0; guard < 200 && Apsis(k).JDE >= jd; ++guard) k -= 0.5;
    if ((k == std::floor(k)) != perigee) k += 0.5;
    for (int guard = 0; guard < 400; ++guard, k += 1.0) {
        const TApsis a = Apsis(k);
        if (a.JDE >= jd) {
            return {DynamicalTime{a.JDE}, a.Parallax,
                    6378.14 / std::sin(DegToRad(a.Parallax / 3600.0))};
        }
    }
    return {DynamicalTime{NAN}, NAN, NAN};
}

TPerigeeApogee PerigeeApogee(TDateTimeRecord date, const Observer& observer) {
    double jd = date.JD;
    if (!std::isfinite(jd)) jd = DateToJulianDay(date);
    // The query is a local civil instant; the series give dynamical time, which the program
    // shows as civil time by adding the offset in force alone (no Delta T). Both sides of the
    // comparison are taken on the series' scale: the query less its offset.
    const DynamicalTime query = LocalAsSeriesInstant(LocalTime{jd}, observer);
    const long double estimate = CycleEstimate(date, 13.2555L);

    TPerigeeApogee result;
    for (const bool perigee : {true, false}) {
        const TApsisEvent a = NextApsis(query, estimate, perigee);
        if (!std::isfinite(a.JDE.JD)) continue;
        (perigee ? result.Perigee : result.Apogee) = a;
    }
    return result;
}

} // namespace crescendar
