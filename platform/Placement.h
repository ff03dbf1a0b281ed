// Where a window goes so that it can be reached: plain geometry, in the screens' logical
// pixels, with no window or screen objects (SkinWindow applies it to its windows).
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace crescendar {

// The parts of a window that must stay on a screen, in the window's own coordinates: the
// title bar it is dragged by and the region that closes it. Either may be empty.
struct WindowGrip {
    QRect Title;
    QRect Close;
};

// The position for a window of `size` wanted at `wanted` (its top-left) among the available
// areas of the screens (work areas, without panels). The window goes to the area that holds
// most of it at the wanted position, or to the nearest area when it is on none. Along each
// axis where it fits that area, it is moved the least that puts it wholly inside; where it is
// larger, it stands at the area's left (or top) edge, moved back only as far as its close
// region (else its title bar) needs to end inside the area. No areas: `wanted` unchanged.
QPoint FitOnScreens(QPoint wanted, QSize size, const WindowGrip& grip, const QList<QRect>& areas);

} // namespace crescendar
