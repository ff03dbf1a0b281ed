// The quick eclipse test at a syzygy (Meeus, Astronomical Algorithms, chapter 54).
#include "EclipseSeries.h"

#include "Calendar.h"
#include "Phases.h"

#include <cmath>

namespace crescendar {

namespace {

// Argument in degrees reduced to one turn, in radians.
double Arg(double degrees) {
    return DegToRad(NormaliseDegrees(degrees));
}

} // namespace

TMeanArguments MeanArguments(double k, const TPhasePowers& p) {
    TMeanArguments a;
    a.M = Arg(2.5534 + 29.10535669 * k - 0.0000218 * p.T2 - 0.00000011 * p.T3);
    a.Mp = Arg(201.5643 + 385.81693528 * k + 0.0107438 * p.T2 + 0.00001239 * p.T3 -
               0.000000058 * p.T4);
    a.F = Arg(160.7108 + 390.67050274 * k - 0.0016341 * p.T2 - 0.00000227 * p.T3 +
              0.000000011 * p.T4);
    a.Omega = Arg(124.7746 - 1.5637558 * k + 0.0020691 * p.T2 + 0.00000215 * p.T3);
    return a;
}

bool FarFromNode(double f) {
    return std::fabs(std::sin(f)) > 0.36;
}

TSyzygyEclipse SyzygyEclipse(double k) {
    TSyzygyEclipse s;
    if (!std::isfinite(k)) return s;
    TPhasePowers p;
    const double mean = MeanPhase(k, p).JD;
    s.Arguments = MeanArguments(k, p);
    const double m = s.Arguments.M;
    const double mp = s.Arguments.Mp;
    const double f = s.Arguments.F;
    const double om = s.Arguments.Omega;
    const double e = 1 - 0.002516 * p.T - 0.0000074 * p.T2;
    if (FarFromNode(f)) return s;
    s.NearNode = true;

    // Only the two largest terms of the instant differ between full and new moon.
    const bool fullMoon = std::fabs(k - std::trunc(k)) == 0.5;
    const double cMp = fullMoon ? 0.4065 : 0.4075;
    const double cM = fullMoon ? 0.1727 : 0.1721;
    const double f1 = f - DegToRad(0.02665) * std::sin(om);
    const double a1 = DegToRad(299.77 + 0.107408 * k - 0.009173 * p.T2);

    s.JDE.JD = mean - cMp * std::sin(mp) + cM * e * std::sin(m) + 0.0161 * std::sin(2 * mp) -
               0.0097 * std::sin(2 * f1) + 0.0073 * e * std::sin(mp - m) -
               0.0050 * e * std::sin(mp + m) - 0.0023 * std::sin(mp - 2 * f1) +
               0.0021 * e * std::sin(2 * m) + 0.0012 * std::sin(mp + 2 * f1) +
               0.0006 * e * std::sin(2 * mp + m) - 0.0004 * std::sin(3 * mp) -
               0.0003 * e * std::sin(m + 2 * f1) + 0.0003 * std::sin(a1) -
               0.0002 * e * std::sin(m - 2 * f1) - 0.0002 * e * std::sin(2 * mp - m) -
               0.0002 * std::sin(om);

    const double pp = 0.2070 * e * std::sin(m) + 0.0024 * e * std::sin(2 * m) -
                      0.0392 * std::sin(mp) + 0.0116 * std::sin(2 * mp) -
                      0.0073 * e * std::sin(mp + m) + 0.0067 * e * std::sin(mp - m) +
                      0.0118 * std::sin(2 * f1);
    const double q = 5.2207 - 0.0048 * e * std::cos(m) + 0.0020 * e * std::cos(2 * m) -
                     0.3299 * std::cos(mp) - 0.0060 * e * std::cos(mp + m) +
                     0.0041 * e * std::cos(mp - m);
    const double w = std::fabs(std::cos(f1));
    s.Gamma = (pp * std::cos(f1) + q * std::sin(f1)) * (1 - 0.0048 * w);
    s.U = 0.0059 + 0.0046 * e * std::cos(m) - 0.0182 * std::cos(mp) + 0.0004 * std::cos(2 * mp) -
          0.0005 * std::cos(m + mp);
    return s;
}

} // namespace crescendar
