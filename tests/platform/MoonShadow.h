// The Moon's shadow as the main window draws it, for the canvas tests and the demo picture.
#pragma once

#include "Canvas.h"

namespace crescendar {

// The dark side drawn with half-ellipse arcs one pixel apart, then the terminator lines, on a
// 156 x 156 picture (waxing: lit side on the right); b is the terminator's half-width.
inline void DrawShadow(Canvas& c, int b, bool waxing) {
    auto left = [&](int e) { c.Arc(78 - e, 3, 78 + e, 154, 78, 3, 78, 154); };
    auto right = [&](int e) { c.Arc(78 - e, 3, 78 + e, 154, 78, 154, 78, 3); };
    auto line = [&](int x) {
        c.MoveTo(x, 3);
        c.LineTo(x, 154);
    };
    for (int e = b; e <= 75; ++e) waxing ? left(e) : right(e);
    if (b <= 0) line(waxing ? 77 : 78);
    if (b < 0) {
        line(waxing ? 78 : 77);
        for (int e = 0; e <= -b; ++e) waxing ? right(e) : left(e);
    }
}

} // namespace crescendar
