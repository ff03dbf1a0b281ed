// The Sun's apparent geocentric position, distance, altitude and azimuth, from the Earth's
// heliocentric position in the truncated VSOP87 series printed by Meeus, Astronomical
// Algorithms (Appendix III, the Earth).
#include "SunPosition.h"
#include "Calendar.h"
#include "Multiples.h"
#include "Nutation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

namespace crescendar {

namespace {

// One periodic term: amplitude (1e-8 rad or AU) * cos(phase + rate * tau).
struct SeriesTerm {
    double A, B, C;
};

constexpr SeriesTerm kL0[] = {{175347046, 0, 0},           {3341656, 4.6692568, 6283.07585},
                              {34894, 4.6261, 12566.1517}, {3497, 2.7441, 5753.3849},
                              {3418, 2.8289, 3.5231},      {3136, 3.6277, 77713.7715},
                              {2676, 4.4181, 7860.4194},   {2343, 6.1352, 3930.2097},
                              {1324, 0.7425, 11506.7698},  {1273, 2.0371, 529.691},
                              {1199, 1.1096, 1577.3435},   {990, 5.233, 5884.927},
                              {902, 2.045, 26.298},        {857, 3.508, 398.149},
                              {780, 1.179, 5223.694},      {753, 2.533, 5507.553},
                              {505, 4.583, 18849.228},     {492, 4.205, 775.523},
                              {357, 2.92, 0.067},          {317, 5.849, 11790.629},
                              {284, 1.899, 796.298},       {271, 0.315, 10977.079},
                              {243, 0.345, 5486.778},      {206, 4.806, 2544.314},
                              {205, 1.869, 5573.143},      {202, 2.458, 6069.777},
                              {156, 0.833, 213.299},       {132, 3.411, 2942.463},
                              {126, 1.083, 20.775},        {115, 0.645, 0.98},
                              {103, 0.636, 4694.003},      {102, 0.976, 15720.839},
                              {102, 4.267, 7.114},         {99, 6.21, 2146.17},
                              {98, 0.68, 155.42},          {86, 5.98, 161000.69},
                              {85, 1.3, 6275.96},          {85, 3.67, 71430.7},
                              {80, 1.81, 17260.15},        {79, 3.04, 12036.46},
                              {75, 1.76, 5088.63},         {74, 3.5, 3154.69},
                              {74, 4.68, 801.82},          {70, 0.83, 9437.76},
                              {62, 3.98, 8827.39},         {61, 1.82, 7084.9},
                              {57, 2.78, 6286.6},          {56, 4.39, 14143.5},
                              {56, 3.47, 6279.55},         {52, 0.19, 12139.55},
                              {52, 1.33, 1748.02},         {51, 0.28, 5856.48},
                              {49, 0.49, 1194.45},         {41, 5.37, 8429.24},
                              {41, 2.4, 19651.05},         {39, 6.17, 10447.39},
                              {37, 6.04, 10213.29},        {37, 2.57, 1059.38},
                              {36, 1.71, 2352.87},         {36, 1.78, 6812.77},
                              {33, 0.59, 17789.85},        {30, 0.44, 83996.85},
                              {30, 2.74, 1349.87},         {25, 3.16, 4690.48}};

constexpr SeriesTerm kL1[] = {{628331966747, 0, 0},       {206059, 2.678235, 6283.07585},
                              {4303, 2.6351, 12566.1517}, {425, 1.59, 3.523},
                              {119, 5.796, 26.298},       {109, 2.966, 1577.344},
                              {93, 2.59, 18849.23},       {72, 1.14, 529.69},
                              {68, 1.87, 398.15},         {67, 4.41, 5507.55},
                              {59, 2.89, 5223.69},        {56, 2.17, 155.42},
                              {45, 0.4, 796.3},           {36, 0.47, 775.52},
                              {29, 2.65, 7.11},           {21, 5.34, 0.98},
                              {19, 1.85, 5486.78},        {19, 4.97, 213.3},
                              {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
                              {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
                              {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
                              {12, 5.27, 1194.45},        {12, 2.08, 4694.0},
                              {11, 0.77, 553.57},         {10, 1.3, 6286.6},
                              {10, 4.24, 1349.87},        {9, 2.7, 242.73},
                              {9, 5.64, 951.72},          {8, 5.3, 2352.87},
                              {6, 2.65, 9437.76},         {6, 4.67, 4690.48}};

constexpr SeriesTerm kL2[] = {
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.3},  {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.3},  {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98}};

constexpr SeriesTerm kL3[] = {{289, 5.844, 6283.076}, {35, 0, 0},      {17, 5.49, 12566.15},
                              {3, 5.2, 155.42},       {1, 4.72, 3.52}, {1, 5.3, 18849.23},
                              {1, 5.97, 242.73}};

constexpr SeriesTerm kL4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};

constexpr SeriesTerm kL5[] = {{1, 3.14, 0}};

constexpr SeriesTerm kB0[] = {{280, 3.199, 84334.662},
                              {102, 5.422, 5507.553},
                              {80, 3.88, 5223.69},
                              {44, 3.7, 2352.87},
                              {32, 4, 1577.34}};

constexpr SeriesTerm kB1[] = {{9, 3.9, 5507.55}, {6, 1.73, 5223.69}};

constexpr SeriesTerm kR0[] = {{100013989, 0, 0},
                              {1670700, 3.0984635, 6283.07585},
                              {13956, 3.05525, 12566.1517},
                              {3084, 5.1985, 77713.7715},
                              {1628, 1.1739, 5753.3849},
                              {1576, 2.8469, 7860.4194},
                              {925, 5.453, 11506.77},
                              {542, 4.564, 3930.21},
                              {472, 3.661, 5884.927},
                              {346, 0.964, 5507.553},
                              {329, 5.9, 5223.694},
                              {307, 0.299, 5573.143},
                              {243, 4.273, 11790.629},
                              {212, 5.847, 1577.344},
                              {186, 5.022, 10977.079},
                              {175, 3.012, 18849.228},
                              {110, 5.055, 5486.778},
                              {98, 0.89, 6069.78},
                              {86, 5.69, 15720.84},
                              {86, 1.27, 161000.69},
                              {65, 0.27, 17260.15},
                              {63, 0.92, 529.69},
                              {57, 2.01, 83996.85},
                              {56, 5.24, 71430.7},
                              {49, 3.25, 2544.31},
                              {47, 2.58, 775.52},
                              {45, 5.54, 9437.76},
                              {43, 6.01, 6275.96},
                              {39, 5.36, 4694.0},
                              {38, 2.39, 8827.39},
                              {37, 0.83, 19651.05},
                              {37, 4.9, 12139.55},
                              {36, 1.67, 12036.46},
                              {35, 1.84, 2942.46},
                              {33, 0.24, 7084.9},
                              {32, 0.18, 5088.63},
                              {32, 1.78, 398.15},
                              {28, 1.21, 6286.6},
                              {28, 1.9, 6279.55},
                              {26, 4.59, 10447.39}};

constexpr SeriesTerm kR1[] = {{103019, 1.10749, 6283.07585},
                              {1721, 1.0644, 12566.1517},
                              {702, 3.142, 0},
                              {32, 1.02, 18849.23},
                              {31, 2.84, 5507.55},
                              {25, 1.32, 5223.69},
                              {18, 1.42, 1577.34},
                              {10, 5.91, 10977.08},
                              {9, 1.42, 6275.96},
                              {9, 0.27, 5486.78}};

constexpr SeriesTerm kR2[] = {{4359, 0, 0},        {124, 5.7846, 6283.0758}, {12, 3.14, 0},
                              {9, 3.63, 77713.77}, {6, 1.87, 5573.14},       {3, 5.47, 18849.23}};

constexpr SeriesTerm kR3[] = {{145, 4.273, 6283.076}, {7, 3.92, 12566.15}};

constexpr SeriesTerm kR4[] = {{4, 2.56, 6283.08}};

enum Series { L0, L1, L2, L3, L4, L5, B0, B1, R0, R1, R2, R3, R4, kSeriesCount };
constexpr std::size_t kTermCount =
    std::size(kL0) + std::size(kL1) + std::size(kL2) + std::size(kL3) + std::size(kL4) +
    std::size(kL5) + std::size(kB0) + std::size(kB1) + std::size(kR0) + std::size(kR1) +
    std::size(kR2) + std::size(kR3) + std::size(kR4);
// Enough room for every distinct rate of the tables.
constexpr std::size_t kMaxRates = kTermCount;

// All series terms, each with its amplitude times the cosine and sine of its phase and the
// index of its rate among the distinct rates: A cos(B + C tau) = A cos B cos C tau - A sin B
// sin C tau, so one sine and cosine per distinct rate serve every term that shares it.
struct PreparedTerm {
    double ACosB, ASinB;
    int Rate;
};

class PreparedSeries {
  public:
    static const PreparedSeries& Get() {
        static const PreparedSeries prepared;
        return prepared;
    }

    // The rates' cosines and sines at tau.
    // Only the first rateCount_ entries are written and read.
    struct Phasors {
        std::array<double, kMaxRates> Cos, Sin;
    };
    Phasors At(double tau) const {
        Phasors p;
        for (std::size_t i = 0; i < rateCount_; ++i) {
            const double x = rates_[i] * tau;
            p.Cos[i] = std::cos(x);
            p.Sin[i] = std::sin(x);
        }
        return p;
    }

    // The same phasors with far fewer trigonometric calls: most of the rates are, within a
    // hundredth of a radian per millennium, equal to a smaller one or the sum of two smaller
    // ones, so their phasors are that one's, or the product of those two, turned by the small
    // remainder. Exact to rounding, but not bit for bit the same as At.
    Phasors NearAt(double tau) const {
        Phasors p;
        for (const NearRecipe& r : NearRecipes()) {
            UnitPhasor z;
            if (r.First < 0) {
                const double x = rates_[r.Rate] * tau;
                z = {std::cos(x), std::sin(x)};
            } else {
                const auto a = static_cast<std::size_t>(r.First);
                z = {p.Cos[a], p.Sin[a]};
                if (r.Second >= 0) {
                    const auto b = static_cast<std::size_t>(r.Second);
                    z = z * UnitPhasor{p.Cos[b], p.Sin[b]};
                }
                // |d| <= 0.01 |tau|, below 0.1 in the calendar's years: the series to d^7
                // leave less than 1e-13.
                const double d = r.Remainder * tau;
                const double d2 = d * d;
                if (d != 0.0)
                    z = z *
                        UnitPhasor{1.0 - d2 / 2.0 * (1.0 - d2 / 12.0 * (1.0 - d2 / 30.0)),
                                   d * (1.0 - d2 / 6.0 * (1.0 - d2 / 20.0 * (1.0 - d2 / 42.0)))};
            }
            p.Cos[r.Rate] = z.Cos;
            p.Sin[r.Rate] = z.Sin;
        }
        return p;
    }

    // The sum of one series, terms in table order.
    double Sum(int series, const Phasors& p) const {
        double s = 0.0;
        for (std::size_t i = first_[series]; i < first_[series + 1]; ++i) {
            const PreparedTerm& t = terms_[i];
            s += t.ACosB * p.Cos[static_cast<std::size_t>(t.Rate)] -
                 t.ASinB * p.Sin[static_cast<std::size_t>(t.Rate)];
        }
        return s;
    }

    // One series and its first three derivatives in tau, from the same phasors: the
    // derivatives of cos(B + C tau) are -C sin, -C^2 cos and C^3 sin of the same angle.
    std::array<double, 4> Expansion(int series, const Phasors& p) const {
        std::array<double, 4> d{};
        for (std::size_t i = first_[series]; i < first_[series + 1]; ++i) {
            const PreparedTerm& t = terms_[i];
            const auto k = static_cast<std::size_t>(t.Rate);
            const double rate = rates_[k];
            const double c = t.ACosB * p.Cos[k] - t.ASinB * p.Sin[k];
            const double s = t.ACosB * p.Sin[k] + t.ASinB * p.Cos[k];
            d[0] += c;
            d[1] -= rate * s;
            d[2] -= rate * rate * c;
            d[3] += rate * rate * rate * s;
        }
        return d;
    }

  private:
    PreparedSeries() {
        const std::pair<const SeriesTerm*, std::size_t> all[kSeriesCount] = {
            {kL0, std::size(kL0)}, {kL1, std::size(kL1)}, {kL2, std::size(kL2)},
            {kL3, std::size(kL3)}, {kL4, std::size(kL4)}, {kL5, std::size(kL5)},
            {kB0, std::size(kB0)}, {kB1, std::size(kB1)}, {kR0, std::size(kR0)},
            {kR1, std::size(kR1)}, {kR2, std::size(kR2)}, {kR3, std::size(kR3)},
            {kR4, std::size(kR4)}};
        std::size_t n = 0;
        for (int s = 0; s < kSeriesCount; ++s) {
            first_[s] = n;
            for (std::size_t i = 0; i < all[s].second; ++i) {
                const SeriesTerm& t = all[s].first[i];
                std::size_t r = 0;
                while (r < rateCount_ && rates_[r] != t.C) ++r;
                if (r == rateCount_) rates_[rateCount_++] = t.C;
                terms_[n++] = {t.A * std::cos(t.B), t.A * std::sin(t.B), static_cast<int>(r)};
            }
        }
        first_[kSeriesCount] = n;
    }

    // How NearAt makes the phasor of one rate: from its own sine and cosine (First < 0), or
    // as the phasor of rate First, times that of rate Second if any, turned by
    // Remainder * tau.
    struct NearRecipe {
        std::size_t Rate = 0;
        int First = -1;
        int Second = -1;
        double Remainder = 0.0;
    };
    struct NearRecipeList {
        std::array<NearRecipe, kMaxRates> Recipes{};
        std::size_t Count = 0;
        const NearRecipe* begin() const { return Recipes.data(); }
        const NearRecipe* end() const { return Recipes.data() + Count; }
    };

    // Made on first use: only the searches in time need them.
    const NearRecipeList& NearRecipes() const {
        static const NearRecipeList recipes = MakeNearRecipes();
        return recipes;
    }

    // The rates in increasing order, each made from smaller ones where it can be: from the
    // next smaller rate when within reach, else from the first pair found.
    NearRecipeList MakeNearRecipes() const {
        constexpr double kNear = 0.01; // radians per millennium
        NearRecipeList list;
        list.Count = rateCount_;
        std::array<double, kMaxRates> sorted{};
        std::array<std::size_t, kMaxRates> order{};
        for (std::size_t i = 0; i < rateCount_; ++i) order[i] = i;
        std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(rateCount_),
                  [this](std::size_t a, std::size_t b) { return rates_[a] < rates_[b]; });
        for (std::size_t n = 0; n < rateCount_; ++n) {
            NearRecipe& r = list.Recipes[n];
            r.Rate = order[n];
            sorted[n] = rates_[order[n]];
            if (n > 0 && sorted[n] - sorted[n - 1] <= kNear) {
                r.First = static_cast<int>(order[n - 1]);
                r.Remainder = sorted[n] - sorted[n - 1];
            }
        }
        const double* first = sorted.data();
        const double* last = sorted.data() + rateCount_;
        for (std::size_t i = 0; i < rateCount_; ++i)
            for (std::size_t j = i; j < rateCount_; ++j) {
                const double sum = sorted[i] + sorted[j];
                for (const double* c = std::lower_bound(first, last, sum - kNear);
                     c != last && *c <= sum + kNear; ++c) {
                    NearRecipe& r = list.Recipes[static_cast<std::size_t>(c - first)];
                    // Only from rates made before it.
                    if (r.First >= 0 || static_cast<std::size_t>(c - first) <= j) continue;
                    r.First = static_cast<int>(order[i]);
                    r.Second = static_cast<int>(order[j]);
                    r.Remainder = *c - sum;
                }
            }
        return list;
    }

    std::array<double, kMaxRates> rates_{};
    std::size_t rateCount_ = 0;
    std::array<PreparedTerm, kTermCount> terms_{};
    std::size_t first_[kSeriesCount + 1] = {};
};

} // namespace

TSunPosition SunPosition(UniversalTime ut, const Observer& observer) {
    TNutation nutation;
    const double epsilon = TrueObliquity(SeriesArgument(ut), &nutation);
    return SunPosition(ut, observer, nutation, epsilon);
}

TSunPosition SunPosition(UniversalTime ut, const Observer& observer, const TNutation& nutation,
                         double epsilon) {
    TSunPosition sun;

    // The series are evaluated at the universal instant (the program's rule).
    const double tau = (SeriesArgument(ut).JD - 2451545.0) / 365250.0;
    const double tau2 = tau * tau;
    const double tau3 = tau2 * tau;
    const double tau4 = tau3 * tau;
    const double tau5 = tau4 * tau;

    const PreparedSeries& series = PreparedSeries::Get();
    const PreparedSeries::Phasors p = series.At(tau);
    const double l =
        (series.Sum(L0, p) + series.Sum(L1, p) * tau + series.Sum(L2, p) * tau2 +
         series.Sum(L3, p) * tau3 + series.Sum(L4, p) * tau4 + series.Sum(L5, p) * tau5) /
        1e8;
    const double b = (series.Sum(B0, p) + series.Sum(B1, p) * tau) / 1e8;
    const double r = (series.Sum(R0, p) + series.Sum(R1, p) * tau + series.Sum(R2, p) * tau2 +
                      series.Sum(R3, p) * tau3 + series.Sum(R4, p) * tau4) /
                     1e8;

    // Geocentric longitude and latitude, then the small correction to the FK5 frame.
    const double theta = NormaliseDegrees(RadToDeg(l) + 180.0);
    const double beta = -RadToDeg(b);
    const double thetaFk5 = theta - 2.5091666666666666e-5;
    const double thetaRad = DegToRad(thetaFk5);
    const double betaFk5 = beta + 1.0877777777777778e-5 * (std::cos(thetaRad) - std::sin(thetaRad));

    // Nutation in longitude, then aberration (20.4898" at one AU).
    const double lambda = thetaFk5 + nutation.DeltaPsi / 3600.0 - 0.005691611111111111 / r;

    sun.ApparentLongitude = lambda;
    sun.Latitude = betaFk5;
    sun.Equatorial = EclipticToEquatorial(DegToRad(lambda), DegToRad(betaFk5), epsilon);

    const THorizontal horizon =
        EquatorialToHorizontal(ut, sun.Equatorial.RA, sun.Equatorial.Dec, observer);
    sun.Altitude = horizon.Altitude;
    sun.Azimuth = horizon.Azimuth;
    sun.Distance = r * 149597900.0;
    return sun;
}

namespace {

// The sum over k of tau^k times series k, as a cubic in the millennia h from tau0, from each
// series' value and first three derivatives at tau0: the coefficient of h^n gathers the
// products of the h^j coefficient of (tau0 + h)^k, C(k, j) tau0^(k - j), and the h^(n - j)
// coefficient of the series, its derivative of that order over (n - j)!.
template <std::size_t N>
std::array<double, 4> PowerSeriesCubic(const std::array<std::array<double, 4>, N>& series,
                                       double tau0) {
    constexpr double kBinomial[6][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0},
                                        {1, 3, 3, 1}, {1, 4, 6, 4}, {1, 5, 10, 10}};
    constexpr double kOverFactorial[4] = {1.0, 1.0, 0.5, 1.0 / 6.0};
    std::array<double, 6> tauPower{1.0};
    for (std::size_t k = 1; k < N; ++k) tauPower[k] = tauPower[k - 1] * tau0;
    std::array<double, 4> cubic{};
    for (std::size_t k = 0; k < N; ++k)
        for (std::size_t j = 0; j <= std::min<std::size_t>(k, 3); ++j) {
            const double power = kBinomial[k][j] * tauPower[k - j];
            for (std::size_t n = j; n < 4; ++n)
                cubic[n] += power * series[k][n - j] * kOverFactorial[n - j];
        }
    return cubic;
}

} // namespace

