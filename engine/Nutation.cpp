// Nutation (IAU 1980 series), obliquity of the ecliptic, Greenwich sidereal time and the
// conversion of ecliptic coordinates into right ascension and declination.
#include "Nutation.h"
#include "Calendar.h"
#include "Multiples.h"

#include <algorithm>
#include <cmath>

namespace crescendar {

namespace {

struct NutationRow {
    int D, M, Mp, F, Om;
    double Psi, PsiT; // sine coefficient of the longitude and its rate, 0.0001"
    double Eps, EpsT; // cosine coefficient of the obliquity and its rate, 0.0001"
};

// Meeus, Astronomical Algorithms, Table 22.A.
constexpr NutationRow kNutation[63] = {{0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
                                       {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
                                       {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
                                       {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
                                       {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
                                       {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
                                       {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
                                       {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
                                       {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
                                       {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
                                       {-2, 0, 1, 0, 0, -158, 0, 0, 0},
                                       {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
                                       {0, 0, -1, 2, 2, 123, 0, -53, 0},
                                       {2, 0, 0, 0, 0, 63, 0, 0, 0},
                                       {0, 0, 1, 0, 1, 63, 0.1, -33, 0},
                                       {2, 0, -1, 2, 2, -59, 0, 26, 0},
                                       {0, 0, -1, 0, 1, -58, -0.1, 32, 0},
                                       {0, 0, 1, 2, 1, -51, 0, 27, 0},
                                       {-2, 0, 2, 0, 0, 48, 0, 0, 0},
                                       {0, 0, -2, 2, 1, 46, 0, -24, 0},
                                       {2, 0, 0, 2, 2, -38, 0, 16, 0},
                                       {0, 0, 2, 2, 2, -31, 0, 13, 0},
                                       {0, 0, 2, 0, 0, 29, 0, 0, 0},
                                       {-2, 0, 1, 2, 2, 29, 0, -12, 0},
                                       {0, 0, 0, 2, 0, 26, 0, 0, 0},
                                       {-2, 0, 0, 2, 0, -22, 0, 0, 0},
                                       {0, 0, -1, 2, 1, 21, 0, -10, 0},
                                       {0, 2, 0, 0, 0, 17, -0.1, 0, 0},
                                       {2, 0, -1, 0, 1, 16, 0, -8, 0},
                                       {-2, 2, 0, 2, 2, -16, 0.1, 7, 0},
                                       {0, 1, 0, 0, 1, -15, 0, 9, 0},
                                       {-2, 0, 1, 0, 1, -13, 0, 7, 0},
                                       {0, -1, 0, 0, 1, -12, 0, 6, 0},
                                       {0, 0, 2, -2, 0, 11, 0, 0, 0},
                                       {2, 0, -1, 2, 1, -10, 0, 5, 0},
                                       {2, 0, 1, 2, 2, -8, 0, 3, 0},
                                       {0, 1, 0, 2, 2, 7, 0, -3, 0},
                                       {-2, 1, 1, 0, 0, -7, 0, 0, 0},
                                       {0, -1, 0, 2, 2, -7, 0, 3, 0},
                                       {2, 0, 0, 2, 1, -7, 0, 3, 0},
                                       {2, 0, 1, 0, 0, 6, 0, 0, 0},
                                       {-2, 0, 2, 2, 2, 6, 0, -3, 0},
                                       {-2, 0, 1, 2, 1, 6, 0, -3, 0},
                                       {2, 0, -2, 0, 1, -6, 0, 3, 0},
                                       {2, 0, 0, 0, 1, -6, 0, 3, 0},
                                       {0, -1, 1, 0, 0, 5, 0, 0, 0},
                                       {-2, -1, 0, 2, 1, -5, 0, 3, 0},
                                       {-2, 0, 0, 0, 1, -5, 0, 3, 0},
                                       {0, 0, 2, 2, 1, -5, 0, 3, 0},
                                       {-2, 0, 2, 0, 1, 4, 0, 0, 0},
                                       {-2, 1, 0, 2, 1, 4, 0, 0, 0},
                                       {0, 0, 1, -2, 0, 4, 0, 0, 0},
                                       {-1, 0, 1, 0, 0, -4, 0, 0, 0},
                                       {-2, 1, 0, 0, 0, -4, 0, 0, 0},
                                       {1, 0, 0, 0, 0, -4, 0, 0, 0},
                                       {0, 0, 1, 2, 0, 3, 0, 0, 0},
                                       {0, 0, -2, 2, 2, -3, 0, 0, 0},
                                       {-1, -1, 1, 0, 0, -3, 0, 0, 0},
                                       {0, 1, 1, 0, 0, -3, 0, 0, 0},
                                       {0, -1, 1, 2, 2, -3, 0, 0, 0},
                                       {2, -1, -1, 2, 2, -3, 0, 0, 0},
                                       {0, 0, 3, 2, 2, -3, 0, 0, 0},
                                       {2, -1, 0, 2, 2, -3, 0, 0, 0}};

inline double Arg(double deg) {
    return DegToRad(NormaliseDegrees(deg));
}

} // namespace

double GreenwichMeanSiderealTime(UniversalTime jd0h) {
    const double t = JulianCenturies(jd0h);
    return NormaliseDegrees(100.46061837 + 36000.770053608 * t + 0.000387933 * t * t -
                            t * t * t / 38710000.0);
}

TNutation Nutation(DynamicalTime jd) {
    const double t = JulianCenturies(jd);
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double d = Arg(297.85036 + 445267.11148 * t - 0.0019142 * t2 + t3 / 189474.0);
    const double m = Arg(357.52772 + 35999.05034 * t - 0.0001603 * t2 - t3 / 300000.0);
    const double mp = Arg(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0);
    const double f = Arg(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0);
    const double om = Arg(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0);

    // Each argument is a whole combination of the five angles: its sine and cosine come
    // from products of their multiples.
    const AngleMultiples<4> md(d), mm(m), mmp(mp), mf(f), mom(om);
    double psi = 0.0;
    double eps = 0.0;
    for (const NutationRow& r : kNutation) {
        const UnitPhasor z = md[r.D] * mm[r.M] * mmp[r.Mp] * mf[r.F] * mom[r.Om];
        psi += z.Sin * (r.Psi + r.PsiT * t);
        eps += z.Cos * (r.Eps + r.EpsT * t);
    }
    return {psi / 10000.0, eps / 10000.0};
}

double MeanObliquity(DynamicalTime jd) {
    const double u = JulianCenturies(jd) / 100.0;
    double p[11];
    p[1] = u;
    for (int i = 2; i <= 10; ++i) p[i] = p[i - 1] * u;
    return 23.4392911111111111 +
           (-4680.93 * p[1] - 1.55 * p[2] + 1999.25 * p[3] - 51.38 * p[4] - 249.67 * p[5] -
            39.05 * p[6] + 7.12 * p[7] + 27.87 * p[8] + 5.79 * p[9] + 2.45 * p[10]) /
               3600.0;
}

double TrueObliquity(DynamicalTime jd, TNutation* nutation) {
    const TNutation n = Nutation(jd);
    if (nutation) *nutation = n;
    return DegToRad(MeanObliquity(jd) + n.DeltaEps / 3600.0);
}

TEquatorialPosition EclipticToEquatorial(double lambda, double beta, double epsilon) {
    TEquatorialPosition p;
    const double a =
        std::atan2(std::sin(lambda) * std::cos(epsilon) - std::tan(beta) * std::sin(epsilon),
                   std::cos(lambda));
    p.RA = OneTurn(RadToDeg(a));
    const double s =
        std::sin(beta) * std::cos(epsilon) + std::cos(beta) * std::sin(epsilon) * std::sin(lambda);
    p.Dec = RadToDeg(std::asin(std::clamp(s, -1.0, 1.0)));
    return p;
}

THorizontal EquatorialToHorizontal(UniversalTime ut, double ra, double dec,
                                   const Observer& observer) {
    // Mean sidereal time at Greenwich for the instant.
    const double t = JulianCenturies(ut);
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double theta0 = NormaliseDegrees(280.46061837 + 360.98564736629 * (ut.JD - 2451545.0) +
                                           0.000387933 * t2 - t3 / 38710000.0);
    THorizontal r;
    // Reduced to one turn first so that the loops run at most once whatever the longitude.
    r.HourAngle = NormaliseDegrees(theta0 - RadToDeg(observer.Longitude) - ra);
    while (r.HourAngle > 180.0) r.HourAngle -= 360.0;
    while (r.HourAngle < -180.0) r.HourAngle += 360.0;

    const double h = DegToRad(r.HourAngle);
    const double d = DegToRad(dec);
    const double phi = observer.Latitude;
    const double sinAlt = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
    r.Altitude = RadToDeg(std::asin(std::clamp(sinAlt, -1.0, 1.0)));
    r.Azimuth = OneTurn(RadToDeg(std::atan2(std::sin(h), std::cos(h) * std::sin(phi) -
                                                             std::tan(d) * std::cos(phi))) -
                        180.0);
    return r;
}

} // namespace crescendar
