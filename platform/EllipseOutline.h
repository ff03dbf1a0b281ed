// The pixels of an ellipse's outline, as the canvas draws arcs and ellipses.
//
// Each row takes the pixels that the curve crosses within the row's height, which makes
// the outline connected. Two more rules add the pixels through which the ellipse of the
// same height has a half-width that rounds to A (rows), or the ellipse of the same width
// has a half-height that rounds to B (columns): with them, outlines of equal height whose
// half-widths differ by one pixel (or of equal width and half-heights one apart) leave no
// pixel between them unpainted. A pixel may be reported more than once.
#pragma once

#include <algorithm>
#include <cmath>

namespace crescendar {

// Calls put(x, y) for every pixel of the outline of the ellipse with centre (cx, cy) and
// half-axes A, B.
template <class Put> void EllipseOutline(double cx, double cy, double A, double B, const Put& put) {
    auto halfWidth = [&](double y) {
        const double d = (y - cy) / B;
        return A * std::sqrt(std::max(0.0, 1 - d * d));
    };
    // Right: cx + lo <= x < cx + hi. Left: cx - hi < x <= cx - lo.
    auto runs = [&](int y, double lo, double hi) {
        lo = std::max(0.0, lo);
        for (int x = static_cast<int>(std::ceil(cx + lo)); x < cx + hi; ++x) put(x, y);
        for (int x = static_cast<int>(std::floor(cx - lo)); x > cx - hi; --x) put(x, y);
    };
    for (int y = static_cast<int>(std::ceil(cy - B - 0.5));
         y <= static_cast<int>(std::floor(cy + B + 0.5)); ++y) {
        // Crossing: the curve's half-width over the row's height, to the nearest pixels.
        const double top = std::max(y - 0.5, cy - B), bottom = std::min(y + 0.5, cy + B);
        if (top <= bottom) {
            const double wTop = halfWidth(top), wBottom = halfWidth(bottom);
            const double wMin = std::min(wTop, wBottom);
            const double wMax = (top <= cy && cy <= bottom) ? A : std::max(wTop, wBottom);
            runs(y, wMin - 0.5, wMax + 0.5);
        }
        // Rows: |dx| in [(A - 0.5) s, (A + 0.5) s) with s = sqrt(1 - dy^2 / B^2).
        if (std::abs(y - cy) <= B) {
            const double s = halfWidth(y) / A;
            runs(y, (A - 0.5) * s, (A + 0.5) * s);
        }
    }
    // Columns: the row rule with the axes exchanged.
    for (int x = static_cast<int>(std::ceil(cx - A)); x <= static_cast<int>(std::floor(cx + A));
         ++x) {
        const double dx = (x - cx) / A, t = std::sqrt(std::max(0.0, 1 - dx * dx));
        const double lo = std::max(0.0, (B - 0.5) * t), hi = (B + 0.5) * t;
        for (int y = static_cast<int>(std::ceil(cy + lo)); y < cy + hi; ++y) put(x, y);
        for (int y = static_cast<int>(std::floor(cy - lo)); y > cy - hi; --y) put(x, y);
    }
}

} // namespace crescendar
