#include "Canvas.h"

#include "EllipseOutline.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace crescendar {

double FontScaleFactor() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->logicalDotsPerInchY() <= 0) return 1.0;
    return 96.0 / screen->logicalDotsPerInchY();
}

int ScaledFontSize(double size) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(size * FontScaleFactor()));
}

namespace {

int DeviceDpi(const QPaintDevice* device) {
    const int dpi = device ? device->logicalDpiY() : 0;
    return dpi > 0 ? dpi : 96;
}

struct Range { // columns or rows first..last, first > last when empty
    int first, last;
};

// Normalised pixel range of a rectangle side pair: Left..Right-1, or Right+1..Left when
// reversed.
Range Span(int from, int to) {
    return from <= to ? Range{from, to - 1} : Range{to + 1, from};
}

} // namespace

// A painter for the duration of one operation: the caller's (state saved and restored) or
// one opened on the device. Reports the change of its area when it ends.
class Canvas::Scope {
  public:
    Scope(const Canvas& c, const QRect& area) : canvas_(c), area_(area) {
        if (c.painter_ && c.painter_->isActive()) {
            p_ = c.painter_;
            p_->save();
        } else if (c.device_ && !c.device_->paintingActive() && own_.begin(c.device_)) {
            p_ = &own_;
        }
        if (p_) {
            p_->setRenderHint(QPainter::Antialiasing, false);
            p_->setRenderHint(QPainter::SmoothPixmapTransform, false);
            p_->setRenderHint(QPainter::TextAntialiasing, true);
        }
    }
    ~Scope() {
        if (!p_) return;
        if (p_ == &own_)
            own_.end();
        else
            p_->restore();
        canvas_.Changed(area_);
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    explicit operator bool() const { return p_ != nullptr; }
    QPainter& operator*() const { return *p_; }
    QPainter* operator->() const { return p_; }

  private:
    const Canvas& canvas_;
    QRect area_;
    QPainter own_;
    QPainter* p_ = nullptr;
};

Canvas::Canvas(QPaintDevice* device) : device_(device) {}

Canvas::Canvas(QPainter* painter) : painter_(painter) {}

void Canvas::SetDevice(QPaintDevice* device) {
    const int points = FontSize();
    device_ = device;
    painter_ = nullptr;
    SetFontSize(points);
}

void Canvas::SetPainter(QPainter* painter) {
    const int points = FontSize();
    painter_ = painter;
    device_ = nullptr;
    SetFontSize(points);
}

QPaintDevice* Canvas::Device() const {
    if (painter_) return painter_->device();
    return device_;
}

QImage* Canvas::Image() const {
    QPaintDevice* d = Device();
    return d && d->devType() == QInternal::Image ? static_cast<QImage*>(d) : nullptr;
}

void Canvas::Changed(const QRect& area) const {
    if (changed_) changed_(area);
}

// ----- font -----------------------------------------------------------------------------

void Canvas::SetFontName(const QString& family) {
    fontName_ = family;
}

void Canvas::SetFontSize(int points) {
    // Classic conversion: character height = points x pixels per inch / 72, rounded.
    pixelHeight_ = static_cast<int>(std::lround(points * DeviceDpi(Device()) / 72.0));
    points_ = points;
}

int Canvas::FontSize() const {
    return points_;
}

void Canvas::SetFontHeight(int pixels) {
    pixelHeight_ = pixels;
    points_ = static_cast<int>(std::lround(pixels * 72.0 / DeviceDpi(Device())));
}

QFont Canvas::Font() const {
    QFont f(fontName_);
    f.setPixelSize(std::max(1, pixelHeight_));
    f.setBold(fontStyle_ & fsBold);
    f.setItalic(fontStyle_ & fsItalic);
    f.setUnderline(fontStyle_ & fsUnderline);
    return f;
}

// ----- text -----------------------------------------------------------------------------

int Canvas::TextWidth(const QString& text) const {
    return QFontMetrics(Font(), Device()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString& /*text*/) const {
    return QFontMetrics(Font(), Device()).height();
}

void Canvas::TextOut(int x, int y, const QString& text) {
    const QFont font = Font();
    const QFontMetrics fm(font, Device());
    const int width = fm.horizontalAdvance(text);
    // The text cell, and the glyphs where they reach beyond it (overhangs, antialiased edges).
    const QRect cell(x, y, width, fm.height());
    const QRect ink = fm.boundingRect(text).translated(x, y + fm.ascent()).adjusted(-1, -1, 1, 1);
    {
        Scope p(*this, cell | ink);
        if (p) {
            if (brushStyle_ == BrushStyle::Solid)
                p->fillRect(QRect(x, y, width, fm.height()), brushColor_);
            p->setFont(font);
            p->setPen(fontColor_);
            p->drawText(x, y + fm.ascent(), text);
        }
    }
    penPos_ = QPoint(x + width, y);
}

// ----- shapes ---------------------------------------------------------------------------

namespace {

QPen PixelPen(const QColor& c) {
    return QPen(c, 1, Qt::SolidLine, Qt::SquareCap);
}

// The frame of [x1, x2) x [y1, y2), w pixels thick, inside the rectangle.
void Frame(QPainter& p, int x1, int y1, int x2, int y2, int w, const QColor& c) {
    const int width = x2 - x1, height = y2 - y1;
    if (2 * w >= width || 2 * w >= height) {
        p.fillRect(QRect(x1, y1, width, height), c);
        return;
    }
    p.fillRect(QRect(x1, y1, width, w), c);
    p.fillRect(QRect(x1, y2 - w, width, w), c);
    p.fillRect(QRect(x1, y1 + w, w, height - 2 * w), c);
    p.fillRect(QRect(x2 - w, y1 + w, w, height - 2 * w), c);
}

// Screen angle (counter-clockwise, y up) of the ray from the centre through a point.
double RayAngle(double cx, double cy, double x, double y) {
    return std::atan2(cy - y, x - cx);
}

double Wrap(double a) {
    const double twoPi = 2 * std::numbers::pi;
    a = std::fmod(a, twoPi);
    return a < 0 ? a + twoPi : a;
}

// Whether the ray angle a lies on the counter-clockwise sweep from start of length sweep,
// bounding rays included (OnSweep) or excluded (InsideSweep).
bool OnSweep(double a, double start, double sweep) {
    return Wrap(a - start) <= sweep + 1e-9;
}
bool InsideSweep(double a, double start, double sweep) {
    const double d = Wrap(a - start);
    return d > 1e-9 && d < sweep - 1e-9;
}

// Pixels of the line from a to b, without b.
void LinePixels(QPoint a, QPoint b, std::vector<QPoint>& out) {
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    while (x != b.x() || y != b.y()) {
        out.emplace_back(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Point where the ray from the centre at angle a (y up) meets the ellipse, to whole pixels.
QPoint EllipsePoint(double cx, double cy, double A, double B, double a) {
    const double c = std::cos(a), s = std::sin(a);
    const double den = std::sqrt((A > 0 ? c * c / (A * A) : (c != 0 ? 1e300 : 0)) +
                                 (B > 0 ? s * s / (B * B) : (s != 0 ? 1e300 : 0)));
    const double r = den > 0 ? 1 / den : 0;
    return QPoint(static_cast<int>(std::lround(cx + r * c)),
                  static_cast<int>(std::lround(cy - r * s)));
}

// Pixels of the outline of the ellipse with centre (cx, cy) and half-axes A, B.
void OutlinePixels(double cx, double cy, double A, double B, std::vector<QPoint>& out) {
    EllipseOutline(cx, cy, A, B, [&out](int x, int y) { out.emplace_back(x, y); });
}

struct Oval {
    double cx, cy, A, B;
};

// The ellipse whose curve runs through the edge pixels of the rectangle, edges inclusive.
Oval Inscribed(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    return {(l + r) / 2.0, (t + b) / 2.0, (r - l) / 2.0, (b - t) / 2.0};
}

QRectF PainterRect(const Oval& e) {
    // QPainter puts pixel (x, y)'s centre at (x + 0.5, y + 0.5).
    return QRectF(e.cx - e.A + 0.5, e.cy - e.B + 0.5, 2 * e.A, 2 * e.B);
}

// Parametric angle in degrees of the ellipse point on the ray at screen angle a.
double ParametricDegrees(const Oval& e, double a) {
    return std::atan2(e.A * std::sin(a), e.B * std::cos(a)) * 180 / std::numbers::pi;
}

// Device pixels to a canvas pixel: 2 on a picture made for a screen of scale 2, else 1.
int ScaleOf(const QPaintDevice* device) {
    return device && device->devicePixelRatio() > 1.0 ? 2 : 1;
}

void DrawPoints(QPainter& p, const std::vector<QPoint>& pts, const QColor& c) {
    if (pts.empty()) return;
    if (ScaleOf(p.device()) > 1) {
        // A canvas pixel is a block of device pixels: whole squares, so that pixel-exact
        // drawings (arcs one pixel apart) stay without holes at every scale.
        std::vector<QRect> blocks;
        blocks.reserve(pts.size());
        for (const QPoint& q : pts) blocks.emplace_back(q, QSize(1, 1));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRects(blocks.data(), static_cast<int>(blocks.size()));
        return;
    }
    p.setPen(PixelPen(c));
    p.drawPoints(pts.data(), static_cast<int>(pts.size()));
}

// Interior pixels of the ellipse (on or inside the curve), limited to a sweep.
void InteriorPixels(const Oval& e, bool full, double start, double sweep,
                    std::vector<QPoint>& out) {
    for (int y = static_cast<int>(std::ceil(e.cy - e.B)); y <= e.cy + e.B; ++y) {
        const double dy = y - e.cy;
        const double s = e.B > 0 ? std::sqrt(std::max(0.0, 1 - dy * dy / (e.B * e.B))) : 1.0;
        const double half = e.A * s;
        for (int x = static_cast<int>(std::ceil(e.cx - half)); x <= e.cx + half; ++x)
            if (full || OnSweep(RayAngle(e.cx, e.cy, x, y), start, sweep)) out.emplace_back(x, y);
    }
}

// An arc of pen width 1 in an opaque colour on a picture of scale 2, drawn at the device's
// resolution: the outlines of the ellipses half a device pixel inside and outside the
// canvas curve, each axis both ways. The arc is a canvas pixel wide, so that arcs one canvas
// pixel apart still leave no hole, and its edge is as fine as the screen.
void DeviceArc(QImage& image, const Oval& e, double sx, double sy, double ex, double ey, QRgb c) {
    // Canvas pixel x covers device pixels 2x and 2x + 1: its centre is at 2x + 0.5.
    const double cx = 2 * e.cx + 0.5, cy = 2 * e.cy + 0.5;
    const double start = RayAngle(e.cx, e.cy, sx, sy);
    double sweep = Wrap(RayAngle(e.cx, e.cy, ex, ey) - start);
    const bool full = sweep < 1e-12;
    if (full) sweep = 2 * std::numbers::pi;
    const bool direct = image.depth() == 32;
    for (const double da : {-0.5, 0.5})
        for (const double db : {-0.5, 0.5}) {
            const double A = std::abs(2 * e.A + da), B = std::abs(2 * e.B + db);
            const QPoint from = EllipsePoint(cx, cy, A, B, start);
            const QPoint to = EllipsePoint(cx, cy, A, B, start + sweep);
            EllipseOutline(cx, cy, A, B, [&](int x, int y) {
                const QPoint q(x, y);
                if (!image.valid(q)) return;
                if (!(full || q == from || q == to ||
                      InsideSweep(RayAngle(cx, cy, x, y), start, sweep)))
                    return;
                if (direct)
                    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = c;
                else
                    image.setPixel(q, c);
            });
        }
}

// The pixels a curve or line through the pixels x1..x2, y1..y2 (either order, ends
// included) may touch with a pen of the given width.
QRect ShapeArea(int x1, int y1, int x2, int y2, int penWidth) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)))
        .adjusted(-penWidth, -penWidth, penWidth, penWidth);
}

} // namespace

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    Scope p(*this, QRect(x1, y1, x2 - x1, y2 - y1));
    if (!p) return;
    if (brushStyle_ == BrushStyle::Solid) p->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brushColor_);
    Frame(*p, x1, y1, x2, y2, penWidth_, penColor_);
}

