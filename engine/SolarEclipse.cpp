// Solar eclipses from Besselian elements fitted to the engine's Sun and Moon, and their local
// circumstances (Explanatory Supplement to the Astronomical Almanac, chapters on solar
// eclipses; candidates from Meeus, Astronomical Algorithms, chapter 54).
#include "SolarEclipse.h"

#include "Calendar.h"
#include "EclipseSeries.h"
#include "MoonPosition.h"
#include "Nutation.h"
#include "Phases.h"
#include "RiseSet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace crescendar {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
constexpr double kHoursPerDay = 24.0;

constexpr double kEarthRadiusKm = 6378.14;
// The Moon's radius in Earth radii, and the Sun's (959.63" at 1 au).
constexpr double kMoonRadius = 0.2725076;
constexpr double kSunRadius = 695990.0 / kEarthRadiusKm;
// The Earth's polar radius over its equatorial one, and the eccentricity squared.
constexpr double kPolarRatio = 0.99664719;
constexpr double kE2 = 1.0 - kPolarRatio * kPolarRatio;

// The fit spans +-kSpan hours around T0: long enough for any place's contacts, whose eclipse
// lasts at most about 6.5 hours on the whole Earth.
constexpr double kSpan = 4.0;
// Beyond this the quick test's gamma leaves no eclipse, with room for its error (below 0.015
// against the fitted elements over the years 1..9999).
constexpr double kGammaLimit = 1.5433 + 0.05;

double Sq(double v) {
    return v * v;
}

double CubicValue(const TCubic& c, double t) {
    return ((c[3] * t + c[2]) * t + c[1]) * t + c[0];
}

double CubicRate(const TCubic& c, double t) {
    return (3.0 * c[3] * t + 2.0 * c[2]) * t + c[1];
}

// The cubic through four points (t[i], v[i]), by divided differences expanded into powers.
TCubic FitCubic(const std::array<double, 4>& t, std::array<double, 4> v) {
    for (int j = 1; j < 4; ++j)
        for (int i = 3; i >= j; --i) v[i] = (v[i] - v[i - 1]) / (t[i] - t[i - j]);
    // Horner on the Newton form: p = v0 + (t - t0)(v1 + (t - t1)(v2 + (t - t2) v3)).
    TCubic c{v[3], 0.0, 0.0, 0.0};
    for (int i = 2; i >= 0; --i) {
        // c(t) * (t - t[i]) + v[i]
        for (int p = 3; p > 0; --p) c[p] = c[p - 1] - t[i] * c[p];
        c[0] = -t[i] * c[0] + v[i];
    }
    return c;
}

// Greenwich apparent sidereal time, degrees (not reduced), at universal time ut, with the
// nutation in longitude dPsi (degrees) and the obliquity eps (radians).
double ApparentSiderealTime(UniversalTime ut, double dPsi, double eps) {
    const double t = JulianCenturies(ut);
    return 280.46061837 + 360.98564736629 * (ut.JD - 2451545.0) + 0.000387933 * t * t -
           t * t * t / 38710000.0 + dPsi * std::cos(eps);
}

// The Besselian elements at one dynamical instant.
struct TElementsAt {
    double X, Y, D, Mu, L1, L2, TanF1, TanF2;
};

