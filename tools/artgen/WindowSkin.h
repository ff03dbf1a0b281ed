// Painting helpers shared by the skins of the main and secondary windows: star fields, the
// framed night sky, the navy title plate, steel frames, black screens, the close cross and
// the radio glyph.
#pragma once

#include "Drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include <cstdint>

namespace artgen {

// A pen with round caps and joins.
QPen roundPen(const QColor& c, double width = 1.0);

// A vertical two-colour gradient from y top to y bottom.
QLinearGradient vertical(double top, double bottom, const QColor& a, const QColor& b);

// Saves the painter, moves its origin to `at` and turns on antialiasing; restores on exit.
class PaintAt {
  public:
    PaintAt(QPainter& p, QPointF at);
    PaintAt(QPainter& p, double x, double y) : PaintAt(p, QPointF(x, y)) {}
    ~PaintAt();
    PaintAt(const PaintAt&) = delete;
    PaintAt& operator=(const PaintAt&) = delete;

  private:
    QPainter& p_;
};

// `count` bluish stars scattered over area, their brightness between minLevel and maxLevel.
void stars(QImage& image, const QRect& area, int count, std::uint32_t seed, int maxLevel = 150,
           int minLevel = 40);

// The night sky with soft noise, one star per `pixelsPerStar` pixels and a raised frame.
QImage starrySky(QSize size, std::uint32_t seed, int pixelsPerStar);

// The rounded navy plate of a title bar.
void titlePlate(QPainter& p, const QRect& rect);

// The red close cross of a title bar, in a region of the given size at `at`.
void closeCross(QPainter& p, QPointF at, int width, int height);
inline void closeCross(QPainter& p, int x, int y, int width, int height) {
    closeCross(p, QPointF(x, y), width, height);
}

// A rounded, raised steel frame filling rect.
void steelFrame(QPainter& p, const QRect& rect);

// A recessed black panel with a blue glow inside a steel frame.
void blackPanel(QPainter& p, const QRect& rect);

// A steel frame, three pixels wide, around a black screen whose inside is `inner`.
void blackScreen(QPainter& p, const QRect& inner);

// A radio button's glyph, 15 x 15, set or not, over the background it stands on (a
// transparent one for a glyph the window places itself).
QImage radioGlyph(const QImage& background, bool set);

} // namespace artgen