void Canvas::FillRect(const TRect& r) {
    if (brushStyle_ == BrushStyle::Solid) FillRect(r, brushColor_);
}

void Canvas::FillRect(const TRect& r, const QColor& c) {
    const Range cols = Span(r.Left, r.Right), rows = Span(r.Top, r.Bottom);
    if (cols.first > cols.last || rows.first > rows.last) return;
    const QRect area(QPoint(cols.first, rows.first), QPoint(cols.last, rows.last));
    Scope p(*this, area);
    if (p) p->fillRect(area, c);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x1 == x2 || y1 == y2) return;
    const auto e = Inscribed(x1, y1, x2, y2);
    Scope p(*this, ShapeArea(x1, y1, x2, y2, penWidth_));
    if (!p) return;
    if (penWidth_ > 1) {
        p->setPen(QPen(penColor_, penWidth_));
        p->setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(brushColor_) : QBrush());
        p->drawEllipse(PainterRect(e));
        return;
    }
    std::vector<QPoint> pts;
    if (brushStyle_ == BrushStyle::Solid) {
        InteriorPixels(e, true, 0, 0, pts);
        DrawPoints(*p, pts, brushColor_);
        pts.clear();
    }
    OutlinePixels(e.cx, e.cy, e.A, e.B, pts);
    DrawPoints(*p, pts, penColor_);
}