TElementsAt ElementsAt(DynamicalTime tt, double deltaT) {
    // The series at the dynamical instant itself: the geometry of the shadow needs the true
    // places, not the program's rule of the Moon shown at a universal instant.
    TMoonState moon;
    TSunPosition sun;
    MoonPosition(SeriesInstantAsUniversal(tt), Observer{}, moon, sun);

    const double am = moon.Equatorial.RA * kDegree;
    const double dm = moon.Equatorial.Dec * kDegree;
    const double rm = moon.Distance / kEarthRadiusKm;
    const double as = sun.Equatorial.RA * kDegree;
    const double ds = sun.Equatorial.Dec * kDegree;
    const double rs = sun.Distance / kEarthRadiusKm;

    // The axis runs from the Moon towards the Sun.
    const double gx = rs * std::cos(ds) * std::cos(as) - rm * std::cos(dm) * std::cos(am);
    const double gy = rs * std::cos(ds) * std::sin(as) - rm * std::cos(dm) * std::sin(am);
    const double gz = rs * std::sin(ds) - rm * std::sin(dm);
    const double g = std::sqrt(gx * gx + gy * gy + gz * gz);
    const double a = std::atan2(gy, gx);
    const double d = std::asin(gz / g);

    TElementsAt e;
    const double h = am - a;
    e.X = rm * std::cos(dm) * std::sin(h);
    e.Y = rm * (std::sin(dm) * std::cos(d) - std::cos(dm) * std::sin(d) * std::cos(h));
    const double z = rm * (std::sin(dm) * std::sin(d) + std::cos(dm) * std::cos(d) * std::cos(h));
    const double sinF1 = (kSunRadius + kMoonRadius) / g;
    const double sinF2 = (kSunRadius - kMoonRadius) / g;
    e.TanF1 = sinF1 / std::sqrt(1.0 - sinF1 * sinF1);
    e.TanF2 = sinF2 / std::sqrt(1.0 - sinF2 * sinF2);
    e.L1 = (z + kMoonRadius / sinF1) * e.TanF1;
    e.L2 = (z - kMoonRadius / sinF2) * e.TanF2;
    e.D = d / kDegree;

    const double dPsi = (moon.ApparentLongitude - moon.Longitude) / kDegree;
    const double eps = MeanObliquity(tt) * kDegree;
    e.Mu = ApparentSiderealTime(ToUniversal(tt, deltaT), dPsi, eps) - a / kDegree;
    return e;
}

// Delta T of the calendar year of a dynamical instant, within the years it is made for.
double DeltaTOf(DynamicalTime tt) {
    const int year = std::clamp(static_cast<int>(JulianDayToDate(tt.JD).Year), 1, 9999);
    return DeltaT(static_cast<std::uint16_t>(year));
}

TBesselianElements FitElements(DynamicalTime t0, double deltaT) {
    std::array<double, 4> t{}, x{}, y{}, d{}, mu{}, l1{}, l2{};
    TBesselianElements b;
    b.T0 = t0;
    b.DeltaT = deltaT;
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::size_t>(i);
        t[n] = -kSpan * std::cos((2 * i + 1) * kPi / 8.0);
        const TElementsAt e = ElementsAt(t0 + t[n] / kHoursPerDay, deltaT);
        x[n] = e.X;
        y[n] = e.Y;
        d[n] = e.D;
        l1[n] = e.L1;
        l2[n] = e.L2;
        // The hour angle grows by about 15 degrees an hour: each value is taken within half a
        // turn of the one before.
        mu[n] = i == 0 ? e.Mu : mu[n - 1] + std::remainder(e.Mu - mu[n - 1], 360.0);
        b.TanF1 += e.TanF1 / 4.0;
        b.TanF2 += e.TanF2 / 4.0;
    }
    b.X = FitCubic(t, x);
    b.Y = FitCubic(t, y);
    b.D = FitCubic(t, d);
    b.Mu = FitCubic(t, mu);
    b.L1 = FitCubic(t, l1);
    b.L2 = FitCubic(t, l2);
    return b;
}

// Hours from T0 at which the axis passes closest to the Earth's centre (x x' + y y' = 0).
double GreatestHours(const TBesselianElements& b) {
    double t = 0.0;
    for (int i = 0; i < 20; ++i) {
        const TBesselianState s = BesselianAt(b, t);
        const double ddx = 6.0 * b.X[3] * t + 2.0 * b.X[2];
        const double ddy = 6.0 * b.Y[3] * t + 2.0 * b.Y[2];
        const double f = s.X * s.DX + s.Y * s.DY;
        const double df = s.DX * s.DX + s.DY * s.DY + s.X * ddx + s.Y * ddy;
        const double step = f / df;
        t = std::clamp(t - step, -kSpan, kSpan);
        if (std::fabs(step) < 1e-7) break;
    }
    return t;
}

// The Earth seen along the axis is an ellipse of semi-axes 1 and rho1 (x and y).
double Rho1(double dDeg) {
    return std::sqrt(1.0 - kE2 * Sq(std::cos(dDeg * kDegree)));
}