TSunLongitudeNear::TSunLongitudeNear(DynamicalTime centre) : centre_(centre) {
    const double tau = (centre.JD - 2451545.0) / 365250.0;
    const PreparedSeries& series = PreparedSeries::Get();
    const PreparedSeries::Phasors p = series.NearAt(tau);
    std::array<std::array<double, 4>, 6> l;
    std::array<std::array<double, 4>, 5> r;
    for (int k = 0; k < 6; ++k) l[static_cast<std::size_t>(k)] = series.Expansion(L0 + k, p);
    for (int k = 0; k < 5; ++k) r[static_cast<std::size_t>(k)] = series.Expansion(R0 + k, p);
    l_ = PowerSeriesCubic(l, tau);
    r_ = PowerSeriesCubic(r, tau);
}

TSunLongitudeNear::TValue TSunLongitudeNear::At(DynamicalTime t) const {
    const double h = (t.JD - centre_.JD) / 365250.0;
    const auto value = [h](const std::array<double, 4>& c) {
        return c[0] + h * (c[1] + h * (c[2] + h * c[3]));
    };
    const auto rate = [h](const std::array<double, 4>& c) {
        return c[1] + h * (2.0 * c[2] + h * 3.0 * c[3]);
    };
    // Geocentric, the FK5 correction, the aberration (which shrinks as the distance grows);
    // the rate per millennium, then per day.
    const double au = value(r_) / 1e8;
    return {RadToDeg(value(l_) / 1e8) + 180.0 - 2.5091666666666666e-5 - 0.005691611111111111 / au,
            (RadToDeg(rate(l_) / 1e8) + 0.005691611111111111 * (rate(r_) / 1e8) / (au * au)) /
                365250.0};
}

double SunApparentLongitude(DynamicalTime t) {
    // SunPosition evaluates its series at the instant it is given: handing it the dynamical
    // instant evaluates them there. The longitude is geocentric, so no observer is needed.
    return SunPosition(SeriesInstantAsUniversal(t), Observer{}).ApparentLongitude;
}

} // namespace crescendar