void Canvas::PlotCurve(QPainter& p, double l, double t, double r, double b, double sx, double sy,
                       double ex, double ey, bool pie) const {
    const Oval e{(l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2};
    const double start = RayAngle(e.cx, e.cy, sx, sy);
    double sweep = Wrap(RayAngle(e.cx, e.cy, ex, ey) - start);
    const bool full = sweep < 1e-12; // the same ray: the whole ellipse
    if (full) sweep = 2 * std::numbers::pi;
    const QPoint centre(static_cast<int>(std::lround(e.cx)), static_cast<int>(std::lround(e.cy)));
    const QPoint from = EllipsePoint(e.cx, e.cy, e.A, e.B, start);
    const QPoint to = EllipsePoint(e.cx, e.cy, e.A, e.B, start + sweep);

    if (penWidth_ > 1) {
        QPainterPath path;
        const double a0 = ParametricDegrees(e, start);
        double span = ParametricDegrees(e, start + sweep) - a0;
        if (span <= 0) span += 360;
        if (full) span = 360;
        if (pie) {
            path.moveTo(centre + QPointF(0.5, 0.5));
            path.arcTo(PainterRect(e), a0, span);
            path.closeSubpath();
        } else {
            path.arcMoveTo(PainterRect(e), a0);
            path.arcTo(PainterRect(e), a0, span);
        }
        p.setPen(QPen(penColor_, penWidth_));
        p.setBrush(pie && brushStyle_ == BrushStyle::Solid ? QBrush(brushColor_) : QBrush());
        p.drawPath(path);
        return;
    }

    std::vector<QPoint> pts;
    if (pie && brushStyle_ == BrushStyle::Solid) {
        InteriorPixels(e, full, start, sweep, pts);
        DrawPoints(p, pts, brushColor_);
        pts.clear();
    }
    std::vector<QPoint> outline;
    OutlinePixels(e.cx, e.cy, e.A, e.B, outline);
    // Pixels whose centres lie on the bounding rays belong to the arc only as its end points,
    // so that a half ellipse does not spill over its diameter.
    for (const QPoint& q : outline)
        if (full || q == from || q == to ||
            InsideSweep(RayAngle(e.cx, e.cy, q.x(), q.y()), start, sweep))
            pts.push_back(q);
    if (pie) {
        LinePixels(centre, from, pts);
        LinePixels(centre, to, pts);
    }
    DrawPoints(p, pts, penColor_);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) {
    if (x1 == x2 || y1 == y2) return;
    QImage* image = Image();
    if (image && !painter_ && ScaleOf(image) > 1 && penWidth_ == 1 && penColor_.alpha() == 255 &&
        !image->paintingActive()) {
        DeviceArc(*image, Inscribed(x1, y1, x2, y2), sx, sy, ex, ey, penColor_.rgb());
        Changed(ShapeArea(x1, y1, x2, y2, penWidth_));
        return;
    }
    Scope p(*this, ShapeArea(x1, y1, x2, y2, penWidth_));
    if (!p) return;
    PlotCurve(*p, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), sx, sy,
              ex, ey, false);
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) {
    if (x1 == x2 || y1 == y2) return;
    Scope p(*this, ShapeArea(x1, y1, x2, y2, penWidth_));
    if (!p) return;
    PlotCurve(*p, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), sx, sy,
              ex, ey, true);
}