// Height of the Earth's surface above the fundamental plane where the axis meets it (Earth
// radii), or a negative value where the axis misses the Earth.
double SurfaceZeta(double x, double y, double dDeg) {
    const double q = kE2 / (1.0 - kE2);
    const double sd = std::sin(dDeg * kDegree);
    const double cd = std::cos(dDeg * kDegree);
    // The ellipsoid x^2 + y^2 + z^2 + q (y cos d + z sin d)^2 = 1, solved for z.
    const double qa = 1.0 + q * sd * sd;
    const double qb = q * y * cd * sd;
    const double qc = x * x + y * y * (1.0 + q * cd * cd) - 1.0;
    const double disc = qb * qb - qa * qc;
    if (disc < 0.0) return -1.0;
    return (-qb + std::sqrt(disc)) / qa;
}

// The axis's distance from the Earth's centre in units of the Earth's outline along the same
// direction: below 1 where the axis meets the Earth.
double ScaledDistance(const TBesselianState& s) {
    return std::hypot(s.X, s.Y / Rho1(s.D));
}

// Hours at which the axis enters (direction -1) or leaves (+1) the Earth's outline, searched
// from greatest eclipse at hours tg where it lies inside.
double OutlineCrossing(const TBesselianElements& b, double tg, int direction) {
    double inside = tg;
    double outside = tg + direction * kSpan;
    if (ScaledDistance(BesselianAt(b, outside)) < 1.0) return outside;
    for (int i = 0; i < 16; ++i) {
        const double mid = (inside + outside) / 2.0;
        (ScaledDistance(BesselianAt(b, mid)) < 1.0 ? inside : outside) = mid;
    }
    return (inside + outside) / 2.0;
}

// Kind and magnitude from the elements at greatest eclipse.
void Classify(TSolarEclipse& e, double tg) {
    const TBesselianElements& b = e.Elements;
    const TBesselianState s = BesselianAt(b, tg);
    const double m = std::hypot(s.X, s.Y);
    const double scaled = ScaledDistance(s);
    e.Gamma = s.Y < 0.0 ? -m : m;
    e.Central = scaled < 1.0;
    if (e.Central) {
        // L2 along the central line: in the plane at the ends, where the axis grazes the
        // Earth, and lowered by the Earth's bulge towards the Moon in between.
        const double from = OutlineCrossing(b, tg, -1);
        const double to = OutlineCrossing(b, tg, 1);
        double lowest = 0.0;
        double highest = 0.0;
        constexpr int kSteps = 12;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = from + (to - from) * i / kSteps;
            const TBesselianState c = BesselianAt(b, t);
            const double l2 = c.L2 - std::max(0.0, SurfaceZeta(c.X, c.Y, c.D)) * b.TanF2;
            lowest = i == 0 ? l2 : std::min(lowest, l2);
            highest = i == 0 ? l2 : std::max(highest, l2);
        }
        e.Kind = highest < 0.0  ? TSolarEclipseKind::Total
                 : lowest > 0.0 ? TSolarEclipseKind::Annular
                                : TSolarEclipseKind::Hybrid;
        const double zeta = std::max(0.0, SurfaceZeta(s.X, s.Y, s.D));
        const double l1 = s.L1 - zeta * b.TanF1;
        const double l2 = s.L2 - zeta * b.TanF2;
        e.Magnitude = (l1 - l2) / (l1 + l2);
        return;
    }
    // The point of the Earth's outline nearest to the axis, in the fundamental plane.
    const double gap = m - m / scaled;
    if (gap < std::fabs(s.L2))
        e.Kind = s.L2 < 0.0 ? TSolarEclipseKind::Total : TSolarEclipseKind::Annular;
    else if (gap < s.L1)
        e.Kind = TSolarEclipseKind::Partial;
    else
        e.Kind = TSolarEclipseKind::None;
    e.Magnitude = e.Kind == TSolarEclipseKind::None ? 0.0 : (s.L1 - gap) / (s.L1 + s.L2);
}

