// The Moon's position at one instant: ecliptic coordinates and distance from the periodic
// terms of Meeus, Astronomical Algorithms, chapter 47 (Tables 47.A and 47.B), the apparent
// and topocentric equatorial coordinates, altitude, azimuth, semidiameter, and with the
// Sun's position the phase angle, illuminated fraction and bright limb angle.
#include "MoonPosition.h"
#include "Calendar.h"
#include "Multiples.h"
#include "Nutation.h"
#include "SunPosition.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace crescendar {

namespace {

// Multipliers of D, M, M', F; longitude coefficient (1e-6 degree), distance (1e-3 km).
struct LongitudeRow {
    int D, M, Mp, F;
    double L, R;
};

// Multipliers of D, M, M', F; latitude coefficient (1e-6 degree).
struct LatitudeRow {
    int D, M, Mp, F;
    double B;
};

// Meeus, Astronomical Algorithms, Table 47.A.
constexpr LongitudeRow kLongitude[60] = {{0, 0, 1, 0, 6288774, -20905355},
                                         {2, 0, -1, 0, 1274027, -3699111},
                                         {2, 0, 0, 0, 658314, -2955968},
                                         {0, 0, 2, 0, 213618, -569925},
                                         {0, 1, 0, 0, -185116, 48888},
                                         {0, 0, 0, 2, -114332, -3149},
                                         {2, 0, -2, 0, 58793, 246158},
                                         {2, -1, -1, 0, 57066, -152138},
                                         {2, 0, 1, 0, 53322, -170733},
                                         {2, -1, 0, 0, 45758, -204586},
                                         {0, 1, -1, 0, -40923, -129620},
                                         {1, 0, 0, 0, -34720, 108743},
                                         {0, 1, 1, 0, -30383, 104755},
                                         {2, 0, 0, -2, 15327, 10321},
                                         {0, 0, 1, 2, -12528, 0},
                                         {0, 0, 1, -2, 10980, 79661},
                                         {4, 0, -1, 0, 10675, -34782},
                                         {0, 0, 3, 0, 10034, -23210},
                                         {4, 0, -2, 0, 8548, -21636},
                                         {2, 1, -1, 0, -7888, 24208},
                                         {2, 1, 0, 0, -6766, 30824},
                                         {1, 0, -1, 0, -5163, -8379},
                                         {1, 1, 0, 0, 4987, -16675},
                                         {2, -1, 1, 0, 4036, -12831},
                                         {2, 0, 2, 0, 3994, -10445},
                                         {4, 0, 0, 0, 3861, -11650},
                                         {2, 0, -3, 0, 3665, 14403},
                                         {0, 1, -2, 0, -2689, -7003},
                                         {2, 0, -1, 2, -2602, 0},
                                         {2, -1, -2, 0, 2390, 10056},
                                         {1, 0, 1, 0, -2348, 6322},
                                         {2, -2, 0, 0, 2236, -9884},
                                         {0, 1, 2, 0, -2120, 5751},
                                         {0, 2, 0, 0, -2069, 0},
                                         {2, -2, -1, 0, 2048, -4950},
                                         {2, 0, 1, -2, -1773, 4130},
                                         {2, 0, 0, 2, -1595, 0},
                                         {4, -1, -1, 0, 1215, -3958},
                                         {0, 0, 2, 2, -1110, 0},
                                         {3, 0, -1, 0, -892, 3258},
                                         {2, 1, 1, 0, -810, 2616},
                                         {4, -1, -2, 0, 759, -1897},
                                         {0, 2, -1, 0, -713, -2117},
                                         {2, 2, -1, 0, -700, 2354},
                                         {2, 1, -2, 0, 691, 0},
                                         {2, -1, 0, -2, 596, 0},
                                         {4, 0, 1, 0, 549, -1423},
                                         {0, 0, 4, 0, 537, -1117},
                                         {4, -1, 0, 0, 520, -1571},
                                         {1, 0, -2, 0, -487, -1739},
                                         {2, 1, 0, -2, -399, 0},
                                         {0, 0, 2, -2, -381, -4421},
                                         {1, 1, 1, 0, 351, 0},
                                         {3, 0, -2, 0, -340, 0},
                                         {4, 0, -3, 0, 330, 0},
                                         {2, -1, 2, 0, 327, 0},
                                         {0, 2, 1, 0, -323, 1165},
                                         {1, 1, -1, 0, 299, 0},
                                         {2, 0, 3, 0, 294, 0},
                                         {2, 0, -1, -2, 0, 8752}};

// Meeus, Astronomical Algorithms, Table 47.B.
constexpr LatitudeRow kLatitude[60] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107}};

// The observer's height above sea level, metres.
constexpr double kHeight = 75.0;

// Degrees reduced to one turn and converted to radians.
double Arg(double deg) {
    return DegToRad(NormaliseDegrees(deg));
}

// Terms with the Sun's mean anomaly are scaled by the eccentricity factor E or E^2.
double EccentricityScale(int m, double e, double e2) {
    if (m == 1 || m == -1) return e;
    if (m == 2 || m == -2) return e2;
    return 1.0;
}

} // namespace

