#include "Placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace crescendar {

namespace {

std::int64_t Area(const QRect& r) {
    return r.isEmpty() ? 0 : std::int64_t(r.width()) * r.height();
}

// Squared distance from a point to the nearest point of a rectangle (0 inside it).
std::int64_t DistanceSquared(QPoint p, const QRect& r) {
    const std::int64_t dx = p.x() < r.left()    ? r.left() - p.x()
                            : p.x() > r.right() ? p.x() - r.right()
                                                : 0;
    const std::int64_t dy = p.y() < r.top()      ? r.top() - p.y()
                            : p.y() > r.bottom() ? p.y() - r.bottom()
                                                 : 0;
    return dx * dx + dy * dy;
}

// One axis: the window's start along it for an area [areaStart, areaEnd), a window of
// `length`, and the part to keep visible [keepStart, keepEnd) in window coordinates
// (keepEnd <= keepStart when there is none).
int FitAxis(int wanted, int length, int areaStart, int areaEnd, int keepStart, int keepEnd) {
    if (length <= areaEnd - areaStart) return std::clamp(wanted, areaStart, areaEnd - length);
    int start = areaStart;
    if (keepEnd > keepStart) {
        // Back so that the kept part ends in the area, but never so far that its start leaves it.
        start = std::min(start, areaEnd - keepEnd);
        start = std::max(start, areaStart - keepStart);
    }
    return start;
}

} // namespace

QPoint FitOnScreens(QPoint wanted, QSize size, const WindowGrip& grip, const QList<QRect>& areas) {
    const QRect window(wanted, size);
    const QRect* best = nullptr;
    std::int64_t bestOverlap = 0;
    for (const QRect& area : areas) {
        const std::int64_t overlap = Area(area & window);
        if (overlap > bestOverlap) best = &area, bestOverlap = overlap;
    }
    if (!best) {
        std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
        for (const QRect& area : areas) {
            if (area.isEmpty()) continue;
            const std::int64_t d = DistanceSquared(window.center(), area);
            if (d < nearest) best = &area, nearest = d;
        }
    }
    if (!best) return wanted;
    const QRect keep = grip.Close.isEmpty() ? grip.Title : grip.Close;
    const QRect& a = *best;
    return {FitAxis(wanted.x(), size.width(), a.left(), a.left() + a.width(), keep.left(),
                    keep.left() + keep.width()),
            FitAxis(wanted.y(), size.height(), a.top(), a.top() + a.height(), keep.top(),
                    keep.top() + keep.height())};
}

} // namespace crescendar