// The observer's geocentric place: rho sin phi', rho cos phi' (Earth radii).
struct TGeocentric {
    double RhoSin = 0.0;
    double RhoCos = 0.0;
    double Latitude = 0.0;  // geodetic, radians
    double Longitude = 0.0; // degrees, west positive
};

TGeocentric Geocentric(const Observer& o, double heightMetres) {
    TGeocentric g;
    const double phi = o.Latitude;
    const double u = std::atan(kPolarRatio * std::tan(phi));
    const double h = heightMetres / (kEarthRadiusKm * 1000.0);
    g.RhoSin = kPolarRatio * std::sin(u) + h * std::sin(phi);
    g.RhoCos = std::cos(u) + h * std::cos(phi);
    g.Latitude = phi;
    g.Longitude = o.Longitude / kDegree;
    return g;
}

// The shadow relative to the observer at t hours from T0: the observer's offset from the axis
// (U, V) and its rate (A, B) per hour, the cones' radii in the observer's plane, and the
// Sun's hour angle and declination (radians).
struct TLocalState {
    double U, V, A, B, L1, L2, H, D;
};

TLocalState LocalAt(const TBesselianElements& b, const TGeocentric& g, double t) {
    const TBesselianState s = BesselianAt(b, t);
    const double h = (s.Mu - g.Longitude) * kDegree;
    const double d = s.D * kDegree;
    const double sh = std::sin(h), ch = std::cos(h), sd = std::sin(d), cd = std::cos(d);
    const double xi = g.RhoCos * sh;
    const double eta = g.RhoSin * cd - g.RhoCos * ch * sd;
    const double zeta = g.RhoSin * sd + g.RhoCos * ch * cd;
    const double dmu = s.DMu * kDegree;
    const double dxi = dmu * g.RhoCos * ch;
    const double deta = dmu * xi * sd - zeta * s.DD * kDegree;
    return {s.X - xi,
            s.Y - eta,
            s.DX - dxi,
            s.DY - deta,
            s.L1 - zeta * b.TanF1,
            s.L2 - zeta * b.TanF2,
            h,
            d};
}

// Hours at which the observer's distance from the axis equals the radius (L1 for the
// penumbra, the umbra's |L2| otherwise): the earlier crossing for side -1, the later for +1,
// from hours t inside. Not a number when the observer stays outside that radius.
double ContactHours(const TBesselianElements& b, const TGeocentric& g, double t, bool umbra,
                    int side) {
    for (int i = 0; i < 30; ++i) {
        const TLocalState s = LocalAt(b, g, t);
        const double radius = umbra ? std::fabs(s.L2) : s.L1;
        const double n2 = s.A * s.A + s.B * s.B;
        const double n = std::sqrt(n2);
        const double sine = (s.A * s.V - s.U * s.B) / (n * radius);
        if (std::fabs(sine) > 1.0) return std::nan("");
        const double step =
            -(s.U * s.A + s.V * s.B) / n2 + side * radius / n * std::sqrt(1.0 - sine * sine);
        t += step;
        if (std::fabs(t) > 2.0 * kSpan) return std::nan("");
        if (std::fabs(step) < 1e-7) break;
    }
    return t;
}

// The Sun's geometric altitude and azimuth (degrees) from its hour angle and declination.
void SunPlace(const TGeocentric& g, const TLocalState& s, double& altitude, double& azimuth) {
    const double sp = std::sin(g.Latitude), cp = std::cos(g.Latitude);
    const double sinAlt = sp * std::sin(s.D) + cp * std::cos(s.D) * std::cos(s.H);
    altitude = std::asin(std::clamp(sinAlt, -1.0, 1.0)) / kDegree;
    azimuth = OneTurn(
        std::atan2(std::sin(s.H), std::cos(s.H) * sp - std::tan(s.D) * cp) / kDegree + 180.0);
}

bool IsUp(double altitude) {
    return altitude > kSunriseAltitude;
}

