// Sines and cosines of whole multiples of a few angles, for periodic series whose terms are
// integer combinations of them. Built by the angle-addition recurrence from one sine and
// cosine per angle, so a series of many terms costs a handful of multiplications per term
// instead of a trigonometric call.
#pragma once

#include <cmath>

namespace crescendar {

// cos x + i sin x of some angle x.
struct UnitPhasor {
    double Cos = 1.0;
    double Sin = 0.0;
};

// The phasor of the sum of two angles.
inline UnitPhasor operator*(const UnitPhasor& a, const UnitPhasor& b) {
    return {a.Cos * b.Cos - a.Sin * b.Sin, a.Sin * b.Cos + a.Cos * b.Sin};
}

template <int N> class AngleMultiples {
  public:
    explicit AngleMultiples(double angle) {
        const UnitPhasor unit{std::cos(angle), std::sin(angle)};
        for (int k = 1; k <= N; ++k) {
            m_[N + k] = m_[N + k - 1] * unit;
            m_[N - k] = {m_[N + k].Cos, -m_[N + k].Sin};
        }
    }
    // The phasor of k times the angle, for -N <= k <= N.
    const UnitPhasor& operator[](int k) const { return m_[N + k]; }

  private:
    UnitPhasor m_[2 * N + 1];
};

} // namespace crescendar
