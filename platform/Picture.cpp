#include "Picture.h"

#include "AtomicFile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QRadialGradient>
#include <QWidget>

#include <cmath>

namespace crescendar {

int PictureScale(const QWidget* window) {
    const qreal ratio = window    ? window->devicePixelRatioF()
                        : qGuiApp ? qGuiApp->devicePixelRatio()
                                  : 1.0;
    return ratio > 1.0 ? 2 : 1;
}

QImage LoadPicture(const QString& path, const QWidget* window) {
    return LoadPicture(path, PictureScale(window));
}

QImage LoadPicture(const QString& path, int scale) {
    if (scale > 1) {
        const QFileInfo info(path);
        const QString suffix = info.suffix();
        const QString scaled = info.path() + QLatin1Char('/') + info.completeBaseName() +
                               QStringLiteral("@2x") +
                               (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
        QImage image = QImageReader(scaled).read();
        if (!image.isNull()) {
            image.setDevicePixelRatio(2);
            return image;
        }
    }
    QImage image = QImageReader(path).read();
    image.setDevicePixelRatio(1);
    return image;
}

QSize LogicalSize(const QImage& image) {
    const qreal ratio = image.devicePixelRatio() > 0 ? image.devicePixelRatio() : 1.0;
    return QSize(static_cast<int>(std::lround(image.width() / ratio)),
                 static_cast<int>(std::lround(image.height() / ratio)));
}

QImage CopyPart(const QImage& image, const QRect& rect) {
    const int scale = image.devicePixelRatio() > 1.0 ? 2 : 1;
    QImage part = image.copy(QRect(rect.topLeft() * scale, rect.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

void DrawEclipsedSun(QPainter& p, const QPointF& centre, double radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.62, QColor(255, 236, 170, 255));
    glow.setColorAt(0.75, QColor(255, 190, 80, 170));
    glow.setColorAt(1.0, QColor(255, 160, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(8, 8, 14));
    const double moon = radius * 6.4 / 10.5;
    p.drawEllipse(centre + QPointF(radius * 0.6 / 10.5, -radius * 0.4 / 10.5), moon, moon);
    p.restore();
}

namespace {

QImage Blank(int width, int height, const QColor& fill, int scale) {
    QImage image(std::max(0, width) * scale, std::max(0, height) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

int ScaleOf(const QImage& image) {
    return image.devicePixelRatio() > 1.0 ? 2 : 1;
}

// Pictures are opaque bitmaps; pictures with transparency keep their alpha channel.
QImage Normalised(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

Picture::Picture() : canvas_(&image_) {}

Picture::Picture(int width, int height, const QColor& fill, int scale)
    : image_(Blank(width, height, fill, scale > 0 ? scale : PictureScale())), canvas_(&image_) {}

Picture::Picture(const QImage& image) : image_(Normalised(image)), canvas_(&image_) {}

bool Picture::Load(const QString& path, const QWidget* window) {
    const QImage loaded = LoadPicture(path, window);
    if (loaded.isNull()) return false;
    Assign(loaded);
    return true;
}

bool Picture::SaveBmp(const QString& path, QString* error) const {
    return SaveImageFile(image_, path, "BMP", error);
}

void Picture::Assign(const QImage& image) {
    // A deep copy, so that drawing on this picture never shows through the other one.
    image_ = Normalised(image).copy();
}

void Picture::SetSize(int width, int height, const QColor& fill) {
    QImage resized = Blank(width, height, fill, image_.isNull() ? PictureScale() : ScaleOf(image_));
    if (!image_.isNull()) {
        QPainter p(&resized);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = resized;
}

} // namespace crescendar