// The covered fraction of a disc of radius 1 by a disc of radius r whose centre is d away.
double Overlap(double r, double d) {
    if (d >= 1.0 + r) return 0.0;
    if (d <= std::fabs(r - 1.0)) return std::min(1.0, r * r);
    const double a = r * r * std::acos(std::clamp((d * d + r * r - 1.0) / (2.0 * d * r), -1.0, 1.0));
    const double c = std::acos(std::clamp((d * d + 1.0 - r * r) / (2.0 * d), -1.0, 1.0));
    const double k = std::sqrt(std::max(0.0, (-d + r + 1.0) * (d + r - 1.0) * (d - r + 1.0) *
                                                 (d + r + 1.0)));
    return (a + c - k / 2.0) / kPi;
}

TSolarAppearance Appearance(const TGeocentric& g, const TLocalState& s) {
    TSolarAppearance a;
    const double m = std::hypot(s.U, s.V);
    const double sum = s.L1 + s.L2;
    a.Magnitude = (s.L1 - m) / sum;
    a.MoonSunRatio = (s.L1 - s.L2) / sum;
    a.Obscuration = Overlap(a.MoonSunRatio, 2.0 * m / sum);
    a.PositionAngle = OneTurn(std::atan2(s.U, s.V) / kDegree);
    const double q = std::atan2(std::sin(s.H), std::tan(g.Latitude) * std::cos(s.D) -
                                                   std::sin(s.D) * std::cos(s.H));
    a.ZenithAngle = OneTurn(a.PositionAngle - q / kDegree);
    SunPlace(g, s, a.SunAltitude, a.SunAzimuth);
    a.SunUp = IsUp(a.SunAltitude);
    return a;
}

double HoursOf(const TBesselianElements& b, UniversalTime ut) {
    return (ToDynamical(ut, b.DeltaT) - b.T0) * kHoursPerDay;
}

UniversalTime InstantOf(const TBesselianElements& b, double hours) {
    return ToUniversal(b.T0 + hours / kHoursPerDay, b.DeltaT);
}

TSolarContact Contact(const TBesselianElements& b, const TGeocentric& g, const Observer& o,
                      double hours) {
    TSolarContact c;
    c.Happens = true;
    c.Instant = InstantOf(b, hours);
    c.Local = o.ToLocal(c.Instant);
    SunPlace(g, LocalAt(b, g, hours), c.SunAltitude, c.SunAzimuth);
    c.SunUp = IsUp(c.SunAltitude);
    return c;
}

double SunAltitudeAt(const TBesselianElements& b, const TGeocentric& g, double hours) {
    double altitude = 0.0;
    double azimuth = 0.0;
    SunPlace(g, LocalAt(b, g, hours), altitude, azimuth);
    return altitude;
}

// The instant between hours a and b (the Sun up at one, down at the other) when the Sun
// crosses the horizon.
double HorizonCrossing(const TBesselianElements& e, const TGeocentric& g, double a, double b) {
    const bool upAtA = IsUp(SunAltitudeAt(e, g, a));
    for (int i = 0; i < 30; ++i) {
        const double mid = (a + b) / 2.0;
        (IsUp(SunAltitudeAt(e, g, mid)) == upAtA ? a : b) = mid;
    }
    return (a + b) / 2.0;
}

// How much of the eclipse, hours t1 to t4, has the Sun up, and the first and last instants
// of that part. The altitude is sampled every few minutes: the Sun cannot set and rise again
// in between.
void Visibility(const TBesselianElements& b, const TGeocentric& g, double t1, double t4,
                TSolarLocalCircumstances& r) {
    constexpr double kStep = 5.0 / 60.0;
    const int steps = std::max(1, static_cast<int>(std::ceil((t4 - t1) / kStep)));
    double from = std::nan("");
    double to = std::nan("");
    bool whole = true;
    bool previousUp = false;
    double previous = t1;
    for (int i = 0; i <= steps; ++i) {
        const double t = i == steps ? t4 : t1 + (t4 - t1) * i / steps;
        const bool up = IsUp(SunAltitudeAt(b, g, t));
        if (!up) whole = false;
        if (up && !previousUp) from = i == 0 ? t : HorizonCrossing(b, g, previous, t);
        if (up) to = t;
        if (!up && previousUp) to = HorizonCrossing(b, g, previous, t);
        previousUp = up;
        previous = t;
    }
    if (std::isnan(from)) {
        r.Visibility = TEclipseVisibility::NotVisible;
        return;
    }
    r.Visibility = whole ? TEclipseVisibility::Visible : TEclipseVisibility::PartlyVisible;
    r.VisibleFrom = InstantOf(b, from);
    r.VisibleTo = InstantOf(b, to);
}

