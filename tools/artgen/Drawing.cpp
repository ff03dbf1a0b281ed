#include "Drawing.h"

#include "Caption.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artgen {

namespace {
int currentScale = 1;
} // namespace

int drawingScale() {
    return currentScale;
}

ScaledDrawing::ScaledDrawing(int scale) : previous_(currentScale) {
    currentScale = std::max(1, scale);
}

ScaledDrawing::~ScaledDrawing() {
    currentScale = previous_;
}

static int ratioOf(const QImage& image) {
    return std::max(1, int(std::lround(image.devicePixelRatio())));
}

QRect area(const QImage& image) {
    const int s = ratioOf(image);
    return QRect(0, 0, image.width() / s, image.height() / s);
}

QRect devicePixels(const QImage& image, const QRect& rect) {
    const int s = ratioOf(image);
    return QRect(rect.x() * s, rect.y() * s, rect.width() * s, rect.height() * s);
}

QImage copyArea(const QImage& image, const QRect& rect) {
    QImage part = image.copy(devicePixels(image, rect));
    part.setDevicePixelRatio(image.devicePixelRatio());
    return part;
}

QFont sansFont(double pixelSize, bool bold) {
    return crescendar::SkinSansFont(pixelSize, bold);
}

QFont serifFont(double pixelSize, bool bold, bool italic) {
    return crescendar::SkinSerifFont(pixelSize, bold, italic);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QImage newImage(QSize size, const QColor& fill) {
    QImage image(size * currentScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(currentScale);
    image.fill(fill);
    return image;
}

void fillVertical(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(rect, g);
}

void bevel(QPainter& p, const QRect& rect, int width, bool raised, const QColor& light,
           const QColor& dark) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width; ++i) {
        // Outer rings are the strongest; the bevel softens towards the inside.
        double fade = width > 1 ? double(i) / (width - 1) * 0.45 : 0.0;
        QColor hi = raised ? light : dark;
        QColor lo = raised ? dark : light;
        QColor mid = mix(light, dark, 0.5);
        hi = mix(hi, mid, fade);
        lo = mix(lo, mid, fade);
        const QRect r = rect.adjusted(i, i, -i - 1, -i - 1);
        // One-pixel rows and columns (not pen lines) so that the rings stay whole pixels
        // of the picture at every scale.
        p.fillRect(QRect(QPoint(r.left(), r.top()), QPoint(r.right(), r.top())), hi);
        p.fillRect(QRect(QPoint(r.left(), r.top()), QPoint(r.left(), r.bottom())), hi);
        p.fillRect(QRect(QPoint(r.left() + 1, r.bottom()), QPoint(r.right(), r.bottom())), lo);
        p.fillRect(QRect(QPoint(r.right(), r.top() + 1), QPoint(r.right(), r.bottom())), lo);
    }
    p.restore();
}

static QRgb shade(QRgb c, double delta) {
    auto f = [delta](int v) { return std::clamp(int(std::lround(v + delta)), 0, 255); };
    return qRgba(f(qRed(c)), f(qGreen(c)), f(qBlue(c)), qAlpha(c));
}

void grain(QImage& image, const QRect& rect, double amplitude, std::uint32_t seed) {
    Rng rng(seed);
    const QRect r = devicePixels(image, rect).intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] = shade(line[x], (rng.uniform() * 2 - 1) * amplitude);
    }
}

void softNoise(QImage& image, const QRect& rect, double amplitude, int cell, std::uint32_t seed) {
    // Value noise on a coarse lattice, interpolated smoothly: a cloudy texture.
    const QRect r = devicePixels(image, rect).intersected(image.rect());
    cell *= ratioOf(image);
    const int cols = r.width() / cell + 3;
    const int rows = r.height() / cell + 3;
    std::vector<double> lattice(std::size_t(cols) * rows);
    Rng rng(seed);
    for (double& v : lattice) v = rng.uniform() * 2 - 1;
    auto at = [&](int cx, int cy) { return lattice[std::size_t(cy) * cols + cx]; };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double fy = double(y - r.top()) / cell;
        const int cy = int(fy);
        const double ty = smooth(fy - cy);
        for (int x = r.left(); x <= r.right(); ++x) {
            const double fx = double(x - r.left()) / cell;
            const int cx = int(fx);
            const double tx = smooth(fx - cx);
            const double top = at(cx, cy) + (at(cx + 1, cy) - at(cx, cy)) * tx;
            const double bottom = at(cx, cy + 1) + (at(cx + 1, cy + 1) - at(cx, cy + 1)) * tx;
            line[x] = shade(line[x], (top + (bottom - top) * ty) * amplitude);
        }
    }
}

void shadowText(QPainter& p, const QRect& rect, int flags, const QString& text, const QColor& ink,
                const QColor& shadow, QPoint shadowOffset) {
    crescendar::PaintShadowedText(p, rect, flags, text, ink, shadow, shadowOffset);
}

} // namespace artgen