void MoonPosition(UniversalTime ut, const Observer& observer, TMoonState& moon, TSunPosition& sun) {
    // The series are evaluated at the universal instant (the program's rule).
    const DynamicalTime jd = SeriesArgument(ut);
    moon = TMoonState{};

    const double t = JulianCenturies(jd);
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;

    // Fundamental arguments. L' is also needed in degrees for the longitude.
    const double lpDeg = NormaliseDegrees(218.3164477 + 481267.88123421 * t - 0.0015786 * t2 +
                                          t3 / 538841.0 - t4 / 65194000.0);
    const double lp = DegToRad(lpDeg);
    const double d =
        Arg(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868.0 - t4 / 113065000.0);
    const double m = Arg(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0);
    const double mp =
        Arg(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699.0 - t4 / 14712000.0);
    const double f =
        Arg(93.272095 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000.0 + t4 / 863310000.0);
    const double a1 = Arg(119.75 + 131.849 * t);
    const double a2 = Arg(53.09 + 479264.29 * t);
    const double a3 = Arg(313.45 + 481266.484 * t);

    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double e2 = e * e;

    // Each term's argument is a whole combination of D, M, M' and F: its sine and cosine
    // come from products of the multiples of the four angles.
    const AngleMultiples<4> md(d), mm(m), mmp(mp), mf(f);
    double sumL = 0.0;
    double sumR = 0.0;
    double sumB = 0.0;
    for (int i = 0; i < 60; ++i) {
        const LongitudeRow& lr = kLongitude[i];
        const UnitPhasor z = md[lr.D] * mm[lr.M] * mmp[lr.Mp] * mf[lr.F];
        const double scale = EccentricityScale(lr.M, e, e2);
        sumL += z.Sin * lr.L * scale;
        sumR += z.Cos * lr.R * scale;

        const LatitudeRow& br = kLatitude[i];
        const UnitPhasor zb = md[br.D] * mm[br.M] * mmp[br.Mp] * mf[br.F];
        sumB += zb.Sin * br.B * EccentricityScale(br.M, e, e2);
    }

    // Venus (A1), Jupiter (A2) and the flattening of the Earth (L').
    sumL += 3958.0 * std::sin(a1) + 1962.0 * std::sin(lp - f) + 318.0 * std::sin(a2);
    sumB += -2235.0 * std::sin(lp) + 382.0 * std::sin(a3) + 175.0 * std::sin(a1 - f) +
            175.0 * std::sin(a1 + f) + 127.0 * std::sin(lp - mp) - 115.0 * std::sin(lp + mp);

    TNutation nutation;
    const double epsilon = TrueObliquity(jd, &nutation);

    moon.Longitude = DegToRad(NormaliseDegrees(lpDeg + sumL / 1000000.0));
    moon.ApparentLongitude = moon.Longitude + DegToRad(nutation.DeltaPsi / 3600.0);
    moon.Latitude = DegToRad(sumB / 1000000.0);
    moon.Distance = 385000.56 + sumR / 1000.0;
    moon.Parallax = RadToDeg(std::asin(6378.14 / moon.Distance));

    moon.Equatorial = EclipticToEquatorial(moon.ApparentLongitude, moon.Latitude, epsilon);
    const double alpha = moon.Equatorial.RA;
    const double delta = DegToRad(moon.Equatorial.Dec);

    // Geocentric position of the observer: rho sin phi', rho cos phi'.
    const double phi = observer.Latitude;
    const double u = std::atan(0.99664719 * std::tan(phi));
    const double rhoSin = 0.99664719 * std::sin(u) + kHeight / 6378140.0 * std::sin(phi);
    const double rhoCos = std::cos(u) + kHeight / 6378140.0 * std::cos(phi);

    const THorizontal horizon = EquatorialToHorizontal(ut, alpha, moon.Equatorial.Dec, observer);
    const double h = DegToRad(horizon.HourAngle);
    const double sinPi = std::sin(DegToRad(moon.Parallax));

    // Topocentric right ascension and declination.
    const double denom = std::cos(delta) - rhoCos * sinPi * std::cos(h);
    const double dAlpha = std::atan2(-rhoCos * sinPi * std::sin(h), denom);
    moon.TopoRA = alpha + RadToDeg(dAlpha);
    moon.TopoDec =
        RadToDeg(std::atan2((std::sin(delta) - rhoSin * sinPi) * std::cos(dAlpha), denom));

    // Altitude and azimuth from the geocentric declination and hour angle.
    moon.Altitude = horizon.Altitude;
    moon.Azimuth = horizon.Azimuth;

    // Topocentric semidiameter: the geocentric one scaled by the observer's distance.
    const double x = std::cos(delta) * std::sin(h);
    const double y = std::cos(delta) * std::cos(h) - rhoCos * sinPi;
    const double z = std::sin(delta) - rhoSin * sinPi;
    const double q = std::sqrt(x * x + y * y + z * z);
    moon.Semidiameter = RadToDeg(std::asin(0.272481 * sinPi / q));

    // Illumination from the Sun's position at the same instant.
    sun = SunPosition(ut, observer, nutation, epsilon);
    const double alpha0 = DegToRad(sun.Equatorial.RA);
    const double delta0 = DegToRad(sun.Equatorial.Dec);
    const double dRA = alpha0 - DegToRad(alpha);
    const double cosPsi =
        std::sin(delta0) * std::sin(delta) + std::cos(delta0) * std::cos(delta) * std::cos(dRA);
    const double psi = std::acos(std::clamp(cosPsi, -1.0, 1.0));
    const double i =
        std::atan2(sun.Distance * std::sin(psi), moon.Distance - sun.Distance * std::cos(psi));
    moon.PhaseAngle = RadToDeg(i);
    moon.IlluminatedPercent = static_cast<std::int32_t>((std::cos(i) + 1.0) * 100.0 / 2.0 + 0.5);
    moon.BrightLimbAngle = OneTurn(RadToDeg(std::atan2(
        std::cos(delta0) * std::sin(dRA),
        std::sin(delta0) * std::cos(delta) - std::cos(delta0) * std::sin(delta) * std::cos(dRA))));
}

} // namespace crescendar