// The year of a universal instant in civil time, or the universal year without an observer.
int YearOf(UniversalTime ut, const Observer* observer) {
    const double jd = observer ? observer->ToLocal(ut).JD : ut.JD;
    return JulianDayToDate(jd).Year;
}

// Room for the eclipses of the years from..to: at most five a year, about 2.4 on average.
std::size_t YearsReserve(int fromYear, int toYear) {
    const int years = std::min(toYear, 9999) - std::max(fromYear, 1) + 1;
    return years > 0 ? static_cast<std::size_t>(years) * 5 / 2 + 8 : 0;
}

// Every eclipse whose greatest eclipse falls in the years from..to (in the observer's civil
// time, or universal time), handed to add in time order.
template <typename Add>
void ForEachSolarEclipse(int fromYear, int toYear, const Observer* observer, Add add) {
    const int from = std::max(fromYear, 1);
    const int to = std::min(toYear, 9999);
    if (to < from) return;
    const auto yearStart = [](int year) {
        return DateToJulianDay(MakeDate(static_cast<std::uint16_t>(year), 1, 1));
    };
    // The new moons are walked by lunation number. Delta T (up to about two days in the last
    // millennium) and the zone move the instant of greatest eclipse away from the new moon's:
    // three lunations either way cover both.
    const double first = yearStart(from);
    const double end = yearStart(to) + 366.0;
    TPhasePowers p;
    for (double k = std::floor(LunationsSince2000(first)) - 3.0;
         MeanPhase(k, p).JD < end + 3.0 * kSynodicMonth; k += 1.0) {
        // SolarEclipseAt rules out a new moon far from a node before any position.
        TSolarEclipse e = SolarEclipseAt(k);
        if (e.Kind == TSolarEclipseKind::None) continue;
        const int year = YearOf(e.Greatest, observer);
        if (year < from) continue;
        if (year > to) break;
        add(std::move(e));
    }
}

} // namespace

TBesselianState BesselianAt(const TBesselianElements& e, double t) {
    TBesselianState s;
    s.X = CubicValue(e.X, t);
    s.Y = CubicValue(e.Y, t);
    s.D = CubicValue(e.D, t);
    s.Mu = CubicValue(e.Mu, t);
    s.L1 = CubicValue(e.L1, t);
    s.L2 = CubicValue(e.L2, t);
    s.DX = CubicRate(e.X, t);
    s.DY = CubicRate(e.Y, t);
    s.DD = CubicRate(e.D, t);
    s.DMu = CubicRate(e.Mu, t);
    return s;
}

TSolarEclipse SolarEclipseAt(double k) {
    TSolarEclipse e;
    if (!std::isfinite(k) || k != std::floor(k)) return e;
    e.K = k;
    const TSyzygyEclipse quick = SyzygyEclipse(k);
    if (!quick.NearNode || std::fabs(quick.Gamma) > kGammaLimit + quick.U) return e;

    // The quick instant comes from the mean phase with the older T^2 coefficient 0.0001337,
    // where the engine's lunar series implies 0.00015437: corrected, it stays within minutes
    // of greatest eclipse over the years 1..9999. The fit is made again around greatest
    // eclipse should that lie far from the middle, or in another year (for its Delta T).
    const double centuries = k / 1236.85;
    DynamicalTime t0 = quick.JDE + 0.00002067 * centuries * centuries;
    double deltaT = DeltaTOf(t0);
    double tg = 0.0;
    for (int pass = 0; pass < 3; ++pass) {
        e.Elements = FitElements(t0, deltaT);
        tg = GreatestHours(e.Elements);
        const DynamicalTime greatest = t0 + tg / kHoursPerDay;
        const double greatestDeltaT = DeltaTOf(greatest);
        if (std::fabs(tg) < 1.0 && greatestDeltaT == deltaT) break;
        t0 = greatest;
        deltaT = greatestDeltaT;
    }
    e.GreatestJDE = e.Elements.T0 + tg / kHoursPerDay;
    e.Greatest = ToUniversal(e.GreatestJDE, e.Elements.DeltaT);
    Classify(e, tg);
    return e;
}