void Canvas::LineTo(int x, int y) {
    const QPoint from = penPos_, to(x, y);
    penPos_ = to;
    Scope p(*this, ShapeArea(from.x(), from.y(), to.x(), to.y(), penWidth_));
    if (!p) return;
    if (penWidth_ > 1) {
        p->setPen(QPen(penColor_, penWidth_, Qt::SolidLine, Qt::FlatCap));
        p->drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5));
        return;
    }
    std::vector<QPoint> pts;
    LinePixels(from, to, pts);
    DrawPoints(*p, pts, penColor_);
}

// ----- pictures -------------------------------------------------------------------------

void Canvas::Draw(int x, int y, const QImage& image) {
    if (image.isNull()) return;
    Scope p(*this, QRectF(QPointF(x, y), image.deviceIndependentSize()).toAlignedRect());
    if (p) p->drawImage(x, y, image);
}

void Canvas::CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect) {
    const Range sc = Span(sourceRect.Left, sourceRect.Right);
    const Range sr = Span(sourceRect.Top, sourceRect.Bottom);
    const Range dc = Span(dest.Left, dest.Right), dr = Span(dest.Top, dest.Bottom);
    if (sc.first > sc.last || sr.first > sr.last || dc.first > dc.last || dr.first > dr.last ||
        source.isNull())
        return;
    // A deep copy, so that a canvas may copy onto itself. Rectangles are in canvas pixels;
    // the copy keeps the source's device pixels (s to a canvas pixel).
    const int s = ScaleOf(&source);
    QImage part = source.copy(
        QRect(QPoint(sc.first, sr.first) * s, QPoint(sc.last + 1, sr.last + 1) * s - QPoint(1, 1)));
    const bool flipH = (sourceRect.Left > sourceRect.Right) != (dest.Left > dest.Right);
    const bool flipV = (sourceRect.Top > sourceRect.Bottom) != (dest.Top > dest.Bottom);
    if (flipH || flipV) part = part.mirrored(flipH, flipV);
    const QSize size = QSize(dc.last - dc.first + 1, dr.last - dr.first + 1) * s;
    if (part.size() != size)
        part = part.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    part.setDevicePixelRatio(s);
    Scope p(*this, QRect(QPoint(dc.first, dr.first), QPoint(dc.last, dr.last)));
    if (!p) return;
    if (Image()) p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(QPoint(dc.first, dr.first), part);
}

void Canvas::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) {
    if (const QImage* image = source.Image()) CopyRect(dest, *image, sourceRect);
}

QColor Canvas::Pixel(int x, int y) const {
    // The first device pixel of the canvas pixel's block.
    const QImage* image = Image();
    const int s = ScaleOf(image);
    if (!image || !image->valid(x * s, y * s)) return {};
    return QColor::fromRgba(image->pixel(x * s, y * s));
}

void Canvas::SetPixel(int x, int y, const QColor& c) {
    Scope p(*this, QRect(x, y, 1, 1));
    if (!p) return;
    if (Image()) p->setCompositionMode(QPainter::CompositionMode_Source);
    if (ScaleOf(p->device()) > 1) {
        p->fillRect(QRect(x, y, 1, 1), c);
        return;
    }
    p->setPen(PixelPen(c));
    p->drawPoint(x, y);
}

} // namespace crescendar
