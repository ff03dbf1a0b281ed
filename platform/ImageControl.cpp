#include "ImageControl.h"

#include "Access.h"

#include <QPainter>

namespace crescendar {

ImageControl::ImageControl(QWidget* parent) : ClickRegion(parent) {
    GetCanvas().SetChangedHandler([this](const QRect& area) { update(area); });
}

ImageControl::ImageControl(QWidget* parent, int left, int top, const QImage& picture, int width,
                           int height)
    : ImageControl(parent) {
    move(left, top);
    SetPicture(picture);
    if (width > 0 && height > 0) {
        autoSize_ = false;
        resize(width, height);
    }
}

void ImageControl::SetPicture(const QImage& picture) {
    picture_.Assign(picture);
    if (autoSize_ && !picture.isNull()) resize(LogicalSize(picture));
    update();
}

void ImageControl::paintEvent(QPaintEvent* /*e*/) {
    const bool ring = KeyboardFocused(this);
    if (picture_.Image().isNull() && !ring) return;
    QPainter p(this);
    if (!picture_.Image().isNull()) p.drawImage(0, 0, picture_.Image());
    if (ring) PaintFocusRing(p, rect());
}

} // namespace crescendar