std::vector<TSolarEclipse> FindSolarEclipses(int fromYear, int toYear) {
    std::vector<TSolarEclipse> all;
    all.reserve(YearsReserve(fromYear, toYear));
    ForEachSolarEclipse(fromYear, toYear, nullptr,
                        [&](TSolarEclipse&& e) { all.push_back(std::move(e)); });
    return all;
}

TSolarAppearance SolarAppearanceAt(const TSolarEclipse& eclipse, const Observer& observer,
                                   UniversalTime ut, double heightMetres) {
    const TGeocentric g = Geocentric(observer, heightMetres);
    return Appearance(g, LocalAt(eclipse.Elements, g, HoursOf(eclipse.Elements, ut)));
}

TSolarLocalCircumstances SolarLocalCircumstances(const TSolarEclipse& eclipse,
                                                 const Observer& observer, double heightMetres) {
    TSolarLocalCircumstances r;
    if (eclipse.Kind == TSolarEclipseKind::None) return r;
    const TBesselianElements& b = eclipse.Elements;
    const TGeocentric g = Geocentric(observer, heightMetres);

    // The maximum: the observer closest to the axis (u a + v b = 0).
    double tm = HoursOf(b, eclipse.Greatest);
    for (int i = 0; i < 30; ++i) {
        const TLocalState s = LocalAt(b, g, tm);
        const double step = -(s.U * s.A + s.V * s.B) / (s.A * s.A + s.B * s.B);
        tm += step;
        if (std::fabs(tm) > 2.0 * kSpan) return r;
        if (std::fabs(step) < 1e-7) break;
    }
    const TLocalState atMax = LocalAt(b, g, tm);
    if (std::hypot(atMax.U, atMax.V) >= atMax.L1) return r;
    const double t1 = ContactHours(b, g, tm, false, -1);
    const double t4 = ContactHours(b, g, tm, false, 1);
    if (std::isnan(t1) || std::isnan(t4)) return r;

    r.AtMaximum = Appearance(g, atMax);
    r.Maximum = Contact(b, g, observer, tm);
    r.C1 = Contact(b, g, observer, t1);
    r.C4 = Contact(b, g, observer, t4);
    r.Kind = TSolarEclipseKind::Partial;
    if (std::hypot(atMax.U, atMax.V) < std::fabs(atMax.L2)) {
        const double t2 = ContactHours(b, g, tm, true, -1);
        const double t3 = ContactHours(b, g, tm, true, 1);
        if (!std::isnan(t2) && !std::isnan(t3)) {
            r.Kind = atMax.L2 < 0.0 ? TSolarEclipseKind::Total : TSolarEclipseKind::Annular;
            r.C2 = Contact(b, g, observer, t2);
            r.C3 = Contact(b, g, observer, t3);
            r.CentralDuration = (t3 - t2) * 3600.0;
        }
    }
    Visibility(b, g, t1, t4, r);
    // Beyond the horizon the shadow's cones say nothing of what the place sees.
    if (r.Visibility == TEclipseVisibility::NotVisible) r.Kind = TSolarEclipseKind::None;
    return r;
}

std::vector<TSolarEclipseAtPlace> FindSolarEclipses(int fromYear, int toYear,
                                                    const Observer& observer,
                                                    double heightMetres) {
    std::vector<TSolarEclipseAtPlace> all;
    all.reserve(YearsReserve(fromYear, toYear));
    ForEachSolarEclipse(fromYear, toYear, &observer, [&](TSolarEclipse&& e) {
        TSolarLocalCircumstances local = SolarLocalCircumstances(e, observer, heightMetres);
        all.push_back({std::move(e), std::move(local)});
    });
    return all;
}

} // namespace crescendar
