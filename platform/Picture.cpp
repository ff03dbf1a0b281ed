#include "Picture.h"

#include "AtomicFile.h"

#include <QPainter>

namespace crescendar {

namespace {

QImage Blank(int width, int height, const QColor& fill) {
    QImage image(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Pictures are opaque bitmaps; pictures with transparency keep their alpha channel.
QImage Normalised(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

Picture::Picture() : canvas_(&image_) {}

Picture::Picture(int width, int height, const QColor& fill)
    : image_(Blank(width, height, fill)), canvas_(&image_) {}

Picture::Picture(const QImage& image) : image_(Normalised(image)), canvas_(&image_) {}

bool Picture::Load(const QString& path) {
    QImage loaded(path);
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
    QImage resized = Blank(width, height, fill);
    if (!image_.isNull()) {
        QPainter p(&resized);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = resized;
}

} // namespace crescendar
